#include "wireless/klx_wlanconnect.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>

#include <cctype>
#include <exception>

#include "frame/klx_debuglog.h"
#include "frame/klx_errorhandler.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_xmlsafefile.h"
#include "platform/klx_commandrunner.h"
#include "platform/klx_network.h"

namespace {
QString Mapped(const QString& fixedPath) { return KLX_FileNameHandler::KLX_FileNameHandlerMapPath(fixedPath); }

// A line of a network file without its line end.
QByteArray Bare(const QByteArray& line) {
  QByteArray bare = line;
  while (bare.endsWith('\n') || bare.endsWith('\r')) bare.chop(1);
  return bare;
}

// A line of a network file as the tool compares it: without the blanks
// around it.
QByteArray Trimmed(const QByteArray& line) { return Bare(line).trimmed(); }

// The tool reads a '#' that follows a '"' on a line as the start of a
// comment, unless the quotes pair around it; a text without such a '#'
// comes back exactly from between quotes.
bool QuotedFormExact(const QByteArray& text) {
  const int quote = text.indexOf('"');
  return quote < 0 || text.indexOf('#', quote) < 0;
}

bool IsHex(const QByteArray& text) {
  for (const char c : text)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
  return !text.isEmpty() && text.size() % 2 == 0;
}

// The network's name line, in the quoted or the hex form, however it is
// indented.
bool IsNameLine(const QByteArray& line, const QByteArray& name) {
  const QByteArray trimmed = Trimmed(line);
  if (!trimmed.startsWith("ssid=")) return false;
  const QByteArray value = trimmed.mid(5);
  return value == '"' + name + '"' || (IsHex(value) && QByteArray::fromHex(value) == name);
}

bool IsPassphraseLine(const QByteArray& line) { return Trimmed(line).startsWith("psk="); }

// The lines of a network file with their line ends; false when it cannot be
// read.
bool ReadLines(const QString& path, QList<QByteArray>* lines) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  while (!file.atEnd()) lines->append(file.readLine());
  return true;
}

// A network block: from its "network={" line to its closing brace (or the
// end of the file), and its name line in there (-1 when it names no
// network given).
struct NetworkBlock {
  int first;
  int last;
  int nameLine;
};

// The network blocks of a file, looking in each for the name line of `name`.
QList<NetworkBlock> Blocks(const QList<QByteArray>& lines, const QByteArray& name) {
  QList<NetworkBlock> blocks;
  for (int i = 0; i < lines.size(); ++i) {
    if (Trimmed(lines.at(i)) != "network={") continue;
    NetworkBlock block{i, i, -1};
    while (block.last + 1 < lines.size() && Trimmed(lines.at(block.last)) != "}") {
      ++block.last;
      if (block.nameLine < 0 && IsNameLine(lines.at(block.last), name)) block.nameLine = block.last;
    }
    blocks.append(block);
    i = block.last;
  }
  return blocks;
}

// Text a tool printed, as UTF-8 up to any NUL byte.
QString ToolText(const QByteArray& out) {
  const int nul = out.indexOf('\0');
  return QString::fromUtf8(nul < 0 ? out : out.left(nul));
}
}  // namespace

KLX_WlanConnect::KLX_WlanConnect(QObject* parent)
    : CNoDebugBase<QThread>(parent), KLX_BaseClassThread("WLANConnect", false), m_Interface(KLX_Platform::kWlanInterface) {}

KLX_WlanConnect::~KLX_WlanConnect() {
  if (isRunning()) KLX_WlanConnectStop();
  // Told to end and woken, the loop ends as soon as it runs, which a busy
  // processor may put off past the stop's wait. Destroying a running thread
  // ends the process: wait for it, however long.
  wait();
}

// ---- The thread ----------------------------------------------------------------

int KLX_WlanConnect::KLX_WlanConnectInitialize() {
  KLX_WlanConnectWiFiDisconnect(true);
  m_Initialized = true;
  KLX_WlanConnectStart();
  return KLX_Ok;
}

