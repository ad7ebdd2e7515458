#pragma once
// The single place where the program's fixed folders and file names are
// spelled, and where they are placed under the desktop build's root.
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class KLX_FileNameHandler {
 public:
  static const QString UPDATE_MD5FileName;
  static const QString UPDATE_MD5FileNameWithFolders;

  // A mounted volume as the system lists it.
  struct MountedVolume {
    QString rootPath;
    QString name;
    QString device;
  };
  using VolumeSource = std::function<QList<MountedVolume>()>;

  // A fixed absolute path of the board ("/Vorn", "/sys/class/gpio", ...) as
  // this build reaches it.
  static QString KLX_FileNameHandlerMapPath(const QString& fixedPath);

  // A path that a file, a caller or QML gives, placed under this build's
  // root and checked: it must be absolute, have no "." or ".." part and lie
  // inside `area` (a fixed folder of the board; "/" is the whole board),
  // symbolic links followed. A path that is already under the root is taken
  // as it is. Empty when the path would leave the area.
  static QString KLX_FileNameHandlerCheckedPath(const QString& path, const QString& area = QStringLiteral("/"));
  // A name that is used as one part of a path: not empty, not "." and
  // without "/", "\0" or "..", and one that the card's file system (vfat)
  // can hold: none of \ " < > : * ? | and no control character.
  static bool KLX_FileNameHandlerIsPlainName(const QString& name);
  // Whether two paths name the same file or folder: symbolic links
  // followed, and without regard to letter case where the file system of
  // the card or stick ignores it (vfat).
  static bool KLX_FileNameHandlerSamePath(const QString& a, const QString& b);
  // Whether `inner` is `folder` or lies inside it, as the above compares.
  static bool KLX_FileNameHandlerHolds(const QString& folder, const QString& inner);
  // The folder of a model file, checked before anything is read, written or
  // created there: the given folder, or the folder of the model type when it
  // is empty, must lie below the model area ("/Vorn/Model/<folder>/..."),
  // and the file or model name must be a plain name. Returns the folder
  // ending in "/", or an empty text when either would leave the model area
  // (also a type without a folder of its own and no folder given).
  QString KLX_FileNameHandlerCheckModelPath(int type, const QString& folder, const QString& name) const;
  // The same for a folder alone.
  QString KLX_FileNameHandlerCheckModelFolder(int type, const QString& folder) const;

  QString KLX_FileNameHandlerGetVornPath() const;
  QString KLX_FileNameHandlerGetSysPropertiesFilePath() const;
  QString KLX_FileNameHandlerGetSysPropertiesFileName() const;
  QString KLX_FileNameHandlerGetTimeZonesFileName() const;
  QString KLX_FileNameHandlerGetSysProcStateFilePath() const;
  QString KLX_FileNameHandlerGetSysProcStateFileName() const;
  QString KLX_FileNameHandlerGetTopModelFilePath() const;
  // Type 0 takes the folder name given; 1 to 6 the type folders. Empty when
  // the path would not stay below 512 bytes.
  QString KLX_FileNameHandlerGetModelFilePath(int type, QString name, bool noSlash) const;
  int KLX_FileNameHandlerGetModelTypeByPath(QString path) const;
  QString KLX_FileNameHandlerGetErrorLogFilePath() const;
  QString KLX_FileNameHandlerGetErrorLogFileName() const;
  QString KLX_FileNameHandlerGetRunappLogFilePath() const;
  QString KLX_FileNameHandlerGetTelemetrieLogFilePath() const;
  QString KLX_FileNameHandlerGetTelemetrieLogFileName() const;
  QString KLX_FileNameHandlerGetUpdateFilePath() const;
  QString KLX_FileNameHandlerGetNetworkUpdateFilePath() const;
  QString KLX_FileNameHandlerGetUpdateFileName() const;
  QString KLX_FileNameHandlerGetVoicePackagesFilePath() const;
  QString KLX_FileNameHandlerGetReceiverUpdateFilePath() const;
  QString KLX_FileNameHandlerGetSoundPath() const;
  QString KLX_FileNameHandlerGetVornSoundVoiceFolderPath() const;
  QString KLX_FileNameHandlerGetVoicesFilePath() const;
  QString KLX_FileNameHandlerGetVoicesTxtFileName() const;
  QString KLX_FileNameHandlerGetFilesystemFileName() const;
  QString KLX_FileNameHandlerGetDevicePath() const;
  QString KLX_FileNameHandlerGetLinuxAppPath() const;
  QString KLX_FileNameHandlerGetLanguageFilePath() const;
  QString KLX_FileNameHandlerGetLinuxLanguageFilter() const;
  QString KLX_FileNameHandlerGetLinuxAppFileName() const;
  QString KLX_FileNameHandlerGetLinuxOpenScriptCmd() const;
  QString KLX_FileNameHandlerGetLinuxCloseScriptCmd() const;
  QString KLX_FileNameHandlerGetPrologScriptName() const;
  QString KLX_FileNameHandlerGetEpilogScriptName() const;
  QString KLX_FileNameHandlerGetPicFolder() const;
  // Whether stick 0..7 is plugged: the system lists a volume mounted on its
  // mount point (the folder alone, empty or not, is no stick).
  bool KLX_FileNameHandlerIsUSBStickMounted(int stick) const;
  QString KLX_FileNameHandlerGetUpdateUSBStickPath(unsigned char stick) const;
  int KLX_FileNameHandlerGetUSBupdateSticksMask() const;
  int KLX_FileNameHandlerGetUSBAllSticksMask();
  QString KLX_FileNameHandlerGetUSBStickPath(unsigned char stick);
  int KLX_FileNameHandlerGetStoragesCount() const;
  // Root path and label of storage i of the last scan; empty beyond the list.
  QString KLX_FileNameHandlerGetStoragePath(int i) const { return m_RootPaths.value(i); }
  QString KLX_FileNameHandlerGetStorageLabel(int i) const { return m_VolumeNames.value(i); }
  void KLX_FileNameHandlerSetNameOfLastCreatedFolder(QString name);
  static QString GetStorageSizeInAbbreviationBytes(qint64 bytes);
  // "total;name;type;available;used%" of the data partition (stick < 0) or a stick.
  QString KLX_FileFunctionsGetSpaceInfoOnSDcard(int stick) const;

  // The application folder without its final "/".
  QString KLX_FileNameHandlerGetAppPath() const;
  QString KLX_FileNameHandlerGetUSBStickMountPoint(int stick) const;
  QString KLX_FileNameHandlerGetBoardNameFile() const;
  QString KLX_FileNameHandlerGetGPIOPath() const;

  // Tests list the mounted volumes themselves.
  static void KLX_FileNameHandlerSetVolumeSource(VolumeSource source);

 private:
  void ScanVolumes();

  QString m_NameOfLastCreatedFolder;
  QStringList m_RootPaths;
  QStringList m_VolumeNames;
  QStringList m_Devices;
};
