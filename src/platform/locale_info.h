// What the program needs to know of the user's locale.
#pragma once

namespace mirelo {

class LocaleInfo {
 public:
  virtual ~LocaleInfo() = default;
  // The decimal separator with which the settings file writes and reads floats.
  virtual char16_t DecimalSeparator() const = 0;
};

}  // namespace mirelo
