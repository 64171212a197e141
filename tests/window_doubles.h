// Doubles at the window's platform interfaces: a view that records what the
// logic sets, printers whose jobs record their pages, and services that
// measure with fixed widths. The logic itself runs for real.
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/window_program.h"
#include "data/ini_file.h"
#include "fake_text_measurer.h"
#include "render/recording_canvas.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "ui/main_window_view.h"
#include "ui/settings_dialog.h"
#include "ui/settings_dialog_view.h"

namespace mirelo::test {

// A survey of n one-line items in distinct groups: 44 ruled lines a page.
inline std::string Survey(int items) {
  std::string text =
      "\xEF\xBB\xBF"
      "1234567000001234510000000020210415\r\n";
  for (int i = 0; i < items; ++i) {
    char code[24];
    std::snprintf(code, sizeof code, "%02d%02d", 1 + i / 50, 1 + i % 50);
    text += std::string("123456700000123451") + code + "0001見守りが必要。\r\n";
  }
  return text;
}

class RecordingPreview : public PreviewImage {
 public:
  RecordingCanvas canvas{DeviceFacts{}};
  int clears = 0;
  Canvas& ImageCanvas() override { return canvas; }
  void Clear() override {
    ++clears;
    canvas = RecordingCanvas(DeviceFacts{});
  }
  void SavePng(const std::filesystem::path&) override {}
  bool TakePicture(PreviewImage& drawn) override {
    auto* other = dynamic_cast<RecordingPreview*>(&drawn);
    if (!other) return false;
    canvas = std::move(other->canvas);
    return true;
  }
};

class FakeView : public MainWindowView {
 public:
  std::string caption;
  int outerWidth = 908, outerHeight = 740, clientWidth = kClientWidth;
  int screenWidth = 1280, screenHeight = 1024;
  std::vector<DeviceRectangle> workAreas = {{0, 0, 1280, 1024}};
  std::optional<WindowPosition> position;  // nothing: the system keeps it to itself
  bool reportsPosition = true;
  bool closeRequested = false;
  std::unique_ptr<RecordingPreview> preview;
  int previewWidth = 0, previewHeight = 0, previewDpi = 0;
  int imageLeft = 0, imageTop = kImageTop, label2Top = 0, drawn = 0, scrolled = 0,
      scrolledSideways = 0;
  std::map<ToolButton, bool> enabled;
  std::map<ToolButton, std::string> captions;
  std::string pageLabel = "1";
  std::u16string printerLabel;
  bool saveOverview = true;
  int memoLeft = 60, memoTop = 272;
  bool memoVisible = true;
  std::u16string memoText = u"概況をここに入力";
  std::optional<bool> memoFocusSelectsAll;  // set when the field got the focus
  int memoFontSize = 0;
  bool memoFocused = false;
  // The answer to the PDF file's name; nothing: cancel.
  std::optional<std::filesystem::path> pdfFileName;
  int pdfQuestions = 0;
  std::vector<std::string> messages, errors;

  FakeView() {
    for (int b = 1; b <= 7; ++b) enabled[static_cast<ToolButton>(b)] = true;
  }
  bool Enabled(ToolButton b) const { return enabled.at(b); }

