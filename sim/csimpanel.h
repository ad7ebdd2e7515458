#pragma once
// What the control window of the simulator sees of the stick controller: the
// board's controls and their positions, and the hand moving them. The window
// polls the positions, so moves made with the console keys show there too.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class CSimControllers;

class CSimPanel : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString board READ Board CONSTANT)
  Q_PROPERTY(QVariantList controls READ Controls CONSTANT)
  Q_PROPERTY(int maximum READ Maximum CONSTANT)
  // Only the larger board has Bluetooth (headset and head-up glasses).
  Q_PROPERTY(bool bluetooth READ Bluetooth CONSTANT)

 public:
  CSimPanel(CSimControllers& controllers, const QString& board, QObject* parent = nullptr);

  QString Board() const { return m_Board; }
  bool Bluetooth() const { return m_Board == QLatin1String("Vorn"); }
  // One map per control: id, name, kind ("stick", "trim", "linear",
  // "switch2", "switch3", "toggle"), right (bool), toggleOf (id or 0).
  QVariantList Controls() const;
  int Maximum() const;

  Q_INVOKABLE int idOf(const QString& name) const;  // "ST-A" gives 256; 0 unknown
  Q_INVOKABLE int value(int id) const;
  Q_INVOKABLE void setValue(int id, int value);
  Q_INVOKABLE void clickTrim(int id, int direction);
  // The three rows the scripted glasses show (empty when no scripted BlueZ
  // runs on the system bus).
  Q_INVOKABLE QStringList glassesRows() const;

 private:
  CSimControllers& m_Controllers;
  QString m_Board;
};
