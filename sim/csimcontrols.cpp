#include "sim/csimcontrols.h"

#include "sim/csimmessageids.h"

#include <QString>
#include <QtGlobal>

namespace CSimControls {

const QVector<CSimControl>& All() {
  using K = CSimControlKind;
  constexpr bool L = false, R = true;
  static const QVector<CSimControl> table = {
      // sticks: left up/down and left/right, then right
      {kStickA, "ST-A", K::StickAxis, L, SimStickPositions, 0, 0, 0},
      {kStickB, "ST-B", K::StickAxis, L, SimStickPositions, 1, 1, 0},
      {kStickC, "ST-C", K::StickAxis, R, SimStickPositions, 2, 2, 0},
      {kStickD, "ST-D", K::StickAxis, R, SimStickPositions, 3, 3, 0},
      // trims, in the order of the trim indices 0 to 5
      {512, "TR-A", K::Trim, L, SimTransceiverTrimsABC, 0, -1, 0},
      {513, "TR-B", K::Trim, L, SimTransceiverTrimsABC, 1, -1, 0},
      {752, "TR-C", K::Trim, R, SimTransceiverTrimsABC, 2, -1, 0},
      {753, "TR-D", K::Trim, R, SimTransceiverTrimsDEF, 3, -1, 0},
      {514, "TR-E", K::Trim, L, SimTransceiverTrimsDEF, 4, -1, 0},
      {754, "TR-F", K::Trim, R, SimTransceiverTrimsDEF, 5, -1, 0},
      // sliders and rotaries
      {1025, "SL-A", K::Linear, L, SimStickEncoders, 0, 4, 0},
      {1024, "RO-A", K::Linear, L, SimStickEncoders, 1, 5, 0},
      {1265, "SL-B", K::Linear, R, SimStickEncoders, 2, 6, 0},
      {1264, "RO-B", K::Linear, R, SimStickEncoders, 3, 7, 0},
      // switches of the left side
      {768, "SW-A", K::Switch3, L, SimStickSwitchesABCD, 0, 8, 0},
      {769, "SW-B", K::Switch3, L, SimStickSwitchesABCD, 1, 9, 0},
      {770, "SW-C", K::Switch2, L, SimStickSwitchesABCD, 2, 10, 0},
      {771, "SW-D", K::Switch3, L, SimStickSwitchesABCD, 3, 11, 0},
      {772, "SW-E", K::Switch3, L, SimStickSwitchesEJKM, 0, 12, 0},
      {776, "SW-F", K::Switch3, L, SimStickSwitchesLNFI, 2, 18, 0},
      {773, "SW-G", K::Switch2, L, SimStickSwitchesGH, 0, 20, 0},
      // switches of the right side
      {1013, "SW-H", K::Switch2, R, SimStickSwitchesGH, 1, 21, 0},
      {1016, "SW-I", K::Switch3, R, SimStickSwitchesLNFI, 3, 19, 0},
      {1012, "SW-J", K::Switch3, R, SimStickSwitchesEJKM, 1, 13, 0},
      {1011, "SW-K", K::Switch3, R, SimStickSwitchesEJKM, 2, 14, 0},
      {1010, "SW-L", K::Switch2, R, SimStickSwitchesLNFI, 0, 16, 0},
      {1009, "SW-M", K::Switch3, R, SimStickSwitchesEJKM, 3, 15, 0},
      {1008, "SW-N", K::Switch3, R, SimStickSwitchesLNFI, 1, 17, 0},
      // the toggle forms of the two-position switches
      {774, "SW-CT", K::Toggle, L, SimTransceiverSpecialSwitches, 0, -1, 770},
      {775, "SW-GT", K::Toggle, L, SimTransceiverSpecialSwitches, 1, -1, 773},
      {1014, "SW-LT", K::Toggle, R, SimTransceiverSpecialSwitches, 2, -1, 1010},
      {1015, "SW-HT", K::Toggle, R, SimTransceiverSpecialSwitches, 3, -1, 1013},
  };
  return table;
}

const CSimControl* ById(int id) {
  for (const CSimControl& c : All())
    if (c.id == id) return &c;
  return nullptr;
}

QByteArray FactoryControlTypes() {
  // The calibration's control types as the settings keep them.
  constexpr int kTwoPositions = 21, kThreePositions = 22, kLinear = 23;
  QByteArray xml;
  int index = 0;
  for (const CSimControl& c : All()) {
    int type = 0;
    switch (c.kind) {
      case CSimControlKind::StickAxis:
      case CSimControlKind::Linear:
        type = kLinear;
        break;
      case CSimControlKind::Switch2:
        type = kTwoPositions;
        break;
      case CSimControlKind::Switch3:
        type = kThreePositions;
        break;
      default:
        continue;
    }
    xml += QStringLiteral("        <CONTROLS>\n            <Index>%1</Index>\n            <Control>%2</Control>\n"
                          "            <Typ>%3</Typ>\n        </CONTROLS>\n")
               .arg(index++)
               .arg(c.id)
               .arg(type)
               .toUtf8();
  }
  return xml;
}

int Snap(const CSimControl& control, int value) {
  const int v = qBound(-kMax, value, kMax);
  switch (control.kind) {
    case CSimControlKind::Switch2:
    case CSimControlKind::Toggle:
      return v >= 0 ? kMax : -kMax;
    case CSimControlKind::Switch3:
      return v > kMax / 2 ? kMax : (v < -kMax / 2 ? -kMax : 0);
    default:
      return v;
  }
}

}  // namespace CSimControls
