// What a telemetry page costs the GUI thread: the home screen showing the
// fullest page (20 widgets of every kind, its 13 value widgets on sensor
// values that change with every poll of the sensors, 100 ms), with Qt
// Quick's software renderer on a virtual display of its own (Xvfb).
//
// The GUI thread's busy time per second is the CPU time the thread used
// (it polls, lays out and renders; the rest of the time it waits in its
// event loop): "busy_ms_per_s", also the reported time. The floor is the
// same page with the sensor values held still, measured in the same run.
// Pages of 20 widgets of one kind, with their values changing, name the
// widget that costs most; their floor is an empty page. Frames overlap where
// 20 do not fit; the timers and servos are still (no model runs them).
#include <benchmark/benchmark.h>

#include <QQuickWindow>
#include <QSGRendererInterface>

#include <time.h>

#include "qml_telemetry/telemetry_pages.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
std::unique_ptr<QmlFrame> g_frame;

constexpr int kFirstSensor = 20;
constexpr int kSensors = 4;
constexpr int kValues = 8;
constexpr int kWidgets = 20;
constexpr int kSmall = KLX_DatabaseValues::TELEGUISIZE_Small;
constexpr int kMedium = KLX_DatabaseValues::TELEGUISIZE_Medium;
constexpr int kHuge = KLX_DatabaseValues::TELEGUISIZE_Huge;
constexpr int kMeasureMs = 2000;

// The pages: the full one, one kind on each of the next six, an empty one.
enum Page { FullPage, Values, Timers, Servos, Links, Notes, Images, Empty };

void Sensors(CSimSensors& s) {
  for (int n = 0; n < kSensors; ++n) {
    const int address = kFirstSensor + n;
    s.Add(address, QByteArray("Sensor") + QByteArray::number(n));
    for (int v = 0; v < kValues; ++v) {
      s.Describe(address, v, QByteArray("Value") + QByteArray::number(v), "V", v % 3);
      s.SetValue(address, v, 1000 + 100 * v);
    }
  }
}
// Every value moves by 1 or more with each poll of the sensors, or holds still.
void Move(CSimSensors& s, bool moving) {
  for (int n = 0; n < kSensors; ++n)
    for (int v = 0; v < kValues; ++v) s.Ramp(kFirstSensor + n, v, moving ? 10 * (v + 1) : 0, 30000);
}

// Positions of 20 frames: the twelve cells, then the gaps between them.
QPoint Spot(int i) {
  static const int xs[] = {5, 110, 265, 370};
  static const int ys[] = {20, 85, 150};
  if (i < 12) return QPoint(xs[i % 4], ys[i / 4]);
  return QPoint(57 + 105 * ((i - 12) % 4), 52 + 65 * ((i - 12) / 4));
}

