#include "sim/csimpanel.h"

#include "sim/csimcontrollers.h"
#include "sim/csimcontrols.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {
QString KindName(CSimControlKind kind) {
  switch (kind) {
    case CSimControlKind::StickAxis: return QStringLiteral("stick");
    case CSimControlKind::Linear: return QStringLiteral("linear");
    case CSimControlKind::Switch2: return QStringLiteral("switch2");
    case CSimControlKind::Switch3: return QStringLiteral("switch3");
    case CSimControlKind::Trim: return QStringLiteral("trim");
    case CSimControlKind::Toggle: return QStringLiteral("toggle");
  }
  return QString();
}
}  // namespace

CSimPanel::CSimPanel(CSimControllers& controllers, const QString& board, QObject* parent)
    : QObject(parent), m_Controllers(controllers), m_Board(board) {}

QVariantList CSimPanel::Controls() const {
  QVariantList list;
  for (const CSimControl& c : CSimControls::All())
    list.append(QVariantMap{{"id", c.id},
                            {"name", QString::fromLatin1(c.name)},
                            {"kind", KindName(c.kind)},
                            {"right", c.rightSide},
                            {"toggleOf", c.toggleOf}});
  return list;
}

int CSimPanel::Maximum() const { return CSimControls::kMax; }

int CSimPanel::idOf(const QString& name) const {
  for (const CSimControl& c : CSimControls::All())
    if (name == QLatin1String(c.name)) return c.id;
  return 0;
}

int CSimPanel::value(int id) const { return m_Controllers.Control(id); }

void CSimPanel::setValue(int id, int value) { m_Controllers.SetControl(id, value); }

void CSimPanel::clickTrim(int id, int direction) {
  const CSimControl* c = CSimControls::ById(id);
  if (c && c->kind == CSimControlKind::Trim) m_Controllers.ClickTrim(c->slot, direction);
}

QStringList CSimPanel::glassesRows() const {
  QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.bluez"), QStringLiteral("/vorn"),
                                                     QStringLiteral("org.vorn.FakeBluez"), QStringLiteral("Screen"));
  // Short: the window must not wait on a bus that has gone.
  const QDBusMessage reply = QDBusConnection::systemBus().call(call, QDBus::Block, 300);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  return reply.arguments().first().toStringList();
}
