#include "sim/csimupdateserver.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>

#include <array>

#include "sim/csimfirmware.h"

namespace {
// The program this build is; the desktop run's package is one above it.
constexpr int kProgramMajor = 3;
constexpr int kProgramMinor = 90;

const QString kStickList = QStringLiteral("KLX32MD5.txt");
const QString kServerList = QStringLiteral("KLX32MD5fold.txt");
const QString kVoiceList = QStringLiteral("VOICEDATAMD5.txt");

bool Write(const QString& path, const QByteArray& bytes) {
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return false;
  return f.commit();
}

void Le16(QByteArray* out, unsigned value) {
  out->append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}
void Le32(QByteArray* out, quint32 value) {
  Le16(out, value & 0xFFFF);
  Le16(out, value >> 16);
}

quint32 Crc32(const QByteArray& bytes) {
  static const std::array<quint32, 256> table = [] {
    std::array<quint32, 256> t{};
    for (quint32 n = 0; n < 256; ++n) {
      quint32 c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  quint32 crc = 0xFFFFFFFFu;
  for (char b : bytes) crc = table[(crc ^ quint8(b)) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

QString Script(const QString& what, const CSimAppPackage& p) {
  // Run from the stick's folder or the card's update folder: two levels
  // below the system's top folder either way.
  return QStringLiteral("#!/bin/sh\n# The %1 script of package %2.%3.\n"
                        "echo \"%1 of package %2.%3\" >> \"$(dirname \"$0\")/../../run/update-scripts.log\"\n")
      .arg(what)
      .arg(p.major)
      .arg(p.minor);
}

QByteArray Picture(QRgb colour) {
  QImage image(48, 32, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}
}  // namespace

QList<CSimFile> CSimAppPackage::Files() const {
  const QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<vornupdate version=\"1.0\">\n"
                                     "    <UPDATE>\n        <Target>%1</Target>\n"
                                     "        <VersionMajor>%2</VersionMajor>\n        <VersionMinor>%3</VersionMinor>\n"
                                     "        <ForceUpdate>0</ForceUpdate>\n    </UPDATE>\n</vornupdate>\n")
                          .arg(board)
                          .arg(major)
                          .arg(minor);
  QList<CSimFile> files{{QStringLiteral("Update.xml"), xml.toUtf8()}, {QStringLiteral("KLX32LinuxApp"), program}};
  files += translations;
  if (!prolog.isEmpty()) files.append({QStringLiteral("vornupdateprolog.sh"), prolog});
  if (!epilog.isEmpty()) files.append({QStringLiteral("vornupdateepilog.sh"), epilog});
  files += extra;
  files.append({kStickList, CSimUpdateServer::ChecksumList(files, false)});
  return files;
}

QList<CSimFile> CSimAppPackage::ServerFiles() const {
  QList<CSimFile> files = Files();
  files.append({kServerList, CSimUpdateServer::ChecksumList(files, true)});
  return files;
}

QByteArray CSimUpdateServer::Md5Hex(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex();
}

QByteArray CSimUpdateServer::ChecksumList(const QList<CSimFile>& files, bool sizes, const QByteArray& first) {
  QByteArray text;
  if (!first.isEmpty()) text += first + '\n';
  for (const CSimFile& file : files) {
    // Two blanks, as md5sum writes it.
    text += Md5Hex(file.bytes) + "  ./" + file.path.toUtf8() + '\n';
    if (sizes) text += "SZ:" + QByteArray::number(file.bytes.size()) + "B;\n";
  }
  return text;
}

bool CSimUpdateServer::WriteFiles(const QString& folder, const QList<CSimFile>& files) {
  for (const CSimFile& file : files)
    if (!Write(folder + QLatin1Char('/') + file.path, file.bytes)) return false;
  return true;
}

QString CSimUpdateServer::ApplicationFolder(const QString& board) { return QStringLiteral("software/KL_") + board; }

bool CSimUpdateServer::WriteApplication(const QString& served, const CSimAppPackage& package) {
  return WriteFiles(served + QLatin1Char('/') + ApplicationFolder(package.board), package.ServerFiles());
}

bool CSimUpdateServer::WriteSystem(const QString& served, const QString& board, int appMajor, int appMinor,
                                   int linuxMajor, int linuxMinor, const QList<CSimFile>& files) {
  const QString folder = served + QStringLiteral("/software/KL_") + board + QStringLiteral("_System");
  const QString list = board == QLatin1String("Fenk") ? QStringLiteral("fenksys") : QStringLiteral("vornsys");
  const QByteArray versions =
      QStringLiteral("AV:%1.%2;LV:%3.%4;").arg(appMajor).arg(appMinor).arg(linuxMajor).arg(linuxMinor).toLatin1();
  return WriteFiles(folder, files) && Write(folder + QLatin1Char('/') + list, ChecksumList(files, true, versions));
}

bool CSimUpdateServer::WriteReceivers(const QString& served, const QByteArray& header,
                                      const QList<CSimReceiverType>& types) {
  const QString software = served + QStringLiteral("/software/");
  QByteArray list = header + '\n';
  for (const CSimReceiverType& type : types) {
    list += QStringLiteral("%1:%2:%3:%4\n").arg(type.name, type.folder, type.picture).arg(type.id).toUtf8();
    if (!type.picture.isEmpty() &&
        !Write(software + QStringLiteral("Receivers/") + type.picture, Picture(qRgb(40 + 50 * (type.id % 4), 90, 160))))
      return false;
    if (!type.folder.isEmpty() && !WriteFiles(software + type.folder, type.firmware)) return false;
  }
  return Write(software + QStringLiteral("Receivers/list.txt"), list);
}

QByteArray CSimUpdateServer::VoicePack(const QString& folder, const QString& language, const QString& name,
                                       const QString& espeak, bool damaged) {
  const QByteArray conf = QStringLiteral("# A voice of the speech engine's stand-in.\nespeak=%1\nlanguage=%2\nname=%3\n")
                              .arg(espeak, language, name)
                              .toUtf8();
  const QByteArray data = QStringLiteral("voice data of %1 (%2)\n").arg(name, language).toUtf8();
  QList<CSimFile> inside{{QStringLiteral("voice.conf"), conf}, {QStringLiteral("data/") + folder + ".inf", data}};
  QByteArray list = ChecksumList(inside, false);
  // The data file packed is not the one the list was made for.
  if (damaged) inside[1].bytes += "damaged on the way\n";
  inside.append({kVoiceList, list});
  QList<CSimFile> packed;
  for (const CSimFile& file : inside) packed.append({folder + QLatin1Char('/') + file.path, file.bytes});
  return Zip(packed);
}

QByteArray CSimUpdateServer::Zip(const QList<CSimFile>& files) {
  constexpr unsigned kVersion = 20;
  constexpr unsigned kMadeOnUnix = 0x0300 | kVersion;
  constexpr unsigned kDate1980 = (1 << 5) | 1;
  constexpr quint32 kRegularFile = 0100644u << 16;
  constexpr quint32 kSymLink = 0120777u << 16;
  QByteArray archive;
  QByteArray directory;
  for (const CSimFile& file : files) {
    const QByteArray name = file.path.toUtf8();
    const quint32 crc = Crc32(file.bytes);
    const quint32 offset = quint32(archive.size());
    Le32(&archive, 0x04034b50u);
    Le16(&archive, kVersion);
    Le16(&archive, 0);  // flags
    Le16(&archive, 0);  // stored
    Le16(&archive, 0);
    Le16(&archive, kDate1980);
    Le32(&archive, crc);
    Le32(&archive, quint32(file.bytes.size()));
    Le32(&archive, quint32(file.bytes.size()));
    Le16(&archive, unsigned(name.size()));
    Le16(&archive, 0);
    archive += name + file.bytes;

    Le32(&directory, 0x02014b50u);
    Le16(&directory, kMadeOnUnix);
    Le16(&directory, kVersion);
    Le16(&directory, 0);
    Le16(&directory, 0);
    Le16(&directory, 0);
    Le16(&directory, kDate1980);
    Le32(&directory, crc);
    Le32(&directory, quint32(file.bytes.size()));
    Le32(&directory, quint32(file.bytes.size()));
    Le16(&directory, unsigned(name.size()));
    Le16(&directory, 0);  // extra
    Le16(&directory, 0);  // comment
    Le16(&directory, 0);  // disk
    Le16(&directory, 0);  // internal attributes
    Le32(&directory, file.link ? kSymLink : kRegularFile);
    Le32(&directory, offset);
    directory += name;
  }
  const quint32 start = quint32(archive.size());
  archive += directory;
  Le32(&archive, 0x06054b50u);
  Le16(&archive, 0);
  Le16(&archive, 0);
  Le16(&archive, unsigned(files.size()));
  Le16(&archive, unsigned(files.size()));
  Le32(&archive, quint32(directory.size()));
  Le32(&archive, start);
  Le16(&archive, 0);
  return archive;
}

bool CSimUpdateServer::Prepare(const QString& root, const QString& board) {
  const QString served = root + QStringLiteral("/updateserver");
  QList<CSimFile> translations;
  for (const QFileInfo& qm : QDir(root + QStringLiteral("/app")).entryInfoList({QStringLiteral("*.qm")}, QDir::Files)) {
    QFile f(qm.absoluteFilePath());
    if (!f.open(QIODevice::ReadOnly)) return false;
    translations.append({qm.fileName(), f.readAll()});
  }
  for (const QString& variant : {QStringLiteral("Vorn"), QStringLiteral("Fenk")}) {
    CSimAppPackage package;
    package.board = variant;
    package.major = kProgramMajor;
    package.minor = kProgramMinor + 1;
    package.program = QStringLiteral("#!/bin/sh\necho \"Vorn application %1.%2, installed by the desktop run's "
                                     "package update (the desktop runs build/bin/vorn)\"\n")
                          .arg(package.major)
                          .arg(package.minor)
                          .toUtf8();
    package.translations = translations;
    package.prolog = Script(QStringLiteral("prolog"), package).toUtf8();
    package.epilog = Script(QStringLiteral("epilog"), package).toUtf8();
    package.extra = {{QStringLiteral("Docs/ReleaseNotes.txt"),
                      QStringLiteral("Vorn %1.%2\n- the desktop run's newer package\n")
                          .arg(package.major)
                          .arg(package.minor)
                          .toUtf8()}};
    if (!WriteApplication(served, package)) return false;
    if (!WriteSystem(served, variant, package.major, package.minor, 1, 8,
                     {{QStringLiteral("rootfs.ubifs"), QByteArray(4096, '\x5A')}}))
      return false;
  }
  const CSimReceiverType rx8{QStringLiteral("RX-8"), QStringLiteral("RX8"), QStringLiteral("rx8.png"), 7,
                             {{QStringLiteral("RX8_2_5.bin"), CSimFirmware::File(CSimFirmwareSpec::ForReceiver(2, 5))}}};
  const CSimReceiverType rx4{QStringLiteral("RX-4 Lite"), QString(), QStringLiteral("rx4.png"), 9, {}};
  return WriteReceivers(served, QByteArrayLiteral("Vorn receivers 2"), {rx8, rx4});
}
