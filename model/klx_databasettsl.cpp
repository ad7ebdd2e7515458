// The facade's announcement-list accessors: file names from QML stay
// inside the lists folder, paths inside the board's root.
#include <QFile>

#include "frame/klx_filenamehandler.h"
#include "model/engine/kl_engine.h"
#include "model/klx_databasemanager.h"

namespace {
// A virtual switch's control id, or false.
bool VirtualSwitchControl(int ctrl) {
  return ctrl >= KLX_CONTROL_VS_FIRST && ctrl < KLX_CONTROL_VS_FIRST + kl_engine_cfg_count(EngineCfgVirtualSwitches);
}

QString CheckedPath(const QString& path) { return KLX_FileNameHandler::KLX_FileNameHandlerCheckedPath(path); }
}  // namespace

void KLX_DataBaseManager::KLX_SaveTTSList() { m_TTSList.ListToFile(false); }

bool KLX_DataBaseManager::KLX_ExportTTSList() {
  // A stick found but the file not written is no export.
  return m_TTSList.ExportPossible() && m_TTSList.ExportTTSList();
}

QString KLX_DataBaseManager::KLX_OpenTTSList(QString fullPathName) {
  const QString path = CheckedPath(fullPathName);
  return path.isEmpty() ? QStringLiteral("-1") : m_TTSList.OpenTTSList(path);
}

bool KLX_DataBaseManager::KLX_TTSListExists(QString fileName) {
  return KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(fileName) && QFile::exists(m_TTSList.Path() + fileName);
}

bool KLX_DataBaseManager::KLX_DataBaseManagerDeleteTTSList(QString filename) {
  return KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(filename) && QFile::remove(m_TTSList.Path() + filename);
}

bool KLX_DataBaseManager::KLX_DataBaseManagerCopyTTSList(QString fullPathName) {
  if (fullPathName.isEmpty()) return false;
  const QString path = CheckedPath(fullPathName);
  return !path.isEmpty() && m_TTSList.CopyTTSList(path);
}

int KLX_DataBaseManager::KLX_DataBaseManagerSetLastUsedTTSList(QString filename, bool updateXML, bool newList) {
  if ((filename.isEmpty() && !newList) || filename == QLatin1String("New list")) return 0;
  // The name becomes part of a path: it stays a name inside the folder.
  if (!filename.isEmpty() && !KLX_FileNameHandler::KLX_FileNameHandlerIsPlainName(filename)) return 0;
  m_TTSList.SetListName(filename);
  if (updateXML) KLX_DataBaseManagerSetModelModifyFlag(true);
  return 1;
}

#define KLX_TTSL_SUBSCRIBE(role)                                                               \
  int KLX_DataBaseManager::KLX_SubscribeTTSL##role##Control(int ctrl) {                        \
    if (!VirtualSwitchControl(ctrl)) return 0;                                                 \
    if (CControl* control = KLX_DataBaseManagerGetControlByID(static_cast<unsigned short>(ctrl))) \
      m_TTSList.Set##role##Control(static_cast<uint16_t>(ctrl), control);                      \
    return 0;                                                                                  \
  }
KLX_TTSL_SUBSCRIBE(Forward)
KLX_TTSL_SUBSCRIBE(Backward)
KLX_TTSL_SUBSCRIBE(Restart)
#undef KLX_TTSL_SUBSCRIBE
