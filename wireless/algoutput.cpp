#include "wireless/algoutput.h"

#include <QDebug>

#include "frame/klx_debuglog.h"
#include "frame/klx_utf8.h"
#include "wireless/activelookglasses.h"
#include "wireless/qbleservice.h"

namespace {
// Glyph widths of the glasses' font in tenths of the width of a space:
// summed in whole numbers, so that no row rounds the other way.
struct GlyphRow {
  int tenths;
  const char* chars;
};
const GlyphRow kGlyphs[] = {
    {10, " |"},
    {12, "ij"},
    {15, "'(),./:;I[\\]l{}"},
    {17, "!*-"},
    {20, "rt"},
    {24, "\"#+0123456789=?L^_acefgsvxyz"},
    {30, "<>ABCDEFGHJKNOPQRSTUVXYZ`bdhknopqu~"},
    {40, "%@MWmw"},
};

const char kNameHeader[] = "\xFF\x37\x00\x0D\x00\x00\x00\x00\x04\x01\x0F";
const char kValueHeader[] = "\xFF\x37\x00\x0D\x00\x00\x00\x00\x04\x02\x0F";
const QByteArray kTrailer("\x00\xAA", 2);
constexpr int kHeaderBytes = 11;
constexpr int kRows = 3;
// Anchor points (x, y) of the name, value and third field of rows 0 to 2.
constexpr int kAnchors[kRows][3][2] = {
    {{184, 234}, {143, 208}, {0, 208}},
    {{184, 154}, {143, 128}, {0, 128}},
    {{184, 74}, {143, 48}, {0, 48}},
};
const QChar kDegree(0x00B0);

}  // namespace

ALGOutput::ALGOutput(QSharedPointer<QBLEService> service, const HeadupWindowData& rows, QObject* parent)
    : QObject(parent), m_Service(std::move(service)), m_Rows(rows) {
  m_Writers.insert(HeadupType_Telemetry, &ALGOutput::outputTelemetry);
  m_Writers.insert(HeadupType_Timer, &ALGOutput::outputTimer);
  m_Writers.insert(HeadupType_Servo, &ALGOutput::outputServo);
  for (const GlyphRow& row : kGlyphs)
    for (const char* c = row.chars; *c; ++c) m_Glyphs.insert(QChar(*c), row.tenths);
}

void ALGOutput::show() {
  while (m_Rows.size() < kRows) m_Rows.append({HeadupType_Telemetry, QString()});
  for (int i = 0; i < m_Rows.size(); ++i) {
    const RowWriter writer = m_Writers.value(m_Rows.at(i).first, nullptr);
    if (writer) (this->*writer)(i, m_Rows.at(i).second);
  }
  emit finished();
}

// ---- splitting the row texts ------------------------------------------------------------------

QStringList ALGOutput::parseTelemetrySource(const QString& text) {
  if (text.isEmpty()) return {QString(), QString(), QString()};
  const int colon = text.indexOf(':');
  if (colon < 0) return {text, text, QString()};
  QString value = text.mid(colon + 1);
  value.replace(';', ' ');
  return {text.left(colon), value, QString()};
}

QStringList ALGOutput::parseTimerSource(const QString& text) {
  if (text.isEmpty()) return {QString(), QString()};
  const int semicolon = text.indexOf(';');
  if (semicolon < 0) return {text, QString()};
  return {text.left(semicolon), text.mid(semicolon + 1)};
}

QStringList ALGOutput::parseServoSource(const QString& text) {
  if (text.isEmpty()) return {QString(), QString()};
  const int colon = text.indexOf(':');
  if (colon < 0) return {text, QString()};
  return {text.left(colon), text.mid(colon + 1)};
}

// ---- fields and frames ------------------------------------------------------------------------

void ALGOutput::set_coords(QByteArray& header, int x, int y) {
  header[4] = char((x >> 8) & 0xFF);
  header[5] = char(x & 0xFF);
  header[6] = char((y >> 8) & 0xFF);
  header[7] = char(y & 0xFF);
}

