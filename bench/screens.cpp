// How long the frame's screens take to appear: from the touch key or the
// touch that asks for a screen to the first frame that shows it, with Qt
// Quick's software renderer, on a virtual display of its own (Xvfb).
// Each case starts from the screen before it (not timed); "first_ms" is the
// case's first iteration, when the screen's QML is compiled. The model
// screens open on a full model of the larger board (every element in use):
// each should show within one frame (16 ms) after its first opening.
#include <benchmark/benchmark.h>

#include <QQuickWindow>
#include <QSGRendererInterface>

#include <functional>

#include "full_model.h"
#include "model_screens.h"
#include "qml_frame_fixture.h"

using namespace qmlframe;

namespace {
QGuiTouchHandlerApplication* g_app = nullptr;
std::unique_ptr<QmlFrame> g_frame;

QmlFrame& Frame() { return SharedFrame(g_app, g_frame); }

// Spins the event loop until the condition holds (at most 5 s).
bool Until(const std::function<bool()>& done) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

// Seconds from the action to the first frame on which `shown` holds.
double TimeToFrame(QmlFrame& f, const std::function<void()>& action, const std::function<bool()>& shown) {
  QElapsedTimer t;
  qint64 at = -1;
  const auto connection = QObject::connect(f.Window(), &QQuickWindow::frameSwapped, [&] {
    if (at < 0 && shown()) at = t.nsecsElapsed();
  });
  t.start();
  action();
  f.Window()->update();
  Until([&] { return at >= 0; });
  QObject::disconnect(connection);
  return at < 0 ? 5.0 : at / 1e9;
}

// Back to the home screen with the strip closed, and quiet.
void Home(QmlFrame& f) {
  if (f.Popup()) QMetaObject::invokeMethod(f.Popup(), "kill");
  if (f.Shown() != kHome) f.Key(KLX_DatabaseValues::EventHome);
  Until([&] { return f.Shown() == kHome && !f.Popup(); });
  f.Call("upperFrame", "close");
  f.WaitStripClosed();
  QTest::qWait(20);
}
void MainMenu(QmlFrame& f) {
  Home(f);
  f.OpenStrip();
  f.Tap("stripMainMenu");
  Until([&] { return f.Shown() == kMainMenu && f.StripClosed(); });
  QTest::qWait(20);
}

// Runs one case: prepare (not timed), then the timed step.
void Measure(benchmark::State& state, const std::function<void(QmlFrame&)>& prepare,
             const std::function<void(QmlFrame&)>& step, const std::function<bool(QmlFrame&)>& shown) {
  QmlFrame& f = Frame();
  bool first = true;
  for (auto _ : state) {
    prepare(f);
    const double seconds = TimeToFrame(f, [&] { step(f); }, [&] { return shown(f); });
    state.SetIterationTime(seconds);
    if (first) state.counters["first_ms"] = seconds * 1000;
    first = false;
  }
}

void BM_UserMenu_Key100(benchmark::State& state) {
  Measure(state, Home, [](QmlFrame& f) { f.Key(KLX_DatabaseValues::EventSettings); },
          [](QmlFrame& f) { return f.Shown() == kUserMenu; });
}
void BM_MainMenu_StripTouch(benchmark::State& state) {
  Measure(state,
          [](QmlFrame& f) {
            Home(f);
            f.OpenStrip();
            QTest::qWait(20);
          },
          [](QmlFrame& f) { f.Tap("stripMainMenu"); },
          [](QmlFrame& f) { return f.Shown() == kMainMenu; });
}
void BM_ModelMenu_GridTouch(benchmark::State& state) {
  Measure(state, MainMenu, [](QmlFrame& f) { f.Tap("menuButton_8"); },
          [](QmlFrame& f) { return f.Shown() == kModelMenu; });
}
void BM_SettingsMenu_GridTouch(benchmark::State& state) {
  Measure(state,
          [](QmlFrame& f) {
            MainMenu(f);
            QObject* grid = f.Named("menuGrid");
            grid->setProperty("contentY", grid->property("contentHeight").toReal() - grid->property("height").toReal());
            QTest::qWait(20);
          },
          [](QmlFrame& f) { f.Tap("menuButton_21"); }, [](QmlFrame& f) { return f.Shown() == kSettingsMenu; });
}
void BM_MainMenu_BackKey(benchmark::State& state) {
  Measure(state,
          [](QmlFrame& f) {
            MainMenu(f);
            f.Tap("menuButton_8");
            Until([&] { return f.Shown() == kModelMenu; });
          },
          [](QmlFrame& f) { f.Key(KLX_DatabaseValues::EventLeft); },
          [](QmlFrame& f) { return f.Shown() == kMainMenu; });
}
void BM_Home_HomeKey(benchmark::State& state) {
  Measure(state, MainMenu, [](QmlFrame& f) { f.Key(KLX_DatabaseValues::EventHome); },
          [](QmlFrame& f) { return f.Shown() == kHome; });
}
const QString kFolder = QStringLiteral("qrc:/Frontend/QML/");

// The servo monitor from its touch key, on the model as it stands.
void BM_ServoMonitor_Key150(benchmark::State& state) {
  Measure(state, Home, [](QmlFrame& f) { f.Key(KLX_DatabaseValues::EventServo); },
          [](QmlFrame& f) { return f.Shown() == kFolder + "7.qml"; });
}

// The full model, once, before the first case that needs it.
QmlFrame& FullModel() {
  static bool built = false;
  QmlFrame& f = Frame();
  if (!built) {
    built = true;
    KLX_TestBuildFullModel(&f.Db(), 1);
    Home(f);
  }
  return f;
}
// A model screen opened from the home screen as its menu entry opens it.
void ModelScreen(benchmark::State& state, const QString& file, const QVariantMap& args) {
  FullModel();
  const QString url = kFolder + file;
  Measure(state, Home, [&](QmlFrame& f) { f.Call("", "openScreen", {url, args}); },
          [&](QmlFrame& f) { return f.Shown() == url; });
}
// From the finger's lift at the end of a swipe down to the strip's first
// frame on its way.
void BM_Strip_Swipe(benchmark::State& state) {
  Measure(state,
          [](QmlFrame& f) {
            Home(f);
            QTest::touchEvent(f.Window(), QmlFrame::Device()).press(0, QPoint(240, 8), f.Window());
            QTest::touchEvent(f.Window(), QmlFrame::Device()).move(0, QPoint(240, 60), f.Window());
            QTest::touchEvent(f.Window(), QmlFrame::Device()).move(0, QPoint(240, 120), f.Window());
          },
          [](QmlFrame& f) { QTest::touchEvent(f.Window(), QmlFrame::Device()).release(0, QPoint(240, 120), f.Window()); },
          [](QmlFrame& f) { return f.Property("upperFrame", "isOpen").toBool(); });
}
void BM_SwitchOff_PowerButton(benchmark::State& state) {
  Measure(state,
          [](QmlFrame& f) {
            if (f.Shown() == kOutro) emit f.System().onGuiClearGoDown();
            Home(f);
          },
          [](QmlFrame& f) { emit f.System().onGuiReadyToGoDown(); },
          [](QmlFrame& f) { return f.Shown() == kOutro; });
  emit Frame().System().onGuiClearGoDown();
}
void BM_Keyboard_OverAScreen(benchmark::State& state) {
  QQuickItem* keyboard = nullptr;
  Measure(state,
          [&](QmlFrame& f) {
            delete keyboard;
            keyboard = nullptr;
            Home(f);
          },
          [&](QmlFrame& f) { keyboard = f.Create("import QtQuick 2.15\nKeyboard { extended: true }"); },
          [&](QmlFrame&) { return keyboard != nullptr && keyboard->isVisible(); });
  delete keyboard;
}

#define SCREEN(fn) BENCHMARK(fn)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15)
SCREEN(BM_UserMenu_Key100);
SCREEN(BM_MainMenu_StripTouch);
SCREEN(BM_ModelMenu_GridTouch);
SCREEN(BM_SettingsMenu_GridTouch);
SCREEN(BM_MainMenu_BackKey);
SCREEN(BM_Home_HomeKey);
SCREEN(BM_ServoMonitor_Key150);
SCREEN(BM_Strip_Swipe);
SCREEN(BM_SwitchOff_PowerButton);
SCREEN(BM_Keyboard_OverAScreen);
// Every model screen on the full model.
void RegisterModelScreens() {
  QList<QPair<QString, QVariantMap>> screens = {
      {"4_0.qml", {}},
      {"5.qml", {{"functionId", 0}}},
      {"22.qml", {{"functionId", 0}}},
      {"27_FunctionServos.qml", {{"functionId", 0}, {"functionLabel", "Fn0"}}},
      {"29.qml", {{"parentId", "trim"}, {"functionId", 0}, {"initialControlId", KLX_VornTask::CONTROLID_RE_TRB_GUI}}},
      {"26.qml", {}},
      {"7.qml", {}},
      {"ServoCurveSettings.qml", {{"funcId", 0}, {"servoId", 0}, {"mixerId", 0}}},
      {"CutoffSettings.qml", {}},
      {"DifferentialsList.qml", {}},
      {"FuncDiffSettings.qml", {{"functionId", 0}}},
      {"TutorPupilSettings.qml", {}},
      {"18.qml", {}},
  };
  // The mixer curve editor may make a curve through the transceiver first.
  for (const auto& screen : MixerScreens(27))
    if (screen.first != "33_MixerCurveEditor.qml") screens.append(screen);
  for (const auto& screen : screens) {
    const QString name = "BM_FullModel_" + QString(screen.first).remove(".qml");
    benchmark::RegisterBenchmark(qPrintable(name), [screen](benchmark::State& state) {
      ModelScreen(state, screen.first, screen.second);
    })->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);
  }
}
}  // namespace

int main(int argc, char** argv) {
  // The board draws without a graphics processor's help: so does this run.
  QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
  OwnDisplay();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
  qputenv("QT_LOGGING_RULES", "*.debug=false;*.info=false");
  QGuiTouchHandlerApplication app(argc, argv);
  g_app = &app;
  RegisterModelScreens();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  g_frame.reset();
  return 0;
}
