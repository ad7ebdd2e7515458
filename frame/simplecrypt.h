#pragma once
// A small symmetric scrambler with a 64-bit key for stored credentials and
// the model file's check value. It hides text from casual reading; it is no
// cryptographic protection.
#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

class SimpleCrypt {
 public:
  enum CompressionMode { CompressionAuto = 0, CompressionAlways = 1, CompressionNever = 2 };
  enum IntegrityProtectionMode { ProtectionNone = 0, ProtectionChecksum = 1, ProtectionHash = 2 };
  // ErrorTooLarge: the plain text is, or a compressed one says it is,
  // larger than kMaxPlainBytes.
  enum Error {
    ErrorNoError = 0,
    ErrorNoKeySet = 1,
    ErrorUnknownVersion = 2,
    ErrorIntegrityFailed = 3,
    ErrorTooLarge = 4
  };
  // The largest plain text scrambled or unscrambled. The program scrambles
  // credentials of at most 46 bytes and 32-digit digests; a forged header
  // cannot make it allocate more than this.
  static constexpr int kMaxPlainBytes = 4096;

  SimpleCrypt();
  explicit SimpleCrypt(quint64 key);

  void setKey(quint64 key);
  bool hasKey() const { return !m_KeyParts.isEmpty(); }
  void setCompressionMode(int mode) { m_CompressionMode = mode; }
  int compressionMode() const { return m_CompressionMode; }
  void setIntegrityProtectionMode(int mode) { m_ProtectionMode = mode; }
  int integrityProtectionMode() const { return m_ProtectionMode; }
  int lastError() const { return m_LastError; }

  QByteArray encryptToByteArray(QByteArray plain);
  QByteArray encryptToByteArray(const QString& plain);
  QString encryptToString(QByteArray plain);
  QString encryptToString(const QString& plain);
  QByteArray decryptToByteArray(QByteArray cypher);
  QByteArray decryptToByteArray(const QString& cyphertext);
  QString decryptToString(QByteArray cypher);
  QString decryptToString(const QString& cyphertext);

  // Tests fix the random first byte of the scrambled body.
  using RandomByte = std::function<quint8()>;
  void setRandomByteSource(RandomByte source) { m_Random = std::move(source); }

 private:
  void splitKey();

  quint64 m_Key = 0;
  QVector<char> m_KeyParts;
  int m_CompressionMode = CompressionAuto;
  int m_ProtectionMode = ProtectionChecksum;
  int m_LastError = ErrorNoError;
  RandomByte m_Random;
};
