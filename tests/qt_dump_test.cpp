// The headless dump run as the host program runs it: the built executable on
// a data file, with a settings file of the test's own.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "posix_test_support.h"
#include "qt/qt_system_services.h"
#include "qt_test_support.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

class DumpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data = dir / "worked-example.txt";
    fs::copy_file(fs::path(MIRELO_SOURCE_DIR) / "samples" / "worked-example.txt", data);
    ini = dir / "control.ini";
    Write(ini, "");
  }
  static void Write(const fs::path& path, std::string_view bytes) {
    fs::create_directories(path.parent_path());
    mirelo::test::WriteBytes(path, bytes);
  }

  QJsonObject Dump(std::vector<std::string> options) {
    options.insert(options.begin(), {"--dump-layout", "--ini", ini.string()});
    options.push_back(data.string());
    const mirelo::test::RunResult r = mirelo::test::RunProgram(options, dir);
    EXPECT_EQ(r.status, 0) << r.err;
    return mirelo::test::ParseJsonObject(r.out);
  }

  static std::vector<std::string> Lines(const QJsonObject& dump, int box) {
    std::vector<std::string> lines;
    const QJsonObject entry = dump["boxes"].toArray()[box - 1].toObject();
    EXPECT_EQ(entry["box"].toInt(), box);
    for (const QJsonValue& line : entry["lines"].toArray())
      lines.push_back(line.toString().toStdString());
    return lines;
  }

  mirelo::test::TempDir temp;
  const fs::path dir = temp.path();
  fs::path data, ini;
};

TEST_F(DumpTest, WorkedExampleGivesPageCountAndEveryBoxsLines) {
  const QJsonObject dump = Dump({});
  // What the dump held before stays as it was.
  EXPECT_EQ(dump["InsuredPersonNumber"].toString(), "0000012345");
  EXPECT_EQ(dump["SurveyDateText"].toString(), "2021/04/15");
  EXPECT_EQ(dump["ItemList"].toArray().size(), 5);
  EXPECT_TRUE(dump["settings"].isObject());

  EXPECT_EQ(dump["PageCount"].toInt(-1), 1);
  ASSERT_EQ(dump["boxes"].toArray().size(), 14);
  EXPECT_EQ(Lines(dump, 3), (std::vector<std::string>{
                                "( 1 - 1 )　τ右上肢に軽い麻痺がある。左上肢は問題ない。",
                                "( 1 - 7 )　τ歩行時に杖を使う。",
                                "( 2 - 4 )　τ食事は",
                                "τ見守りで自立。",
                                "( 5 - 2 )　τ服薬は家族が管理している。",
                            }));
  EXPECT_EQ(Lines(dump, 10), std::vector<std::string>{"令和 3年 4月 15日"});
  EXPECT_EQ(Lines(dump, 1), std::vector<std::string>{"調査日"});
  for (int box : {2, 8, 11, 12}) EXPECT_TRUE(Lines(dump, box).empty()) << "box " << box;
  // The dump only reads: no overview folder appears beside the data file.
  EXPECT_FALSE(fs::exists(dir / "Gaikyo"));
}

TEST_F(DumpTest, KeptOverviewIsLoadedOnlyWithTheSaveOption) {
  Write(dir / "Gaikyo" / "worked-example.txt", "\xEF\xBB\xBF概況の一行目\n二行目\n");
  EXPECT_EQ(Lines(Dump({}), 2), (std::vector<std::string>{"概況の一行目", "二行目"}));
  Write(ini, "[Hozon]\r\noption=0\r\n");
  EXPECT_TRUE(Lines(Dump({}), 2).empty());
}

TEST_F(DumpTest, ScreenDpiOption) {
  // The text is measured at the form's resolution, whatever the screen's.
  EXPECT_EQ(Lines(Dump({"--screen-dpi", "120"}), 3), Lines(Dump({}), 3));
  EXPECT_EQ(
      mirelo::test::RunProgram({"--dump-layout", "--screen-dpi", "0", data.string()}, dir).status,
      2);
}

// The executable's system services, recording at which resolution they are
// asked to measure.
class RecordingPlatform : public mirelo::qt::QtSystemServices {
 public:
  using QtSystemServices::QtSystemServices;
  std::unique_ptr<mirelo::TextMeasurer> CreatePreviewMeasurer(int dpi) override {
    dpis.push_back(dpi);
    return QtSystemServices::CreatePreviewMeasurer(dpi);
  }
  std::vector<int> dpis;
};

TEST_F(DumpTest, TheMeasuringCanvasHasTheFormsResolutionWhateverTheScreens) {
  for (auto [options, dpi] : {std::pair<std::vector<std::string>, int>{{"--screen-dpi", "144"}, 96},
                              {{"--screen-dpi", "72"}, 96},
                              {{}, 96}}) {
    options.insert(options.begin(), {"--dump-layout", "--ini", ini.string()});
    options.push_back(data.string());
    const mirelo::CommandLineResult parsed = mirelo::ParseCommandLine(options);
    ASSERT_EQ(parsed.error, "");
    RecordingPlatform platform(dir);
    std::ostringstream out, err;
    EXPECT_EQ(mirelo::RunHeadless(parsed.line, platform, out, err), 0) << err.str();
    EXPECT_EQ(platform.dpis, std::vector<int>{dpi});
  }
}

TEST_F(DumpTest, PagesFollowTheFullestBoxAndPairsStayWhole) {
  // 45 items: one line each in box 3 (44 lines a page) make two pages. One
  // note holds 𠮷, a character outside the 16-bit range.
  std::string file =
      "\xEF\xBB\xBF"
      "1234567000001234510000000020190501\r\n";
  for (int i = 1; i <= 45; ++i) {
    char code[5];
    std::snprintf(code, sizeof code, "%02d%02d", 1 + i / 10, i % 10);
    file +=
        std::string("123456700000123451") + code + "0001" + (i == 45 ? "𠮷田" : "メモ") + "\r\n";
  }
  Write(data, file);
  const QJsonObject dump = Dump({});
  EXPECT_EQ(dump["PageCount"].toInt(-1), 2);
  const std::vector<std::string> lines = Lines(dump, 3);
  ASSERT_EQ(lines.size(), 45u);
  EXPECT_EQ(lines.back(), "( 5 - 5 )　τ𠮷田");
  EXPECT_EQ(Lines(dump, 10), std::vector<std::string>{"令和元年 5月 1日"});
}

}  // namespace
