// The audio screens on both boards as a user meets them: an announcement
// list made, filled, stepped and saved on the screen (the file's bytes), a
// voice chosen for an item; the vario screen with its sensor, its steps and
// the tone cursor; the audio levels. The voice screens are in
// tst_voice_screens.cpp: speech starts once in a process.
#include "qml_frame/qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kList = QStringLiteral("qrc:/Frontend/QML/SequentialTA.qml");
const QString kSelector = QStringLiteral("qrc:/Frontend/QML/36_ControlSelector.qml");
const QString kEditor = QStringLiteral("qrc:/Frontend/QML/ControlConfigLinear.qml");
constexpr int kSwitchA = 768;
const QString kVario = QStringLiteral("qrc:/Frontend/QML/VarioSettings2.qml");
const QString kLevels = QStringLiteral("qrc:/Frontend/QML/15.qml");

bool Open(QmlFrame& f, const QString& url) {
  f.Call("", "openScreen", {url, QVariant()});
  return f.WaitShown(url);
}
// The keys of a screen: the text as typed, then OK.
bool Type(QmlFrame& f, const QString& keyboard, const QString& text) {
  QPointer<QQuickItem> keys = f.Item(keyboard);
  if (!keys || !QTest::qWaitFor([&] { return keys->property("extended").toBool(); }, kVornHangMs)) return false;
  keys->setProperty("preLoadText", text);
  QQuickItem* ok = f.Item("key_ok");
  if (!ok || !QTest::qWaitFor([&] { return f.Centre(ok).y() < f.Window()->height(); }, kVornHangMs)) return false;
  return f.Tap("key_ok") && QTest::qWaitFor([&] { return !keys || !keys->isVisible(); }, kVornHangMs);
}
QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
// "text|lang|voice" of each item.
QStringList Items(KLX_DataBaseManager& db) {
  QStringList out;
  for (const QJsonValue& v : db.KLX_GetTTSList()) {
    const QJsonObject o = v.toObject();
    out << o.value("text").toString() + "|" + o.value("lang").toString() + "|" + o.value("voice").toString();
  }
  return out;
}
}  // namespace