void Place(KLX_DataBaseManager& db) {
  db.KLX_DataBaseManagerTimerGetSet_IsUsed(0, 1, AtomicDirSet);
  db.KLX_DataBaseManagerTimerGetSet_Name(0, "Flight", AtomicDirSet);
  // The full page: a huge value, two medium ones, ten small ones on the
  // sensors' values, two timers, two servos, a link, notes, the model image.
  int value = 0;
  auto nextValue = [&](int page, QPoint at, int size) {
    AddValueWidget(db, page, at.x(), at.y(), size, kFirstSensor + value / kValues % kSensors, value % kValues);
    ++value;
  };
  nextValue(FullPage, Spot(0), kHuge);
  nextValue(FullPage, Spot(8), kMedium);
  nextValue(FullPage, Spot(10), kMedium);
  for (int i = 0; i < 10; ++i) nextValue(FullPage, Spot(12 + i % 8), kSmall);
  db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(FullPage, 265, 20, kSmall, 0);
  db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(FullPage, 370, 20, kSmall, 0);
  db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(FullPage, 265, 85, kSmall, 0);
  db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(FullPage, 370, 85, kSmall, 1);
  db.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(FullPage, 265, 150, kSmall, "2", "");
  db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(FullPage, 370, 150, kSmall, "");
  db.KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(FullPage, 5, 85);
  // One kind on each page.
  value = 0;
  for (int i = 0; i < kWidgets; ++i) {
    const QPoint at = Spot(i);
    nextValue(Values, at, kSmall);
    db.KLX_DataBaseManagerGUITelemetrieCreateNewTimerWidgetOnPage(Timers, at.x(), at.y(), kSmall, 0);
    db.KLX_DataBaseManagerGUITelemetrieCreateNewServoWidgetOnPage(Servos, at.x(), at.y(), kSmall, i % 8);
    db.KLX_DataBaseManagerGUITelemetrieCreateNewLinkWidgetOnPage(Links, at.x(), at.y(), kSmall, QString::number(1 + i % 12), "");
    const int notes = db.KLX_DataBaseManagerGUITelemetrieCreateNewMInfoWidgetOnPage(Notes, at.x(), at.y(), kSmall, "");
    db.KLX_DataBaseManagerGUITelemetrieGetSet_Element_LabelText(Notes, notes, "Fuel up before the flight", AtomicDirSet);
    db.KLX_DataBaseManagerGUITelemetrieCreateNewModelImageOnPage(Images, at.x() / 2, at.y() / 2);
  }
  db.KLX_DataBaseManagerGUITelemetrieGetSet_PageIsUsed(Empty, KLX_True, AtomicDirSet);
}

QmlFrame& Frame() {
  if (!g_frame) {
    g_frame.reset(new QmlFrame(g_app));
    SharedFrameHolder() = &g_frame;
    if (!StartWithWidgets(*g_frame, Sensors, Place)) qFatal("the home screen with the pages did not start");
  }
  return *g_frame;
}

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The page shown with all its frames made, and its values moving or not.
void Show(QmlFrame& f, Page page, bool moving) {
  Move(f.Controllers().Sensors(), moving);
  if (f.Property("home", "position").toInt() != page) {
    f.Call("home", "showPage", {int(page)});
    const int frames = f.Db().KLX_DataBaseManagerGUITelemetrieGetNumberTelemetieElementsInUse(page);
    if (!QTest::qWaitFor([&] { return f.Property("home", "widgets").toList().size() == frames; }, 5000))
      qFatal("the page's frames were not made");
  }
  // The values taken up and the first frames drawn.
  QTest::qWait(500);
}

void Measure(benchmark::State& state, Page page, bool moving) {
  QmlFrame& f = Frame();
  Show(f, page, moving);
  double total = 0;
  int runs = 0;
  for (auto _ : state) {
    QElapsedTimer wall;
    const double cpu0 = ThreadCpuMs();
    wall.start();
    while (wall.elapsed() < kMeasureMs) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double busyMs = (ThreadCpuMs() - cpu0) / (wall.nsecsElapsed() / 1e9);
    state.SetIterationTime(busyMs / 1000);
    total += busyMs;
    ++runs;
  }
  state.counters["busy_ms_per_s"] = total / runs;
  state.counters["frames"] = f.Property("home", "widgets").toList().size();
}

#define PAGE(name, page, moving)                                                                    \
  void name(benchmark::State& state) { Measure(state, page, moving); }                                \
  BENCHMARK(name)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3)
// The fullest page against its floor.
PAGE(BM_FullPage_Still, FullPage, false);
PAGE(BM_FullPage_Moving, FullPage, true);
// Twenty of one kind against an empty page.
PAGE(BM_EmptyPage, Empty, true);
PAGE(BM_Values20_Moving, Values, true);
PAGE(BM_Timers20, Timers, true);
PAGE(BM_Servos20, Servos, true);
PAGE(BM_QuickLinks20, Links, true);
PAGE(BM_Notes20, Notes, true);
PAGE(BM_ModelImages20, Images, true);
}  // namespace

int main(int argc, char** argv) {
  QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
  OwnDisplay();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  qputenv("QT_LOGGING_RULES", "*.debug=false;*.info=false");
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  g_frame.reset();
  return 0;
}
