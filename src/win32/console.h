// Standard output and error of a program built for the Windows subsystem.
// Started with its output redirected (a host program's pipe, a file) it
// writes there as it is. Started from a console window without that, it has
// no console of its own: it attaches to the console it was started from,
// writes UTF-8 there, and gives the console its code page back at the end.
// cmd.exe does not wait for such a program before its next prompt; `start
// /wait mirelo ...` or a redirection keeps the output in order.
#pragma once

namespace mirelo::win32 {

class ConsoleOutput {
 public:
  ConsoleOutput();
  ~ConsoleOutput();
  ConsoleOutput(const ConsoleOutput&) = delete;
  ConsoleOutput& operator=(const ConsoleOutput&) = delete;

 private:
  bool attached_ = false;
  unsigned savedCodePage_ = 0;
};

}  // namespace mirelo::win32
