// Firmware files as the simulator's generator writes them and hand-damaged
// copies, read by the program's loader; and the device interface that sends
// the update's packets, as the message layer queues them.
#include <QtTest>

#include "frame/klx_databasevalues.h"
#include "link/klx_messageids.h"
#include "link/klx_protocol.h"
#include "sim/csimfirmware.h"
#include "update/klx_devinterfacecan.h"
#include "update/klx_firmware.h"
#include "vorn_testroot.h"

namespace {
QByteArray Le16(int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF)); }

// The file's bytes with a fresh trailer.
QByteArray WithTrailer(const QByteArray& body) { return body + Le16(CSimFirmware::Crc16(body)); }

QByteArray RowsPart(const QList<QByteArray>& rows) {
  QByteArray out;
  for (const QByteArray& r : rows) out += Le16(r.size()) + r;
  return out;
}

// An information block: the six fields, the entries as given, a description.
QByteArray Information(const QList<QByteArray>& entries, const QByteArray& description, int lengthDelta = 0,
                       int infoVersion = 1, int rowType = 1, int fwVersion = 0x0102) {
  QByteArray block = Le16(16) + Le16(1) + Le16(1) + Le16(fwVersion) + Le16(rowType) + Le16(entries.size());
  for (const QByteArray& e : entries) block += Le16(e.size()) + e;
  block += Le16(description.size()) + description;
  return Le16(block.size() + lengthDelta) + Le16(infoVersion) + block;
}

QByteArray StickEntry() { return CSimFirmware::Entry(CSimFirmwareSpec::ForStick(1, 2)); }

QList<QByteArray> SmallRows(int count) {
  QList<QByteArray> rows;
  for (int i = 0; i < count; ++i) rows << QByteArray(5, char(i & 0xFF));
  return rows;
}

QString Store(const QTemporaryDir& dir, const QByteArray& bytes) {
  static int n = 0;
  const QString path = dir.path() + QStringLiteral("/fw%1.bin").arg(++n);
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
  return path;
}
}  // namespace

class FirmwareFileTest : public QObject {
  Q_OBJECT

 private slots:
  void trailerIsCrc16Ccitt() {
    // The parameter set's check value.
    uint16_t crc;
    klx_crc16_ccitt_reset(&crc);
    for (char c : QByteArray("123456789")) crc = klx_crc16_ccitt_calc(crc, uint8_t(c));
    QCOMPARE(crc, uint16_t(0x29B1));
  }

