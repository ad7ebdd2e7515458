// Saving and loading a full model of the larger board (every element in use,
// every section filled)
// against floors measured in the same run: the save against writing and
// syncing the same bytes, the load against tokenising the same file with
// QXmlStreamReader alone. Each benchmark reports its floor and the ratio.
// Where the rest goes is broken out: the text per section (the costliest
// named in the label, all of them printed), the MD5 check value (a counter
// of the save), the same text through QXmlStreamWriter (a benchmark of its own) and
// the model reset before a load (a counter of the load). The syncs of a save
// are counted: one of the data, one of the folder after the rename.
// The save is the file handler's, as the saver makes it (the card and its
// room checked, then the file written), on a desktop card of its own size
// as the program's, once empty and once beside a full card's files
// (`card_files`): the card's room must not cost more on a full card.
// Each save changes one value first (`change`): the run-time counter in the
// first section, a trim near the end (the file is then made late, when the
// card is found to differ), or nothing, the save of a switch-off where
// nobody changed the model, which compares and writes nothing.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

#include "frame/klx_board.h"
#include "frame/klx_filecalls.h"
#include "frame/klx_filenamehandler.h"
#include "frame/klx_languagehandler.h"
#include "frame/klx_xmlfilehandler.h"
#include "frame/klx_xmlsafefile.h"
#include "bench_card.h"
#include "full_model.h"
#include "link/klx_protocol.h"
#include "model/engine/kl_engine.h"
#include "platform/klx_platform.h"
#include "tasks/klx_runtimedatabasemanager.h"
#include "tasks/klx_vornhandler.h"

namespace {

struct Model {
  QTemporaryDir root{QDir::currentPath() + "/model-file-bench-XXXXXX"};
  KLX_Protocol protocol;
  KLX_VornHandler vorn;
  KLX_RuntimeDatabaseManager runtime;
  KLX_DataBaseManager db;
  QString folder;
  QString path;
  bool up = false;

  Model() {
    // The facade's progress lines would time the terminal, not the file.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type != QtDebugMsg && type != QtInfoMsg) fprintf(stderr, "%s\n", qPrintable(text));
    });
    KLX_Platform::SetRoot(root.path());
    kl_engine_init_parameters(KL_BOARD_VORN);
    Board::Init(E_BoardVorn);
    protocol.KLX_ProtocolInitializeWithoutBus();
    if (db.KLX_DataBaseManagerInitialize(&protocol, &vorn, &KLXlanguageHandler, &runtime) != KLX_Ok) return;
    folder = KLX_FileNameHandler().KLX_FileNameHandlerGetModelFilePath(1, QString(), false);
    path = folder + "Glider.xml";
    QDir().mkpath(folder);
    KLX_TestBuildFullModel(&db, 1);
    up = File().KLX_XMLModelWriteModelFile(path, "Glider") == KLX_Ok;
  }
  KLX_XMLFileHandler& Handler() { return *db.KLX_DataBaseManagerXMLFileHandlerPtr(); }
  KLX_XMLModel& File() { return Handler().Model(); }
  QByteArray Text() const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

Model& TheModel() {
  static Model model;
  return model;
}

// The system's file calls, counting the syncs.
struct CountingCalls : KLX_FileCalls {
  int dataSyncs = 0;
  int folderSyncs = 0;
  double syncSeconds = 0, renameSeconds = 0, folderSeconds = 0, createSeconds = 0;
  template <typename Call>
  static auto Timed(double* sum, Call call) {
    QElapsedTimer t;
    t.start();
    const auto result = call();
    *sum += static_cast<double>(t.nsecsElapsed()) / 1e9;
    return result;
  }
  int Create(const QString& path) override {
    return Timed(&createSeconds, [&] { return KLX_FileCalls::Create(path); });
  }
  bool SyncData(int fd) override {
    ++dataSyncs;
    return Timed(&syncSeconds, [&] { return KLX_FileCalls::SyncData(fd); });
  }
  bool Rename(const QString& from, const QString& to) override {
    return Timed(&renameSeconds, [&] { return KLX_FileCalls::Rename(from, to); });
  }
  bool SyncFolder(const QString& folder) override {
    ++folderSyncs;
    return Timed(&folderSeconds, [&] { return KLX_FileCalls::SyncFolder(folder); });
  }
};

