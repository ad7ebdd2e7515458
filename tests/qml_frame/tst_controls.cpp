// The shared controls over a screen, touched as a user touches them: the
// keyboard's layouts, shift and limits (its keys reach the field as real key
// events through "VornKeyboard"), the numeric pad, the text editor and the
// picture viewer.
#include "qml_frame/qml_frame_fixture.h"
#include "platform/klx_platform.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;

const char* kKeyboard =
    "import QtQuick 2.15\n"
    "Item { anchors.fill: parent\n"
    "  property alias keyboard: kbd\n"
    "  property int oks: 0\n"
    "  Keyboard { id: kbd; objectName: 'keyboard'; onOkClicked: oks += 1 } }";
}  // namespace

class TestControls : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  // The controls are tried on one main window, each over the home screen.
  QmlFrame& Frame() { return SharedFrame(g_app, m_Frame); }
  // An open keyboard whose field has taken the focus: it takes it once the
  // keyboard has moved in, on the animation clock, which a slow build (the
  // thread checker's) beside load holds back for seconds.
  QQuickItem* OpenKeyboard(QmlFrame& f, const QVariantMap& settings = {}) {
    QQuickItem* host = f.Create(kKeyboard);
    if (!host) return nullptr;
    QObject* keyboard = host->property("keyboard").value<QObject*>();
    for (auto it = settings.begin(); it != settings.end(); ++it) keyboard->setProperty(it.key().toUtf8(), it.value());
    // Opened as a screen opens it: set up first, then moved in.
    keyboard->setProperty("extended", true);
    auto* field = qobject_cast<QQuickItem*>(FindNamed(keyboard, "keyboardField"));
    if (!QTest::qWaitFor([&] { return field->hasActiveFocus(); }, kHangMs)) return nullptr;
    return host;
  }
  static QString FieldText(QQuickItem* host) {
    return FindNamed(host, "keyboardField")->property("text").toString();
  }
  void Type(QmlFrame& f, QQuickItem* host, const QStringList& keys) {
    for (const QString& key : keys) {
      auto* item = qobject_cast<QQuickItem*>(FindNamed(host, key));
      QVERIFY2(item && item->isEnabled(), qPrintable(key));
      f.Tap(item);
    }
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }
  void cleanupTestCase() { m_Frame.reset(); }

  void keyboardLayouts_data() {
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("text");
    QTest::newRow("en: 6 then 23") << "en" << QStringList{"key_6", "key_23"} << "yz";
    QTest::newRow("de: 6 then 23") << "de" << QStringList{"key_6", "key_23"} << "zy";
    QTest::newRow("shift touched once") << "en" << QStringList{"key_shift", "key_12", "key_27"} << "Ab";
    QTest::newRow("umlaut in de") << "de" << QStringList{"key_11", "key_space", "key_22"} << "\u00fc \u00e4";
    QTest::newRow("digits and symbols") << "en" << QStringList{"key_page", "key_1", "key_12", "key_page", "key_19", "key_page", "key_1"}
                                        << "1-^q";
    QTest::newRow("backspace") << "en" << QStringList{"key_1", "key_2", "key_backspace"} << "q";
  }
  void keyboardLayouts() {
    QFETCH(QString, layout);
    QFETCH(QStringList, keys);
    QFETCH(QString, text);
    QmlFrame& f = Frame();
    QQuickItem* host = OpenKeyboard(f, {{"language", layout}});
    QVERIFY(host);
    Type(f, host, keys);
    QCOMPARE(FieldText(host), text);
    if (layout == "de" && keys.size() == 2) f.Grab("keyboard-de.png");
    delete host;
  }

  // Caps lock (shift held) keeps upper case until shift is touched again;
  // the page key returns to letters with it.
  void capsLock() {
    QmlFrame& f = Frame();
    QQuickItem* host = OpenKeyboard(f);
    QVERIFY(host);
    auto* shift = qobject_cast<QQuickItem*>(FindNamed(host, "key_shift"));
    f.Hold(f.Centre(shift), 900);
    Type(f, host, {"key_12", "key_27", "key_page", "key_1", "key_page", "key_page", "key_12", "key_shift", "key_12"});
    QCOMPARE(FieldText(host), QString("AB1Aa"));
    delete host;
  }

  // Sixteen characters by default; with empty text not allowed OK waits for
  // a character; the special characters can be switched off.
  void keyboardLimits() {
    QmlFrame& f = Frame();
    QQuickItem* host = OpenKeyboard(f, {{"preLoadText", "abcdefghijklmnop"}, {"allow_empty_text", false},
                                        {"allow_special_chars", false}, {"separator_active", true}});
    QVERIFY(host);
    QObject* keyboard = host->property("keyboard").value<QObject*>();
    // The field's text is selected when the keyboard opens: typing replaces it.
    Type(f, host, {"key_1"});
    QCOMPARE(FieldText(host), QString("q"));
    Type(f, host, {"key_backspace"});
    QCOMPARE(FieldText(host), QString());
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(host, "key_ok"))->isEnabled(), false);
    for (int i = 0; i < 17; ++i) Type(f, host, {"key_2"});
    QCOMPARE(FieldText(host), QString(16, 'w'));
    // The refused character is told of.
    QCOMPARE(FindNamed(host, "keyboardFullNotice")->property("text").toString(), QString("No more than 16 characters"));
    QCOMPARE(keyboard->property("preLoadText").toString(), QString(16, 'w'));
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(host, "key_ok"))->isEnabled(), true);
    Type(f, host, {"key_page"});
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(host, "key_14"))->isEnabled(), false);  // ":"
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(host, "key_12"))->isEnabled(), true);   // "_"
    Type(f, host, {"key_page"});
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(host, "key_21"))->isEnabled(), false);  // ";"
    QCOMPARE(qobject_cast<QQuickItem*>(FindNamed(host, "key_shift"))->isEnabled(), false);
    Type(f, host, {"key_ok"});
    QCOMPARE(host->property("oks").toInt(), 1);
    QCOMPARE(keyboard->property("page").toInt(), 1);
    delete host;
  }

  // A name longer than the keyboard's limit (another board's, a file's)
  // opens whole and is stored whole; no character goes beyond it.
  void aLongerTextOpensWhole() {
    QmlFrame& f = Frame();
    const QString name = QStringLiteral("Aileron left outer");
    QQuickItem* host = OpenKeyboard(f, {{"preLoadText", name}});
    QVERIFY(host);
    QCOMPARE(FieldText(host), name);
    auto* field = FindNamed(host, "keyboardField");
    QMetaObject::invokeMethod(field, "deselect");
    Type(f, host, {"key_2"});
    QCOMPARE(FieldText(host), name);
    QCOMPARE(FindNamed(host, "keyboardFullNotice")->property("text").toString(), QString("No more than 18 characters"));
    Type(f, host, {"key_ok"});
    QCOMPARE(host->property("keyboard").value<QObject*>()->property("preLoadText").toString(), name);
    delete host;
  }

  // Three lines are the most the field takes, below the length limit too.
  void threeLinesAtMost() {
    QmlFrame& f = Frame();
    QQuickItem* host = OpenKeyboard(f, {{"maxLen", 200}});
    QVERIFY(host);
    QObject* keyboard = host->property("keyboard").value<QObject*>();
    // The keyboard grows with its text and comes to rest: what was typed
    // stays, the next key adds to it.
    int typed = 0;
    while (keyboard->property("lines").toInt() < 2 && typed < 120) {
      Type(f, host, {"key_2"});
      ++typed;
    }
    QObject* moving = FindNamed(keyboard, "keyboardMoving");
    QVERIFY(moving);
    QTRY_VERIFY(!moving->property("running").toBool());
    Type(f, host, {"key_2"});
    QCOMPARE(FieldText(host).size(), typed + 1);
    int lines = 0;
    for (int i = 0; i < 120; ++i) {
      Type(f, host, {"key_2"});
      lines = keyboard->property("lines").toInt();
    }
    QCOMPARE(lines, 3);
    const int full = FieldText(host).size();
    QVERIFY2(full < 120, qPrintable(QString::number(full)));
    QCOMPARE(keyboard->property("height").toInt(), 145 + 75);
    Type(f, host, {"key_2"});
    QCOMPARE(FieldText(host).size(), full);
    f.Grab("keyboard-three-lines.png");
    delete host;
  }

  // The back key closes an open keyboard and clears its text instead of
  // going back.
  void backClosesTheKeyboard() {
    QmlFrame& f = Frame();
    f.Key(KLX_DatabaseValues::EventSettings);
    QTRY_COMPARE(f.Shown(), kUserMenu);
    QQuickItem* host = OpenKeyboard(f, {{"preLoadText", "Glider"}});
    QVERIFY(host);
    QObject* keyboard = host->property("keyboard").value<QObject*>();
    f.Key(KLX_DatabaseValues::EventLeft);
    QCOMPARE(keyboard->property("extended").toBool(), false);
    QCOMPARE(keyboard->property("preLoadText").toString(), QString());
    QCOMPARE(f.Shown(), kUserMenu);
    delete host;
    f.Key(KLX_DatabaseValues::EventLeft);
    QTRY_COMPARE(f.Shown(), kHome);
  }

  void numericPad_data() {
    QTest::addColumn<QVariantMap>("settings");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("oks");
    QTest::newRow("a digit rolls the oldest out") << QVariantMap{{"inputLength", 2}, {"rawData", 12}}
                                                  << QStringList{"numpad_3", "numpad_ok"} << 23 << "23" << 1;
    QTest::newRow("delete on -5") << QVariantMap{{"inputLength", 3}, {"rawData", -5}}
                                  << QStringList{"numpad_delete"} << 0 << "0" << 0;
    QTest::newRow("sign and digits") << QVariantMap{{"inputLength", 4}}
                                     << QStringList{"numpad_4", "numpad_+/-", "numpad_2", "numpad_ok"} << -42 << "-42" << 1;
    QTest::newRow("a point latched, then decimals")
        << QVariantMap{{"inputLength", 4}, {"showDecimalPoint", true}}
        << QStringList{"numpad_1", "numpad_.", "numpad_2", "numpad_5"} << 125 << "1.25" << 0;
    QTest::newRow("time 12345") << QVariantMap{{"inputLength", 6}, {"timeFormat", true}}
                                << QStringList{"numpad_1", "numpad_2", "numpad_3", "numpad_4", "numpad_5", "numpad_ok"}
                                << 12345 << "01:23:45" << 1;
    QTest::newRow("time 9999 is refused") << QVariantMap{{"inputLength", 6}, {"timeFormat", true}}
                                          << QStringList{"numpad_9", "numpad_9", "numpad_9", "numpad_9", "numpad_ok"}
                                          << 9999 << "00:99:99" << 0;
  }
  void numericPad() {
    QFETCH(QVariantMap, settings);
    QFETCH(QStringList, keys);
    QFETCH(int, value);
    QFETCH(QString, shown);
    QFETCH(int, oks);
    QmlFrame& f = Frame();
    QQuickItem* host = f.Create(
        "import QtQuick 2.15\n"
        "Item { anchors.fill: parent\n"
        "  property alias pad: numpad\n"
        "  property int oks: 0\n"
        "  Numpad { id: numpad; x: 173; y: 16; onOkClicked: oks += 1 } }");
    QVERIFY(host);
    QObject* pad = host->property("pad").value<QObject*>();
    for (auto it = settings.begin(); it != settings.end(); ++it) pad->setProperty(it.key().toUtf8(), it.value());
    Type(f, host, keys);
    QCOMPARE(pad->property("rawData").toInt(), value);
    QCOMPARE(FindNamed(host, "numpadValue")->property("text").toString(), shown);
    QCOMPARE(host->property("oks").toInt(), oks);
    if (QByteArray(QTest::currentDataTag()) == "time 9999 is refused") {
      QCOMPARE(pad->property("notAllowed").toBool(), true);
      f.Grab("numpad-refused-time.png");
    }
    delete host;
  }

  // A press-and-hold on delete marks the whole value; the next touch clears it.
  void numericPadClearsAMarkedValue() {
    QmlFrame& f = Frame();
    QQuickItem* host = f.Create("import QtQuick 2.15\nNumpad { x: 173; y: 16; inputLength: 4; rawData: 1234; decPoint: 2 }");
    QVERIFY(host);
    f.Hold(f.Centre(qobject_cast<QQuickItem*>(FindNamed(host, "numpad_delete"))), 1000);
    QCOMPARE(host->property("clearMarked").toBool(), true);
    QCOMPARE(host->property("rawData").toInt(), 1234);
    Type(f, host, {"numpad_delete"});
    QCOMPARE(host->property("rawData").toInt(), 0);
    QCOMPARE(host->property("decPoint").toInt(), 0);
    delete host;
  }

  // The text editor locks the touch keys, starts with its keyboard, puts the
  // bullet at the very start without a line break and after a line break
  // elsewhere, and hands the text over on Ok.
  void textEditor() {
    QmlFrame& f = Frame();
    QQuickItem* editor = f.Create("import QtQuick 2.15\nMultiLineTextEditor { objectName: 'editor'; startText: '' }");
    QVERIFY(editor);
    QCOMPARE(f.Property("rootwindow", "smartKeyLock").toBool(), true);
    QObject* text = FindNamed(editor, "editorText");
    QTRY_VERIFY(qobject_cast<QQuickItem*>(text)->hasActiveFocus());
    QVERIFY(f.Tap("editorBullet"));
    Type(f, editor, {"key_12"});
    QVERIFY(f.Tap("editorBullet"));
    Type(f, editor, {"key_27"});
    QCOMPARE(text->property("text").toString(), QString("\u2022 a\n\u2022 b"));
    QCOMPARE(editor->property("textEdited").toBool(), true);
    f.Grab("text-editor.png");
    Type(f, editor, {"key_ok"});
    QTRY_COMPARE(editor->property("keyboardExpanded").toBool(), false);
    QTRY_COMPARE(f.Property("editorKeyboard", "visible").toBool(), false);
    QSignalSpy changes(editor, SIGNAL(changesMade()));
    QVERIFY(f.Tap("editorOk"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(editor->property("input").toString(), QString("\u2022 a\n\u2022 b"));
    QMetaObject::invokeMethod(editor, "kill");
    QTRY_VERIFY(!f.Named("editor"));
    QCOMPARE(f.Property("rootwindow", "smartKeyLock").toBool(), false);
  }

  // The increment fly-in steps by 1 and 10 and closes on OK.
  void incrementFlyin() {
    QmlFrame& f = Frame();
    QQuickItem* host = f.Create(
        "import QtQuick 2.15\n"
        "Item { anchors.fill: parent\n"
        "  property int value: 0\n"
        "  property alias flyin: bar\n"
        "  FlyinIncDec { id: bar; extended: true; onStep: value += delta } }");
    QVERIFY(host);
    QObject* bar = host->property("flyin").value<QObject*>();
    QTRY_COMPARE(bar->property("y").toInt(), 247 - 44);
    Type(f, host, {"flyin_++", "flyin_+", "flyin_+", "flyin_--", "flyin_-"});
    QCOMPARE(host->property("value").toInt(), 10 + 1 + 1 - 10 - 1);
    f.Grab("increment-flyin.png");
    Type(f, host, {"flyin_OK"});
    QCOMPARE(bar->property("extended").toBool(), false);
    delete host;
  }

  // The picture viewer saves the crop frame beside the picture and hands the
  // new picture to the file manager; its delete is a task request to
  // "Command", whose task removes the file from the card and reports done.
  void pictureViewer() {
    QmlFrame& f = Frame();
    const QString folder = KLX_Platform::Root() + "/Vorn/Screenshots";
    QVERIFY(QDir().mkpath(folder));
    QImage picture(640, 400, QImage::Format_RGB32);
    picture.fill(QColor("#2f7fd8"));
    QVERIFY(picture.save(folder + "/glider.png"));
    // The file manager's side: it opens a viewer and hears the task's states.
    QQuickItem* manager = f.Create(QString(
        "import QtQuick 2.15\n"
        "Item { id: manager; anchors.fill: parent\n"
        "  property var spriteViewer: null\n"
        "  property string viewingFileName: ''\n"
        "  property string croppedImageFullPath: ''\n"
        "  property var states: []\n"
        "  function view(name) { spriteViewer = Qt.createComponent('ImageViewer.qml').createObject(manager,\n"
        "    { image_filename: name, image_filepath: 'file://%1/' + name, image_path: 'file://%1' }) }\n"
        "  Connections { target: Command; function onGuiInformer(state) { states = states.concat([state]) } }\n"
        "  Component.onCompleted: view('glider.png') }")
        .arg(folder));
    QVERIFY(manager);
    QObject* viewer = manager->property("spriteViewer").value<QObject*>();
    QVERIFY(viewer);
    auto* shown = qobject_cast<QQuickItem*>(FindNamed(viewer, "viewerPicture"));
    QTRY_COMPARE(shown->property("status").toInt(), 1);  // Image.Ready
    // Scaled to fit, proportions kept.
    QCOMPARE(shown->property("paintedWidth").toReal() / shown->property("paintedHeight").toReal(), 1.6);

    QVERIFY(f.Tap("viewerCrop"));
    f.Grab("picture-viewer-crop.png");
    QPointer<QObject> first(viewer);
    QVERIFY(f.Tap("viewerSave"));
    QTRY_VERIFY(manager->property("spriteViewer").value<QObject*>() == nullptr);
    QTRY_VERIFY(first.isNull());
    const QString saved = manager->property("viewingFileName").toString();
    QVERIFY2(QRegularExpression("^glider_\\d{13}\\.png$").match(saved).hasMatch(), qPrintable(saved));
    QCOMPARE(manager->property("croppedImageFullPath").toString(), "file://" + folder + "/" + saved);
    const QImage crop(folder + "/" + saved);
    QCOMPARE(crop.size(), QSize(215, 100));

    // Deleted: the viewer closes as the request is queued, the file goes.
    QVERIFY(QMetaObject::invokeMethod(manager, "view", Q_ARG(QVariant, saved)));
    viewer = manager->property("spriteViewer").value<QObject*>();
    QVERIFY(viewer);
    QTRY_COMPARE(FindNamed(viewer, "viewerPicture")->property("status").toInt(), 1);
    f.Tap(qobject_cast<QQuickItem*>(FindNamed(viewer, "viewerDelete")));
    QVERIFY(manager->property("spriteViewer").value<QObject*>() == nullptr);
    QTRY_VERIFY(manager->property("states").toList().contains(int(KLX_VornTask::GUI_TASK_RESULT_Done)));
    QVERIFY(!QFile::exists(folder + "/" + saved));
    QVERIFY(QFile::exists(folder + "/glider.png"));
    QVERIFY(!f.Popup());
    delete manager;
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestControls test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_controls.moc"
