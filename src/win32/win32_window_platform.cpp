#include "win32/win32_window_platform.h"

#include "base/messages.h"
#include "win32/wide_text.h"
#include "win32/win32_controls.h"
#include "win32/win32_main_window.h"
#include "win32/win32_settings_dialog.h"

namespace mirelo::win32 {

Win32WindowPlatform::Win32WindowPlatform(Win32SystemServices& services) : services_(services) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
}

Win32WindowPlatform::~Win32WindowPlatform() {
  if (application_) DestroyWindow(application_);
}

bool Win32WindowPlatform::TakeInstanceLock(std::string_view title) {
  // Looking for the title window and making it later are two steps: two
  // starts at the same moment both find none. A mutex named after the title
  // in this session's namespace is looked for and claimed in one; the title
  // lookup still finds an instance that runs without it.
  const std::wstring wideTitle = WideFromUtf8(title);
  KernelHandle claim(CreateMutexW(nullptr, FALSE, (L"Local\\Mirelo " + wideTitle).c_str()));
  // Where no mutex can be had, the title lookup alone decides.
  if (!claim) return FindWindowW(nullptr, wideTitle.c_str()) == nullptr;
  if (GetLastError() == ERROR_ALREADY_EXISTS) return false;
  if (FindWindowW(nullptr, wideTitle.c_str()) != nullptr) return false;
  instance_ = std::move(claim);
  return true;
}

void Win32WindowPlatform::SetApplicationTitle(std::string_view utf8) {
  const wchar_t* windowClass = RegisterClassOnce(L"MireloApplication", DefWindowProcW, nullptr);
  application_ =
      CreateWindowExW(WS_EX_TOOLWINDOW, windowClass, WideFromUtf8(utf8).c_str(), WS_POPUP, 0, 0, 0,
                      0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void Win32WindowPlatform::ShowMessage(std::string_view utf8) {
  // Captioned with the title even before it is set: the message is the
  // program's own.
  MessageBoxW(nullptr, WideFromUtf8(utf8).c_str(), WideFromUtf8(msg::kAppTitle).c_str(),
              MB_OK | MB_SETFOREGROUND);
}

std::unique_ptr<MainWindowView> Win32WindowPlatform::CreateMainWindow(MainWindow& logic) {
  auto window = std::make_unique<Win32MainWindow>(logic);
  services_.SetScreenWindow(window->Handle());  // its monitor's dots per inch
  return window;
}

std::unique_ptr<SettingsDialogView> Win32WindowPlatform::CreateSettingsDialog(
    SettingsDialog& logic, MainWindowView& mainWindow) {
  return std::make_unique<Win32SettingsDialog>(logic,
                                               static_cast<Win32MainWindow&>(mainWindow).Handle());
}

void Win32WindowPlatform::RunMessageLoop(MainWindowView& mainWindow) {
  auto& window = static_cast<Win32MainWindow&>(mainWindow);
  window.Show();
  MSG message;
  while (IsWindow(window.Handle()) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(message)) continue;
    if (IsDialogMessageW(window.Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace mirelo::win32
