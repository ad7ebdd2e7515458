// The head-up item list through the facade: edits and their refusals, the
// rows the window makes of the items, paging by the two virtual switches,
// and the list kept in the model file over a save and a load.
#include "modelfile_fixture.h"
#include "wireless/klx_headupwindow.h"

namespace {
constexpr int kVs = KLX_CONTROL_VS_FIRST;
}

class TestHeadup : public QObject {
  Q_OBJECT

  static QStringList Rows(KLX_HeadupWindow* w) {
    QStringList rows;
    for (const auto& row : w->GetValue()) rows << QString::number(row.first) + " " + row.second;
    return rows;
  }
  // Servo n named "S<n>" at output `out`.
  static void Servo(ModelFileFixture& fx, int n, int out) {
    fx.db.KLX_DataBaseManagerServoConfigGetSet_Name(n, QStringLiteral("S%1").arg(n), AtomicDirSet, false);
    fx.runtime.KLX_RuntimeDatabaseManagerSetServoData(n, out);
  }

 private slots:
  void edits() {
    ModelFileFixture fx;
    QCOMPARE(fx.initialized, int(KLX_Ok));
    QSignalSpy sizes(fx.db.KLX_HeadupContainerPtr(), &KLX_Headup::headupSizeChanged);
    for (int i = 0; i < 24; ++i) QVERIFY(fx.db.CreateHeadupItem(i % 4));
    fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
    QVERIFY(!fx.db.CreateHeadupItem(HeadupType_Servo));
    QVERIFY(!fx.db.KLX_DataBaseManagerGetModelModifyFlag());
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetItemCount(), 24);

