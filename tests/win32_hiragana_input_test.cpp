// The overview field's input method: hiragana input while the field has the
// focus, the user's romaji or kana input and sentence mode kept, and the
// status the user had before given back when the field is left. The input
// context keeps a status set on it even where no Japanese input method is
// installed (as under Wine), so the status is set before and read after.
#include <gtest/gtest.h>

#include "win32/hiragana_input.h"
#include "win32/windows_api.h"

namespace mirelo {
namespace {

struct Status {
  BOOL open;
  DWORD conversion, sentence;
};

Status Read(HWND field) {
  HIMC context = ImmGetContext(field);
  Status s{ImmGetOpenStatus(context), 0, 0};
  ImmGetConversionStatus(context, &s.conversion, &s.sentence);
  ImmReleaseContext(field, context);
  return s;
}

void Set(HWND field, Status s) {
  HIMC context = ImmGetContext(field);
  ImmSetOpenStatus(context, s.open);
  ImmSetConversionStatus(context, s.conversion, s.sentence);
  ImmReleaseContext(field, context);
}

TEST(Win32HiraganaInput, KeepsTheUsersInputAndGivesTheStatusBack) {
  HWND field = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 100, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(field, nullptr);
  HIMC context = ImmGetContext(field);
  if (!context) {
    DestroyWindow(field);
    GTEST_SKIP() << "the thread has no input context";
  }
  ImmReleaseContext(field, context);

  struct Case {
    const char* what;
    Status user;
    DWORD hiragana;
  };
  const Case cases[] = {
      {"romaji input, katakana, phrase prediction",
       {FALSE, IME_CMODE_ROMAN | IME_CMODE_KATAKANA | IME_CMODE_NATIVE, IME_SMODE_PHRASEPREDICT},
       IME_CMODE_ROMAN | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE},
      {"half-width alphanumeric, kana input, automatic conversion",
       {TRUE, IME_CMODE_ALPHANUMERIC, IME_SMODE_AUTOMATIC},
       IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE},
      {"romaji input, no conversion",
       {FALSE, IME_CMODE_ROMAN | IME_CMODE_FULLSHAPE, IME_SMODE_NONE},
       IME_CMODE_ROMAN | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Set(field, c.user);
    win32::HiraganaInput input;
    input.Enter(field);
    const Status typing = Read(field);
    EXPECT_TRUE(typing.open);
    EXPECT_EQ(typing.conversion, c.hiragana);
    EXPECT_EQ(typing.sentence, c.user.sentence);
    input.Leave(field);
    const Status after = Read(field);
    EXPECT_EQ(!!after.open, !!c.user.open);
    EXPECT_EQ(after.conversion, c.user.conversion);
    EXPECT_EQ(after.sentence, c.user.sentence);
  }
  DestroyWindow(field);
}

}  // namespace
}  // namespace mirelo
