#include "layout/box_table.h"

#include <algorithm>

#include "base/text_encoding.h"
#include "data/settings.h"

namespace mirelo {
namespace {

struct BoxDefaults {
  double top, left, bottom, right;
  const char16_t* font;
  int size, linesPerPage;
  bool fixed, justifyAll;
};

// Bottom and Right as the decimal sums the form gives, so each is the
// nearest double of that decimal value.
constexpr BoxDefaults kDefaults[kBoxCount] = {
    {10.0, 14.0, 12.5, 22.5, kFaceProportional, 8, 1, true, true},
    {44.5, 14.0, 68.8, 197.4, kFaceProportional, 9, 5, false, false},
    {75.8, 14.0, 272.3, 198.5, kFaceProportional, 9, 44, false, false},
    {9.5, 105.5, 13.5, 197.5, kFaceProportional, 13, 1, true, true},
    {17.0, 46.5, 19.3, 52.5, kFaceProportional, 8, 1, true, false},
    {33.0, 59.0, 37.0, 104.0, kFaceFixed, 12, 1, true, true},
    {38.0, 59.0, 45.0, 187.0, kFaceProportional, 8, 2, true, false},
    {47.0, 14.5, 50.0, 138.5, kFaceProportional, 8, 1, true, true},
    {70.8, 14.5, 74.8, 58.0, kFaceProportional, 13, 1, true, true},
    {10.0, 25.0, 12.5, 59.5, kFaceProportional, 9, 1, true, true},
    {17.5, 82.0, 20.5, 185.5, kFaceProportional, 8, 1, true, true},
    {27.2, 58.5, 30.2, 60.5, kFaceProportional, 10, 1, true, false},
    {17.0, 57.0, 20.0, 75.0, kFaceProportional, 8, 1, true, true},
    {276.6, 169.5, 282.1, 187.5, kFaceProportional, 8, 2, true, false},
};

}  // namespace

void InitBoxTable(BoxTable& table) {
  for (int i = 1; i <= kBoxCount; ++i) {
    LayoutBox& b = table[i];
    b = LayoutBox{};
    SetFontName(b, kFaceReset);
  }
}

void SetDefaultBoxes(BoxTable& table) {
  for (int i = 1; i <= kBoxCount; ++i) {
    const BoxDefaults& d = kDefaults[i - 1];
    LayoutBox& b = table[i];
    b.Top = d.top;
    b.Left = d.left;
    b.Bottom = d.bottom;
    b.Right = d.right;
    b.FontSize = d.size;
    SetFontName(b, d.font);
    b.LinesPerPage = d.linesPerPage;
    b.Fixed = d.fixed;
    b.JustifyAll = d.justifyAll;
  }
  LayoutBox& overview = table[2];
  overview.MarginTop = overview.MarginLeft = overview.MarginRight = overview.MarginBottom = 1.0;
  LayoutBox& notes = table[3];
  notes.MarginTop = 1.0;
  notes.MarginLeft = 1.0;
  notes.MarginRight = 2.0;
  notes.MarginBottom = 0.0;
  notes.TabPos = 14.0;
  for (int i : {4, 6, 9}) table[i].FontStyle = kFontBold;
}

double InnerWidth(const LayoutBox& box) {
  return box.Right - box.Left - box.MarginRight - box.MarginLeft;
}

int EffectiveFontSize(const LayoutBox& box) { return std::clamp(box.FontSize, 1, 100); }

double EffectiveTabPos(const LayoutBox& box) {
  return box.TabPos >= 0 && box.TabPos < InnerWidth(box) ? box.TabPos : kDefaultNotesTabLen;
}

std::u16string FontNameText(const LayoutBox& box) { return DecodeCp932(box.FontName); }

void SetFontName(LayoutBox& box, std::u16string_view name) {
  box.FontName = Cp932Prefix(name, kFontNameBytes);
}

}  // namespace mirelo
