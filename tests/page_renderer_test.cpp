// The page drawing seen through the recording canvas, in device dots.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "layout/line_breaking.h"
#include "render/page_renderer.h"
#include "render/recording_canvas.h"
#include "ui/main_state.h"
#include "ui/page_output.h"

namespace mirelo {
namespace {

// Every UTF-16 unit is 12 dots wide: simple arithmetic, no font.
class FixedWidthMeasurer : public TextMeasurer {
 public:
  void SetFont(std::u16string_view, int pointSize) override { size_ = pointSize; }
  int FontPointSize() const override { return size_; }
  int FontHeight() const override { return CharacterHeight(size_, 96); }
  int DotsPerInch() const override { return 96; }
  int TextWidth(std::u16string_view text) override { return 12 * static_cast<int>(text.size()); }

 private:
  int size_ = 0;
};

MainState DefaultState() {
  MainState s;
  InitBoxTable(s.Boxes);
  SetDefaultBoxes(s.Boxes);
  s.Boxes[2].FontSize = 10;
  s.Boxes[2].LinesPerPage = 6;
  s.Boxes[3].TabPos = 15.0;
  s.ScreenPpm = ScreenPixelsPerMm(96);
  s.PrinterPpm = PrinterPixelsPerMm(600, 600);
  s.Survey.InsuredPersonNumber = u"0123456789";
  return s;
}

std::vector<std::string> Draw(const MainState& state, char16_t target, int page,
                              DeviceFacts facts = {}) {
  FixedWidthMeasurer preview;
  RecordingCanvas canvas(facts);
  RenderPage(target, page, state, canvas, preview);
  return canvas.Lines();
}

bool Has(const std::vector<std::string>& log, const std::string& line) {
  return std::find(log.begin(), log.end(), line) != log.end();
}

std::vector<std::string> Texts(const std::vector<std::string>& log) {
  std::vector<std::string> out;
  for (const auto& l : log)
    if (l.find("\"op\":\"text\"") != std::string::npos) out.push_back(l);
  return out;
}

TEST(PageRenderer, SpecialNotesRowsStandOnTheirRules) {
  MainState s = DefaultState();
  s.Boxes[3].LineList = {u"a", u"b", u"c"};
  auto log = Draw(s, u'D', 1);
  // Row 2 of box 3: 75.8 + 1.0 + 2 * 196.5 / 44 mm, raised one dot for the
  // 9-point font, is device y 323; every row starts at device x 57.
  EXPECT_TRUE(Has(log, R"({"op":"text","x":57,"y":323,"s":"c"})"));
  EXPECT_TRUE(Has(log, R"({"op":"font","name":"ＭＳ Ｐゴシック","size":9,"height":-12})"));
}

TEST(PageRenderer, FixedElementsOnScreenAndOnAPrinterWithAMargin) {
  MainState s = DefaultState();
  auto screen = Draw(s, u'D', 1);
  EXPECT_TRUE(Has(screen, R"({"op":"bitmap","name":"imgQRCord","l":53,"t":66,"r":146,"b":159})"));
  EXPECT_TRUE(Has(screen, R"({"op":"moveto","x":94,"y":49})"));  // rule under the date
  EXPECT_TRUE(Has(screen, R"({"op":"fill","l":53,"t":1052,"r":74,"b":1073})"));

  auto printer = Draw(s, u'P', 1, DeviceFacts{600, 600, 100, 100});
  // 14.0 and 17.5 mm are 330.7 and 413.4 dots on the sheet, less the margin.
  EXPECT_TRUE(
      Has(printer, R"({"op":"bitmap","name":"imgQRCord","l":231,"t":313,"r":809,"b":892})"));
  // The check square takes the printer's frame pen.
  auto square = std::find(printer.begin(), printer.end(),
                          R"({"op":"rect","l":1024,"t":396,"r":1098,"b":469})");
  ASSERT_NE(square, printer.end());
  std::string pen;
  for (auto it = printer.begin(); it != square; ++it)
    if (it->find("\"op\":\"pen\"") != std::string::npos) pen = *it;
  EXPECT_EQ(pen, R"({"op":"pen","width":10})");

  // At 600 dpi a millimetre is 600 / 25.4 dots; less the 100-dot margin and
  // rounded, each edge on its own:
  //   x  14.0 -> 230.71   19.5 -> 360.63   25.5 -> 502.36   44.5 -> 951.18
  //     165.5 -> 3809.45 190.7 -> 4404.72 192.6 -> 4449.61 198.1 -> 4579.53
  //   y  14.5 -> 242.52   19.0 -> 348.82   24.5 -> 478.74   31.8 -> 651.18
  //     275.5 -> 6407.87 278.3 -> 6474.02 283.8 -> 6603.94 284.5 -> 6620.47
  // The example strip, (25.5, 275.5) to (165.5, 284.5):
  EXPECT_TRUE(
      Has(printer, R"({"op":"bitmap","name":"imgRei","l":502,"t":6408,"r":3809,"b":6620})"));
  // The frame around the number area, (44.5, 14.5) to (190.7, 31.8), closed:
  EXPECT_TRUE(Has(
      printer, R"({"op":"polyline","pts":[[951,243],[951,651],[4405,651],[4405,243],[951,243]]})"));
  // The three corner squares end the page: bottom left, bottom right, top right.
  ASSERT_GE(printer.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(printer.end() - 3, printer.end()),
            (std::vector<std::string>{R"({"op":"fill","l":231,"t":6474,"r":361,"b":6604})",
                                      R"({"op":"fill","l":4450,"t":6474,"r":4580,"b":6604})",
                                      R"({"op":"fill","l":4450,"t":349,"r":4580,"b":479})"}));
}

TEST(PageRenderer, DrawingOrderAndFinalCornerSquares) {
  MainState s = DefaultState();
  auto log = Draw(s, u'D', 1);
  ASSERT_GE(log.size(), 5u);
  EXPECT_EQ(log[0], R"({"op":"pen","width":1})");
  EXPECT_EQ(log[1], R"({"op":"brush","style":"solid","color":"#ffffff"})");
  auto n = log.size();
  EXPECT_EQ(log[n - 5], R"({"op":"pen","width":1})");
  EXPECT_EQ(log[n - 4], R"({"op":"brush","style":"solid","color":"#000000"})");
  EXPECT_EQ(log[n - 3].rfind(R"({"op":"fill")", 0), 0u);
}

TEST(PageRenderer, RulesOfTheNotesBoxOnEveryPage) {
  MainState s = DefaultState();
  for (int page : {1, 7}) {
    auto log = Draw(s, u'D', page);
    int rules = 0;
    for (std::size_t i = 0; i + 1 < log.size(); ++i)
      if (log[i].rfind(R"({"op":"moveto","x":53,)", 0) == 0 &&
          log[i + 1].rfind(R"({"op":"lineto","x":750,)", 0) == 0)
        ++rules;
    EXPECT_EQ(rules, 44) << "page " << page;
    // The last rule lies on the box's bottom edge, 272.3 mm.
    EXPECT_TRUE(Has(log, R"({"op":"lineto","x":750,"y":1029})"));
  }
}

TEST(PageRenderer, PagingOfBoxesAndFixedBoxesOnEveryPage) {
  MainState s = DefaultState();
  for (int i = 0; i < 50; ++i)
    s.Boxes[3].LineList.push_back(u"L" + std::u16string(1, u'0' + i % 10));
  s.Boxes[1].LineList = {u"日", u"X"};  // a Fixed box of one line per page: only its first line
  auto page2 = Texts(Draw(s, u'D', 2));
  // Page 2 shows lines 44..49 of box 3 in rows 0..5, and box 1's first line.
  int notes = 0;
  for (const auto& t : page2)
    if (t.find("\"s\":\"L\"") != std::string::npos) ++notes;
  EXPECT_EQ(notes, 6);
  EXPECT_TRUE(std::any_of(page2.begin(), page2.end(), [](const std::string& t) {
    return t.find("\"s\":\"日\"") != std::string::npos;
  }));
  EXPECT_FALSE(std::any_of(page2.begin(), page2.end(), [](const std::string& t) {
    return t.find("\"s\":\"X\"") != std::string::npos;
  }));

  auto page9 = Texts(Draw(s, u'D', 9));  // beyond the last page: the Fixed boxes only
  EXPECT_EQ(page9.size(), 1u);
}

TEST(PageRenderer, JustifiedOrNaturalByTheGapAtTheLineEnd) {
  // Box 2 is 181.4 mm wide inside. With 12-dot characters at 96 dpi a
  // character is 3.175 mm: a short line stays natural, a nearly full one is
  // spread to the width.
  MainState s = DefaultState();
  s.Boxes[2].LineList = {u"ab", std::u16string(56, u'x')};
  auto texts = Texts(Draw(s, u'D', 1));
  // Line 0, second character at its natural place: 15 mm + 3.175 mm.
  EXPECT_TRUE(Has(texts, R"({"op":"text","x":69,"y":171,"s":"b"})"));
  // Line 1: 56 characters are 177.8 mm, 3.6 mm short of the width, within
  // one and a half characters: justified, so the last one starts at
  // 15 + 55 * 181.4 / 56 mm.
  EXPECT_TRUE(Has(texts, R"({"op":"text","x":730,"y":186,"s":"x"})"));
}

TEST(PageRenderer, TabMarkIsDrawnAsASpaceAndPairsAsOneCall) {
  MainState s = DefaultState();
  std::u16string line = u"( 1 - 1 )　";
  line += kTabMark;
  line += u"\U00020BB7x";   // 𠮷, a surrogate pair
  line += u"葛\U000E0100";  // a base with its variation selector (itself a pair)
  s.Boxes[3].LineList = {line};
  auto texts = Texts(Draw(s, u'D', 1));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
    return t.find(R"("s":" ")") != std::string::npos;
  }));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
    return t.find("\"s\":\"𠮷\"") != std::string::npos;
  }));
  EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) {
    return t.find("\"s\":\"葛\U000E0100\"") != std::string::npos;
  }));
  EXPECT_EQ(texts.size(), line.size() - 3);  // one call for each character, whatever its units
  // The pair's second unit draws nothing; a lone surrogate never reaches a canvas.
  EXPECT_EQ(CharForDrawing(line, 13), u"");
  const std::u16string lone = {u'a', char16_t(0xD800), u'b'};
  EXPECT_EQ(CharForDrawing(lone, 2), u"\uFFFD");
}