int KLX_WlanConnect::KLX_WlanConnectStart() {
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrNotInitialized, QStringLiteral("WLAN0 getting status thread has not been initialized"));
    return KLX_Ok;
  }
  if (!KLX_ThreadControl::Start(this, &m_Running)) {
    KLXErrorHandler.RegisterError(kErrNotRunning, QStringLiteral("WLAN0 getting status thread is not running"));
    return KLX_Error;
  }
  return KLX_Ok;
}

int KLX_WlanConnect::KLX_WlanConnectStop() {
  m_Mutex.lock();
  m_Running = false;
  m_Clock->KLX_ClockWake(m_Wake);
  m_Mutex.unlock();
  if (isRunning() && QThread::currentThread() != this && !wait(kStopWaitMs))
    qWarning("KLX_WlanConnect->wait() == false!");
  return 0;
}

void KLX_WlanConnect::KLX_WlanConnectStartProcessing() {
  Log("  Wlan thread: Start Processing");
  KLX_BaseClassThreadStartProcessing();
}

void KLX_WlanConnect::KLX_WlanConnectStopProcessing() {
  Log("  Wlan thread: Stop Processing");
  KLX_BaseClassThreadStopProcessing();
}

void KLX_WlanConnect::run() {
  // Stopped before it ran (it started late): the stop holds.
  if (!m_Running) return;
  if (!m_Initialized) {
    KLXErrorHandler.RegisterError(kErrRunWithoutInit, QStringLiteral("did not call KLX_WlanConnectInitialize ( )"));
    return;
  }
  qDebug("  ->   starting KLX_WlanConnect thread");
  KLX_ThreadControl::Entered();
  m_Mutex.lock();
  while (m_Running) {
    // A scan asked for during the last pass is not kept waiting a period.
    if (!m_ScanRequest || !KLX_BaseClassThreadIsProcessing()) m_Clock->KLX_ClockWait(m_Wake, m_Mutex, m_PollMs);
    if (m_Running && KLX_BaseClassThreadIsProcessing()) Pass();
  }
  m_Mutex.unlock();
  qDebug("  ->   exit KLX_WlanConnect thread");
}

void KLX_WlanConnect::Pass() {
  QString found;
  try {
    if (m_ScanRequest.exchange(false)) {
      QByteArray out;
      KLX_Platform::RunFor(QStringLiteral("iw"), {QStringLiteral("dev"), m_Interface, QStringLiteral("scan")},
                           kScanWaitMs, &out);
      procScanRead(out);
      emit scanFinished();
    }
    found = LinkQuery();
  } catch (const std::exception&) {
    qWarning("wlan thread: ERROR");
  } catch (...) {
    qWarning("wlan thread: ERROR");
  }
  m_DataMutex.lock();
  const bool changed = found != m_SSID;
  if (changed) m_SSID = found;
  m_DataMutex.unlock();
  if (changed) emit ssidChanged(found);

  // A connection by name and passphrase ends with an address or after its
  // time; one begun anew in the meantime stays.
  qint64 since = m_ConnectSince;
  if (since < 0) return;
  if (getState() == KLX_DatabaseValues::Wlan_Connected)
    m_ConnectSince.compare_exchange_strong(since, -1);
  else if (m_Clock->KLX_ClockNowMs() - since >= kConnectTimeoutMs && m_ConnectSince.compare_exchange_strong(since, -1))
    emit connectTimedOut();
}

