#include "frame/klx_languagehandler.h"

#include "frame/klx_errorhandler.h"

KLX_LanguageHandler KLXlanguageHandler;

int KLX_LanguageHandler::KLX_LanguageHandlerInitialize(QGuiTouchHandlerApplication* app) {
  if (!app) {
    KLXErrorHandler.RegisterError(67073, "KLX_LanguageHandlerInitialize gone wrong");
    return -70000;
  }
  m_App = app;
  return 1;
}

int KLX_LanguageHandler::KLX_LanguageHandlerStop() {
  m_App = nullptr;
  return 1;
}

int KLX_LanguageHandler::KLX_LanguageHandlerSelectLanguage(QString code) {
  m_Selected = code;
  emit KLX_LanguageHandlerLanguageChanged();
  return 1;
}
