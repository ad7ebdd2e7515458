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
  SimStickDirections = 64,     // the direction word, answer to the request
  SimStickSyncAnswer = 129,

  // transceiver controller to the program
  SimTransceiverTaskData = 17,        // a long task answer
  SimTransceiverTrimsABC = 35,        // trims A, B, C and the flight mode, 7 bytes
  SimTransceiverTrimsDEF = 36,        // trims D, E, F and the flight mode, 7 bytes
  SimTransceiverSpecialSwitches = 37, // the four toggle switches, 8 bytes
  SimTransceiverLinkQuality = 64,
  SimTransceiverSyncAnswer = 128,

  // either controller: a 32-bit error code for the program's error log
  SimErrorReport = 254,
  SimErrorReportOther = 255,

  // the program to the controllers
  SimRequestTransceiverSync = 128,
  SimRequestStickSync = 129,
  SimRequestDirections = 150,
  SimSetDirections = 151,  // the whole direction word, 4 bytes
  SimBrightness = 241,     // the display brightness in percent, 1 byte
  SimRadioTestGain = 246,  // also sent once at the end of the program's start-up
};
