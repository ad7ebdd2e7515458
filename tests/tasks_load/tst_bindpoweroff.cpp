#include "load_rig.h"
class BindPowerOffTest : public QObject {
  Q_OBJECT
 private slots:
  void placeholder() {}
};
QTEST_GUILESS_MAIN(BindPowerOffTest)
#include "tst_bindpoweroff.moc"
