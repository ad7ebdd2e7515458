// The screens in the eight languages: each catalogue has every text
// translated, with the placeholders and markup of its source; and each screen
// of the index, shown in each language on a model with every element in use,
// shows no text cut in any row of its lists and grids: none elided, none
// wider than its item or than an item that clips it, none with a character
// its font lacks; nor, in a language other than English, a text the
// catalogue translates left in English (the stores' own words among them).
// A screen with such a text leaves its picture
// (translations-<code>-<screen>.png) with the screenshots;
// VORN_TRANSLATION_PICTURES=1 in the environment leaves every screen's, to
// look at the languages. No screen leaves rows to be made in the background.
#include <QFontMetricsF>
#include <QQmlContext>
#include <QQmlIncubator>
#include <QRegularExpression>
#include <QTextLayout>
#include <QTranslator>
#include <QXmlStreamReader>

#include "frame/klx_errordata.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_languagehandler.h"
#include "full_model.h"
#include "qml_frame/qml_frame_fixture.h"
#include "tasks/klx_runtimedatabasemanager.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");
const QRegularExpression kLetter(QStringLiteral("\\p{L}"));
constexpr unsigned kNoUsbStick = 0x24605;
const char* const kLanguages[] = {"de", "en", "fr", "es", "it", "no", "cn", "fi"};
// Display margins that hold every row of a list.
constexpr int kEveryRow = 1000000;

// ---- the catalogues ---------------------------------------------------------------------------

struct Message {
  QString context;
  QString source;
  QString type;               // "unfinished", "vanished", "obsolete" or empty
  QStringList translations;   // one per numerus form, else one
};

// The messages of a catalogue's XML; `error` tells where it is not well formed.
QList<Message> ReadCatalogue(const QByteArray& text, QString* error) {
  QList<Message> messages;
  QXmlStreamReader xml(text);
  QString context;
  Message message;
  bool numerus = false;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QStringRef name = xml.name();
      if (name == QLatin1String("name")) {
        context = xml.readElementText();
      } else if (name == QLatin1String("message")) {
        message = Message{context, {}, {}, {}};
        numerus = xml.attributes().value("numerus") == QLatin1String("yes");
      } else if (name == QLatin1String("source")) {
        message.source = xml.readElementText();
      } else if (name == QLatin1String("translation")) {
        message.type = xml.attributes().value("type").toString();
        // A numerus translation holds its forms; a plain one its text.
        if (!numerus) message.translations.append(xml.readElementText());
      } else if (name == QLatin1String("numerusform")) {
        message.translations.append(xml.readElementText());
      }
    } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
      messages.append(message);
    }
  }
  if (xml.hasError()) *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
  return messages;
}

// The placeholders (%1, %L1, %n, %Ln) and the markup tags of a text, sorted.
QStringList Marks(const QString& text) {
  static const QRegularExpression marks(QStringLiteral("%L?(\\d+|n)|</?[A-Za-z][A-Za-z0-9]*"));
  QStringList found;
  for (auto it = marks.globalMatch(text); it.hasNext();) found.append(it.next().captured().toLower());
  found.sort();
  return found;
}

