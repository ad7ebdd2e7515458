#include "audio/cttslist.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>

#include "audio/klx_tts.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsafefile.h"

const QString CTTSList::kText = QStringLiteral("text");
const QString CTTSList::kVoiceId = QStringLiteral("voiceid");
const QString CTTSList::kLang = QStringLiteral("lang");
const QString CTTSList::kVoice = QStringLiteral("voice");

namespace {
enum { kForward, kBackward, kRestart };

const QString kNone = QStringLiteral("None");

// A ";" ends a field and a line feed an item in the file: neither may stand
// inside one.
QString FieldText(QString text) {
  for (QChar& c : text)
    if (c == QLatin1Char(';') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) c = QLatin1Char(' ');
  return text;
}

QJsonObject Item(const QString& text, int voiceId, const QString& lang, const QString& voice) {
  QJsonObject item;
  item.insert(CTTSList::kText, text);
  item.insert(CTTSList::kVoiceId, voiceId);
  item.insert(CTTSList::kLang, lang);
  item.insert(CTTSList::kVoice, voice);
  return item;
}
}  // namespace

CTTSList::CTTSList(QObject* parent)
    : QObject(parent), m_Path(KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/Vorn/Announcements/"))) {}

// ---- Items ------------------------------------------------------------------------------

QJsonArray CTTSList::getListinQml() {
  QMutexLocker lock(&m_Mutex);
  return m_Items;
}

void CTTSList::appendNewItem(QString language) {
  const int voice = KLX_TTS::GetDefVoiceIndex(language);
  const QJsonObject item = voice >= 0 ? Item(QStringLiteral("Text"), voice, FieldText(KLX_TTS::GetVoiceDialect(voice)),
                                             FieldText(KLX_TTS::GetVoiceDisplayName(voice)))
                                      : Item(QStringLiteral("Text"), voice, kNone, kNone);
  QMutexLocker lock(&m_Mutex);
  m_Items.append(item);
}

QJsonObject CTTSList::ItemAt(int index) const {
  if (index < 0 || index >= m_Items.size()) return QJsonObject();
  return m_Items.at(index).toObject();
}

template <typename Change>
void CTTSList::ChangeItem(int index, const char* what, Change change) {
  QMutexLocker lock(&m_Mutex);
  if (index < 0 || index >= m_Items.size() || !m_Items.at(index).isObject()) {
    qWarning("Invalid index while changing %s in tts_list", what);
    return;
  }
  QJsonObject item = m_Items.at(index).toObject();
  change(item);
  m_Items.replace(index, item);
}

void CTTSList::setTextAt(int index, QString text) {
  ChangeItem(index, "text", [&](QJsonObject& item) { item.insert(kText, FieldText(text)); });
}

void CTTSList::setLangAt(int index, QString lang) {
  ChangeItem(index, "text", [&](QJsonObject& item) { item.insert(kLang, FieldText(lang)); });
}

void CTTSList::setVoiceAt(int index, QString voice) {
  ChangeItem(index, "text", [&](QJsonObject& item) { item.insert(kVoice, FieldText(voice)); });
}

void CTTSList::setVoiceIdAt(int index, int voiceId) {
  ChangeItem(index, "voiceid", [&](QJsonObject& item) { item.insert(kVoiceId, voiceId); });
}

bool CTTSList::deleteItemAt(int index) {
  QMutexLocker lock(&m_Mutex);
  if (index < 0 || index >= m_Items.size()) {
    qWarning("Delete Item abborted; %i is out of range", index);
    return false;
  }
  m_Items.removeAt(index);
  return true;
}

void CTTSList::clearListJson() {
  QMutexLocker lock(&m_Mutex);
  while (!m_Items.isEmpty()) m_Items.removeLast();
}

void CTTSList::ResetToDefault() {
  {
    QMutexLocker lock(&m_Mutex);
    while (!m_Items.isEmpty()) m_Items.removeLast();
    m_ListName.clear();
    m_Index = -1;
  }
  ForwardControlDisconnect();
  BackwardControlDisconnect();
  RestartControlDisconnect();
}

QString CTTSList::ListName() {
  QMutexLocker lock(&m_Mutex);
  return m_ListName;
}

void CTTSList::SetListName(const QString& name) {
  QMutexLocker lock(&m_Mutex);
  m_ListName = name;
}

QString CTTSList::ExportPath() {
  QMutexLocker lock(&m_Mutex);
  return m_ExportPath;
}

QString CTTSList::GetTextAt(int index) const { return ItemAt(index).value(kText).toString(); }
QString CTTSList::GetLangAt(int index) const { return ItemAt(index).value(kLang).toString(); }
QString CTTSList::GetVoiceAt(int index) const { return ItemAt(index).value(kVoice).toString(); }
int CTTSList::GetVoiceIdAt(int index) const { return ItemAt(index).value(kVoiceId).toInt(0); }

// ---- Stepping ---------------------------------------------------------------------------

int CTTSList::getTTSLIndex() {
  QMutexLocker lock(&m_Mutex);
  return m_Index;
}

void CTTSList::CurrentTexts(QString* text, QString* lang, QString* voice) const {
  *text = GetTextAt(m_Index);
  *lang = GetLangAt(m_Index);
  *voice = GetVoiceAt(m_Index);
}

void CTTSList::Announce(const QString& text, const QString& lang, const QString& voice) {
  emit ttslindexChanged(text, lang, voice);
}

void CTTSList::incrementTTSLIndex() {
  QString text, lang, voice;
  {
    QMutexLocker lock(&m_Mutex);
    m_Index = m_Index < m_Items.size() - 1 ? m_Index + 1 : -1;
    CurrentTexts(&text, &lang, &voice);
  }
  Announce(text, lang, voice);
}

void CTTSList::decrementTTSLIndex() {
  QString text, lang, voice;
  {
    QMutexLocker lock(&m_Mutex);
    m_Index = m_Index < 0 ? m_Items.size() - 1 : m_Index - 1;
    CurrentTexts(&text, &lang, &voice);
  }
  Announce(text, lang, voice);
}

void CTTSList::setTTSLIndex(int index) {
  QString text, lang, voice;
  {
    QMutexLocker lock(&m_Mutex);
    m_Index = index < m_Items.size() ? index : -1;
    CurrentTexts(&text, &lang, &voice);
  }
  Announce(text, lang, voice);
}

// ---- Switches ---------------------------------------------------------------------------

CTTSList::Role CTTSList::RoleOf(int role) {
  switch (role) {
    case kForward: return {&m_ForwardId, &m_Forward, &CTTSList::OnForwardControlValueChanged};
    case kBackward: return {&m_BackwardId, &m_Backward, &CTTSList::OnBackwardControlValueChanged};
    default: return {&m_RestartId, &m_Restart, &CTTSList::OnRestartControlValueChanged};
  }
}

void CTTSList::Disconnect(int role) {
  const Role r = RoleOf(role);
  *r.id = kNoControl;
  if (!*r.control) return;
  disconnect(*r.control, &CControl::OnValueChanged, this, r.slot);
  *r.control = nullptr;
}

void CTTSList::SetControl(int role, uint16_t id, const CControl* control) {
  Disconnect(role);
  const Role r = RoleOf(role);
  *r.id = id;
  *r.control = control;
  if (!control) return;
  (this->*r.slot)(control->Value());
  connect(control, &CControl::OnValueChanged, this, r.slot);
}

void CTTSList::SetForwardControl(uint16_t id, const CControl* control) { SetControl(kForward, id, control); }
void CTTSList::SetBackwardControl(uint16_t id, const CControl* control) { SetControl(kBackward, id, control); }
void CTTSList::SetRestartControl(uint16_t id, const CControl* control) { SetControl(kRestart, id, control); }
void CTTSList::ForwardControlDisconnect() { Disconnect(kForward); }
void CTTSList::BackwardControlDisconnect() { Disconnect(kBackward); }
void CTTSList::RestartControlDisconnect() { Disconnect(kRestart); }

void CTTSList::OnForwardControlValueChanged(CControlVal value) {
  if (value == kSwitchOn) incrementTTSLIndex();
}

void CTTSList::OnBackwardControlValueChanged(CControlVal value) {
  if (value == kSwitchOn) decrementTTSLIndex();
}

void CTTSList::OnRestartControlValueChanged(CControlVal value) {
  if (value == kSwitchOn) setTTSLIndex(-1);
}

// ---- Files ------------------------------------------------------------------------------

bool CTTSList::ListToFile(bool toUsb) {
  QString name, folder, content;
  {
    QMutexLocker lock(&m_Mutex);
    if (m_ListName.isEmpty()) return false;
    name = m_ListName;
    folder = toUsb ? m_ExportPath : m_Path;
    content = m_ListName + QLatin1Char(';');
    for (const QJsonValue& element : m_Items) {
      if (!element.isObject()) continue;
      const QJsonObject item = element.toObject();
      content += QLatin1Char('\n') + item.value(kText).toString() + QLatin1Char(';') +
                 QString::number(item.value(kVoiceId).toInt()) + QLatin1Char(';') + item.value(kLang).toString() +
                 QLatin1Char(';') + item.value(kVoice).toString() + QLatin1Char(';');
    }
  }
  // Without an export check that found a stick there is nowhere to export to.
  if (folder.isEmpty()) return false;
  return SaveTTSList(name, content, folder);
}

bool CTTSList::SaveTTSList(QString name, QString content, QString folder) {
  if (!QDir().mkpath(folder)) {
    qWarning("SaveTTSList error: could not create path %s", qPrintable(folder));
    return false;
  }
  const QString path = QDir(folder).filePath(name);
  KLX_XMLSafeFile::RemoveLeftovers(path);
  KLX_XMLSafeFile file(path);
  if (!file.Open()) {
    qWarning("Error while opening in SaveTTSList (%s)", qPrintable(path));
    return false;
  }
  const QByteArray bytes = content.toUtf8();
  // A short write or a failed sync leaves the old file as it was.
  if (!file.Write(bytes.constData(), bytes.size()) || !file.Commit()) {
    qWarning("Error while writing in SaveTTSList (%s)", qPrintable(path));
    return false;
  }
  return true;
}

QString CTTSList::OpenTTSList(QString fullPath) {
  QFile file(fullPath);
  if (!file.open(QIODevice::ReadOnly)) {
    qDebug("Error while loading a file OpenTTSList");
    return QStringLiteral("-1");
  }
  return QString::fromUtf8(file.readAll());
}

void CTTSList::FileToList() {
  QString name;
  {
    QMutexLocker lock(&m_Mutex);
    while (!m_Items.isEmpty()) m_Items.removeLast();
    // The items are gone whether or not the file is read: an index kept
    // from them would name an item the list no longer has.
    m_Index = -1;
    name = m_ListName;
  }
  if (name.isEmpty()) return;
  const QString content = OpenTTSList(m_Path + name);
  if (content == QLatin1String("-1")) return;
  QStringList lines = content.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
  lines.removeFirst();  // the list's own name
  const int voices = KLX_TTS::GetVoicesCount();
  QJsonArray items;
  for (const QString& line : lines) {
    // A blank line ends the list.
    if (line.isEmpty()) break;
    const QStringList fields = line.split(QLatin1Char(';'), Qt::KeepEmptyParts);
    bool number = false;
    int voiceId = fields.value(1).toInt(&number);
    if (!number || voiceId > voices) voiceId = 0;
    items.append(Item(fields.value(0), voiceId, fields.value(2), fields.value(3)));
  }
  QMutexLocker lock(&m_Mutex);
  m_Items = items;
  m_Index = -1;
}

bool CTTSList::CopyTTSList(QString fullPath) {
  qDebug("COPYLIST IS CALLED");
  if (fullPath.isEmpty()) return false;
  const QString name = fullPath.section(QLatin1Char('/'), -1);
  qDebug("Filename: %s", qPrintable(name));
  if (name.isEmpty()) return false;
  // A link on a stick may name any file of the system; a pipe never ends.
  if (!KLX_FileCallsIsPlainFile(fullPath)) return false;
  if (!QDir().mkpath(m_Path)) return false;
  return QFile::copy(fullPath, m_Path + name);
}

bool CTTSList::ExportPossible() {
  KLX_FileNameHandler names;
  names.KLX_FileNameHandlerGetUSBAllSticksMask();
  const QString prefix = KLX_FileNameHandler::KLX_FileNameHandlerMapPath(QStringLiteral("/media/usb"));
  for (int i = 0; i < names.KLX_FileNameHandlerGetStoragesCount(); ++i) {
    const QString root = names.KLX_FileNameHandlerGetStoragePath(i);
    if (!root.startsWith(prefix)) continue;
    QMutexLocker lock(&m_Mutex);
    m_ExportPath = root + QLatin1Char('/');
    return true;
  }
  return false;
}
