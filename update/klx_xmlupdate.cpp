#include "update/klx_xmlupdate.h"

#include <QFile>
#include <QXmlStreamReader>

#include <functional>
#include <vector>

#include "frame/klx_board.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "model/klx_databasemanager.h"

namespace {
constexpr unsigned kErrInitialize = 0x12884;
constexpr unsigned kErrOpenRead = 0x2280A;
constexpr unsigned kErrUnknownElement = 0x22883;
// Values out of range and unknown children are logged only.
constexpr unsigned kSkipped = 0x52883;

const QString kSkipText = QStringLiteral("skip unknown element in Update.xml");

bool IsVorn() { return Board::IsInitialized() && Board::m_Instance->IsVorn(); }
QString BoardName() { return Board::IsInitialized() ? Board::m_Instance->Name() : QString(); }

bool Number(QXmlStreamReader& reader, bool (*check)(int), int* value) {
  bool ok = false;
  const uint v = reader.readElementText().trimmed().toUInt(&ok, 10);
  if (!ok || v > 0xFFFFu || !check(int(v))) return false;
  *value = int(v);
  return true;
}

// What one reading found. The bookkeeping is changed only at the end, and
// only by a file meant for this board: a package for the other board
// leaves it as it was.
struct Reading {
  KLX_DataBaseManager* db = nullptr;
  // Where a description is asked for: what the file says.
  KLX_UpdateDescription* description = nullptr;
  // Whether what goes wrong is reported to the error log.
  bool report = true;
  int result = KLX_Ok;
  bool targetSeen = false;
  bool targetMatches = false;
  QString device;  // the device named last
  std::vector<std::function<void()>> changes;

  void Stage(std::function<void()> change) { changes.push_back(std::move(change)); }
  // A bad value: logged, the result is -70000 and reading stops.
  bool Bad(const char* text) {
    if (report) KLXErrorHandler.RegisterError(kSkipped, QString::fromLatin1(text));
    result = KLX_Error;
    return false;
  }
  void SkipChild(QXmlStreamReader& reader) {
    if (report) KLXErrorHandler.RegisterError(kSkipped, kSkipText);
    reader.skipCurrentElement();
  }

  // False when reading stops.
  bool Version(QXmlStreamReader& reader, bool major) {
    int v = 0;
    if (!Number(reader, KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16, &v))
      return Bad(major ? "update version major error" : "update version minor error");
    if (description) (major ? description->major : description->minor) = v;
    KLX_DataBaseManager* d = db;
    if (major)
      Stage([d, v] { d->KLX_DataBaseManagerUpdate_SetGetVersion_Major_Updated(v, AtomicDirSet); });
    else
      Stage([d, v] { d->KLX_DataBaseManagerUpdate_SetGetVersion_Minor_Updated(v, AtomicDirSet); });
    return true;
  }

  bool Device(QXmlStreamReader& reader) {
    KLX_DataBaseManager* d = db;
    while (reader.readNextStartElement()) {
      const QString name = reader.name().toString();
      int v = 0;
      if (name == QLatin1String("Name")) {
        device = reader.readElementText();
        const QString n = device;
        Stage([d, n] { d->KLX_DataBaseManagerUpdate_Set_Device_Name(n); });
      } else if (name == QLatin1String("Major") || name == QLatin1String("Minor")) {
        const bool major = name == QLatin1String("Major");
        if (!Number(reader, KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16, &v))
          return Bad(major ? "update version major error" : "update version minor error");
        const QString n = device;
        if (major)
          Stage([d, n, v] { d->KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Major(v, n, AtomicDirSet); });
        else
          Stage([d, n, v] { d->KLX_DataBaseManagerUpdate_SetGetDeviceVersion_Minor(v, n, AtomicDirSet); });
      } else if (name == QLatin1String("Filename")) {
        const QString file = reader.readElementText();
        // Joined to the update folder: a name that could reach out of it
        // would have a controller written from a file no checksum list covers.
        if (!file.isEmpty() && !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(file)) return Bad("Filename error");
        const QString n = device;
        if (description) description->files[n] = file;
        Stage([d, n, file] { d->KLX_DataBaseManagerUpdateSetGetDeviceFilename(file, n, AtomicDirSet); });
      } else if (name == QLatin1String("Typ")) {
        if (!Number(reader, KLX_XMLModelBase::KLX_XMLModelBaseCheckUint16, &v)) return Bad("typ error");
        const QString n = device;
        Stage([d, n, v] { d->KLX_DataBaseManagerUpdateSetGetDeviceTyp(v, n, AtomicDirSet); });
      } else {
        SkipChild(reader);
      }
    }
    return true;
  }