// What is wrong with one message of a translated catalogue; empty when
// nothing is.
QString CatalogueFault(const Message& m) {
  if (m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete")) return QString();
  if (m.type == QLatin1String("unfinished")) return QStringLiteral("unfinished");
  if (m.translations.isEmpty()) return QStringLiteral("no translation");
  const QStringList source = Marks(m.source);
  for (const QString& form : m.translations) {
    if (form.trimmed().isEmpty()) return QStringLiteral("empty translation");
    const QStringList marks = Marks(form);
    if (marks != source)
      return QStringLiteral("marks %1 instead of %2 in \"%3\"").arg(marks.join(' '), source.join(' '), form);
  }
  return QString();
}

// ---- the screens ------------------------------------------------------------------------------

struct Screen {
  QString file;
  QVariantMap args;
};

// Every screen of the index, with the arguments it is opened with on the
// full model. Each differs from the one before it, so each is made anew.
QList<Screen> Screens() {
  const QVariantMap function0{{"functionId", 0}};
  return {
      {"FastMain.qml", {}},
      {"2_Home.qml", {}},
      {"3.qml", {}},
      {"13.qml", {}},
      {"14_Settings_System.qml", {}},
      {"1_System_Appearance.qml", {}},
      {"12.qml", {}},
      {"23.qml", {}},
      {"CountrySelector.qml", {}},
      {"18.qml", {}},
      {"UserMenu.qml", {}},
      {"7.qml", {}},
      {"ModelMenu.qml", {}},
      {"4_0.qml", {}},
      {"5.qml", function0},
      {"25_FunctionCurveEditor.qml", {{"functionId", 0}, {"fmStore", 0}}},
      {"22.qml", function0},
      {"29.qml", {{"parentId", "trim"}, {"functionId", 0}, {"initialControlId", KLX_VornTask::CONTROLID_RE_TRB_GUI}}},
      {"27_FunctionServos.qml", {{"functionId", 0}, {"functionLabel", "Fn0"}}},
      {"26.qml", {}},
      {"ServoCurveSettings.qml", {{"funcId", 0}, {"servoId", 0}, {"mixerId", 0}}},
      {"ServoCurveEditor.qml", {{"functionId", 0}, {"servoIndex", 0}, {"servoMxrIndex", 0}}},
      {"CutoffSettings.qml", {}},
      {"DifferentialsList.qml", {}},
      {"FuncDiffSettings.qml", function0},
      {"19.qml", {}},
      {"20.qml", {{"mixerIndex", 0}}},
      {"33_MixerCurveEditor.qml", {{"mixerId", 0}, {"functionId", -1}, {"fmStore", 0}, {"controlId", 0}}},
      {"21.qml", {}},
      {"FlightModeSelector.qml", {}},
      {"FlightModeEditor.qml", {{"lut_index", 0}, {"flightmodesNum", 27}}},
      {"SequencersList.qml", {}},
      {"SequencerServoList.qml", {{"sequencerIdx", 0}}},
      {"SequencerServoEditor.qml", {{"sequencerIdx", 0}}},
      {"TutorPupilSettings.qml", {}},
      {"36_ControlSelector.qml", {{"parentId", "function"}, {"funcId", 0}, {"initialControlId", -1}}},
      {"ControlConfigLinear.qml",
       {{"sourceOptionNumber", 4}, {"switchId", 0}, {"control", KLX_VornTask::CONTROLID_Stick_STA_GUI}}},
      {"PreflightChecklist.qml", {}},
      {"VoiceSettings.qml", {}},
      {"VoiceTelemetryIndividual.qml", {{"itemNum", 3}}},
      {"VoiceTimerSelector.qml", {{"itemNumTimer", 0}}},
      {"VoiceTimerAlarmSelector.qml", {{"vAlarmId", 0}}},
      {"ModelTypeChoose.qml", {}},
      {"AssistantSail_start.qml", {}},
      {"Modelbuilder.qml", {}},
      {"SequentialTA.qml", {}},
      {"VarioSettings2.qml", {}},
      {"15.qml", {}},
      {"VoiceSelector.qml", {}},
      {"TeleWidgetsVoiceSettings.qml", {}},
      {"TelemetryWidgetChooser.qml", {{"pageId", 0}, {"widgetX", 5}, {"widgetY", 20}}},
      {"TelemetryWidgetValueSetup.qml", {}},
      {"TelemetryWidgetValueSensorSlaveChooser.qml", {{"pageId", 0}, {"elementId", 0}}},
      {"TelemetryWidgetValueSlaveChooser.qml", {}},
      {"SensorAddressInfo.qml", {}},
      {"TelemetrySensorAlarmConfig.qml", {}},
      {"TelemetryWidgetTimerSetup.qml", {{"pageId", 0}, {"elementId", 0}, {"timerId", -1}}},
      {"TelemetryWidgetTimerAlarmConfig.qml", {}},
      {"TelemetryWidgetServoSetup.qml", {}},
      {"TelemetryWidgetQuickLinkSetup.qml", {}},
      {"TelemetryWidgetLabelSetup.qml", {}},
      {"TelemetryControls.qml", {}},
      {"TelemetryControlSett2.qml", {{"tconIndex", 0}}},
      {"FileManager.qml", {}},
      {"9_BindingMenu.qml", {}},
      {"FileSelector.qml", {}},
      {"VoiceSelector.qml", {{"manage", true}}},
      {"SoftwareInfo.qml", {}},
      {"WlanSettings.qml", {}},
      {"BTSettings.qml", {}},
      {"GPSFinder.qml", {}},
      {"HeadupMenu.qml", {}},
      // With the application update installed: what the locked keys wait for.
      {"SoftwareInfo.qml", {{"installed", true}}},
      {"EmptyOutroStop.qml", {}},
      {"24.qml", {}},
  };
}

// An item's name in a path: its objectName, else its id, else its type.
QString Step(QQuickItem* item) {
  if (!item->objectName().isEmpty()) return item->objectName();
  if (QQmlContext* context = qmlContext(item)) {
    const QString id = context->nameForObject(item);
    if (!id.isEmpty()) return id;
  }
  // "LabelledRow_QMLTYPE_12", "QQuickText": the name the QML gives the type.
  QString type = QString::fromLatin1(item->metaObject()->className());
  const int suffix = type.indexOf(QLatin1String("_QML"));
  if (suffix > 0) type.truncate(suffix);
  if (type.startsWith(QLatin1String("QQuick"))) type.remove(0, 6);
  return type;
}

// Rows of a list or repeater differ only in their numbers: one path names
// them all.
QString PathOf(QQuickItem* item, QQuickItem* root) {
  static const QRegularExpression number(QStringLiteral("\\d+"));
  QStringList steps;
  for (QQuickItem* at = item; at && at != root; at = at->parentItem()) steps.prepend(Step(at));
  return steps.join('/').replace(number, QStringLiteral("#"));
}

// Whether a text runs back and forth in its box to be read whole.
bool Scrolls(QQuickItem* text) {
  QQuickItem* box = text->parentItem();
  return box && box->property("scrolling").toBool();
}

// The characters of `text` that `font` (with its fall-backs) draws as a box.
QString MissingGlyphs(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  while (layout.createLine().isValid()) {
  }
  layout.endLayout();
  QString missing;
  for (const QGlyphRun& run : layout.glyphRuns())
    if (run.glyphIndexes().contains(0)) {
      for (const QChar c : text)
        if (!c.isSpace() && !QFontMetricsF(font).inFontUcs4(c.unicode()) && !missing.contains(c)) missing += c;
      if (missing.isEmpty()) missing = QStringLiteral("?");
    }
  return missing;
}

// Whether `item` lies in a list or flickable that scrolls up and down: any
// of its rows can be brought into view.
bool InScrollingList(QQuickItem* item) {
  for (QQuickItem* at = item->parentItem(); at; at = at->parentItem())
    if (at->inherits("QQuickFlickable") && at->property("contentHeight").toReal() > at->height() + 1) return true;
  return false;
}

// Where `text` is drawn inside its item.
QRectF Drawn(QQuickItem* text) {
  const qreal width = text->width();
  const qreal painted = text->property("paintedWidth").toReal();
  qreal left = 0;
  const int align = text->property("effectiveHorizontalAlignment").toInt();
  if (align == Qt::AlignRight) left = width - painted;
  if (align == Qt::AlignHCenter) left = (width - painted) / 2;
  return QRectF(left, 0, painted, text->height());
}

// What is wrong with one shown text item; empty when nothing is. A text in
// a list that scrolls up and down is checked in whichever row it is.
QString CutOf(QQuickItem* text, QQuickItem* window) {
  const qreal painted = text->property("paintedWidth").toReal();
  if (text->property("truncated").toBool()) return QStringLiteral("elided");
  if (painted > text->width() + 1) return QStringLiteral("%1 px wide in %2").arg(qRound(painted)).arg(qRound(text->width()));
  const bool anyRow = InScrollingList(text);
  for (QQuickItem* at = text->parentItem(); at; at = at->parentItem()) {
    const bool last = at == window;
    if (!at->clip() && !last) continue;
    // A list that scrolls sideways shows its rows a part at a time.
    if (at->inherits("QQuickFlickable") && at->property("contentWidth").toReal() > at->width() + 1) return QString();
    const QRectF drawn = text->mapRectToItem(at, Drawn(text));
    const qreal right = at->width();
    // Wholly outside: scrolled away or not on the screen at all.
    if (drawn.right() <= 0 || drawn.left() >= right) return QString();
    if (!anyRow && (drawn.bottom() <= 0 || drawn.top() >= at->height())) return QString();
    if (drawn.left() < -1 || drawn.right() > right + 1) {
      const qreal shown = qMin(drawn.right(), right) - qMax(drawn.left(), 0.0);
      return QStringLiteral("%1 px of %2 px shown in %3")
          .arg(qRound(shown))
          .arg(qRound(painted))
          .arg(last ? QStringLiteral("the window") : Step(at));
    }
    if (last) break;
  }
  return QString();
}

// Whether `item` shows, now or in a row of its list.
bool InView(QQuickItem* item, QQuickItem* window) {
  const bool anyRow = InScrollingList(item);
  for (QQuickItem* at = item->parentItem(); at; at = at->parentItem()) {
    if (!at->clip() && at != window) continue;
    const QRectF drawn = item->mapRectToItem(at, QRectF(0, 0, item->width(), item->height()));
    if (drawn.right() <= 0 || drawn.left() >= at->width()) return false;
    if (!anyRow && (drawn.bottom() <= 0 || drawn.top() >= at->height())) return false;
    if (at == window) break;
  }
  return true;
}

// The lists and grids below `item` that make only the rows in view.
QList<QQuickItem*> ItemViews(QQuickItem* item) {
  QList<QQuickItem*> found;
  for (QQuickItem* child : item->childItems()) {
    if (!child->isVisible() || child->opacity() <= 0) continue;
    if (child->inherits("QQuickItemView")) found.append(child);
    found.append(ItemViews(child));
  }
  return found;
}

// The source texts a catalogue gives in other words: shown as they stand,
// they are texts left untranslated. A source that is also some other text's
// translation is left out, as it may be shown rightly.
QSet<QString> Untranslated(const QList<Message>& messages) {
  QSet<QString> sources;
  QSet<QString> translations;
  for (const Message& m : messages) {
    if (!CatalogueFault(m).isEmpty() || m.type == QLatin1String("vanished") || m.type == QLatin1String("obsolete"))
      continue;
    for (const QString& form : m.translations) {
      translations.insert(form);
      if (form != m.source) sources.insert(m.source);
    }
  }
  return sources - translations;
}

}  // namespace

