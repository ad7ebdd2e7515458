// The text scrambler: round trips in every mode, scrambled bytes worked out
// by hand, and the error codes of a failed unscramble.
#include <QtTest>

#include "frame/simplecrypt.h"

namespace {
constexpr quint64 kKey = 0x1122334455667788ULL;

// CRC-16/X-25 written out bit by bit, independent of Qt's table.
quint16 Crc16X25(const QByteArray& data) {
  quint16 crc = 0xFFFF;
  for (char c : data) {
    crc ^= quint8(c);
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? quint16((crc >> 1) ^ 0x8408) : quint16(crc >> 1);
  }
  return quint16(crc ^ 0xFFFF);
}
}  // namespace

class TextScramblerTest : public QObject {
  Q_OBJECT

 private slots:
  void theChecksumIsTheCrcOfIso3309() {
    QCOMPARE(Crc16X25("123456789"), quint16(0x906E));
    QCOMPARE(qChecksum("123456789", 9), quint16(0x906E));
  }

  void handWorkedScrambling() {
    // Key bytes 88 77 66 55 44 33 22 11, random byte 5A, text "Hi":
    // 5A^88 = D2; 'H'^77^D2 = ED; 'i'^66^ED = E2.
    SimpleCrypt crypt(kKey);
    crypt.setRandomByteSource([] { return quint8(0x5A); });
    crypt.setCompressionMode(SimpleCrypt::CompressionNever);
    crypt.setIntegrityProtectionMode(SimpleCrypt::ProtectionNone);
    QCOMPARE(crypt.encryptToByteArray(QString("Hi")), QByteArray::fromHex("0300d2ede2"));
    QCOMPARE(crypt.decryptToString(QByteArray::fromHex("0300d2ede2")), QStringLiteral("Hi"));

    // The default modes: a checksum 79 26 after the random byte, no compression
    // for so short a text.
    SimpleCrypt defaults(kKey);
    defaults.setRandomByteSource([] { return quint8(0x5A); });
    QCOMPARE(Crc16X25("Hi"), quint16(0x7926));
    QCOMPARE(defaults.encryptToString(QString("Hi")), QStringLiteral("AwLS3JyBrA=="));
    QCOMPARE(defaults.decryptToString(QStringLiteral("AwLS3JyBrA==")), QStringLiteral("Hi"));
    QCOMPARE(defaults.lastError(), int(SimpleCrypt::ErrorNoError));
  }

  void roundTrips_data() {
    QTest::addColumn<int>("compression");
    QTest::addColumn<int>("protection");
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<int>("flags");
    const QByteArray longText = QByteArray("wlan passphrase ").repeated(40);
    QTest::newRow("default, short") << 0 << 1 << QByteArray("secret") << 0x02;
    QTest::newRow("default, long and repetitive") << 0 << 1 << longText << 0x03;
    QTest::newRow("always compressed, hash") << 1 << 2 << QByteArray("secret") << 0x05;
    QTest::newRow("never compressed, no check") << 2 << 0 << longText << 0x00;
    QTest::newRow("empty text") << 0 << 1 << QByteArray() << 0x02;
    QTest::newRow("binary") << 0 << 2 << QByteArray::fromHex("00ff00ff7f80") << 0x04;
  }

  void roundTrips() {
    QFETCH(int, compression);
    QFETCH(int, protection);
    QFETCH(QByteArray, plain);
    QFETCH(int, flags);
    SimpleCrypt crypt(kKey);
    crypt.setCompressionMode(compression);
    crypt.setIntegrityProtectionMode(protection);
    const QByteArray cypher = crypt.encryptToByteArray(plain);
    QCOMPARE(cypher.at(0), char(3));
    QCOMPARE(int(quint8(cypher.at(1))), flags);
    if (!(flags & 1)) QCOMPARE(cypher.size(), 3 + (flags & 2 ? 2 : 0) + (flags & 4 ? 20 : 0) + plain.size());
    // Another object with the same key reads it, whatever its own modes.
    SimpleCrypt reader(kKey);
    QCOMPARE(reader.decryptToByteArray(cypher), plain);
    QCOMPARE(reader.lastError(), 0);
    QCOMPARE(reader.decryptToByteArray(QString::fromLatin1(cypher.toBase64())), plain);
  }

  void textsTravelAsUtf8() {
    SimpleCrypt crypt(kKey);
    const QString text = QString::fromUtf8("Schl\u00fcssel \u2013 \u65e5\u672c");
    QCOMPARE(crypt.decryptToString(crypt.encryptToString(text)), text);
  }

  void theSameTextScramblesDifferentlyEachTime() {
    SimpleCrypt crypt(kKey);
    quint8 next = 0;
    crypt.setRandomByteSource([&next] { return next++; });
    const QByteArray first = crypt.encryptToByteArray(QString("same"));
    const QByteArray second = crypt.encryptToByteArray(QString("same"));
    QCOMPARE(first.size(), second.size());
    for (int i = 2; i < first.size(); ++i) QVERIFY(first.at(i) != second.at(i));
  }