  bool Update(QXmlStreamReader& reader) {
    KLX_DataBaseManager* d = db;
    while (reader.readNextStartElement()) {
      const QString name = reader.name().toString();
      if (name == QLatin1String("Target")) {
        targetSeen = true;
        if (reader.readElementText() != BoardName()) {
          result = KLX_Unsuitable;
          return false;
        }
        targetMatches = true;
      } else if (name == QLatin1String("VersionMajor") || name == QLatin1String("VersionMinor")) {
        if (!Version(reader, name == QLatin1String("VersionMajor"))) return false;
      } else if (name == QLatin1String("ForceUpdate")) {
        int v = 0;
        if (!Number(reader, KLX_XMLModelBase::KLX_XMLModelBaseCheckUint8, &v)) return Bad("ForceUpdate error");
        Stage([d, v] { d->KLX_DataBaseManagerUpdateSetGetForce(v, AtomicDirSet); });
      } else if (name == QLatin1String("DEVICE")) {
        if (!Device(reader)) return false;
      } else {
        SkipChild(reader);
      }
    }
    return true;
  }
};

// A file that cannot be read or is not an update description: nothing to
// install on the larger board (-70000; taken as "read" it let an update run
// on nothing), not meant for the smaller one.
int Unreadable() { return IsVorn() ? int(KLX_Error) : int(KLX_Unsuitable); }
}  // namespace

int KLX_XMLUpdate::KLX_XMLUpdateInitialize(KLX_DataBaseManager* db) {
  if (!db) {
    KLXErrorHandler.RegisterError(kErrInitialize, QStringLiteral("KLX_XMLUpdateInitialize() went wrong"));
    return KLX_Error;
  }
  m_Db = db;
  return KLX_Ok;
}

int KLX_XMLUpdate::KLX_XMLUpdateReadUpdateFile(const QString& path) {
  if (!m_Db) {
    KLXErrorHandler.RegisterError(kErrOpenRead, QStringLiteral("Update.xml file could not be read"));
    return Unreadable();
  }
  return Read(path, m_Db, nullptr, true);
}

int KLX_XMLUpdate::KLX_XMLUpdateDescribe(const QString& path, KLX_UpdateDescription* description, bool report) {
  *description = KLX_UpdateDescription();
  return Read(path, nullptr, description, report);
}

int KLX_XMLUpdate::Read(const QString& path, KLX_DataBaseManager* db, KLX_UpdateDescription* description,
                        bool report) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    if (report) KLXErrorHandler.RegisterError(kErrOpenRead, QStringLiteral("Update.xml file could not be read"));
    return Unreadable();
  }
  QXmlStreamReader reader(&file);
  if (!reader.readNextStartElement() || reader.name() != QLatin1String("vornupdate") ||
      reader.attributes().value(QLatin1String("version")) != QLatin1String("1.0"))
    return Unreadable();

  Reading reading;
  reading.db = db;
  reading.description = description;
  reading.report = report;
  bool reading_on = true;
  while (reading_on && reader.readNextStartElement()) {
    if (reader.name() == QLatin1String("UPDATE")) {
      reading_on = reading.Update(reader);
    } else {
      if (report) KLXErrorHandler.RegisterError(kErrUnknownElement, kSkipText);
      reader.skipCurrentElement();
      reading.result = KLX_Error;
    }
  }
  // A file broken off in the middle is not a description to install from.
  if (reading_on && reader.hasError()) {
    if (report) KLXErrorHandler.RegisterError(kErrOpenRead, QStringLiteral("Update.xml file could not be read"));
    return Unreadable();
  }
  file.close();
  if (reading.result == KLX_Unsuitable) return KLX_Unsuitable;
  // Older packages name no target; the larger board takes them.
  if (!reading.targetSeen && !IsVorn()) return reading.result == KLX_Ok ? int(KLX_Unsuitable) : reading.result;
  if (db)
    for (const auto& change : reading.changes) change();
  return reading.result;
}
