// The first page made on a worker while the window is built must leave the
// window exactly as the show step making it itself does: the same page
// drawn, the same state, the same messages in the same order.
#include <gtest/gtest.h>

#include <atomic>

#include "window_doubles.h"

namespace mirelo::test {
namespace {

class AheadServices : public FakeServices {
 public:
  bool DrawsFirstPageAhead() const override { return true; }
  std::unique_ptr<PreviewImage> CreatePreviewImage(int, int, int) override {
    ++picturesMade;
    return std::make_unique<RecordingPreview>();
  }
  // Called on the worker too: nothing recorded.
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int) override {
    return std::make_unique<FakeTextMeasurer>();
  }
  // The worker asks first; a window that then opens on another monitor
  // answers another resolution to the show step.
  int ScreenDpi() override { return asked_++ == 0 ? workerDpi : screenDpi; }
  std::atomic<int> picturesMade = 0;
  int workerDpi = 96;

 private:
  int asked_ = 0;
};

// What a person sees of the window once it is shown.
struct Shown {
  std::vector<std::string> page, messages, errors;
  std::map<ToolButton, bool> enabled;
  std::u16string memoText;
  bool memoVisible = false;
  int pageCount = 0, drawn = 0;
  std::string pageLabel;
};

Shown ShowWindow(FakeServices& platform, const std::filesystem::path& data,
                 const std::filesystem::path& appDir) {
  Shown shown;
  platform.appDir = appDir;
  platform.duringLoop = [&](MainWindow& logic, FakeView& view) {
    if (view.preview) shown.page = view.preview->canvas.Lines();
    shown.enabled = view.enabled;
    shown.memoText = view.memoText;
    shown.memoVisible = view.memoVisible;
    shown.errors = view.errors;
    shown.drawn = view.drawn;
    shown.pageLabel = view.pageLabel;
    // Paging shows that the page count and the measurer came over too.
    while (view.Enabled(ToolButton::Next)) logic.SpeedButton4Click();
    shown.pageCount = std::stoi(view.pageLabel);
  };
  CommandLine line;
  line.dataPath = PathToUtf8(data);
  RunWindowProgram(line, platform);
  shown.messages = platform.messages;
  return shown;
}

TEST(FirstPageAhead, TheWindowIsAsTheShowStepMakesIt) {
  struct Case {
    const char* name;
    std::string survey;
    bool overviewFolder;
    bool hasPrinter;
    bool saveOverview;  // as the settings file has it
    bool keptOverviewUnreadable;
    bool madeAhead;    // the worker draws a page
    int showDpi = 96;  // the screen at the show step; the worker saw 96
  };
  for (const Case& c : {
           Case{"three pages", Survey(100), true, true, true, false, true},
           Case{"one page, overview kept", Survey(3), true, true, true, false, true},
           Case{"overview not kept", Survey(3), true, true, false, false, true},
           Case{"overview folder missing", Survey(3), false, true, true, false, true},
           Case{"kept overview unreadable", Survey(3), true, true, true, true, true},
           Case{"no printer", Survey(3), true, false, true, false, true},
           Case{"empty data file", "", true, true, true, false, false},
           // The worker's page is of the wrong size: the show step draws its own.
           Case{"another screen at the show step", Survey(3), true, true, true, false, true, 144},
       }) {
    SCOPED_TRACE(c.name);
    Shown results[2];
    TempDir dir, app;  // the same paths for both, as the messages name them
    for (int ahead = 0; ahead < 2; ++ahead) {
      for (const TempDir* d : {&dir, &app})
        for (const auto& e : std::filesystem::directory_iterator(d->path()))
          std::filesystem::remove_all(e.path());
      const auto data = dir / "survey.txt";
      WriteBytes(data, c.survey);
      if (c.overviewFolder) std::filesystem::create_directory(dir / "Gaikyo");
      if (c.overviewFolder && !c.keptOverviewUnreadable)
        WriteBytes(dir / "Gaikyo" / "survey.txt", "前回の概況");
      if (c.keptOverviewUnreadable)  // a folder where the file would be
        std::filesystem::create_directories(dir / "Gaikyo" / "survey.txt");
      if (!c.saveOverview) WriteBytes(app / "control.ini", "[Hozon]\r\noption=0\r\n");
      std::unique_ptr<FakeServices> platform =
          ahead ? std::make_unique<AheadServices>() : std::make_unique<FakeServices>();
      platform->printers.hasDefault = c.hasPrinter;
      platform->screenDpi = c.showDpi;
      results[ahead] = ShowWindow(*platform, data, app.path());
      if (ahead) {
        EXPECT_EQ(static_cast<AheadServices&>(*platform).picturesMade, c.madeAhead ? 1 : 0);
      }
    }
    const Shown &ahead = results[1], &itself = results[0];
    EXPECT_EQ(ahead.page, itself.page);
    EXPECT_EQ(ahead.messages, itself.messages);
    EXPECT_EQ(ahead.errors, itself.errors);
    EXPECT_EQ(ahead.enabled, itself.enabled);
    EXPECT_EQ(ahead.memoText, itself.memoText);
    EXPECT_EQ(ahead.memoVisible, itself.memoVisible);
    EXPECT_EQ(ahead.drawn, itself.drawn);
    EXPECT_EQ(ahead.pageLabel, itself.pageLabel);
    EXPECT_EQ(ahead.pageCount, itself.pageCount);
    EXPECT_FALSE(results[0].page.empty() && c.hasPrinter && !c.survey.empty());
  }
}

}  // namespace
}  // namespace mirelo::test
