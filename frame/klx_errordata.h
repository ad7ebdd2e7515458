#pragma once
// The user-facing texts of error codes, looked up by text table, module and
// number; the class byte of a code takes no part in the look-up.
#include <QObject>
#include <QString>

#include <vector>

class KLX_ErrorData : public QObject {
  Q_OBJECT

 public:
  static constexpr unsigned kTables = 3;
  static constexpr unsigned kModules = 255;
  static constexpr unsigned kNumbers = 255;

  explicit KLX_ErrorData(QObject* parent = nullptr);

  // The text of (table, module, number), translated at look-up so that a
  // language installed after start-up is honoured; empty where none is set
  // or the triple lies outside the table.
  QString KLX_ErrorDataGetText(unsigned table, unsigned module, unsigned number) const;
  // The same for a whole error code.
  QString KLX_ErrorDataGetTextOfCode(unsigned code) const;

 private:
  void Set(unsigned module, unsigned number, const char* source);
  // The same for a whole error code of table 0.
  void SetCode(unsigned code, const char* source);

  // One entry per (table, module, number); null for no text. The table is
  // built during static initialisation, before any translator exists, so it
  // keeps the English sources.
  std::vector<const char*> m_Texts;
};
