#pragma once
// Loads and installs the translation of the chosen language (published as
// "Language") and tells QML to re-evaluate its texts; keeps the main window
// and grabs and saves screenshots of it.
//
// QML appends `Language.emptyString` to every translated text: the property
// is always empty, and its change signal fires after each language change,
// so every such binding is evaluated again in the new language.
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>

class QGuiTouchHandlerApplication;
class QQuickWindow;
class QTranslator;

class KLX_LanguageHandler : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString emptyString READ KLX_LanguageHandlerGetEmptyString NOTIFY KLX_LanguageHandlerLanguageChanged)
 public:
  static constexpr int kEntries = 15;
  static const QString m_scrnshotpath;

  explicit KLX_LanguageHandler(QObject* parent = nullptr);
  ~KLX_LanguageHandler() override;

  int KLX_LanguageHandlerInitialize(QGuiTouchHandlerApplication* app);
  int KLX_LanguageHandlerStop();
  // Installs the translation of the language code; an unknown code changes
  // nothing.
  int KLX_LanguageHandlerSelectLanguage(QString code);
  // The code of the installed translation; empty when none is.
  QString KLX_LanguageHandlerSelectedLanguage() const { return m_Selected; }
  bool KLX_LanguageHandlerSetQuickWindow(QQuickWindow* window);
  QQuickWindow* KLX_LanguageHandlerQuickWindow() const;
  QString KLX_LanguageHandlerGetEmptyString() const { return QString(); }

  bool KLX_LanguageHandlerGetScreenShot();
  // Saves the last grabbed picture as a JPG named by the time in `path`
  // ("/Vorn/Screenshots" when empty). Returns the file's path, or an empty
  // text when it could not be saved.
  QString KLX_LanguageHandlerSaveScreenShot(QString path) const;
  QString KLX_LanguageHandlerSaveScreenShotAt(QString path, const QDateTime& now) const;

 signals:
  void KLX_LanguageHandlerLanguageChanged();

 private:
  void FillTable();
  void KLX_LanguageHandlerClearAll();

  QGuiTouchHandlerApplication* m_App = nullptr;
  QString m_Codes[kEntries];
  QString m_Names[kEntries];
  QTranslator* m_Translators[kEntries] = {};
  QTranslator* m_Installed = nullptr;
  QString m_Selected;
  QImage m_LastScreenShot;
  // Cleared when the window goes.
  QPointer<QQuickWindow> m_Window;
};

extern KLX_LanguageHandler KLXlanguageHandler;
