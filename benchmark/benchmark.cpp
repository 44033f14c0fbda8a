// Speed and memory of the configurator, measured in one run:
//
//  - start-up: the eight windows created, the main window shown and every event delivered
//    until none is left; as the floor, the same for a bare window with nothing in it. Both
//    are measured twice: in a fresh process each time, from its launch until it is idle, as
//    a user starts the program; and within this process, where the toolkit is loaded already;
//  - one complete user journey through the real windows, in-process: the enclosure inputs,
//    the select button, each suggested selection window with its create and export, then
//    the text file and the workbook written into a temporary folder;
//  - the peak resident memory of the process.
//
// It prints Google Benchmark's report, then the medians of all timed iterations, the ratios
// start-up / bare window and the peak memory, each against its aim.
//
//   build/tests/aervik_benchmark [--benchmark_repetitions=N] [--benchmark_min_time=S] ...
//
// Without QT_QPA_PLATFORM the program sets it to "offscreen", so that it runs headless.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "balance/aervik.h"
#include "report/save.h"
#include "selection/cool.h"
#include "selection/heat.h"
#include "selection/venti.h"
#include "tests/ui/ui_harness.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// Every timed iteration of every measurement, in milliseconds, by name.
std::map<std::string, std::vector<double>> &Samples() {
  static std::map<std::string, std::vector<double>> samples;
  return samples;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// Delivers posted, window-system and timer events until a pass of the event dispatcher finds
// nothing to do: what the program does after an action before it waits for the user again.
void ProcessUntilIdle() {
  QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
  for (int pass = 0; pass < 1000; ++pass) {
    QCoreApplication::sendPostedEvents();
    if (!dispatcher->processEvents(QEventLoop::AllEvents)) return;
  }
  qFatal("the event queue never ran dry");
}

// Deletes what was left for deletion and settles the queue; not timed.
void Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ProcessUntilIdle();
}

