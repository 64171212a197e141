#include "win32/gdi_fonts.h"

#include "render/device_mapping.h"
#include "win32/wide_text.h"

namespace mirelo::win32 {

HFONT GdiFonts::Get(std::u16string_view face, int points) {
  const auto key = std::make_pair(std::u16string(face), points);
  if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.Get();
  LOGFONTW lf = {};
  lf.lfHeight = CharacterHeight(points, dpiY_);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // LOGFONT holds 31 characters and the end; the settings keep names to 31
  // bytes of code page 932, which is never more characters.
  const std::wstring name = Wide(face.substr(0, LF_FACESIZE - 1));
  name.copy(lf.lfFaceName, name.size());
  HFONT font = CreateFontIndirectW(&lf);
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // A stock font in the map is harmless: deleting one does nothing.
  fonts_.emplace(key, GdiObject<HFONT>(font));
  return font;
}

}  // namespace mirelo::win32
