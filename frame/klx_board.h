#pragma once
// The board descriptor: every answer that differs between the two
// transmitters. Other code asks it instead of testing the board type.
#include <QByteArray>
#include <QString>

enum E_BoardType { E_BoardUndefined = 0, E_BoardVorn = 1, E_BoardFenk = 2 };

class Board {
 public:
  virtual ~Board();

  virtual QString Name() const;
  virtual QString RemoteUpdatePathGet() const;
  virtual QString RemoteSysUpdatePathGet() const;
  virtual QString SysUpdatePathGet() const;
  virtual QString SCName() const;
  virtual QString SCDisplayName() const;
  virtual QString SysUpdateListNameGet() const;
  virtual QString AppUpdateListNameGet() const;
  virtual QString SDCardDevPathGet() const;
  virtual QByteArray ReceiversFolderGet() const;
  virtual QByteArray ReceiversListGet() const;
  virtual int VoiceAlarmsCountMax() const;
  virtual int TimerCountMax() const;
  virtual int SpecialSwitchCountMax() const;
  virtual int ReceiversCountMax() const;
  virtual bool IsVorn() const;
  virtual bool IsFenk() const;

  // Creates the descriptor once, from the board-name file.
  static bool Init();
  // Creates the descriptor once, for the given type.
  static bool Init(E_BoardType type);
  static bool IsInitialized();
  // Destroys the descriptor (at the end of the run, or between tests).
  static void Free();

  static Board* m_Instance;
  static E_BoardType m_Board;
  static QString m_RemoteUpdatePath;
};

class BoardVorn : public Board {
 public:
  BoardVorn();
  QString Name() const override;
  QString RemoteUpdatePathGet() const override;
  QString RemoteSysUpdatePathGet() const override;
  QString SysUpdatePathGet() const override;
  QString SCName() const override;
  QString SysUpdateListNameGet() const override;
  QString AppUpdateListNameGet() const override;
  QString SDCardDevPathGet() const override;
  int VoiceAlarmsCountMax() const override;
  int TimerCountMax() const override;
  int ReceiversCountMax() const override;
  bool IsVorn() const override;

 private:
  QString m_RemoteUpdate;
  QString m_RemoteSysUpdate;
};

class BoardFenk : public Board {
 public:
  BoardFenk();
  QString Name() const override;
  QString RemoteUpdatePathGet() const override;
  QString RemoteSysUpdatePathGet() const override;
  QString SysUpdatePathGet() const override;
  QString SCName() const override;
  QString SCDisplayName() const override;
  QString SysUpdateListNameGet() const override;
  QString AppUpdateListNameGet() const override;
  QString SDCardDevPathGet() const override;
  int VoiceAlarmsCountMax() const override;
  int TimerCountMax() const override;
  int ReceiversCountMax() const override;
  bool IsFenk() const override;

 private:
  QString m_RemoteUpdate;
  QString m_RemoteSysUpdate;
};
