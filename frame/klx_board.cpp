#include "frame/klx_board.h"

#include "frame/klx_filenamehandler.h"

#include <QDebug>
#include <QFile>

Board* Board::m_Instance = nullptr;
E_BoardType Board::m_Board = E_BoardUndefined;
// The update server is a setting of the build; only the path is fixed.
QString Board::m_RemoteUpdatePath = QStringLiteral(VORN_UPDATE_SERVER);

Board::~Board() = default;
QString Board::Name() const { return QString(); }
QString Board::RemoteUpdatePathGet() const { return QString(); }
QString Board::RemoteSysUpdatePathGet() const { return QString(); }
QString Board::SysUpdatePathGet() const { return QString(); }
QString Board::SCName() const { return QString(); }
QString Board::SCDisplayName() const { return SCName(); }
QString Board::SysUpdateListNameGet() const { return QString(); }
QString Board::AppUpdateListNameGet() const { return QString(); }
QString Board::SDCardDevPathGet() const { return QString(); }
QByteArray Board::ReceiversFolderGet() const { return QByteArrayLiteral("/Vorn/web/receivers"); }
QByteArray Board::ReceiversListGet() const { return QByteArrayLiteral("list.txt"); }
int Board::VoiceAlarmsCountMax() const { return 0; }
int Board::TimerCountMax() const { return 0; }
int Board::SpecialSwitchCountMax() const { return 4; }
int Board::ReceiversCountMax() const { return 0; }
bool Board::IsVorn() const { return false; }
bool Board::IsFenk() const { return false; }

bool Board::IsInitialized() { return m_Instance != nullptr; }

bool Board::Init() {
  if (m_Instance) return true;
  E_BoardType type = E_BoardUndefined;
  QFile file(KLX_FileNameHandler().KLX_FileNameHandlerGetBoardNameFile());
  if (file.open(QIODevice::ReadOnly)) {
    QByteArray line = file.readLine();
    if (line.endsWith('\n')) line.chop(1);
    type = (line == "efusa9x") ? E_BoardVorn : E_BoardFenk;
  }
  return Init(type);
}

bool Board::Init(E_BoardType type) {
  if (m_Instance) return true;
  m_Board = type;
  if (type == E_BoardVorn) {
    m_Instance = new BoardVorn;
    qInfo("  ->   Found board: Vorn");
  } else if (type == E_BoardFenk) {
    m_Instance = new BoardFenk;
    qInfo("  ->   Found board: Fenk");
  } else {
    qInfo("  ->   Board not found!");
    m_Instance = new Board;
  }
  return IsInitialized();
}

void Board::Free() {
  delete m_Instance;
  m_Instance = nullptr;
  m_Board = E_BoardUndefined;
}

BoardVorn::BoardVorn()
    : m_RemoteUpdate(m_RemoteUpdatePath + "/KL_Vorn"),
      m_RemoteSysUpdate(m_RemoteUpdatePath + "/" + "KL_Vorn_System") {}
QString BoardVorn::Name() const { return QStringLiteral("Vorn"); }
QString BoardVorn::RemoteUpdatePathGet() const { return m_RemoteUpdate; }
QString BoardVorn::RemoteSysUpdatePathGet() const { return m_RemoteSysUpdate; }
QString BoardVorn::SysUpdatePathGet() const { return QStringLiteral("KL_Vorn_System"); }
QString BoardVorn::SCName() const { return QStringLiteral("SC"); }
QString BoardVorn::SysUpdateListNameGet() const { return QStringLiteral("vornsys"); }
QString BoardVorn::AppUpdateListNameGet() const { return QStringLiteral("KLX32MD5fold.txt"); }
QString BoardVorn::SDCardDevPathGet() const { return QStringLiteral("/dev/mmcblk1p1"); }
int BoardVorn::VoiceAlarmsCountMax() const { return 64; }
int BoardVorn::TimerCountMax() const { return 8; }
int BoardVorn::ReceiversCountMax() const { return 4; }
bool BoardVorn::IsVorn() const { return true; }

BoardFenk::BoardFenk()
    : m_RemoteUpdate(m_RemoteUpdatePath + "/KL_Fenk"),
      m_RemoteSysUpdate(m_RemoteUpdatePath + "/" + "KL_Fenk_System") {}
QString BoardFenk::Name() const { return QStringLiteral("Fenk"); }
QString BoardFenk::RemoteUpdatePathGet() const { return m_RemoteUpdate; }
QString BoardFenk::RemoteSysUpdatePathGet() const { return m_RemoteSysUpdate; }
QString BoardFenk::SysUpdatePathGet() const { return QStringLiteral("KL_Fenk_System"); }
QString BoardFenk::SCName() const { return QStringLiteral("SC-FK"); }
QString BoardFenk::SCDisplayName() const { return QStringLiteral("SC"); }
QString BoardFenk::SysUpdateListNameGet() const { return QStringLiteral("fenksys"); }
QString BoardFenk::AppUpdateListNameGet() const { return QStringLiteral("KLX32MD5fold.txt"); }
QString BoardFenk::SDCardDevPathGet() const { return QStringLiteral("/dev/mmcblk0p1"); }
int BoardFenk::VoiceAlarmsCountMax() const { return 32; }
int BoardFenk::TimerCountMax() const { return 4; }
int BoardFenk::ReceiversCountMax() const { return 2; }
bool BoardFenk::IsFenk() const { return true; }