QString KLX_WlanConnect::LinkQuery() {
  QByteArray out;
  KLX_Platform::RunFor(QStringLiteral("iw"), {QStringLiteral("dev"), m_Interface, QStringLiteral("link")}, kLinkWaitMs,
                       &out);
  const QString link = ToolText(out);
  if (link.startsWith(QLatin1String("Not connected"))) {
    QByteArray listing;
    KLX_Platform::RunFor(QStringLiteral("ifconfig"), {}, kListWaitMs, &listing);
    const QString text = ToolText(listing);
    const int at = text.indexOf(m_Interface);
    // Listed as an interface: its name opens a line of the listing.
    const int state = (at == 0 || (at > 0 && text.at(at - 1) == QLatin1Char('\n'))) ? KLX_DatabaseValues::Wlan_Enabled
                                                                                      : KLX_DatabaseValues::Wlan_Disabled;
    SetState(state);
    emit stateChanged(state);
    return QString();
  }
  if (!link.startsWith(QLatin1String("Connected"))) return QString();

  if (getState() == KLX_DatabaseValues::Wlan_Disabled) {
    SetState(KLX_DatabaseValues::Wlan_Enabled);
    emit stateChanged(KLX_DatabaseValues::Wlan_Enabled);
  }
  // The address is looked up until the state says connected: after the link
  // came back, the address stored before must not keep the state at 1.
  if (getState() != KLX_DatabaseValues::Wlan_Connected && GetIPAddress()) {
    SetState(KLX_DatabaseValues::Wlan_Connected);
    emit stateChanged(KLX_DatabaseValues::Wlan_Connected);
  }
  QString name;
  int from = 0;
  const QLatin1String ssidTag("SSID: ");
  const int ssid = link.indexOf(ssidTag);
  if (ssid >= 0) {
    const int start = ssid + ssidTag.size();
    const int end = link.indexOf(QLatin1Char('\n'), start);
    name = link.mid(start, end < 0 ? -1 : end - start);
    from = end < 0 ? link.size() : end;
  }
  const QLatin1String signalTag("signal: ");
  const int signal = link.indexOf(signalTag, from);
  if (signal >= 0) {
    const int start = signal + signalTag.size();
    const int end = link.indexOf(QLatin1String("dBm\n"), start);
    bool ok = false;
    const int dBm = end < 0 ? 0 : link.mid(start, end - start).trimmed().toInt(&ok, 10);
    if (ok) emit signalStrengthChanged(SignalPercent(dBm));
  }
  return name;
}

int KLX_WlanConnect::SignalPercent(int dBm) {
  if (dBm < -99) return 0;
  if (dBm <= -46) return (dBm + 100) * 100 / 55;
  return 100;
}

void KLX_WlanConnect::procScanRead(QByteArray proc_stdout) {
  const QByteArray tag("SSID: ");
  int at = proc_stdout.indexOf(tag);
  while (at >= 0) {
    const int start = at + tag.size();
    const int end = proc_stdout.indexOf('\n', start);
    if (end < 0) break;
    if (end > start) emit ssidFound(ToolText(proc_stdout.mid(start, end - start)));
    at = proc_stdout.indexOf(tag, end);
  }
}

// ---- State ---------------------------------------------------------------------

void KLX_WlanConnect::SetState(int state) {
  QMutexLocker lock(&m_DataMutex);
  m_State = state;
}

int KLX_WlanConnect::getState() const {
  QMutexLocker lock(&m_DataMutex);
  return m_State;
}

QString KLX_WlanConnect::KLX_WlanConnectGetIPv4Address() const {
  QMutexLocker lock(&m_DataMutex);
  return m_IPv4;
}

QString KLX_WlanConnect::KLX_WlanConnectGetSSID() const {
  QMutexLocker lock(&m_DataMutex);
  return m_SSID;
}

bool KLX_WlanConnect::GetIPAddress() {
  QString last;
  bool found = false;
  for (const QString& address : KLX_Platform::InterfaceIPv4Addresses(m_Interface)) {
    m_DataMutex.lock();
    m_IPv4 = address;
    m_DataMutex.unlock();
    emit ipV4AddressChanged(address);
    last = address;
    found = true;
  }
  return found && !last.isEmpty();
}

// ---- Interface and connection --------------------------------------------------

void KLX_WlanConnect::KLX_WlanConnectSetOnOff(bool on) {
  qCDebug(lcVornDebug, "  ->   ifconfig %s bring %d", qPrintable(m_Interface), on ? 1 : 0);
  if (!KLX_Platform::StartDetached(QStringLiteral("ifconfig"), {m_Interface, on ? QStringLiteral("up") : QStringLiteral("down")}))
    qWarning("ifconfig could not be started: %s stays as it is", qPrintable(m_Interface));
  if (on) {
    SetState(KLX_DatabaseValues::Wlan_Enabled);
    KLX_WlanConnectStartProcessing();
    emit stateChanged(KLX_DatabaseValues::Wlan_Enabled);
    return;
  }
  m_ConnectSince = -1;
  m_DataMutex.lock();
  m_State = KLX_DatabaseValues::Wlan_Disabled;
  m_SSID.clear();
  m_IPv4.clear();
  m_DataMutex.unlock();
  emit ssidChanged(QString());
  emit ipV4AddressChanged(QString());
  emit signalStrengthChanged(100);
  emit stateChanged(KLX_DatabaseValues::Wlan_Disabled);
}

