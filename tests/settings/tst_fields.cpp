// Every published setting of the settings table, called by name the way QML
// calls it: a value below and one above the setting's range give the exact
// stored value, the settings file is marked modified only by the accessors
// that mark it, the two settings the controllers take leave their exact
// messages, nothing is reported; the indexed accessors refuse a bad index
// with their code.
#include "settings/settings_fixture.h"

namespace {
// The published accessors of the table's rows.
#define KLX_PUBLISHED(name, type, def, min, max, store, facade, file) KLX_PUBLISHED_##facade
#define KLX_PUBLISHED_Pub(accessor, shape) #accessor,
#define KLX_PUBLISHED_NoFacade
const char* const kPublished[] = {KLX_SYSTEM_SETTINGS(KLX_PUBLISHED)};
#undef KLX_PUBLISHED

// Calls an invokable by name with the arguments converted to its parameter
// types; an invalid variant when there is none of that name and arity.
QVariant Invoke(QObject* object, const QByteArray& name, const QVariantList& args) {
  const QMetaObject* meta = object->metaObject();
  for (int i = 0; i < meta->methodCount(); ++i) {
    const QMetaMethod method = meta->method(i);
    if (method.name() != name || method.parameterCount() != args.size()) continue;
    QVariantList values = args;
    QGenericArgument a[5];
    for (int p = 0; p < values.size(); ++p) {
      if (!values[p].convert(method.parameterType(p))) return QVariant();
      a[p] = QGenericArgument(values[p].typeName(), values[p].constData());
    }
    QVariant result = method.returnType() == QMetaType::Void ? QVariant() : QVariant(method.returnType(), nullptr);
    QGenericReturnArgument r(method.typeName(), result.isValid() ? result.data() : nullptr);
    if (!method.invoke(object, Qt::DirectConnection, r, a[0], a[1], a[2], a[3], a[4]))
      return QVariant(QStringLiteral("not invoked"));
    return method.returnType() == QMetaType::Void ? QVariant(QStringLiteral("void")) : result;
  }
  return QVariant();
}

struct Walk {
  QByteArray tag;
  QByteArray accessor;
  QVariantList args;
  QVariant answer;
  QByteArray reader;  // read back through this accessor; empty: no read
  QVariantList readArgs;
  QVariant stored;
  bool marks;
  int msgId;
  QByteArray msg;
};

const QVariant kVoid(QStringLiteral("void"));
const int kSet = AtomicDirSet;
const int kGet = AtomicDirGet;
const int kPoll = int(KLX_MustPollAgain);

QList<Walk> Walks() {
  QList<Walk> w;
  // A number below and above its range, read back through the same name.
  auto number = [&](const char* accessor, bool marks, int below, int belowStored, int above, int aboveStored) {
    w << Walk{QByteArray(accessor) + " below", accessor, {below, kSet}, belowStored, accessor, {0, kGet}, belowStored, marks, 0, {}};
    w << Walk{QByteArray(accessor) + " above", accessor, {above, kSet}, aboveStored, accessor, {0, kGet}, aboveStored, marks, 0, {}};
  };
  auto text = [&](const char* accessor, const QString& value, const QString& stored) {
    w << Walk{QByteArray(accessor) + " empty", accessor, {QString(), kSet}, QString(), accessor, {QString(), kGet}, QString(), true, 0, {}};
    w << Walk{QByteArray(accessor) + " too long", accessor, {value, kSet}, stored, accessor, {QString(), kGet}, stored, true, 0, {}};
  };
  const char* S = "KLX_DataBaseManagerGetSetSystemProperties_";
  const char* G = "KLX_DataBaseManagerGetSetSystemPropertiesGetSet_";
  auto s = [&](const char* f) { return QByteArray(S) + f; };
  auto g = [&](const char* f) { return QByteArray(G) + f; };
  number(s("LockTimeout"), true, -1, 0, 11, 10);
  number(s("IdleTimeout"), true, -1, 0, 61, 60);
  number(s("TimeoutBrigntness"), true, 39, 40, 101, 100);
  number(s("BaseBrightness"), true, 0, 1, 101, 100);
  number(s("Fallbacktime"), true, -1, 0, 11, 10);
  number(s("DisplayContrast"), true, -1, 0, 2, 1);
  number("KLX_DataBaseManagerGetSet_SystemPropertiesMeasureSystem", true, -1, 0, 2, 1);
  // Values outside 0 and 1 flip the flag from its default.
  number("KLX_DataBaseManagerGetSetToggle_SystemPropertiesTeleLogEnabled", true, -1, 0, 2, 0);
  number("KLX_DataBaseManagerGetSetToggle_SystemPropertiesFastStartEnabled", true, -1, 1, 2, 1);
  number(g("AutomaticDateTime"), true, -1, 0, 2, 1);
  number(g("Display24h"), true, -1, 0, 2, 1);
  // Kept as given, in a byte.
  number(g("DayLightSaving"), false, -1, 255, 256, 0);
  // Only codes 0 to 257 are taken.
  number(g("CountryCode"), true, -1, 0, 258, 0);
  // Kept as given, in 16 signed bits.
  number(g("TimeOffsetMinutes"), false, -40000, 25536, 40000, -25536);
  number(g("BTPowerStatus"), true, -1, 0, 2, 1);
  number("SystemPropertiesGetSet_VolumeMaster", true, -1, 0, 101, 100);
  number("KLX_DatabaseManagerGetSetSystemProperties_MainMastVolmIsControlled", true, -1, 255, 256, 0);
  number(g("MasterVolumeCtl"), true, -1, 65535, 70000, 65535);
  number(g("IntroVideo"), true, -1, 0, 2, 1);
  number(s("Akku1Voltage"), false, -1, 0, 1001, 1000);
  number(s("Akku2Voltage"), false, -1, 0, 1001, 1000);
  number(s("Current"), false, -1, 0, 3001, 3000);
  number(s("Brightness_In"), false, -1, 0, 101, 100);
  number(s("Akku1Percent"), false, -1, 0, 101, 100);
  number(s("Akku2Percent"), false, -1, 0, 101, 100);
  number(s("DependBrightness"), false, -1, 0, 81, 80);
  number(s("TouchTimeoutEvent"), false, -1, 0, 2, 1);
  number(g("AutoSummerTime"), false, -1, 255, 256, 0);
  number(g("KeySound"), true, -1, 0, 2, 1);
  number(g("StickState"), false, -1, 0, 256, 255);
  number(g("StickSubState"), false, -1, 0, 256, 255);
  number(g("TransceiverState"), false, -1, 0, 256, 255);
  number(g("TransceiverSubState"), false, -1, 0, 256, 255);

  for (const char* colour : {"DisplayColour", "DisplayBorderColour"}) {
    w << Walk{s(colour) + " top", s(colour), {0xFFFFFFFFu, kSet}, 0xFFFBFBFBu, s(colour), {0u, kGet}, 0xFFFBFBFBu, true, 0, {}};
    w << Walk{s(colour) + " black", s(colour), {0u, kSet}, 0u, s(colour), {0u, kGet}, 0u, true, 0, {}};
  }

  text(g("UserName").constData(), QString(60, QChar('a')), QString(46, QChar('a')));
  text(g("TimeZoneLocation").constData(), QString(47, QChar('z')), QString(46, QChar('z')));
  text(g("Language").constData(), "deu", "de");
  // A text that is no cipher stores nothing.
  for (const char* phrase : {"PortalLoginEncrptd", "UserPasswEncrypted"})
    w << Walk{g(phrase) + " no cipher", g(phrase), {QString("plain"), kSet}, QString(), g(phrase), {QString(), kGet}, QString(), true, 0, {}};

  // A volume write with control 65535 sets the volume; a control id below
  // it sets the control; the answer is volume + 256 * control.
  for (const char* volume : {"VolumeCtlKeyTrims", "VolumeCtlTelemetry", "VolumeCtlTimer", "VolumeCtlVario", "VolumeCtlBT"}) {
    w << Walk{g(volume) + " below", g(volume), {-5, kSet}, 0, g(volume), {0, kGet}, 0, true, 0, {}};
    w << Walk{g(volume) + " above", g(volume), {130, kSet}, 100, g(volume), {0, kGet}, 100, true, 0, {}};
    w << Walk{g(volume) + " control", g(volume), {50, kSet, true, 65534}, 100 + 65534 * 256, g(volume),
              {0, kGet}, 100 + 65534 * 256, true, 0, {}};
  }

  // The brightness goes to the transceiver controller: message 241.
  w << Walk{s("Brightness_Out") + " below", s("Brightness_Out"), {-1, kSet}, 0, s("Brightness_Out"), {0, kGet}, 0, false, 241,
            QByteArray(1, '\0')};
  w << Walk{s("Brightness_Out") + " above", s("Brightness_Out"), {101, kSet}, 100, s("Brightness_Out"), {0, kGet}, 100, false,
            241, QByteArray(1, char(100))};
  // The front socket asks the controller (message 229) and waits for its answer.
  const char* plug = "KLX_DatabaseManagerGetSetFrontPlugMode";
  w << Walk{"front socket below", plug, {-1, kSet}, kPoll, {}, {}, {}, false, 229, QByteArray("\x01\x00", 2)};
  w << Walk{"front socket above", plug, {2, kSet}, kPoll, {}, {}, {}, false, 229, QByteArray("\x01\x01", 2)};
  w << Walk{"front socket unknown", plug, {0, kGet}, kPoll, {}, {}, {}, false, 229, QByteArray("\x00\x00", 2)};
  // An address has 17 characters; 19 are no address.
  const char* ble = "KLX_DataBaseManagerSetLastUsedBLEDevice";
  const char* bleRead = "KLX_DataBaseManagerGetLastUsedBLEDevice";
  w << Walk{"BLE address", ble, {QString("AA:BB:CC:DD:EE:FF")}, kVoid, bleRead, {}, QString("AA:BB:CC:DD:EE:FF"),
            false, 0, {}};
  w << Walk{"BLE no address", ble, {QString("AA:BB:CC:DD:EE:FF:0")}, kVoid, bleRead, {}, QString(), false, 0, {}};
  return w;
}
}  // namespace

