#include "sim/csimtransceiver.h"

#include <QMutexLocker>

#include "sim/csimcontrollers.h"
#include "sim/csimmessageids.h"

namespace {
QByteArray Le32(quint32 v) {
  QByteArray out;
  for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
  return out;
}

QByteArray Le16(int v) {
  QByteArray out;
  out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
  return out;
}

QByteArray Le64(quint64 v) {
  QByteArray out;
  for (int i = 0; i < 8; ++i) out.append(char((v >> (8 * i)) & 0xFF));
  return out;
}

// A loader answer fills the 8 bytes of the loader's control message.
QByteArray LoaderAnswer(std::initializer_list<int> bytes) {
  QByteArray out(8, '\0');
  int i = 0;
  for (int b : bytes) out[i++] = char(b);
  return out;
}

// The unit's two check bytes follow its index byte and record: the sum of
// the bytes before, and the sum of those running sums, both modulo 256.
bool CheckBytesGood(const QByteArray& unit) {
  if (unit.size() < 3) return false;
  quint8 s1 = 0, s2 = 0;
  for (int i = 0; i < unit.size() - 2; ++i) {
    s1 = quint8(s1 + quint8(unit[i]));
    s2 = quint8(s2 + s1);
  }
  return quint8(unit[unit.size() - 2]) == s1 && quint8(unit[unit.size() - 1]) == s2;
}

// A new binding configuration: the next value of a fixed sequence, never 0.
quint64 NextConfiguration(quint64 previous) {
  const quint64 next = previous * 6364136223846793005ULL + 1442695040888963407ULL;
  return next ? next : 1;
}
}  // namespace

bool CSimTransceiver::Handle(const CSimMessage& m) {
  Outgoing out;
  bool committed = false;
  if (m.id == SimRequestTransceiverSync) {
    // Only the whole request (8 bytes, first byte 1) is a synchronisation.
    if (m.data.size() != 8 || m.data[0] != 1) return true;
    const CSimAnswerPlan plan = m_Answers.Next(m.id);
    if (!plan.answer) return true;
    // A synchronised program hears the trims and toggles once.
    m_Bus.ReportTrimsAndTogglesOnce();
    const CSimControllers::Persistent p = m_Bus.State();
    QByteArray a;
    a.append(char(plan.refuse ? 0 : 1))
        .append(char(m_State))
        .append(char(p.transceiverMajor))
        .append(char(p.transceiverMinor));
    m_Bus.QueueAnswer(CSimControllers::Transceiver, SimTransceiverSyncAnswer, a, plan.delayMs);
    return true;
  }
  if (m.id == SimTelemetryStart || m.id == SimTelemetryRequest || m.id == SimTelemetryRescan ||
      m.id == SimSensorBusCommand)
    return Telemetry(m);
  const int unitKind = m.isLong ? CSimModel::KindOfUnitMessage(m.id) : -1;
  const int fieldKind = m.isLong ? -1 : CSimModel::KindOfFieldMessage(m.id);
  {
    QMutexLocker lock(&m_Mutex);
    if (m.id == SimLoader) {
      const bool wasLoading = m_Loading;
      out = Loader(m.data);
      committed = wasLoading && !m_Loading && m_HoldsModel && m.data.size() > 1 && quint8(m.data[1]) == SimLoaderEnd;
    } else if (unitKind >= 0) {
      out = Unit(unitKind, m.data);
      committed = !m_Loading && (unitKind == CSimModel::Trim || unitKind == CSimModel::SpecialSwitch);
    } else if (fieldKind >= 0) {
      ++m_Counters.fieldUpdates;
      if (!m_Held.ApplyField(m.id, m.data)) ++m_Counters.fieldsUnknown;
      // Single units go in beside the held model until END: a field that
      // arrives meanwhile must survive the END as well.
      if (m_Loading && m_UnitSession) m_Staging.ApplyField(m.id, m.data);
    } else if (m.id == SimChecksumPartRequest) {
      out = ChecksumPart(m.data);
    } else if (m.id == SimAppReady) {
      ++m_Counters.readyMessages;
      // The controls are released once the program is ready.
      out = Answer(KeyAppReady, SimTransceiverControls, QByteArray(1, '\0'));
    } else if (m.id == SimLockControls) {
      if (m.data.size() == 1) out = Answer(KeyControls, SimTransceiverControls, m.data);
    } else if (m.id == SimBindStateRequest || m.id == SimBindNewRequest || m.id == SimBindConfig) {
      out = Binding(m);
    } else if (m.id == SimBindStart) {
      out = BindReceiver(m.data);
    } else if (m.id == SimFrontPlugMode) {
      if (m.data.size() != 2) return true;
      const quint8 wanted = quint8(m.data[1]);
      if (m.data[0] == 1 && wanted <= 3 && !m_Answers.Get(KeyFrontPlug).refuse) m_FrontPlugMode = wanted;
      out = Answer(KeyFrontPlug, SimTransceiverFrontPlugMode, QByteArray(1, char(m_FrontPlugMode)));
    } else if (m.id == SimSequencerInfoRequest) {
      out = SequencerInfo(m.data);
    } else if (m.id == SimVibration) {
      m_Vibration.Take(m.data);
    } else if (m.id == SimPowerOff) {
      ++m_Counters.powerOffs;
      // Powering off keeps the model for the next power-up.
      if (m_HoldsModel) m_Held.Save(ModelFile());
    } else {
      return false;
    }
  }
  if (committed) TakeLiveValuesFromModel();
  if (out.send) m_Bus.QueueAnswer(CSimControllers::Transceiver, out.id, out.data, out.delayMs);
  return true;
}

