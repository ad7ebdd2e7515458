#pragma once
// The one writer of the transmitter's XML files (the settings files and the
// model files). It builds the text byte for byte as QXmlStreamWriter writes
// it with auto-formatting on (declaration, one element per line, four blanks
// per level, text elements on one line), several times faster: a model file
// has tens of thousands of number elements and a save must not wait on the
// text. Characters that XML cannot carry are left out, as the stream writer
// does.
#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QVector>

#include <cstring>

class KLX_XMLTextWriter {
 public:
  explicit KLX_XMLTextWriter(int reserve = 0);

  void StartDocument();
  // Begins a device file: the document, its root element with version "1.0"
  // and the comment that guards it against editing by hand.
  void StartDeviceFile(QLatin1String root);
  void StartElement(QLatin1String name);
  // Only directly after StartElement.
  void Attribute(QLatin1String name, QLatin1String value);
  void Comment(QLatin1String text);
  void TextElement(QLatin1String name, qint64 value);
  void TextElement(QLatin1String name, const QString& text);
  void EndElement();
  void EndDocument();

  // The text so far.
  const char* Data() const { return m_Data; }
  int Size() const { return m_Size; }
  // The whole text; the writer is empty afterwards. Until then the text
  // built stays where Data() showed it, also when the writer grows: another
  // thread may read what is done while the rest is built.
  QByteArray Take();

 private:
  // Inline: called for every piece of every line of a model file.
  char* Room(int bytes) {
    if (m_Size + bytes > m_Capacity) Grow(bytes);
    char* at = m_Data + m_Size;
    m_Size += bytes;
    return at;
  }
  void Grow(int bytes);
  void Reserve(int bytes);
  void Put(const char* text, int length) { std::memcpy(Room(length), text, static_cast<std::size_t>(length)); }
  void Put(QLatin1String text) { Put(text.data(), text.size()); }
  void NewLine(int depth);
  // Inline: every element asks.
  void CloseStartTag() {
    if (!m_InStartTag) return;
    Put(">", 1);
    m_InStartTag = false;
  }
  void PutEscaped(const QString& text, bool inAttribute);

  static constexpr int kMaxDepth = 16;
  QByteArray m_Buffer;
  // The buffer's bytes and size, unshared between Grow and Take.
  char* m_Data = nullptr;
  int m_Capacity = 0;
  // The buffers the text outgrew, kept until it is taken.
  QVector<QByteArray> m_Outgrown;
  int m_Size = 0;
  QLatin1String m_Open[kMaxDepth];
  int m_Depth = 0;
  bool m_InStartTag = false;
};
