#include "model/klx_databasemanager.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_protocol.h"

KLX_DataBaseManager* KLX_DataBaseManager::m_MySelf = nullptr;

namespace {
constexpr int kAppVersionMajor = 1;
constexpr int kAppVersionMinor = 0;
constexpr unsigned kErrInitialize = 66305;
}  // namespace

KLX_DataBaseManager::KLX_DataBaseManager(QObject* parent) : QObject(parent) {}

KLX_DataBaseManager::~KLX_DataBaseManager() {
  m_Initialized = false;
  KLX_DataBaseManagerFree();
}

int KLX_DataBaseManager::KLX_DataBaseManagerInitialize(KLX_Protocol* protocol, KLX_VornHandler* vorn,
                                                       KLX_LanguageHandler* language,
                                                       KLX_RuntimeDatabaseManager* runtime) {
  CreateModelStores();
  if (!protocol || !vorn || !language || !runtime || !ModelStoresCreated()) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_DataBaseManagerInitialize() gone wrong"));
    KLX_DataBaseManagerStop();
    KLX_DataBaseManagerFree();
    return KLX_Error;
  }
  m_Protocol = protocol;
  m_Vorn = vorn;
  m_LanguageHandler = language;
  m_Runtime = runtime;
  if (!m_TutorPupil) m_TutorPupil = new KLX_TutorPupilCtrl;
  CreateLinkStores();
  InitializeModelStores();
  m_Bluetooth.initDBM(this);
  if (!connect(&m_TTSList, &CTTSList::ttslindexChanged, &m_AudioHandler, &KLX_AudioHandler::onTtslindexChanged,
               Qt::UniqueConnection))
    qDebug("ERR: Incorrect connection of ttslist and audiohandler.");
  const int audio = m_AudioHandler.KLX_AudioHandlerInitialize(this);
  if (audio != KLX_Ok) return audio;
  m_Initialized = true;
  m_Processing = true;
  KLX_DataBaseManagerSetModelModifyFlag(false);
  KLX_DataBaseManagerSetSystemModifyFlag(false);
  KLX_DataBaseManagerSetVornModifyFlag(false);
  return m_Wlan.KLX_WlanConnectInitialize();
}

int KLX_DataBaseManager::KLX_DataBaseManagerStop() {
  m_AudioHandler.KLX_AudioHandlerStop();
  m_Wlan.KLX_WlanConnectStop();
  m_Initialized = false;
  return m_XMLFileSaver.KLX_XMLFileSaverStop();
}

void KLX_DataBaseManager::KLX_DataBaseManagerFree() {
  // Stores are never deleted under running threads.
  if (m_Initialized) return;
  FreeModelStores();
  FreeLinkStores();
  delete m_TutorPupil;
  m_TutorPupil = nullptr;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetStartupPhases(int value, int dir) {
  if (dir == AtomicDirGet) return m_StartupPhase;
  m_StartupPhase = value;
  return value;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetBootStatus(int value, int dir) {
  if (dir == AtomicDirGet) return m_BootStatus;
  m_BootStatus = value;
  return value;
}

bool KLX_DataBaseManager::KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(bool stored,
                                                                                      int dir,
                                                                                      bool save) {
  if (dir) return m_ModelSavedInTC;
  m_ModelSavedInTC = stored;
  if (save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return stored;
}

int KLX_DataBaseManager::KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(int value, int dir,
                                                                           bool save) {
  if (dir) return m_UpdateFlag;
  m_UpdateFlag = value;
  if (save) KLX_DataBaseManagerSetVornModifyFlag(true);
  return value;
}

QString KLX_DataBaseManager::KLX_DataBaseManagerVornLinuxAppGetVersion() const {
  return QStringLiteral("%1.%2").arg(kAppVersionMajor).arg(kAppVersionMinor);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(QString value,
                                                                                     int dir,
                                                                                     bool update) {
  if (dir) return m_Language;
  m_Language = value;
  if (update) KLX_DataBaseManagerSetSystemModifyFlag(true);
  return value;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(QString language,
                                                                                 bool modify) {
  KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language(language, AtomicDirSet, modify);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetSystemPropertiesGetSet_BTPowerStatus(int value,
                                                                                      int dir,
                                                                                      bool save) {
  if (dir) return m_BTPowerStatus;
  m_BTPowerStatus = value;
  if (save) KLX_DataBaseManagerSetSystemModifyFlag(true);
  return value;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled(int value,
                                                                                         int dir) {
  if (dir) return m_FastStartEnabled;
  m_FastStartEnabled = value;
  return value;
}

void KLX_DataBaseManager::KLX_DataBaseManagerBTTurnON() { m_Bluetooth.turnOn(); }

void KLX_DataBaseManager::KLX_DataBaseManagerForceSavingXMLFilesDumpTimers(bool last) {
  m_XMLFileSaver.KLX_XMLFileSaverForceSaving(last);
}