bool CSimTransceiver::Telemetry(const CSimMessage& m) {
  CSimSensors& sensors = m_Bus.Sensors();
  {
    QMutexLocker lock(&m_Mutex);
    switch (m.id) {
      case SimTelemetryStart: ++m_Counters.telemetryStarts; break;
      case SimTelemetryRequest: ++m_Counters.descriptionRequests; break;
      case SimTelemetryRescan: ++m_Counters.rescans; break;
      default: ++m_Counters.sensorCommands; break;
    }
  }
  if (m.id == SimTelemetryRescan) return true;
  const int key = m.id == SimTelemetryStart     ? KeyTelemetryStatus
                  : m.id == SimTelemetryRequest ? KeyDescriptions
                                                : KeySensorCommand;
  const CSimAnswerPlan plan = m_Answers.Next(key);
  if (!plan.answer) return true;
  QList<CSimSensors::Message> out;
  if (m.id == SimTelemetryStart) {
    QByteArray status;
    status.append(char(plan.refuse ? kScanBusy : kScanDone)).append(char(sensors.Present()));
    out.append({SimTransceiverTelemetryStatus, status});
  } else if (m.id == SimTelemetryRequest) {
    out = sensors.Descriptions();
  } else {
    out = sensors.Command(m.data);
  }
  for (const CSimSensors::Message& a : out) m_Bus.QueueAnswer(CSimControllers::Transceiver, a.id, a.data, plan.delayMs);
  return true;
}

CSimTransceiver::Outgoing CSimTransceiver::Answer(int key, int id, const QByteArray& data) {
  const CSimAnswerPlan plan = m_Answers.Next(key);
  Outgoing out;
  out.id = id;
  out.data = data;
  out.delayMs = plan.delayMs;
  out.send = plan.answer;
  return out;
}

