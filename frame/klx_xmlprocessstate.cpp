#include "frame/klx_xmlprocessstate.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QMutex>
#include <QXmlStreamReader>

#include <functional>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsafefile.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"
#include "tasks/klx_vorntask.h"

namespace {
constexpr unsigned kErrInitialize = 0x128A6;
constexpr unsigned kErrOpenRead = 0x2280A;
constexpr unsigned kErrOpenWrite = 0x2280D;
constexpr unsigned kErrFlush = 0x22813;
constexpr unsigned kErrWriter = 0x228A4;
constexpr unsigned kErrRoot = 0x228A5;
constexpr unsigned kErrModelName = 0x228A7;
constexpr unsigned kErrModelFolder = 0x228A9;
constexpr unsigned kHintCRC = 0x42602;
constexpr unsigned kErrStoredInTC = 0x5287E;
constexpr unsigned kErrUpdateFlag = 0x52880;
constexpr unsigned kErrVersion = 0x52881;
constexpr unsigned kMarkDropped = 0x52882;
constexpr unsigned kSkipped = 0x528A3;
constexpr unsigned kErrModelTyp = 0x528A8;
constexpr int kMaxModelNameBytes = 45;

const QString kTC = QStringLiteral("TC");

QString StickControllerName() { return Board::m_Instance ? Board::m_Instance->SCName() : QString(); }
bool IsFenk() { return Board::m_Instance && Board::m_Instance->IsFenk(); }

bool ToUint8(const QString& text, int* value) {
  bool ok = false;
  const unsigned v = text.toUInt(&ok, 10);
  if (!ok || !KLX_XMLModelBase::KLX_XMLModelBaseCheckUint8(int(v))) return false;
  *value = int(v);
  return true;
}
}  // namespace

int KLX_XMLProcessState::KLX_XMLProcessStateInitialize(KLX_DataBaseManager* db) {
  if (!db) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_XMLProcessStateInitialize() went wrong"));
    return KLX_Error;
  }
  m_Db = db;
  return KLX_Ok;
}

namespace {
const KLX_XMLSaveReports kReports{"Vornstate.xml", kErrOpenWrite, kErrWriter, kErrFlush};
}  // namespace

int KLX_XMLProcessState::KLX_XMLProcessStateWriteProcessFile(const QString& path) {
  KLX_XMLSafeFile file(path);
  int result = KLX_XMLProcessStatePrepareProcessFile(file);
  if (result == KLX_Ok) result = KLX_XMLProcessStatePlaceProcessFile(file);
  qDebug().noquote() << QStringLiteral("   ...vorn file saved? %1").arg(result == KLX_Ok ? "yes" : "no");
  return result;
}

int KLX_XMLProcessState::KLX_XMLProcessStatePrepareProcessFile(KLX_XMLSafeFile& file) {
  return KLX_XMLPrepareDeviceFile(file, m_Db != nullptr, kReports, [this](KLX_XMLTextWriter* w) { WriteState(*w); });
}

int KLX_XMLProcessState::KLX_XMLProcessStatePlaceProcessFile(KLX_XMLSafeFile& file) {
  const int result = KLX_XMLPlaceDeviceFile(file, kReports);
  if (result == KLX_Ok) NoteOnCard(file.Path(), m_Prepared);
  return result;
}

namespace {
QMutex g_OnCardMutex;
}  // namespace

QHash<QString, KLX_XMLProcessState::CurrentModel>& KLX_XMLProcessState::OnCard() {
  static QHash<QString, CurrentModel> onCard;
  return onCard;
}

bool KLX_XMLProcessState::CurrentModel::SameAs(const CurrentModel& other) const {
  // Without a model its type and folder say nothing.
  return name == other.name && (name.isEmpty() || (type == other.type && folder == other.folder));
}

KLX_XMLProcessState::CurrentModel KLX_XMLProcessState::FacadeModel() const {
  CurrentModel model;
  if (!m_Db) return model;
  model.name = m_Db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(QString(), AtomicDirGet, false);
  model.type = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(0, AtomicDirGet, false);
  model.folder = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(QString(), AtomicDirGet, false);
  return model;
}