  void failedUnscrambles() {
    SimpleCrypt crypt(kKey);
    crypt.setRandomByteSource([] { return quint8(0x5A); });
    const QByteArray cypher = crypt.encryptToByteArray(QString("Hi"));

    // Key byte 0 meets only the random byte of so short a text; byte 1 meets
    // the checksum.
    SimpleCrypt wrong(kKey ^ 0xFF00);
    QCOMPARE(wrong.decryptToByteArray(cypher), QByteArray());
    QCOMPARE(wrong.lastError(), int(SimpleCrypt::ErrorIntegrityFailed));

    // Too short to be anything: empty, and the last error stays.
    QCOMPARE(wrong.decryptToByteArray(QByteArray("\x03\x02", 2)), QByteArray());
    QCOMPARE(wrong.lastError(), int(SimpleCrypt::ErrorIntegrityFailed));

    QByteArray otherVersion = cypher;
    otherVersion[0] = 2;
    QCOMPARE(crypt.decryptToByteArray(otherVersion), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorUnknownVersion));

    QByteArray tampered = cypher;
    tampered[tampered.size() - 1] = char(tampered.at(tampered.size() - 1) ^ 0x01);
    QCOMPARE(crypt.decryptToByteArray(tampered), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorIntegrityFailed));

    // A checksum flag with no room for the checksum.
    QCOMPARE(crypt.decryptToByteArray(QByteArray::fromHex("0302d2dc")), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorIntegrityFailed));
    // A hash flag with fewer than 20 bytes.
    QCOMPARE(crypt.decryptToByteArray(QByteArray::fromHex("0304d2dc9c81ac")), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorIntegrityFailed));

    QCOMPARE(crypt.decryptToByteArray(cypher), QByteArray("Hi"));
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorNoError));
  }

  // A compressed payload says its own length; a forged length is refused
  // before anything is allocated for it, a wrong one after.
  void aCompressedLengthIsBoundedAndExact_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<quint32>("declared");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("error");
    const QByteArray largest(SimpleCrypt::kMaxPlainBytes, 'a');
    QTest::newRow("2 GB asked for") << QByteArray("x") << 0x80000000u << QByteArray() << int(SimpleCrypt::ErrorTooLarge);
    QTest::newRow("one byte above the bound") << largest + "a" << quint32(SimpleCrypt::kMaxPlainBytes + 1)
                                              << QByteArray() << int(SimpleCrypt::ErrorTooLarge);
    QTest::newRow("the largest text") << largest << quint32(SimpleCrypt::kMaxPlainBytes) << largest
                                      << int(SimpleCrypt::ErrorNoError);
    QTest::newRow("less than it holds") << largest << 10u << QByteArray() << int(SimpleCrypt::ErrorIntegrityFailed);
    QTest::newRow("more than it holds") << QByteArray("x") << 10u << QByteArray() << int(SimpleCrypt::ErrorIntegrityFailed);
  }
  void aCompressedLengthIsBoundedAndExact() {
    QFETCH(QByteArray, plain);
    QFETCH(quint32, declared);
    QFETCH(QByteArray, expected);
    QFETCH(int, error);
    // The flags byte is not scrambled: a payload scrambled as it is, with
    // its checksum, then marked compressed.
    QByteArray payload = qCompress(plain, 9);
    for (int i = 0; i < 4; ++i) payload[i] = char(declared >> (24 - 8 * i));
    SimpleCrypt writer(kKey);
    writer.setCompressionMode(SimpleCrypt::CompressionNever);
    writer.setRandomByteSource([] { return quint8(0x5A); });
    QByteArray forged = writer.encryptToByteArray(payload);
    QCOMPARE(int(forged.at(1)), 0x02);
    forged[1] = 0x03;
    SimpleCrypt reader(kKey);
    QCOMPARE(reader.decryptToByteArray(forged), expected);
    QCOMPARE(reader.lastError(), error);
  }

  void aTextAboveTheBoundIsNotScrambled() {
    SimpleCrypt crypt(kKey);
    QCOMPARE(crypt.encryptToByteArray(QByteArray(SimpleCrypt::kMaxPlainBytes + 1, 'a')), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorTooLarge));
    // Nor read: a cypher longer than the largest text can give.
    QByteArray big(8192, 'a');
    big[0] = 3;
    big[1] = 0;
    QCOMPARE(crypt.decryptToByteArray(big), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorTooLarge));
  }

  void withoutAKeyNothingIsDone() {
    SimpleCrypt crypt;
    QVERIFY(!crypt.hasKey());
    QCOMPARE(crypt.encryptToByteArray(QString("x")), QByteArray());
    QCOMPARE(crypt.lastError(), int(SimpleCrypt::ErrorNoKeySet));
    crypt.setKey(kKey);
    const QByteArray cypher = crypt.encryptToByteArray(QString("x"));
    QCOMPARE(crypt.lastError(), 0);
    SimpleCrypt none;
    QCOMPARE(none.decryptToByteArray(cypher), QByteArray());
    QCOMPARE(none.lastError(), int(SimpleCrypt::ErrorNoKeySet));
  }
};

QTEST_GUILESS_MAIN(TextScramblerTest)
#include "tst_text_scrambler.moc"
