#include "frame/klx_xmltextwriter.h"

#include <cstring>

namespace {
constexpr int kIndent = 4;
// Enough blanks for the deepest level the writer allows.
const char kBlanks[] = "                                                                ";

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

KLX_XMLTextWriter::KLX_XMLTextWriter(int reserve) { m_Buffer.resize(reserve > 256 ? reserve : 256); }

void KLX_XMLTextWriter::Grow(int bytes) { m_Buffer.resize(qMax(m_Buffer.size() * 2, m_Size + bytes)); }

void KLX_XMLTextWriter::NewLine(int depth) {
  char* at = Room(1 + depth * kIndent);
  *at = '\n';
  std::memcpy(at + 1, kBlanks, depth * kIndent);
}

void KLX_XMLTextWriter::CloseStartTag() {
  if (!m_InStartTag) return;
  Put(">", 1);
  m_InStartTag = false;
}

QByteArray KLX_XMLTextWriter::Take() {
  m_Buffer.resize(m_Size);
  m_Size = 0;
  m_Depth = 0;
  m_InStartTag = false;
  QByteArray text;
  text.swap(m_Buffer);
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
  char* at = Room(1 + m_Depth * kIndent + 2 * n + 5 + 20);
  *at++ = '\n';
  std::memcpy(at, kBlanks, m_Depth * kIndent);
  at += m_Depth * kIndent;
  *at++ = '<';
  std::memcpy(at, name.data(), n);
  at += n;
  *at++ = '>';
  // Decimal digits, written backwards into a small scratch.
  char digits[20];
  int count = 0;
  quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude);
  if (value < 0) *at++ = '-';
  while (count) *at++ = digits[--count];
  *at++ = '<';
  *at++ = '/';
  std::memcpy(at, name.data(), n);
  at += n;
  *at++ = '>';
  m_Size = static_cast<int>(at - m_Buffer.data());
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
