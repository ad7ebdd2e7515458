// The model file's head-up section: the two page switches and the ordered
// head-up items, written from and read back into the facade's item list.
#include <QDebug>
#include <QXmlStreamReader>

#include "frame/klx_debuglog.h"
#include "frame/klx_xmltextwriter.h"
#include "model/klx_databasemanager.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"

using namespace KLX_XMLIO;

namespace {
constexpr unsigned kErrSwitch = 0x215CA;
constexpr unsigned kErrItem = 0x515CA;
constexpr unsigned kSkipped = 0x515CA;
}  // namespace

void KLX_XMLModel::KLX_XMLModelWriteModelHeadup(KLX_XMLTextWriter* w) {
  const int forward = m_Db->KLX_GetHeadupForwardControl();
  const int backward = m_Db->KLX_GetHeadupBackwardControl();
  w->StartElement(QLatin1String("Headup"));
  w->TextElement(QLatin1String("ForwardCtrl"), forward);
  w->TextElement(QLatin1String("BackwardCtrl"), backward);
  const int count = m_Db->KLX_DatabaseMangerHeadupGetItemCount();
  KLX_Headup* list = m_Db->KLX_HeadupContainerPtr();
  for (int i = 0; i < count; ++i) {
    w->StartElement(QLatin1String("HEADUPITEM"));
    // A copy: the list may change under a save started from another thread.
    CHeadupItem item;
    if (!list || !list->CopyItemAt(i, &item)) {
      qCDebug(lcVornDebug) << "ERRROR WRITING XML HEADUP";
      w->EndElement();
      break;
    }
    w->TextElement(QLatin1String("Index"), i);
    w->TextElement(QLatin1String("Type"), item.Type());
    w->TextElement(QLatin1String("TeleMainAddress"), item.TeleMainAddr);
    w->TextElement(QLatin1String("TeleSlaveAddress"), item.TeleSlaveAddr);
    w->TextElement(QLatin1String("ServoIndex"), item.TeleServoIndex);
    w->TextElement(QLatin1String("TimerIndex"), item.TimerIndexFlags);
    w->EndElement();
  }
  w->EndElement();
}

int KLX_XMLModel::KLX_XMLModelReadModelHeadupData(QXmlStreamReader* r) {
  qCDebug(lcVornDebug) << "Headup found.";
  m_Data->headupForward = m_Data->headupBackward = -1;
  for (CHeadupItem& item : m_Data->headup) item.ResetValues();
  // The item position carries over from one item to the next; 24 is none.
  int position = KLX_Headup::kSlots;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == QLatin1String("ForwardCtrl") || name == QLatin1String("BackwardCtrl")) {
      const bool forward = name == QLatin1String("ForwardCtrl");
      bool ok = false;
      const int id = Text(r).toInt(&ok);
      if (r->hasError()) return KLX_Error;
      if (!ok)
        Report(kErrSwitch, forward ? "Error while reading/converting ForwardId" : "Error while reading/converting BackwardId");
      (forward ? m_Data->headupForward : m_Data->headupBackward) = ok ? id : -1;
      continue;
    }
    if (name != QLatin1String("HEADUPITEM")) {
      // Skipped whole, so that the sections after it are still read.
      Skip(r, kSkipped, "headup skip error");
      continue;
    }
    while (r->readNextStartElement()) {
      static const struct {
        const char* element;
        const char* error;
      } kFields[] = {{"Index", "Cant read headupindex correctly"},
                     {"Type", "Cant read headuptype correctly"},
                     {"TeleMainAddress", "Cant read headuptelemain correctly"},
                     {"TeleSlaveAddress", "Cant read headupteleslave correctly"},
                     {"ServoIndex", "Cant read headupservoindex correctly"},
                     {"TimerIndex", "Cant read headuptimerindex correctly"}};
      int field = -1;
      for (int f = 0; f < 6 && field < 0; ++f)
        if (r->name() == QLatin1String(kFields[f].element)) field = f;
      if (field < 0) {
        qCDebug(lcVornDebug) << "Empty";
        r->skipCurrentElement();
        continue;
      }
      bool ok = false;
      const unsigned value = Text(r).toUInt(&ok);
      if (r->hasError()) return KLX_Error;
      if (!ok) {
        Report(kErrItem, kFields[field].error);
        return KLX_Error;
      }
      if (field == 0) {
        position = int(qMin(value, unsigned(KLX_Headup::kSlots)));
        continue;
      }
      if (position >= KLX_Headup::kSlots) continue;
      CHeadupItem& item = m_Data->headup[position];
      switch (field) {
        case 1: item.SetType(uint8_t(value)); break;
        case 2: item.SetTeleMainAddr(uint16_t(value)); break;
        case 3: item.SetTeleSlaveAddr(uint16_t(value)); break;
        case 4: item.SetTeleServoIndex(uint16_t(value)); break;
        default: item.SetTimerIndexFlags(uint8_t(value)); break;
      }
    }
    if (r->hasError()) return KLX_Error;
  }
  return r->hasError() ? KLX_Error : KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferHeadupDataToDB() {
  m_Db->KLX_SubscribeHeadupForwardControl(m_Data->headupForward);
  m_Db->KLX_SubscribeHeadupBackwardControl(m_Data->headupBackward);
  for (int i = 0; i < KLX_Headup::kSlots; ++i) {
    CHeadupItem& staged = m_Data->headup[i];
    if (staged.Type() == HeadupType_Empty) break;
    m_Db->CreateHeadupItem(staged.Type());
    m_Db->KLX_DatabaseMangerHeadupSetTeleMainAddr(i, staged.TeleMainAddr);
    m_Db->KLX_DatabaseMangerHeadupSetTeleSlaveAddr(i, staged.TeleSlaveAddr);
    m_Db->KLX_DatabaseMangerHeadupSetServoIndex(i, staged.TeleServoIndex);
    m_Db->KLX_DatabaseMangerHeadupSetTimerIndex(i, staged.TimerIndexFlags);
    staged.ResetValues();
  }
  return KLX_Ok;
}
