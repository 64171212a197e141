#include "win32/console.h"

#include <cstdio>
#include <iostream>

#include "win32/windows_api.h"

namespace mirelo::win32 {
namespace {

bool Usable(DWORD which) {
  const HANDLE h = GetStdHandle(which);
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

}  // namespace

ConsoleOutput::ConsoleOutput() {
  if (Usable(STD_OUTPUT_HANDLE) && Usable(STD_ERROR_HANDLE)) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  attached_ = true;
  savedCodePage_ = GetConsoleOutputCP();
  SetConsoleOutputCP(CP_UTF8);
  if (!Usable(STD_OUTPUT_HANDLE)) std::freopen("CONOUT$", "w", stdout);
  if (!Usable(STD_ERROR_HANDLE)) std::freopen("CONOUT$", "w", stderr);
  std::cout.clear();
  std::cerr.clear();
}

ConsoleOutput::~ConsoleOutput() {
  if (!attached_) return;
  std::cout.flush();
  std::cerr.flush();
  if (savedCodePage_) SetConsoleOutputCP(savedCodePage_);
  FreeConsole();
}

}  // namespace mirelo::win32