  void SetCaption(std::string_view utf8) override { caption = utf8; }
  int OuterWidth() const override { return outerWidth; }
  int OuterHeight() const override { return outerHeight; }
  int ClientWidth() const override { return clientWidth; }
  int ScreenWidth() const override { return screenWidth; }
  int ScreenHeight() const override { return screenHeight; }
  std::vector<DeviceRectangle> WorkAreas() const override { return workAreas; }
  std::optional<WindowPosition> Position() const override {
    return reportsPosition ? position : std::nullopt;
  }
  void MoveTo(WindowPosition p) override { position = p; }
  void RequestClose() override { closeRequested = true; }
  PreviewImage& CreatePreview(int w, int h, int dpi) override {
    previewWidth = w, previewHeight = h, previewDpi = dpi;
    preview = std::make_unique<RecordingPreview>();
    return *preview;
  }
  void PlaceImage(int left, int top) override { imageLeft = left, imageTop = top; }
  int ImageTop() const override { return imageTop; }
  void PreviewDrawn() override { ++drawn; }
  void PlaceLabel2(int top) override { label2Top = top; }
  void ScrollVertically(int delta) override { scrolled += delta; }
  void ScrollHorizontally(int delta) override { scrolledSideways += delta; }
  void SetButtonEnabled(ToolButton b, bool e) override { enabled[b] = e; }
  void SetButtonCaption(ToolButton b, std::string_view utf8) override { captions[b] = utf8; }
  void SetPageLabel(std::string_view text) override { pageLabel = text; }
  void SetPrinterLabel(std::u16string_view name) override { printerLabel = name; }
  bool SaveOverviewChecked() const override { return saveOverview; }
  void SetSaveOverviewChecked(bool c) override { saveOverview = c; }
  void PlaceMemo(int l, int t) override { memoLeft = l, memoTop = t; }
  void SetMemoVisible(bool v) override { memoVisible = v; }
  std::u16string MemoText() const override { return memoText; }
  void SetMemoText(std::u16string_view text) override { memoText = text; }
  void FocusMemo(bool selectAll) override { memoFocusSelectsAll = selectAll; }
  void SetMemoFontSize(int points) override { memoFontSize = points; }
  bool MemoHasFocus() const override { return memoFocused; }
  std::optional<std::filesystem::path> AskPdfFileName() override {
    ++pdfQuestions;
    return pdfFileName;
  }
  void ShowMessage(std::string_view utf8) override {
    messages.emplace_back(utf8);
    if (messageLog) messageLog->emplace_back(utf8);
  }
  void ShowError(std::string_view utf8) override { errors.emplace_back(utf8); }
  // Where the boxes are also written down, to outlive the view.
  std::vector<std::string>* messageLog = nullptr;
};

// A print job that keeps its pages as draw logs.
struct JobRecord {
  std::u16string title;
  std::vector<std::vector<std::string>> pages;
  bool ended = false, aborted = false;
};

class RecordingJob : public PrintJob {
 public:
  RecordingJob(JobRecord& record, bool failBegin) : record_(record), failBegin_(failBegin) {}
  void Begin(std::u16string_view title) override {
    if (failBegin_) throw std::runtime_error("印刷できません: テスト");
    record_.title = title;
    canvas_ = std::make_unique<RecordingCanvas>(DeviceFacts{600, 600, 50, 60});
  }
  Canvas& PageCanvas() override { return *canvas_; }
  void NewPage() override { Flush(); }
  void End() override {
    Flush();
    record_.ended = true;
  }
  void Abort() override { record_.aborted = true; }

 private:
  void Flush() {
    record_.pages.push_back(canvas_->Lines());
    canvas_ = std::make_unique<RecordingCanvas>(DeviceFacts{600, 600, 50, 60});
  }
  JobRecord& record_;
  bool failBegin_;
  std::unique_ptr<RecordingCanvas> canvas_;
};

// A draft of the set-up dialog: the name of the printer it is on.
struct FakeDraft : PrinterDraft {
  std::u16string name;
};

// The system's printers: the first one is the default unless hasDefault is
// false; none at all for a system without printers.
class FakePrinters : public Printers {
 public:
  struct Printer {
    std::u16string name;
    int dpiX = 600, dpiY = 600;
  };
  std::vector<Printer> system = {Printer{u"オフィスのプリンタ"}};
  bool hasDefault = true;
  bool writesPdf = true;  // without a printer
  bool failBegin = false;
  std::vector<JobRecord> jobs;
  std::vector<std::filesystem::path> pdfFiles;  // of the jobs on a PDF file, in order
  std::optional<Printer> current;

