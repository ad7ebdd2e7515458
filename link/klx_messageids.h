#pragma once
// Every message id the program exchanges with the transceiver controller
// (node 1) and the stick controller (node 2) over the CAN link. An id is one
// byte, and the same byte means one thing when the program sends it and
// another when a controller does (64 is a function field going out and the
// link quality coming in), so the names say who sends:
//   KLX_MSG_...     sent by the program, or exchanged both ways with one
//                   meaning (the unit records, the loader and the
//                   synchronisation);
//   KLX_MSG_TC_...  sent by the transceiver controller;
//   KLX_MSG_SC_...  sent by the stick controller.
// The simulated controllers keep a list of their own on purpose, so that a
// wrong number here is caught by them instead of being shared.

enum E_MessageId : unsigned char {
  // ---- sent by the program ------------------------------------------------

  // Calibration of a control, to the stick controller.
  KLX_MSG_CALIBRATION_START = 10,   // 1 byte: the stick index
  KLX_MSG_CALIBRATION_VALUES = 11,  // the stick index and its values
  KLX_MSG_CALIBRATION_CANCEL = 12,  // no data
  KLX_MSG_CALIBRATION_END = 13,     // no data

  // 1 byte: 1 freezes the trims and controls, 0 releases them.
  KLX_MSG_LOCK_TRIMS = 32,

  // One changed field of a model element, 8 bytes: element id, unit index,
  // sub-index 1, sub-index 2, the value little-endian. The id is the
  // element kind.
  KLX_MSG_ELEMENT_FUNCTION = 64,
  KLX_MSG_ELEMENT_MIXER = 65,
  KLX_MSG_ELEMENT_LIMITER = 66,
  KLX_MSG_ELEMENT_FLIGHTMODE = 67,
  KLX_MSG_ELEMENT_CURVE = 68,
  KLX_MSG_ELEMENT_SEQUENCER = 69,
  KLX_MSG_ELEMENT_SERVOCONFIG = 70,
  KLX_MSG_ELEMENT_VSWITCH = 72,
  KLX_MSG_ELEMENT_FMASSIGN = 73,
  KLX_MSG_ELEMENT_TRIM = 74,
  KLX_MSG_ELEMENT_TELECONTROL = 76,

  // One whole model element (its index, its record, two check bytes), sent
  // by the loaders and read back from the transceiver controller.
  KLX_MSG_UNIT_FUNCTION = 80,
  KLX_MSG_UNIT_MIXER = 81,
  KLX_MSG_UNIT_LIMITER = 82,
  KLX_MSG_UNIT_FLIGHTMODE = 83,
  KLX_MSG_UNIT_CURVE = 84,
  KLX_MSG_UNIT_SEQUENCER = 85,
  KLX_MSG_UNIT_SERVOCONFIG = 86,
  KLX_MSG_UNIT_VSWITCH = 88,
  KLX_MSG_UNIT_FMASSIGN = 89,
  KLX_MSG_UNIT_TRIM = 90,
  KLX_MSG_UNIT_SPECIALSWITCH = 91,
  KLX_MSG_UNIT_TELECONTROL = 92,

  // Loader control (start, end, stop, unit header, unit delete, model
  // start), 8 bytes; the transceiver controller answers with its own 96.
  KLX_MSG_LOADER = 96,

  // Synchronisation request, 8 bytes, and the controller's answer.
  KLX_MSG_SYNC_TRANSCEIVER = 128,
  KLX_MSG_SYNC_STICK = 129,

  // Teacher/pupil.
  KLX_MSG_TUTOR_EXT_CONTROLS = 144,  // 26 bytes: the external controls
  KLX_MSG_TUTOR_ALLOW = 145,         // 1 byte
  KLX_MSG_TUTOR_CHANNEL = 147,       // 2 bytes: internal, external index

  // Control directions: the request (no data; the stick controller answers
  // with KLX_MSG_SC_DIRECTIONS) and the direction word of one control.
  KLX_MSG_DIRECTIONS_REQUEST = 150,
  KLX_MSG_DIRECTION = 151,  // 4 bytes

  KLX_MSG_VIBRATION = 160,  // 6 bytes: three 16-bit values

  // Binding.
  KLX_MSG_BIND_CONFIG_STATE_REQUEST = 161,  // no data
  KLX_MSG_BIND_CONFIG_REQUEST = 176,        // 1 byte
  KLX_MSG_BIND_CONFIG = 177,                // the binding configuration
  KLX_MSG_BIND_START = 179,                 // 7 bytes

  KLX_MSG_SILENT_MODE = 181,  // 1 byte

  // Telemetry.
  KLX_MSG_TELEMETRY_REQUEST = 192,        // no data
  KLX_MSG_TELEMETRY_RESCAN = 193,         // no data
  KLX_MSG_SENSOR_BUS = 194,               // one sensor-bus command frame
  KLX_MSG_TELEMETRY_CAPTURE_START = 195,  // 2 bytes

  // Receiver firmware through the transceiver controller's modem mode.
  KLX_MSG_MODEM_MODE = 208,  // 7 bytes: on, off or information request
  KLX_MSG_MODEM_DATA = 209,  // a remote-access command for the receiver

