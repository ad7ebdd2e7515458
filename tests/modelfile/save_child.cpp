// Saves the full model of seed 1 to one model file again and again, its
// info text alternating between a short and a long one, until it is killed.
// Arguments: the desktop root, the model name. Prints "save" before and
// "saved" after each save.
#include <QCoreApplication>
#include <QTextStream>

#include "frame/klx_board.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "full_model.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "platform/klx_platform.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) return 2;
  KLX_Platform::SetRoot(QString::fromLocal8Bit(argv[1]));
  const QString name = QString::fromLocal8Bit(argv[2]);
  kl_engine_init_parameters(KL_BOARD_VORN);
  Board::Init(E_BoardVorn);
  KLX_Protocol protocol;
  protocol.KLX_ProtocolInitializeWithoutBus();
  KLX_VornHandler vorn;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return 3;
  KLX_TestBuildFullModel(&db, 1);
  const QString path = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false) + name + ".xml";
  QTextStream out(stdout);
  for (int turn = 0;; ++turn) {
    db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(KLX_TestInfo(turn), AtomicDirSet, false);
    out << "save\n";
    out.flush();
    if (db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model().KLX_XMLModelWriteModelFile(path, name) != KLX_Ok) return 4;
    out << "saved\n";
    out.flush();
  }
}