  std::vector<std::u16string> PrinterNames() override {
    std::vector<std::u16string> names;
    for (const Printer& p : system) names.push_back(p.name);
    return names;
  }
  std::u16string DefaultPrinterName() override {
    return hasDefault && !system.empty() ? system.front().name : std::u16string();
  }
  bool WritesPdfWithoutPrinter() const override { return writesPdf; }
  bool SelectPrinter(std::u16string_view name) override {
    for (const Printer& p : system) {
      if (p.name != name) continue;
      current = p;
      return true;
    }
    return false;
  }
  std::u16string CurrentPrinterName() const override { return current ? current->name : u""; }
  int LogPixelsX() const override { return current ? current->dpiX : 0; }
  int LogPixelsY() const override { return current ? current->dpiY : 0; }
  std::unique_ptr<PrinterDraft> CreateDraft(std::u16string_view name) override {
    auto draft = std::make_unique<FakeDraft>();
    draft->name = name;
    return draft;
  }
  bool AdoptDraft(PrinterDraft& draft) override {
    return SelectPrinter(static_cast<FakeDraft&>(draft).name);
  }
  std::unique_ptr<PrintJob> CreateJob() override {
    jobs.emplace_back();
    return std::make_unique<RecordingJob>(jobs.back(), failBegin);
  }
  OpenedPrinter CreatePdfJob(const std::filesystem::path& path, int dpi, int, int) override {
    pdfFiles.push_back(path);
    return OpenedPrinter{CreateJob(), dpi, dpi};
  }
};

class FakeDialogView : public SettingsDialogView {
 public:
  std::u16string printerLabel;
  std::map<Spinner, std::string> fields;  // what each edit field shows
  bool groupSpacing = false;
  std::optional<FontChoice> fontChoice;  // the user's answer; nothing: cancel
  // The printer the user chooses in the set-up dialog; nothing: cancel.
  std::optional<std::u16string> setupChoice;
  std::u16string setupStart;  // the printer the set-up dialog started on
  int setupRuns = 0;
  std::u16string presetFace;
  int presetPoints = 0, fontRuns = 0, shown = 0, closes = 0;
  std::function<void()> whileOpen;  // the user, while the dialog is shown
  std::vector<std::string> messages, errors;

  void ShowModal() override {
    ++shown;
    if (whileOpen) whileOpen();
  }
  void Close() override { ++closes; }
  void SetPrinterLabel(std::u16string_view name) override { printerLabel = name; }
  void SetSpinnerPosition(Spinner s, int position) override { fields[s] = SpinnerText(position); }
  void SetGroupSpacingChecked(bool checked) override { groupSpacing = checked; }
  bool GroupSpacingChecked() const override { return groupSpacing; }
  std::optional<FontChoice> ChooseFont(std::u16string_view face, int points) override {
    ++fontRuns;
    presetFace = face, presetPoints = points;
    return fontChoice;
  }
  bool RunPrinterSetup(PrinterDraft& draft) override {
    ++setupRuns;
    setupStart = static_cast<FakeDraft&>(draft).name;
    if (!setupChoice) return false;
    static_cast<FakeDraft&>(draft).name = *setupChoice;
    return true;
  }
  void ShowMessage(std::string_view utf8) override { messages.emplace_back(utf8); }
  void ShowError(std::string_view utf8) override { errors.emplace_back(utf8); }
};

class DotLocale : public LocaleInfo {
 public:
  char16_t DecimalSeparator() const override { return u'.'; }
};

// The system's word on where the settings may be kept: whether the
// executable's folder may be written, and the user's own folder (nothing:
// the system names none, so the settings stay beside the executable).
class FakeSettingsPlaces : public SettingsPlaces {
 public:
  bool appDirWritable = true;
  std::optional<std::filesystem::path> userFolder;
  std::vector<std::filesystem::path> asked;  // the folders asked about