void KLX_WlanConnect::ScanBegin() {
  m_ScanRequest = true;
  if (!IsWlanRunning())
    KLX_WlanConnectSetOnOff(true);
  else
    KLX_WlanConnectStartProcessing();
  // The loop holds its mutex except while it waits: taken, the wake cannot
  // be lost. A loop in the middle of a pass finds the request when the pass
  // ends, so the GUI thread never waits for a pass.
  if (m_Mutex.tryLock(kWakeTryMs)) {
    m_Clock->KLX_ClockWake(m_Wake);
    m_Mutex.unlock();
  }
}

bool KLX_WlanConnect::IsWlanRunning() {
  QByteArray listing;
  const int ran = KLX_Platform::RunFor(QStringLiteral("ifconfig"), {}, kStopWaitMs, &listing);
  // As grep would answer: 0 when a line names the interface.
  const int status = ran == 0 && ToolText(listing).contains(m_Interface) ? 0 : 1;
  Log(QStringLiteral("KLX_WlanConnect::IsWlanRunning(): %1").arg(status));
  return status == 0;
}

void KLX_WlanConnect::KLX_WlanConnectWiFiConnect(bool dhcp, const QByteArray& address, const QByteArray& gateway,
                                                 bool reconnect, bool stored) {
  KLX_WlanConnectStartProcessing();
  if (!KLX_Platform::StartDetached(QStringLiteral("ifconfig"), {QStringLiteral("eth0"), QStringLiteral("down")}))
    qWarning("ifconfig could not be started: eth0 stays as it is");
  if (reconnect) {
    qDebug("  ---> Reconnecting...");
    KLX_WlanConnectWiFiDisconnect(false);
  }
  KLX_WlanConnectSetOnOff(true);
  const int supplicant = KLX_Platform::RunFor(
      QStringLiteral("wpa_supplicant"),
      {QStringLiteral("-B"), QStringLiteral("-Dwext"), QStringLiteral("-i") + m_Interface, QStringLiteral("-c"),
       stored ? m_StoredFile : m_OneOffFile},
      kStopWaitMs);
  if (supplicant != 0) {
    qDebug("Error running wpa_supplicant! No connection is set.");
    return;
  }
  if (dhcp) {
    // Without it no address comes: the connection's wait for one ends it.
    if (!KLX_Platform::StartDetached(QStringLiteral("udhcpc"), {QStringLiteral("-i"), m_Interface}))
      qWarning("udhcpc could not be started: %s gets no address", qPrintable(m_Interface));
    return;
  }
  // A static address: the gateway also serves as name server. Only plain
  // IPv4 texts reach the tools and the resolver's file.
  const QString ip = QString::fromLatin1(address);
  const QString gw = QString::fromLatin1(gateway);
  if (QHostAddress(ip).protocol() != QAbstractSocket::IPv4Protocol ||
      QHostAddress(gw).protocol() != QAbstractSocket::IPv4Protocol) {
    qDebug("Invalid static address or gateway! No address is set.");
    return;
  }
  if (KLX_Platform::RunFor(QStringLiteral("ifconfig"), {m_Interface, ip}, kStopWaitMs) != 0) return;
  if (KLX_Platform::RunFor(QStringLiteral("route"), {QStringLiteral("add"), QStringLiteral("default"), QStringLiteral("gw"), gw},
                           kStopWaitMs) != 0)
    return;
  const QString resolver = Mapped(QStringLiteral("/etc/resolv.conf"));
  QDir().mkpath(QFileInfo(resolver).absolutePath());
  KLX_XMLSafeFile file(resolver);
  if (file.Open()) {
    file.Device()->write("nameserver " + gw.toLatin1() + "\n");
    file.Commit();
  }
}