  void filesAcceptedAndRefused_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("rows");
    const QByteArray entry = StickEntry();
    const QByteArray info = Information({entry}, "Stick");
    const QByteArray rows = RowsPart(SmallRows(3));
    const QByteArray generated = CSimFirmware::File(CSimFirmwareSpec::ForStick(1, 2));
    QTest::newRow("the generator's stick file") << generated << true << 384;
    QByteArray flipped = generated;
    flipped[flipped.size() - 1] = char(flipped[flipped.size() - 1] ^ 0x01);
    QTest::newRow("trailer off by one bit") << flipped << false << 0;
    QByteArray body = generated.left(generated.size() - 2);
    body[body.size() / 2] = char(body[body.size() / 2] ^ 0x40);
    QTest::newRow("a row byte changed, old trailer") << body + generated.right(2) << false << 0;
    QTest::newRow("information version 2") << WithTrailer(Information({entry}, "Stick", 0, 2) + rows) << false << 0;
    QTest::newRow("description length 0, length exact") << WithTrailer(Information({entry}, "") + rows) << true << 3;
    QTest::newRow("one surplus byte counted in the length")
        << WithTrailer(Information({entry}, "", 1) + QByteArray(1, '\0') + rows) << false << 0;
    QTest::newRow("entry of length 0") << WithTrailer(Information({QByteArray()}, "") + rows) << false << 0;
    QTest::newRow("entry of length 1") << WithTrailer(Information({QByteArray(1, '\1')}, "") + rows) << false << 0;
    QTest::newRow("row type 2") << WithTrailer(Information({entry}, "", 0, 1, 2) + rows) << false << 0;
    QTest::newRow("4000 rows") << WithTrailer(info + RowsPart(SmallRows(4000))) << true << 4000;
    QTest::newRow("4001 rows") << WithTrailer(info + RowsPart(SmallRows(4001))) << false << 0;
    QTest::newRow("nothing after the information block") << WithTrailer(info) << false << 0;
    QTest::newRow("last row cut short") << WithTrailer(info + rows + Le16(9) + QByteArray(4, 'x')) << false << 0;
    QTest::newRow("last row running into the trailer") << WithTrailer(info + rows + Le16(7) + QByteArray(5, 'x'))
                                                       << false << 0;
    QTest::newRow("a row length byte alone") << WithTrailer(info + rows + QByteArray(1, '\5')) << false << 0;
  }
  void filesAcceptedAndRefused() {
    QFETCH(QByteArray, file);
    QFETCH(bool, loads);
    QFETCH(int, rows);
    QTemporaryDir dir;
    KLX_Firmware fw;
    QCOMPARE(fw.KLX_Firmware_Load(Store(dir, file)), loads);
    QCOMPARE(fw.KLX_Firmware_IsLoaded(), loads);
    if (loads) QCOMPARE(fw.KLX_Firmware_GetRowsCount(), rows);
  }

  void aMissingFileIsRefused() {
    KLX_Firmware fw;
    QVERIFY(!fw.KLX_Firmware_Load(QStringLiteral("/nonexistent/firmware.bin")));
    QFile none(QStringLiteral("/nonexistent/firmware.bin"));
    QVERIFY(!KLX_Firmware::KLX_Firmware_CheckFileCRC(none));
  }

  void headerRowsAndFree() {
    QTemporaryDir dir;
    CSimFirmwareSpec spec = CSimFirmwareSpec::ForReceiver(10, 5);
    spec.description = QStringLiteral("Empfänger");
    const QList<QByteArray> rows = CSimFirmware::Rows(spec);
    KLX_Firmware fw;
    QVERIFY(fw.KLX_Firmware_Load(Store(dir, CSimFirmware::File(spec))));
    QCOMPARE(fw.KLX_Firmware_GetVerStr(), QStringLiteral("10.5"));
    QCOMPARE(fw.KLX_Firmware_GetHwType(), uint16_t(28));
    QCOMPARE(fw.KLX_Firmware_GetDescription(), QStringLiteral("Empfänger"));
    QCOMPARE(fw.KLX_Firmware_GetRowsCount(), 32);
    QVERIFY(!fw.KLX_Firmware_FindDiInfo(1));
    CDevInterfaceInfo* entry = fw.KLX_Firmware_FindDiInfo(2);
    QVERIFY(entry);
    QCOMPARE(entry->CDevInterfaceInfo_GetID(), 2u);
    // The rows in file order, byte for byte.
    int n = 0;
    for (KLX_FwRow* row = fw.KLX_Firmware_GetFirstRow(); row; row = fw.KLX_Firmware_GetNextRow(), ++n)
      QCOMPARE(QByteArray(reinterpret_cast<const char*>(row->KLX_FwRow_GetData()), int(row->KLX_FwRow_GetSize())),
               rows.at(n));
    QCOMPARE(n, rows.size());
    fw.KLX_Firmware_Free();
    QCOMPARE(fw.KLX_Firmware_GetVerStr(), QStringLiteral("..."));
    QVERIFY(!fw.KLX_Firmware_IsLoaded());
    QVERIFY(!fw.KLX_Firmware_GetFirstRow());
    QVERIFY(!fw.KLX_Firmware_FindDiInfo(2));
    QCOMPARE(KLX_Firmware().KLX_Firmware_GetVerStr(), QString());
  }

  void rowParts_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("part");
    QTest::addColumn<QList<int>>("starts");
    QTest::newRow("100 bytes in 30") << 100 << 30 << QList<int>{0, 30, 60, 90};
    QTest::newRow("90 bytes in 30: one more start at the end") << 90 << 30 << QList<int>{0, 30, 60, 90};
    QTest::newRow("10 bytes in 30") << 10 << 30 << QList<int>{0};
  }
  void rowParts() {
    QFETCH(int, size);
    QFETCH(int, part);
    QFETCH(QList<int>, starts);
    QTemporaryDir dir;
    QFile f(Store(dir, QByteArray(size, 'r')));
    QVERIFY(f.open(QIODevice::ReadOnly));
    KLX_FwRow row;
    QVERIFY(row.KLX_FwRow_LoadFrom(f, uint32_t(size)));
    QList<int> seen;
    for (const unsigned char* p = row.KLX_FwRow_GetFirstPart(uint32_t(part)); p;
         p = row.KLX_FwRow_GetNextPart(uint32_t(part)))
      seen << int(p - row.KLX_FwRow_GetData());
    QCOMPARE(seen, starts);
    KLX_FwRow longer;
    QVERIFY(!longer.KLX_FwRow_LoadFrom(f, 1));
    QCOMPARE(longer.KLX_FwRow_GetSize(), 0u);
  }

  // The interface sends what the entry says, and nothing before it has one.
  void deviceInterfaceMessages() {
    KLX_Protocol protocol;
    QVERIFY(protocol.KLX_ProtocolInitializeWithoutBus() == KLX_Ok);
    KLX_DevInterfaceCAN device;
    QCOMPARE(device.KLX_DevInterfaceCAN_Initialize(nullptr), 0);
    QCOMPARE(device.KLX_DevInterfaceCAN_Initialize(&protocol), 1);
    QCOMPARE(device.KLX_DevInterfaceCAN_SetDevice("TC", 2, 17, 0, 0), 1);
    QCOMPARE(device.KLX_DevInterfaceCAN_GetRcvAddr(), 255);
    QCOMPARE(device.KLX_DevInterfaceCAN_GetPacketNode(), 3);
    QVERIFY(!device.KLX_DevInterfaceCAN_PacketSend(2, 0, nullptr));
    QCOMPARE(protocol.KLX_ProtocolQueuedCount(), 0);

    // Six 4-byte fields need 26 bytes with the id.
    const QByteArray entry = CSimFirmware::Entry(CSimFirmwareSpec::ForTransceiver(2, 0));
    QCOMPARE(entry.size(), 26);
    CDevInterfaceInfo shortEntry;
    QVERIFY(shortEntry.CDevInterfaceInfo_Create(25));
    std::memcpy(shortEntry.CDevInterfaceInfo_GetWrPtr(), entry.constData(), 25);
    QVERIFY(!device.KLX_DevInterfaceCAN_SetInfo(&shortEntry));
    CDevInterfaceInfo info;
    QVERIFY(info.CDevInterfaceInfo_Create(26));
    std::memcpy(info.CDevInterfaceInfo_GetWrPtr(), entry.constData(), 26);
    QVERIFY(device.KLX_DevInterfaceCAN_SetInfo(&info));
    QCOMPARE(device.KLX_DevInterfaceCAN_GetHostID(), 0x0301u);
    QCOMPARE(device.KLX_DevInterfaceCAN_GetHTargetID(), 153u);

    const unsigned char part[6] = {1, 0x80, 0, 2, 0xAA, 0x55};
    QVERIFY(device.KLX_DevInterfaceCAN_PacketSend(2, 0, nullptr));
    QVERIFY(device.KLX_DevInterfaceCAN_PacketSend(6, sizeof(part), part));
    QVERIFY(!device.KLX_DevInterfaceCAN_PacketSend(6, 2000, part));
    const unsigned char modem[3] = {KLX_MSG_MODEM_MODE, 0, 1};
    QVERIFY(!device.KLX_DevInterfaceCAN_SendViaModem(sizeof(modem), modem));

    // A receiver: packets become sensor-bus update commands, modem messages
    // go as they are.
    QCOMPARE(device.KLX_DevInterfaceCAN_SetDevice("RCV", 2, 28, 1, 0), 1);
    QCOMPARE(device.KLX_DevInterfaceCAN_GetRcvAddr(), 2);
    QVERIFY(device.KLX_DevInterfaceCAN_PacketSend(2, 0, nullptr));
    QVERIFY(device.KLX_DevInterfaceCAN_SendViaModem(sizeof(modem), modem));
    QVERIFY(!device.KLX_DevInterfaceCAN_SendViaModem(0, modem));

    QList<QPair<int, QByteArray>> sent;
    KLX_Message m;
    while (protocol.KLX_ProtocolTakeMessage(&m)) {
      QCOMPARE(int(m.node), 3);
      sent << qMakePair(int(m.id), m.data);
    }
    const QList<QPair<int, QByteArray>> expected{
        {1, QByteArray::fromHex("02")},
        {1, QByteArray::fromHex("0601800002aa55")},
        {194, QByteArray::fromHex("7102000200")},
        {208, QByteArray::fromHex("0001")},
    };
    QCOMPARE(sent, expected);
  }
};

QTEST_GUILESS_MAIN(FirmwareFileTest)
#include "tst_firmwarefile.moc"
