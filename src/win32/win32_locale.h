// The user's locale as Windows keeps it.
#pragma once

#include "platform/locale_info.h"

namespace mirelo::win32 {

class Win32LocaleInfo : public LocaleInfo {
 public:
  // LOCALE_SDECIMAL of the user's locale; "." where it cannot be read.
  char16_t DecimalSeparator() const override;
};

}  // namespace mirelo::win32
