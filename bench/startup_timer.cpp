#include "startup_timer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace mirelo::bench {
namespace {

using Clock = std::chrono::steady_clock;

// How long a window stays unchanged before its drawing counts as done, and
// how long a program may take at most.
constexpr int kQuietMs = 400;
constexpr int kLimitMs = 10'000;

// The server's time now, in milliseconds of its own clock.
::Time ServerTime(Display* display, Window window) {
  const Atom atom = XInternAtom(display, "MIRELO_BENCH_CLOCK", False);
  XChangeProperty(display, window, atom, XA_STRING, 8, PropModeReplace, nullptr, 0);
  XEvent event;
  XWindowEvent(display, window, PropertyChangeMask, &event);
  return event.xproperty.time;
}

}  // namespace

struct StartUpTimer::X {
  Display* display = nullptr;
  int damageEvent = 0;
  Window clockWindow = 0;  // unmapped; its property changes tell the server's time
};

std::unique_ptr<StartUpTimer> StartUpTimer::Start(const std::filesystem::path& work,
                                                  std::string& problem) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return nullptr;
  const std::string log = (work / "xvfb.log").string();
  const pid_t pid = fork();
  if (pid == 0) {
    close(pipeFds[0]);
    if (!freopen(log.c_str(), "w", stderr) || !freopen("/dev/null", "w", stdout)) _exit(126);
    const std::string fd = std::to_string(pipeFds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-dpi", "96",
           "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  std::unique_ptr<StartUpTimer> timer(new StartUpTimer);
  timer->xvfbPid_ = pid;
  // The server writes its display number once it takes clients.
  std::string number;
  pollfd p{pipeFds[0], POLLIN, 0};
  char c;
  while (poll(&p, 1, kLimitMs) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
  close(pipeFds[0]);
  if (pid < 0 || number.empty()) {
    problem = "Xvfb did not start (see " + log + "; is xvfb installed?)";
    return nullptr;
  }
  timer->display_ = ":" + number;
  timer->x_ = std::make_unique<X>();
  timer->x_->display = XOpenDisplay(timer->display_.c_str());
  int errorBase = 0;
  if (!timer->x_->display ||
      !XDamageQueryExtension(timer->x_->display, &timer->x_->damageEvent, &errorBase)) {
    problem = "the X server " + timer->display_ + " has no DAMAGE extension";
    return nullptr;
  }
  XSelectInput(timer->x_->display, DefaultRootWindow(timer->x_->display), SubstructureNotifyMask);
  timer->x_->clockWindow = XCreateSimpleWindow(
      timer->x_->display, DefaultRootWindow(timer->x_->display), 0, 0, 1, 1, 0, 0, 0);
  XSelectInput(timer->x_->display, timer->x_->clockWindow, PropertyChangeMask);
  XSync(timer->x_->display, False);
  return timer;
}

StartUpTimer::~StartUpTimer() {
  if (x_ && x_->display) XCloseDisplay(x_->display);
  if (xvfbPid_ > 0) {
    kill(xvfbPid_, SIGTERM);
    waitpid(xvfbPid_, nullptr, 0);
  }
}

std::optional<double> StartUpTimer::Time(const std::vector<std::string>& command,
                                         const std::vector<std::string>& environment) {
  Display* display = x_->display;
  // Nothing left over from the run before.
  XSync(display, True);

  std::vector<std::string> env = environment;
  env.push_back("DISPLAY=" + display_);
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    bool given = name == "DISPLAY" || name == "WAYLAND_DISPLAY";
    for (const std::string& own : env) given = given || own.starts_with(name + "=");
    if (!given) env.push_back(entry);
  }
  std::vector<char*> argv, envp;
  std::vector<std::string> args = command;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  // Drawings are timed by the X server's own clock, so that the time this
  // timer spends comparing pictures never counts against the program: the
  // server's time at the start comes with a property change on a window of
  // the timer's own.
  const ::Time serverStart = ServerTime(display, x_->clockWindow);
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr)) _exit(126);
    execvpe(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  if (pid < 0) return std::nullopt;
  const auto ms = [&] {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  };

  Window window = 0;
  Damage damage = 0;
  double lastDrawn = -1;
  // What the window showed so far, to tell a drawing that changes what is
  // seen from one that only draws the same pixels again (a toolkit may
  // copy its whole window to the screen twice as it appears).
  std::vector<std::uint32_t> shown;
  int shownWidth = 0, shownHeight = 0;
  const auto changed = [&](const XRectangle& area) {
    XImage* image =
        XGetImage(display, window, area.x, area.y, area.width, area.height, AllPlanes, ZPixmap);
    if (!image) return false;  // gone meanwhile
    bool differs = false;
    for (int y = 0; y < area.height; ++y) {
      for (int x = 0; x < area.width; ++x) {
        const int sx = area.x + x, sy = area.y + y;
        if (sx >= shownWidth || sy >= shownHeight) continue;
        std::uint32_t pixel;
        if (image->bits_per_pixel == 32)
          std::memcpy(&pixel, image->data + y * image->bytes_per_line + x * 4, 4);
        else
          pixel = static_cast<std::uint32_t>(XGetPixel(image, x, y));
        pixel &= 0xFFFFFFu;
        std::uint32_t& was = shown[static_cast<std::size_t>(sy) * shownWidth + sx];
        differs = differs || was != pixel;
        was = pixel;
      }
    }
    XDestroyImage(image);
    return differs;
  };
  const int fd = ConnectionNumber(display);
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !window) {
        // The program's first window on the screen; its drawing is watched.
        // Small helper windows (Wine maps some for input methods and the
        // like) are no program window.
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, event.xmap.window, &attributes) ||
            attributes.width < 100 || attributes.height < 100)
          continue;
        window = event.xmap.window;
        shownWidth = attributes.width;
        shownHeight = attributes.height;
        // Nothing drawn yet: a colour no pixel has.
        shown.assign(static_cast<std::size_t>(shownWidth) * shownHeight, 0xFFFFFFFFu);
        damage = XDamageCreate(display, window, XDamageReportRawRectangles);
      } else if (event.type == x_->damageEvent + XDamageNotify) {
        const auto& notify = reinterpret_cast<XDamageNotifyEvent&>(event);
        const double at =
            static_cast<double>(static_cast<std::uint32_t>(notify.timestamp - serverStart));
        if (changed(notify.area)) lastDrawn = at;
      }
    }
    const double now = ms();
    if (now > kLimitMs) break;
    const int wait = lastDrawn >= 0 ? static_cast<int>(lastDrawn + kQuietMs - now) : 50;
    if (lastDrawn >= 0 && wait <= 0) break;
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, std::max(wait, 1));
  }
  if (damage) XDamageDestroy(display, damage);
  XSync(display, False);
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  if (lastDrawn < 0) return std::nullopt;
  return lastDrawn / 1000;
}

}  // namespace mirelo::bench
