// Runs the benchmarks, then measures the program as a host program starts
// it, on a survey of 1,000 items: --print-pdf and --dump-layout, CPU time,
// wall time and peak memory of the whole process. Where LibreOffice Writer
// is installed (Debian's libreoffice-writer-nogui), it converts one page of
// the same text to PDF in the same run as a yardstick. Then the start-up as
// a person sees it: from starting the window on the large sample to the
// window on the screen with its first page drawn, against mupdf opening the
// sample's PDF, on an X server of the bench's own. The last lines sum up
// every figure: a ratio where there is a yardstick, a time otherwise.
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/thousand_items.h"
#include "startup_timer.h"

namespace {

namespace fs = std::filesystem;

// CPU seconds of one iteration of each benchmark, by name without arguments.
class TimeReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.iterations == 0 || run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      cpu[name.substr(0, name.find('/'))] = run.cpu_accumulated_time / double(run.iterations);
    }
  }
  std::optional<double> Cpu(const std::string& name) const {
    const auto it = cpu.find(name);
    return it == cpu.end() ? std::nullopt : std::optional<double>(it->second);
  }
  std::map<std::string, double> cpu;
};

struct ProcessCost {
  bool ok = false;
  double cpu = 0, wall = 0;  // seconds
  double peakMb = 0;
  std::string out;  // standard output
};

// One run of command, standard output to a file, standard error dropped.
ProcessCost RunOnce(const std::vector<std::string>& command, const fs::path& work) {
  ProcessCost cost;
  const fs::path outPath = work / "stdout";
  std::vector<std::string> args = command;
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (!freopen(outPath.c_str(), "w", stdout) || !freopen("/dev/null", "w", stderr) ||
        !freopen("/dev/null", "r", stdin))
      _exit(126);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return cost;
  cost.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  cost.cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  cost.peakMb = usage.ru_maxrss / 1024.0;
  cost.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  std::ifstream in(outPath, std::ios::binary);
  cost.out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return cost;
}

// The median of each figure over several runs (the machine may be shared).
ProcessCost Median(const std::vector<std::string>& command, const fs::path& work, int runs) {
  std::vector<ProcessCost> costs;
  for (int i = 0; i < runs; ++i) {
    ProcessCost c = RunOnce(command, work);
    if (!c.ok) return c;
    costs.push_back(std::move(c));
  }
  const auto median = [&](auto field) {
    std::vector<double> v;
    for (const ProcessCost& c : costs) v.push_back(c.*field);
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  ProcessCost m = costs.front();
  m.cpu = median(&ProcessCost::cpu);
  m.wall = median(&ProcessCost::wall);
  m.peakMb = median(&ProcessCost::peakMb);
  return m;
}

std::optional<fs::path> OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  for (std::size_t from = 0; from <= dirs.size();) {
    const std::size_t to = std::min(dirs.find(':', from), dirs.size());
    const fs::path candidate = fs::path(dirs.substr(from, to - from)) / name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    from = to + 1;
  }
  return std::nullopt;
}

// The text of the special notes on page 1, one line a line, tab marks as
// tabs: what a word processor gets as its one page.
std::string FirstPageText(const std::string& dump) {
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(dump)).object();
  const QJsonArray lines = root["boxes"].toArray().at(2).toObject()["lines"].toArray();
  QString text;
  for (int i = 0; i < lines.size() && i < 44; ++i)
    text += lines.at(i).toString().replace(QChar(0x03C4), QChar('\t')) + "\n";
  return text.toStdString();
}

