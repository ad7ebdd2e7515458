// The voice selector as the telemetry voices and the announcement list open
// it, on the board named by the first argument ("fenk", else the larger
// one): the factory voices listed, one chosen, stored and shown; and as the
// voice settings open it, voice packs installed from a stick and a voice
// deleted. Each board runs in a process of its own.
#include "audio/klx_tts.h"
#include "qml_frame/qml_frame_fixture.h"
#include "sim/csimupdateserver.h"
#include "sim/csimvoices.h"
#include "vorn_filetree.h"
#include "vorn_fixture.h"
#include "vorn_powercut.h"
#include "platform/klx_commandrunner.h"

#include <QStandardPaths>
#include <QWheelEvent>

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
// A voice pack on the stick's folder as zip, Python or bsdtar packs it: a
// voice behind a password (fr_secret...), one with LZMA (fr_lzma...), a 7z
// archive (fr_7z), a zip cut short (fr_cut), or else one with 8 MB of zeros;
// or one of 1,001 files (fr_many), made here.
bool PackOnStick(const QString& stick, const QString& pack) {
  if (pack == "fr_many") {
    QList<CSimFile> files{{pack + "/voice.conf", "espeak=fr\nlanguage=French\nname=Many\n"}};
    for (int i = 1; i <= 1000; ++i) files.append({pack + QStringLiteral("/%1.wav").arg(i), QByteArray::number(i)});
    return WriteFile(stick + pack + ".zip", CSimUpdateServer::Zip(files));
  }
  // A download cut short: the start of a zip, no directory at its end.
  if (pack == "fr_cut") return WriteFile(stick + pack + ".zip", QByteArray("PK\x03\x04", 4) + QByteArray(300, 'v'));
  if (!WriteFile(stick + pack + "/voice.conf", "espeak=fr\nlanguage=French\nname=Big\n")) return false;
  const QString how =
      pack.startsWith("fr_secret") ? "zip -qr -e -P secret \"$2.zip\" \"$2\""
      : pack.startsWith("fr_lzma")
          ? "python3 -c \"import zipfile,sys; zipfile.ZipFile(sys.argv[1]+'.zip','w',zipfile.ZIP_LZMA)"
            ".write(sys.argv[1]+'/voice.conf')\" \"$2\""
      : pack == "fr_7z"  ? "bsdtar --format 7zip -cf \"$2.zip\" \"$2\""
      : pack == "fr_tar" ? "bsdtar --format ustar -cf \"$2.zip\" \"$2\""
          : "head -c 8000000 /dev/zero > \"$2/zeros\" && zip -qr \"$2.zip\" \"$2\"";
  return KLX_Platform::Run("sh", {"-c", "cd \"$1\" && " + how + " && rm -r \"$2\"", "sh", stick, pack}) == 0;
}
// The card filled since the start to 4 MB free: a file that takes no room on
// the host holds the rest of a card of the 256 MiB the program needs (a
// smaller card fails every save the screens ask for).
bool FillCard(const QString& root) {
  QFile filler(root + "/Vorn/filler.bin");
  return filler.open(QIODevice::WriteOnly) && filler.resize(256LL << 20) && SetCardFree(root, 4000000);
}
// What is wrong with the message of the pop-up box as it stands: a line
// of it cut at the edge of its area, a line wider than the area, or text
// beyond the area with no scroll bar to say so; empty when nothing is.
QString MessageFault(QmlFrame& f) {
  auto* text = qobject_cast<QQuickItem*>(FindNamed(f.Popup(), "message"));
  QQuickItem* area = text && text->parentItem() ? text->parentItem()->parentItem() : nullptr;
  if (!area || !area->inherits("QQuickFlickable")) return "no message area";
  if (text->property("truncated").toBool() || text->property("paintedWidth").toReal() > text->width() + 1)
    return "a line wider than the box";
  const int lines = text->property("lineCount").toInt();
  const qreal line = text->height() / lines;
  const qreal top = area->property("contentY").toReal();
  const qreal bottom = top + area->height();
  for (int n = 0; n < lines; ++n) {
    const qreal from = n * line;
    const qreal to = from + line;
    if (to > top + 0.5 && from < bottom - 0.5 && (from < top - 0.5 || to > bottom + 0.5))
      return QStringLiteral("line %1 of %2 cut (%3 to %4 px in an area from %5 to %6 px)")
          .arg(n + 1).arg(lines).arg(from).arg(to).arg(top).arg(bottom);
  }
  auto* bar = qobject_cast<QQuickItem*>(FindNamed(f.Popup(), "messageScrollBar"));
  if (text->height() > area->height() + 0.5 && !(bar && bar->isVisible()))
    return QStringLiteral("%1 of %2 lines shown, no scroll bar").arg(qRound(area->height() / line)).arg(lines);
  const QRectF box = f.Item("popupLayer")->mapRectFromItem(qobject_cast<QQuickItem*>(f.Popup()),
                                                           QRectF(0, 0, f.Popup()->property("width").toReal(),
                                                                  f.Popup()->property("height").toReal()));
  if (box.top() < 0 || box.bottom() > f.Item("popupLayer")->height()) return "the box beyond the screen area";
  return QString();
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
  // Speech starts anew with each case's system.
  void init() { KLX_TTS::AllowRestart(); }
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

    // A voice alarm's voice as a pilot goes there (the list, the alarm, its
    // voice): "Select" goes back to that alarm, not to the list.
    constexpr int alarm = 3;
    QCOMPARE(db.KLX_DataBaseManagerVAlarmGetSetType(alarm, 1, AtomicDirSet), 1);
    QVERIFY(Open(f, kAlarm));
    QCOMPARE(f.Property("voiceSettings", "itemNum").toInt(), -1);
    QVERIFY(f.Tap(QStringLiteral("voiceAlarm_%1").arg(alarm)));
    QTRY_COMPARE(f.Property("voiceSettings", "itemNum").toInt(), alarm);
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

  // "Voices" of the voice settings: two sticks plugged, the one with the
  // packs chosen; the sound pack installed and counted, the damaged one,
  // an encrypted one, one that does not fit on the card (8 MB of zeros on
  // a card of 4 MB), one of too many files and one of another kind of
  // archive (7z, a plain tar) not, and the pilot told each reason in its own
  // words with how many packs it holds for, whether a voice was installed
  // or none, and each pack left out named (the card's room, its check, what
  // it is);
  // then the new voice deleted, gone from the card and the list. Of a pack
  // left out nothing stays on the card, its archive's copy included: the
  // card holds what it held once the new voice is deleted.
  void voicePacks_data() {
    QTest::addColumn<QStringList>("packs");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QStringList>("warned");
    const QString fit = "/fr_big.zip does not fit on the card";
    QTest::newRow("a damaged pack") << QStringList{"de_greta", "fr_lea"}
                                    << "1 voice installed. 1 voice pack was not installed: it failed its check.\n\"fr_lea.zip\" "
                                       "failed its check."
                                    << QStringList{"/fr_lea.zip does not match its checksum list: refused"};
    QTest::newRow("damaged, encrypted, too large, too many files")
        << QStringList{"de_greta", "fr_lea", "fr_secret", "fr_big", "fr_many"}
        << "1 voice installed. 1 voice pack was not installed: there is not enough memory on the SD card. 1 voice pack "
           "was not installed: it failed its check. 1 voice pack was not installed: it cannot be read. 1 voice pack was "
           "not installed: it holds too many files.\n\"fr_big.zip\" does not fit on the SD card.\n\"fr_lea.zip\" failed "
           "its check.\n\"fr_many.zip\" holds too many files: its checksum list may name at most 100.\n\"fr_secret.zip\" is "
           "encrypted."
        << QStringList{"/fr_lea.zip does not match its checksum list: refused", "/fr_secret.zip is encrypted: refused", fit,
                       "/fr_many.zip holds 1001 files"};
    // Left out for room alone: told so, and nothing of a check.
    QTest::newRow("too large beside one that fits")
        << QStringList{"de_greta", "fr_big"}
        << "1 voice installed. 1 voice pack was not installed: there is not enough memory on the SD card.\n\"fr_big.zip\" "
           "does not fit on the SD card."
        << QStringList{fit};
    // None installed: each reason told all the same, room beside the others.
    QTest::newRow("too large, encrypted, a 7z archive")
        << QStringList{"fr_7z", "fr_big", "fr_secret"}
        << "No voice was installed. 1 voice pack was not installed: there is not enough memory on the SD card. 2 voice "
           "packs were not installed: they cannot be read.\n\"fr_7z.zip\" is an archive of a kind the transmitter cannot "
           "unpack.\n\"fr_big.zip\" does not fit on the SD card.\n\"fr_secret.zip\" is encrypted."
        << QStringList{"/fr_7z.zip is a 7z archive, which unzip cannot read: refused", fit,
                       "/fr_secret.zip is encrypted: refused"};
    QTest::newRow("damaged, encrypted, LZMA")
        << QStringList{"fr_lea", "fr_lzma", "fr_secret"}
        << "No voice was installed. 1 voice pack was not installed: it failed its check. 2 voice packs were not installed: "
           "they cannot be read.\n\"fr_lea.zip\" failed its check.\n\"fr_lzma.zip\" uses a compression that cannot be "
           "unpacked.\n\"fr_secret.zip\" is encrypted."
        << QStringList{"/fr_lea.zip does not match its checksum list: refused", "/fr_lzma.zip is packed with compression method 14",
                       "/fr_secret.zip is encrypted: refused"};
    // A plain tar named ".zip": an archive of another kind, not a compression.
    QTest::newRow("a tar archive beside one that installs")
        << QStringList{"de_greta", "fr_tar"}
        << "1 voice installed. 1 voice pack was not installed: it cannot be read.\n\"fr_tar.zip\" is an archive of a kind "
           "the transmitter cannot unpack."
        << QStringList{"/fr_tar.zip is a tar archive, which unzip cannot read: refused"};
    QTest::newRow("a pack cut short beside one that installs")
        << QStringList{"de_greta", "fr_cut"}
        << "1 voice installed. 1 voice pack was not installed: it cannot be read.\n\"fr_cut.zip\" cannot be read: it is "
           "no whole zip archive."
        << QStringList{"/fr_cut.zip is no zip archive that can be read: refused"};
    QTest::newRow("only one too large")
        << QStringList{"fr_big"}
        << "No voice was installed. 1 voice pack was not installed: there is not enough memory on the SD card.\n"
           "\"fr_big.zip\" does not fit on the SD card."
        << QStringList{fit};
    // Told before anything of it is unpacked, and what is wrong with it.
    QTest::newRow("1,001 files") << QStringList{"fr_many"}
                                 << "No voice was installed. 1 voice pack was not installed: it holds too many files.\n"
                                    "\"fr_many.zip\" holds too many files: its checksum list may name at most 100."
                                 << QStringList{"/fr_many.zip holds 1001 files, more than its checksum list may name (100): refused"};
  }
  void voicePacks() {
    QFETCH(QStringList, packs);
    QFETCH(QString, told);
    QFETCH(QStringList, warned);
    if (QStandardPaths::findExecutable("zip").isEmpty() || QStandardPaths::findExecutable("bsdtar").isEmpty())
      QSKIP("needs zip and bsdtar");
    QmlFrame f(g_app, g_variant);
    // The runtime read-outs stopped and started around the install.
    f.Errors().Expect({0x33901, 0x33902});
    const QString voices = f.Board().Root() + "/Vorn/Sound/Voices";
    QVERIFY(CSimVoices::Prepare(voices));
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    QVERIFY(f.Board().SetUsbStickInserted(3, true));
    const QString stick = f.Board().Root() + "/media/usb3/Voices/";
    const QMap<QString, QByteArray> made{
        {"de_greta", CSimUpdateServer::VoicePack("de_greta", "German", "Greta", "de+f4")},
        {"fr_lea", CSimUpdateServer::VoicePack("fr_lea", "French", "Lea", "fr+f2", true)}};
    for (const QString& pack : packs) {
      if (made.contains(pack)) {
        QVERIFY(WriteFile(stick + pack + ".zip", made[pack]));
        continue;
      }
      QVERIFY(PackOnStick(stick, pack));
    }
    QVERIFY(f.StartAtHome());
    QVERIFY(FillCard(f.Board().Root()));
    const int factory = int(CSimVoices::Factory().size());
    QTRY_COMPARE(f.Db().KLX_DataBaseManagerGetVoicesCount(), factory);

    const QString tag = g_variant == CSimBoard::Fenk ? "fenk" : "vorn";
    QVERIFY(Open(f, kAlarm));
    f.Settle();
    f.Grab("voice-settings-" + tag + ".png");
    QVERIFY(f.Tap("installedVoices"));
    QVERIFY(f.WaitShown(kVoices));
    QCOMPARE(f.Property("voiceSelector", "voices").toList().size(), factory);
    const QString card = f.Board().Root() + "/Vorn";
    const auto held = [&] { return VornFileTree(card + "/Sound") + VornFileTree(card + "/Update/Pkgs"); };
    const QStringList before = held();
    QVERIFY(f.Tap("voiceInstall"));
    QTRY_VERIFY(f.Item("stickChooser") && f.Item("stickChooser")->isVisible());
    f.Settle();
    f.Grab("voice-packs-stick-" + tag + ".png");
    QVERIFY(f.Tap("choose_0_3"));
    QTRY_VERIFY_WITH_TIMEOUT(f.Popup() != nullptr, kHangMs);
    QCOMPARE(f.PopupText(), told);
    const QStringList seen = m_Warnings.Take();
    QCOMPARE(seen.size(), warned.size());
    for (const QString& warning : warned)
      QVERIFY2(!seen.filter(warning).isEmpty(), qPrintable(seen.join('\n')));
    for (const QString& pack : packs)
      QCOMPARE(QFileInfo::exists(voices + "/" + pack), pack == "de_greta");
    QVERIFY(!QFileInfo::exists(f.Board().Root() + "/Vorn/Sound/.unpacking"));
    // The installed voice's archive stays, to go with it.
    QCOMPARE(QDir(card + "/Update/Pkgs").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             packs.contains("de_greta") ? QStringList{"de_greta.zip"} : QStringList());
    f.Settle();
    f.Grab("voice-packs-" + QString(QTest::currentDataTag()).replace(QRegularExpression("\\W+"), "-") + "-" + tag + ".png");
    QVERIFY(f.TapInPopup("popupButton_0"));
    if (!packs.contains("de_greta")) {
      QCOMPARE(held(), before);
      return;
    }
    QTRY_COMPARE(f.Property("voiceSelector", "voices").toList().size(), factory + 1);

    QString name;
    const QVariantList listed = f.Property("voiceSelector", "voices").toList();
    for (int row = 0; row < listed.size(); ++row) {
      const QVariantMap v = listed[row].toMap();
      if (v.value("path").toString() != "de_greta") continue;
      QVERIFY(Choose(f, row, v.value("index").toInt()));
      name = v.value("name").toString();
    }
    QVERIFY(name.startsWith("Greta"));
    QVERIFY(f.Tap("voiceDelete"));
    QTRY_COMPARE(f.PopupText(), "Delete the voice \"" + name + "\"?");
    VornPowerCut calls;
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(voices + "/de_greta"), kHangMs);
    // Gone on the card when the screen says so.
    QTRY_VERIFY(calls.Log().contains("syncfolder " + voices + "/"));
    QTRY_COMPARE(f.Property("voiceSelector", "voices").toList().size(), factory);
    for (const QVariant& v : f.Property("voiceSelector", "voices").toList())
      QVERIFY(v.toMap().value("path").toString() != "de_greta");
    QVERIFY(!f.Property("voiceSelector", "voices").toList().isEmpty());
    QCOMPARE(held(), before);
    QCOMPARE(f.Property("rootwindow", "smartKeyLock").toBool(), false);
    f.Settle();
    f.Grab("installed-voices-" + tag + ".png");
  }

  // Desktop: a mouse wheel turned over the install's stick chooser, over
  // its result box or beside it over the voice list, leaves the list where
  // it stands, as a touch there does; once the box is closed the same wheel
  // moves the list.
  void aWheelOverTheResultBoxLeavesTheListAlone() {
    QmlFrame f(g_app, g_variant);
    f.Errors().Expect({0x33901, 0x33902});
    QVERIFY(CSimVoices::Prepare(f.Board().Root() + "/Vorn/Sound/Voices"));
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    QVERIFY(f.Board().SetUsbStickInserted(3, true));
    QVERIFY(WriteFile(f.Board().Root() + "/media/usb0/Voices/fr_lea.zip",
                      CSimUpdateServer::VoicePack("fr_lea", "French", "Lea", "fr+f2", true)));
    QVERIFY(f.StartAtHome());
    QTRY_COMPARE(f.Db().KLX_DataBaseManagerGetVoicesCount(), int(CSimVoices::Factory().size()));
    f.Call("", "openScreen", {kVoices, QVariantMap{{"manage", true}}});
    QVERIFY(f.WaitShown(kVoices));
    QQuickItem* list = f.Item("voiceList");
    QVERIFY(list && list->property("contentHeight").toReal() > list->height());
    const qreal top = list->property("contentY").toReal();
    // Whether the list took the wheel: it starts to move at once.
    const auto wheel = [&](const QPointF& at) {
      QWheelEvent turn(at, f.Window()->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, -120), Qt::NoButton,
                       Qt::NoModifier, Qt::NoScrollPhase, false);
      QGuiApplication::sendEvent(f.Window(), &turn);
      return list->property("moving").toBool() || list->property("flicking").toBool() ||
             list->property("contentY").toReal() != top;
    };
    const QRectF listArea = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
    const QPointF beside = listArea.topLeft() + QPointF(1, 4);
    QVERIFY(f.Tap("voiceInstall"));
    QTRY_VERIFY(f.Item("stickChooser") && f.Item("stickChooser")->isVisible());
    // At the chooser's edge, beside its own list of sticks.
    QVERIFY(!wheel(beside));
    QVERIFY(f.Tap("choose_0_0"));
    QTRY_VERIFY_WITH_TIMEOUT(f.Popup() != nullptr, kHangMs);
    QCOMPARE(f.PopupText(), "No voice was installed. 1 voice pack was not installed: it failed its check.\n\"fr_lea.zip\" "
                            "failed its check.");
    auto* box = qobject_cast<QQuickItem*>(f.Popup());
    const QRectF boxArea = box->mapRectToScene(QRectF(0, 0, box->width(), box->height()));
    const QPointF over = boxArea.center();
    QVERIFY(listArea.contains(over) && !boxArea.contains(beside));
    QVERIFY(!wheel(over));
    QVERIFY(!wheel(beside));
    QCOMPARE(list->property("contentY").toReal(), top);
    QVERIFY(f.TapInPopup("popupButton_0"));
    QTRY_VERIFY(!f.Popup());
    QVERIFY(wheel(over));
    m_Warnings.Take();
  }

  // The longest message an install gives (a voice installed, eleven packs
  // left out, for each of the reasons, each of them named)
  // in each language: every line whole, every named pack in view or a
  // scroll bar beside them, and at the end of the scroll every line whole
  // again.
  void installMessageInEveryLanguage() {
    if (QStandardPaths::findExecutable("zip").isEmpty() || QStandardPaths::findExecutable("bsdtar").isEmpty())
      QSKIP("needs zip and bsdtar");
    QmlFrame f(g_app, g_variant);
    f.Errors().Expect({0x33901, 0x33902});
    for (const char* code : {"de", "fr", "es", "it", "no", "cn", "fi"}) {
      const QString name = QStringLiteral("/KLX32_%1.qm").arg(code);
      QFile::remove(f.Board().Root() + "/app" + name);
      QVERIFY(QFile::copy(QStringLiteral(VORN_TRANSLATIONS_DIR) + name, f.Board().Root() + "/app" + name));
    }
    QVERIFY(CSimVoices::Prepare(f.Board().Root() + "/Vorn/Sound/Voices"));
    QVERIFY(f.Board().SetUsbStickInserted(0, true));
    const QString stick = f.Board().Root() + "/media/usb0/Voices/";
    const QStringList named{"fr_secret", "fr_lzma", "fr_secret_too", "fr_lzma_too", "fr_secret_3", "fr_secret_4",
                            "fr_secret_5", "fr_many", "fr_lea", "fr_tar"};
    QVERIFY(WriteFile(stick + "de_greta.zip", CSimUpdateServer::VoicePack("de_greta", "German", "Greta", "de+f4")));
    QVERIFY(WriteFile(stick + "fr_lea.zip", CSimUpdateServer::VoicePack("fr_lea", "French", "Lea", "fr+f2", true)));
    for (const QString& pack : QStringList{"fr_secret", "fr_lzma", "fr_secret_too", "fr_big", "fr_many", "fr_tar"})
      QVERIFY(PackOnStick(stick, pack));
    // The others refused the same way: copies, under names of their own.
    for (const QString& pack : named.mid(3, 4))
      QVERIFY(QFile::copy(stick + (pack.startsWith("fr_lzma") ? "fr_lzma" : "fr_secret") + ".zip", stick + pack + ".zip"));
    QVERIFY(f.StartAtHome());
    QVERIFY(FillCard(f.Board().Root()));
    f.Call("", "openScreen", {kVoices, QVariantMap{{"manage", true}}});
    QVERIFY(f.WaitShown(kVoices));
    const QString tag = g_variant == CSimBoard::Fenk ? "fenk" : "vorn";
    for (const char* code : {"en", "de", "fr", "es", "it", "no", "cn", "fi"}) {
      QCOMPARE(f.Db().KLX_DataBaseManagerGetSetSystemPropertiesChange_Language(code, false), int(KLX_Ok));
      QVERIFY(f.Tap("voiceInstall"));
      QTRY_VERIFY_WITH_TIMEOUT(f.Popup() != nullptr, kHangMs);
      for (const QString& pack : named) QVERIFY2(f.PopupText().contains(pack + ".zip"), qPrintable(f.PopupText()));
      f.Settle();
      f.Grab(QStringLiteral("voice-packs-message-%1-%2.png").arg(code, tag));
      QString fault = MessageFault(f);
      QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1: %2\n%3").arg(code, fault, f.PopupText())));
      auto* text = qobject_cast<QQuickItem*>(FindNamed(f.Popup(), "message"));
      QQuickItem* area = text->parentItem()->parentItem();
      if (text->height() > area->height()) {
        area->setProperty("contentY", text->height() - area->height());
        f.Settle();
        f.Grab(QStringLiteral("voice-packs-message-%1-%2-end.png").arg(code, tag));
        fault = MessageFault(f);
        QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("%1 at the end: %2").arg(code, fault)));
      }
      QVERIFY(f.TapInPopup("popupButton_0"));
      QTRY_VERIFY(!f.Popup());
      m_Warnings.Take();
    }
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