double Seconds(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e9; }

// The floor of a save: the same bytes written to a new file in the same
// folder and synced. The file of the last round goes before the clock
// starts: truncating it would free its blocks inside the clock, which a
// save (writing a new file, renamed over the old one) never waits for.
double WriteAndSync(const QString& path, const QByteArray& bytes) {
  ::unlink(QFile::encodeName(path).constData());
  QElapsedTimer t;
  t.start();
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  qint64 done = 0;
  while (fd >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n <= 0) break;
    done += n;
  }
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
  return Seconds(t);
}

// The floor of a load: the file read and tokenised, nothing converted.
double Tokenise(const QString& path) {
  QElapsedTimer t;
  t.start();
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return 0;
  QXmlStreamReader r(f.readAll());
  qint64 tokens = 0;
  while (!r.atEnd()) {
    r.readNext();
    ++tokens;
  }
  benchmark::DoNotOptimize(tokens);
  return Seconds(t);
}

// Where the text of a save takes its time: seconds per element of the
// file ("NAME" the start of the document), summed over the saves.
struct SectionTimes {
  QVector<QPair<QString, double>> seconds;
  void Add(QLatin1String element, qint64 nanoseconds) {
    const double took = static_cast<double>(nanoseconds) / 1e9;
    for (auto& s : seconds)
      if (s.first == element) {
        s.second += took;
        return;
      }
    seconds.append({QString(element), took});
  }
  double Text() const {
    double all = 0;
    for (const auto& s : seconds) all += s.second;
    return all;
  }
  QPair<QString, double> Costliest() const {
    QPair<QString, double> top;
    for (const auto& s : seconds)
      if (s.second > top.second) top = s;
    return top;
  }
  // The breakdown, costliest first, once per run of the benchmark.
  void Print(double saves) const {
    auto sorted = seconds;
    std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    fprintf(stderr, "model file text per section (ms a save):");
    for (const auto& s : sorted) fprintf(stderr, " %s %.3f", qPrintable(s.first), s.second / saves * 1e3);
    fprintf(stderr, "\n");
  }
};

enum Change { ChangeNothing, ChangeFirstSection, ChangeTrim };

// A value changed before a save, different at each one.
void ChangeModel(Model& m, int change, int n) {
  if (change == ChangeFirstSection) m.db.KLX_DataBaseManagerRuntimeGetSet_Runtime(n % 2 ? 11 : 12, AtomicDirSet);
  if (change == ChangeTrim) m.db.KLX_DataBaseManagerTrimGetSetTrimValue(0, 0, n % 2 ? 5 : 6, AtomicDirSet, false);
}

