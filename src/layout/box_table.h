// The 14 text boxes of the page: rectangle and insets in mm, font, paging
// and the wrapped output lines of each box.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/form_faces.h"

namespace mirelo {

inline constexpr int kBoxCount = 14;
inline constexpr std::size_t kFontNameBytes = 31;  // capacity of FontName in code page 932

// Bit flags of LayoutBox::FontStyle.
inline constexpr std::uint8_t kFontBold = 1;

struct LayoutBox {
  double Top = 0, Left = 0, Bottom = 0, Right = 0;
  double TabPos = 0;
  double MarginTop = 0, MarginLeft = 0, MarginRight = 0, MarginBottom = 0;
  int FontSize = 10;
  std::string FontName;  // code page 932 bytes, at most kFontNameBytes
  int LinesPerPage = 1;
  bool Fixed = false;
  std::uint8_t FontStyle = 0;
  std::vector<std::u16string> LineList;
  bool JustifyAll = false;
};

// Boxes are numbered 1 to 14, as the form numbers them.
class BoxTable {
 public:
  LayoutBox& operator[](int box) { return boxes_.at(static_cast<std::size_t>(box - 1)); }
  const LayoutBox& operator[](int box) const {
    return boxes_.at(static_cast<std::size_t>(box - 1));
  }

 private:
  std::array<LayoutBox, kBoxCount> boxes_;
};

void InitBoxTable(BoxTable& table);
void SetDefaultBoxes(BoxTable& table);

double InnerWidth(const LayoutBox& box);

// Boxes 2 and 3 take their font size, line count and tab position from the
// settings file as it was read, and the settings keep those values so that
// the file is written back as it was. The layout and the drawing use these
// instead, repaired where the file holds a value that cannot work:
// a font size below 1 point counts as 1, one above 100 as 100;
int EffectiveFontSize(const LayoutBox& box);
// a tab position that is not inside the box's inner width (negative, wider
// than the box, not a number) counts as the default number column.
double EffectiveTabPos(const LayoutBox& box);

// FontName as text, and set from text: cut to at most 31 bytes of code page
// 932 at a character boundary.
std::u16string FontNameText(const LayoutBox& box);
void SetFontName(LayoutBox& box, std::u16string_view name);

}  // namespace mirelo
