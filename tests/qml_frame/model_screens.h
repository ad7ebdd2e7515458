#pragma once
// The mixer, virtual-switch, sequencer and flight-mode screens with the
// arguments they open with: the screen tests take a picture of each, the
// screens benchmark times each on a full model.
#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

// The flight-mode editor lists `flightModes` entries.
inline QList<QPair<QString, QVariantMap>> MixerScreens(int flightModes) {
  return {
      {"19.qml", {}},
      {"20.qml", {{"mixerIndex", 0}}},
      {"21.qml", {}},
      {"SequencersList.qml", {}},
      {"SequencerServoList.qml", {{"sequencerIdx", 0}}},
      {"SequencerServoEditor.qml", {{"sequencerIdx", 0}}},
      {"33_MixerCurveEditor.qml", {{"mixerId", 0}, {"functionId", -1}, {"fmStore", 0}, {"controlId", 0}}},
      {"FlightModeSelector.qml", {}},
      {"FlightModeEditor.qml", {{"lut_index", 0}, {"flightmodesNum", flightModes}}},
  };
}
