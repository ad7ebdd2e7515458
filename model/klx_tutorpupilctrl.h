#pragma once
// Teacher/pupil control (published as "TeacherPupil").
#include <QObject>

class KLX_TutorPupilCtrl : public QObject {
  Q_OBJECT
 public:
  explicit KLX_TutorPupilCtrl(QObject* parent = nullptr) : QObject(parent) {}

  // Least form of the eight teacher/pupil items and the global switch, as
  // the settings file keeps them; the store's rules and messages come with
  // the teacher/pupil control.
  static constexpr int kItems = 8;
  struct Item {
    bool used = false;
    bool enabled = false;
    int control = 65535;
    int channel = 255;
  };
  Item m_Items[kItems];
  bool m_Allowed = false;
};
