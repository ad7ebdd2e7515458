#pragma once
// The larger board's GPS receiver, a u-blox speaking UBX at 9600 baud, on a
// pseudo-terminal linked where the program opens its serial line. It
// acknowledges the configuration messages (CFG-*: ACK-ACK with the class and
// id it takes), and once NAV-PVT is switched on it sends a navigation
// solution every second of its clock: the transmitter standing at the centre
// of the track, turning to face the model that circles it. The date and time
// are the UTC of the host, or what a test sets.
//
// Knobs: bad checksums, stray bytes before each frame, frames split over
// several writes (with a pause between the pieces, as a slow line delivers
// them), no fix, silence (no answers, nothing sent; what arrives is read and
// dropped).
//
// Frames are built here from the published UBX layout, apart from the program's.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QString>

#include <atomic>
#include <thread>

class KLX_Clock;

class CSimGps {
 public:
  static constexpr int kPeriodMs = 1000;
  // What a byte takes on the line at 9600 baud (10 bits), in microseconds;
  // an answer goes out after its question has passed the line.
  static constexpr int kByteUs = 1042;
  static constexpr int kPiecePauseMs = 40;
  // Where the track lies: a field near Göttingen (1e-7 degree).
  static constexpr qint32 kCentreLongitude = 99345000;
  static constexpr qint32 kCentreLatitude = 515420000;

  // One navigation solution as NAV-PVT carries it.
  struct Solution {
    QDateTime utc;
    int valid = 0x07;          // date, time, fully resolved
    int fixType = 3;
    int flags = 1;             // a valid fix
    int satellites = 9;
    qint32 longitude = kCentreLongitude;
    qint32 latitude = kCentreLatitude;
    qint32 heightMm = 152000;  // above mean sea level
    quint32 speedMmS = 0;
    qint32 heading = 0;        // of motion, 1e-5 degree
  };

  explicit CSimGps(KLX_Clock* clock = nullptr);
  // Before Open: the clock of its one-second cadence (default the system's).
  void SetClock(KLX_Clock* clock);
  ~CSimGps();
  CSimGps(const CSimGps&) = delete;
  CSimGps& operator=(const CSimGps&) = delete;

  // Opens a pseudo-terminal, links it at `linkPath` (replacing what is
  // there) and serves it until Close().
  bool Open(const QString& linkPath);
  void Close();
  bool IsOpen() const { return m_Master >= 0; }

  // ---- knobs ----
  void SetSilent(bool silent);
  // The next `frames` frames sent (answers and solutions) carry a bad checksum.
  void SetBadChecksums(int frames);
  void SetStrayBytes(const QByteArray& bytes);  // before every frame
  void SetPieces(int pieces);                   // 1: whole frames
  void SetNoFix(bool noFix);                    // fix type 0, nothing valid
  // The solution to send instead of the track (until ClearSolution()).
  void SetSolution(const Solution& solution);
  void ClearSolution();
  // Sends these bytes as they stand, at once.
  void SendRaw(const QByteArray& bytes);

  // ---- what it heard and sent ----
  // Every whole frame received, from its sync bytes to its checksum.
  QList<QByteArray> Received() const;
  int SolutionsSent() const { return m_SolutionsSent; }
  int AcknowledgementsSent() const { return m_AcksSent; }

  // The track: where the model flies at `ms` on the clock (a circle of
  // 90 to 210 m around the centre, once a minute) and the transmitter there.
  static void ModelOnTrack(qint64 ms, qint32* longitude, qint32* latitude);
  static Solution TransmitterOnTrack(qint64 ms);

  // A UBX frame: sync bytes, class, id, length, payload, checksum.
  static QByteArray Frame(int cls, int id, const QByteArray& payload);
  static QByteArray NavPvt(const Solution& s);

 private:
  void Loop();
  void Take(const QByteArray& bytes);
  // Queues a frame with the knobs applied, `delayMs` of real time from now.
  void Queue(QByteArray frame, int delayMs);
  void WriteDue();
  qint64 ClockMs() const;

  std::atomic<KLX_Clock*> m_Clock;
  int m_Master = -1;
  int m_Slave = -1;
  QString m_Link;
  std::thread m_Thread;
  std::atomic<bool> m_Stop{false};
  mutable QMutex m_Mutex;
  // Under m_Mutex.
  bool m_Silent = false;
  int m_BadChecksums = 0;
  QByteArray m_Stray;
  int m_Pieces = 1;
  bool m_NoFix = false;
  bool m_HasSolution = false;
  Solution m_Solution;
  bool m_PvtOn = false;
  QByteArray m_In;
  QList<QByteArray> m_Received;
  struct Out {
    qint64 dueUs;
    QByteArray bytes;
  };
  QList<Out> m_Out;
  qint64 m_NextSolutionMs = -1;
  std::atomic<int> m_SolutionsSent{0};
  std::atomic<int> m_AcksSent{0};
};