class WorkDir {
 public:
  WorkDir() {
    std::random_device rd;
    path_ = fs::temp_directory_path() / ("mirelo-bench-" + std::to_string(rd()));
    fs::create_directories(path_);
  }
  ~WorkDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

struct StartUpFigures {
  std::optional<double> mirelo, mupdf;  // median seconds
  std::optional<double> bareWindow;     // a window with nothing of the form
  std::string problem;
};

double MedianOf(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Both programs alternately, so that a busy spell of the machine falls on
// both alike.
StartUpFigures MeasureStartUp(const fs::path& work, const std::string& exe) {
  constexpr int kRuns = 7;
  StartUpFigures figures;
  const std::optional<fs::path> mupdf = OnPath("mupdf");
  if (!mupdf) figures.problem = "mupdf is not installed";
  // The sample where a host program keeps it, with its overview folder, so
  // that no notice waits for a click; the settings as a first start has them.
  const fs::path samples = work / "startup";
  fs::create_directories(samples / "Gaikyo");
  const fs::path data = samples / "large-survey.txt";
  fs::copy_file(fs::path(MIRELO_SOURCE_DIR) / "samples" / "large-survey.txt", data);
  const fs::path ini = samples / "control.ini", pdf = samples / "large-survey.pdf";
  if (!RunOnce({exe, "--ini", (samples / "none.ini").string(), "--print-pdf", pdf.string(),
                data.string()},
               work)
           .ok) {
    figures.problem = "mirelo --print-pdf failed";
    return figures;
  }
  const fs::path runtime = samples / "runtime";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  fs::create_directories(samples / "home");
  const std::vector<std::string> environment = {"XDG_RUNTIME_DIR=" + runtime.string(),
                                                "HOME=" + (samples / "home").string(),
                                                "QT_QPA_PLATFORM=xcb"};

  const std::unique_ptr<mirelo::bench::StartUpTimer> timer =
      mirelo::bench::StartUpTimer::Start(work, figures.problem);
  if (!timer) return figures;
  std::vector<double> ours, theirs, bare;
  for (int i = 0; i < kRuns; ++i) {
    fs::remove(ini);
    if (auto t = timer->Time({exe, "--ini", ini.string(), data.string()}, environment))
      ours.push_back(*t);
    if (mupdf)
      if (auto t = timer->Time({mupdf->string(), pdf.string()}, environment)) theirs.push_back(*t);
    if (auto t = timer->Time({MIRELO_BARE_WINDOW}, environment)) bare.push_back(*t);
  }
  if (ours.size() == kRuns) figures.mirelo = MedianOf(ours);
  if (theirs.size() == kRuns) figures.mupdf = MedianOf(theirs);
  if (bare.size() == kRuns) figures.bareWindow = MedianOf(bare);
  if (!figures.mirelo || (mupdf && !figures.mupdf) || !figures.bareWindow)
    figures.problem = "a window did not appear in time";
  return figures;
}

void ReportStartUp(const StartUpFigures& startUp) {
  if (!startUp.mirelo) {
    std::printf("  start-up: not measured (%s)\n", startUp.problem.c_str());
    return;
  }
  // The bare window is the toolkit's own floor under the program's figure.
  if (startUp.bareWindow)
    std::printf(
        "  start-up to the first page drawn / a bare Qt window:  %.2f (%.0f ms / %.0f ms, "
        "medians of 7)  [at most 1.2]\n",
        *startUp.mirelo / *startUp.bareWindow, *startUp.mirelo * 1e3, *startUp.bareWindow * 1e3);
  if (startUp.mupdf)
    std::printf("  start-up to the first page drawn / mupdf on its PDF:  %.2f (%.0f ms)\n",
                *startUp.mirelo / *startUp.mupdf, *startUp.mupdf * 1e3);
  else if (!startUp.problem.empty())
    std::printf("  start-up against mupdf: not measured (%s)\n", startUp.problem.c_str());
}

// mirelo.exe and a bare Win32 window of the same size, alternately under
// Wine (its prefix and locale from the environment, as scripts/bench
// --windows sets them), timed as on Debian. The Wine server is started
// afresh on the timer's X server and kept running, as on a desktop where
// Windows is already up; the first run of each is not counted.
void ReportWineStartUp(const fs::path& work, const std::string& exe, const std::string& bare) {
  constexpr int kRuns = 7;
  std::string problem;
  const std::unique_ptr<mirelo::bench::StartUpTimer> timer =
      mirelo::bench::StartUpTimer::Start(work, problem);
  if (!timer) {
    std::printf("  Windows start-up: not measured (%s)\n", problem.c_str());
    return;
  }
  const fs::path samples = work / "startup";
  fs::create_directories(samples / "Gaikyo");
  const fs::path data = samples / "large-survey.txt";
  fs::copy_file(fs::path(MIRELO_SOURCE_DIR) / "samples" / "large-survey.txt", data);
  const fs::path ini = samples / "control.ini";
  setenv("DISPLAY", timer->DisplayName().c_str(), 1);
  RunOnce({"wineserver", "-k"}, work);
  RunOnce({"wineserver", "-w"}, work);
  RunOnce({"wineserver", "-p"}, work);
  RunOnce({"wine", "wineboot"}, work);
  std::vector<double> ours, theirs;
  for (int i = 0; i <= kRuns; ++i) {
    fs::remove(ini);
    const auto t = timer->Time({"wine", exe, "--ini", ini.string(), data.string()}, {});
    const auto b = timer->Time({"wine", bare}, {});
    if (i == 0) continue;
    if (t) ours.push_back(*t);
    if (b) theirs.push_back(*b);
  }
  RunOnce({"wineserver", "-k"}, work);
  if (ours.size() != kRuns || theirs.size() != kRuns) {
    std::printf("  Windows start-up: not measured (a window did not appear in time)\n");
    return;
  }
  const double m = MedianOf(ours), w = MedianOf(theirs);
  std::printf(
      "  Windows start-up to the first page drawn / a bare Win32 window, under Wine: "
      "%.2f (%.0f ms / %.0f ms, medians of %d)  [at most 1.2]\n",
      m / w, m * 1e3, w * 1e3, kRuns);
}

void Report(const TimeReporter& times) {
  constexpr int kRuns = 5;
  WorkDir work;
  const fs::path data = work.path() / "survey-1000.txt";
  const fs::path ini = work.path() / "control.ini";
  mirelo::bench::WriteThousandItemSurvey(data);
  std::ofstream(ini).flush();
  const std::string exe = MIRELO_EXECUTABLE;
  const std::string iniArg = ini.string(), dataArg = data.string();

  const ProcessCost pdf =
      Median({exe, "--ini", iniArg, "--print-pdf", (work.path() / "out.pdf").string(), dataArg},
             work.path(), kRuns);
  const ProcessCost dump =
      Median({exe, "--ini", iniArg, "--dump-layout", dataArg}, work.path(), kRuns);

  std::optional<ProcessCost> writer;
  const std::optional<fs::path> soffice = OnPath("soffice");
  if (soffice && dump.ok) {
    const fs::path page = work.path() / "one-page.txt";
    std::ofstream(page, std::ios::binary) << FirstPageText(dump.out);
    const std::vector<std::string> convert = {
        soffice->string(),
        "-env:UserInstallation=file://" + (work.path() / "profile").string(),
        "--headless",
        "--convert-to",
        "pdf",
        "--outdir",
        (work.path() / "writer").string(),
        page.string()};
    RunOnce(convert, work.path());  // the first start makes the user profile
    writer = Median(convert, work.path(), kRuns);
  }

  const StartUpFigures startUp = MeasureStartUp(work.path(), exe);

  std::printf("\nWhole process, survey of 1,000 items, median of %d runs:\n", kRuns);
  if (pdf.ok)
    std::printf("  --print-pdf (31 pages)   %.3f s CPU, %.3f s wall, peak %.1f MB\n", pdf.cpu,
                pdf.wall, pdf.peakMb);
  else
    std::printf("  --print-pdf failed\n");
  if (dump.ok)
    std::printf("  --dump-layout            %.3f s CPU, %.3f s wall\n", dump.cpu, dump.wall);
  else
    std::printf("  --dump-layout failed\n");
  if (writer && writer->ok)
    std::printf("  LibreOffice Writer, one page of the same text to PDF: %.3f s CPU, %.3f s wall\n",
                writer->cpu, writer->wall);

  std::printf("\nSummary (goal in brackets):\n");
  if (const auto draw = times.Cpu("BM_DrawPreviewPage"))
    std::printf("  one preview page drawn:            %.2f ms CPU  [under 8 ms]\n", *draw * 1e3);
  if (const auto print = times.Cpu("BM_PrintLargeSurveyToPdf"))
    std::printf("  one printed page to PDF:           %.2f ms CPU a page  [under 8 ms]\n",
                *print / 31 * 1e3);
  if (pdf.ok) {
    if (writer && writer->ok)
      std::printf(
          "  1,000 items to PDF / word processor's one page: %.2f CPU, %.2f wall  "
          "[under 0.25]\n",
          pdf.cpu / writer->cpu, pdf.wall / writer->wall);
    else
      std::printf(
          "  1,000 items to PDF: %.3f s CPU, %.3f s wall (no word processor to compare: "
          "libreoffice-writer-nogui is not installed)\n",
          pdf.cpu, pdf.wall);
  }
  const auto slow = times.Cpu("BM_LayoutPrefixByPrefix"), fast = times.Cpu("BM_LayoutFast");
  if (slow && fast && *fast > 0)
    std::printf("  layout of 1,000 items, prefix by prefix / fast: %.1f CPU  [at least 30]\n",
                *slow / *fast);
  if (dump.ok)
    std::printf("  --dump-layout of 1,000 items:      %.3f s CPU  [under 0.1 s]\n", dump.cpu);
  if (pdf.ok)
    std::printf("  peak memory, 1,000-item PDF:       %.1f MB  [under 50 MB]\n", pdf.peakMb);
  ReportStartUp(startUp);
}

}  // namespace

int main(int argc, char** argv) {
  // --startup measures the start-up alone, for looking at that.
  if (argc == 2 && std::string(argv[1]) == "--startup") {
    WorkDir work;
    ReportStartUp(MeasureStartUp(work.path(), MIRELO_EXECUTABLE));
    return 0;
  }
  // The Windows build's start-up under Wine (scripts/bench --windows).
  if (argc == 4 && std::string(argv[1]) == "--wine-startup") {
    WorkDir work;
    ReportWineStartUp(work.path(), argv[2], argv[3]);
    return 0;
  }
  // The survey of 1,000 items the whole-process figures use, for the
  // scripts that time printing it.
  if (argc == 3 && std::string(argv[1]) == "--write-survey") {
    mirelo::bench::WriteThousandItemSurvey(argv[2]);
    return 0;
  }
  // A run of chosen benchmarks is for looking at those; the whole-process
  // figures come with a full run.
  bool filtered = false;
  for (int i = 1; i < argc; ++i)
    filtered = filtered || std::string(argv[i]).starts_with("--benchmark_filter");
  benchmark::Initialize(&argc, argv);
  static char arg0[] = "mirelo_bench", platformOpt[] = "-platform", offscreen[] = "offscreen";
  char* qtArgv[] = {arg0, platformOpt, offscreen, nullptr};
  int qtArgc = 3;
  QGuiApplication app(qtArgc, qtArgv);

  TimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (!filtered) Report(reporter);
  benchmark::Shutdown();
  return 0;
}
