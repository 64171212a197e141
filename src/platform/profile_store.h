// The settings file as a store of single keys, read and written one key at a
// time, the way the program keeps control.ini.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirelo {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;
  // The value of key in section, or nothing when the section or the key is
  // missing. Section and key names match without regard to letter case.
  virtual std::optional<std::u16string> ReadString(std::u16string_view section,
                                                   std::u16string_view key) = 0;
  // Replaces the key's value in place, or adds the key at the end of its
  // section, adding the section at the end of the file when it is missing.
  // Every other line stays as it is. Returns false when the store could not
  // be written; it is then exactly as it was before the call.
  virtual bool WriteString(std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) = 0;
  // Whether the store can be read now (a missing store reads as the
  // defaults and can); a store that exists but cannot be read may be tried
  // again for a moment. False when it still cannot be read: its keys then
  // read as missing, and nothing should be written over what it holds.
  virtual bool WaitUntilReadable() { return true; }
  // The store as the user knows it (a file's path, UTF-8): the one read
  // now, where that differs from the one written.
  virtual std::string Where() const { return {}; }
};

}  // namespace mirelo