// Runs an action inside the modal loop of a window once it has been shown and has settled, as
// a user acts on a window they can see. The action must close the window; if it does not, the
// window is closed anyway and the journey counts as failed.
class WhenOpened : public QObject {
 public:
  WhenOpened(QWidget *window, std::function<void()> action, bool &failed)
      : QObject(window), window_(window), action_(std::move(action)), failed_(failed) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    if (watched == window_ && event->type() == QEvent::Show) {
      window_->removeEventFilter(this);
      QMetaObject::invokeMethod(
          this,
          [this] {
            ProcessUntilIdle();
            action_();
            if (window_->isVisible()) {
              failed_ = true;
              window_->close();
            }
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget *window_;
  std::function<void()> action_;
  bool &failed_;
};

// Chooses the list item with this text, as the user's choice runs the list's handlers.
void Choose(QComboBox *box, const QString &text) {
  const int index = box->findText(text);
  if (index < 0) qFatal("no item %s in %s", qPrintable(text), qPrintable(box->objectName()));
  box->setCurrentIndex(index);
  emit box->activated(index);
}

void Choose(QComboBox *box, int value) {
  Choose(box, QString::number(value));
}

struct Enclosure {
  const char *height, *width, *depth;
  int material, installation;
  const char *dissipation;
  int ambient_max, ambient_min, humidity, inside_max, inside_min;  // list values
};

// A heater first, a fan second.
const Enclosure kHeaterAndFan{"2000", "800", "600", 0, 0, "500", 35, -5, 50, 40, 10};
// A cooling unit alone.
const Enclosure kCoolingUnit{"2000", "600", "500", 0, 1, "800", 45, 5, 60, 35, 20};

void FillInputs(const Enclosure &e) {
  Gaervik->Edit1->setText(QString::fromLatin1(e.height));
  Gaervik->Edit2->setText(QString::fromLatin1(e.width));
  Gaervik->Edit3->setText(QString::fromLatin1(e.depth));
  Gaervik->box1->setCurrentIndex(e.material);
  emit Gaervik->box1->activated(e.material);
  Gaervik->box2->setCurrentIndex(e.installation);
  emit Gaervik->box2->activated(e.installation);
  Gaervik->Edit4->setText(QString::fromLatin1(e.dissipation));
  Choose(Gaervik->box3, e.ambient_max);
  Choose(Gaervik->box4, e.ambient_min);
  Choose(Gaervik->box5, e.humidity);
  Choose(Gaervik->box6, e.inside_max);
  Choose(Gaervik->box7, e.inside_min);
}

void StartConfigurator() {
  climate::CreateWindows();
  Gaervik->show();
  ProcessUntilIdle();
}

void StopConfigurator() {
  climate::DestroyWindows();
  Settle();
}

// The size of the main window, given to the bare window as well.
QSize &MainWindowSize() {
  static QSize size;
  return size;
}

double BareWindowOnce() {
  const Clock::time_point start = Clock::now();
  auto *window = new QWidget;
  window->resize(MainWindowSize());
  window->show();
  ProcessUntilIdle();
  const double ms = Milliseconds(start, Clock::now());
  delete window;
  Settle();
  return ms;
}

double StartUpOnce() {
  const Clock::time_point start = Clock::now();
  StartConfigurator();
  const double ms = Milliseconds(start, Clock::now());
  StopConfigurator();
  return ms;
}

QtMessageHandler &DefaultMessageHandler() {
  static QtMessageHandler handler = nullptr;
  return handler;
}

bool &QuietChild() {
  static bool quiet = false;
  return quiet;
}

// The fixed-size windows make the headless platform warn at every showing that it cannot pass
// size hints on; that says nothing about the program and would bury the report. A start-up
// child also leaves out the note on its environment, which the parent has shown once.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
  if (QuietChild() && text.contains(QLatin1String("XDG_RUNTIME_DIR"))) return;
  DefaultMessageHandler()(type, context, text);
}

constexpr char kChildOption[] = "--start-up-child=";

// The child process of a fresh start-up: it starts as the program does (the configurator) or
// with one bare window of the main window's size, settles, reports "ready" and ends.
int RunStartUpChild(const char *what, int argc, char **argv) {
  QuietChild() = true;
  DefaultMessageHandler() = qInstallMessageHandler(QuietMessageHandler);
  if (std::strcmp(what, "configurator") == 0) {
    climate::TApplication app(argc, argv);
    StartConfigurator();
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    StopConfigurator();
    return 0;
  }
  int width = 0;
  int height = 0;
  const bool labelled = std::sscanf(what, "labelled:%dx%d", &width, &height) == 2;
  if (!labelled && std::sscanf(what, "bare:%dx%d", &width, &height) != 2) return 2;
  QApplication app(argc, argv);
  QWidget window;
  window.resize(width, height);
  // A window with one line of text pays for the font system, which a bare one never starts.
  QLabel label(labelled ? QStringLiteral("Norda aervik") : QString(), &window);
  label.setVisible(labelled);
  window.show();
  ProcessUntilIdle();
  std::fputs("ready\n", stdout);
  std::fflush(stdout);
  return 0;
}

// Launches this program as a start-up child and returns the milliseconds until it reported
// ready, or a negative value when it failed.
double FreshStartUpOnce(const QString &what) {
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  const Clock::time_point start = Clock::now();
  child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildOption) + what});
  QByteArray said;
  while (!said.contains('\n') && child.waitForReadyRead(30000)) said += child.readAll();
  const double ms = Milliseconds(start, Clock::now());
  child.waitForFinished(30000);
  const bool ok = said.startsWith("ready") && child.exitStatus() == QProcess::NormalExit &&
                  child.exitCode() == 0;
  return ok ? ms : -1;
}