CSimTransceiver::Outgoing CSimTransceiver::Loader(const QByteArray& data) {
  if (data.size() != 8 || data[0] != 1) return {};
  const int sub = quint8(data[1]);
  switch (sub) {
    case SimLoaderUnitStart:
    case SimLoaderStart: {
      const bool units = sub == SimLoaderUnitStart;
      if (!units) ++m_Counters.loadsStarted;
      const int key = units ? KeyUnitStart : KeyLoadStart;
      const bool refuse = m_Answers.Get(key).refuse;
      Outgoing out =
          Answer(key, SimTransceiverLoaderAnswer, LoaderAnswer({1, SimLoaderStartAnswer, refuse ? SimLoaderRefused : 0}));
      if (!refuse) {
        // A new model, or the held one with the units to come, is received
        // beside the held one, which stays as it is until END.
        if (units)
          m_Staging = m_Held;
        else
          m_Staging.ClearToNew();
        m_UnitSession = units;
        m_Loading = true;
        m_JustEnded = false;
        m_HeaderKind = -1;
        m_UnitsInLoad = 0;
      }
      return out;
    }
    case SimLoaderHeader: {
      const int kind = quint8(data[2]);
      const bool good = m_Loading && kind < CSimModel::KindCount && quint8(data[4]) <= CSimModel::Info(kind).capacity;
      const bool refuse = m_Answers.Get(KeyUnitHeader).refuse;
      if (good && !refuse) {
        m_HeaderKind = kind;
        m_HeaderUsed = quint8(data[3]);
        m_ReceivedInKind.clear();
        // A kind announced again in a load starts over: the elements that
        // came of it before are dropped (kinds sent whole are sent again).
        const CSimModel::KindInfo& info = CSimModel::Info(kind);
        if (!m_UnitSession && info.capacity > 1 && kind != CSimModel::Trim)
          for (int i = 0; i < info.capacity; ++i) m_Staging.SetRecord(kind, i, QByteArray(info.recordSize, '\0'));
      }
      return Answer(KeyUnitHeader, SimTransceiverLoaderAnswer,
                    LoaderAnswer({1, SimLoaderHeader, good && !refuse ? 0 : SimLoaderRefused}));
    }
    case SimLoaderEnd: {
      const bool refuse = m_Answers.Get(KeyLoadEnd).refuse;
      // An END repeated because its answer got lost confirms the same load.
      const bool good = (m_Loading || m_JustEnded) && !refuse;
      if (good && m_Loading) {
        m_Held = m_Staging;
        m_HoldsModel = true;
        m_Loading = false;
        m_JustEnded = true;
        ++(m_UnitSession ? m_Counters.unitLoadsEnded : m_Counters.loadsEnded);
        m_Held.Save(ModelFile());
      }
      return Answer(KeyLoadEnd, SimTransceiverLoaderAnswer,
                    LoaderAnswer({1, SimLoaderEnd, good ? 0 : SimLoaderRefused}));
    }
    case SimLoaderUnitDelete:
      return DeleteUnit(data);
    case SimLoaderStop:
      if (m_Loading) ++m_Counters.loadsStopped;
      m_Loading = false;
      m_JustEnded = false;
      return {};
    case SimLoaderChecksum: {
      ++m_Counters.checksumRequests;
      const quint32 crc = m_ChecksumOverride ? m_ChecksumValue : m_Held.Checksum();
      QByteArray answer = LoaderAnswer({1, SimLoaderChecksum});
      answer.replace(2, 4, Le32(crc));
      return Answer(KeyModelChecksum, SimTransceiverLoaderAnswer, answer);
    }
    default:
      return {};
  }
}

CSimTransceiver::Outgoing CSimTransceiver::Unit(int kind, const QByteArray& data) {
  ++m_Counters.units;
  UnitFault fault = NoFault;
  if (m_Loading && m_FaultUnit >= 0 && m_UnitsInLoad >= m_FaultUnit && (m_FaultAlways || m_UnitsInLoad == m_FaultUnit)) {
    fault = m_Fault;
    if (!m_FaultAlways) {
      m_FaultUnit = -1;
      m_Fault = NoFault;
    }
  }
  if (m_Loading) ++m_UnitsInLoad;
  const CSimModel::KindInfo& info = CSimModel::Info(kind);
  const int index = data.isEmpty() ? 0 : quint8(data[0]);
  const bool whole = data.size() == 1 + info.recordSize + 2 && CheckBytesGood(data) && index < info.capacity;
  const int errorFlag = !whole || fault == Damaged || m_Answers.Get(KeyUnit).refuse ? 1 : 0;
  // Outside a load a unit replaces the held element at once.
  CSimModel& target = m_Loading ? m_Staging : m_Held;
  // A unit taken for another kind is not kept either.
  if (errorFlag == 0 && fault != WrongKind && (!m_Loading || kind == m_HeaderKind)) {
    target.SetRecord(kind, index, data.mid(1, info.recordSize));
    // A unit sent again counts once.
    if (m_Loading) m_ReceivedInKind.insert(index);
  }
  const int answeredKind = fault == WrongKind ? (kind + 1) % CSimModel::KindCount : kind;
  const int answeredIndex = fault == WrongIndex ? index + 1 : index;
  const int count = fault == WrongCount ? m_HeaderUsed : m_ReceivedInKind.size();
  return Answer(KeyUnit, SimTransceiverLoaderAnswer,
                LoaderAnswer({fault == NotAnAnswer ? 0 : 1, answeredKind, answeredIndex, count, errorFlag}));
}

CSimTransceiver::Outgoing CSimTransceiver::DeleteUnit(const QByteArray& data) {
  ++m_Counters.unitDeletes;
  const int kind = quint8(data[2]);
  const int index = quint8(data[3]);
  const bool refuse = m_Answers.Get(KeyUnitDelete).refuse;
  // The flight-mode assignment's entries come as single fields after the
  // answer; the record itself stays.
  const bool deleted = !refuse && (kind == CSimModel::FmAssign || m_Held.DeleteUnit(kind, index));
  if (deleted && m_HoldsModel) m_Held.Save(ModelFile());
  const UnitFault fault = m_DeleteFault;
  m_DeleteFault = NoFault;
  const int answeredKind = fault == WrongKind ? (kind + 1) % CSimModel::KindCount : kind;
  const int answeredIndex = fault == WrongIndex ? (index + 1) & 0xFF : index;
  return Answer(KeyUnitDelete, SimTransceiverLoaderAnswer,
                LoaderAnswer({1, SimLoaderUnitDelete, answeredKind, answeredIndex, deleted ? 0 : 1}));
}

