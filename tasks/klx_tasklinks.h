#pragma once
// The parts of the program a task talks to between its initialisation and
// its clean-up (the message layer is kept by the task's own transmitter base).
#include "frame/klx_errorhandler.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_VornHandler;
class KLX_RuntimeDatabaseManager;

struct KLX_TaskLinks {
  KLX_DataBaseManager* db = nullptr;
  KLX_VornHandler* handler = nullptr;
  KLX_RuntimeDatabaseManager* runtime = nullptr;

  // Keeps the links when none of the four is null; otherwise reports `code`
  // with `text` and keeps nothing.
  bool Take(KLX_DataBaseManager* d, KLX_Protocol* protocol, KLX_VornHandler* h, KLX_RuntimeDatabaseManager* r,
            unsigned code, const char* text) {
    if (!d || !protocol || !h || !r) {
      KLXErrorHandler.RegisterError(code, QString::fromLatin1(text));
      return false;
    }
    db = d;
    handler = h;
    runtime = r;
    return true;
  }
  void Forget() { *this = KLX_TaskLinks(); }
};
