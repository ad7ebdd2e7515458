// A model file is replaced whole or not at all: a save killed at any moment
// leaves the old file or the new one, and at most its own temporary file,
// which the next save removes.
#include <QDeadlineTimer>
#include <QProcess>

#include <csignal>

#include "modelfile/modelfile_fixture.h"

namespace {
// The most a save child may take to start and save, to stop or to end: only
// a child that is stuck takes a minute.
constexpr int kChildMs = 60000;

// A child that saves the full model of seed 1 again and again, its info
// text alternating between a short and a long one, saying "save" before and
// "saved" after each save.
class SaveChild {
 public:
  bool Start(const QString& root) {
    m_Process.start(QCoreApplication::applicationDirPath() + "/modelfile_save_child", {root, "Glider"});
    return m_Process.waitForStarted(kChildMs);
  }
  // Once one more save than so far has ended.
  bool Saved() {
    const int saved = m_Output.count("saved");
    QDeadlineTimer deadline(kChildMs);
    while (m_Output.count("saved") <= saved) {
      if (!m_Process.waitForReadyRead(int(deadline.remainingTime()))) return false;
      m_Output += m_Process.readAll();
    }
    return true;
  }
  // Stopped where it stands (as a kill there would find the card), or
  // killed; whether it was saving then.
  bool Stop(bool kill, bool* saving) {
    const qint64 pid = m_Process.processId();
    ::kill(static_cast<pid_t>(pid), kill ? SIGKILL : SIGSTOP);
    if (kill) {
      if (!m_Process.waitForFinished(kChildMs)) return false;
    } else if (!QTest::qWaitFor([pid] { return State(pid) == 'T'; }, kChildMs)) {
      return false;
    }
    // What it said before it stopped.
    while (m_Process.waitForReadyRead(0)) m_Output += m_Process.readAll();
    m_Output += m_Process.readAll();
    *saving = m_Output.endsWith("save\n");
    return true;
  }
  void Continue() { ::kill(static_cast<pid_t>(m_Process.processId()), SIGCONT); }
  QString Said() const { return QString::fromLatin1(m_Output.right(200)); }

 private:
  // The process state letter of /proc/<pid>/stat ('T' stopped).
  static char State(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray line = stat.readAll();
    const int end = line.lastIndexOf(')');
    return end >= 0 && end + 2 < line.size() ? line.at(end + 2) : 0;
  }
  QProcess m_Process;
  QByteArray m_Output;
};
}  // namespace

class TestKilledSave : public QObject {
  Q_OBJECT

 private slots:
  // Forty moments of the saves, ten in each of four children: at each a
  // child is stopped, the file looked at, and the child goes on; at its
  // tenth moment it is killed, and the next child's first save removes
  // what the kill left.
  void aKilledSaveLeavesTheOldOrTheNewFile() {
    ModelFileFixture fx;
    KLX_TestBuildFullModel(&fx.db, 1);
    QList<QByteArray> whole;
    for (int turn = 0; turn < 2; ++turn) {
      fx.db.KLX_DataBaseManagerModelmetadataGetSet_Modelinfo(KLX_TestInfo(turn), AtomicDirSet, false);
      QCOMPARE(fx.Save(), int(KLX_Ok));
      whole.append(WithoutCheckValue(SettingsFixture::Read(ModelFileFixture::Path())));
    }
    QVERIFY(whole[0].size() != whole[1].size());

    constexpr int kChildren = 4;
    constexpr int kMoments = 10;
    int stoppedWhileSaving = 0;
    for (int c = 0; c < kChildren; ++c) {
      SaveChild saver;
      QVERIFY(saver.Start(fx.root.Path()));
      for (int m = 0; m < kMoments; ++m) {
        const int round = c * kMoments + m;
        QVERIFY2(saver.Saved(), qPrintable(QString("round %1: no save, output: %2").arg(round).arg(saver.Said())));
        // A different moment of the next save each round.
        QThread::usleep(static_cast<unsigned long>((round * 2371) % 45000));
        bool saving = false;
        QVERIFY(saver.Stop(m == kMoments - 1, &saving));
        stoppedWhileSaving += saving;
        const QByteArray text = SettingsFixture::Read(ModelFileFixture::Path());
        QVERIFY2(whole.contains(WithoutCheckValue(text)), qPrintable(QString("round %1: %2 bytes").arg(round).arg(text.size())));
        QVERIFY(CheckValueMatches(text));
        if (m < kMoments - 1) saver.Continue();
      }
    }
    QVERIFY(stoppedWhileSaving > 0);
    // Each save removes what the saves killed before it left, so the last
    // kill leaves at most one temporary file, and the next save none.
    int leftovers = 0;
    QCOMPARE(Strangers(&leftovers), QStringList());
    QVERIFY(leftovers <= 1);
    QCOMPARE(fx.Save(), int(KLX_Ok));
    QCOMPARE(QDir(ModelFileFixture::Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Glider.xml"});
  }
};

QTEST_GUILESS_MAIN(TestKilledSave)
#include "tst_killed_save.moc"
