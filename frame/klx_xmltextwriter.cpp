#include "frame/klx_xmltextwriter.h"

#include <cstring>

namespace {
constexpr int kIndent = 4;
// The longest number a line holds (20 digits), and the longest name copied
// at a fixed width.
constexpr int kMaxDigits = 20;
constexpr int kShortName = 32;
// Enough blanks for the deepest level the writer allows.
const char kBlanks[] = "                                                                ";
// "00" to "99".
const char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Characters an XML document may hold (XML 1.0, within one UTF-16 unit).
bool IsXmlChar(ushort c) { return c >= 0x20 ? c < 0xFFFE : (c == '\t' || c == '\n' || c == '\r'); }

// What a character is written as when it cannot stand for itself, or null:
// markup characters always, tabs and line ends only inside an attribute.
const char* Escape(ushort c, bool inAttribute) {
  switch (c) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '"': return "&quot;";
    case '\t': return inAttribute ? "&#9;" : nullptr;
    case '\n': return inAttribute ? "&#10;" : nullptr;
    case '\r': return inAttribute ? "&#13;" : nullptr;
    default: return nullptr;
  }
}
}  // namespace

KLX_XMLTextWriter::KLX_XMLTextWriter(int reserve) { Reserve(reserve > 256 ? reserve : 256); }

void KLX_XMLTextWriter::Reserve(int bytes) {
  m_Buffer.resize(bytes);
  m_Data = m_Buffer.data();
  m_Capacity = m_Buffer.size();
}

void KLX_XMLTextWriter::Grow(int bytes) {
  QByteArray bigger(qMax(m_Buffer.size() * 2, m_Size + bytes), Qt::Uninitialized);
  std::memcpy(bigger.data(), m_Buffer.constData(), static_cast<std::size_t>(m_Size));
  m_Outgrown.append(m_Buffer);
  m_Buffer.swap(bigger);
  m_Data = m_Buffer.data();
  m_Capacity = m_Buffer.size();
}

void KLX_XMLTextWriter::NewLine(int depth) {
  char* at = Room(1 + depth * kIndent);
  *at = '\n';
  std::memcpy(at + 1, kBlanks, depth * kIndent);
}

QByteArray KLX_XMLTextWriter::Take() {
  m_Outgrown.clear();
  m_Buffer.resize(m_Size);
  m_Size = 0;
  m_Depth = 0;
  m_InStartTag = false;
  QByteArray text;
  text.swap(m_Buffer);
  m_Data = nullptr;
  m_Capacity = 0;
  return text;
}