void KLX_XMLProcessState::NoteOnCard(const QString& path, const CurrentModel& model) {
  QMutexLocker lock(&g_OnCardMutex);
  OnCard().insert(path, model);
}

bool KLX_XMLProcessState::KLX_XMLProcessStateModelChanged(const QString& path) const {
  CurrentModel onCard;
  {
    QMutexLocker lock(&g_OnCardMutex);
    onCard = OnCard().value(path);
  }
  return !FacadeModel().SameAs(onCard);
}

bool KLX_XMLProcessState::ModelLoaded() const {
  return m_Db->KLX_DataBaseManagerGetSetModelLoadState(0, AtomicDirGet) == KLX_VornTask::KLX_MODELLLOAD_STATUS_READY;
}

void KLX_XMLProcessState::WriteState(KLX_XMLTextWriter& writer) {
  writer.StartDeviceFile(QLatin1String("vornstate"));
  writer.StartElement(QLatin1String("VORNSTATE"));

  m_Prepared = FacadeModel();
  writer.TextElement(QLatin1String("Modelname"), m_Prepared.name);
  writer.TextElement(QLatin1String("ModelTyp"), m_Prepared.type);
  if (!m_Prepared.folder.isEmpty()) writer.TextElement(QLatin1String("ModelFolder"), m_Prepared.folder);
  const bool storedInTC = m_Db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(false, AtomicDirGet, false);
  writer.TextElement(QLatin1String("ModelStoredInTC"), storedInTC ? 1 : 0);

  // The error log records which model state this file belongs to. While a
  // model loads (or none is loaded) the stores hold no model's state: a
  // checksum of them would name a model that never was. Asked again after
  // the sum: a load begun meanwhile has started clearing them.
  if (ModelLoaded()) {
    const unsigned crc = m_Db->KLX_DataBaseManagerCalculateModelCRC(true);
    if (ModelLoaded())
      KLXErrorHandler.RegisterError(kHintCRC, QStringLiteral("Model CRC in Runtime DB after last saving: 0x") +
                                                  QStringLiteral("%1").arg(crc, 8, 16, QChar('0')).toUpper());
  }

  writer.TextElement(QLatin1String("VersionMajor"),
                     m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(0, AtomicDirGet));
  writer.TextElement(QLatin1String("VersionMinor"),
                     m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(0, AtomicDirGet));
  const int updateFlag = m_Db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet);
  writer.TextElement(QLatin1String("UpdateFlag"), updateFlag);
  // The program a pending update is for: a start of another one drops it.
  const QString pendingFor = m_Db->KLX_DataBaseManagerUpdate_SetGetPendingFor(QString(), AtomicDirGet);
  if (updateFlag == 1 && !pendingFor.isEmpty()) writer.TextElement(QLatin1String("UpdateFor"), pendingFor);

  auto firmwareFile = [this](const QString& device) {
    if (m_Db->KLX_DataBaseManagerUpdateGetSetDeviceFilenameFlag(device, AtomicDirGet))
      return m_Db->KLX_DataBaseManagerUpdateSetGetDeviceFilename(QString(), device, AtomicDirGet);
    return m_Db->KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(QString(), device, AtomicDirGet);
  };
  writer.TextElement(QLatin1String("StickFwApp"), firmwareFile(StickControllerName()));
  writer.TextElement(QLatin1String("TCFwApp"), firmwareFile(kTC));

  const QString updateDate = m_Db->KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(QString(), AtomicDirGet);
  if (!updateDate.isEmpty()) writer.TextElement(QLatin1String("UpdateDate"), updateDate);
  writer.TextElement(QLatin1String("CurrentDate"), QDateTime::currentDateTime().toString(Qt::TextDate));
}

