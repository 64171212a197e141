// Fonts as the form asks for them on a GDI device: a face name and a size
// in points, nothing else; the character height is the point size at the
// device's dots per inch. Made once per face and size and device, and kept.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "win32/scoped_handles.h"
#include "win32/windows_api.h"

namespace mirelo::win32 {

class GdiFonts {
 public:
  explicit GdiFonts(int dotsPerInchY) : dpiY_(dotsPerInchY) {}
  GdiFonts(const GdiFonts&) = delete;
  GdiFonts& operator=(const GdiFonts&) = delete;

  // The font for face and points; stays valid as long as this lives.
  HFONT Get(std::u16string_view face, int points);

 private:
  int dpiY_;
  std::map<std::pair<std::u16string, int>, GdiObject<HFONT>> fonts_;
};

}  // namespace mirelo::win32
