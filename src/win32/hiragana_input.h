// The input method of the overview field: hiragana input while the field
// has the focus, and the user's own status back when it leaves. The input
// context is the thread's, shared with every other control, so what the
// field changes must not outlive its focus.
#pragma once

#include <optional>

#include "win32/windows_api.h"

namespace mirelo::win32 {

// The conversion mode of hiragana input from the user's mode: native and
// full width added, katakana removed; romaji or kana input, and every other
// bit, as the user keeps them.
DWORD HiraganaConversion(DWORD userConversion);

class HiraganaInput {
 public:
  // The field got the focus: the input method opens in hiragana, with the
  // user's sentence mode.
  void Enter(HWND field);
  // The field lost the focus: the status it had before Enter.
  void Leave(HWND field);

 private:
  struct Status {
    BOOL open;
    DWORD conversion, sentence;
  };
  std::optional<Status> kept_;
};

}  // namespace mirelo::win32
