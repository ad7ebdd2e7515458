#pragma once
// The runtime read-outs the screens poll (published as "RuntimeDatabase").
// It owns the engine thread: brings it up, switches its processing, passes
// the marks of changed elements to it and hands on what it publishes.
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <cstdint>

#include "frame/klx_databasevalues.h"
#include "frame/klx_filenamehandler.h"
#include "model/engine/kl_engine_types.h"
#include "model/klx_ccontrol.h"
#include "model/klx_functionalcalculation.h"
#include "model/klx_unitkind.h"
#include "timers/klx_runtimecalcalarm.h"
#include "timers/klx_timersalarms.h"
#include "update/cfilemanager.h"
#include "update/klx_filefunctions.h"

class KLX_DataBaseManager;
class KLX_Protocol;
class KLX_System;

// The engine's fading trim pair of a function.
struct T_TrimMomentum {
  int16_t Input;
  int16_t Trim;
};

class KLX_RuntimeDatabaseManager : public QObject {
  Q_OBJECT
 public:
  explicit KLX_RuntimeDatabaseManager(QObject* parent = nullptr) : QObject(parent) {}
  ~KLX_RuntimeDatabaseManager() override;

  int KLX_RuntimeDatabaseManagerInitialize(KLX_DataBaseManager* db, KLX_Protocol* protocol, KLX_System* system);
  void KLX_RuntimeDatabaseManagerStartProcessing(bool reset);
  void KLX_RuntimeDatabaseManagerStopProcessing();
  bool KLX_RuntimeDatabaseManagerIsProcessing() const { return m_Processing; }
  int KLX_RuntimeDatabaseManagerStop();
  // The level of the power-button line seen at start (written with set true);
  // KLX_Error until the button thread has read it, and 0 or less means
  // that the power input was not set (reported when written).
  int KLX_RuntimeDatabaseManagerGetSet_PwrPinAtStart(int value, bool set);
  KLX_RuntimeCalcAlarm* KLX_RuntimeDatabaseManagerGetRuntimeCalcPtr() {
    return m_TimersAlarms.KLX_TimersAlarmsRuntimeCalcPtr();
  }
  KLX_TimersAlarms* KLX_RuntimeDatabaseManagerTimersAlarms() { return &m_TimersAlarms; }
  KLX_FunctionalCalculation* KLX_RuntimeDatabaseManagerEngine() { return &m_Engine; }

  // Marks: a marked unit is copied into the engine's set-up block on the
  // engine's next data pass, which clears the mark. An index outside the
  // kind's count is ignored.
  int KLX_RuntimeDatabaseManagerMarkUnit(KLX_UnitKind kind, int index) { return m_Engine.Mark(kind, index); }
  int KLX_RuntimeDatabaseManagerMarkFunction(int n) { return m_Engine.KLX_FunctionalCalculationMarkFunction(n); }
  int KLX_RuntimeDatabaseManagerMarkFlightmode(int n) { return m_Engine.KLX_FunctionalCalculationMarkFlightmode(n); }
  int KLX_RuntimeDatabaseManagerMarkFlightmodeAss() { return m_Engine.KLX_FunctionalCalculationMarkFlightmodeAss(); }
  int KLX_RuntimeDatabaseManagerMarkSwitch(int n) { return m_Engine.KLX_FunctionalCalculationMarkSwitch(n); }
  int KLX_RuntimeDatabaseManagerMarkLimiter(int n) { return m_Engine.KLX_FunctionalCalculationMarkLimiter(n); }
  int KLX_RuntimeDatabaseManagerMarkMixer(int n) { return m_Engine.KLX_FunctionalCalculationMarkMixer(n); }
  int KLX_RuntimeDatabaseManagerMarkSequencer(int n) { return m_Engine.KLX_FunctionalCalculationMarkSequencer(n); }
  int KLX_RuntimeDatabaseManagerMarkServoConfig(int n) { return m_Engine.KLX_FunctionalCalculationMarkServoConfig(n); }
  int KLX_RuntimeDatabaseManagerMarkCurve(int n) { return m_Engine.KLX_FunctionalCalculationMarkCurve(n); }
  int KLX_RuntimeDatabaseManagerMarkTrim(int n) { return m_Engine.KLX_FunctionalCalculationMarkTrim(n); }
  int KLX_RuntimeDatabaseManagerMarkTeleControl(int n) {
    return m_Engine.KLX_FunctionalCalculationMarkTelemetryControl(n);
  }
  int KLX_RuntimeDatabaseManagerMarkSpecialSwitch() { return m_Engine.KLX_FunctionalCalculationMarkSpecialSwitch(); }
  int KLX_RuntimeDatabaseManagerResetFunctionData() {
    m_Engine.KLX_FunctionalCalculationResetFunctionData();
    return KLX_Ok;
  }
  bool KLX_RuntimeDatabaseManagerIsMarked(KLX_UnitKind kind, int index) const { return m_Engine.IsMarked(kind, index); }
  // What the data pass does: reads and clears one mark.
  bool KLX_RuntimeDatabaseManagerTakeMark(KLX_UnitKind kind, int index) { return m_Engine.TakeMark(kind, index); }