class TestSettingsFields : public QObject {
  Q_OBJECT
  SettingsFixture* m_Fx = nullptr;

 private slots:
  // One facade for all rows; each row starts from the defaults.
  void initTestCase() { m_Fx = new SettingsFixture; }
  void cleanupTestCase() { delete m_Fx; }
  void init() {
    m_Fx->db.KLX_DataBaseManagerGetSetSystemProperties_ClearAll();
    m_Fx->db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    m_Fx->Drop();
  }

  void everyPublishedSettingIsWalked() {
    QSet<QByteArray> walked;
    for (const Walk& w : Walks()) walked.insert(w.accessor);
    QSet<QByteArray> published;
    for (const char* name : kPublished) published.insert(name);
    QCOMPARE(published - walked, QSet<QByteArray>());
  }

  void writeOutsideTheRange_data() {
    QTest::addColumn<QByteArray>("accessor");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<QVariant>("answer");
    QTest::addColumn<QByteArray>("reader");
    QTest::addColumn<QVariantList>("readArgs");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("marks");
    QTest::addColumn<int>("msgId");
    QTest::addColumn<QByteArray>("msg");
    for (const Walk& w : Walks())
      QTest::newRow(w.tag.constData()) << w.accessor << w.args << w.answer << w.reader << w.readArgs << w.stored << w.marks
                                       << w.msgId << w.msg;
  }
  void writeOutsideTheRange() {
    QFETCH(QByteArray, accessor);
    QFETCH(QVariantList, args);
    QFETCH(QVariant, answer);
    QFETCH(QByteArray, reader);
    QFETCH(QVariantList, readArgs);
    QFETCH(QVariant, stored);
    QFETCH(bool, marks);
    QFETCH(int, msgId);
    QFETCH(QByteArray, msg);
    SettingsFixture& fx = *m_Fx;
    VornErrorWatch watch;
    QCOMPARE(Invoke(&fx.db, accessor, args).toString(), answer.toString());
    QCOMPARE(fx.db.KLX_DataBaseManagerGetSystemModifyFlag(), marks);
    const QList<KLX_Message> sent = fx.Sent();
    if (msgId) {
      QCOMPARE(sent.size(), 1);
      QCOMPARE(int(sent[0].id), msgId);
      QCOMPARE(int(sent[0].node), 3);
      QCOMPARE(sent[0].data.toHex(' '), msg.toHex(' '));
    } else {
      QVERIFY(sent.isEmpty());
    }
    if (!reader.isEmpty()) QCOMPARE(Invoke(&fx.db, reader, readArgs).toString(), stored.toString());
    QCOMPARE(watch.TakeCodes(), QList<unsigned>());
  }

