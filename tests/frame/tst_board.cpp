// The board is told from the board-name file; everything that differs
// between the two transmitters comes from its descriptor.
#include <QtTest>

#include "frame/klx_board.h"
#include "vorn_testroot.h"

class TestBoard : public QObject {
  Q_OBJECT

  void WriteBoardName(const QString& root, const QByteArray& content) {
    QDir().mkpath(root + "/sys/bdinfo");
    QFile f(root + "/sys/bdinfo/board_name");
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
  }

 private slots:
  void cleanup() { Board::Free(); }

  void boardFromNameFile_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("type");
    QTest::newRow("larger board") << QByteArray("efusa9x\n") << true << int(E_BoardVorn);
    QTest::newRow("no newline") << QByteArray("efusa9x") << true << int(E_BoardVorn);
    QTest::newRow("trailing blank is the smaller board") << QByteArray("efusa9x \n") << true << int(E_BoardFenk);
    QTest::newRow("case matters") << QByteArray("EFUSA9X\n") << true << int(E_BoardFenk);
    QTest::newRow("only the first line counts") << QByteArray("other\nefusa9x\n") << true << int(E_BoardFenk);
    QTest::newRow("missing file") << QByteArray() << false << int(E_BoardUndefined);
  }
  void boardFromNameFile() {
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    QFETCH(int, type);
    VornTestRoot root;
    if (present) WriteBoardName(root.Path(), content);
    QVERIFY(Board::Init());
    QCOMPARE(int(Board::m_Board), type);
    QVERIFY(Board::m_Instance);
    QCOMPARE(Board::m_Instance->IsVorn(), type == E_BoardVorn);
    QCOMPARE(Board::m_Instance->IsFenk(), type == E_BoardFenk);
  }

  void descriptorsDiffer() {
    struct Row {
      E_BoardType type;
      const char* name;
      const char* sc;
      const char* scDisplay;
      const char* sd;
      int voice, timers, special, receivers;
    };
    const Row rows[] = {
        {E_BoardVorn, "Vorn", "SC", "SC", "/dev/mmcblk1p1", 64, 8, 4, 4},
        {E_BoardFenk, "Fenk", "SC-FK", "SC", "/dev/mmcblk0p1", 32, 4, 4, 2},
        {E_BoardUndefined, "", "", "", "", 0, 0, 4, 0},
    };
    for (const Row& r : rows) {
      Board::Free();
      QVERIFY(Board::Init(r.type));
      const Board* b = Board::m_Instance;
      QCOMPARE(b->Name(), QString(r.name));
      QCOMPARE(b->SCName(), QString(r.sc));
      QCOMPARE(b->SCDisplayName(), QString(r.scDisplay));
      QCOMPARE(b->SDCardDevPathGet(), QString(r.sd));
      QCOMPARE(b->VoiceAlarmsCountMax(), r.voice);
      QCOMPARE(b->TimerCountMax(), r.timers);
      QCOMPARE(b->SpecialSwitchCountMax(), r.special);
      QCOMPARE(b->ReceiversCountMax(), r.receivers);
      QCOMPARE(b->ReceiversFolderGet(), QByteArray("/Vorn/web/receivers"));
      QCOMPARE(b->ReceiversListGet(), QByteArray("list.txt"));
    }
    Board::Free();
    Board::Init(E_BoardFenk);
    QVERIFY(Board::m_Instance->RemoteUpdatePathGet().endsWith("/software/KL_Fenk"));
    QVERIFY(Board::m_Instance->RemoteSysUpdatePathGet().endsWith("/software/KL_Fenk_System"));
  }

  void secondInitKeepsTheFirst() {
    VornTestRoot root;
    WriteBoardName(root.Path(), "efusa9x\n");
    QVERIFY(Board::Init(E_BoardFenk));
    const Board* first = Board::m_Instance;
    QVERIFY(Board::Init());
    QVERIFY(Board::Init(E_BoardVorn));
    QCOMPARE(Board::m_Instance, first);
    QVERIFY(Board::m_Instance->IsFenk());
  }
};

QTEST_APPLESS_MAIN(TestBoard)
#include "tst_board.moc"