namespace {
// The update state of the file, handed to the facade once the file is read.
struct UpdateState {
  int updateFlag = 0;
  QString pendingFor;
  QString tcFile;
  QString stickFile;
  QString updateDate;
};

void ReadModelName(KLX_DataBaseManager* db, const QString& text) {
  // An empty name is the state without a current model. A name is also the
  // model file's name: it must not reach out of its folder.
  if (text.isEmpty()) return;
  if (text.toUtf8().size() <= kMaxModelNameBytes && KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(text))
    db->KLX_DataBaseManagerVornPropertiesGetSet_ModelName(text, AtomicDirSet, false);
  else
    KLXErrorHandler.RegisterError(kErrModelName, QStringLiteral("Model name error"));
}

void ReadModelFolder(KLX_DataBaseManager* db, const QString& text) {
  // Only a folder below the model area; otherwise the model's type folder
  // is taken.
  if (text.isEmpty() || !KLX_FileNameHandler().KLX_FileNameHandlerCheckModelFolder(0, text).isEmpty())
    db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelFolder(text, AtomicDirSet, false);
  else
    KLXErrorHandler.RegisterError(kErrModelFolder, QStringLiteral("Model folder error"));
}

// An element of "VORNSTATE" whose text is a number of 0..255: kept by
// `set`, else reported.
void ReadUint8Element(const QString& text, unsigned code, const char* error, const std::function<void(int)>& set) {
  int value = 0;
  if (ToUint8(text, &value))
    set(value);
  else
    KLXErrorHandler.RegisterError(code, QString::fromLatin1(error));
}

// One element of "VORNSTATE"; false for an element the file does not know.
bool ReadStateElement(KLX_DataBaseManager* db, QXmlStreamReader* reader, const QStringRef& name,
                      UpdateState* update) {
  if (name == QLatin1String("Modelname")) {
    ReadModelName(db, reader->readElementText());
  } else if (name == QLatin1String("ModelTyp")) {
    bool ok = false;
    const int v = reader->readElementText().toInt(&ok, 10);
    if (ok && KLX_XMLModelBase::KLX_XMLModelBaseCheckUint8(v))
      db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelTyp(v, AtomicDirSet, false);
    else
      KLXErrorHandler.RegisterError(kErrModelTyp, QStringLiteral("modeltyp error"));
  } else if (name == QLatin1String("ModelFolder")) {
    ReadModelFolder(db, reader->readElementText());
  } else if (name == QLatin1String("ModelStoredInTC")) {
    ReadUint8Element(reader->readElementText(), kErrStoredInTC, "model stored in TC flag bad value", [db](int v) {
      db->KLX_DataBaseManagerGetSetVornPropertiesGetSet_ModelSavedinTC(!IsFenk() && v != 0, AtomicDirSet, false);
    });
  } else if (name == QLatin1String("VersionMajor")) {
    ReadUint8Element(reader->readElementText(), kErrVersion, "update version major error",
                     [db](int v) { db->KLX_DataBaseManagerUpdate_SetGetVersion_Major_Installed(v, AtomicDirSet); });
  } else if (name == QLatin1String("VersionMinor")) {
    ReadUint8Element(reader->readElementText(), kErrVersion, "update version minor error",
                     [db](int v) { db->KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Installed(v, AtomicDirSet); });
  } else if (name == QLatin1String("UpdateFlag")) {
    ReadUint8Element(reader->readElementText(), kErrUpdateFlag, "update flag error",
                     [update](int v) { update->updateFlag = v; });
  } else if (name == QLatin1String("UpdateFor")) {
    update->pendingFor = KLX_XMLProcessState::KLX_XMLProcessStateVersionText(reader->readElementText());
    if (update->pendingFor.isEmpty()) KLXErrorHandler.RegisterError(kErrVersion, QStringLiteral("update for version error"));
  } else if (name == QLatin1String("TCFwApp")) {
    update->tcFile = reader->readElementText();
  } else if (name == QLatin1String("StickFwApp")) {
    update->stickFile = reader->readElementText();
  } else if (name == QLatin1String("UpdateDate")) {
    update->updateDate = reader->readElementText();
  } else if (name == QLatin1String("CurrentDate")) {
    // Written for the reader of the file, not read back.
    reader->skipCurrentElement();
  } else {
    return false;
  }
  return true;
}

void ApplyUpdateState(KLX_DataBaseManager* db, const UpdateState& update) {
  db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(update.updateFlag, AtomicDirSet, false);
  db->KLX_DataBaseManagerUpdate_SetGetPendingFor(update.pendingFor, AtomicDirSet);
  const QString stick = StickControllerName();
  db->KLX_DataBaseManagerUpdate_Set_Device_Name(stick);
  db->KLX_DataBaseManagerUpdate_Set_Device_Name(kTC);
  db->KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(update.tcFile, kTC, AtomicDirSet);
  db->KLX_DataBaseManagerUpdate_InstalledSetGetDeviceFilename(update.stickFile, stick, AtomicDirSet);
  db->KLX_DataBaseManagerUpdate_InstalledSetGetUpdateDate(update.updateDate, AtomicDirSet);
}
}  // namespace