void KLX_XMLTextWriter::StartDocument() { Put(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")); }

void KLX_XMLTextWriter::StartDeviceFile(QLatin1String root) {
  StartDocument();
  StartElement(root);
  Attribute(QLatin1String("version"), QLatin1String("1.0"));
  Comment(QLatin1String(" DO NOT MODIFY THIS FILE OUTSIDE THE VORN REMOTE SYSTEM "));
}

void KLX_XMLTextWriter::StartElement(QLatin1String name) {
  CloseStartTag();
  NewLine(m_Depth);
  Put("<", 1);
  Put(name);
  m_Open[m_Depth++] = name;
  m_InStartTag = true;
}

void KLX_XMLTextWriter::Attribute(QLatin1String name, QLatin1String value) {
  Put(" ", 1);
  Put(name);
  Put("=\"", 2);
  PutEscaped(QString(value), true);
  Put("\"", 1);
}

void KLX_XMLTextWriter::Comment(QLatin1String text) {
  CloseStartTag();
  NewLine(m_Depth);
  Put("<!--", 4);
  Put(text);
  Put("-->", 3);
}

void KLX_XMLTextWriter::TextElement(QLatin1String name, qint64 value) {
  CloseStartTag();
  const int n = name.size();
  // Room for the whole line with its blanks, digits and closing name copied
  // at full width (fixed widths need no call); only what the line takes
  // counts.
  char* at = Room(1 + kMaxDepth * kIndent + 2 * n + 160);
  *at++ = '\n';
  std::memcpy(at, kBlanks, kMaxDepth * kIndent);
  at += m_Depth * kIndent;
  *at++ = '<';
  char* const open = at;
  std::memcpy(at, name.data(), static_cast<std::size_t>(n));
  at += n;
  *at++ = '>';
  // Decimal digits, two at a time, backwards into the first half of a
  // scratch twice as wide as the longest number.
  char digits[2 * kMaxDigits];
  char* d = digits + kMaxDigits;
  quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
  while (magnitude >= 100) {
    const unsigned pair = static_cast<unsigned>(magnitude % 100) * 2;
    magnitude /= 100;
    *--d = kDigitPairs[pair + 1];
    *--d = kDigitPairs[pair];
  }
  if (magnitude >= 10) {
    const unsigned pair = static_cast<unsigned>(magnitude) * 2;
    *--d = kDigitPairs[pair + 1];
    *--d = kDigitPairs[pair];
  } else {
    *--d = static_cast<char>('0' + magnitude);
  }
  if (value < 0) *at++ = '-';
  std::memcpy(at, d, kMaxDigits);
  at += digits + kMaxDigits - d;
  *at++ = '<';
  *at++ = '/';
  // The name again from the line itself (through a scratch: the two may
  // overlap).
  if (n <= kShortName) {
    char name32[kShortName];
    std::memcpy(name32, open, kShortName);
    std::memcpy(at, name32, kShortName);
  } else {
    std::memmove(at, open, static_cast<std::size_t>(n));
  }
  at += n;
  *at++ = '>';
  m_Size = static_cast<int>(at - m_Data);
}

void KLX_XMLTextWriter::TextElement(QLatin1String name, const QString& text) {
  CloseStartTag();
  NewLine(m_Depth);
  Put("<", 1);
  Put(name);
  Put(">", 1);
  PutEscaped(text, false);
  Put("</", 2);
  Put(name);
  Put(">", 1);
}

void KLX_XMLTextWriter::EndElement() {
  if (m_Depth == 0) return;
  const QLatin1String name = m_Open[--m_Depth];
  if (m_InStartTag) {
    // An element without content closes itself.
    Put("/>", 2);
    m_InStartTag = false;
    return;
  }
  NewLine(m_Depth);
  Put("</", 2);
  Put(name);
  Put(">", 1);
}

void KLX_XMLTextWriter::EndDocument() {
  while (m_Depth) EndElement();
  Put("\n", 1);
}

void KLX_XMLTextWriter::PutEscaped(const QString& text, bool inAttribute) {
  // Most texts are plain ASCII: escaped straight into the buffer, at most
  // six bytes for each character ("&quot;").
  const ushort* units = text.utf16();
  const int n = text.size();
  int ascii = 0;
  while (ascii < n && units[ascii] < 0x80) ++ascii;
  if (ascii == n) {
    char* const start = Room(6 * n);
    char* at = start;
    for (int i = 0; i < n; ++i) {
      const ushort c = units[i];
      if (const char* escape = Escape(c, inAttribute)) {
        const std::size_t length = std::strlen(escape);
        std::memcpy(at, escape, length);
        at += length;
      } else if (IsXmlChar(c)) {
        *at++ = static_cast<char>(c);
      }
    }
    m_Size -= static_cast<int>(6 * n - (at - start));
    return;
  }
  QString escaped;
  escaped.reserve(text.size());
  for (const QChar c : text) {
    if (const char* escape = Escape(c.unicode(), inAttribute))
      escaped += QLatin1String(escape);
    else if (IsXmlChar(c.unicode()))
      escaped += c;
  }
  const QByteArray utf8 = escaped.toUtf8();
  Put(utf8.constData(), utf8.size());
}
