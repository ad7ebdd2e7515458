// Announcement lists: the list file byte for byte as written and as read
// back (bad lines and what ends a list), a failed save that keeps the old
// file, texts that cannot cut their line, the walk through a list, the
// facade's names, copies and exports, and the list stepped by switches moved
// on the simulated stick controller, each item spoken in its voice.
#include <QtTest>

#include "audio/cttslist.h"
#include "facade_rig.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsafefile.h"

namespace {
using Voice = VornSpeechFake::Voice;
const QList<Voice> kVoices = {{"en_emma", "Emma", "British English"}, {"de_anna", "Anna", "German"}};

// The items as one text: "text|voiceid|lang|voice" joined by "/".
QString Items(const QJsonArray& items) {
  QStringList out;
  for (const QJsonValue& v : items) {
    const QJsonObject o = v.toObject();
    out << QStringLiteral("%1|%2|%3|%4")
               .arg(o.value("text").toString())
               .arg(o.value("voiceid").toInt())
               .arg(o.value("lang").toString(), o.value("voice").toString());
  }
  return out.join('/');
}

// A list of `count` items "T0", "T1", ... in Emma's voice.
void Fill(CTTSList& list, int count) {
  for (int i = 0; i < count; ++i) {
    list.appendNewItem("en");
    list.setTextAt(i, QStringLiteral("T%1").arg(i));
    list.setLangAt(i, "British English");
    list.setVoiceAt(i, "Emma");
    list.setVoiceIdAt(i, 0);
  }
}

struct Announced {
  QList<int> indices;
  QStringList texts;
};
}  // namespace

class TstAnnouncements : public QObject {
  Q_OBJECT

 private slots:
  // Line 1 the list's name, then one line per item with every field closed
  // by ";", no line feed at the end; read back, the same items.
  void theFileByteForByte() {
    VornTestRoot root;
    CTTSList list;
    list.SetListName("Field.txt");
    QVERIFY(list.ListToFile(false));
    const QString path = root.Path() + "/Vorn/Announcements/Field.txt";
    QCOMPARE(ReadFile(path), QByteArray("Field.txt;"));
    Fill(list, 2);
    list.setTextAt(0, QString::fromUtf8("H\u00f6he 120 m"));
    list.setVoiceIdAt(1, -1);
    list.setLangAt(1, "None");
    list.setVoiceAt(1, "None");
    list.appendNewItem("fr");  // no speech engine: no voice
    QVERIFY(list.ListToFile(false));
    const QByteArray expected = "Field.txt;\nH\xc3\xb6he 120 m;0;British English;Emma;\nT1;-1;None;None;\nText;-1;None;None;";
    QCOMPARE(ReadFile(path), expected);
    const QString before = Items(list.getListinQml());
    list.clearListJson();
    list.setTTSLIndex(-1);
    list.FileToList();
    QCOMPARE(Items(list.getListinQml()), before);
    QCOMPARE(list.getTTSLIndex(), -1);
    // Only the file: no temporary file is left beside it.
    QCOMPARE(QDir(root.Path() + "/Vorn/Announcements").entryList(QDir::Files), QStringList{"Field.txt"});
  }

  // A ";", CR or LF in a text would cut its line or end the list; the
  // setters make each a blank, so the text comes back as it was set.
  void separatorsInTextsBecomeBlanks() {
    VornTestRoot root;
    CTTSList list;
    list.SetListName("Sep.txt");
    Fill(list, 2);
    list.setTextAt(0, "Gear;down\r\nnow");
    list.setTextAt(1, "\nFlaps");
    list.setLangAt(1, "a;b");
    list.setVoiceAt(1, "c\nd");
    QVERIFY(list.ListToFile(false));
    QCOMPARE(ReadFile(root.Path() + "/Vorn/Announcements/Sep.txt"),
             QByteArray("Sep.txt;\nGear down  now;0;British English;Emma;\n Flaps;0;a b;c d;"));
    list.FileToList();
    QCOMPARE(Items(list.getListinQml()), QString("Gear down  now|0|British English|Emma/ Flaps|0|a b|c d"));
  }

