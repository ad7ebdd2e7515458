// The facade's doors to the telemetry display pages: the model-modified
// flag before every change the model file keeps, the names and aliases a
// placed value takes from the sensor table, and their refresh after a capture.
#include "model/klx_databasemanager.h"

namespace {
using Pages = KLX_GUITelemetrie;
constexpr int kNoSensorAddress = 255;
}  // namespace

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse() {
  return m_GUITelemetrie ? m_GUITelemetrie->KLX_GUITelemetrieGetNumberPagesInUse() : int(KLX_Error);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(int page) {
  return m_GUITelemetrie ? m_GUITelemetrie->KLX_GUITelemetrieGetNumberTelemetieElementsInUse(page) : int(KLX_Error);
}

// ---- creations and deletions: always marked, also when the store refuses ------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(int page, int xpos, int ypos,
                                                                                   int size, int timerID) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateNewTimerWidgetOnPage(page, xpos, ypos, size, timerID);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(int page, int xpos, int ypos,
                                                                                   int size, int servoID) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateNewServoWidgetOnPage(page, xpos, ypos, size, servoID);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(int page, int xpos, int ypos,
                                                                                  int size, QString entry,
                                                                                  QString icon) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateQuickLinkWidgetOnPage(page, xpos, ypos, size, entry, icon);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(int page, int xpos, int ypos,
                                                                                   int size) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateNewValueWidgetOnPage(page, xpos, ypos, size);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(int page, int xpos, int ypos,
                                                                                   int size, QString filename) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateNewMInfoWidgetOnPage(page, xpos, ypos, size, filename);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(int page, int xpos, int ypos) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateModelImageOnPage(page, xpos, ypos);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(int page, int element,
                                                                                int mainadress) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieCreateNewSensorOnWidget(page, element, mainadress);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(int page, int element, int sensor,
                                                                               int sensorAddr, int slaveadress) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  const int slot = m_GUITelemetrie->KLX_GUITelemetrieCreateNewSlaveOnWidget(page, element, sensor, slaveadress);
  if (slot <= KLX_Error || !m_Telemetrie) return slot;
  // The names as the sensor table has them now.
  KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(
      page, element, sensor, m_Telemetrie->KLX_TelemetrieGetSet_SensorName(sensorAddr, nullptr, AtomicDirGet),
      AtomicDirSet);
  const QString label = m_Telemetrie->KLX_TelemetrieGetSet_Slave_SlaveLabel(sensorAddr, slaveadress, nullptr, AtomicDirGet);
  KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveName(page, element, sensor, slot, label, AtomicDirSet);
  // A known sensor always gives the widget aliases: an empty one takes the
  // name, in the sensor table too.
  const int address =
      m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(page, element, sensor, 0, AtomicDirGet);
  if (address < 0 || address >= kNoSensorAddress) return slot;
  QString alias = KLX_DataBaseManagerTelemetrieGetSetSensorAlias(address, QString(), AtomicDirGet, false);
  if (alias.isEmpty()) {
    alias = KLX_DataBaseManagerTelemetrieGetSensorName(address);
    KLX_DataBaseManagerTelemetrieGetSetSensorAlias(address, alias, AtomicDirSet, true);
  }
  m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_SensorAlias(page, element, sensor, alias, AtomicDirSet);
  QString valueAlias = KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(address, slaveadress, QString(), AtomicDirGet, false);
  if (valueAlias.isEmpty()) {
    valueAlias = KLX_DataBaseManagerTelemetrieGetSlaveLabel(address, slaveadress);
    KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(address, slaveadress, valueAlias, AtomicDirSet, true);
  }
  m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_Slave_SlaveAlias(page, element, sensor, slot, valueAlias,
                                                                   AtomicDirSet);
  return slot;
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieDeletePage(int page) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieDeletePage(page);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieDeleteElement(int page, int element) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieDeleteElement(page, element);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieDeleteSensor(int page, int element, int sensor) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieDeleteSensor(page, element, sensor);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieDeleteSlave(int page, int element, int sensor, int slave) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieDeleteSlave(page, element, sensor, slave);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieClearAll() {
  if (m_GUITelemetrie) m_GUITelemetrie->KLX_GUITelemetrieClearAll();
  return KLX_Ok;
}

// ---- fields: a write is marked when the model file keeps it ----------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(int page, int value, int dir) {
  if (!m_GUITelemetrie) return KLX_Error;
  if (dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieGetSet_PageIsUsed(page, value, dir);
}

