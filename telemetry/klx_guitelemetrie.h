#pragma once
// The telemetry display pages, least form: created, initialised and cleared
// by the database facade; which pages are in use is kept, the widgets come
// with the telemetry.
#include "frame/klx_basedatabase.h"
#include "frame/klx_databasevalues.h"

#include <atomic>

class KLX_GUITelemetrie : public KLX_DataBaseTransmitter {
 public:
  static constexpr int kPages = 10;

  int KLX_GUITelemetrieInitialize(KLX_Protocol* protocol) { return KLX_DataBaseTransmitterInitialize(protocol); }
  void KLX_GUITelemetrieClearAll() {
    ++m_Clears;
    for (auto& used : m_PageUsed) used = 0;
  }
  // How often the pages were cleared.
  int Clears() const { return m_Clears; }

  int KLX_GUITelemetrieGetNumberPagesInUse() const {
    int count = 0;
    for (const auto& used : m_PageUsed) count += used ? 1 : 0;
    return count;
  }
  // dir 0 writes (0 or 1), any other dir reads; the page's flag, or
  // KLX_Error for a page outside 0..9.
  int KLX_GUITelemetrieGetSet_PageIsUsed(int page, int value, int dir) {
    if (page < 0 || page >= kPages) return KLX_Error;
    if (dir == AtomicDirSet) m_PageUsed[page] = value ? 1 : 0;
    return m_PageUsed[page];
  }
  int KLX_GUITelemetrieDeletePage(int page) {
    if (page < 0 || page >= kPages) return KLX_Error;
    m_PageUsed[page] = 0;
    return KLX_Ok;
  }

 private:
  int m_Clears = 0;
  // Read by QML on the GUI thread, written there and by the model reset.
  std::atomic<int> m_PageUsed[kPages] = {};
};