  // Read-outs of what the engine thread publishes.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetServoData(int servo) const {
    return m_Engine.KLX_FunctionalCalculationGetServoOutput(servo);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerResetServoData(int servo) {
    return m_Engine.KLX_FunctionalCalculationResetServoOutput(servo);
  }
  // Puts a servo output in place as a pass would (tests of the fail-safe set-ups).
  void KLX_RuntimeDatabaseManagerSetServoData(int servo, int value) {
    m_Engine.KLX_FunctionalCalculationSetServoOutput(servo, value);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetVSOutputByVSId(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetVSOutputByControl(int id) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetActualFlightMode() const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetFunctionData(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetMixersAddData(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetPureFunctionData(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerIsSequencerCompleted(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerIsSequencerLocked(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSequencerActiveTime(int n) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSequencerTotalRunTime(int n);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSequencerDirectionState(int n) {
    return m_Engine.KLX_FunctionalCalcGetSequencerActualDirection(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetTelemetryControlInputValue(int n) {
    return m_Engine.KLX_FunctionalCalcGetTeleControlInputRawValue(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetTelemetryControlDecPoint(int n) {
    return m_Engine.KLX_FunctionalCalcGetTeleControlActualDecPosResp(n);
  }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetTelemetryControlOutput(int n, bool percent) {
    return m_Engine.KLX_FunctionalCalcGetTeleControlOutValue(n, percent);
  }
  Q_INVOKABLE float KLX_RuntimeDatabaseManagerGetTelemetryControlLimitedValue() const {
    return m_Engine.KLX_FunctionalCalcGetTeleControlLimitedValue();
  }
  Q_INVOKABLE float KLX_RuntimeDatabaseManagerGetTelemetryControlCalcOutValue() const {
    return m_Engine.KLX_FunctionalCalcGetTeleControlCalcOutValue();
  }

  // The engine's per-function values in percent for the set-up screens:
  // get 0 stores the control value first; KLX_Error beyond the function count.
  Q_INVOKABLE int KLX_TriValRateValue(int get, int value, int function);
  Q_INVOKABLE int KLX_TriValDifferentialValue(int get, int value, int function);
  Q_INVOKABLE int KLX_TriValExpoValue(int get, int value, int function, int side);
  Q_INVOKABLE int KLX_TriValLimiterValueMax(int get, int value, int function);
  Q_INVOKABLE int KLX_TriValLimiterValueMin(int get, int value, int function);

  // The mixers' values in percent for their set-up screen; KLX_Error beyond
  // the mixer count.
  Q_INVOKABLE int KLX_TriValMixerValue(int get, int value, int mixer);
  // The engine's current gain of a fading mixer in percent.
  Q_INVOKABLE int KLX_GetMixerFadingGainValue(int mixer);
  // The engine's fading trim pair of a function: the input in the first
  // field, the trim in the second; both 0 and KLX_Error beyond the count.
  int KLX_RuntimeDatabaseManagerGetTrimVal(int function, T_TrimMomentum* trim);
  Q_INVOKABLE int TrimFadeInValueGet(int) { return KLX_Error; }

  // Previews of 230 points for the set-up screens: a function's output
  // without and with differential, a servo's curve, the travel curve made by
  // KLX_RuntimeDatabaseManagerCreateTravelServoCurve. 0 beyond point 229.
  static constexpr int kPreviewPoints = 230;
  Q_INVOKABLE int KLX_FunctionGetValue(int index, bool withDifferential) const;
  Q_INVOKABLE int KLX_ServoTravelCurveGetValue(int index) const;
  Q_INVOKABLE int KLX_ServoCurveGetValue(int index) const;
  // Fill the previews: the curve source (1 the fading curve, 2 the
  // function's own; 2 also when there is none), 2, 2.
  Q_INVOKABLE int KLX_FunctionCalcCalculate(int function, int flightmode, bool withDifferential);
  Q_INVOKABLE int KLX_CalculateServoCurve(int function, int servo);
  Q_INVOKABLE int KLX_TravelServoCurveCalc();

  // A control curve (33 points 128 apart over -2047..2047) and a servo curve
  // (33 points 256 apart over -4096..4095) at x; 0 without a curve.
  static int KLX_RuntimeDatabaseManagerGet_CurveValue(int x, const T_Curve* curve);
  static int KLX_RuntimeDatabaseManagerGet_ServoCurveValue(int x, const T_Curve* curve);
  // Between low, centre and high by x (-2047..2047), within -2047..2047.
  static int KLX_RuntimeDatabaseManagerGet_ControlTriValue(int x, int low, int centre, int high);

  // The radio test: message 245 with the channel 0..7 and the mode (0 for
  // the first eight, 1 for the second), 247 with the bandwidth.
  Q_INVOKABLE int KLX_DataBaseManagerFCC01() { return RadioTest(0, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC02() { return RadioTest(1, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC03() { return RadioTest(2, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC04() { return RadioTest(3, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC05() { return RadioTest(4, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC06() { return RadioTest(5, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC07() { return RadioTest(6, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC08() { return RadioTest(7, 0); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC09() { return RadioTest(0, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC10() { return RadioTest(1, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC11() { return RadioTest(2, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC12() { return RadioTest(3, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC13() { return RadioTest(4, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC14() { return RadioTest(5, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC15() { return RadioTest(6, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCC16() { return RadioTest(7, 1); }
  Q_INVOKABLE int KLX_DataBaseManagerFCCBandwith(int value);

  // Pass-throughs to the system object, when it is known.
  Q_INVOKABLE void KLX_RuntimeDatabaseManager_SystemStopProcessing();

  // Texts and percentages of the progress and question screens: dir 0
  // writes, any other value reads; the stored value is returned. The task
  // engine writes the running task's progress from its own thread.
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerGetSetDialogText(QString text, int dir);
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerGetSetDialogParameter(QString text, int dir);
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerGetSetPercentName(QString text, int dir);
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerGetSetDetailName(QString text, int dir);
  // A negative percentage is kept as -1 (no progress shown).
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSetOverallPercent(int value, int dir);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSetDetailPercent(int value, int dir);

  // The sensor menu the GUI shows: index 0..7 (8 none), sensor 0..254 (255
  // none), leave flag 0 or 1; other values are not stored.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSetMenuIndex(int value, int dir);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSetMenuSensor(int value, int dir);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetSetLeaveMenu(int value, int dir);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerEnterMenu();

  // Control directions: one bit per control, set = inverted. The whole word
  // comes from the stick controller at synchronisation; a single change can
  // go back to it (message 151).
  int KLX_SetDirectionOfControls(quint32 word);
  Q_INVOKABLE quint32 KLX_GetDirectionOfControls() const { return m_Directions; }
  Q_INVOKABLE int KLX_SetDirectionOfControl(int control, int invers, bool update = true);
  Q_INVOKABLE int KLX_IsDirectionOfControlInvers(int control) const;
  // The bit of a control in the direction word, -1 for other controls.
  static int KLX_DirectionBitOfControl(int control);

  // The range test (reduced radio power): message 224 with 1 or 0.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerStartStopRangeTest(int startstop);

  // Two colours "#rrggbb;#rrggbb" between col_from and col_to at ratio and
  // at 1 - ratio (the lower and the upper limit line of a screen).
  Q_INVOKABLE QString GetRGBcomponents(QString col_from, QString col_to, float ratio);

  // A servo travel curve for display: 33 points from the negative travel
  // through 0 to the positive travel (percent, -200..200 each).
  Q_INVOKABLE bool KLX_RuntimeDatabaseManagerCreateTravelServoCurve(int wayNegPerc, int wayPosPerc, int servoCenPerc);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetCreatedServoCurve_RealPoints() const { return m_CurvePoints; }
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerGetCreatedServoCurveVal(int k) const;

  // The name of the model folder made last (the copy task's new folder,
  // written on the task engine thread; QML reads it when the task is done).
  Q_INVOKABLE void KLX_RuntimeDatabaseSetNameOfLastCreatedFolder(QString name);
  Q_INVOKABLE QString KLX_RuntimeDatabaseGetNameOfLastCreatedFolder() const;

  // Folder and storage operations of the file screens. A listing and the
  // index reads that follow it belong together (GUI thread). Folders are
  // taken as the path scheme places them; one it refuses lists nothing.
  Q_INVOKABLE void KLX_RuntimeDatabaseManagerFolderContentDirs(QString folder);
  Q_INVOKABLE void KLX_RuntimeDatabaseManagerFolderContentFiles(QString folder);
  Q_INVOKABLE void KLX_RuntimeDatabaseManagerFolderContentFiles(QString folder, QString filter);
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerFolderGetFilesCount() const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerFolderGetEntryCount() const;
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderGetFilebyIndex(int index) const;
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderGetEntrybyIndex(int index) const;
  Q_INVOKABLE bool KLX_FolderisFileExistinig(QString folder, QString name) const;
  // Bit n set: USB stick n is mounted.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerFolderGetStorageInfo();
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerGetSpaceInfoOnStorage(int kind) const;
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerFolderGetStoragesCount() const;
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderGetStoragePathByIdx(int index) const;
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderGetStorageLabelByIdx(int index) const;
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderGetLinuxAppFolder() const;
  // The downloaded voice packages' folder, removed with its content.
  Q_INVOKABLE bool KLX_RuntimeDatabaseManagerFolderRemoveVoicePkgs() const;
  Q_INVOKABLE bool KLX_RuntimeDatabaseManagerFolderVoiceRepoExists() const;
  // Forced unmount of "/media/usb<n>" (n 0..7) through the command runner.
  Q_INVOKABLE bool KLX_RuntimeDatabaseManagerUmountUsbAt(int n);

  // Update-package files of the package folder (the receivers' firmware
  // folder unless set): the version text of the listed file at `index`
  // (of the last file listing) when its trailer checks and its hardware type
  // is `hwType` (0 and 65535: any); "<hardware type>\n<description>" of a
  // named file, or only the description's first line. Empty otherwise.
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderCheckKLUFilebyIdx(int index, int hwType) const;
  Q_INVOKABLE QString KLX_RuntimeDatabaseManagerFolderGetKLUdscrptnByIdx(QString name, bool firstLineOnly) const;
  Q_INVOKABLE void KLX_RuntimeDatabaseManagerFolderSetPackageFolder(QString folder);
  // The update status with which a recovery of `controller`
  // (GuiCmdData.KLX_UPDATE_RECOVER_...) from the update folder's package
  // would be refused, 0 when it may go on. Asking changes nothing.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerRecoveryRefusal(int controller) const;

  // The one file manager of the file manager screen, made and freed by it.
  // Each call before FileManagerCreate or after FileManagerFree answers
  // false and does nothing. Folders must lie below the card's top folder
  // or on a USB stick; the progress, the end and the questions come back as
  // fileManagerProgress, fileManagerComplete, fileManagerUserDecisionRequired.
  Q_INVOKABLE bool FileManagerCreate();
  Q_INVOKABLE void FileManagerFree();
  Q_INVOKABLE bool FileManagerSetSourceFolder(QString folder);
  Q_INVOKABLE bool FileManagerSelectSource(QString name);
  Q_INVOKABLE bool FileManagerDeselectSource(QString name);
  Q_INVOKABLE bool FileManagerIsAnythingSelected();
  Q_INVOKABLE bool FileManagerBeginCopy(QString destination, int behavior);
  Q_INVOKABLE bool FileManagerBeginDelete();
  Q_INVOKABLE bool FileManagerBeginDelete(QString folder, QString name);
  Q_INVOKABLE bool FileManagerabort();
  Q_INVOKABLE bool FileManagerResume(int behavior);

  // The model screens' lists and files (GUI thread): the model files of a
  // type's folder, or of a folder below the model root (type 0; a folder
  // the path scheme refuses lists nothing), sorted by name without regard
  // to case; 1 in every case.
  Q_INVOKABLE int KLX_RuntimeDatabaseCreateModelList(int modeltyp);
  Q_INVOKABLE int KLX_RuntimeDatabaseCreateModelList(int modeltyp, QString fldrPath);
  Q_INVOKABLE int KLX_FolderHandlerGetEntryCount() const { return m_ModelEntries.size(); }
  // Empty beyond the list.
  Q_INVOKABLE QString KLX_FolderHandlerGetEntrybyIndex(int index) const { return m_ModelEntries.value(index); }
  // Whether a model name (or, with folder, a model folder's name) can be
  // used as typed: the path scheme's name check, and short enough for a
  // task's text field (a folder with the model area's board path before it).
  Q_INVOKABLE bool KLX_RuntimeDatabaseIsValidModelName(QString name, bool folder) const;
  Q_INVOKABLE QString KLX_FolderGetTopModelFilePath() const;
  Q_INVOKABLE QString KLX_FolderGetModelFilePath(int modeltyp) const;
  // The element the last unit-load task created: its kind and index (the
  // task engine writes, QML reads once the task is done). KLX_Error for
  // another kind than the recorded one, and after a failed creation.
  int KLX_RuntimeDatabaseSetUnitNewIndex(int kind, int index);
  Q_INVOKABLE int KLX_RuntimeDatabaseGetUnitNewIndex(int kind) const;
  // The picture imgFilePath/imgFile becomes the model's one picture in the
  // model folder's "Pictures" (named after the model, with the chosen
  // file's extension; its pictures of other formats go): KLX_Ok or KLX_Error.
  Q_INVOKABLE int KLX_RuntimeDatabaseManagerAssignNewPictureToModel(QString imgFilePath, QString imgFile,
                                                                     QString fldrPath, QString modelName);
  // Removes the installed voice package that holds "<filename>.inf" one
  // level below a language folder, with the archive it came from:
  // KLX_Done, or KLX_Error when there is none or it cannot be removed.
  Q_INVOKABLE int KLX_RuntimeDatabaseFindVoiceFolderAndDelete(QString filename);

  // Restarts the system's inactivity timer when the system object is known.
  void KLX_RuntimeDatabaseManager_ResetInactivityTimer();
  // The switch-off's model checksum check has ended: whether the transceiver
  // controller was told to power off with the model kept. The switch-off
  // goes on from here. Any thread; -1 until it is set.
  Q_INVOKABLE void KLX_RuntimeDatabaseManager_SetSystemPowerOffFlag(bool poweredOff);
  int KLX_RuntimeDatabaseManager_GetSystemPowerOffFlag() const { return m_PowerOffFlag; }
  static constexpr int kControlSlots = KLX_FunctionalCalculation::kControlSlots;
  CControl* KLX_RuntimeDatabaseManagerGetControl(int slot) { return m_Engine.GetControl(slot); }
  CControl* KLX_RuntimeDatabaseManagerGetControlByID(unsigned short id) { return m_Engine.GetControlByID(id); }

 signals:
  void fileManagerProgress(QString name, int a, int b, int c);
  void fileManagerComplete(int result);
  void fileManagerUserDecisionRequired(QString name, int conflict);

 private slots:
  void slotFileManagerProgress(QString name, int a, int b, int c) { emit fileManagerProgress(name, a, b, c); }
  void slotFileManagerComplete(int result) { emit fileManagerComplete(result); }
  void slotFileManagerUserDecisionRequired(QString name, int conflict) {
    emit fileManagerUserDecisionRequired(name, conflict);
  }

 private:
  enum TriValue { TriRate, TriDifferential, TriExpo0, TriExpo1, TriLimiterMax, TriLimiterMin, TriCount };
  int TriValue(int which, int get, int value, int function);
  int RadioTest(int channel, int mode);
  // The trim share of the function preview at input x.
  int PreviewTrim(int function, int x, bool fading);

  KLX_FunctionalCalculation m_Engine;
  // Written by the engine thread after each calculation, read by QML.
  std::atomic<int> m_TriValues[TriCount][KL_MAX_FUNCTIONS] = {};
  KLX_DataBaseManager* m_Db = nullptr;
  KLX_Protocol* m_Protocol = nullptr;
  KLX_System* m_System = nullptr;
  std::atomic<int> m_PwrPinAtStart{KLX_Error};
  std::atomic<int> m_PowerOffFlag{-1};
  std::atomic<bool> m_Processing{false};
  // Texts are written by the task engine and read by QML.
  mutable QMutex m_TextMutex;
  QString m_DialogText;
  QString m_DialogParameter;
  QString m_PercentName;
  QString m_DetailName;
  QString m_LastCreatedFolder;
  std::atomic<int> m_OverallPercent{-1};
  std::atomic<int> m_DetailPercent{-1};
  std::atomic<int> m_MenuIndex{8};
  std::atomic<int> m_MenuSensor{255};
  std::atomic<int> m_LeaveMenu{1};
  std::atomic<quint32> m_Directions{0};
  std::atomic<int> m_MixerValues[KL_MAX_MIXERS] = {};
  // The previews belong to the GUI thread.
  int m_FunctionPreview[kPreviewPoints] = {};
  int m_FunctionPreviewDifferential[kPreviewPoints] = {};
  int m_ServoCurvePreview[kPreviewPoints] = {};
  qint16 m_TravelPreview[kPreviewPoints] = {};
  static constexpr int kCurvePoints = 33;
  qint16 m_Curve[kCurvePoints] = {};
  bool m_CurveCreated = false;
  int m_CurvePoints = 0;
  // The model list belongs to the GUI thread; the new unit is one pair.
  QStringList m_ModelEntries;
  mutable QMutex m_UnitMutex;
  int m_NewUnitKind = KLX_Error;
  int m_NewUnitIndex = KLX_Error;
  KLX_TimersAlarms m_TimersAlarms;
  KLX_FileFunctions m_Files;
  KLX_FileNameHandler m_Names;
  QString m_PackageFolder;
  // Guards the pointer against creation and deletion during a call.
  QMutex m_FileManagerMutex;
  std::unique_ptr<CFileManager> m_FileManager;
};
