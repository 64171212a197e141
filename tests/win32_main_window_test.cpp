// The Windows main window on the shared logic, with doubles only at the
// platform interfaces: what it does when Windows says the window now stands
// on a monitor of another resolution.
#include <gtest/gtest.h>

#include <string>

#include "data/ini_file.h"
#include "test_support.h"
#include "ui/main_window.h"
#include "win32/win32_main_window.h"
#include "window_doubles.h"

namespace mirelo::test {
namespace {

// The first child window of class name in parent, depth first.
HWND ChildOfClass(HWND parent, const wchar_t* name) {
  struct Search {
    const wchar_t* name;
    HWND found = nullptr;
  } search{name};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        wchar_t cls[64] = {};
        GetClassNameW(child, cls, 64);
        if (lstrcmpiW(cls, s->name) != 0) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A child's rectangle in its parent's client coordinates.
RECT InParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(Win32MainWindow, AMoveToAMonitorOfAnotherResolutionDrawsThePageThere) {
  TempDir dir;
  WriteBytes(dir / "survey.txt", Survey(60));
  std::filesystem::create_directory(dir / "Gaikyo");
  FakeServices services;
  MainState state;
  IniFile profile(dir / "control.ini", Files());
  MainWindow logic(state, services, profile, (dir / "control.ini").string());
  win32::Win32MainWindow window(logic);
  logic.SetView(window);
  ASSERT_TRUE(logic.FormCreate(dir.path(), (dir / "survey.txt").string()));
  window.Show();
  const BoxTable laidOut = state.Boxes;
  HWND image = ChildOfClass(window.Handle(), L"MireloImage");
  HWND memo = ChildOfClass(window.Handle(), L"Edit");
  ASSERT_TRUE(image && memo);

  // What Windows suggests: the same place, one and a half times the size.
  RECT at;
  GetWindowRect(window.Handle(), &at);
  RECT suggested = {at.left, at.top, at.left + (at.right - at.left) * 3 / 2,
                    at.top + (at.bottom - at.top) * 3 / 2};
  SendMessageW(window.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

  // The page at 144 dots per inch (210 × 297 mm), centred in the client
  // area, at the form's top scaled; the overview field over box 2 at the
  // new resolution, at its size scaled.
  const RECT page = InParent(image);
  EXPECT_EQ(page.right - page.left, 1191);
  EXPECT_EQ(page.bottom - page.top, 1684);
  RECT client;
  GetClientRect(window.Handle(), &client);
  const int left = client.right > 1191 ? (client.right - 1191) / 2 : 0;
  EXPECT_EQ(page.left, left);
  EXPECT_EQ(page.top, MulDiv(35, 144, 96));
  const RECT field = InParent(memo);
  EXPECT_EQ(field.left, 85 + left);
  EXPECT_EQ(field.top, 277 + MulDiv(35, 144, 96));
  EXPECT_EQ(field.right - field.left, MulDiv(697, 144, 96));
  EXPECT_EQ(field.bottom - field.top, MulDiv(81, 144, 96));
  // The lines stay those measured at the form's resolution.
  for (int box = 1; box <= kBoxCount; ++box) EXPECT_EQ(state.Boxes[box].LineList, laidOut[box].LineList);
  EXPECT_EQ(services.measuringDpis, std::vector<int>{96});
}

}  // namespace
}  // namespace mirelo::test