int KLX_WlanConnect::KLX_WlanConnectWiFiConnectBySSIDPassw(const QString& name, const QString& passphrase) {
  const QByteArray n = name.toUtf8();
  const QByteArray p = passphrase.toUtf8();
  if (!Writable(n, p) || !WriteOneOffFile(Block(n, p))) return 0;
  KLX_WlanConnectWiFiConnect(true, QByteArray(), QByteArray(), false, false);
  m_ConnectSince = m_Clock->KLX_ClockNowMs();
  return 1;
}

int KLX_WlanConnect::KLX_WlanConnectWiFiDisconnect(bool keep) {
  Log("  ->   Disconnect method called!");
  if (keep) {
    KLX_WlanConnectStopProcessing();
    return 0;
  }
  KLX_WlanConnectSetOnOff(false);
  KLX_WlanConnectStopProcessing();
  const int status = KLX_Platform::RunFor(QStringLiteral("killall"), {QStringLiteral("wpa_supplicant")}, kStopWaitMs);
  if (status != 0) return status;
  return KLX_Platform::RunFor(QStringLiteral("killall"), {QStringLiteral("udhcpc")}, kStopWaitMs);
}

// ---- The stored networks -------------------------------------------------------

bool KLX_WlanConnect::Acceptable(const QByteArray& text, int minBytes, int maxBytes) {
  // A line end or NUL would end the line or the text inside the file.
  return text.size() >= minBytes && text.size() <= maxBytes && !text.contains('\n') && !text.contains('\r') &&
         !text.contains('\0');
}

bool KLX_WlanConnect::Writable(const QByteArray& name, const QByteArray& passphrase) {
  // "\x" is how a scan shows a byte it cannot print: not the network's name.
  if (name.contains("\\x") || !Acceptable(name, 1, kNameMaxBytes)) return false;
  if (passphrase.size() < kPassphraseMinBytes || passphrase.size() > kPassphraseMaxBytes) return false;
  // The tool refuses control characters in a passphrase, and a passphrase
  // has no other form in the file than the quoted one.
  for (const char c : passphrase)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
  return QuotedFormExact(passphrase);
}

bool KLX_WlanConnect::PassphraseQuotable(const QString& passphrase) { return QuotedFormExact(passphrase.toUtf8()); }

QByteArray KLX_WlanConnect::NameLine(const QByteArray& name) {
  return QuotedFormExact(name) ? "ssid=\"" + name + "\"" : "ssid=" + name.toHex();
}

QByteArray KLX_WlanConnect::Block(const QByteArray& name, const QByteArray& passphrase) {
  return "\nnetwork={\n\t" + NameLine(name) + "\n" + ("\tpsk=\"" + passphrase + "\"\n") + "}\n";
}

bool KLX_WlanConnect::WriteOneOffFile(const QByteArray& block) {
  QMutexLocker lock(&m_FileMutex);
  const QString path = Mapped(m_OneOffFile);
  QDir().mkpath(QFileInfo(path).absolutePath());
  KLX_XMLSafeFile file(path);
  return file.Open() && file.Device()->write(block) == block.size() && file.Commit();
}

void KLX_WlanConnect::KLX_WlanConnectSetPassw(const QString& name, const QString& passphrase) {
  KLX_WlanConnectAddSSID(name.toUtf8(), passphrase.toUtf8());
}

