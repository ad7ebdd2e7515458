#pragma once
// The process-wide error handler: every failure and noteworthy event of the
// program is registered here with its 32-bit code.
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>

class KLX_ErrorHandler : public QObject {
  Q_OBJECT

 public:
  explicit KLX_ErrorHandler(QObject* parent = nullptr);
  ~KLX_ErrorHandler() override;

  // Callable from any thread; the text may be empty.
  void RegisterError(unsigned code, QString text);

  Q_INVOKABLE QString KLX_ErrorHandlerGetErrorText() const;
  QString KLX_ErrorClassAsString() const;
  unsigned KLX_ErrorClassAsUI() const;
  unsigned KLX_ErrorHandlerGetError() const;

  int KLX_ErrorHandler_Initialize();
  int KLX_ErrorHandler_Stop(bool normal);
  bool KLX_ErrorHandlerIsStarted() const;

  // Tests watch every registration (valid or not) through this hook.
  using Observer = std::function<void(unsigned code, const QString& text)>;
  void KLX_ErrorHandlerSetObserver(Observer observer);

  static bool IsValidCode(unsigned code);

 signals:
  void klxError();

 private:
  mutable QMutex m_Mutex;
  QString m_ErrorText;
  QString m_ClassWord;
  unsigned m_ClassValue = 0;
  unsigned m_LastCode = 0;
  bool m_Started = false;
  Observer m_Observer;
};

extern KLX_ErrorHandler KLXErrorHandler;