int KLX_XMLProcessState::KLX_XMLProcessStateReadProcessFile(const QString& path) {
  QFile file(path);
  if (!m_Db || !file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    KLXErrorHandler.RegisterError(kErrOpenRead, QStringLiteral("xml file could not be open for reading"));
    return KLX_Error;
  }
  m_Db->KLX_DataBaseManagerVornPropertiesClearAll();

  // The file the handler creates empty at the first start holds no state
  // yet: no current model.
  if (file.size() == 0) {
    NoteOnCard(path, CurrentModel());
    return KLX_Ok;
  }
  QXmlStreamReader reader(&file);
  if (!reader.readNextStartElement() || reader.name() != QLatin1String("vornstate") ||
      reader.attributes().value(QLatin1String("version")) != QLatin1String("1.0")) {
    KLXErrorHandler.RegisterError(kErrRoot, QStringLiteral("skip unknown element in Vornstate.xml"));
    file.close();
    return KLX_Error;
  }

  UpdateState update;
  while (reader.readNextStartElement()) {
    if (reader.name() != QLatin1String("VORNSTATE")) {
      KLXErrorHandler.RegisterError(kSkipped, QStringLiteral("skip unknown element in Vornstate.xml"));
      reader.skipCurrentElement();
      continue;
    }
    while (reader.readNextStartElement()) {
      if (ReadStateElement(m_Db, &reader, reader.name(), &update)) continue;
      KLXErrorHandler.RegisterError(kSkipped, QStringLiteral("skip unknown element in Vornstate.xml"));
      reader.skipCurrentElement();
    }
  }
  ApplyUpdateState(m_Db, update);
  file.close();
  NoteOnCard(path, FacadeModel());
  return KLX_Ok;
}

QString KLX_XMLProcessState::KLX_XMLProcessStateVersionText(const QString& text) {
  const QStringList parts = text.split(QLatin1Char('.'));
  int major = 0;
  int minor = 0;
  if (parts.size() != 2 || !ToUint8(parts.at(0), &major) || !ToUint8(parts.at(1), &minor)) return QString();
  return QStringLiteral("%1.%2").arg(major).arg(minor);
}

bool KLX_XMLProcessState::KLX_XMLProcessStateDropForeignMark(KLX_DataBaseManager* db, int ownMajor, int ownMinor) {
  if (!db || db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirGet) != 1) return false;
  // A mark that names no version was written by a program before marks
  // named one: it counts for this program, as it always did.
  const QString pendingFor = db->KLX_DataBaseManagerUpdate_SetGetPendingFor(QString(), AtomicDirGet);
  const QString own = QStringLiteral("%1.%2").arg(ownMajor).arg(ownMinor);
  if (pendingFor.isEmpty() || pendingFor == own) return false;
  // The install was cut before its program took the old one's place: this
  // is the old program, and the update's firmware is not for it.
  KLXErrorHandler.RegisterError(kMarkDropped, QStringLiteral("pending update for ") + pendingFor +
                                                  QStringLiteral(" dropped: this program is ") + own);
  db->KLX_DataBaseManagerUpdate_SetGetVersion_UpdateFlag(0, AtomicDirSet, true);
  db->KLX_DataBaseManagerUpdate_SetGetPendingFor(QString(), AtomicDirSet);
  return true;
}