  bool CanWriteIn(const std::filesystem::path& folder) override {
    asked.push_back(folder);
    return appDirWritable;
  }
  std::optional<std::filesystem::path> UserSettingsFolder() override { return userFolder; }
};

class FakeServices : public SystemServices, public WindowPlatform {
 public:
  DotLocale locale;
  FakePrinters printers;
  FakeSettingsPlaces places;
  int screenDpi = 96;
  std::vector<int> measuringDpis;  // what each measurer was made for
  std::filesystem::path appDir;
  // WindowPlatform
  bool lockFree = true;
  bool lockAsked = false;
  std::string title;
  std::vector<std::string> messages;  // boxes before the main window
  FakeView* view = nullptr;           // the window made, while it lives
  bool loopRan = false;
  std::function<void(MainWindow&, FakeView&)> duringLoop;

  const LocaleInfo& Locale() override { return locale; }
  int ScreenDpi() override { return screenDpi; }
  std::unique_ptr<TextMeasurer> CreatePreviewMeasurer(int dpi) override {
    measuringDpis.push_back(dpi);
    return std::make_unique<FakeTextMeasurer>();
  }
  std::unique_ptr<PreviewImage> CreatePreviewImage(int, int, int) override {
    return std::make_unique<RecordingPreview>();
  }
  Printers& SystemPrinters() override { return printers; }
  FileStore& Files() override { return test::Files(); }
  std::filesystem::path AppDir() override { return appDir; }
  SettingsPlaces& Places() override { return places; }

  SystemServices& Services() override { return *this; }

  bool TakeInstanceLock(std::string_view) override {
    lockAsked = true;
    return lockFree;
  }
  void SetApplicationTitle(std::string_view utf8) override { title = utf8; }
  void ShowMessage(std::string_view utf8) override { messages.emplace_back(utf8); }
  std::unique_ptr<SettingsDialogView> CreateSettingsDialog(SettingsDialog&,
                                                           MainWindowView&) override {
    auto v = std::make_unique<FakeDialogView>();
    dialog = v.get();
    return v;
  }
  FakeDialogView* dialog = nullptr;  // the settings dialog made, while it lives
  std::unique_ptr<MainWindowView> CreateMainWindow(MainWindow& logic) override {
    auto v = std::make_unique<FakeView>();
    v->messageLog = &messages;
    view = v.get();
    logic_ = &logic;
    return v;
  }
  void RunMessageLoop(MainWindowView&) override {
    loopRan = true;
    logic_->FormShow();
    if (duringLoop) duringLoop(*logic_, *view);
    logic_->FormClose();
  }

 private:
  MainWindow* logic_ = nullptr;
};

// The main window's logic on a survey kept as a host program keeps it:
// <dir>/NinteiData/A001.txt, its overview in NinteiData/Gaikyo/A001.txt, the
// settings in <dir>/control.ini.
struct KeptSurveyWindow {
  static constexpr char kSurvey[] =
      "1234567000001234510000000020210415\r\n"
      "12345670000012345101010001見守りが必要。\r\n";
  TempDir dir;
  std::filesystem::path data = dir / "NinteiData" / "A001.txt";
  std::filesystem::path kept = dir / "NinteiData" / "Gaikyo" / "A001.txt";
  FakeServices services;
  FakeView view;
  MainState state;
  IniFile profile{dir / "control.ini", Files()};
  MainWindow logic{state, services, profile, (dir / "control.ini").string()};

  explicit KeptSurveyWindow(std::string_view survey = kSurvey) {
    std::filesystem::create_directories(data.parent_path());
    WriteBytes(data, survey);
    logic.SetView(view);
  }
  void Keep(std::string_view bytes) {
    std::filesystem::create_directories(kept.parent_path());
    WriteBytes(kept, bytes);
  }
  // The show step, which must raise no error box.
  void Show() {
    ASSERT_TRUE(logic.FormCreate(dir.path(), data.string()));
    logic.FormShow();
    ASSERT_TRUE(view.errors.empty()) << view.errors.front();
  }
  std::u16string Box2() const {
    std::u16string all;
    for (const std::u16string& line : state.Boxes[2].LineList) all += line + u"|";
    return all;
  }
};

}  // namespace mirelo::test