void BM_FreshStartUp(benchmark::State &state, const char *name, QString what) {
  for ([[maybe_unused]] auto _ : state) {
    const double ms = FreshStartUpOnce(what);
    if (ms < 0) {
      state.SkipWithError("the start-up child failed");
      break;
    }
    Samples()[name].push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
}

void BM_BareWindow(benchmark::State &state) {
  for ([[maybe_unused]] auto _ : state) {
    const double ms = BareWindowOnce();
    Samples()["start-up in this process, bare window"].push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
}

void BM_StartUp(benchmark::State &state) {
  for ([[maybe_unused]] auto _ : state) {
    const double ms = StartUpOnce();
    Samples()["start-up in this process, eight windows"].push_back(ms);
    state.SetIterationTime(ms / 1000);
  }
}

// One journey from a freshly started configurator; the phases' times in milliseconds by
// name, or an error text.
struct JourneyResult {
  std::vector<std::pair<std::string, double>> phases;
  double total = 0;
  QString error;
};

enum class Journey { HeaterAndFan, CoolingUnit };

JourneyResult RunJourney(Journey kind, const QTemporaryDir &dir) {
  JourneyResult result;
  testing_ui::MessageRecorder &messages = testing_ui::Messages();
  messages.Clear();
  const QString base = dir.filePath(QStringLiteral("specification"));
  messages.file_names.enqueue(base);  // the text file gets ".txt"
  messages.file_names.enqueue(base);  // the workbook gets ".xlsx"
  bool failed = false;

  Clock::time_point mark = Clock::now();
  const Clock::time_point start = mark;
  auto phase = [&](const char *name) {
    ProcessUntilIdle();
    const Clock::time_point now = Clock::now();
    result.phases.emplace_back(name, Milliseconds(mark, now));
    mark = now;
  };

  if (kind == Journey::HeaterAndFan) {
    FillInputs(kHeaterAndFan);
    Gaervik->Button1->click();
    phase("inputs and select");

    new WhenOpened(
        heat_form,
        [] {
          Choose(heat_form->box1, heat_form->box1->itemText(0));  // constant operation
          heat_form->Button1->click();
          heat_form->Button2->click();
        },
        failed);
    emit Gaervik->name_p1->clicked();
    phase("heater window");

    new WhenOpened(
        vent_form,
        [] {
          Choose(vent_form->Point_sea, vent_form->Point_sea->itemText(0));
          Choose(vent_form->Volt_vent, vent_form->Volt_vent->itemText(0));
          vent_form->Button1->click();
          vent_form->Button2->click();
        },
        failed);
    emit Gaervik->name_p2->clicked();
    phase("fan window");
  } else {
    FillInputs(kCoolingUnit);
    Gaervik->Button1->click();
    phase("inputs and select");

    new WhenOpened(
        cool_form,
        [] {
          Choose(cool_form->Type_cool, cool_form->Type_cool->itemText(0));  // wall
          Choose(cool_form->Volt_cool, cool_form->Volt_cool->itemText(0));
          cool_form->Button1->click();
          cool_form->Button2->click();
        },
        failed);
    emit Gaervik->name_p1->clicked();
    phase("cooling window");
  }

  new WhenOpened(
      save_form, [] { save_form->Button1->click(); }, failed);
  Gaervik->Total_spec->click();
  phase("text file");

  new WhenOpened(
      save_form, [] { save_form->Button2->click(); }, failed);
  Gaervik->Total_spec->click();
  phase("workbook");
  result.total = Milliseconds(start, mark);

  // What the journey should have left behind.
  const bool heater_and_fan = kind == Journey::HeaterAndFan;
  auto written = [](const QString &file) { return QFileInfo(file).size() > 0; };
  if (!messages.errors.empty()) {
    result.error = messages.errors.join(QStringLiteral("; "));
  } else if (!messages.information.empty()) {
    result.error = messages.information.join(QStringLiteral("; "));
  } else if (failed) {
    result.error = QStringLiteral("a window stayed open after its action");
  } else if (heater_and_fan ? Gaervik->balance.heat != 2 || Gaervik->balance.vent != 1
                            : Gaervik->balance.heat != 0 || Gaervik->balance.cooler != 1) {
    result.error = QStringLiteral("the select button did not suggest the expected equipment");
  } else if (heater_and_fan
                 ? heat_form->fields.heat_code.empty() || vent_form->fields.vent_code.empty()
                 : cool_form->fields.cool_code.empty()) {
    result.error = QStringLiteral("a selection found no item");
  } else if (!written(base + QStringLiteral(".txt")) || !written(base + QStringLiteral(".xlsx"))) {
    result.error = QStringLiteral("the text file or the workbook is missing");
  }
  QFile::remove(base + QStringLiteral(".txt"));
  QFile::remove(base + QStringLiteral(".xlsx"));
  return result;
}

// The phases of a journey in their order, as the first run of it recorded them.
std::vector<std::string> &PhaseNames(Journey kind) {
  static std::map<Journey, std::vector<std::string>> names;
  return names[kind];
}

std::string JourneyName(Journey kind) {
  return kind == Journey::HeaterAndFan ? "journey, heater and fan" : "journey, cooling unit";
}

void BM_Journey(benchmark::State &state, Journey kind) {
  QTemporaryDir dir;
  if (!dir.isValid()) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string name = JourneyName(kind);
  for ([[maybe_unused]] auto _ : state) {
    StartConfigurator();
    const JourneyResult result = RunJourney(kind, dir);
    StopConfigurator();
    if (!result.error.isEmpty()) {
      state.SkipWithError(qPrintable(result.error));
      break;
    }
    Samples()[name].push_back(result.total);
    for (const auto &[phase, ms] : result.phases) Samples()[name + " / " + phase].push_back(ms);
    state.SetIterationTime(result.total / 1000);
  }
}

// Peak resident memory (ru_maxrss) of this process, or of the largest child process ended.
double PeakResidentMegabytes(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return static_cast<double>(usage.ru_maxrss) * 1024 / 1e6;  // ru_maxrss is in KiB
}

}  // namespace

int main(int argc, char **argv) {
  if (argc == 2 && std::strncmp(argv[1], kChildOption, std::strlen(kChildOption)) == 0) {
    return RunStartUpChild(argv[1] + std::strlen(kChildOption), argc, argv);
  }
  const bool platform_set = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
  if (!platform_set) qputenv("QT_QPA_PLATFORM", "offscreen");
  DefaultMessageHandler() = qInstallMessageHandler(QuietMessageHandler);

  // Five repetitions reported as aggregates unless the command line says otherwise.
  std::vector<char *> args{argv[0]};
  char repetitions[] = "--benchmark_repetitions=5";
  char aggregates[] = "--benchmark_report_aggregates_only=true";
  args.push_back(repetitions);
  args.push_back(aggregates);
  for (int i = 1; i < argc; ++i) args.push_back(argv[i]);
  int arg_count = static_cast<int>(args.size());
  args.push_back(nullptr);
  benchmark::Initialize(&arg_count, args.data());
  climate::TApplication app(arg_count, args.data());
  if (benchmark::ReportUnrecognizedArguments(arg_count, args.data())) return 1;
  climate::SetMessagePresenter(&testing_ui::Messages());

  std::printf("Qt platform \"%s\"%s\n", qPrintable(QGuiApplication::platformName()),
              platform_set ? " (from QT_QPA_PLATFORM)"
                           : " (QT_QPA_PLATFORM was not set: the program set it to offscreen)");

  // The first showing in this process pays for loading fonts, the style and the artwork; it
  // is reported on its own and kept out of the medians.
  MainWindowSize() = QSize(674, 488);  // the client area, until the whole window is known
  const double first_bare = BareWindowOnce();
  const Clock::time_point first = Clock::now();
  StartConfigurator();
  const double first_start = Milliseconds(first, Clock::now());
  MainWindowSize() = Gaervik->size();
  const bool exposed = Gaervik->windowHandle() && Gaervik->windowHandle()->isExposed();
  StopConfigurator();
  if (!exposed) qFatal("the main window was not exposed after start-up");
  {
    QTemporaryDir dir;
    for (Journey kind : {Journey::HeaterAndFan, Journey::CoolingUnit}) {
      StartConfigurator();
      const JourneyResult result = RunJourney(kind, dir);
      StopConfigurator();
      if (!result.error.isEmpty()) {
        qFatal("%s failed: %s", JourneyName(kind).c_str(), qPrintable(result.error));
      }
      for (const auto &phase : result.phases) PhaseNames(kind).push_back(phase.first);
    }
  }

  auto configure = [](benchmark::internal::Benchmark *b) {
    b->UseManualTime()->Unit(benchmark::kMillisecond);
  };
  const QString bare =
      QStringLiteral("bare:%1x%2").arg(MainWindowSize().width()).arg(MainWindowSize().height());
  configure(benchmark::RegisterBenchmark("fresh_process/bare_window", BM_FreshStartUp,
                                         "start-up in a fresh process, bare window", bare));
  const QString labelled =
      QStringLiteral("labelled:%1x%2").arg(MainWindowSize().width()).arg(MainWindowSize().height());
  configure(benchmark::RegisterBenchmark("fresh_process/window_with_a_label", BM_FreshStartUp,
                                         "start-up in a fresh process, window with a label",
                                         labelled));
  configure(benchmark::RegisterBenchmark("fresh_process/configurator", BM_FreshStartUp,
                                         "start-up in a fresh process, configurator",
                                         QStringLiteral("configurator")));
  configure(benchmark::RegisterBenchmark("this_process/bare_window", BM_BareWindow));
  configure(benchmark::RegisterBenchmark("this_process/eight_windows", BM_StartUp));
  configure(
      benchmark::RegisterBenchmark("journey/heater_and_fan", BM_Journey, Journey::HeaterAndFan));
  configure(benchmark::RegisterBenchmark("journey/cooling_unit", BM_Journey, Journey::CoolingUnit));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  const auto &samples = Samples();
  auto median = [&samples](const std::string &name) {
    auto it = samples.find(name);
    return it == samples.end() ? 0.0 : Median(it->second);
  };
  auto count = [&samples](const std::string &name) {
    auto it = samples.find(name);
    return it == samples.end() ? 0 : static_cast<int>(it->second.size());
  };
  auto print_time = [&](const std::string &name) {
    std::printf("  %-48s %9.2f ms   (%d)\n", name.c_str(), median(name), count(name));
  };
  auto print_ratio = [&](const char *what, const std::string &windows,
                         const std::string &reference) {
    if (count(windows) == 0 || count(reference) == 0) return;
    const double ratio = median(windows) / median(reference);
    std::printf("  %-48s %9.2f x    aim <= 1.5 x   %s\n", what, ratio,
                ratio <= 1.5 ? "met" : "NOT MET");
  };

  std::printf("\nMedians of all timed iterations (their count in brackets), Qt platform %s\n",
              qPrintable(QGuiApplication::platformName()));
  print_time("start-up in a fresh process, bare window");
  print_time("start-up in a fresh process, configurator");
  print_ratio("  configurator / bare window", "start-up in a fresh process, configurator",
              "start-up in a fresh process, bare window");
  print_time("start-up in a fresh process, window with a label");
  if (count("start-up in a fresh process, window with a label") > 0) {
    std::printf("  %-48s %9.2f x    (for comparison; no aim)\n",
                "  configurator / window with a label",
                median("start-up in a fresh process, configurator") /
                    median("start-up in a fresh process, window with a label"));
  }
  print_time("start-up in this process, bare window");
  print_time("start-up in this process, eight windows");
  print_ratio("  eight windows / bare window", "start-up in this process, eight windows",
              "start-up in this process, bare window");
  for (Journey kind : {Journey::HeaterAndFan, Journey::CoolingUnit}) {
    const std::string name = JourneyName(kind);
    if (count(name) == 0) continue;
    const double total = median(name);
    std::printf("  %-48s %9.2f ms   (%d)  aim < 30 ms   %s\n", name.c_str(), total, count(name),
                total < 30 ? "met" : "NOT MET");
    for (const std::string &phase : PhaseNames(kind)) {
      std::printf("      %-44s %9.2f ms\n", phase.c_str(), median(name + " / " + phase));
    }
  }
  const double peak = PeakResidentMegabytes(RUSAGE_SELF);
  std::printf("  %-48s %9.2f MB   aim < 60 MB   %s\n", "peak resident memory of this run", peak,
              peak < 60 ? "met" : "NOT MET");
  std::printf("  %-48s %9.2f MB\n", "  of a fresh configurator, started",
              PeakResidentMegabytes(RUSAGE_CHILDREN));
  std::printf(
      "First showing in this process, not in the medians: bare window %.2f ms, eight "
      "windows %.2f ms\n",
      first_bare, first_start);
  return 0;
}
