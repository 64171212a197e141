#include "win32/hiragana_input.h"

namespace mirelo::win32 {

DWORD HiraganaConversion(DWORD userConversion) {
  return (userConversion | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE) &
         ~static_cast<DWORD>(IME_CMODE_KATAKANA);
}

void HiraganaInput::Enter(HWND field) {
  HIMC context = ImmGetContext(field);
  if (!context) return;  // no input method for the thread
  Status user{ImmGetOpenStatus(context), 0, 0};
  ImmGetConversionStatus(context, &user.conversion, &user.sentence);
  if (!kept_) kept_ = user;  // a second focus before a leave keeps the first
  ImmSetOpenStatus(context, TRUE);
  ImmSetConversionStatus(context, HiraganaConversion(user.conversion), user.sentence);
  ImmReleaseContext(field, context);
}

void HiraganaInput::Leave(HWND field) {
  if (!kept_) return;
  const Status user = *kept_;
  kept_.reset();
  HIMC context = ImmGetContext(field);
  if (!context) return;
  ImmSetConversionStatus(context, user.conversion, user.sentence);
  ImmSetOpenStatus(context, user.open);
  ImmReleaseContext(field, context);
}

}  // namespace mirelo::win32