  // What a file gives: bad fields, a blank line that ends the list, lines
  // without all fields, a file that is the text "-1". Without a speech
  // engine no voice is installed (count -1): every id above it becomes 0.
  void readingBadLines_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("items");
    QTest::newRow("id not a number") << QByteArray("L;\nA;x;en;Emma;") << "A|0|en|Emma";
    QTest::newRow("id -1 stays") << QByteArray("L;\nA;-1;None;None;") << "A|-1|None|None";
    QTest::newRow("id above the voices") << QByteArray("L;\nA;7;en;Emma;") << "A|0|en|Emma";
    QTest::newRow("blank line ends the list") << QByteArray("L;\nA;-1;en;x;\n\nB;-1;en;y;") << "A|-1|en|x";
    QTest::newRow("line feed at the end") << QByteArray("L;\nA;-1;en;x;\n") << "A|-1|en|x";
    QTest::newRow("carriage return ignored") << QByteArray("L;\r\nA;-1;en;x;\r\nB;-1;de;y;\r") << "A|-1|en|x/B|-1|de|y";
    QTest::newRow("missing fields") << QByteArray("L;\nOnly text") << "Only text|0||";
    QTest::newRow("first line only") << QByteArray("L;") << "";
    QTest::newRow("the text -1") << QByteArray("-1") << "";
    QTest::newRow("empty file") << QByteArray() << "";
  }
  void readingBadLines() {
    QFETCH(QByteArray, file);
    QFETCH(QString, items);
    VornTestRoot root;
    QVERIFY(WriteFile(root.Path() + "/Vorn/Announcements/In.txt", file));
    CTTSList list;
    list.SetListName("In.txt");
    Fill(list, 1);
    list.setTTSLIndex(0);
    list.FileToList();
    QCOMPARE(Items(list.getListinQml()), items);
    QCOMPARE(list.getTTSLIndex(), -1);
    QCOMPARE(list.ListName(), QString("In.txt"));
  }

  // A save cut before the rename keeps the old file whole; the next save
  // clears what the cut left.
  void aFailedSaveKeepsTheOldFile() {
    VornTestRoot root;
    const QString folder = root.Path() + "/Vorn/Announcements";
    CTTSList list;
    list.SetListName("Keep.txt");
    Fill(list, 1);
    QVERIFY(list.ListToFile(false));
    const QByteArray old = ReadFile(folder + "/Keep.txt");
    list.setTextAt(0, "Changed");
    KLX_XMLSafeFile::SetBeforeRenameHook([](const QString&) { return false; });
    QVERIFY(!list.ListToFile(false));
    KLX_XMLSafeFile::SetBeforeRenameHook(nullptr);
    QCOMPARE(ReadFile(folder + "/Keep.txt"), old);
    QVERIFY(list.ListToFile(false));
    QCOMPARE(ReadFile(folder + "/Keep.txt"), QByteArray("Keep.txt;\nChanged;0;British English;Emma;"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"Keep.txt"});
    // No folder can be made where a file stands: nothing is written.
    VornTestRoot blocked;
    QVERIFY(WriteFile(blocked.Path() + "/Vorn/Announcements", "a file"));
    CTTSList nowhere;
    nowhere.SetListName("X.txt");
    QVERIFY(!nowhere.ListToFile(false));
    // Without a name nothing is written at all.
    CTTSList unnamed;
    QVERIFY(!unnamed.ListToFile(false));
  }

  // Steps by operation: f forward, b backward, r restart, s<n> set. Each
  // step announces the item it reaches (empty texts at -1).
  void walkingThroughTheList_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("forward round") << 3 << "ffff f" << QList<int>{0, 1, 2, -1, 0} << QStringList{"T0", "T1", "T2", "", "T0"};
    QTest::newRow("backward from before the first") << 3 << "bbbb" << QList<int>{2, 1, 0, -1} << QStringList{"T2", "T1", "T0", ""};
    QTest::newRow("restart") << 3 << "ffr" << QList<int>{0, 1, -1} << QStringList{"T0", "T1", ""};
    QTest::newRow("set beyond the list") << 3 << "s5 s2" << QList<int>{-1, 2} << QStringList{"", "T2"};
    QTest::newRow("empty list") << 0 << "fb" << QList<int>{-1, -1} << QStringList{"", ""};
  }
  void walkingThroughTheList() {
    QFETCH(int, count);
    QFETCH(QString, steps);
    QFETCH(QList<int>, indices);
    QFETCH(QStringList, texts);
    VornTestRoot root;
    CTTSList list;
    Fill(list, count);
    Announced seen;
    connect(&list, &CTTSList::ttslindexChanged, this, [&](QString text, QString lang, QString voice) {
      seen.indices << list.getTTSLIndex();
      seen.texts << text;
      QCOMPARE(lang.isEmpty(), text.isEmpty());
      QCOMPARE(voice.isEmpty(), text.isEmpty());
    });
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
      if (step.startsWith('s')) {
        list.setTTSLIndex(step.mid(1).toInt());
        continue;
      }
      for (QChar c : step) {
        if (c == 'f') list.incrementTTSLIndex();
        if (c == 'b') list.decrementTTSLIndex();
        if (c == 'r') list.resetTTSLIndex();
      }
    }
    QCOMPARE(seen.indices, indices);
    QCOMPARE(seen.texts, texts);
  }

  void itemsOutsideTheListChangeNothing() {
    VornTestRoot root;
    CTTSList list;
    Fill(list, 2);
    const QString before = Items(list.getListinQml());
    QTest::ignoreMessage(QtWarningMsg, "Invalid index while changing text in tts_list");
    list.setTextAt(2, "x");
    QTest::ignoreMessage(QtWarningMsg, "Invalid index while changing voiceid in tts_list");
    list.setVoiceIdAt(-1, 3);
    QTest::ignoreMessage(QtWarningMsg, "Delete Item abborted; 2 is out of range");
    QVERIFY(!list.deleteItemAt(2));
    QCOMPARE(Items(list.getListinQml()), before);
    QCOMPARE(list.GetTextAt(5), QString());
    QCOMPARE(list.GetVoiceIdAt(5), 0);
    list.setTTSLIndex(1);
    QVERIFY(list.deleteItemAt(1));
    QCOMPARE(list.getTTSLIndex(), 1);  // the screen steps back itself
  }

  // The names the screen gives, the lists' folder kept closed, copies in
  // from a stick and the export onto the first stick.
  void namesCopiesAndExport() {
    VornFixture fx;
    QCOMPARE(fx.Up(), int(KLX_Ok));
    KLX_DataBaseManager& db = fx.db;
    const QString folder = fx.root.Path() + "/Vorn/Announcements/";
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("Field.txt", false), 1);
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("New list"), 0);
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList(""), 0);
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("../../Model/x.xml"), 0);
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedTTSList(), QString("Field.txt"));
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("", true, true), 1);
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedTTSList(), QString());
    QVERIFY(db.KLX_DataBaseManagerGetModelModifyFlag());

    QVERIFY(WriteFile(folder + "Old.txt", "Old.txt;\nA;-1;None;None;"));
    QVERIFY(WriteFile(fx.root.Path() + "/Vorn/Model/keep.xml", "model"));
    QVERIFY(db.KLX_TTSListExists("Old.txt"));
    QVERIFY(!db.KLX_TTSListExists("../Model/keep.xml"));
    QVERIFY(!db.KLX_DataBaseManagerDeleteTTSList("../Model/keep.xml"));
    QVERIFY(QFile::exists(fx.root.Path() + "/Vorn/Model/keep.xml"));

    // From a stick: copied under its own name; one of that name stays.
    const QString stick = KLX_FileNameHandler::KLX_FileNameHandlerMapPath("/media/usb1");
    QVERIFY(WriteFile(stick + "/lists/Old.txt", "Old.txt;\nB;-1;None;None;"));
    QVERIFY(!db.KLX_DataBaseManagerCopyTTSList(stick + "/lists/Old.txt"));
    QVERIFY(!db.KLX_DataBaseManagerCopyTTSList(""));
    QVERIFY(!db.KLX_DataBaseManagerCopyTTSList("/etc/passwd"));
    QVERIFY(db.KLX_DataBaseManagerDeleteTTSList("Old.txt"));
    QVERIFY(db.KLX_DataBaseManagerCopyTTSList(stick + "/lists/Old.txt"));
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("Old.txt"), 1);
    db.KLX_TTSListBuild();
    QCOMPARE(Items(db.KLX_GetTTSList()), QString("B|-1|None|None"));
    QCOMPARE(db.KLX_OpenTTSList(folder + "Old.txt"), QString("Old.txt;\nB;-1;None;None;"));
    QCOMPARE(db.KLX_OpenTTSList(folder + "Missing.txt"), QString("-1"));

    // Export: no stick, nothing written; the first stick takes the list.
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(
        [] { return QList<KLX_FileNameHandler::MountedVolume>{{"/", "root", "/dev/root"}}; });
    QVERIFY(!db.KLX_ExportTTSList());
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource([stick] {
      return QList<KLX_FileNameHandler::MountedVolume>{{"/", "root", "/dev/root"}, {stick, "STICK", "/dev/sdb1"}};
    });
    db.KLX_SetTTSLTextAt(0, "Exported");
    QVERIFY(db.KLX_ExportTTSList());
    QCOMPARE(ReadFile(stick + "/Old.txt"), QByteArray("Old.txt;\nExported;-1;None;None;"));
    KLX_FileNameHandler::KLX_FileNameHandlerSetVolumeSource(nullptr);
  }

  // A list copied in from a stick is a file of its own: a link there, to a
  // file of the card or of the system beyond it, is refused and nothing
  // lands in the lists' folder.
  void copiesTakeNoLink_data() {
    QTest::addColumn<QString>("target");  // of the link, <root> for the root; empty: a plain list
    QTest::addColumn<bool>("copied");
    QTest::newRow("a plain list") << QString() << true;
    QTest::newRow("a link to a file of the card") << "<root>/Vorn/System/Secret.txt" << false;
    QTest::newRow("a link to a file outside the root") << "<outside>/Secret.txt" << false;
  }
  void copiesTakeNoLink() {
    QFETCH(QString, target);
    QFETCH(bool, copied);
    VornTestRoot root;
    QTemporaryDir outside;
    target.replace("<root>", root.Path()).replace("<outside>", outside.path());
    const QString list = root.Path() + "/media/usb0/lists/Field.txt";
    if (target.isEmpty()) {
      QVERIFY(WriteFile(list, "Field.txt;\nA;-1;None;None;"));
    } else {
      QVERIFY(WriteFile(target, "secret"));
      QVERIFY(QDir().mkpath(QFileInfo(list).path()));
      QVERIFY(QFile::link(target, list));
    }
    CTTSList lists;
    QCOMPARE(lists.CopyTTSList(list), copied);
    const QString folder = root.Path() + "/Vorn/Announcements/";
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::System), copied ? QStringList{"Field.txt"} : QStringList());
    if (copied) QCOMPARE(ReadFile(folder + "Field.txt"), QByteArray("Field.txt;\nA;-1;None;None;"));
  }

  // Forward, backward and restart on three switch positions of the
  // transmitter, each through a single virtual switch of its own; the list
  // speaks at the speech engine as the switches turn on, and a switch that
  // is on when it is subscribed steps at once.
  void switchesOnTheStickControllerStepTheList() {
    FacadeRig rig;
    QVERIFY(rig.Start(kVoices));
    KLX_DataBaseManager& db = rig.db;
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("en", AtomicDirSet, false);
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("Field.txt"), 1);
    const QStringList texts = {"Gear down", "Flaps", "Landing"};
    for (int i = 0; i < texts.size(); ++i) {
      db.KLX_AppendTTSLNewItem(i == 1 ? "de" : "en");
      db.KLX_SetTTSLTextAt(i, texts[i]);
    }
    QCOMPARE(Items(db.KLX_GetTTSList()),
             QString("Gear down|0|British English|Emma/Flaps|1|German|Anna/Landing|0|British English|Emma"));
    // Switches D, E, F (three positions), each up for on.
    const int physical[3] = {KLX_VornTask::CONTROLID_SW_D_GUI, KLX_VornTask::CONTROLID_SW_E_GUI,
                             KLX_VornTask::CONTROLID_SW_F_GUI};
    for (int role = 0; role < 3; ++role) {
      const int s = 10 + role;
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsUsed(s, 1, AtomicDirSet, false), 1);
      QCOMPARE(db.KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(s), int(KLX_Ok));
      QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, VIRTUAL_SWITCH_ID_A, physical[role], AtomicDirSet, false),
               physical[role]);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, VIRTUAL_SWITCH_ID_A, 40, AtomicDirSet, false);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, VIRTUAL_SWITCH_ID_A, 30, AtomicDirSet, false);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(s, VIRTUAL_SWITCH_ID_B, KLX_VornTask::CONTROLID_FIXSWITCH_ON_GUI,
                                                       AtomicDirSet, false);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchAboveHys(s, VIRTUAL_SWITCH_ID_B, 5, AtomicDirSet, false);
      db.KLX_DataBaseManagerSwitchGetSet_SwitchBelowHys(s, VIRTUAL_SWITCH_ID_B, -5, AtomicDirSet, false);
      db.KLX_DataBaseManagerSwitchGetSet_LogicalOperator(s, KLX_False, AtomicDirSet, false);
      QVERIFY(rig.sim.SetControl(physical[role], -2047));
    }
    // Only virtual switches subscribe.
    QCOMPARE(db.KLX_SubscribeTTSLForwardControl(1279), 0);
    QCOMPARE(db.KLX_SubscribeTTSLForwardControl(KLX_CONTROL_VS_FIRST + 128), 0);
    QCOMPARE(db.KLX_GetTTSLForwardControl(), 65535);
    QCOMPARE(db.KLX_SubscribeTTSLForwardControl(KLX_CONTROL_VS_FIRST + 10), 0);
    QCOMPARE(db.KLX_SubscribeTTSLBackwardControl(KLX_CONTROL_VS_FIRST + 11), 0);
    QCOMPARE(db.KLX_SubscribeTTSLRestartControl(KLX_CONTROL_VS_FIRST + 12), 0);
    QCOMPARE(db.KLX_GetTTSLRestartControl(), KLX_CONTROL_VS_FIRST + 12);
    QVERIFY(rig.Step(100));
    rig.Passes();

    VornSpeechFake& engine = VornSpeechFake::Get();
    // Moves a switch up and back down; true when `spoken` is what the engine
    // has been given since the last check.
    int heard = 0;
    auto flick = [&](int role, const QStringList& spoken) {
      if (!rig.sim.SetControl(physical[role], 2047) || !rig.Step(100)) return false;
      rig.Passes();
      // The step reaches the speech thread within a few audio passes; on a
      // loaded machine the woken thread may still be on its way when a pass
      // ends, so keep passing until the words are in.
      bool all = spoken.isEmpty();
      const QDeadlineTimer late(kVornHangMs);
      for (int pass = 0; pass < 3 || (!all && !late.hasExpired()); ++pass) {
        rig.audioClock.KLX_ManualClockRun(KLX_AudioHandler::kPassMs);
        if (!all) all = engine.AwaitSpoken(heard + spoken.size(), 100);
      }
      const QStringList got = engine.Spoken().mid(heard);
      heard = engine.Spoken().size();
      if (!rig.sim.SetControl(physical[role], -2047) || !rig.Step(100)) return false;
      rig.Passes();
      if (!all || got != spoken) qWarning() << "spoken:" << got;
      return all && got == spoken;
    };
    QVERIFY(flick(0, {"en_emma|Gear down"}));
    QVERIFY(flick(0, {"de_anna|Flaps"}));
    QCOMPARE(db.KLX_GetTTSLIndex(), 1);
    QVERIFY(flick(1, {"en_emma|Gear down"}));
    QVERIFY(flick(1, {}));  // before the first: nothing to say
    QCOMPARE(db.KLX_GetTTSLIndex(), -1);
    QVERIFY(flick(1, {"en_emma|Landing"}));
    QVERIFY(flick(2, {}));
    QCOMPARE(db.KLX_GetTTSLIndex(), -1);
    QVERIFY(flick(0, {"en_emma|Gear down"}));

    // Forward held on while it is subscribed again: one step at once.
    QVERIFY(rig.sim.SetControl(physical[0], 2047));
    QVERIFY(rig.Step(100));
    rig.Passes();
    QCOMPARE(db.KLX_GetTTSLIndex(), 1);
    QCOMPARE(db.KLX_SubscribeTTSLForwardControl(KLX_CONTROL_VS_FIRST + 10), 0);
    QCOMPARE(db.KLX_GetTTSLIndex(), 2);
    // A model reset lets the switches go.
    db.KLX_DataBaseManagerTTSLClearAll();
    QCOMPARE(db.KLX_GetTTSLForwardControl(), 65535);
    QVERIFY(rig.sim.SetControl(physical[0], -2047));
    QVERIFY(rig.Step(100));
    rig.Passes();
    QVERIFY(rig.sim.SetControl(physical[0], 2047));
    QVERIFY(rig.Step(100));
    rig.Passes();
    QCOMPARE(db.KLX_GetTTSLIndex(), -1);
  }
};

QTEST_GUILESS_MAIN(TstAnnouncements)
#include "tst_announcements.moc"
