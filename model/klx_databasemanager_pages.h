// The telemetry display pages as QML, the model file and the alarm
// evaluation edit them: one door per operation of the page store, which
// sets the model-modified flag before every change that belongs in the model
// file (creations and deletions always, field writes with dir 0; never the
// aliases, the run-time states or the blink flag), fills in the names and
// aliases of a value placed on a widget and refreshes them after a capture.
// Included inside class KLX_DataBaseManager (klx_databasemanager.h), so that
// moc sees every invokable. No include guard: it is part of one class body.

 public:
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetNumberPagesInUse();
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(int page);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                            int timerID);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                            int servoID);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                           QString entry, QString icon);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewValueWidgetOnPage(int page, int xpos, int ypos, int size);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(int page, int xpos, int ypos, int size,
                                                                            QString filename);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(int page, int xpos, int ypos);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewSensorOnWidget(int page, int element, int mainadress);
  // The value slot; the widget's sensor and the value get the names and
  // aliases the sensor table has for them (an empty alias takes the name,
  // in the sensor table too).
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieCreateNewSlaveOnWidget(int page, int element, int sensor,
                                                                        int sensorAddr, int slaveadress);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieDeletePage(int page);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieDeleteElement(int page, int element);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieDeleteSensor(int page, int element, int sensor);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieDeleteSlave(int page, int element, int sensor, int slave);
  int KLX_DataBaseManagerGUITelemetrieClearAll();

  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(int page, int value, int dir);
#define KLX_PAGES_ELEMENT_NUMBER_DECL(name, member, id) \
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetSet_Element_##name(int page, int element, int value, int dir);
  KLX_GUITELE_ELEMENT_NUMBERS(KLX_PAGES_ELEMENT_NUMBER_DECL)
#undef KLX_PAGES_ELEMENT_NUMBER_DECL
#define KLX_PAGES_ELEMENT_TEXT_DECL(name, member)                                                           \
  Q_INVOKABLE QString KLX_DataBaseManagerGUITelemetrieGetSet_Element_##name(int page, int element, QString text, \
                                                                           int dir);
  KLX_GUITELE_ELEMENT_TEXTS(KLX_PAGES_ELEMENT_TEXT_DECL)
#undef KLX_PAGES_ELEMENT_TEXT_DECL
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_IsUsed(int page, int element, int sensor,
                                                                                  int value, int dir);
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetSet_Element_WidgetData_SensorMainAdress(int page, int element,
                                                                                            int sensor, int value,
                                                                                            int dir);
  Q_INVOKABLE QString KLX_DataBaseManagerGUITelemetrieGetSet_SensorName(int page, int element, int sensor,
                                                                       QString name, int dir);
  Q_INVOKABLE QString KLX_DataBaseManagerGUITelemetrieGetSet_SensorAlias(int page, int element, int sensor,
                                                                        QString name, int dir);
  // The stored alias (placing a value always gives it one).
  Q_INVOKABLE QString KLX_DataBaseManagerGUITelemetrieGet_SensorNameOrAlias(int page, int element, int sensor);
#define KLX_PAGES_VALUE_NUMBER_DECL(store, facade, member, id, err, mark)                                    \
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetSet_##facade(int page, int element, int sensor, int slave, \
                                                                 int value, int dir);
  KLX_GUITELE_VALUE_NUMBERS(KLX_PAGES_VALUE_NUMBER_DECL)
#undef KLX_PAGES_VALUE_NUMBER_DECL
#define KLX_PAGES_VALUE_TEXT_DECL(store, facade, member, mark)                                                    \
  Q_INVOKABLE QString KLX_DataBaseManagerGUITelemetrieGetSet_##facade(int page, int element, int sensor, int slave, \
                                                                     QString text, int dir);
  KLX_GUITELE_VALUE_TEXTS(KLX_PAGES_VALUE_TEXT_DECL)
#undef KLX_PAGES_VALUE_TEXT_DECL
  Q_INVOKABLE QString KLX_DataBaseManagerGUITelemetrieGet_SlaveNameOrAlias(int page, int element, int sensor,
                                                                          int slave);
  // A timer widget's red limit, which the alarm pass keeps where the timer
  // stops: no change of the pilot's, so it never marks the model (a start
  // on a file that holds another limit would write the file again). The
  // value stored, as the red limit's accessor gives it.
  int KLX_DataBaseManagerGUITelemetrieKeep_TimerRedLimit(int page, int element, int sensor, int slave, int value) {
    return m_GUITelemetrie ? m_GUITelemetrie->KLX_GUITelemetrieGetSet_Element_Slave_RedAlertAbove(page, element, sensor,
                                                                                                  slave, value, AtomicDirSet)
                           : int(KLX_Error);
  }
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetrieGetSet_ElementAtPage_IsBlinking(int page, int element, int sensor,
                                                                                 int slave, int value, int dir);

  // Names and aliases of every widget sensor and value in use taken anew
  // from the sensor table (with aliasOnly only the aliases); marks the model
  // modified when that changed any; 1.
  Q_INVOKABLE int KLX_DataBaseManagerGUITelemetryUpdateWidgetList(bool aliasOnly = false);
  // A sensor moved to another address: every widget that shows it follows; 1.
  int KLX_DataBaseManagerTelemetrieMoveSensor(unsigned char from, unsigned char to);