void ALGOutput::adjustCoords(int row, QByteArray& header1, QByteArray& header2, QByteArray& header3) {
  if (row < 0 || row >= kRows) return;
  set_coords(header1, kAnchors[row][0][0], kAnchors[row][0][1]);
  set_coords(header2, kAnchors[row][1][0], kAnchors[row][1][1]);
  set_coords(header3, kAnchors[row][2][0], kAnchors[row][2][1]);
}

int ALGOutput::estimateInTenths(const QString& text) const {
  int tenths = 0;
  for (const QChar c : text) {
    const auto glyph = m_Glyphs.constFind(c);
    if (glyph == m_Glyphs.constEnd()) {
      qCDebug(lcVornDebug).noquote() << "____________________________ SPACE_EXEPTION:" << QString(c) << "SOURCE=" << text;
      continue;
    }
    tenths += glyph.value();
  }
  return tenths;
}

QString ALGOutput::gradFilter(const QString& text) {
  QString out;
  for (int i = 0; i < text.size(); ++i) {
    if (text.at(i) != kDegree) {
      out += text.at(i);
    } else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('C')) {
      out += QStringLiteral("C ");
      ++i;
    } else {
      out += QLatin1Char('o');
    }
  }
  return out;
}

QString ALGOutput::unitsFilter(const QString& text) {
  if (text == QString(kDegree)) return QStringLiteral("o");
  if (text.startsWith(QString(kDegree) + QLatin1Char('C'))) return QStringLiteral("C");
  return text;
}

QByteArray ALGOutput::generateString(const QString& text, QByteArray& header, int mostChars, int fieldWidth,
                                     Filter filter) const {
  QString field = filter == ValueFilter ? gradFilter(text) : filter == UnitFilter ? unitsFilter(text) : text;
  field = KLX_Utf16Cut(field, mostChars);
  QByteArray bytes = field.toUtf8();
  const int width = estimateInSpaces(field);
  if (fieldWidth > width) bytes.append(QByteArray(fieldWidth - width, ' '));
  header[3] = char(quint8(header.at(3)) + bytes.size());
  return bytes;
}

void ALGOutput::printString(const QByteArray& header, const QByteArray& text) {
  if (!m_Service) return;
  const QByteArray frame = header + text + kTrailer;
  m_Service->writeValue(ActiveLookGlasses::RX_Service, frame);
  emit frameWritten(frame);
}

// ---- row writers ------------------------------------------------------------------------------

void ALGOutput::outputTelemetry(int row, const QString& text) {
  const QStringList parts = parseTelemetrySource(text);
  QByteArray name(kNameHeader, kHeaderBytes), value(kValueHeader, kHeaderBytes), third(kValueHeader, kHeaderBytes);
  adjustCoords(row, name, value, third);
  const QByteArray nameText = generateString(parts.at(0), name, 10, 24, NoFilter);
  const QByteArray valueText = generateString(parts.at(1), value, 7, 16, ValueFilter);
  // The unit is prepared like the others but the glasses get no frame for it.
  generateString(parts.at(2), third, 1, 0, UnitFilter);
  printString(name, nameText);
  printString(value, valueText);
}

void ALGOutput::outputThreeFields(int row, const QStringList& parts) {
  QByteArray name(kNameHeader, kHeaderBytes), value(kValueHeader, kHeaderBytes), third(kValueHeader, kHeaderBytes);
  adjustCoords(row, name, value, third);
  const QByteArray nameText = generateString(parts.at(0), name, 10, 24, NoFilter);
  const QByteArray valueText = generateString(parts.at(1), value, 7, 16, NoFilter);
  const QByteArray thirdText = generateString(QString(), third, 1, 0, NoFilter);
  printString(name, nameText);
  printString(value, valueText);
  printString(third, thirdText);
}

void ALGOutput::outputTimer(int row, const QString& text) { outputThreeFields(row, parseTimerSource(text)); }

void ALGOutput::outputServo(int row, const QString& text) { outputThreeFields(row, parseServoSource(text)); }