  KLX_MSG_RANGE_TEST = 224,      // 1 byte: 1 start, 0 stop
  KLX_MSG_FRONT_PLUG_MODE = 229, // 2 bytes: operation, mode (0, 0 asks)
  KLX_MSG_POWER_OFF = 240,       // no data
  KLX_MSG_BRIGHTNESS = 241,      // 1 byte: display brightness in percent

  // Fast start: the model checksum of the transceiver controller, part by
  // part, and the program's ready message.
  KLX_MSG_CHECKSUM_REQUEST = 242,  // 1 byte: the part
  KLX_MSG_APP_READY = 243,         // no data

  KLX_MSG_SEQUENCER_INFO_REQUEST = 244,  // 1 byte: the sequencer index

  // Radio test.
  KLX_MSG_RADIO_TEST = 245,            // 2 bytes: channel, mode
  KLX_MSG_RADIO_TEST_GAIN = 246,       // 1 byte
  KLX_MSG_RADIO_TEST_BANDWIDTH = 247,  // 1 byte
  // The end of start-up is announced with a zero gain byte.
  KLX_MSG_STARTUP_DONE = KLX_MSG_RADIO_TEST_GAIN,

  // The id under which a controller's boot loader answers during a firmware
  // update, unless the update names another one.
  KLX_MSG_BOOT_ANSWER_DEFAULT = 153,

  // ---- sent by the transceiver controller (node 1) ------------------------

  KLX_MSG_TC_DEVICE_STATE = 4,       // two 16-bit words
  KLX_MSG_TC_TELEMETRY_STATUS = 5,   // status and sensor count
  KLX_MSG_TC_BIND_CONFIG = 16,       // the new binding configuration
  KLX_MSG_TC_BIND_RESULT = 17,       // long: result of a binding
  KLX_MSG_TC_BIND_SET_RESULT = 18,   // error, or result of a set
  KLX_MSG_TC_CONTROLS_ANSWER = 32,   // trims and controls frozen or released
  KLX_MSG_TC_TRIMS_ABC = 35,         // 7 bytes: trims A, B, C, flight mode
  KLX_MSG_TC_TRIMS_DEF = 36,         // 7 bytes: trims D, E, F, flight mode
  KLX_MSG_TC_SPECIAL_SWITCHES = 37,  // 8 bytes: four values
  KLX_MSG_TC_SENSOR_INFO = 48,       // long: a sensor's main information
  KLX_MSG_TC_SENSOR_VALUE_INFO = 49, // long: one value's information
  KLX_MSG_TC_SENSOR_FRAME = 51,      // a sensor-bus frame
  KLX_MSG_TC_SENSOR_NO_ANSWER = 52,  // 1 byte: the silent sensor's address
  KLX_MSG_TC_LINK_QUALITY = 64,      // 4 bytes: LQI 1, LQI 2, RSSI 1, RSSI 2
  // Short: the radio test gain; long messages of this id are the function
  // records read back (KLX_MSG_UNIT_FUNCTION).
  KLX_MSG_TC_RADIO_TEST_GAIN = 80,
  KLX_MSG_TC_RESPONSE_LONG = 112,    // long: for the response queue
  KLX_MSG_TC_RESPONSE = 113,         // for the response queue
  KLX_MSG_TC_UPDATE = 114,           // for the running task
  KLX_MSG_TC_FRONT_PLUG_MODE = 144,  // 1 byte
  KLX_MSG_TC_EXT_CHANNEL = 160,      // 1 byte: teacher/pupil channel answer
  KLX_MSG_TC_CHECKSUM_PART = 176,    // one part of the model checksum
  KLX_MSG_TC_SEQUENCER_INFO = 192,   // a sequencer's state

  // ---- sent by the stick controller (node 2) ------------------------------

  KLX_MSG_SC_STICKS = 1,            // 8 bytes: four stick values
  KLX_MSG_SC_TRIM_CLICKS = 2,       // 6 bytes: one click per trim
  KLX_MSG_SC_ENCODERS = 3,          // 8 bytes: sliders and rotaries
  KLX_MSG_SC_SWITCHES_1 = 4,        // 8 bytes each: the switch groups
  KLX_MSG_SC_SWITCHES_2 = 5,
  KLX_MSG_SC_SWITCHES_3 = 6,
  KLX_MSG_SC_SWITCHES_4 = 7,
  KLX_MSG_SC_SWITCHES_5 = 8,
  KLX_MSG_SC_SYSTEM_DATA = 16,      // 8 bytes: batteries, current, light
  KLX_MSG_SC_CALIBRATION_STEP = 32, // a calibration step report
  KLX_MSG_SC_CALIBRATION_END = 33,  // the calibration's end report
  KLX_MSG_SC_DIRECTIONS = 64,       // 4 bytes: the direction word

  // ---- from either controller ---------------------------------------------

  // 4 bytes: an error code for the error log, little-endian.
  KLX_MSG_ERROR_REPORT = 254,
  KLX_MSG_ERROR_REPORT_2 = 255,
};