    // Out of range either way: nothing changes, yet the model is marked.
    for (int bad : {24, -1, 70000}) {
      fx.db.KLX_DataBaseManagerSetModelModifyFlag(false);
      fx.db.DeleteHeadupItemAt(bad);
      QVERIFY(fx.db.KLX_DataBaseManagerGetModelModifyFlag());
      QCOMPARE(fx.db.GetHeadupItemTypeAt(bad), -1);
    }
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetItemCount(), 24);

    // Item 5 of 8 deleted: 6 and 7 move down.
    fx.db.KLX_DataBaseManagerHeadupClearAll();
    for (int t : {0, 1, 2, 3, 0, 1, 2, 3}) fx.db.CreateHeadupItem(t);
    sizes.clear();
    fx.db.DeleteHeadupItemAt(5);
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(sizes.at(0).at(0).toInt(), 7);
    QCOMPARE(fx.db.GetHeadupItemTypeAt(5), 2);
    QCOMPARE(fx.db.GetHeadupItemTypeAt(6), 3);
    QCOMPARE(fx.db.GetHeadupItemTypeAt(7), -1);

    // The same type keeps the fields; another resets them first.
    fx.db.KLX_DatabaseMangerHeadupSetTeleMainAddr(0, 0x12345);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleMainAddr(0), 0x2345);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleSlaveAddr(0), 65535);
    fx.db.SetHeadupItemTypeAt(0, HeadupType_Telemetry);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleMainAddr(0), 0x2345);
    fx.db.KLX_DatabaseMangerHeadupSetTimerIndex(0, 3);
    fx.db.SetHeadupItemTypeAt(0, HeadupType_Timer);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleMainAddr(0), 65535);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTimerIndex(0), 17);
    fx.db.SetHeadupItemTypeAt(0, 256);
    QCOMPARE(fx.db.GetHeadupItemTypeAt(0), int(HeadupType_Timer));
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleMainAddr(20), -1);
    QCOMPARE(fx.db.GetHeadupItemTypeString(3), QString("Placeholder"));
    QCOMPARE(fx.db.GetHeadupItemTypeString(4), QString("Invalid"));
    QCOMPARE(fx.db.KLX_DataBaseManagerHeadupGetServoValue(26), -1);
  }

  void rows_data() {
    QTest::addColumn<QList<int>>("types");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("rows");
    // Servo items of servos 0..n-1; telemetry without a value index and
    // timers without a selector show nothing, placeholders neither.
    QTest::newRow("empty") << QList<int>{} << 0 << QStringList{};
    QTest::newRow("five, index 4") << QList<int>{2, 2, 2, 2, 2} << 4 << QStringList{"2 S4: -200", "2 S0: 0", "2 S1: 100"};
    QTest::newRow("one item") << QList<int>{2} << 0 << QStringList{"2 S0: 0"};
    QTest::newRow("placeholder between") << QList<int>{2, 3, 2} << 0 << QStringList{"2 S0: 0", "2 S2: 200"};
    QTest::newRow("unset telemetry and timer") << QList<int>{0, 1, 2} << 0 << QStringList{"2 S2: 200"};
  }
  void rows() {
    QFETCH(QList<int>, types);
    QFETCH(int, index);
    QFETCH(QStringList, rows);
    ModelFileFixture fx;
    QCOMPARE(fx.initialized, int(KLX_Ok));
    const int outputs[] = {-1, 1024, 2047, 10, -2047};
    for (int i = 0; i < 5; ++i) Servo(fx, i, outputs[i]);
    for (int i = 0; i < types.size(); ++i) {
      QVERIFY(fx.db.CreateHeadupItem(types[i]));
      if (types[i] == HeadupType_Servo) fx.db.KLX_DatabaseMangerHeadupSetServoIndex(i, i);
    }
    QCoreApplication::processEvents();
    KLX_HeadupWindow* w = fx.db.KLX_HeadupPtr();
    fx.db.KLX_SetHeadupIndex(index);
    QCOMPARE(Rows(w), rows);
  }

  // Simple timer 2 and complex timer 1 (selector simple count + 1); a
  // selector above 16 shows nothing.
  void timerRows() {
    ModelFileFixture fx;
    QCOMPARE(fx.initialized, int(KLX_Ok));
    const int simple = fx.db.KLX_DataBaseManagerGetMaxTimer(false);
    fx.db.KLX_DataBaseManagerTimerGetSet_IsUsed(2, 1, AtomicDirSet, false);
    fx.db.KLX_DataBaseManagerTimerGetSet_Name(2, QStringLiteral("Flight"), AtomicDirSet, false);
    fx.db.KLX_DataBaseManagerCmplxTimerGetSet_IsUsed(1, 1, AtomicDirSet, false);
    fx.db.KLX_DataBaseManagerCmplxTimerGetSet_Name(1, QStringLiteral("Race"), AtomicDirSet, false);
    for (int selector : {2, simple + 1, 17}) {
      fx.db.CreateHeadupItem(HeadupType_Timer);
      fx.db.KLX_DatabaseMangerHeadupSetTimerIndex(fx.db.KLX_DatabaseMangerHeadupGetItemCount() - 1, selector);
    }
    QCoreApplication::processEvents();
    const QString complexTime = fx.db.KLX_DataBaseManagerCmplxTimerGetActualTime_String(1, false);
    QVERIFY(!complexTime.isEmpty());
    QCOMPARE(Rows(fx.db.KLX_HeadupPtr()), (QStringList{QStringLiteral("1 Flight;%1:%2")
                                                           .arg(fx.db.KLX_DataBaseManagerTimerGet_ActualTimeMinute(2))
                                                           .arg(fx.db.KLX_DataBaseManagerTimerGet_ActualTimeSecond(2)),
                                                       "1 Race;" + complexTime}));
  }

  void pagingBySwitches() {
    ModelFileFixture fx;
    QCOMPARE(fx.initialized, int(KLX_Ok));
    for (int i = 0; i < 3; ++i) {
      Servo(fx, i, 0);
      fx.db.CreateHeadupItem(HeadupType_Servo);
      fx.db.KLX_DatabaseMangerHeadupSetServoIndex(i, i);
    }
    QCoreApplication::processEvents();
    KLX_HeadupWindow* w = fx.db.KLX_HeadupPtr();
    QSignalSpy fresh(w, &KLX_HeadupWindow::freshHeadupData);
    CControl* forward = fx.db.KLX_DataBaseManagerGetControlByID(kVs + 5);
    CControl* backward = fx.db.KLX_DataBaseManagerGetControlByID(kVs + 6);
    QVERIFY(forward && backward);
    forward->SetID(kVs + 5);
    backward->SetID(kVs + 6);
    // Only virtual switches bind; the old binding stays otherwise.
    fx.db.KLX_SubscribeHeadupForwardControl(kVs + 5);
    fx.db.KLX_SubscribeHeadupForwardControl(kVs + fx.db.KLX_DataBaseManagerGetMaxVirualSwitches());
    fx.db.KLX_SubscribeHeadupForwardControl(256);
    QCOMPARE(fx.db.KLX_GetHeadupForwardControl(), kVs + 5);
    QCOMPARE(fx.db.KLX_GetHeadupBackwardControl(), 65535);
    fx.db.KLX_SubscribeHeadupBackwardControl(kVs + 6);

    // Each turn-on steps once, with fresh rows at once; a turn-off does nothing.
    forward->SetValue(CControl::kEnabled);
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 1);
    QCOMPARE(fresh.size(), 1);
    QCOMPARE(fresh.at(0).at(0).value<HeadupWindowData>().first().second, QString("S1: 0"));
    forward->SetValue(-2047);
    forward->SetValue(CControl::kEnabled);
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 2);
    forward->SetValue(-2047);
    forward->SetValue(CControl::kEnabled);
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 0);
    backward->SetValue(CControl::kEnabled);
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 2);
    QCOMPARE(fresh.size(), 4);

    // A switch already on when bound steps at once.
    fx.db.KLX_SubscribeHeadupBackwardControl(kVs + 6);
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 1);
    // A reset releases both and goes back to the first item.
    fx.db.KLX_DataBaseManagerHeadupClearAll();
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 0);
    QCOMPARE(fx.db.KLX_GetHeadupForwardControl(), 65535);
    forward->SetValue(-2047);
    forward->SetValue(CControl::kEnabled);
    QCOMPARE(fx.db.KLX_GetHeadupIndex(), 0);
  }

  void keptOverSaveAndLoad() {
    ModelFileFixture fx;
    QCOMPARE(fx.initialized, int(KLX_Ok));
    fx.db.KLX_DataBaseManagerGetControlByID(kVs + 3)->SetID(kVs + 3);
    fx.db.CreateHeadupItem(HeadupType_Telemetry);
    fx.db.KLX_DatabaseMangerHeadupSetTeleMainAddr(0, 0x1201);
    fx.db.KLX_DatabaseMangerHeadupSetTeleSlaveAddr(0, 2);
    fx.db.CreateHeadupItem(HeadupType_Timer);
    fx.db.KLX_DatabaseMangerHeadupSetTimerIndex(1, 9);
    fx.db.CreateHeadupItem(HeadupType_Servo);
    fx.db.KLX_DatabaseMangerHeadupSetServoIndex(2, 7);
    fx.db.KLX_SubscribeHeadupForwardControl(kVs + 3);
    QCOMPARE(fx.Save(), int(KLX_Ok));
    const QByteArray text = ReadFile(fx.Path());
    QVERIFY(text.contains("<Headup>"));
    QVERIFY(text.contains("<ForwardCtrl>1283</ForwardCtrl>"));
    QVERIFY(text.contains("<BackwardCtrl>65535</BackwardCtrl>"));

    fx.db.KLX_DataBaseManagerHeadupClearAll();
    QCOMPARE(fx.Load(), int(KLX_Ok));
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetItemCount(), 3);
    QCOMPARE(fx.db.GetHeadupItemTypeAt(0), int(HeadupType_Telemetry));
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleMainAddr(0), 0x1201);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTeleSlaveAddr(0), 2);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetTimerIndex(1), 9);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetServoIndex(2), 7);
    QCOMPARE(fx.db.KLX_DatabaseMangerHeadupGetServoIndex(0), 65535);
    QCOMPARE(fx.db.KLX_GetHeadupForwardControl(), kVs + 3);
  }
};

QTEST_GUILESS_MAIN(TestHeadup)
#include "tst_headup.moc"
