// The user's settings folder on a POSIX system, as the XDG base directories
// name it, and write access as the system grants it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "posix/posix_settings_places.h"
#include "test_support.h"

namespace mirelo::test {
namespace {

// Sets or clears an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PosixSettingsPlaces, TheUsersFolderFollowsTheXdgConfigurationHome) {
  struct Case {
    std::optional<std::string> config, home;
    std::string expected;
  };
  for (const Case& c :
       {Case{"/c", "/h", "/c/mirelo"}, Case{std::nullopt, "/h", "/h/.config/mirelo"},
        Case{"", "/h", "/h/.config/mirelo"}, Case{"relative/c", "/h", "/h/.config/mirelo"}}) {
    SCOPED_TRACE(c.expected);
    ScopedEnv config("XDG_CONFIG_HOME", c.config), home("HOME", c.home);
    EXPECT_EQ(posix::PosixSettingsPlaces().UserSettingsFolder(), std::filesystem::path(c.expected));
  }
}

TEST(PosixSettingsPlaces, AFolderThatIsNotThereCannotBeWrittenIn) {
  TempDir dir;
  posix::PosixSettingsPlaces places;
  EXPECT_TRUE(places.CanWriteIn(dir.path()));
  EXPECT_FALSE(places.CanWriteIn(dir / "missing"));
  WriteBytes(dir / "file", "");
  EXPECT_FALSE(places.CanWriteIn(dir / "file"));
}

}  // namespace
}  // namespace mirelo::test