#define KLX_PAGES_ELEMENT_NUMBER_DEF(name, member, id)                                                            \
  int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Element_##name(int page, int element, int value, \
                                                                                int dir) {                        \
    if (!m_GUITelemetrie) return KLX_Error;                                                                       \
    if (dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);                                         \
    return m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_##name(page, element, value, dir);                    \
  }
KLX_GUITELE_ELEMENT_NUMBERS(KLX_PAGES_ELEMENT_NUMBER_DEF)
#undef KLX_PAGES_ELEMENT_NUMBER_DEF

#define KLX_PAGES_ELEMENT_TEXT_DEF(name, member)                                                                   \
  QString KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Element_##name(int page, int element,         \
                                                                                    QString text, int dir) {       \
    if (!m_GUITelemetrie) return QString();                                                                        \
    if (dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);                                          \
    return m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_##name(page, element, text, dir);                      \
  }
KLX_GUITELE_ELEMENT_TEXTS(KLX_PAGES_ELEMENT_TEXT_DEF)
#undef KLX_PAGES_ELEMENT_TEXT_DEF

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(int page, int element,
                                                                                         int sensor, int value,
                                                                                         int dir) {
  if (!m_GUITelemetrie) return KLX_Error;
  if (dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_WidgetData_IsUsed(page, element, sensor, value, dir);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(int page,
                                                                                                   int element,
                                                                                                   int sensor,
                                                                                                   int value, int dir) {
  if (!m_GUITelemetrie) return KLX_Error;
  if (dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(page, element, sensor, value,
                                                                                      dir);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(int page, int element, int sensor,
                                                                              QString name, int dir) {
  if (!m_GUITelemetrie) return QString();
  if (dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_SensorName(page, element, sensor, name, dir);
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(int page, int element, int sensor,
                                                                               QString name, int dir) {
  return m_GUITelemetrie ? m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_SensorAlias(page, element, sensor, name, dir)
                         : QString();
}

QString KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(int page, int element, int sensor) {
  return KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(page, element, sensor, QString(), AtomicDirGet);
}

#define KLX_PAGES_VALUE_NUMBER_DEF(store, facade, member, id, err, mark)                                        \
  int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_##facade(int page, int element, int sensor,    \
                                                                          int slave, int value, int dir) {      \
    if (!m_GUITelemetrie) return KLX_Error;                                                                     \
    if (!(mark) || dir != AtomicDirSet)                                                                         \
      return m_GUITelemetrie->KLX_GUITelemetrieGetSet_##store(page, element, sensor, slave, value, dir);        \
    /* Only a change makes the model file to be written again: the alarm pass sets limits as they are. */     \
    const int was = m_GUITelemetrie->KLX_GUITelemetrieGetSet_##store(page, element, sensor, slave, 0, AtomicDirGet); \
    /* Bad indices: reported by the read, the write would be refused alike. */                                \
    if (was <= KLX_Error) return was;                                                                           \
    const int result = m_GUITelemetrie->KLX_GUITelemetrieGetSet_##store(page, element, sensor, slave, value, dir); \
    if (result != was) KLX_DataBaseManagerSetModelModifyFlag(true);                                             \
    return result;                                                                                              \
  }
KLX_GUITELE_VALUE_NUMBERS(KLX_PAGES_VALUE_NUMBER_DEF)
#undef KLX_PAGES_VALUE_NUMBER_DEF

#define KLX_PAGES_VALUE_TEXT_DEF(store, facade, member, mark)                                                   \
  QString KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_##facade(int page, int element, int sensor, \
                                                                              int slave, QString text, int dir) { \
    if (!m_GUITelemetrie) return QString();                                                                     \
    if ((mark) && dir == AtomicDirSet) KLX_DataBaseManagerSetModelModifyFlag(true);                             \
    return m_GUITelemetrie->KLX_GUITelemetrieGetSet_##store(page, element, sensor, slave, text, dir);           \
  }
KLX_GUITELE_VALUE_TEXTS(KLX_PAGES_VALUE_TEXT_DEF)
#undef KLX_PAGES_VALUE_TEXT_DEF

QString KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(int page, int element, int sensor,
                                                                                 int slave) {
  return KLX_DataBaseManagerGUITelemetrieGetSet_Slave_SlaveAlias(page, element, sensor, slave, QString(), AtomicDirGet);
}

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(int page, int element,
                                                                                        int sensor, int slave,
                                                                                        int value, int dir) {
  return m_GUITelemetrie
             ? m_GUITelemetrie->KLX_GUITelemetrieGetSet_ElementAtPage_IsBlinking(page, element, sensor, slave, value, dir)
             : 0;
}

// ---- names after a capture, sensors that moved -------------------------------------------------

int KLX_DataBaseManager::KLX_DataBaseManagerGUITelemetryUpdateWidgetList(bool aliasOnly) {
  if (!m_GUITelemetrie) return KLX_Error;
  Pages& pages = *m_GUITelemetrie;
  const int get = AtomicDirGet;
  // Only a text that differs is written: a refresh that changes nothing
  // must not have the model file written again (and the log paused for it).
  bool changed = false;
  const auto update = [&](const QString& now, const QString& text, auto write) {
    if (now == text) return;
    write(text);
    changed = true;
  };
  for (int p = 0; p < Pages::kPages; ++p) {
    if (pages.KLX_GUITelemetrieGetSet_PageIsUsed(p, 0, get) != 1) continue;
    for (int e = 0; e < Pages::kElements; ++e) {
      if (pages.KLX_GUITelemetrieGetSet_Element_IsUsed(p, e, 0, get) != 1) continue;
      for (int s = 0; s < Pages::kSensors; ++s) {
        if (pages.KLX_GUITelemetrieGet_Element_Sensor_IsUsed(p, e, s) != 1) continue;
        const int address = pages.KLX_GUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(p, e, s, 0, get);
        const QString name = KLX_DataBaseManagerTelemetrieGetSensorName(address);
        QString alias = KLX_DataBaseManagerTelemetrieGetSetSensorAlias(address, QString(), get, false);
        bool renamed = false;
        if (!aliasOnly && !name.isEmpty() &&
            name != pages.KLX_GUITelemetrieGetSet_Element_SensorName(p, e, s, QString(), get)) {
          // Another sensor answers at this address now: its names replace the old aliases.
          pages.KLX_GUITelemetrieGetSet_Element_SensorName(p, e, s, name, AtomicDirSet);
          alias.clear();
          renamed = changed = true;
        }
        if (alias.isEmpty() && !name.isEmpty()) {
          alias = name;
          KLX_DataBaseManagerTelemetrieGetSetSensorAlias(address, alias, AtomicDirSet, true);
        }
        if (!name.isEmpty())
          update(pages.KLX_GUITelemetrieGetSet_Element_SensorAlias(p, e, s, QString(), get), alias, [&](const QString& t) {
            pages.KLX_GUITelemetrieGetSet_Element_SensorAlias(p, e, s, t, AtomicDirSet);
          });
        for (int v = 0; v < Pages::kValues; ++v) {
          if (pages.KLX_GUITelemetrieGetSet_Element_Slave_IsUsed(p, e, s, v, 0, get) != 1) continue;
          const int index = pages.KLX_GUITelemetrieGetSet_Element_SensorData_SensorSlaveAdress(p, e, s, v, 0, get);
          const QString label = KLX_DataBaseManagerTelemetrieGetSlaveLabel(address, index);
          QString valueAlias = KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(address, index, QString(), get, false);
          if (!aliasOnly) {
            if (!label.isEmpty())
              update(pages.KLX_GUITelemetrieGetSet_Element_Slave_SlaveName(p, e, s, v, QString(), get), label,
                     [&](const QString& t) { pages.KLX_GUITelemetrieGetSet_Element_Slave_SlaveName(p, e, s, v, t, AtomicDirSet); });
            if (renamed) valueAlias.clear();
          }
          if (valueAlias.isEmpty() && !name.isEmpty()) {
            valueAlias = label;
            KLX_DataBaseManagerTelemetrieGetSetSlaveAlias(address, index, valueAlias, AtomicDirSet, true);
          }
          if (!name.isEmpty())
            update(pages.KLX_GUITelemetrieGetSet_Element_Slave_SlaveAlias(p, e, s, v, QString(), get), valueAlias,
                   [&](const QString& t) { pages.KLX_GUITelemetrieGetSet_Element_Slave_SlaveAlias(p, e, s, v, t, AtomicDirSet); });
        }
      }
    }
  }
  if (changed) KLX_DataBaseManagerSetModelModifyFlag(true);
  return KLX_Ok;
}

int KLX_DataBaseManager::KLX_DataBaseManagerTelemetrieMoveSensor(unsigned char from, unsigned char to) {
  if (!m_GUITelemetrie) return KLX_Error;
  KLX_DataBaseManagerSetModelModifyFlag(true);
  return m_GUITelemetrie->KLX_GUITelemetrieMoveSensor(from, to);
}
