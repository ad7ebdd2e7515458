// Teacher/pupil control: the channel map the transceiver controller gets
// (messages 144, 145, 147), the refusals of busy controls, and the
// settings-file mark.
#include <QSignalSpy>

#include "model/model_fixture.h"

namespace {
constexpr int kSet = AtomicDirSet;
QByteArray Bytes(std::initializer_list<int> values) {
  QByteArray b;
  for (int v : values) b.append(static_cast<char>(v));
  return b;
}
// The 24-byte map: 0xFF except the given (control index, channel) pairs.
QByteArray Map(std::initializer_list<std::pair<int, int>> pairs) {
  QByteArray b(24, '\xFF');
  for (const auto& p : pairs) b[p.first] = static_cast<char>(p.second);
  return b;
}
}  // namespace

class TestTutorPupil : public QObject {
  Q_OBJECT

 private slots:
  void channelMessagesCarryTheMap() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerSetSystemModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGlobalEnable(true, kSet), 1);
    // ST-B (index 1) first gets no channel: nothing to tell yet.
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(0, true, kSet), 1);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(0, 257, kSet), 257);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(0, 5, kSet), 5);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(0, false, AtomicDirGet), 1);
    // SW-A (index 8): the channel first, the control enables it.
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(1, true, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(1, 7, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(1, 768, kSet);
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(3, 1, kSet);
    db.KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(3);
    fx.Drop();
    db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(1283, kSet), 1283);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilCtrl_SendExternalConf(false, true), 1);
    db.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(0, false, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(1, 255, kSet), 255);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsEnabled(1, false, AtomicDirGet), 0);
    // Without a control index nothing is released.
    db.KLX_DataBaseManagerTutorPupilClearAt(2);
    db.KLX_DataBaseManagerTutorPupilClearAt(1);
    // Long messages travel in their own queue: the order is kept per id.
    QList<QByteArray> config, channel;
    for (const KLX_Message& m : fx.Sent()) {
      QCOMPARE(int(m.node), 3);
      QVERIFY(m.id == 144 || m.id == 147);
      (m.id == 144 ? config : channel).append(m.data);
    }
    QCOMPARE(config, (QList<QByteArray>{Bytes({1, 3}) + Map({{1, 5}, {8, 7}}),
                                        Bytes({1}) + Map({{1, 5}, {8, 7}}) + Bytes({0xFF})}));
    QCOMPARE(channel, (QList<QByteArray>{Bytes({1, 0xFF}), Bytes({8, 0xFF}), Bytes({8, 0xFF})}));
    QVERIFY(db.KLX_DataBaseManagerGetSystemModifyFlag());
    QVERIFY(!db.KLX_DataBaseManagerGetModelModifyFlag());
  }

  void firstMessagesOfAnItemAndThePermission() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerTutorPupilGlobalEnable(true, kSet);
    db.KLX_DataBaseManagerTutorPupilGlobalEnable(false, AtomicDirGotten);
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(0, true, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(0, 256, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(0, 17, kSet);
    // A read from the settings file sends nothing.
    db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(0, 16, AtomicDirGotten, false);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(int(sent[0].id), 145);
    QCOMPARE(sent[0].data, Bytes({1}));
    QCOMPARE(int(sent[1].id), 147);
    QCOMPARE(sent[1].data, Bytes({0, 17}));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGlobalEnable(true, AtomicDirGet), 0);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGlobalEnable(true, 7), int(KLX_Error));
  }

  void aNewControlReleasesTheOldOne() {
    // Otherwise the controller keeps feeding the channel from both.
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(0, true, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(0, 256, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(0, 3, kSet);
    fx.Drop();
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(0, 257, kSet), 257);
    const QList<KLX_Message> sent = fx.Sent();
    QCOMPARE(sent.size(), 2);
    QCOMPARE(sent[0].data, Bytes({0, 0xFF}));
    QCOMPARE(sent[1].data, Bytes({1, 3}));
  }

  void busyAndUnsuitableControlsAreRefused() {
    ModelFixture fx;
    auto& db = fx.db;
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(0, true, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(0, 256, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(2, true, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(2, 256, kSet), int(TutorPupilControlIsBusy));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(2, 0, AtomicDirGet), 65535);
    // A trim has no stick-controller channel.
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(2, 512, kSet), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(2, 256, 5), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilConvertCtrlToChIndex(512), 24);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilConvertCtrlToChIndex(1013), 21);
    // Activators are virtual switches only.
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(768, kSet), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(0, AtomicDirGet), 65535);
    for (int i = 0; i < 8; ++i) db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(i, true, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetNextFreeIndex(), int(Max_TutorPupil_Number_Reached));
    VornErrorWatch watch;
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(8, true, kSet), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(8, 257, kSet), int(KLX_Error));
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x54D03, 0x54D02}));
  }

  void controlsTheModelAlreadyUsesAreRefused() {
    ModelFixture fx;
    auto& db = fx.db;
    // The vario is switched by virtual switch 2, fed by SW-A.
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(2, 1, kSet);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(2, 0, 768, kSet);
    QCOMPARE(db.KLX_DataBaseManagerGetSetVarioActivationControlId(1282, kSet), 1282);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilCheckControlIDamongCriticalVS(768), int(TutorPupilControlInChainIsBusy));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilCheckControlIDamongCriticalVS(256), 0);
    // A single activator switch fed by ST-A while item 0 carries ST-A.
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(0, true, kSet);
    db.KLX_DataBaseManagerTutorPupilGetSetVornControl(0, 256, kSet);
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(4, 1, kSet);
    db.KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(4);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(4, 0, 256, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(1284, kSet), int(TutorPupilControlIsBusy));
    // A single activator fed by SW-M: SW-M cannot become an item's control.
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(5, 1, kSet);
    db.KLX_DataBaseManagerSwitchSwitch_As_SingleSwitch(5);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(5, 0, 1009, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(1285, kSet), 1285);
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(3, true, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetVornControl(3, 1009, kSet), int(TutorPupilControlIsActivator));
    // A chain activator fed by ST-A, which item 0 carries.
    db.KLX_DataBaseManagerSwitchGetSet_IsUsed(6, 1, kSet);
    db.KLX_DataBaseManagerSwitchGetSet_SwitchControl(6, 1, 256, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(1286, kSet), int(TutorPupilControlInChainIsBusy));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetActivator(0, AtomicDirGet), 1285);
  }

  void thePupilsChannelIsCheckedBeforeUse() {
    ModelFixture fx;
    auto& db = fx.db;
    QSignalSpy informer(db.KLX_DatabaseManagerTutorPupilPointer(), SIGNAL(tutorPupilInformer(int)));
    // No item awaits a channel: the awaiting index answers.
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(4, 0), 255);
    db.KLX_DataBaseManagerTutorPupilGetSetIsUsed(6, true, kSet);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetExtChannelIndex(6, 254, kSet), 255);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(30, 0), int(KLX_Error));
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(-1, 0), int(KLX_Error));
    QCOMPARE(informer.count(), 0);
    QCOMPARE(db.KLX_DataBaseManagerTutorPupilGetSetItemAwaitingForExtChannelChanged(12, 0), 6);
    QCOMPARE(informer.count(), 1);
    QCOMPARE(informer[0][0].toInt(), 12);
    QCOMPARE(int(db.KLX_DatabaseManagerTutorPupilPointer()->KLX_TutorPupilCtrl_Item(6).ExtAwaited), 12);
  }

  void currentValueInPercent() {
    ModelFixture fx;
    KLX_TutorPupilCtrl* store = fx.db.KLX_DatabaseManagerTutorPupilPointer();
    QCOMPARE(store->KLX_TutorPupilCtrl_GetSet_CurrentControlValue(1, 5000, kSet), 2047);
    QCOMPARE(store->KLX_TutorPupilCtrl_Get_CurrentValuePercentage(1), 100);
    store->KLX_TutorPupilCtrl_GetSet_CurrentControlValue(1, -1024, kSet);
    QCOMPARE(store->KLX_TutorPupilCtrl_Get_CurrentValuePercentage(1), -50);
    QCOMPARE(int(store->KLX_TutorPupilCtrl_Item(1).Percent), -50);
    VornErrorWatch watch;
    store->KLX_TutorPupilCtrl_SetToDefaultValues(nullptr);
    QCOMPARE(watch.TakeCodes(), (QList<unsigned>{0x54D01}));
  }
};

QTEST_GUILESS_MAIN(TestTutorPupil)
#include "tst_tutorpupil.moc"