  void aBadIndexIsRefusedWithItsCode_data() {
    QTest::addColumn<QByteArray>("accessor");
    QTest::addColumn<QVariantList>("args");
    QTest::addColumn<unsigned>("code");
    const QByteArray menu = "KLX_DataBaseManagerSystemPropertiesGetSetUserMenuEntry";
    const QByteArray control = "KLX_DataBaseManagerSystemPropertiesSet_ControlAndControlTypByIndex";
    QTest::newRow("user menu 10") << menu << QVariantList{10, 1, QString("Main"), kSet} << 0x21305u;
    QTest::newRow("user menu -1") << menu << QVariantList{-1, 0, QString(), kGet} << 0x21305u;
    QTest::newRow("control table 176") << control << QVariantList{176, 300, 1} << 0x21303u;
    QTest::newRow("control table -1") << control << QVariantList{-1, 300, 1} << 0x21303u;
  }
  void aBadIndexIsRefusedWithItsCode() {
    QFETCH(QByteArray, accessor);
    QFETCH(QVariantList, args);
    QFETCH(unsigned, code);
    SettingsFixture& fx = *m_Fx;
    VornErrorWatch watch;
    QCOMPARE(Invoke(&fx.db, accessor, args).toInt(), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), QList<unsigned>{code});
    QVERIFY(!fx.db.KLX_DataBaseManagerGetSystemModifyFlag());
  }
};

QTEST_GUILESS_MAIN(TestSettingsFields)
#include "tst_fields.moc"
