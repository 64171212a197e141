// Every output of the bundled samples stays exactly as it was recorded: the
// dump, the draw log of every page on both targets, every preview page's
// pixels, and the PDF's text and rendered pages. The expectations are
// SHA-256 digests in fixtures/sample-outputs.sha256, one "digest  name" a
// line; the full outputs are too large to keep in the repository. A run
// with MIRELO_WRITE_SAMPLE_DIGESTS=1 prints the lines for that file.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>
#include <QString>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "posix_test_support.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

using mirelo::test::ReadBytes;
using mirelo::test::RunResult;
using mirelo::test::TempDir;
using mirelo::test::WriteBytes;

std::string Digest(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

std::string Digest(const std::string& bytes) { return Digest(QByteArray::fromStdString(bytes)); }

// The pixels as RGB, independent of how the PNG file was compressed.
std::string PixelDigest(const fs::path& png) {
  QImage image(QString::fromStdString(png.string()));
  if (image.isNull()) return "unreadable";
  image = image.convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  bytes.append(QByteArray::number(image.width()) + "x" + QByteArray::number(image.height()));
  for (int y = 0; y < image.height(); ++y)
    bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 3);
  return Digest(bytes);
}

std::map<std::string, std::string> Expected() {
  std::map<std::string, std::string> digests;
  std::istringstream in(
      ReadBytes(fs::path(MIRELO_SOURCE_DIR) / "tests" / "fixtures" / "sample-outputs.sha256"));
  std::string digest, name;
  while (in >> digest >> name) digests[name] = digest;
  return digests;
}

class SampleOutputs : public ::testing::Test {
 protected:
  void SetUp() override { WriteBytes(ini_, ""); }

  RunResult Mirelo(std::vector<std::string> options, const std::string& sample) {
    options.insert(options.begin(), {"--ini", ini_.string()});
    options.push_back((fs::path(MIRELO_SOURCE_DIR) / "samples" / sample).string());
    return mirelo::test::RunProgram(options, dir_.path());
  }

  // Digests of every output of one sample, by name.
  void Collect(const std::string& sample, std::map<std::string, std::string>& actual) {
    const std::string stem = fs::path(sample).stem().string();
    const RunResult dump = Mirelo({"--dump-layout"}, sample);
    ASSERT_EQ(dump.status, 0) << dump.err;
    actual[stem + ".dump.json"] = Digest(dump.out);
    const auto at = dump.out.find("\"PageCount\": ");
    ASSERT_NE(at, std::string::npos);
    const int pages = std::stoi(dump.out.substr(at + 13));

    for (int page = 1; page <= pages; ++page) {
      const std::string p = std::to_string(page);
      for (const char* target : {"D", "P"}) {
        const fs::path log = dir_ / "log.jsonl";
        const RunResult r =
            Mirelo({"--draw-log", log.string(), "--page", p, "--target", target}, sample);
        ASSERT_EQ(r.status, 0) << r.err;
        actual[stem + ".p" + p + "." + target + ".jsonl"] = Digest(ReadBytes(log));
      }
      const fs::path png = dir_ / "page.png";
      const RunResult r = Mirelo({"--preview-png", png.string(), "--page", p}, sample);
      ASSERT_EQ(r.status, 0) << r.err;
      actual[stem + ".p" + p + ".png"] = PixelDigest(png);
    }

    // The default printer and one with a margin and another resolution.
    const std::vector<std::vector<std::string>> printers = {
        {}, {"--printer-dpi", "300", "--printer-margin", "50,70"}};
    for (std::size_t i = 0; i < printers.size(); ++i) {
      const std::string name = stem + (i == 0 ? ".pdf" : ".margin.pdf");
      const fs::path pdf = dir_ / name;
      std::vector<std::string> options = printers[i];
      options.insert(options.end(), {"--print-pdf", pdf.string()});
      const RunResult r = Mirelo(options, sample);
      ASSERT_EQ(r.status, 0) << r.err;
      const RunResult text =
          mirelo::test::RunTool({"pdftotext", "-layout", pdf.string(), "-"}, dir_.path());
      ASSERT_EQ(text.status, 0) << text.err;
      actual[name + ".txt"] = Digest(text.out);
      const RunResult render = mirelo::test::RunTool(
          {"pdftoppm", "-r", "100", "-gray", pdf.string(), (dir_ / "render").string()},
          dir_.path());
      ASSERT_EQ(render.status, 0) << render.err;
      for (const auto& entry : fs::directory_iterator(dir_.path())) {
        const std::string file = entry.path().filename().string();
        if (!file.starts_with("render-")) continue;
        actual[name + "." + file.substr(7)] = Digest(ReadBytes(entry.path()));
        fs::remove(entry.path());
      }
    }
  }

  TempDir dir_;
  const fs::path ini_ = dir_ / "control.ini";
};

TEST_F(SampleOutputs, EveryOutputOfTheSamplesIsAsRecorded) {
  std::map<std::string, std::string> actual;
  for (const char* sample : {"worked-example.txt", "large-survey.txt"}) {
    Collect(sample, actual);
    if (HasFatalFailure()) return;
  }
  const char* write = std::getenv("MIRELO_WRITE_SAMPLE_DIGESTS");
  if (write && std::string(write) == "1")
    for (const auto& [name, digest] : actual) std::cout << digest << "  " << name << "\n";

  const std::map<std::string, std::string> expected = Expected();
  ASSERT_FALSE(expected.empty());
  for (const auto& [name, digest] : expected) {
    const auto it = actual.find(name);
    ASSERT_NE(it, actual.end()) << name << " is no longer produced";
    EXPECT_EQ(it->second, digest) << name << " differs from the recorded output";
  }
  EXPECT_EQ(actual.size(), expected.size()) << "outputs without a recorded digest";
}

}  // namespace