class TestTranslations : public QObject {
  Q_OBJECT
  VornQmlWarnings m_Warnings;
  std::unique_ptr<QmlFrame> m_Frame;

  // The full model on the larger board, the catalogues built from the
  // sources in the application folder where the language handler looks.
  QmlFrame& Frame() {
    if (!m_Frame) {
      m_Frame.reset(new QmlFrame(g_app));
      InstallCatalogues(*m_Frame);
      if (!m_Frame->StartAtHome()) qFatal("the main window did not start");
      KLX_TestBuildFullModel(&m_Frame->Db(), 1);
      AsAPilotHasIt(m_Frame->Db());
    }
    return *m_Frame;
  }

  // One element of each kind keeps the name a new one gets, which a screen
  // shows in the language chosen. The functions after the first drive two
  // servos each: with ten each, the servo overview makes 600 rows in each
  // language.
  static void AsAPilotHasIt(KLX_DataBaseManager& db) {
    const int S = AtomicDirSet;
    db.KLX_DataBaseManagerMixerGetSet_Name(1, "mixer", S, false);
    db.KLX_DataBaseManagerSequencerGetSet_Name(1, "sequencer", S, false);
    db.KLX_DataBaseManagerServoConfigGetSet_Name(1, "servo", S, false);
    db.KLX_DataBaseManagerTeleControlGetSet_Name(1, "telecontrol", S);
    const int noServo = db.KLX_DataBaseManagerGetMaxServos();
    for (int f = 1; f < db.KLX_DataBaseManagerGetMaxFunctions(); ++f)
      for (int slot = 2; slot < db.KLX_DataBaseManagerGetMaxServosPerFunction(); ++slot)
        db.KLX_DataBaseManagerFunctionGetSet_ServoAssignment_ServoIdx(f, slot, noServo, S, false);
  }

