#include "frame/klx_gpiohandler.h"
#include "frame/klx_debuglog.h"

#include "frame/klx_databasevalues.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"

#include <QDebug>

#include <cstring>

namespace {
constexpr unsigned kCannotOpen = 0x11901;
constexpr unsigned kCannotWrite = 0x11902;
constexpr unsigned kNoDir = 0x11903;
constexpr unsigned kNoSetvbuf = 0x11904;

// Writes one text to a sysfs file; false when it cannot be opened (or written).
enum class WriteResult { Ok, OpenFailed, WriteFailed };
WriteResult WriteText(const char* path, const char* text) {
  FILE* f = std::fopen(path, "w");
  if (!f) return WriteResult::OpenFailed;
  const bool written = std::fputs(text, f) >= 0;
  const bool closed = std::fclose(f) == 0;
  return (written && closed) ? WriteResult::Ok : WriteResult::WriteFailed;
}
}  // namespace

KLX_GPIOHandler::KLX_GPIOHandler(QObject* parent) : QObject(parent) {}

KLX_GPIOHandler::~KLX_GPIOHandler() { KLX_GPIOHandlerClose(); }

int KLX_GPIOHandler::Fail(unsigned code, const char* text) {
  KLXErrorHandler.RegisterError(code, QString::fromLatin1(text));
  return KLX_Error;
}

int KLX_GPIOHandler::KLX_GPIOHandlerOpen(int gpio, int direction, int initialValue) {
  if (m_ValueFile || m_Dir || m_DirectionValue != DirectionNotOpened) {
    // Already opened: the first opening stays in place.
    m_Opened = true;
    KLX_GPIOHandlerSetOutput(initialValue);
    return KLX_Error;
  }
  m_Gpio = gpio;
  m_DirectionValue = direction;
  if (direction == DirectionOut) {
    std::strcpy(m_Direction, "out");
    std::strcpy(m_Mode, "w");
  } else {
    std::strcpy(m_Direction, "in");
    std::strcpy(m_Mode, "r");
  }

  const QByteArray base = KLX_FileNameHandler().KLX_FileNameHandlerGetGPIOPath().toLocal8Bit();
  std::snprintf(m_DirPath, sizeof(m_DirPath), "%s/gpio%d", base.constData(), gpio);
  m_Dir = opendir(m_DirPath);
  if (!m_Dir) {
    char exportPath[4096];
    std::snprintf(exportPath, sizeof(exportPath), "%s/export", base.constData());
    char number[16];
    std::snprintf(number, sizeof(number), "%u", static_cast<unsigned>(gpio));
    switch (WriteText(exportPath, number)) {
      case WriteResult::OpenFailed:
        return Fail(kCannotOpen, "could not open file: /sys/class/gpio/export");
      case WriteResult::WriteFailed:
        return Fail(kCannotWrite, "could not write or close file: /sys/class/gpio/export");
      case WriteResult::Ok:
        break;
    }
    m_Dir = opendir(m_DirPath);
    if (!m_Dir) return Fail(kNoDir, "could not open dir");
  }

  qstrncpy(m_FilePath, (QByteArray(m_DirPath) + "/direction").constData(), sizeof(m_FilePath));
  switch (WriteText(m_FilePath, m_Direction)) {
    case WriteResult::OpenFailed:
      return Fail(kCannotOpen, "could not open file");
    case WriteResult::WriteFailed:
      return Fail(kCannotWrite, "could not write or close file");
    case WriteResult::Ok:
      break;
  }

  qstrncpy(m_FilePath, (QByteArray(m_DirPath) + "/value").constData(), sizeof(m_FilePath));
  m_ValueFile = std::fopen(m_FilePath, m_Mode);
  if (!m_ValueFile) return Fail(kCannotOpen, "could not open file");
  if (std::setvbuf(m_ValueFile, nullptr, _IONBF, 0) != 0) return Fail(kNoSetvbuf, "could not setvbuf file");

  qCDebug(lcVornDebug, "  ->   GPIO files generated and opened succesfully");
  m_Opened = true;
  KLX_GPIOHandlerSetOutput(initialValue);
  return KLX_Ok;
}

int KLX_GPIOHandler::KLX_GPIOHandlerGetInput() const {
  if (!m_Opened || m_DirectionValue != DirectionIn || !m_ValueFile) return kUnreadable;
  if (std::fseek(m_ValueFile, 0, SEEK_SET) != 0) return kUnreadable;
  int level = kUnreadable;
  // An empty or unreadable value counts as "cannot be read".
  if (std::fscanf(m_ValueFile, "%d", &level) != 1) return kUnreadable;
  return level;
}

int KLX_GPIOHandler::KLX_GPIOHandlerSetOutput(int value) {
  if (m_Opened && m_DirectionValue == DirectionOut && m_ValueFile) {
    std::strcpy(m_Output, value ? "1" : "0");
    std::rewind(m_ValueFile);
    std::fputs(m_Output, m_ValueFile);
    std::fflush(m_ValueFile);
  }
  return KLX_Ok;
}

int KLX_GPIOHandler::KLX_GPIOHandlerClose() {
  if (m_ValueFile) {
    std::fclose(m_ValueFile);
    m_ValueFile = nullptr;
  }
  if (m_Dir) {
    closedir(m_Dir);
    m_Dir = nullptr;
  }
  return KLX_Ok;
}
