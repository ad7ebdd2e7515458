// The input parts in the running program, with the compiled translations in
// its application folder and the simulated controllers on its bus: a
// language change re-evaluates the main window's texts, the two-key gesture
// stores a screenshot and says where, the weak battery is told, a touch on
// the display silences the inactivity alarm, and the on-screen keyboard
// types into the focused field. The threads wait on manual clocks.
#include <QtTest>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickView>
#include <QQuickWindow>

#include <memory>

#include "audio/klx_audiohandler.h"
#include "frame/klx_board.h"
#include "frame/klx_clock.h"
#include "frame/klx_databasevalues.h"
#include "frame/klx_keyboardhandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_system.h"
#include "frame/qguitouchhandlerapplication.h"
#include "frame_input/frame_input_fixture.h"
#include "sim/csimboard.h"
#include "sim/csimcontrollers.h"
#include "vorn_display.h"
#include "vorn_fullmedium.h"
#include "vorn_testroot.h"

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
constexpr unsigned kNotLoaded = 0x30604;
constexpr unsigned kInitialize = 0x10601;
constexpr unsigned kNoTimezones = 0x22814;
constexpr unsigned kStateFileSkipped = 0x228A5;
const QString kHome = QStringLiteral("qrc:/Frontend/QML/2_Home.qml");
const QString kOutro = QStringLiteral("qrc:/Frontend/QML/EmptyOutroStop.qml");

// The reports that tell of a fault (fatal, error, warning), taken: the
// program's own threads run on meanwhile, and what they tell as information
// (the GPS thread's configuration restarted) is no part of a case.
QList<QPair<unsigned, QString>> TakeFaults(VornErrorWatch& errors) {
  QList<QPair<unsigned, QString>> faults;
  for (const auto& report : errors.TakeReports())
    if (VornErrorWatch::IsFailure(report.first)) faults << report;
  return faults;
}

// The program up on a prepared board whose application folder holds the
// compiled translations, its main window on the screen with the home screen.
struct Program {
  VornTestRoot root;
  CSimBoard board{root.Path(), CSimBoard::Vorn};
  std::unique_ptr<CSimControllers> controllers;
  KLX_ManualClock buttonClock;
  KLX_ManualClock batteryClock;
  KLX_System system;
  // Goes before the system, as in the program.
  QQmlApplicationEngine engine;
  QQuickWindow* window = nullptr;

  bool Start() {
    Board::Free();
    if (!board.Prepare()) return false;
    for (const QString& code : CSimBoard::LanguageCodes()) {
      const QString target = root.Path() + "/app/KLX32_" + code + ".qm";
      QFile::remove(target);
      if (!QFile::copy(QStringLiteral(VORN_TRANSLATIONS_DIR "/KLX32_") + code + ".qm", target)) return false;
    }
    controllers.reset(new CSimControllers(root.Path()));
    controllers->SetStreaming(false);
    controllers->Serve(root.Path() + "/run/can0");
    system.OnOffHandler().KLX_OnOffHandlerSetClock(&buttonClock);
    system.BatteryHandler().KLX_BatteryHandlerSetClock(&batteryClock);
    if (system.KLX_SystemStart(&engine, g_app) != KLX_Ok) return false;
    // No intro over the screens.
    system.Database().KLX_DataBaseManagerGetSetSystemPropertiesGetSet_IntroVideo(0, AtomicDirSet, false);
    engine.load(QUrl("qrc:/main.qml"));
    if (engine.rootObjects().size() != 1) return false;
    window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
    system.KLX_SystemSetQuickWindow(window);
    return window && QTest::qWaitForWindowExposed(window, kVornHangMs) && QTest::qWaitFor([&] { return Shown() == kHome; }, kVornHangMs);
  }
  ~Program() {
    // As the switch-off does: no part sends once the link goes down.
    system.KLX_SystemStopProcessing();
    system.KLX_SystemBringDownOnOffHandler();
    system.KLX_SystemStop(1);
    system.KLX_SystemFree();
  }
  QString Shown() const {
    return window->findChild<QObject*>("mainLoader")->property("source").toUrl().toString();
  }
  // Looked up in the screen shown now: the one shown before may linger until
  // it is deleted, with its texts no longer kept up to date.
  QString Text(const char* name) const {
    QObject* screen = window->findChild<QObject*>("mainLoader")->property("item").value<QObject*>();
    QObject* item = screen ? screen->findChild<QObject*>(name) : nullptr;
    return item ? item->property("text").toString() : QString("<no %1>").arg(name);
  }
  // The pop-up box shown now, its message and the label of a button.
  QObject* Popup() const { return window->property("currentPopup").value<QObject*>(); }
  QString PopupText() const { return Popup() ? Popup()->property("message").toString() : QString("<no box>"); }
  QString PopupButton(int index) const {
    const QString name = QString("popupButton_%1").arg(index);
    const auto* box = qobject_cast<QQuickItem*>(Popup());
    // The buttons are the repeater's: items of the box, not its children.
    QList<QQuickItem*> open{const_cast<QQuickItem*>(box)};
    while (box && !open.isEmpty()) {
      QQuickItem* item = open.takeFirst();
      if (item->objectName() == name) return item->property("gp_text").toString();
      open += item->childItems();
    }
    return QString("<no button %1>").arg(index);
  }
  void ClosePopup() { QMetaObject::invokeMethod(window, "popupClose"); }
  // The battery handler's signal, as its undervoltage guard sends it.
  QString WeakBatteryText() {
    emit system.BatteryHandler().voltageMinExceeded();
    return PopupText();
  }
  // Lock and forward key together, as the touch filter reports them.
  void ScreenshotKeys() {
    emit g_app->iconEvent(KLX_DatabaseValues::EventLock, KLX_DatabaseValues::EventRight);
    QCoreApplication::processEvents();
  }
  int Select(const QString& code) {
    return system.Database().KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(code);
  }
  void Touch(QEvent::Type type, const QList<QPointF>& positions) {
    static QTouchDevice* const panel = QTest::createTouchDevice();
    SendPanelTouch(window, type, positions, -1, panel);
  }
};
}  // namespace