bool KLX_WlanConnect::KLX_WlanConnectAddSSID(const QByteArray& name, const QByteArray& passphrase) {
  if (!Writable(name, passphrase)) return false;
  QMutexLocker lock(&m_FileMutex);
  QList<QByteArray> lines;
  ReadLines(Mapped(m_StoredFile), &lines);
  const QByteArray passphraseLine = "psk=\"" + passphrase + "\"";
  bool found = false;
  bool changed = false;
  const QList<NetworkBlock> blocks = Blocks(lines, name);
  // From the last block on, so that an added line leaves the places of the
  // blocks before it as they are.
  for (auto block = blocks.crbegin(); block != blocks.crend(); ++block) {
    if (block->nameLine < 0) continue;
    found = true;
    // A name written in a form the tool does not read back gets the one it does.
    QByteArray& nameLine = lines[block->nameLine];
    const QByteArray indent = nameLine.left(nameLine.indexOf("ssid="));
    if (!QuotedFormExact(name) && !IsHex(Trimmed(nameLine).mid(5))) {
      nameLine = indent + NameLine(name) + "\n";
      changed = true;
    }
    int at = block->first + 1;
    while (at <= block->last && !IsPassphraseLine(lines.at(at))) ++at;
    if (at > block->last) {
      lines.insert(block->nameLine + 1, indent + passphraseLine + "\n");
      changed = true;
      continue;
    }
    QByteArray& line = lines[at];
    const QByteArray replaced = line.left(line.indexOf("psk=")) + passphraseLine + "\n";
    changed = changed || Bare(replaced) != Bare(line);
    line = replaced;
  }
  QByteArray text = lines.join();
  if (!found) {
    text += Block(name, passphrase);
    changed = true;
  }
  return changed && Rewrite(text);
}

bool KLX_WlanConnect::KLX_WlanConnectForgetSSID(const QString& name) {
  QMutexLocker lock(&m_FileMutex);
  QList<QByteArray> lines;
  if (!ReadLines(Mapped(m_StoredFile), &lines)) return false;
  // The other networks' blocks are kept whole, whatever lines they hold.
  QByteArray text;
  bool found = false;
  for (const NetworkBlock& block : Blocks(lines, name.toUtf8())) {
    if (block.nameLine >= 0) {
      found = true;
      continue;
    }
    for (int i = block.first; i <= block.last; ++i) text += lines.at(i);
  }
  return found && Rewrite(text);
}

bool KLX_WlanConnect::Rewrite(const QByteArray& text) {
  const QString path = Mapped(m_RewriteFile);
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile rewrite(path);
  const bool written = rewrite.open(QIODevice::WriteOnly | QIODevice::Truncate) && rewrite.write(text) == text.size() &&
                       rewrite.flush();
  rewrite.close();
  if (!written) {
    QFile::remove(path);
    return false;
  }
  return KLX_WlanMoveWPAConfigFile();
}

QString KLX_WlanConnect::KLX_WlanFindSSIDGetPassw(const QString& name) {
  QMutexLocker lock(&m_FileMutex);
  QList<QByteArray> lines;
  if (!ReadLines(Mapped(m_StoredFile), &lines)) return QString();
  for (const NetworkBlock& block : Blocks(lines, name.toUtf8())) {
    if (block.nameLine < 0) continue;
    for (int i = block.first + 1; i <= block.last; ++i) {
      const QByteArray line = Bare(lines.at(i));
      const int first = line.indexOf('"');
      if (!IsPassphraseLine(line) || first < 0) continue;
      // The tool reads a quoted text up to the line's last quote, so a
      // passphrase may hold quotes itself.
      const int last = line.lastIndexOf('"');
      return QString::fromUtf8(last > first ? line.mid(first + 1, last - first - 1) : QByteArray());
    }
  }
  return QString();
}

bool KLX_WlanConnect::KLX_WlanConnectIsWPAConfigExisting() {
  QMutexLocker lock(&m_FileMutex);
  const QFileInfo stored(Mapped(m_StoredFile));
  if (!stored.exists()) return false;
  if (stored.size() > 0) return true;
  QFile::remove(stored.filePath());
  return false;
}

bool KLX_WlanConnect::KLX_WlanMoveWPAConfigFile() {
  // The rewrite file lies in "/tmp", the stored file on another file system:
  // the new text goes through a synced temporary file beside the stored one
  // and replaces it in one rename, so a cut never leaves the list half
  // written or gone.
  QFile rewrite(Mapped(m_RewriteFile));
  if (!rewrite.open(QIODevice::ReadOnly)) return false;
  const QByteArray text = rewrite.readAll();
  rewrite.close();
  const QString storedPath = Mapped(m_StoredFile);
  QDir().mkpath(QFileInfo(storedPath).absolutePath());
  KLX_XMLSafeFile stored(storedPath);
  if (!stored.Open() || stored.Device()->write(text) != text.size() || !stored.Commit()) return false;
  rewrite.remove();
  return true;
}