CSimTransceiver::Receiver CSimTransceiver::ReceiverFor(int mask) const {
  Receiver r;
  r.type = 0x0203;
  r.features = 0x0011;
  r.serial = 0x5A000000U + quint32(mask);
  // The firmware the receiver runs, kept across power cycles.
  const CSimControllers::Persistent p = m_Bus.State();
  r.major = p.receiverMajor;
  r.minor = p.receiverMinor;
  r.mask = mask;
  return r;
}

CSimTransceiver::Outgoing CSimTransceiver::BindReceiver(const QByteArray& data) {
  if (data.size() != 7 || data.left(4) != QByteArray(4, char(0xFF))) return {};
  const CSimAnswerPlan plan = m_Answers.Next(KeyBindStart);
  Outgoing out;
  out.delayMs = plan.delayMs;
  out.send = plan.answer;
  if (plan.refuse) {
    out.id = SimTransceiverBindSetResult;
    out.data = QByteArray(1, '\1');
    return out;
  }
  // The receiver is bound once it answers (its button pressed in time).
  if (!plan.answer) return out;
  const Receiver r = ReceiverFor(quint8(data[4]));
  out.id = SimTransceiverBindResult;
  out.data = Le16(r.type) + Le16(r.features) + Le32(r.serial);
  out.data.append(char(r.major)).append(char(r.minor)).append(char(r.mask));
  ++m_Counters.bindings;
  const CSimControllers::Persistent p = m_Bus.State();
  m_Bus.SetBinding(p.bindConfig, p.receiverMask | r.mask);
  return out;
}

CSimTransceiver::Outgoing CSimTransceiver::ChecksumPart(const QByteArray& data) {
  if (data.size() != 1) return {};
  ++m_Counters.checksumPartRequests;
  const int part = quint8(data[0]);
  quint32 value = 0;
  bool has = false;
  if (part == 0) {
    has = m_HoldsModel;
    value = m_ChecksumOverride ? m_ChecksumValue : m_Held.Checksum();
  } else if (part == 1) {
    has = m_Bus.State().bindConfig != 0;
    value = BindingChecksum();
  }
  if (m_Answers.Get(KeyChecksumPart).refuse) has = false;
  QByteArray answer;
  answer.append(char(part)).append(char(has ? 1 : 0)).append(Le32(has ? value : 0));
  return Answer(KeyChecksumPart, SimTransceiverChecksumPart, answer);
}

CSimTransceiver::Outgoing CSimTransceiver::Binding(const CSimMessage& m) {
  const CSimControllers::Persistent p = m_Bus.State();
  if (m.id == SimBindStateRequest) {
    if (!m.data.isEmpty()) return {};
    return Answer(KeyBindState, SimTransceiverBindConfig, Le64(p.bindConfig));
  }
  if (m.id == SimBindNewRequest) {
    if (m.data.size() > 1) return {};
    if (m_Answers.Get(KeyBindNew).refuse) return Answer(KeyBindNew, SimTransceiverBindSetResult, QByteArray(1, '\1'));
    const quint64 configuration = NextConfiguration(p.bindConfig);
    // A new configuration binds no receiver yet.
    m_Bus.SetBinding(configuration, 0);
    return Answer(KeyBindNew, SimTransceiverBindConfig, Le64(configuration));
  }
  // A configuration: 8 bytes, and the receiver mask unless an R-Ediv pair is bound.
  if (m.data.size() != 8 && m.data.size() != 9) return {};
  const bool refuse = m_Answers.Get(KeyBindSet).refuse;
  if (!refuse) {
    quint64 configuration = 0;
    for (int i = 0; i < 8; ++i) configuration |= quint64(quint8(m.data[i])) << (8 * i);
    m_Bus.SetBinding(configuration, m.data.size() == 9 ? quint8(m.data[8]) : p.receiverMask);
  }
  return Answer(KeyBindSet, SimTransceiverBindSetResult, QByteArray(1, refuse ? '\1' : '\0'));
}

