// The user's locale, as Qt sees the system's.
#pragma once

#include "platform/locale_info.h"

namespace mirelo::qt {

class QtLocaleInfo : public LocaleInfo {
 public:
  char16_t DecimalSeparator() const override;
};

}  // namespace mirelo::qt
