#pragma once
// The settings tests' facade on a simulated board with an SD card, for
// either board, with its model-file object and the doors the model-file
// tests watch: the file's text, the stores' records and the reports.
#include <QtTest>

#include <functional>

#include "frame/klx_board.h"
#include "frame/simplecrypt.h"
#include "full_model.h"
#include "model/engine/kl_engine.h"
#include "settings/settings_fixture.h"

struct ModelFileFixture : SettingsFixture {
  explicit ModelFileFixture(int variant = KL_BOARD_VORN)
      : SettingsFixture(variant == KL_BOARD_FENK ? CSimBoard::Fenk : CSimBoard::Vorn) {
    QDir().mkpath(Folder());
  }

  // The running board changes under the same facade, as when a file of one
  // transmitter is read on the other.
  static void SwitchBoard(int variant) {
    kl_engine_init_parameters(variant);
    Board::Free();
    Board::Init(variant == KL_BOARD_FENK ? E_BoardFenk : E_BoardVorn);
  }

  KLX_XMLModel& Model() { return db.KLX_DataBaseManagerXMLFileHandlerPtr()->Model(); }
  static QString Folder() { return KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false); }
  static QString Path(const QString& name = QStringLiteral("Glider")) { return Folder() + name + ".xml"; }

  int Save(const QString& name = QStringLiteral("Glider")) { return Model().KLX_XMLModelWriteModelFile(Path(name), name); }
  int Load(const QString& name = QStringLiteral("Glider")) { return Model().KLX_XMLModelReadModelFile(Path(name), name); }

  // Every record of the element stores and the names beside them, byte for
  // byte, to compare a model before a save with the one a load gives back.
  QByteArray Records() {
    QByteArray all;
    const auto add = [&](const void* p, int size) { all.append(static_cast<const char*>(p), size); };
    for (int i = 0; i < KL_MAX_FUNCTIONS; ++i) {
      T_Function r;
      db.KLX_DataBaseManagerFunctionCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += db.KLX_DataBaseManagerFunctionGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    for (int i = 0; i < KL_MAX_SERVOS; ++i) {
      T_ServoConfig r;
      db.KLX_DataBaseManagerServoConfigCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += db.KLX_DataBaseManagerServoConfigGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    for (int i = 0; i < KL_MAX_MIXERS; ++i) {
      T_Mixer r;
      db.KLX_DataBaseManagerMixerCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += db.KLX_DataBaseManagerMixerGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    for (int i = 0; i < KL_MAX_LIMITERS; ++i) {
      T_Limiter r;
      db.KLX_DataBaseManagerLimiterCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += db.KLX_DataBaseManagerLimiterGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    for (int i = 0; i < KL_MAX_FLIGHTMODES; ++i) {
      T_FlightMode r;
      db.KLX_DataBaseManagerFlightmodeCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += db.KLX_DataBaseManagerFlightmodeGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    for (int i = 0; i < KL_MAX_CURVES; ++i) {
      T_Curve r;
      db.KLX_DataBaseManagerCurveCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += char(db.KLX_DataBaseManagerCurveGetSet_IsSmoothed(i, 0, AtomicDirGet));
    }
    for (int i = 0; i < KL_MAX_VSWITCHES; ++i) {
      T_VSwitch r;
      db.KLX_DataBaseManagerSwitchCopySingleUnit(i, &r);
      add(&r, sizeof r);
      all += db.KLX_DataBaseManagerSwitchGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    T_SpecialSwitch special;
    db.KLX_DataBaseManagerSpecialSwitchCopySingleUnit(&special);
    add(&special, sizeof special);
    T_FlightModeControlAssignment assignment;
    db.KLX_DataBaseManagerFlightmodeAssignCopySingleUnit(&assignment);
    add(&assignment, sizeof assignment);
    for (int i = 0; i < KL_TRIM_CONTROLS; ++i) {
      T_TrimControlCfg r;
      db.KLX_DataBaseManagerTrimCopySingleUnit(i, &r);
      add(&r, sizeof r);
    }
    for (int i = 0; i < KL_MAX_SEQUENCERS; ++i) {
      T_Sequencer r[KL_MAX_SEQUENCERS];
      db.KLX_DataBaseManagerSequencerCopySingleUnit(i, r);
      add(&r[i], sizeof r[i]);
      all += db.KLX_DataBaseManagerSequencerGetSet_Name(i, QString(), AtomicDirGet).toUtf8();
    }
    all += Receivers();
    return all;
  }

  // The receiver list as the facade tells it, position by position.
  QByteArray Receivers() {
    QByteArray all = QByteArray::number(db.KLX_DataBaseManagerGetReceiverMode()) + ' ' +
                     QByteArray::number(db.KLX_DataBaseManagerReceiverGetSetBindConfig(0, AtomicDirGet));
    for (int i = 0; i < KLX_Receiver::kSlots; ++i) {
      if (!db.KLX_DataBaseManagerIsReceiverUsed(i)) continue;
      all += QStringLiteral(" [%1 %2 %3 %4 %5]")
                 .arg(db.KLX_DataBaseManagerGetReceiverSlot(i))
                 .arg(db.KLX_DataBaseManagerGetReceiverSerialNumber(i))
                 .arg(db.KLX_DataBaseManagerGetMyReceiverType(i))
                 .arg(db.KLX_DataBaseManagerGetReceiverFeatures(unsigned(i)))
                 .arg(db.KLX_DataBaseManagerGetReceiverVersion(i).toString())
                 .toUtf8();
    }
    return all;
  }
};

// The text of a saved file without the value of "CRC_MD5", which differs
// from save to save.
inline QByteArray WithoutCheckValue(QByteArray text) {
  const int from = text.indexOf("<CRC_MD5>");
  const int to = text.indexOf("</CRC_MD5>");
  if (from >= 0 && to > from) text.remove(from + 9, to - from - 9);
  return text;
}

// True when "CRC_MD5" deciphers to the MD5 digest of the text up to and
// including "</DATA>".
inline bool CheckValueMatches(const QByteArray& text) {
  const int end = text.indexOf("</DATA>");
  const int from = text.indexOf("<CRC_MD5>");
  const int to = text.indexOf("</CRC_MD5>");
  if (end < 0 || from < 0 || to < from) return false;
  const QByteArray md5 = QCryptographicHash::hash(text.left(end + 7), QCryptographicHash::Md5).toHex();
  SimpleCrypt crypt(0x3e81c04a7d2b96f5ULL);
  return crypt.decryptToByteArray(QString::fromLatin1(text.mid(from + 9, to - from - 9))) == md5;
}

// The text without the elements of that name (each on lines of its own, as
// the writer lays them out).
inline QByteArray WithoutElements(const QByteArray& text, const QStringList& names) {
  QString out = QString::fromUtf8(text);
  for (const QString& name : names)
    out.remove(QRegularExpression(QStringLiteral("\\n *<%1>.*?</%1>").arg(name),
                                  QRegularExpression::DotMatchesEverythingOption));
  return out.toUtf8();
}

// Every element of that name in the text, one after the other, without the
// layout between the tags.
inline QByteArray Elements(const QByteArray& text, const QString& name) {
  QString out;
  QRegularExpression element(QStringLiteral("<%1>.*?</%1>").arg(name), QRegularExpression::DotMatchesEverythingOption);
  auto found = element.globalMatch(QString::fromUtf8(text));
  while (found.hasNext()) out += found.next().captured();
  return out.replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><")).toUtf8();
}

// A model file around the given children of "DATA".
inline QByteArray ModelXml(const QByteArray& data, const QByteArray& name = "Glider",
                           const QByteArray& root = "modelfile", const QByteArray& version = "1.0") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root + " version=\"" + version + "\">\n<NAME><Modelname>" +
         name + "</Modelname><Modelinfo>info</Modelinfo></NAME>\n<DATA>\n" + data + "\n</DATA>\n</" + root + ">\n";
}

// One value of the facade, probed after a load.
using SectionProbe = std::function<QVariant(KLX_DataBaseManager&)>;
Q_DECLARE_METATYPE(SectionProbe)

// The children of "DATA" loaded on the board: the load's result, the reports
// after the one of its start, and the probed value when it loaded. The
// columns of a data function, and the check of its row.
inline void AddSectionLoadColumns() {
  QTest::addColumn<int>("board");
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<int>("result");
  QTest::addColumn<QList<unsigned>>("codes");  // after 0x41500, the start of the load
  QTest::addColumn<SectionProbe>("probe");
  QTest::addColumn<QVariant>("probed");
}
inline void CheckSectionLoad() {
  QFETCH(int, board);
  QFETCH(QByteArray, data);
  QFETCH(int, result);
  QFETCH(QList<unsigned>, codes);
  QFETCH(SectionProbe, probe);
  QFETCH(QVariant, probed);
  ModelFileFixture fx(board);
  QVERIFY(SettingsFixture::Write(ModelFileFixture::Path(), ModelXml(data)));
  VornErrorWatch watch;
  QCOMPARE(fx.Load(), result);
  QCOMPARE(watch.TakeCodes(), QList<unsigned>{0x41500} + codes);
  if (result == KLX_Ok) QCOMPARE(probe(fx.db), probed);
}

// The files of the model folder other than "Glider.xml" that are not a
// save's staged file ("Glider.xml.~vnXXXXXX"), and how many of those there are.
inline QStringList Strangers(int* leftovers) {
  const QRegularExpression temporary(QStringLiteral("^Glider\\.xml\\.~vn[A-Za-z0-9]{6}$"));
  QStringList strangers;
  *leftovers = 0;
  for (const QString& name : QDir(ModelFileFixture::Folder()).entryList(QDir::Files | QDir::Hidden)) {
    if (temporary.match(name).hasMatch())
      ++*leftovers;
    else if (name != QLatin1String("Glider.xml"))
      strangers << name;
  }
  return strangers;
}