CSimTransceiver::Outgoing CSimTransceiver::SequencerInfo(const QByteArray& data) {
  if (data.size() != 1 || !m_HoldsModel) return {};
  const int q = quint8(data[0]);
  AdvanceSequencers();
  CSimSequencers::Report report;
  const auto control = [this](int id) { return m_Bus.ReportedControl(id); };
  if (!m_Sequencers.State(q, m_Held.Record(CSimModel::Sequencer, q), control, &report)) return {};
  QByteArray answer;
  answer.append(char(q)).append(char(report.locked ? 1 : 0)).append(char(report.state)).append(Le32(report.timeMs));
  return Answer(KeySequencerInfo, SimTransceiverSequencerInfo, answer);
}

void CSimTransceiver::AdvanceSequencers() {
  const qint64 now = m_Bus.ClockNowMs();
  const auto control = [this](int id) { return m_Bus.ReportedControl(id); };
  for (int q = 0; q < CSimSequencers::kSequencers; ++q)
    m_Sequencers.Advance(q, m_Held.Record(CSimModel::Sequencer, q), control, now);
}

void CSimTransceiver::ControlMoving() {
  QMutexLocker lock(&m_Mutex);
  if (m_HoldsModel) AdvanceSequencers();
}

void CSimTransceiver::SetVersion(int major, int minor) { m_Bus.SetTransceiverVersion(major, minor); }

void CSimTransceiver::SetUnitFault(int unit, UnitFault fault, bool always) {
  QMutexLocker lock(&m_Mutex);
  m_FaultUnit = fault == NoFault ? -1 : unit;
  m_Fault = fault;
  m_FaultAlways = always;
}

void CSimTransceiver::SetDeleteFault(UnitFault fault) {
  QMutexLocker lock(&m_Mutex);
  m_DeleteFault = fault;
}

void CSimTransceiver::SetChecksumOverride(bool on, quint32 checksum) {
  QMutexLocker lock(&m_Mutex);
  m_ChecksumOverride = on;
  m_ChecksumValue = checksum;
}

CSimModel CSimTransceiver::HeldModel() const {
  QMutexLocker lock(&m_Mutex);
  return m_Held.Unshared();
}

bool CSimTransceiver::HoldsModel() const {
  QMutexLocker lock(&m_Mutex);
  return m_HoldsModel;
}

quint32 CSimTransceiver::HeldChecksum() const {
  QMutexLocker lock(&m_Mutex);
  return m_Held.Checksum();
}

int CSimTransceiver::FrontPlugMode() const {
  QMutexLocker lock(&m_Mutex);
  return m_FrontPlugMode;
}

quint32 CSimTransceiver::BindingChecksum() const {
  const CSimControllers::Persistent p = m_Bus.State();
  QByteArray bytes = Le64(p.bindConfig);
  bytes.append(char(p.receiverMask));
  return CSimModel::Crc32c(bytes);
}

CSimTransceiver::Counters CSimTransceiver::Seen() const {
  QMutexLocker lock(&m_Mutex);
  return m_Counters;
}

void CSimTransceiver::ClearCounters() {
  QMutexLocker lock(&m_Mutex);
  m_Counters = Counters();
}

QString CSimTransceiver::ModelFile() const { return m_Bus.Root() + QStringLiteral("/sim/transceiver-model.bin"); }

void CSimTransceiver::PowerUp() {
  {
    QMutexLocker lock(&m_Mutex);
    m_Loading = false;
    m_HoldsModel = m_Held.Load(ModelFile());
    if (!m_HoldsModel) m_Held.Clear();
    if (!m_HoldsModel) return;
  }
  TakeLiveValuesFromModel();
}

void CSimTransceiver::TakeLiveValuesFromModel() {
  int trims[6];
  int toggles[4];
  const int flightMode = m_Bus.FlightMode();
  {
    QMutexLocker lock(&m_Mutex);
    for (int t = 0; t < 6; ++t) trims[t] = m_Held.TrimValue(t, flightMode);
    for (int s = 0; s < 4; ++s) toggles[s] = m_Held.SpecialValue(s);
  }
  m_Bus.SetLiveTrimsAndToggles(trims, toggles);
}

void CSimTransceiver::LiveTrimsMoved(const int trims[6], int flightMode) {
  QMutexLocker lock(&m_Mutex);
  if (!m_HoldsModel) return;
  for (int t = 0; t < 6; ++t) m_Held.SetTrimValue(t, flightMode, trims[t]);
}

void CSimTransceiver::LiveTogglesMoved(const int values[4]) {
  QMutexLocker lock(&m_Mutex);
  if (!m_HoldsModel) return;
  for (int s = 0; s < 4; ++s) m_Held.SetSpecialValue(s, values[s]);
}
