#pragma once
// The model's announcement list (published as "TTSList"): short texts, each
// with the voice that speaks it, stepped through in flight by three switches
// (forward, backward, restart) or on the screen. Each step hands the current
// item's text, language and voice on through ttslindexChanged, which the
// audio thread speaks. Lists are small text files in "/Vorn/Announcements/":
//
//   <list name>;
//   <text>;<voice id>;<language>;<voice>;      one line per item
//
// lines separated by a single line feed, none after the last.
//
// The mutex guards items, index and name; it is not recursive, no locked
// operation calls another, and the signal goes out after it is released so
// that its receivers may call back.
#include <QJsonArray>
#include <QJsonObject>
#include <QMutex>
#include <QObject>
#include <QString>

#include <cstdint>

#include "model/klx_ccontrol.h"

class CTTSList : public QObject {
  Q_OBJECT
 public:
  static constexpr uint16_t kNoControl = 65535;
  static constexpr int kSwitchOn = 2047;

  explicit CTTSList(QObject* parent = nullptr);

  // The member keys of an item, in the order an item holds them.
  static const QString kText;
  static const QString kVoiceId;
  static const QString kLang;
  static const QString kVoice;

  QJsonArray getListinQml();
  // Appends "Text" in the default voice of the language code (none: -1,
  // "None", "None"); the index stays.
  void appendNewItem(QString language);
  // Each replaces the item by one where only that member differs. A ";", CR
  // or LF in a text becomes a blank: the file keeps one field per ";" and
  // one item per line.
  void setTextAt(int index, QString text);
  void setLangAt(int index, QString lang);
  void setVoiceAt(int index, QString voice);
  void setVoiceIdAt(int index, int voiceId);
  // The index is not adjusted; the screen steps back itself.
  bool deleteItemAt(int index);
  void clearListJson();
  // Items, switches and name gone, index -1.
  void ResetToDefault();

  // The current list's file name (extension included); empty: no list.
  QString ListName();
  void SetListName(const QString& name);
  QString Path() const { return m_Path; }
  QString ExportPath();

  // Under the caller's lock: a member of the item, empty (0) outside the list.
  QString GetTextAt(int index) const;
  QString GetLangAt(int index) const;
  QString GetVoiceAt(int index) const;
  int GetVoiceIdAt(int index) const;

  // A switch (a virtual switch's published control) that steps the list
  // when it turns on; null unsubscribes. One already on steps at once.
  void SetForwardControl(uint16_t id, const CControl* control);
  void SetBackwardControl(uint16_t id, const CControl* control);
  void SetRestartControl(uint16_t id, const CControl* control);
  void ForwardControlDisconnect();
  void BackwardControlDisconnect();
  void RestartControlDisconnect();
  int ForwardControlId() const { return m_ForwardId; }
  int BackwardControlId() const { return m_BackwardId; }
  int RestartControlId() const { return m_RestartId; }

  // The list into its file in the lists folder, or onto the USB stick the
  // last export check found: true when the file was replaced whole.
  bool ListToFile(bool toUsb);
  // The current list's file into the items (bad lines: see the reader).
  void FileToList();
  // Writes `content` as folder + name through a temporary file: true when
  // the file was replaced whole.
  bool SaveTTSList(QString name, QString content, QString folder);
  bool SaveTTSList(QString name, QString content) { return SaveTTSList(name, content, m_Path); }
  // A whole file as UTF-8, "-1" when it cannot be opened.
  QString OpenTTSList(QString fullPath);
  // Copies a list file into the lists folder under its own name; false when
  // there is one of that name already, or when the path names a link, a
  // device or a pipe instead of a regular file.
  bool CopyTTSList(QString fullPath);
  // The first mounted USB stick becomes the export path.
  bool ExportPossible();
  bool ExportTTSList() { return ListToFile(true); }

 public slots:
  int getTTSLIndex();
  void incrementTTSLIndex();
  void decrementTTSLIndex();
  void setTTSLIndex(int index);
  void resetTTSLIndex() { setTTSLIndex(-1); }
  void OnForwardControlValueChanged(CControlVal value);
  void OnBackwardControlValueChanged(CControlVal value);
  void OnRestartControlValueChanged(CControlVal value);

 signals:
  // The item now current (three empty texts before the first item).
  void ttslindexChanged(QString text, QString lang, QString voice);

 private:
  struct Role {
    uint16_t* id;
    const CControl** control;
    void (CTTSList::*slot)(CControlVal);
  };
  Role RoleOf(int role);
  void SetControl(int role, uint16_t id, const CControl* control);
  void Disconnect(int role);
  // Under the lock: the texts of the item at the index, for the signal.
  void CurrentTexts(QString* text, QString* lang, QString* voice) const;
  void Announce(const QString& text, const QString& lang, const QString& voice);
  template <typename Change>
  void ChangeItem(int index, const char* what, Change change);
  QJsonObject ItemAt(int index) const;

  const QString m_Path;
  QString m_ExportPath;
  QString m_ListName;
  uint16_t m_ForwardId = kNoControl;
  uint16_t m_BackwardId = kNoControl;
  uint16_t m_RestartId = kNoControl;
  const CControl* m_Forward = nullptr;
  const CControl* m_Backward = nullptr;
  const CControl* m_Restart = nullptr;
  QJsonArray m_Items;
  int32_t m_Index = -1;
  QMutex m_Mutex;
};
