#include "frame/klx_errorhandler.h"

#include <QDebug>

KLX_ErrorHandler KLXErrorHandler;

KLX_ErrorHandler::KLX_ErrorHandler(QObject* parent) : QObject(parent) {}
KLX_ErrorHandler::~KLX_ErrorHandler() = default;

bool KLX_ErrorHandler::IsValidCode(unsigned code) {
  const unsigned table = code >> 24;
  const unsigned module = (code >> 8) & 0xFF;
  const unsigned number = code & 0xFF;
  return table <= 2 && module != 255 && number != 255;
}

void KLX_ErrorHandler::RegisterError(unsigned code, QString text) {
  Observer observer;
  bool signal = false;
  {
    QMutexLocker lock(&m_Mutex);
    m_LastCode = code;
    observer = m_Observer;
    if (IsValidCode(code)) {
      const unsigned cls = (code >> 16) & 0xFF;
      if (cls < 5) {
        static const char* const words[] = {"---", "Fatal", "Error", "Warning", "Hint"};
        m_ClassWord = QString::fromLatin1(words[cls]);
        m_ClassValue = code & 0x00FF0000u;
        signal = true;
      }
    }
  }
  if (observer) observer(code, text);
  if (!IsValidCode(code)) return;
  qInfo().noquote() << QStringLiteral("\tErr: 0x%1 - %2").arg(code, 0, 16).arg(text);
  if (signal) emit klxError();
}

QString KLX_ErrorHandler::KLX_ErrorHandlerGetErrorText() const {
  QMutexLocker lock(&m_Mutex);
  return m_ErrorText;
}

QString KLX_ErrorHandler::KLX_ErrorClassAsString() const {
  QMutexLocker lock(&m_Mutex);
  return m_ClassWord;
}

unsigned KLX_ErrorHandler::KLX_ErrorClassAsUI() const {
  QMutexLocker lock(&m_Mutex);
  return m_ClassValue;
}

unsigned KLX_ErrorHandler::KLX_ErrorHandlerGetError() const {
  QMutexLocker lock(&m_Mutex);
  return m_LastCode;
}

int KLX_ErrorHandler::KLX_ErrorHandler_Initialize() {
  QMutexLocker lock(&m_Mutex);
  m_Started = true;
  return 1;
}

int KLX_ErrorHandler::KLX_ErrorHandler_Stop(bool) {
  QMutexLocker lock(&m_Mutex);
  m_Started = false;
  return 1;
}

bool KLX_ErrorHandler::KLX_ErrorHandlerIsStarted() const {
  QMutexLocker lock(&m_Mutex);
  return m_Started;
}

void KLX_ErrorHandler::KLX_ErrorHandlerSetObserver(Observer observer) {
  QMutexLocker lock(&m_Mutex);
  m_Observer = std::move(observer);
}
