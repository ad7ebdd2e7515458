#pragma once
// One sysfs GPIO line: the power button's input or the power-hold output.
#include <QObject>

#include <cstdio>
#include <dirent.h>

class KLX_GPIOHandler : public QObject {
  Q_OBJECT
 public:
  explicit KLX_GPIOHandler(QObject* parent = nullptr);
  ~KLX_GPIOHandler() override;

  enum Direction { DirectionIn = 0, DirectionOut = 1, DirectionNotOpened = 2 };
  // The level of a line that cannot be read.
  static constexpr int kUnreadable = -2;

  int KLX_GPIOHandlerOpen(int gpio, int direction, int initialValue);
  // The input level, or kUnreadable when the line is not an opened input.
  int KLX_GPIOHandlerGetInput() const;
  int KLX_GPIOHandlerSetOutput(int value);
  int KLX_GPIOHandlerClose();
  bool KLX_GPIOHandlerIsOpened() const { return m_Opened; }

 private:
  int Fail(unsigned code, const char* text);

  bool m_Opened = false;
  char m_DirPath[4096] = {};
  char m_FilePath[4096] = {};
  char m_Direction[4] = {};
  char m_Mode[2] = {};
  char m_Output[2] = {};
  int m_Gpio = -1;
  int m_DirectionValue = DirectionNotOpened;
  FILE* m_ValueFile = nullptr;
  DIR* m_Dir = nullptr;
};