TEST(PageRenderer, NumberThatIsNotTenDigitsLeavesCellsEmptyAndDrawsThePageWhole) {
  MainState s = DefaultState();
  s.Survey.InsuredPersonNumber = u"12a4";
  auto log = Draw(s, u'D', 1);
  EXPECT_EQ(log.back().rfind(R"({"op":"fill")", 0), 0u);  // the corner squares were reached
}

// A job whose canvas fails at the bitmaps.
class FailingJob : public PrintJob {
 public:
  class Canvas : public RecordingCanvas {
   public:
    Canvas() : RecordingCanvas(DeviceFacts{600, 600, 0, 0}) {}
    void StretchBitmap(std::string_view, const DeviceRectangle&) override {
      throw std::runtime_error("bitmap");
    }
  };
  void Begin(std::u16string_view title) override {
    calls += "begin:" + std::string(title.begin(), title.end()) + ";";
  }
  mirelo::Canvas& PageCanvas() override { return canvas; }
  void NewPage() override { calls += "page;"; }
  void End() override { calls += "end;"; }
  void Abort() override { calls += "abort;"; }
  Canvas canvas;
  std::string calls;
};

class CountingJob : public FailingJob {
 public:
  CountingJob() = default;
  mirelo::Canvas& PageCanvas() override { return ok; }
  RecordingCanvas ok{DeviceFacts{600, 600, 0, 0}};
};

TEST(Printing, AFailedDrawingAbortsTheJobAndReportsTheError) {
  MainState s = DefaultState();
  FixedWidthMeasurer preview;
  FailingJob job;
  EXPECT_THROW(PrintAllPages(s, job, preview), std::runtime_error);
  EXPECT_EQ(job.calls, "begin:Mirelo;abort;");
}

TEST(Printing, AllPagesInOneJobWithNewPagesBetween) {
  MainState s = DefaultState();
  FixedWidthMeasurer preview;
  for (int count : {1, 3}) {
    s.PageCount = count;
    CountingJob job;
    PrintAllPages(s, job, preview);
    EXPECT_EQ(job.calls, count == 1 ? "begin:Mirelo;end;" : "begin:Mirelo;page;page;end;");
  }
}

}  // namespace
}  // namespace mirelo
