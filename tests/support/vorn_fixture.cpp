#include "vorn_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/socket.h>
#include <unistd.h>

#include "frame/klx_board.h"
#include "frame/klx_languagehandler.h"
#include "model/engine/kl_engine.h"
#include "platform/klx_storage.h"
#include "sim/csimmodel.h"
#include "tasks/klx_unitkinds.h"

VornFixture::VornFixture(CSimBoard::Variant variant, qint64 cardBytes) : board(root.Path(), variant) {
  SetUp(variant, cardBytes);
}

VornFixture::VornFixture(CSimBoard::Variant variant, const KLX_AudioDevices& audio)
    : board(root.Path(), variant), db(audio) {
  SetUp(variant, kCardBytes);
}

void VornFixture::SetUp(CSimBoard::Variant variant, qint64 cardBytes) {
  board.Prepare(cardBytes);
  kl_engine_reset_state();
  kl_engine_init_parameters(variant == CSimBoard::Fenk ? KL_BOARD_FENK : KL_BOARD_VORN);
  Board::Free();
  Board::Init(variant == CSimBoard::Fenk ? E_BoardFenk : variant == CSimBoard::Vorn ? E_BoardVorn : E_BoardUndefined);
}

VornFixture::~VornFixture() {
  if (m_Controllers) m_Controllers->Detach();
  if (m_OnBus) {
    // The GUI command thread asks the engine, the engine the link.
    gui.KLX_GuiCommandHandlerStop();
    vorn.KLX_VornHandlerStop();
    protocol.KLX_ProtocolClose();
  }
  if (peer >= 0) ::close(peer);
  db.KLX_DataBaseManagerStop();
  db.KLX_DataBaseManagerFree();
  Board::Free();
  kl_engine_reset_state();
}

int VornFixture::Up() {
  protocol.KLX_ProtocolInitializeWithoutBus();
  return db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime);
}

bool VornFixture::UpOnBus(Peer other) {
  int fds[2];
  if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds) != 0) return false;
  peer = fds[1];
  m_OnBus = true;
  if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return false;
  if (taskClock) {
    vorn.KLX_VornHandlerSetClock(taskClock);
    gui.KLX_GuiCommandHandlerSetClock(taskClock);
  }
  if (vorn.KLX_VornHandlerInitialize(&db, &protocol, &gui, &runtime) != KLX_Ok) return false;
  if (guiUp && gui.KLX_GuiCommandHandlerInitialize(&db, &vorn) != KLX_Ok) return false;
  protocol.KLX_ProtocolSetClock(linkOnClock ? clock : linkClock);
  if (protocol.KLX_ProtocolInitializeOnSocket(&db, &vorn, fds[0]) != KLX_Ok) return false;
  protocol.KLX_ProtocolStartProcessing();
  if (other == RawPeer) return true;
  const int end = peer;
  peer = -1;
  return Controllers().Attach(end);
}

CSimControllers& VornFixture::Controllers() {
  if (!m_Controllers) {
    m_Controllers.reset(new CSimControllers(root.Path()));
    m_Controllers->SetClock(&clock);
  }
  return *m_Controllers;
}

QList<KLX_Message> VornFixture::Sent() {
  QList<KLX_Message> out;
  KLX_Message m;
  while (protocol.KLX_ProtocolTakeMessage(&m)) out.append(m);
  return out;
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& data) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

bool SetCardFree(const QString& root, qint64 bytes) {
  if (!WriteFile(root + "/run/sdcard-size", QByteArray::number(1LL << 30))) return false;
  const KLX_Platform::VolumeInfo card = KLX_Platform::Volume(root + "/Vorn");
  return card.valid &&
         WriteFile(root + "/run/sdcard-size", QByteArray::number(card.bytesTotal - card.bytesAvailable + bytes));
}

QByteArray Le16s(std::initializer_list<int> values) {
  QByteArray out;
  for (int v : values) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
  }
  return out;
}

QByteArray ProgramRecord(KLX_DataBaseManager& db, int kind, int index) {
  unsigned char image[1000];
  int n = 0;
  if (kind == CSimModel::FmAssign)
    n = db.KLX_DataBaseManagerFlightmodeAssignCopyUnit(image);
  else if (kind == CSimModel::Trim)
    n = db.KLX_DataBaseManagerTrimCopyUnit(index, image);
  else
    n = KLX_UnitKinds::CopyUnit(&db, kind, index, image);
  return n > 3 ? QByteArray(reinterpret_cast<const char*>(image) + 1, n - 3) : QByteArray();
}