 private slots:
  void initTestCase() { m_Warnings.Install(); }
  void cleanup() { m_Warnings.Verify(); }
  void cleanupTestCase() { m_Frame.reset(); }

  // Every text translated, with its source's placeholders and markup in
  // each form; English shows the source texts.
  void catalogues_data() {
    QTest::addColumn<QString>("code");
    for (const char* code : kLanguages)
      if (QLatin1String(code) != QLatin1String("en")) QTest::newRow(code) << QString::fromLatin1(code);
  }
  void catalogues() {
    QFETCH(QString, code);
    QString error;
    const QList<Message> messages = Catalogue(code, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 1000);
    QStringList faults;
    for (const Message& m : messages) {
      const QString fault = CatalogueFault(m);
      if (!fault.isEmpty()) faults.append(QStringLiteral("%1 \"%2\": %3").arg(m.context, m.source, fault));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("\n") + faults.join('\n')));
  }

  // Each numerus form is a translation of its own.
  void catalogueForms() {
    QString error;
    const QList<Message> messages = ReadCatalogue(
        "<TS><context><name>Timers</name>"
        "<message numerus=\"yes\"><source>%n minute(s)</source>"
        "<translation><numerusform>%n Minute</numerusform><numerusform>%n Minuten</numerusform></translation>"
        "</message><message><source>Trim</source><translation type=\"unfinished\">Trimm</translation></message>"
        "</context></TS>",
        &error);
    QCOMPARE(error, QString());
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0].context, QString("Timers"));
    QCOMPARE(messages[0].translations, (QStringList{"%n Minute", "%n Minuten"}));
    QCOMPARE(messages[1].translations, QStringList{"Trimm"});
    QCOMPARE(messages[1].type, QString("unfinished"));
  }

  // What the check finds in texts made for it.
  void catalogueFaults_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("forms");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("fault");
    QTest::newRow("faithful") << "%1 of %L2 <b>servos</b>" << QStringList{"<b>Servos</b>: %L2 / %1"} << "" << "";
    QTest::newRow("unfinished") << "Trim" << QStringList{"Trimm"} << "unfinished" << "unfinished";
    QTest::newRow("empty") << "Trim" << QStringList{" "} << "" << "empty translation";
    QTest::newRow("placeholder lost")
        << "%1 s" << QStringList{"s"} << "" << "marks  instead of %1 in \"s\"";
    QTest::newRow("numerus form without %n")
        << "%n servo(s)" << QStringList{"%n Servo", "Servos"} << "" << "marks  instead of %n in \"Servos\"";
    QTest::newRow("tag lost") << "a<br>b" << QStringList{"a b"} << "" << "marks  instead of <br in \"a b\"";
    QTest::newRow("no longer used") << "Trim" << QStringList{""} << "vanished" << "";
  }
  void catalogueFaults() {
    QFETCH(QString, source);
    QFETCH(QStringList, forms);
    QFETCH(QString, type);
    QFETCH(QString, fault);
    QCOMPARE(CatalogueFault(Message{"c", source, type, forms}), fault);
  }

  // A text shown in English where the catalogue has other words for it;
  // not one that is also some text's translation, nor one kept as it is.
  void untranslatedTexts() {
    QString error;
    const QList<Message> messages = ReadCatalogue(
        "<TS><context><name>a</name>"
        "<message><source>On</source><translation>Ein</translation></message>"
        "<message><source>Start</source><translation>Start</translation></message>"
        "<message><source>Timer</source><translation>Stoppuhr</translation></message>"
        "<message><source>Clock</source><translation>Timer</translation></message>"
        "<message><source>Trim</source><translation type=\"unfinished\">Trimm</translation></message>"
        "</context></TS>",
        &error);
    QCOMPARE(error, QString());
    QCOMPARE(Untranslated(messages), (QSet<QString>{"On", "Clock"}));
  }

  // The error texts in the language chosen: the main window's own and the
  // one the error handler keeps for a failed task.
  void errorTexts() {
    QmlFrame& f = Frame();
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesChange_Language("de", false), int(KLX_Ok));
    QCOMPARE(f.Call("errorHandler", "getErrorMessage", {int(KLX_Error)}).toString(),
             QString("Allgemeiner Fehler aufgetreten"));
    f.Errors().Expect(kNoUsbStick);
    KLXErrorHandler.RegisterError(kNoUsbStick, QString());
    QCOMPARE(KLXErrorHandler.KLX_ErrorHandlerGetErrorText(),
             QString::fromUtf8("Kein USB-Stick eingesteckt \u2013 Kopieren nicht m\u00f6glich!"));
  }

  // Every text of the error table (what the box of a failed task shows) in
  // every catalogue: a text the catalogue lacks is shown in English.
  void everyErrorTextInEveryCatalogue_data() { catalogues_data(); }
  void everyErrorTextInEveryCatalogue() {
    QFETCH(QString, code);
    QmlFrame& f = Frame();
    // The table's own (English) texts.
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesChange_Language("en", false), int(KLX_Ok));
    QTranslator catalogue;
    QVERIFY(catalogue.load(QStringLiteral(VORN_TRANSLATIONS_DIR "/KLX32_%1.qm").arg(code)));
    const KLX_ErrorData table;
    QStringList missing;
    for (unsigned module = 0; module < KLX_ErrorData::kModules; ++module)
      for (unsigned number = 0; number < KLX_ErrorData::kNumbers; ++number) {
        const QString source = table.KLX_ErrorDataGetText(0, module, number);
        if (!source.isEmpty() && catalogue.translate("KLX_ErrorData", source.toUtf8().constData()).isEmpty())
          missing << source;
      }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
  }

  // A character no font has is found; one the system's fonts have is not.
  void missingGlyphs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fallBack");
    QTest::addColumn<QString>("missing");
    QTest::newRow("umlauts") << QString::fromUtf8("Flugphase \u00e4ndern") << true << "";
    QTest::newRow("Chinese from another font") << QString::fromUtf8("\u8235\u673a") << true << "";
    QTest::newRow("Chinese in Latin alone") << QString::fromUtf8("\u8235\u673a 1") << false
                                            << QString::fromUtf8("\u8235\u673a");
  }
  void missingGlyphs() {
    QFETCH(QString, text);
    QFETCH(bool, fallBack);
    QFETCH(QString, missing);
    QFont font(QStringLiteral("DejaVu Sans"), 15);
    if (!fallBack) font.setStyleStrategy(QFont::NoFontMerging);
    QCOMPARE(MissingGlyphs(text, font), missing);
  }

  // Each screen in one language: every text item shown whole and, in a
  // language other than English, none left in English.
  void screens_data() {
    QTest::addColumn<QString>("code");
    for (const char* code : kLanguages) QTest::newRow(code) << QString::fromLatin1(code);
  }
  void screens() {
    QFETCH(QString, code);
    QmlFrame& f = Frame();
    // As the system screen's flag chooses it.
    QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(code, false), int(KLX_Ok));
    QCOMPARE(KLXlanguageHandler.KLX_LanguageHandlerSelectedLanguage(), code);
    Pass pass;
    pass.code = code;
    if (code != QLatin1String("en")) pass.untranslated = Untranslated(Catalogue(code));
    QStringList warnings;
    for (const Screen& screen : Screens()) {
      // The firmware update's screen stays only while the start waits for
      // the update, and shows the task's name as the program gives it.
      const bool update = screen.file == QLatin1String("24.qml");
      if (update) WaitForUpdate(50, 25);
      f.Call("", "openScreen", {kFolder + screen.file, screen.args});
      QVERIFY2(f.WaitShown(kFolder + screen.file), qPrintable(screen.file));
      f.Settle();
      for (const QString& w : m_Warnings.Take()) warnings.append(screen.file + ": " + w);
      auto* shown = f.Root()->findChild<QObject*>("mainLoader")->property("item").value<QQuickItem*>();
      QVERIFY2(shown, qPrintable(screen.file));
      pass.file = screen.file;
      pass.pictured = false;
      QVERIFY2(MakeEveryRow(shown), qPrintable(screen.file));
      for (const QString& w : m_Warnings.Take()) warnings.append(screen.file + ": " + w);
      CheckTexts(f, shown, &pass);
      if (!pass.pictured && qEnvironmentVariableIsSet("VORN_TRANSLATION_PICTURES")) Picture(f, &pass);
      if (update) {
        f.Db().KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_SYSTEM_UP, AtomicDirSet);
        QTRY_COMPARE(f.Shown(), kHome);
      }
    }
    QVERIFY2(warnings.isEmpty(), qPrintable(QStringLiteral("\n") + warnings.join('\n')));
    for (const QString& line : pass.found) qInfo("found: %s", qPrintable(line));
    QVERIFY2(pass.found.isEmpty(),
             qPrintable(QStringLiteral("%1 texts cut or untranslated (the lines \"found:\" above)").arg(pass.found.size())));
  }


  // A row made in the background is left half made when its screen closes
  // first, and its bindings then read properties that are gone. Work handed
  // to this controller is never done: what a screen leaves to it stays
  // counted.
  void noScreenMakesRowsInTheBackground() {
    QmlFrame& f = Frame();
    QQmlEngine* engine = qmlEngine(f.Window());
    QQmlIncubationController frozen;
    QQmlIncubationController* window = engine->incubationController();
    engine->setIncubationController(&frozen);
    QStringList background;
    for (const Screen& screen : Screens()) {
      // Shown only while the start waits for an update.
      if (screen.file == QLatin1String("24.qml")) continue;
      f.Call("", "openScreen", {kFolder + screen.file, screen.args});
      if (!f.WaitShown(kFolder + screen.file)) background.append(screen.file + " not shown");
      f.Settle();
      if (frozen.incubatingObjectCount() > 0) background.append(screen.file);
    }
    engine->setIncubationController(window);
    QCOMPARE(background, QStringList());
  }

  // The message of a model or a settings save the card could not take, on
  // both boards in each language, each alone and those of one pass in one
  // box: every line whole in its box, shown without scrolling, and
  // translated.
  void aFailedModelSaveIsToldWhole_data() { BoardRows(); }
  void aFailedModelSaveIsToldWhole() {
    QFETCH(int, variant);
    QFETCH(QString, tag);
    // One system at a time: the full model's frame goes first.
    m_Frame.reset();
    QmlFrame f(g_app, static_cast<CSimBoard::Variant>(variant));
    InstallCatalogues(f);
    QVERIFY(f.StartAtHome());
    KLX_XMLFileSaver* saver = f.Db().KLX_DatabaseManagerXMLFileSaverPtr();
    QStringList found;
    for (const char* code : kLanguages) {
      QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(code, false), int(KLX_Ok));
      Pass pass;
      pass.code = code;
      pass.file = QStringLiteral("model-not-saved-") + tag;
      if (pass.code != QLatin1String("en")) pass.untranslated = Untranslated(Catalogue(pass.code));
      for (int reason : {KLX_DatabaseValues::ModelSaveFailure_CardFull, KLX_DatabaseValues::ModelSaveFailure_CardTooSmall,
                         KLX_DatabaseValues::ModelSaveFailure_NotWritten}) {
        // The pilot's model edits, the run time and timer values the program
        // keeps by itself, the settings: each alone, and as they come together.
        struct Told {
          bool model, values, settings;
        };
        for (const Told told : {Told{true, false, false}, Told{false, false, true}, Told{true, false, true},
                                Told{false, true, false}, Told{true, true, false}}) {
          const bool model = told.model, values = told.values, settings = told.settings;
          if (model) emit saver->modelSaveFailed(reason);
          if (values) emit saver->modelValuesSaveFailed(reason);
          if (settings) emit saver->settingsSaveFailed(reason);
          auto* box = qobject_cast<QQuickItem*>(f.Popup());
          QVERIFY(box);
          f.Settle();
          auto* message = qobject_cast<QQuickItem*>(FindNamed(box, QStringLiteral("message")));
          QVERIFY(message);
          QCOMPARE(message->property("text").toString().count('\n'), int(model) + int(values) + int(settings) - 1);
          // The text's own area (the flickable around it) holds it whole.
          QQuickItem* area = message->parentItem()->parentItem();
          if (message->height() > area->height())
            found.append(QStringLiteral("[%1] \"%2\": %3 px high in %4")
                             .arg(pass.code, message->property("text").toString())
                             .arg(qRound(message->height()))
                             .arg(qRound(area->height())));
          CheckTexts(f, box, &pass);
          f.Call("", "popupClose");
        }
      }
      found.append(pass.found);
    }
    QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("\n") + found.join('\n')));
  }

 private:
  // The catalogues built from the sources, in the application folder where
  // the language handler looks.
  static void InstallCatalogues(QmlFrame& f) {
    for (const char* code : kLanguages) {
      const QString name = QStringLiteral("/KLX32_%1.qm").arg(code);
      const QString installed = f.Board().Root() + "/app" + name;
      QFile::remove(installed);
      if (!QFile::copy(QStringLiteral(VORN_TRANSLATIONS_DIR) + name, installed))
        qFatal("no catalogue %s", qPrintable(name));
    }
  }

  // What one language's pass over the screens finds: a line for each text
  // cut or left in English, once per place on a screen.
  struct Pass {
    QString code;
    QString file;
    QSet<QString> untranslated;
    QSet<QString> seen;
    QStringList found;
    bool pictured = false;
  };

  static QList<Message> Catalogue(const QString& code, QString* error = nullptr) {
    QFile file(QStringLiteral(VORN_TRANSLATION_SOURCES "/KLX32_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly)) {
      if (error) *error = file.fileName() + ": " + file.errorString();
      return {};
    }
    QString fault;
    const QList<Message> messages = ReadCatalogue(file.readAll(), &fault);
    if (error && !fault.isEmpty()) *error = file.fileName() + ": " + fault;
    return messages;
  }

  // The firmware update's screen as the start shows it while it waits.
  void WaitForUpdate(int overall, int detail) {
    KLX_RuntimeDatabaseManager& runtime = Frame().System().RuntimeDatabase();
    runtime.KLX_RuntimeDatabaseManagerGetSetOverallPercent(overall, AtomicDirSet);
    runtime.KLX_RuntimeDatabaseManagerGetSetDetailPercent(detail, AtomicDirSet);
    runtime.KLX_RuntimeDatabaseManagerGetSetPercentName(
        QCoreApplication::translate("KLX_ProcessVorn", "Onboard firmware update"), AtomicDirSet);
    runtime.KLX_RuntimeDatabaseManagerGetSetDetailName("TC", AtomicDirSet);
    Frame().Db().KLX_DataBaseManagerGetSetStartupPhases(KLX_VornTask::KLX_PHASE_UPDATE, AtomicDirSet);
  }

  // Waits until the window has laid out what changed: its next frame has
  // polished the items (the views make and place their delegates then).
  bool Polished() {
    QQuickWindow* window = Frame().Window();
    bool polished = false;
    QObject receiver;
    QObject::connect(window, &QQuickWindow::afterAnimating, &receiver, [&] { polished = true; }, Qt::DirectConnection);
    window->update();
    return QTest::qWaitFor([&] { return polished; }, kVornHangMs);
  }

  static void Picture(QmlFrame& f, Pass* pass) {
    f.Grab(QStringLiteral("translations-%1-%2.png").arg(pass->code, QString(pass->file).remove(".qml")));
    pass->pictured = true;
  }

  // Every text of the screen as it stands now.
  static void CheckTexts(QmlFrame& f, QQuickItem* shown, Pass* pass) {
    QQuickItem* window = f.Window()->contentItem();
    QList<QQuickItem*> items{shown};
    while (!items.isEmpty()) {
      QQuickItem* item = items.takeLast();
      if (!item->isVisible() || item->opacity() <= 0) continue;
      items.append(item->childItems());
      if (!item->inherits("QQuickText") || Scrolls(item)) continue;
      const QString text = item->property("text").toString();
      // Numbers alone (values, lists of servos) are the model's, and a
      // screen may elide them: the words are what a language makes longer.
      if (!text.contains(kLetter)) continue;
      QStringList faults;
      const QString cut = CutOf(item, window);
      if (!cut.isEmpty()) faults.append(cut);
      const QString missing = MissingGlyphs(text, item->property("font").value<QFont>());
      if (!missing.isEmpty()) faults.append(QStringLiteral("no glyph for \"%1\"").arg(missing));
      if (pass->untranslated.contains(text) && InView(item, window)) faults.append(QStringLiteral("not translated"));
      const QString path = PathOf(item, shown);
      if (faults.isEmpty() || pass->seen.contains(path + text)) continue;
      pass->seen.insert(path + text);
      pass->found.append(
          QStringLiteral("%1 [%2] %3 \"%4\": %5").arg(pass->file, pass->code, path, text, faults.join(", ")));
      // A picture of the screen as it shows the first fault.
      if (!pass->pictured) Picture(f, pass);
    }
  }

  // Has every list and grid of the screen make all its rows, as if each
  // were scrolled through: a view makes only the rows in view (and in its
  // display margins). Rows may hold lists of their own. False when the
  // window did not lay them out.
  bool MakeEveryRow(QQuickItem* shown) {
    QSet<QQuickItem*> done;
    for (int depth = 0; depth < 4; ++depth) {
      bool more = false;
      for (QQuickItem* view : ItemViews(shown)) {
        if (done.contains(view)) continue;
        done.insert(view);
        // One that does not scroll up and down has made all its rows.
        if (view->property("contentHeight").toReal() <= view->height() + 1) continue;
        view->setProperty("displayMarginBeginning", kEveryRow);
        view->setProperty("displayMarginEnd", kEveryRow);
        more = true;
      }
      if (!more) return true;
      if (!Polished()) return false;
    }
    return true;
  }
};

int main(int argc, char* argv[]) {
  OwnDisplay();
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  TestTranslations test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_translations.moc"
