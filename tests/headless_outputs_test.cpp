// The headless outputs of the executable, run as a host program runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

struct CommandResult {
  int status = -1;
  std::string out;
};

// Runs a shell command line; standard error is kept apart in errFile.
CommandResult RunCommand(const std::string& command) {
  CommandResult r;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buf[4096];
  for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) r.out.append(buf, n);
  int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class HeadlessOutputs : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("mirelo-out-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    ini_ = dir_ / "control.ini";
    std::ofstream(ini_) << "";
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Mirelo(const std::string& args, const fs::path& data) {
    return std::string(MIRELO_EXECUTABLE) + " --ini " + Quote(ini_) + " " + args + " " + Quote(data);
  }

  fs::path Sample(const char* name) { return fs::path(MIRELO_SOURCE_DIR) / "samples" / name; }

  fs::path dir_, ini_;
};

TEST_F(HeadlessOutputs, PdfHoldsEveryPageOfTheLargerSample) {
  const fs::path pdf = dir_ / "survey.pdf";
  CommandResult dump = RunCommand(Mirelo("--dump-layout", Sample("large-survey.txt")));
  ASSERT_EQ(dump.status, 0);
  const auto at = dump.out.find("\"PageCount\": ");
  ASSERT_NE(at, std::string::npos);
  const int pages = std::stoi(dump.out.substr(at + 13));
  ASSERT_GT(pages, 1);

  ASSERT_EQ(RunCommand(Mirelo("--print-pdf " + Quote(pdf), Sample("large-survey.txt"))).status, 0);
  CommandResult info = RunCommand("pdfinfo " + Quote(pdf));
  ASSERT_EQ(info.status, 0) << info.out;
  std::smatch m;
  ASSERT_TRUE(std::regex_search(info.out, m, std::regex(R"(Pages:\s+(\d+))"))) << info.out;
  EXPECT_EQ(std::stoi(m[1]), pages);
  EXPECT_NE(info.out.find("(A4)"), std::string::npos) << info.out;
  // Fonts are embedded, and as subsets: the file prints alike anywhere and
  // stays far smaller than the 6 MB faces.
  CommandResult fonts = RunCommand("pdffonts " + Quote(pdf));
  std::istringstream rows(fonts.out);
  std::string row;
  int embedded = 0;
  for (int n = 0; std::getline(rows, row); ++n) {
    if (n < 2 || row.empty()) continue;  // the two header lines
    std::vector<std::string> cols;
    std::istringstream words(row);
    for (std::string w; words >> w;) cols.push_back(w);
    ASSERT_GE(cols.size(), 6u) << row;
    EXPECT_EQ(cols[cols.size() - 5], "yes") << row;  // the "emb" column
    ++embedded;
  }
  EXPECT_GE(embedded, 1) << fonts.out;
  EXPECT_LT(fs::file_size(pdf), 2u * 1024 * 1024);
  EXPECT_FALSE(fs::exists(dir_ / "survey.pdf.tmp"));
}

TEST_F(HeadlessOutputs, PreviewPngIsTheA4BitmapAtTheScreenResolution) {
  const fs::path png = dir_ / "page.png";
  ASSERT_EQ(RunCommand(Mirelo("--preview-png " + Quote(png), Sample("worked-example.txt"))).status, 0);
  const std::string bytes = ReadFile(png);
  ASSERT_GT(bytes.size(), 24u);
  auto be32 = [&](std::size_t at) {
    return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
           (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
  };
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(be32(16), 794);
  EXPECT_EQ(be32(20), 1123);

  ASSERT_EQ(RunCommand(Mirelo("--screen-dpi 120 --preview-png " + Quote(png), Sample("worked-example.txt"))).status, 0);
  const std::string wide = ReadFile(png);
  EXPECT_EQ((static_cast<unsigned char>(wide[18]) << 8) | static_cast<unsigned char>(wide[19]), 992);
  EXPECT_EQ((static_cast<unsigned char>(wide[22]) << 8) | static_cast<unsigned char>(wide[23]), 1403);
}

TEST_F(HeadlessOutputs, DrawLogOnScreenAndOnAPrinter) {
  const fs::path log = dir_ / "page.jsonl";
  ASSERT_EQ(RunCommand(Mirelo("--draw-log " + Quote(log), Sample("worked-example.txt"))).status, 0);
  std::string text = ReadFile(log);
  EXPECT_EQ(text.rfind("{\"op\":\"pen\",\"width\":1}\n{\"op\":\"brush\",\"style\":\"solid\",\"color\":\"#ffffff\"}\n", 0), 0u);
  EXPECT_NE(text.find("{\"op\":\"bitmap\",\"name\":\"imgQRCord\",\"l\":53,\"t\":66,\"r\":146,\"b\":159}"), std::string::npos);
  EXPECT_NE(text.find("\"s\":\"調\""), std::string::npos);

  ASSERT_EQ(RunCommand(Mirelo("--draw-log " + Quote(log) + " --target P --printer-dpi 600 --printer-margin 100,100",
                              Sample("worked-example.txt")))
                .status,
            0);
  text = ReadFile(log);
  EXPECT_NE(text.find("{\"op\":\"bitmap\",\"name\":\"imgQRCord\",\"l\":231,\"t\":313,"), std::string::npos);
}

TEST_F(HeadlessOutputs, ErrorsLeaveNoOutputFileBehind) {
  const fs::path pdf = dir_ / "none.pdf";
  fs::path data = dir_ / "short.txt";
  std::ofstream(data) << "123456700000123451000000002021\r\n";
  CommandResult r = RunCommand(Mirelo("--print-pdf " + Quote(pdf), data) + " 2>&1");
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_FALSE(fs::exists(dir_ / "none.pdf.tmp"));

  // An output folder that does not exist: a message and status 2, not a crash.
  r = RunCommand(Mirelo("--preview-png " + Quote(dir_ / "no" / "such.png"), Sample("worked-example.txt")) + " 2>&1");
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(r.out.empty());
}

TEST_F(HeadlessOutputs, ANumberThatIsNotTenDigitsIsReportedOnceAndThePageIsDrawn) {
  fs::path data = dir_ / "letters.txt";
  std::ofstream(data, std::ios::binary) << "1234567000AB123451000000002021041500\r\n";
  const fs::path log = dir_ / "page.jsonl";
  CommandResult r = RunCommand(Mirelo("--draw-log " + Quote(log), data) + " 2>&1");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
  EXPECT_NE(r.out.find(data.string()), std::string::npos);
  EXPECT_NE(ReadFile(log).find("{\"op\":\"fill\""), std::string::npos);
}

}  // namespace