class TestAudioScreens : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }

  void announcementList_data() { BoardRows(); }
  // A new list named on the keys (no items before), the heading above the
  // keys saying what they are for; two items with their texts, stepped on
  // the screen, the second deleted; every change is in the file at once;
  // "New" without a name keeps the list.
  void announcementList() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    QVERIFY(Open(f, kList));
    // No list yet: the heading names none and nothing can be added.
    QCOMPARE(f.Property("announcementHeading", "text").toString(), QString("Anchorman"));
    QCOMPARE(f.Property("itemAdd", "state").toString(), QString("disabled"));
    QVERIFY(f.Tap("listNew"));
    QTRY_VERIFY(f.Property("announcementKeyboard", "extended").toBool());
    QCOMPARE(f.Property("announcementHeading", "text").toString(), QString("Name of the new list:"));
    QQuickItem* heading = f.Item("announcementHeading");
    QQuickItem* keys = f.Item("announcementKeyboard");
    QVERIFY(heading->y() + heading->height() <= keys->parentItem()->height() - keys->height());
    QVERIFY(Type(f, "announcementKeyboard", "Field"));
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedTTSList(), QString("Field.txt"));
    QCOMPARE(f.Property("announcementHeading", "text").toString(), QString("Anchorman: Field.txt"));
    const QString file = f.Board().Root() + "/Vorn/Announcements/Field.txt";
    QCOMPARE(Bytes(file), QByteArray("Field.txt;"));

    QCOMPARE(f.Property("announcementHint", "visible").toBool(), true);
    QVERIFY(f.Tap("itemAdd"));
    QCOMPARE(f.Property("announcementHint", "visible").toBool(), false);
    QVERIFY(f.Tap("itemAdd"));
    QCOMPARE(db.KLX_GetTTSList().size(), 2);
    const QString texts[2] = {"Gear down", "Flaps; half"};
    for (int i = 0; i < 2; ++i) {
      f.Settle();
      QVERIFY(f.Tap(QStringLiteral("announcement_%1").arg(i)));
      QTRY_COMPARE(db.KLX_GetTTSLIndex(), i);
      QVERIFY(f.Tap("itemText"));
      QVERIFY(Type(f, "announcementKeyboard", texts[i]));
    }
    const QStringList items = Items(db);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[1].section('|', 0, 0), QString("Flaps  half"));
    // Each item's line in the file, as the list holds it.
    const QJsonArray array = db.KLX_GetTTSList();
    QByteArray expected = "Field.txt;";
    for (const QJsonValue& v : array) {
      const QJsonObject o = v.toObject();
      expected += "\n" + (o.value("text").toString() + ";" + QString::number(o.value("voiceid").toInt()) + ";" +
                          o.value("lang").toString() + ";" + o.value("voice").toString() + ";")
                             .toUtf8();
    }
    QCOMPARE(Bytes(file), expected);

    QVERIFY(f.Tap("stepRestart"));
    QTRY_COMPARE(db.KLX_GetTTSLIndex(), -1);
    QVERIFY(f.Tap("stepForward"));
    QTRY_COMPARE(db.KLX_GetTTSLIndex(), 0);
    QTRY_COMPARE(f.Property("announcementList", "current").toInt(), 0);

    QVERIFY(f.Tap("stepBack"));
    QVERIFY(f.Tap("stepBack"));
    QTRY_COMPARE(db.KLX_GetTTSLIndex(), 1);
    QVERIFY(f.Tap("itemDelete"));
    QTRY_VERIFY(f.Popup() != nullptr);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_COMPARE(db.KLX_GetTTSList().size(), 1);
    QCOMPARE(db.KLX_GetTTSLIndex(), 0);
    QCOMPARE(Bytes(file), expected.left(expected.lastIndexOf('\n')));
    // "New" left without a name keeps the list shown.
    QVERIFY(f.Tap("listNew"));
    QTRY_VERIFY(f.Property("announcementKeyboard", "extended").toBool());
    f.Key(KLX_DatabaseValues::EventLeft);
    QTRY_VERIFY(!f.Property("announcementKeyboard", "extended").toBool());
    QCOMPARE(db.KLX_DataBaseManagerGetLastUsedTTSList(), QString("Field.txt"));
    QCOMPARE(db.KLX_GetTTSList().size(), 1);

    // Switch A chosen to step forward: a hidden switch of the list's own
    // (the steps it makes are in tst_announcements.cpp).
    f.Controllers().SetStreaming(true);
    QTRY_VERIFY(db.KLX_DataBaseManagerGetValueOfControl(kSwitchA) != -2048);
    const int hidden = db.KLX_DataBaseManagerSwitchGetNextFreeIndex();
    QVERIFY(f.Tap("switch_forward"));
    QVERIFY(f.WaitShown(kSelector));
    QVERIFY(f.Controllers().SetControl(kSwitchA, 2047));
    QTRY_COMPARE(f.Property("controlSelector", "chosenControl").toInt(), kSwitchA);
    QVERIFY(f.Tap("selectorOk"));
    QVERIFY(f.WaitShown(kEditor));
    QVERIFY(f.Tap("editorOk"));
    QVERIFY(f.WaitShown(kList));
    QCOMPARE(db.KLX_GetTTSLForwardControl(), KLX_CONTROL_VS_FIRST + hidden);
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_Name(hidden, "", AtomicDirGet), QString("VSiTTSLFw"));
    QCOMPARE(db.KLX_DataBaseManagerSwitchGetSet_IsVisible(hidden, 0, AtomicDirGet, false), int(KLX_False));
    QCOMPARE(f.Property("switch_forward", "gp_text").toString(), db.KLX_DataBaseManagerGetNameOfControlByID(kSwitchA));
    QTRY_COMPARE(f.Property("announcementList", "current").toInt(), 0);
    f.Settle();
    f.Grab("announcement-list-" + tag + ".png");
  }

  void vario_data() { BoardRows(); }
  // The vario of a described sensor value: the start tone stepped on the
  // fly-in, flight mode 1 given a record of its own, and the cursor where
  // the last value put the tone.
  void vario() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    KLX_DataBaseManager& db = f.Db();
    KLX_Telemetrie* t = db.KLX_DataBaseManagerGetTelemetrieObject();
    t->KLX_TelemetrieLock();
    t->KLX_TelemetrieGetSet_SensorIsUsed(17, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_SensorMainAdress(17, 17, AtomicDirSet);
    t->KLX_TelemetrieGetSet_SensorName(17, "Vario", AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_IsUsed(17, 0, 1, AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveLabel(17, 0, "Climb", AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_SlaveUnit(17, 0, "m/s", AtomicDirSet);
    t->KLX_TelemetrieGetSet_Slave_DecPoint(17, 0, 1, AtomicDirSet);
    t->KLX_TelemetrieUnlock();
    QCOMPARE(db.KLX_DataBaseManagerSetVarioAddress(17, 0, false), 17);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVarioActivationControlId(2, AtomicDirSet), 2);
    db.KLX_DataBaseManagerVarioInitComplete();
    // What the engine asks for a climb of 2.5 m/s.
    uint16_t on = 0, off = 0;
    QCOMPARE(db.KLX_DatabaseManagerGetVarioBeepParams(25, 1, &on, &off, 0), 630);

    QVERIFY(Open(f, kVario));
    QCOMPARE(f.Property("varioSensor", "gp_text").toString(), QString("Vario: Climb"));
    QCOMPARE(f.Property("varioTone", "gp_text").toString(), QString("270 Hz"));
    QCOMPARE(f.Property("varioClimb", "gp_text").toString(), QString::fromUtf8("\u2265 0.1 m/s"));
    QCOMPARE(f.Property("varioSink", "gp_text").toString(), QString::fromUtf8("\u2264 -0.2 m/s"));
    QTRY_COMPARE(f.Property("varioPlaying", "text").toString(), QString("2.5 m/s   630 Hz"));

    QVERIFY(f.Tap("varioTone"));
    QTRY_COMPARE(f.Property("varioFlyin", "y").toReal(), f.Item("varioFlyin")->parentItem()->height() - 44);
    QVERIFY(f.Tap("flyin_++"));
    QVERIFY(f.Tap("flyin_+"));
    QCOMPARE(db.KLX_DataBaseManagerVarioGetSetStartToneHz(0, 0, AtomicDirGet), 281);
    QVERIFY(f.Tap("flyin_OK"));
    QTRY_VERIFY(!f.Property("varioFlyin", "visible").toBool());
    QCOMPARE(f.Property("varioTone", "gp_text").toString(), QString("281 Hz"));
    QCOMPARE(db.KLX_DatabaseManagerGetVarioBeepParams(25, 1, &on, &off, 0), 641);
    f.Settle();
    f.Grab("vario-" + tag + ".png");
  }

  void audioLevels_data() { BoardRows(); }
  // Six levels on the larger board, five (no Bluetooth) on the smaller; a
  // level the audio handler announces shows at once.
  void audioLevels() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    QmlFrame f(g_app, CSimBoard::Variant(variant));
    QVERIFY(f.StartAtHome());
    QVERIFY(Open(f, kLevels));
    QCOMPARE(f.Item("volumeSlider_2")->isVisible(), variant == int(CSimBoard::Vorn));
    QVERIFY(QMetaObject::invokeMethod(f.Named("audioSettings"), "levelOf", Q_ARG(QVariant, "varioVolumeChanged"),
                                      Q_ARG(QVariant, 42)));
    QCOMPARE(f.Property("volumeLevel_3", "text").toString(), QString("42 %"));
    f.Settle();
    f.Grab("audio-levels-" + tag + ".png");
  }

};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestAudioScreens test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_audio_screens.moc"
