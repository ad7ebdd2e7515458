#pragma once
// Writes one batch of head-up rows to the glasses as text frames: per row
// the name in the small font, the value in the large font and, for timer and
// servo rows, an empty third field. Runs once in a thread of its own.
#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QString>
#include <QStringList>

#include "wireless/klx_headupdata.h"

class QBLEService;

class ALGOutput : public QObject {
  Q_OBJECT
 public:
  // The service may be null: the batch is then written nowhere.
  ALGOutput(QSharedPointer<QBLEService> service, const HeadupWindowData& rows, QObject* parent = nullptr);

  void outputTelemetry(int row, const QString& text);
  void outputTimer(int row, const QString& text);
  void outputServo(int row, const QString& text);

  // Width of a text in tenths of a space; characters without a glyph width
  // count 0.
  int estimateInTenths(const QString& text) const;
  // The same in whole spaces, rounded up.
  int estimateInSpaces(const QString& text) const { return (estimateInTenths(text) + 9) / 10; }
  static QString gradFilter(const QString& text);
  static QString unitsFilter(const QString& text);

 public slots:
  void show();

 signals:
  void finished();
  // Every frame as written, for the benchmark and the tests' eyes only.
  void frameWritten(QByteArray frame);

 private:
  enum Filter { NoFilter, ValueFilter, UnitFilter };
  using RowWriter = void (ALGOutput::*)(int, const QString&);

  static QStringList parseTelemetrySource(const QString& text);
  static QStringList parseTimerSource(const QString& text);
  static QStringList parseServoSource(const QString& text);
  static void adjustCoords(int row, QByteArray& header1, QByteArray& header2, QByteArray& header3);
  static void set_coords(QByteArray& header, int x, int y);
  QByteArray generateString(const QString& text, QByteArray& header, int mostChars, int fieldWidth,
                            Filter filter) const;
  void printString(const QByteArray& header, const QByteArray& text);
  void outputThreeFields(int row, const QStringList& parts);

  QSharedPointer<QBLEService> m_Service;
  HeadupWindowData m_Rows;
  QMap<E_HeadupType, RowWriter> m_Writers;
  QHash<QChar, int> m_Glyphs;  // tenths of a space
};