class TestScreens : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<Program> m_Program;

 private slots:
  void initTestCase() {
    m_Warnings.Install();
    VornErrorWatch errors;
    // The prepared card has no time-zone list and an empty state file.
    errors.Expect({kNoTimezones, kStateFileSkipped});
    m_Program.reset(new Program);
    QVERIFY(m_Program->Start());
  }
  void cleanupTestCase() {
    m_Program.reset();
    Board::Free();
  }
  void cleanup() { m_Warnings.Verify(); }

  // Each language's own texts. The box on the screen and the switch-off
  // screen change with the language; boxes opened after the change speak
  // it; English, which has no catalogue entries, shows the texts as written.
  void aLanguageChangeReevaluatesTheTexts_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("outro");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("weak");
    QTest::addColumn<QString>("ok");
    QTest::newRow("de") << "de" << "System wird heruntergefahren..." << "Bildschirmfoto gespeichert in Datei:"
                        << "Akku ist schwach!\nDie Bedienoberfläche wird beendet..." << "OK";
    QTest::newRow("fr") << "fr" << "Arrêt du système..." << "Capture d'écran enregistrée dans le fichier :"
                        << "Batterie faible !\nL'interface s'arrête..." << "OK";
    QTest::newRow("es") << "es" << "Apagando el sistema..." << "Captura de pantalla guardada en el archivo:"
                        << "¡Batería baja!\nLa interfaz se está apagando..." << "Aceptar";
    QTest::newRow("it") << "it" << "Spegnimento del sistema..." << "Screenshot salvato nel file:"
                        << "Batteria scarica!\nL'interfaccia si sta spegnendo..." << "OK";
    QTest::newRow("no") << "no" << "Systemet slås av..." << "Skjermbilde lagret i filen:"
                        << "Batteriet er svakt!\nGrensesnittet slås av..." << "OK";
    QTest::newRow("cn") << "cn" << "系统正在关闭..." << "截图已保存到文件："
                        << "电池电量低！\n界面正在关闭..." << "确定";
    QTest::newRow("fi") << "fi" << "Järjestelmä sammuu..." << "Kuvakaappaus tallennettu tiedostoon:"
                        << "Akku on heikko!\nKäyttöliittymä sammuu..." << "OK";
    QTest::newRow("en, the texts' own language")
        << "en" << "System shutting down..." << "Screenshot is stored in file:"
        << "Battery is weak!\nGUI is shutting down..." << "Ok";
  }
  void aLanguageChangeReevaluatesTheTexts() {
    QFETCH(QString, code);
    QFETCH(QString, outro);
    QFETCH(QString, stored);
    QFETCH(QString, weak);
    QFETCH(QString, ok);
    Program& p = *m_Program;
    // The switch-off screen, and a box with its Ok button over it.
    p.system.KLX_SystemReadyToGoDown();
    QTRY_COMPARE(p.Shown(), kOutro);
    p.ScreenshotKeys();
    QVERIFY(p.Popup());

    QCOMPARE(p.Select(code), int(KLX_Ok));
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectedLanguage(), code);
    QCOMPARE(p.PopupButton(0), ok);
    QCOMPARE(p.Text("outroText"), outro);
    if (code == "de") p.window->grabWindow().save(VornScreenshotPath("main-switching-off-de.png"));

    // The message of a box is made when it opens. The weak battery's words
    // show over the box there; both closed, the next box is the only one.
    QCOMPARE(p.WeakBatteryText(), weak);
    QCOMPARE(p.PopupButton(0), QString("<no button 0>"));
    p.ClosePopup();
    p.ClosePopup();
    QVERIFY(!p.Popup());
    p.ScreenshotKeys();
    const QString prefix = stored + "\n/Vorn/Screenshots/";
    QVERIFY2(p.PopupText().startsWith(prefix), qPrintable(p.PopupText()));
    QVERIFY(QFileInfo::exists(p.root.Path() + p.PopupText().mid(stored.size() + 1)));
    p.ClosePopup();
    p.system.KLX_SystemClearGoDown();
    QTRY_COMPARE(p.Shown(), kHome);
  }

  // An unknown code changes nothing; a catalogue that cannot be loaded leaves
  // the texts in their own language; the same language again reinstalls it.
  void selectingALanguage() {
    Program& p = *m_Program;
    VornErrorWatch errors;
    errors.Expect(kNotLoaded);
    QSignalSpy changed(&KLXlanguageHandler, SIGNAL(KLX_LanguageHandlerLanguageChanged()));
    QCOMPARE(p.Select("de"), int(KLX_Ok));
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectLanguage("xx"), int(KLX_Ok));
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectLanguage("de"), int(KLX_Ok));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(p.WeakBatteryText(), QString("Akku ist schwach!\nDie Bedienoberfläche wird beendet..."));

    const QString italian = p.root.Path() + "/app/KLX32_it.qm";
    QVERIFY(QFile::rename(italian, italian + ".away"));
    QCOMPARE(p.Select("it"), int(KLX_Error));
    QCOMPARE(TakeFaults(errors), (QList<QPair<unsigned, QString>>{{kNotLoaded, "translator could not be loaded"}}));
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectedLanguage(), QString());
    QCOMPARE(p.WeakBatteryText(), QString("Battery is weak!\nGUI is shutting down..."));
    QVERIFY(QFile::rename(italian + ".away", italian));
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectLanguage("it"), int(KLX_Ok));
    QCOMPARE(p.WeakBatteryText(), QString("Batteria scarica!\nL'interfaccia si sta spegnendo..."));
    p.ClosePopup();
    QCOMPARE(p.Select("en"), int(KLX_Ok));

    KLX_LanguageHandler other;
    errors.Expect(kInitialize);
    QCOMPARE(other.KLX_LanguageHandlerInitialize(nullptr), int(KLX_Error));
    QCOMPARE(TakeFaults(errors),
             (QList<QPair<unsigned, QString>>{{kInitialize, "KLX_LanguageHandlerInitialize gone wrong"}}));
  }

  // Lock and forward keys held: the window is grabbed and stored as a JPG
  // under "/Vorn/Screenshots", and the box tells where.
  void theTwoKeyGestureStoresAScreenshot() {
    Program& p = *m_Program;
    p.Touch(QEvent::TouchBegin, {QPointF(50, 281), QPointF(300, 281)});
    p.Touch(QEvent::TouchUpdate, {QPointF(50, 282), QPointF(300, 281)});
    const QTimer& hold = g_app->QGuiTouchHandlerApplicationScreenShotTimer();
    QVERIFY(hold.isActive());
    QVERIFY(QMetaObject::invokeMethod(const_cast<QTimer*>(&hold), "timeout"));
    p.Touch(QEvent::TouchEnd, {QPointF(50, 281), QPointF(300, 281)});

    const QString text = p.PopupText();
    const QRegularExpression stored("^Screenshot is stored in file:\n(/Vorn/Screenshots/\\d+_\\d+_\\d+_\\d+_\\d+_[AP]M(_\\d+)?\\.jpg)$");
    const QRegularExpressionMatch match = stored.match(text);
    QVERIFY2(match.hasMatch(), qPrintable(text));
    QCOMPARE(p.PopupButton(0), QString("Ok"));
    const QImage shot(p.root.Path() + match.captured(1), "JPG");
    QCOMPARE(shot.size(), QSize(480, 272));
    shot.save(VornScreenshotPath("screenshot-gesture.png"));
    p.window->grabWindow().save(VornScreenshotPath("main-screenshot-stored.png"));
    p.ClosePopup();
  }

  // The date format of this locale (en_US) holds "/" and no seconds: names
  // stay in the folder, and shots within one minute are numbered.
  void screenshotNamesStayInTheFolderAndNeverReplaceOneAnother() {
    Program& p = *m_Program;
    KLX_LanguageHandler handler;
    const QDateTime at(QDate(2024, 5, 7), QTime(9, 5, 3));
    QCOMPARE(handler.KLX_LanguageHandlerGetScreenShot(), false);
    QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("", at), QString());
    QVERIFY(handler.KLX_LanguageHandlerSetQuickWindow(p.window));
    QVERIFY(handler.KLX_LanguageHandlerGetScreenShot());
    QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("", at), QString("/Vorn/Screenshots/5_7_24_9_05_AM.jpg"));
    QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("", at.addSecs(40)),
             QString("/Vorn/Screenshots/5_7_24_9_05_AM_2.jpg"));
    QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("/media/usb0", at), QString("/media/usb0/5_7_24_9_05_AM.jpg"));
    QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("/Vorn/../..", at), QString());
    QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("/Vorn/NoSuchFolder", at), QString());
    {
      // A card without room for the whole picture: no shot, and nothing of it.
      VornFullMedium card(1000, ENOSPC, "5_7_24");
      QCOMPARE(handler.KLX_LanguageHandlerSaveScreenShotAt("", at.addSecs(50)), QString());
    }
    QStringList stored = QDir(p.root.Path() + "/Vorn/Screenshots").entryList({"5_7_24*"}, QDir::Files | QDir::Hidden);
    QCOMPARE(stored, (QStringList{"5_7_24_9_05_AM.jpg", "5_7_24_9_05_AM_2.jpg"}));
    QVERIFY(QFileInfo::exists(p.root.Path() + "/media/usb0/5_7_24_9_05_AM.jpg"));
  }

  // Any touch counts as activity: one on the display ends the alarm.
  void aTouchOnTheDisplaySilencesTheIdleAlarm() {
    Program& p = *m_Program;
    KLX_AudioHandler* audio = p.system.Database().KLX_DatabaseManagerAudioHandlerPointer();
    p.system.Database().KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(1, AtomicDirSet, false);
    p.system.BatteryHandler().KLX_BatteryHandlerResetInactivityTimer();
    QVERIFY(p.batteryClock.KLX_ManualClockRun(60000 + 2 * 375));
    QCOMPARE(audio->IdleAlarm(), true);
    p.Touch(QEvent::TouchBegin, {QPointF(240, 100)});
    p.Touch(QEvent::TouchEnd, {QPointF(240, 100)});
    QVERIFY(p.batteryClock.KLX_ManualClockRun(375));
    QCOMPARE(audio->IdleAlarm(), false);
    p.system.Database().KLX_DataBaseManagerGetSetSystemProperties_IdleTimeout(0, AtomicDirSet, false);
  }

  // Keys from the on-screen keyboard, as QML sends them, reach the field
  // with the focus: letters in the chosen case, digits and the blank as
  // they are, the backspace as a key.
  void theKeyboardTypesIntoTheFocusedField() {
    KLX_KeyboardHandler keyboard;
    QQuickView view;
    view.rootContext()->setContextProperty("VornKeyboard", &keyboard);
    QTemporaryDir dir;
    QFile qml(dir.filePath("Field.qml"));
    QVERIFY(qml.open(QIODevice::WriteOnly));
    qml.write("import QtQuick 2.15\n"
              "TextInput {\n"
              "  width: 200; height: 40; focus: true\n"
              "  function type(keys, caps) { for (var i = 0; i < keys.length; ++i)\n"
              "    VornKeyboard.KLX_KeyboardHandlerEmitKey(keys[i], caps[i]) }\n"
              "}\n");
    qml.close();
    view.setSource(QUrl::fromLocalFile(qml.fileName()));
    QCOMPARE(view.status(), QQuickView::Ready);
    view.show();
    view.requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(&view, kVornHangMs));
    QQuickItem* field = view.rootObject();
    QVERIFY(field->hasActiveFocus());
    const QVariantList keys{int(Qt::Key_A), int(Qt::Key_B), int(Qt::Key_Space), int(Qt::Key_1), int(Qt::Key_2),
                            int(Qt::Key_Backspace)};
    const QVariantList caps{true, false, false, true, false, false};
    QVERIFY(QMetaObject::invokeMethod(field, "type", Q_ARG(QVariant, keys), Q_ARG(QVariant, caps)));
    QCOMPARE(field->property("text").toString(), QString("Ab 1"));
  }
};

int main(int argc, char* argv[]) {
  VornOwnDisplay();
  // The screenshot names follow the system locale's date format.
  qputenv("LC_ALL", "en_US.UTF-8");
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestScreens test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_screens.moc"
