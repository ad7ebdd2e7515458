#pragma once
// The physical controls of the simulated transmitter as its controllers
// report them: which message and value slot carries each one, its bit in the
// direction word, and how it moves. The window, the console keys and the
// controllers all work from this one table.
#include <QByteArray>
#include <QVector>

enum class CSimControlKind {
  StickAxis,     // -2047 .. 2047, any value
  Linear,        // sliders and rotaries, any value
  Switch2,       // two positions: -2047, 2047
  Switch3,       // three positions: -2047, 0, 2047
  Trim,          // moved by clicks, reported by the transceiver controller
  Toggle,        // flips on each press of its two-position switch
};

struct CSimControl {
  int id;              // the control id the program uses
  const char* name;    // as the program displays it
  CSimControlKind kind;
  bool rightSide;      // physical controls of the right side have ids with low byte 0xF0 and up
  int message;         // position message (1, 3, 4..8), 35/36 for trims, 37 for toggles
  int slot;            // value slot in that message; the trim index for trims
  int directionBit;    // bit in the direction word, -1 when it has none
  int toggleOf;        // for a toggle: the id of its switch; else 0
};

namespace CSimControls {
// The stick axes: left up/down, left left/right, right up/down, right left/right.
constexpr int kStickA = 256, kStickB = 257, kStickC = 496, kStickD = 497;
constexpr int kMax = 2047;
constexpr int kStep = 205;       // one key press on a stick or slider: 10 %
constexpr int kTrimStep = 41;    // one trim click: 2 %, the model's default step

const QVector<CSimControl>& All();
// The control with this id, or null.
const CSimControl* ById(int id);
// A value moved to where the control can stand (switch positions, the range).
int Snap(const CSimControl& control, int value);
// The settings' "CONTROLS" entries of a transmitter as the factory's
// calibration leaves it: each stick axis, slider and rotary linear, each
// switch two- or three-position as it is built; trims and toggles have none.
QByteArray FactoryControlTypes();
}  // namespace CSimControls
