#pragma once
// The limits every update download keeps, whoever runs it: an address on
// the update server counts only when it answers 200 (a redirect's or an
// error page's body is never a file of the update), a body may not grow
// beyond the size expected of it, and a transfer that brings no byte for
// kStallMs is given up. An endless or stalled answer would otherwise fill
// the card the models live on, or hold the update for ever. A trickle of
// bytes is no transfer either: each kStallMs brings at least
// kFloorBytesPerSecond a second, or the rest of the body when that is less.
//
// A body goes to the card only when the card has room for all of it that
// the server announces; one the server gives no length for goes on only
// while each piece leaves the card the room a model save asks for. Every
// write is checked: a card that fills on the way is told apart from a file
// that cannot be written, never taken for a good file.
//
// What a transfer holds in memory is bounded whatever the sender's speed:
// the reply keeps at most about kReplyBufferBytes before Qt stops reading
// from the connection (the sender then waits for the card), and each read
// takes at most kReadPieceBytes of it. Qt reads ahead of the reply as much
// again, and a body without a length in passes of all that the connection
// has queued in the system (its receive buffer): a few MB in all. Without
// the bound all that comes faster than the card takes it is held, up to
// the whole body.
//
// The watch lives in the thread of the replies it watches. The stall is
// measured on a clock a test can step; the clock is looked at every
// check period.
#include <QObject>
#include <QTimer>

#include <atomic>

class KLX_Clock;
class QFile;
class QNetworkReply;

class CTransferWatch : public QObject {
  Q_OBJECT
 public:
  // No byte for this long: the transfer has stalled.
  static constexpr qint64 kStallMs = 30000;
  static constexpr qint64 kFloorBytesPerSecond = 1024;
  static constexpr int kCheckMs = 1000;
  // Checksum lists, folder listings and the receiver catalogue.
  static constexpr qint64 kListBytesMax = 1024 * 1024;
  // A file no list gives a size for: the most the update path copies.
  static constexpr qint64 kFileBytesMax = 199999999;
  // What a watched reply holds unread before it stops reading from the
  // connection, and what one read of it takes at most.
  static constexpr qint64 kReplyBufferBytes = 1024 * 1024;
  static constexpr qint64 kReadPieceBytes = 256 * 1024;

  explicit CTransferWatch(QObject* parent = nullptr);

  // Any thread; takes effect with the next transfer. Null: the system clock.
  void SetClock(KLX_Clock* clock, int checkMs = kCheckMs);

  // Starts watching `reply`, whose body may hold up to `maxBytes`, and
  // bounds what it holds unread.
  void Begin(QNetworkReply* reply, qint64 maxBytes);
  // How many bytes to read from the reply now: of the `available` ones that
  // came, a piece of at most kReadPieceBytes and at most one more than the
  // body may still hold, so that a body too long shows. Qt's read takes a
  // buffer of the size asked for: asked for all the body may hold, each
  // piece would take one of up to 200 MB (a file the list gives no size
  // for), which holds the thread long on a busy board and may not be there
  // at all. The reader reads piece after piece while bytes are available:
  // a reply whose buffer stays full brings nothing more.
  qint64 ReadLimit(qint64 available) const {
    return qMin(qMin(m_Max - m_Taken + 1, available), kReadPieceBytes);
  }
  // The bytes just read; false when the body went beyond its size.
  bool Take(qint64 bytes);
  // All of `reply`'s announced length (when it announces one) was taken: a
  // connection that closed before it is a cut transfer, whatever the reply
  // says.
  bool Whole(const QNetworkReply* reply) const;
  // Stops watching.
  void End();

  enum Stored { Stored_All, Stored_CardFull, Stored_Failed };
  // Writes all of `data`, bytes of the watched reply's body, to the open
  // `file`. Before the first of them: the card has room for all the reply
  // announces. A reply without a length is a full card as soon as `data`
  // would take the card below the room a model save asks for; the caller
  // removes what it wrote. A short or failed write is a full card when the
  // card has no room for `data` left.
  Stored Keep(QFile& file, const QByteArray& data);
  // The card holding `path` has room for `bytes` more.
  static bool CardTakes(const QString& path, qint64 bytes);

  // A server's answer may be stored: 200 (an address that is no HTTP one
  // has no status to check).
  static bool AnswerTaken(const QNetworkReply* reply);

 signals:
  // No byte came for kStallMs, or too few; the owner gives the transfer up.
  void sigStalled();

 private slots:
  void Check();

 private:
  qint64 NowMs() const;
  // The window that ended now brought fewer bytes than the floor asks.
  bool BelowFloor() const;

  QTimer m_Timer;
  std::atomic<KLX_Clock*> m_Clock{nullptr};
  std::atomic<int> m_CheckMs{kCheckMs};
  const QNetworkReply* m_Reply = nullptr;
  qint64 m_Max = 0;
  qint64 m_Taken = 0;
  // The announced length was held against the card's room.
  bool m_Fitted = false;
  qint64 m_LastByteMs = 0;
  // The rate's window: when it began and what had been taken then.
  qint64 m_WindowMs = 0;
  qint64 m_WindowTaken = 0;
};
