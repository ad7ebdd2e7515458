// The voice selector as the telemetry voices and the announcement list open
// it, on the board named by the first argument ("fenk", else the larger
// one): the factory voices listed, one chosen, stored and shown. Speech
// starts once in a process, so each board runs in a process of its own.
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimvoices.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
CSimBoard::Variant g_variant = CSimBoard::Vorn;
const QString kList = QStringLiteral("qrc:/Frontend/QML/SequentialTA.qml");
const QString kVoices = QStringLiteral("qrc:/Frontend/QML/VoiceSelector.qml");
const QString kTeleVoices = QStringLiteral("qrc:/Frontend/QML/TeleWidgetsVoiceSettings.qml");
const QString kAlarm = QStringLiteral("qrc:/Frontend/QML/VoiceSettings.qml");

bool Open(QmlFrame& f, const QString& url) {
  f.Call("", "openScreen", {url, QVariant()});
  return f.WaitShown(url);
}
QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
// The selector's voice of `index` brought into view and chosen.
bool Choose(QmlFrame& f, int row, int index) {
  QMetaObject::invokeMethod(f.Named("voiceList"), "positionViewAtIndex", Q_ARG(int, row), Q_ARG(int, 1));  // Center
  f.Settle();
  return f.Tap(QStringLiteral("voice_%1").arg(index)) && f.Property("voiceSelector", "marked").toInt() == index;
}
}  // namespace

class TestVoiceScreens : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void voices() {
    const QString tag = g_variant == CSimBoard::Fenk ? "fenk" : "vorn";
    QmlFrame f(g_app, g_variant);
    QVERIFY(CSimVoices::Prepare(f.Board().Root() + "/Vorn/Sound/Voices"));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    QTRY_COMPARE(db.KLX_DataBaseManagerGetVoicesCount(), int(CSimVoices::Factory().size()));
    db.KLX_DataBaseManagerGetSetSystemPropertiesGetSet_Language("de", AtomicDirSet, false);

    // Telemetry alarms: "None" until a German voice is chosen for them.
    QVERIFY(Open(f, kTeleVoices));
    QCOMPARE(f.Property("teleVoiceSettings", "shown").toStringList(), (QStringList{"None", "None", "None"}));
    QVERIFY(f.Tap("teleVoice_2"));
    QVERIFY(f.WaitShown(kVoices));
    QCOMPARE(f.Property("voiceSelector", "itemNum").toInt(), -2);
    QVariantList voices = f.Property("voiceSelector", "voices").toList();
    QVERIFY(!voices.isEmpty());
    QVERIFY(voices.size() < CSimVoices::Factory().size());
    for (const QVariant& v : voices) QCOMPARE(v.toMap().value("lang").toString(), QString("German"));
    const int german = voices.last().toMap().value("index").toInt();
    QVERIFY(Choose(f, voices.size() - 1, german));
    f.Grab("voice-selector-" + tag + ".png");
    QVERIFY(f.Tap("voiceSelect"));
    QVERIFY(f.WaitShown(kTeleVoices));
    const QStringList params = db.KLX_DataBaseManagerGetVoiceTextParamsFromList(german).split('\t');
    QCOMPARE(params.size(), 2);
    QCOMPARE(db.KLX_DataBaseManagerGetAlarmVoiceTextParams(-2), params.join('\t'));
    QCOMPARE(f.Property("teleVoiceSettings", "shown").toStringList(),
             (QStringList{"None", params[0] + " : " + params[1], "None"}));
    f.Settle();
    f.Grab("telemetry-voices-" + tag + ".png");

    // A voice alarm's voice: "Select" goes back to that alarm, not to the list.
    constexpr int alarm = 3;
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(alarm, 1, AtomicDirSet), 1);
    f.Call("", "openScreen", {kAlarm, QVariantMap{{"itemNum", alarm}}});
    QVERIFY(f.WaitShown(kAlarm));
    QVERIFY(f.Tap("voiceVoice"));
    QVERIFY(f.WaitShown(kVoices));
    QVERIFY(Choose(f, 0, voices.first().toMap().value("index").toInt()));
    QVERIFY(f.Tap("voiceSelect"));
    QVERIFY(f.WaitShown(kAlarm));
    QCOMPARE(f.Property("voiceSettings", "itemNum").toInt(), alarm);
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetVoiceTextParams(alarm),
             db.KLX_DataBaseManagerGetVoiceTextParamsFromList(voices.first().toMap().value("index").toInt()));

    // An announcement in a voice of another language: all languages shown.
    QCOMPARE(db.KLX_DataBaseManagerSetLastUsedTTSList("Voices.txt"), 1);
    db.KLX_AppendTTSLNewItem("de");
    db.KLX_SetTTSLTextAt(0, "Hallo");
    db.KLX_SetTTSListIndex(0);
    QVERIFY(Open(f, kList));
    QVERIFY(f.Tap("itemVoice"));
    QVERIFY(f.WaitShown(kVoices));
    QVERIFY(f.Tap("voiceLanguages"));
    voices = f.Property("voiceSelector", "voices").toList();
    QCOMPARE(voices.size(), CSimVoices::Factory().size());
    const int last = voices.last().toMap().value("index").toInt();
    QVERIFY(Choose(f, voices.size() - 1, last));
    QVERIFY(f.Tap("voiceSelect"));
    QVERIFY(f.WaitShown(kList));
    const QStringList chosen = db.KLX_DataBaseManagerGetVoiceTextParamsFromList(last).split('\t');
    QCOMPARE(Bytes(f.Board().Root() + "/Vorn/Announcements/Voices.txt"),
             ("Voices.txt;\nHallo;" + QString::number(last) + ";" + chosen.value(0) + ";" + chosen.value(1) + ";").toUtf8());
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  QStringList args = app.arguments();
  if (args.size() > 1 && args[1] == "fenk") {
    g_variant = CSimBoard::Fenk;
    args.removeAt(1);
  }
  TestVoiceScreens test;
  return QTest::qExec(&test, args);
}
#include "tst_voice_screens.moc"
