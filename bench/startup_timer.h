// The time from starting a program to its window shown and drawn, as a
// person sees it: measured from the outside on an X server of the bench's
// own (Xvfb), so that the program and the yardstick it is compared with are
// timed alike.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace mirelo::bench {

class StartUpTimer {
 public:
  // Starts Xvfb at 96 dots per inch; nothing when it cannot start, the
  // reason then in problem.
  static std::unique_ptr<StartUpTimer> Start(const std::filesystem::path& work,
                                             std::string& problem);
  ~StartUpTimer();

  // Runs command with the X server as its display and environment added,
  // and returns the seconds from its start to the last drawing that changed
  // what its first window shows, before the window has stayed unchanged for
  // a while: the window on the screen with its content drawn. The program is then ended
  // (SIGTERM). Nothing when no window appeared within ten seconds.
  std::optional<double> Time(const std::vector<std::string>& command,
                             const std::vector<std::string>& environment);

  // The X server's display name (":N").
  const std::string& DisplayName() const { return display_; }

 private:
  StartUpTimer() = default;
  struct X;
  int xvfbPid_ = -1;
  std::string display_;
  std::unique_ptr<X> x_;
};

}  // namespace mirelo::bench
