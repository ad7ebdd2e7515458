// The receivers bound to the model: "RECEIVERMAIN" with the binding
// configuration id, the receiver mode and mask, and one "RECEIVER" per
// receiver in use, named by its slot (the bit of its mask). The mask is
// not read back: the receivers themselves rebuild it.
//
// The id is written under "BindConfigREdiv" in an R-Ediv mode and under
// "BindConfig" otherwise; the mode travels in the mask's bits 6 and 7.
#include <QXmlStreamReader>

#include "frame/klx_databasevalues.h"
#include "model/klx_databasemanager.h"
#include "modelfile/klx_xmlmodel.h"
#include "modelfile/klx_xmlsectionio.h"
#include "modelfile/klx_xmlsections.h"
#include "frame/klx_xmltextwriter.h"

namespace {
using KLX_XMLIO::Report;
using namespace KLX_XMLSections;

constexpr unsigned kErrBindConfig = 0x515B1;
constexpr unsigned kErrNoIndex = 0x51534;
constexpr unsigned kSkipCode = 0x5156C;
constexpr int kREdiv14 = KLX_Receiver::RX_MODE_REDIV_14;
constexpr int kREdiv21 = KLX_Receiver::RX_MODE_REDIV_21;

const QLatin1String kBindConfig("BindConfig");
const QLatin1String kBindConfigREdiv("BindConfigREdiv");
const KLX_XMLField kMask{QLatin1String("ReceiverMask"), KLX_XMLCheck::Uint8, false, 0, 0x51570, "receiver mask error",
                         nullptr};
}  // namespace

void KLX_XMLModel::KLX_XMLModelWriteReceiverMain(KLX_XMLTextWriter* w) {
  const int mode = m_Db->KLX_DataBaseManagerGetReceiverMode();
  const bool rediv = m_Db->KLX_DataBaseManagerIsReceiverModeREdiv();
  const QString config = QString::number(m_Db->KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet));
  const QString none = QStringLiteral("0");
  int mask = m_Db->KLX_DataBaseManagerGetReceiverMask();
  if (mode == kREdiv14 || mode == kREdiv21) mask += mode;
  w->StartElement(QLatin1String("RECEIVERMAIN"));
  w->TextElement(kBindConfig, rediv ? none : config);
  w->TextElement(kBindConfigREdiv, rediv ? config : none);
  w->TextElement(kMask.name, mask);
  w->EndElement();
}

void KLX_XMLModel::KLX_XMLModelWriteReceiverMode(KLX_XMLTextWriter* w) {
  const KLX_XMLField* f = kReceiver.fields;
  for (int i = 0; i < KLX_Receiver::kSlots; ++i) {
    if (!m_Db->KLX_DataBaseManagerIsReceiverUsed(i)) continue;
    const CVersion version = m_Db->KLX_DataBaseManagerGetReceiverVersion(i);
    w->StartElement(kReceiver.element);
    w->TextElement(QLatin1String("Index"), m_Db->KLX_DataBaseManagerGetReceiverSlot(i));
    w->TextElement(f[KLX_ReceiverFile::IsUsed].name, 1);
    w->TextElement(f[KLX_ReceiverFile::SerialNumber].name, m_Db->KLX_DataBaseManagerGetReceiverSerialNumber(i));
    w->TextElement(f[KLX_ReceiverFile::Type].name, m_Db->KLX_DataBaseManagerGetMyReceiverType(i));
    w->TextElement(f[KLX_ReceiverFile::Features].name, m_Db->KLX_DataBaseManagerGetReceiverFeatures(unsigned(i)));
    w->TextElement(f[KLX_ReceiverFile::SwVerMajor].name, version.Major());
    w->TextElement(f[KLX_ReceiverFile::SwVerMinor].name, version.Minor());
    w->EndElement();
  }
}

int KLX_XMLModel::KLX_XMLModelReadModelReceiverMainData(QXmlStreamReader* r) {
  quint64 plain = 0;
  quint64 rediv = 0;
  while (r->readNextStartElement()) {
    const QStringRef name = r->name();
    if (name == kBindConfig || name == kBindConfigREdiv) {
      const QString text = KLX_XMLIO::Text(r);
      if (r->hasError()) return KLX_Error;
      bool ok = false;
      const quint64 config = text.toULongLong(&ok);
      if (!ok) {
        Report(kErrBindConfig, "receiver binding configuration error");
        return KLX_Error;
      }
      (name == kBindConfig ? plain : rediv) = config;
    } else if (name == kMask.name) {
      int mask = 0;
      if (!KLX_XMLIO::ReadField(r, kMask, &mask)) return KLX_Error;
      if (mask & kREdiv21)
        m_Data->receiverMode = kREdiv21;
      else if (mask & kREdiv14)
        m_Data->receiverMode = kREdiv14;
    } else {
      KLX_XMLIO::Skip(r, kSkipCode, "receiver skip error");
    }
  }
  if (r->hasError()) return KLX_Error;
  // Taken at the end, so the order of the children does not matter.
  m_Data->bindConfig = m_Data->receiverMode ? rediv : plain;
  return KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferReceiverMainDataToDB() {
  m_Db->KLX_DataBaseManagerReceiverModeSet(static_cast<KLX_Receiver::rx_mode_t>(m_Data->receiverMode));
  m_Db->KLX_DataBaseManagerReceiverGetSetBindConfig(m_Data->bindConfig, AtomicDirSet);
  return KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelReadModelReceiverData(QXmlStreamReader* r) {
  if (ReadGroup(r, kReceiver) != KLX_Ok) return KLX_Error;
  if (static_cast<unsigned>(m_Data->record.index) > static_cast<unsigned>(kReceiver.indexMax)) {
    Report(kErrNoIndex, "function servoassigenment index error");
    return KLX_Error;
  }
  return KLX_Ok;
}

int KLX_XMLModel::KLX_XMLModelTransferReceiverDataToDB() {
  const KLX_XMLStaged& st = m_Data->record;
  if (st.index < 0) return KLX_Error;
  // Every receiver in the file is one in use, whatever its "IsUsed" says.
  CReceiver receiver;
  receiver.mask = static_cast<uint8_t>(1u << st.index);
  receiver.used = 1;
  receiver.serialNumber = static_cast<uint32_t>(st.values[KLX_ReceiverFile::SerialNumber]);
  receiver.type = static_cast<uint32_t>(st.values[KLX_ReceiverFile::Type]);
  receiver.features = static_cast<uint32_t>(st.values[KLX_ReceiverFile::Features]);
  receiver.version.Set(static_cast<unsigned char>(st.values[KLX_ReceiverFile::SwVerMajor]), static_cast<unsigned char>(st.values[KLX_ReceiverFile::SwVerMinor]));
  m_Db->KLX_DataBaseManagerSetReceiver(receiver);
  return KLX_Ok;
}
