#pragma once
// Teacher/pupil control (published as "TeacherPupil").
#include <QObject>

class KLX_TutorPupilCtrl : public QObject {
  Q_OBJECT
 public:
  explicit KLX_TutorPupilCtrl(QObject* parent = nullptr) : QObject(parent) {}
};
