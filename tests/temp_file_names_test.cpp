// The temporary names of replaced files: short whatever the target's name,
// and known as the temporaries of that one target only.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/temp_file_names.h"

namespace mirelo {
namespace {

namespace fs = std::filesystem;

TEST(TempFileNames, ShortAndTellingWhoseTheyAre) {
  const fs::path folder = fs::path("data") / "Gaikyo";
  const fs::path longest = folder / (std::string(251, 'a') + ".txt");
  const fs::path temp = TempFileName(longest, 0xdeadbeef);
  EXPECT_EQ(temp.parent_path(), folder);
  EXPECT_LE(temp.filename().string().size(), 40u) << temp;
  EXPECT_TRUE(IsTempFileOf(temp, longest));
  EXPECT_EQ(TempFileName(longest, 7).filename().string().rfind(TempFilePrefix(longest), 0), 0u);

  const fs::path target = folder / "12345.txt";
  struct Case {
    fs::path name;
    bool ours;
  } cases[] = {
      {TempFileName(target, 0), true},
      {TempFileName(target, 0xffffffff), true},
      {folder / (TempFilePrefix(target) + "0000000g.tmp"), false},   // not hexadecimal
      {folder / (TempFilePrefix(target) + "000000000.tmp"), false},  // one digit too many
      {folder / (TempFilePrefix(target) + "00000000.txt"), false},
      {TempFileName(folder / "12346.txt", 0), false},  // another file's
      {TempFileName(folder / "12345.TXT", 0), false},
      {folder / "12345.txt.tmp", false},  // a file of the user's
      {folder / "12345.txt", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsTempFileOf(c.name, target), c.ours) << c.name;
}

}  // namespace
}  // namespace mirelo
