#pragma once
// The bus nodes and every message id the simulated controllers send or
// answer, named once here and apart from the program's own list, so that a
// wrong number on one side shows as a fault on the other.

// Senders on the bus.
enum CSimNode : int {
  SimNodeTransceiver = 1,
  SimNodeStick = 2,
  SimNodeApplication = 3,
};

// Ids are per sender: the same number means different messages from
// different nodes (64 is the stick controller's directions and the
// transceiver's link quality).
enum CSimMessageId : int {
  // stick controller to the program
  SimStickPositions = 1,       // four sticks, 8 bytes
  SimStickTrimClicks = 2,      // one byte per trim: 0, 0x02 (up) or 0xFE (down)
  SimStickEncoders = 3,        // sliders and rotaries, 8 bytes
  SimStickSwitchesFirst = 4,   // switch groups, 8 bytes each:
  SimStickSwitchesABCD = 4,    //   A, B, C, D
  SimStickSwitchesEJKM = 5,    //   E, J, K, M
  SimStickSwitchesLNFI = 6,    //   L, N, F, I
  SimStickSwitchesGH = 7,      //   G, H
  SimStickSwitchesExtra = 8,   //   three unnamed inputs
  SimStickSwitchesLast = 8,
  SimStickSystemData = 16,     // batteries, current, ambient light
  SimStickCalibrationStep = 32,  // the stick index and a calibration status
  SimStickCalibrationEnd = 33,   // 0: the calibration is taken
  SimStickDirections = 64,     // the direction word, answer to the request
  SimStickSyncAnswer = 129,

  // transceiver controller to the program
  SimTransceiverBindConfig = 16,      // its binding configuration, 8 bytes
  SimTransceiverTaskData = 17,        // a long task answer:
  SimTransceiverBindResult = 17,      //   the receiver just bound, 11 bytes
  SimTransceiverBindSetResult = 18,   // 0: a configuration was taken
  SimTransceiverControls = 32,        // the controls frozen (1) or released (0)
  SimTransceiverTrimsABC = 35,        // trims A, B, C and the flight mode, 7 bytes
  SimTransceiverTrimsDEF = 36,        // trims D, E, F and the flight mode, 7 bytes
  SimTransceiverSpecialSwitches = 37, // the four toggle switches, 8 bytes
  SimTransceiverTelemetryStatus = 5,  // the sensor scan's status (6 done) and the sensors found
  SimTransceiverSensorInfo = 48,      // long: one sensor's main information
  SimTransceiverSensorValueInfo = 49, // long: one value's description
  SimTransceiverSensorFrame = 51,     // a sensor-bus frame; command 0: live values, 19 bytes;
                                      //   3 to 6: a sensor's answer to a command
  SimTransceiverSensorSilent = 52,    // 1 byte: a sensor that did not answer
  SimTransceiverLinkQuality = 64,
  SimTransceiverFrontPlugMode = 144,  // the front socket's mode, 1 byte
  SimTransceiverLoaderAnswer = 96,    // 1, what is answered, status or index, count, error flag
  SimTransceiverSyncAnswer = 128,
  SimTransceiverChecksumPart = 176,   // part, value flag, the value
  SimTransceiverSequencerInfo = 192,  // a sequencer: index, locked flag, state, run time (32 bits)

  // either controller: a 32-bit error code for the program's error log
  SimErrorReport = 254,
  SimErrorReportOther = 255,

  // the program to the controllers
  SimCalibrationStart = 10,    // 1 byte: the stick index
  SimCalibrationCentre = 11,   // 1 byte: the stick index, the ends are taken
  SimCalibrationCancel = 12,   // no data
  SimCalibrationEnd = 13,      // no data
  SimLockControls = 32,        // 1 byte: 1 freeze, 0 release
  SimFieldFirst = 64,          // one changed field of a model element,
  SimFieldLast = 76,           //   8 bytes, the id its kind
  SimUnitFirst = 80,           // one whole model element,
  SimUnitLast = 92,            //   the id its kind
  SimLoader = 96,              // loader control, 8 bytes: 1, the sub-command, ...
  SimRequestTransceiverSync = 128,
  SimRequestStickSync = 129,
  SimRequestDirections = 150,
  SimVibration = 160,             // three 16-bit values, low byte first
  SimSetDirections = 151,  // the whole direction word, 4 bytes
  SimBindStateRequest = 161,      // no data
  SimTelemetryRequest = 192,      // no data: every sensor's descriptions
  SimTelemetryRescan = 193,       // no data: look for the sensors again
  SimTelemetryStart = 195,        // 2 bytes: language and measure system; answered with the status
  SimFrontPlugMode = 229,         // 2 bytes: 1 and a mode sets it, 0 0 asks
  SimBindNewRequest = 176,        // none or 1 byte
  SimBindConfig = 177,            // 8 bytes, and the receiver mask
  SimBindStart = 179,             // 4 x 0xFF, the receiver's mask bit, the window in ms (16 bits)
  SimPowerOff = 240,              // no data
  SimBrightness = 241,     // the display brightness in percent, 1 byte
  SimChecksumPartRequest = 242,   // 1 byte: the part
  SimAppReady = 243,              // no data
  SimSequencerInfoRequest = 244,  // 1 byte: the sequencer
  SimRadioTestGain = 246,  // also sent once at the end of the program's start-up

  // firmware updates (the boot loaders' ids are those of the files' entries)
  SimStickBootPacket = 0,         // the program to the stick controller's boot loader
  SimTransceiverBootPacket = 1,   // the program to the transceiver controller's boot loader
  SimBootLoaderAnswer = 153,      // either boot loader to the program
  SimSensorBusCommand = 194,      // a sensor-bus command frame for the transceiver to relay
  SimModemMode = 208,             // 7 bytes: on, off or information, the radio set-up
  SimModemData = 209,             // a command for the receiver behind the modem
  SimTransceiverModemAnswer = 0,  // the modem's and the receiver's answers
};

// Sub-commands of the loader control message and the answer's first byte.
enum CSimLoaderCommand : int {
  SimLoaderUnitStart = 1,    // single units follow, kept beside the held model until END
  SimLoaderEnd = 2,
  SimLoaderStop = 3,
  SimLoaderHeader = 4,
  SimLoaderUnitDelete = 5,   // the kind and the index of the unit
  SimLoaderChecksum = 6,
  SimLoaderStart = 8,
  SimLoaderStartAnswer = 1,  // the start is answered under this byte
  SimLoaderRefused = 3,      // the status of a refusal
};
