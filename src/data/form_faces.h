// The two faces the form is printed in. The box table sets them up and the
// settings file falls back to the proportional one.
#pragma once

namespace mirelo {

inline constexpr char16_t kFaceProportional[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kFaceFixed[] = u"ＭＳ ゴシック";
// The face a reset box holds, written with an ideographic space.
inline constexpr char16_t kFaceReset[] = u"ＭＳ　Ｐゴシック";

}  // namespace mirelo
