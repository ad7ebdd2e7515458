#pragma once
// A firmware or software version as major and minor number, valid once set.
#include <QString>

class CVersion {
 public:
  virtual ~CVersion() = default;
  void Set(unsigned char major, unsigned char minor) {
    m_Major = major;
    m_Minor = minor;
    m_Valid = true;
  }
  void Clear() { *this = CVersion(); }
  unsigned char Major() const { return m_Major; }
  unsigned char Minor() const { return m_Minor; }
  bool IsValid() const { return m_Valid; }
  virtual QString toString() const {
    return m_Valid ? QStringLiteral("%1.%2").arg(m_Major).arg(m_Minor) : QStringLiteral("--.--");
  }
  bool operator==(const CVersion& o) const {
    return m_Valid == o.m_Valid && m_Major == o.m_Major && m_Minor == o.m_Minor;
  }
  bool operator!=(const CVersion& o) const { return !(*this == o); }

 private:
  unsigned char m_Major = 0;
  unsigned char m_Minor = 0;
  bool m_Valid = false;
};

// A version followed directly by a text (for example a build suffix).
class CVersionWithText : public CVersion {
 public:
  void Set(unsigned char major, unsigned char minor, const QString& text) {
    CVersion::Set(major, minor);
    m_Text = text;
  }
  QString toString() const override { return CVersion::toString() + m_Text; }

 private:
  QString m_Text;
};
