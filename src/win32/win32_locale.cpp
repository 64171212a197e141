#include "win32/win32_locale.h"

#include "win32/windows_api.h"

namespace mirelo::win32 {

char16_t Win32LocaleInfo::DecimalSeparator() const {
  wchar_t separator[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) < 2) return u'.';
  return static_cast<char16_t>(separator[0]);
}

}  // namespace mirelo::win32
