#pragma once
// Loads the translation of the chosen language (published as "Language") and
// keeps the main window for screenshots.
#include <QObject>
#include <QString>

class QGuiTouchHandlerApplication;
class QQuickWindow;

class KLX_LanguageHandler : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString emptyString READ KLX_LanguageHandlerGetEmptyString NOTIFY KLX_LanguageHandlerLanguageChanged)
 public:
  explicit KLX_LanguageHandler(QObject* parent = nullptr) : QObject(parent) {}
  int KLX_LanguageHandlerInitialize(QGuiTouchHandlerApplication* app);
  int KLX_LanguageHandlerStop();
  // Installs the translation of the language code. Least form: the code is
  // kept and the texts are told to re-evaluate; the translators come with
  // the language screens.
  int KLX_LanguageHandlerSelectLanguage(QString code);
  QString KLX_LanguageHandlerSelectedLanguage() const { return m_Selected; }
  void KLX_LanguageHandlerSetQuickWindow(QQuickWindow* window) { m_Window = window; }
  QQuickWindow* KLX_LanguageHandlerQuickWindow() const { return m_Window; }
  QString KLX_LanguageHandlerGetEmptyString() const { return QString(); }
  // Screenshots, least form: none is taken, none is saved (an empty path).
  bool KLX_LanguageHandlerGetScreenShot() { return false; }
  QString KLX_LanguageHandlerSaveScreenShot(QString path) const { return QString(); }
 signals:
  void KLX_LanguageHandlerLanguageChanged();
 private:
  QGuiTouchHandlerApplication* m_App = nullptr;
  QQuickWindow* m_Window = nullptr;
  QString m_Selected;
};

extern KLX_LanguageHandler KLXlanguageHandler;
