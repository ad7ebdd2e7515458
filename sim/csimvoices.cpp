#include "sim/csimvoices.h"

#include <QFileInfo>

#include "sim/csimupdateserver.h"

const QList<CSimVoices::Voice>& CSimVoices::Factory() {
  // Folder names order the voices: the first British voice is the default,
  // and the Catalan voice stands before the Spanish one.
  static const QList<Voice> voices = {
      {"ca_laia", "Catalan", "Laia", "ca+f3"},
      {"cn_mei", "Mandarin Chinese", "Mei", "cmn+f3"},
      {"de_anna", "German", "Anna", "de+f3"},
      {"en_emma", "British English", "Emma", "en+f3"},
      {"en_oliver", "British English", "Oliver", "en+m3"},
      {"es_jorge", "Spanish", "Jorge", "es+m3"},
      {"fi_satu", "Finnish", "Satu", "fi+f3"},
      {"fr_thomas", "French", "Thomas", "fr+m3"},
      {"it_luca", "Italian", "Luca", "it+m3"},
      {"no_nora", "Norwegian", "Nora", "nb+f3"},
  };
  return voices;
}

bool CSimVoices::Write(const QString& folder, const Voice& voice) {
  const QString dir = folder + '/' + voice.folder;
  const QByteArray text = QStringLiteral("# A voice of the speech engine's stand-in.\nespeak=%1\nlanguage=%2\nname=%3\n")
                              .arg(voice.espeak, QString::fromUtf8(voice.language), QString::fromUtf8(voice.name))
                              .toUtf8();
  // The data file by the voice's name, as a voice pack brings it: the
  // voice settings find the voice's folder by it to delete it.
  const QByteArray data = QStringLiteral("voice data of %1 (%2)\n").arg(voice.name, voice.language).toUtf8();
  return CSimUpdateServer::WriteFiles(dir, {{QStringLiteral("voice.conf"), text}, {QStringLiteral("data/") + voice.folder + ".inf", data}});
}

bool CSimVoices::Prepare(const QString& folder) {
  if (QFileInfo::exists(folder)) return true;
  bool ok = true;
  for (const Voice& v : Factory()) ok &= Write(folder, v);
  return ok;
}
