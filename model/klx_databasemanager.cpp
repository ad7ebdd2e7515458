#include "model/klx_databasemanager.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_languagehandler.h"
#include "link/klx_protocol.h"

#include <QDebug>

KLX_DataBaseManager* KLX_DataBaseManager::m_MySelf = nullptr;

namespace {
constexpr unsigned kErrInitialize = 0x10301;
constexpr int kOwnedObjects = 31;
}  // namespace

namespace {
void ConnectLiveValues(KLX_DataBaseManager* db, KLX_LiveValues* live) {
  QObject::connect(live, &KLX_LiveValues::changed, db, &KLX_DataBaseManager::liveValuesChanged);
  // The shown trims follow the flight mode.
  QObject::connect(db, &KLX_DataBaseManager::flightModeChanged, live,
                   [live] { live->KLX_LiveValuesChanged(KLX_DatabaseValues::LIVE_Trims); });
}
}  // namespace

KLX_DataBaseManager::KLX_DataBaseManager(QObject* parent) : QObject(parent) {
  SetSequencerHooks();
  ConnectLiveValues(this, &m_LiveValues);
}

KLX_DataBaseManager::KLX_DataBaseManager(const KLX_AudioDevices& audio, QObject* parent)
    : QObject(parent), m_AudioHandler(audio) {
  SetSequencerHooks();
  ConnectLiveValues(this, &m_LiveValues);
}

KLX_DataBaseManager::~KLX_DataBaseManager() {
  // The saver thread reads the stores: it ends before they are freed.
  if (m_XMLFileSaver.isRunning()) m_XMLFileSaver.KLX_XMLFileSaverStop();
  m_Initialized = false;
  KLX_DataBaseManagerFree();
}

int KLX_DataBaseManager::KLX_DataBaseManagerInitialize(KLX_Protocol* protocol, KLX_VornHandler* vorn,
                                                       KLX_LanguageHandler* language,
                                                       KLX_RuntimeDatabaseManager* runtime) {
  CreateObjects();
  if (!protocol || !vorn || !language || !runtime || KLX_DataBaseManagerOwnedObjects() != kOwnedObjects) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_DataBaseManagerInitialize() gone wrong"));
    KLX_DataBaseManagerStop();
    KLX_DataBaseManagerFree();
    return KLX_Error;
  }
  m_Runtime = runtime;
  m_Protocol = protocol;
  // Again here: a reset of the engine's state clears the hooks.
  SetSequencerHooks();
  InitializeModelStores();
  const int settings = InitializeSettingsStores();
  if (settings != KLX_Ok) return settings;
  m_Initialized = true;
  m_Vorn = vorn;
  m_LanguageHandler = language;
  KLX_DataBaseManagerSetModelModifyFlag(false);
  KLX_DataBaseManagerSetSystemModifyFlag(false);
  KLX_DataBaseManagerSetVornModifyFlag(false);
  m_StartupPhase = 0;
  m_BootStatus = 0;
  KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirSet);
  ClearLinkQuality();
  m_TelemetrieHandler.KLX_TelemetrieHandlerIntialize();
  m_XMLFileSaver.KLX_XMLFileSaverStartProcessing();
  const int audio = m_AudioHandler.KLX_AudioHandlerInitialize(this);
  if (audio != KLX_Ok) return audio;
  const int wlan = m_Wlan.KLX_WlanConnectInitialize();
  m_Bluetooth.initDBM(this);
  if (!connect(&m_TTSList, &CTTSList::ttslindexChanged, &m_AudioHandler, &KLX_AudioHandler::onTtslindexChanged,
               Qt::UniqueConnection))
    qDebug("ERR: Incorrect connection of ttslist and audiohandler.");
  return wlan;
}

int KLX_DataBaseManager::KLX_DataBaseManagerStop() {
  m_TelemetrieHandler.KLX_TelemetrieHandlerStop();
  m_AudioHandler.KLX_AudioHandlerStop();
  m_Wlan.KLX_WlanConnectStop();
  m_Initialized = false;
  return m_XMLFileSaver.KLX_XMLFileSaverStop();
}

void KLX_DataBaseManager::KLX_DataBaseManagerFree() {
  // Stores are never deleted under running threads: a saver that did not
  // end within its stop time keeps them.
  if (m_Initialized || m_XMLFileSaver.isRunning()) return;
  FreeObjects();
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