void BM_SaveFullModel(benchmark::State& state) {
  Model& m = TheModel();
  if (!m.up) {
    state.SkipWithError("model not saved");
    return;
  }
  if (!BenchMakeCard(m.root.path()) || !BenchFillCard(m.root.path() + "/Vorn", int(state.range(0)))) {
    state.SkipWithError("the card could not be filled");
    return;
  }
  const QByteArray text = m.Text();
  const QString floorPath = m.folder + "floor.xml";
  double save = 0, floor = 0, md5 = 0;
  CountingCalls calls;
  KLX_FileCalls::Set(&calls);
  SectionTimes sections;
  m.File().KLX_XMLModelSetWriteHook(
      [&sections](QLatin1String element, qint64 nanoseconds) { sections.Add(element, nanoseconds); });
  int round = 0;
  for (auto _ : state) {
    ChangeModel(m, int(state.range(1)), ++round);
    QElapsedTimer t;
    t.start();
    if (m.Handler().KLX_XMLFileHandlerWriteModelFile("Glider.xml", "Glider", 1, QString()) != KLX_Ok) {
      KLX_FileCalls::Set(nullptr);
      state.SkipWithError("save failed");
      return;
    }
    const double took = Seconds(t);
    state.SetIterationTime(took);
    save += took;
    // The replaced file's blocks are freed after the save reports; the
    // floor is timed on a card that is done with them.
    while (KLX_XMLSafeFile::Releasing() > 0) QThread::usleep(100);
    floor += WriteAndSync(floorPath, text);
    t.restart();
    benchmark::DoNotOptimize(QCryptographicHash::hash(text, QCryptographicHash::Md5));
    md5 += Seconds(t);
  }
  KLX_FileCalls::Set(nullptr);
  m.File().KLX_XMLModelSetWriteHook(nullptr);
  const double n = static_cast<double>(state.iterations());
  const auto costliest = sections.Costliest();
  state.SetLabel(("costliest section " + costliest.first).toStdString());
  state.counters["costliest_ms"] = costliest.second / n * 1e3;
  state.counters["text_ms"] = sections.Text() / n * 1e3;
  sections.Print(n);
  state.counters["data_syncs"] = calls.dataSyncs / n;
  state.counters["create_ms"] = calls.createSeconds / n * 1e3;
  state.counters["sync_ms"] = calls.syncSeconds / n * 1e3;
  state.counters["rename_ms"] = calls.renameSeconds / n * 1e3;
  state.counters["folder_sync_ms"] = calls.folderSeconds / n * 1e3;
  state.counters["folder_syncs"] = calls.folderSyncs / n;
  state.counters["bytes"] = text.size();
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = save / floor;
  state.counters["md5_ms"] = md5 / n * 1e3;
  state.SetBytesProcessed(state.iterations() * text.size());
}

// The same elements through QXmlStreamWriter: what the text would cost
// with the stream writer instead of the model file's own text writer.
void BM_StreamWriterText(benchmark::State& state) {
  Model& m = TheModel();
  struct Token {
    QXmlStreamReader::TokenType type;
    QString text;
  };
  QVector<Token> tokens;
  QXmlStreamReader r(m.Text());
  while (!r.atEnd()) {
    const QXmlStreamReader::TokenType type = r.readNext();
    if (type == QXmlStreamReader::StartElement) tokens.append({type, r.name().toString()});
    if (type == QXmlStreamReader::Characters && !r.isWhitespace()) tokens.append({type, r.text().toString()});
    if (type == QXmlStreamReader::EndElement) tokens.append({type, QString()});
  }
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter w(&buffer);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    for (const Token& token : tokens) {
      if (token.type == QXmlStreamReader::StartElement) w.writeStartElement(token.text);
      if (token.type == QXmlStreamReader::Characters) w.writeCharacters(token.text);
      if (token.type == QXmlStreamReader::EndElement) w.writeEndElement();
    }
    w.writeEndDocument();
    state.SetIterationTime(Seconds(t));
    benchmark::DoNotOptimize(out);
  }
}

void BM_LoadFullModel(benchmark::State& state) {
  Model& m = TheModel();
  if (!m.up) {
    state.SkipWithError("model not saved");
    return;
  }
  double load = 0, floor = 0, reset = 0;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    if (m.File().KLX_XMLModelReadModelFile(m.path, "Glider") != KLX_Ok) {
      state.SkipWithError("load failed");
      return;
    }
    const double took = Seconds(t);
    state.SetIterationTime(took);
    load += took;
    floor += Tokenise(m.path);
    t.restart();
    m.db.KLX_DataBaseManagerResetAllModelData();
    reset += Seconds(t);
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["floor_ms"] = floor / n * 1e3;
  state.counters["ratio"] = load / floor;
  state.counters["reset_ms"] = reset / n * 1e3;
}

BENCHMARK(BM_SaveFullModel)
    ->ArgNames({"card_files", "change"})
    ->Args({0, ChangeFirstSection})
    ->Args({0, ChangeTrim})
    ->Args({0, ChangeNothing})
    ->Args({kFullCardFiles, ChangeTrim})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK(BM_StreamWriterText)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_LoadFullModel)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
