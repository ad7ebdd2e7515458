#include "frame/simplecrypt.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDebug>
#include <QRandomGenerator>

namespace {
constexpr char kVersion = 3;
constexpr char kFlagCompressed = 0x01;
constexpr char kFlagChecksum = 0x02;
constexpr char kFlagHash = 0x04;
constexpr int kHashBytes = 20;
constexpr int kSizeBytes = 4;
// zlib adds at most 5 bytes per 16 KiB block and 6 of its own.
constexpr int kMaxCypherBytes = 3 + kHashBytes + kSizeBytes + SimpleCrypt::kMaxPlainBytes + 64;

quint16 Checksum(const QByteArray& data) { return qChecksum(data.constData(), uint(data.size())); }
}  // namespace

SimpleCrypt::SimpleCrypt() = default;

SimpleCrypt::SimpleCrypt(quint64 key) : m_Key(key) { splitKey(); }

void SimpleCrypt::setKey(quint64 key) {
  m_Key = key;
  splitKey();
}

void SimpleCrypt::splitKey() {
  m_KeyParts.clear();
  m_KeyParts.resize(8);
  for (int i = 0; i < 8; ++i) m_KeyParts[i] = char((m_Key >> (8 * i)) & 0xFF);
}

QByteArray SimpleCrypt::encryptToByteArray(const QString& plain) { return encryptToByteArray(plain.toUtf8()); }

QByteArray SimpleCrypt::encryptToByteArray(QByteArray plain) {
  if (m_KeyParts.isEmpty()) {
    qWarning("No key set.");
    m_LastError = ErrorNoKeySet;
    return QByteArray();
  }

  if (plain.size() > kMaxPlainBytes) {
    m_LastError = ErrorTooLarge;
    return QByteArray();
  }
  QByteArray payload = plain;
  char flags = 0;
  if (m_CompressionMode == CompressionAlways) {
    payload = qCompress(payload, 9);
    flags |= kFlagCompressed;
  } else if (m_CompressionMode == CompressionAuto) {
    const QByteArray compressed = qCompress(payload, 9);
    if (compressed.size() < payload.size()) {
      payload = compressed;
      flags |= kFlagCompressed;
    }
  }

  QByteArray integrity;
  if (m_ProtectionMode == ProtectionChecksum) {
    QDataStream stream(&integrity, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::BigEndian);
    stream << Checksum(payload);
    flags |= kFlagChecksum;
  } else if (m_ProtectionMode == ProtectionHash) {
    integrity = QCryptographicHash::hash(payload, QCryptographicHash::Sha1);
    flags |= kFlagHash;
  }

  const quint8 random = m_Random ? m_Random() : quint8(QRandomGenerator::global()->generate() & 0xFF);
  QByteArray body = char(random) + integrity + payload;

  char last = 0;
  for (int i = 0; i < body.size(); ++i) {
    body[i] = char(body.at(i) ^ m_KeyParts.at(i % 8) ^ last);
    last = body.at(i);
  }

  QByteArray result;
  result.reserve(body.size() + 2);
  result.append(kVersion);
  result.append(flags);
  result.append(body);
  m_LastError = ErrorNoError;
  return result;
}

QString SimpleCrypt::encryptToString(const QString& plain) { return encryptToString(plain.toUtf8()); }

QString SimpleCrypt::encryptToString(QByteArray plain) {
  return QString::fromLatin1(encryptToByteArray(plain).toBase64());
}

QByteArray SimpleCrypt::decryptToByteArray(const QString& cyphertext) {
  return decryptToByteArray(QByteArray::fromBase64(cyphertext.toLatin1()));
}

QByteArray SimpleCrypt::decryptToByteArray(QByteArray cypher) {
  if (m_KeyParts.isEmpty()) {
    qWarning("No key set.");
    m_LastError = ErrorNoKeySet;
    return QByteArray();
  }
  if (cypher.size() < 3) return QByteArray();
  // Version, flags, random byte, a hash and the compression's size and
  // stream around the largest plain text.
  if (cypher.size() > kMaxCypherBytes) {
    m_LastError = ErrorTooLarge;
    return QByteArray();
  }
  if (cypher.at(0) != kVersion) {
    m_LastError = ErrorUnknownVersion;
    qWarning("Invalid version or not a cyphertext.");
    return QByteArray();
  }

  const char flags = cypher.at(1);
  QByteArray body = cypher.mid(2);
  char last = 0;
  for (int i = 0; i < body.size(); ++i) {
    const char scrambled = body.at(i);
    body[i] = char(scrambled ^ m_KeyParts.at(i % 8) ^ last);
    last = scrambled;
  }
  body.remove(0, 1);

  if (flags & kFlagChecksum) {
    if (body.size() < 2) {
      m_LastError = ErrorIntegrityFailed;
      return QByteArray();
    }
    const quint16 stored = quint16((quint8(body.at(0)) << 8) | quint8(body.at(1)));
    body.remove(0, 2);
    if (Checksum(body) != stored) {
      m_LastError = ErrorIntegrityFailed;
      return QByteArray();
    }
  } else if (flags & kFlagHash) {
    if (body.size() < kHashBytes) {
      m_LastError = ErrorIntegrityFailed;
      return QByteArray();
    }
    const QByteArray stored = body.left(kHashBytes);
    body.remove(0, kHashBytes);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha1) != stored) {
      m_LastError = ErrorIntegrityFailed;
      return QByteArray();
    }
  }

  if (flags & kFlagCompressed) {
    // The stream's own length comes first; it is checked before anything is
    // allocated for it, and the result must have exactly that length.
    if (body.size() < kSizeBytes) {
      m_LastError = ErrorIntegrityFailed;
      return QByteArray();
    }
    const quint32 declared = (quint32(quint8(body.at(0))) << 24) | (quint32(quint8(body.at(1))) << 16) |
                             (quint32(quint8(body.at(2))) << 8) | quint32(quint8(body.at(3)));
    if (declared > quint32(kMaxPlainBytes)) {
      m_LastError = ErrorTooLarge;
      return QByteArray();
    }
    body = qUncompress(body);
    if (quint32(body.size()) != declared) {
      m_LastError = ErrorIntegrityFailed;
      return QByteArray();
    }
  }
  m_LastError = ErrorNoError;
  return body;
}

QString SimpleCrypt::decryptToString(const QString& cyphertext) {
  return QString::fromUtf8(decryptToByteArray(cyphertext));
}

QString SimpleCrypt::decryptToString(QByteArray cypher) { return QString::fromUtf8(decryptToByteArray(cypher)); }
