// Fuzzes line breaking on arbitrary text in a box of arbitrary width and tab
// position, with a measurer of fixed widths. Every call must end, every line
// must keep to the length limit, no character may be lost, no surrogate pair
// may be split, and measuring prefixes one at a time or all at once must
// give the same lines.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/text_encoding.h"
#include "fake_text_measurer.h"
#include "fuzz_check.h"
#include "layout/box_table.h"
#include "layout/line_breaking.h"

namespace {

using namespace mirelo;

// The fake's widths, looked up in a table rather than a map: measuring every
// prefix anew is what the slow way does, and it is most of the run time.
class TableMeasurer : public test::FakeTextMeasurer {
 public:
  explicit TableMeasurer(bool fast) : fast_(fast) {}
  bool HasFastPrefixWidths() const override { return fast_; }

  void SetWidths(int all, int tabMark, int wide) {
    table_.fill(all);
    table_[kTabMark] = tabMark;
    table_[u'W'] = wide;
    pairWidth_ = wide;  // every pair: the fuzzer's pairs are U+20BB7 and U+E0100
  }

  int TextWidth(std::u16string_view text) override {
    ++measurements;
    int sum = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
        sum += pairWidth_;
        ++i;
      } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
        ++halfPairMeasurements;
        sum += halfPairWidth;
      } else {
        sum += table_[c];
      }
    }
    return sum;
  }

 private:
  bool fast_;
  std::array<int, 0x10000> table_{};
  int pairWidth_ = 0;
};

// Characters that steer the breaking or that it must not split; the fuzzer
// reaches them through single bytes below 0x20.
const std::u16string kSpecials[] = {std::u16string(1, kTabMark),
                                    std::u16string(1, kLineBreakMark),
                                    kLineBreakText,
                                    u"\u3000",
                                    u" ",
                                    u"\t",
                                    u"\r\n",
                                    std::u16string(1, u'\0'),
                                    u"\xD842",
                                    u"\xDFB7",
                                    u"\xD842\xDFB7",
                                    u"\uFE00",
                                    u"\xDB40\xDD00",
                                    u"[",
                                    u"]",
                                    u"改行",
                                    u"葛\xDB40\xDD00",
                                    u"W",
                                    u"i",
                                    u"\u00A0"};
constexpr std::size_t kSpecialCount = sizeof kSpecials / sizeof kSpecials[0];

// Other bytes below 0x80 are themselves; a byte of 0x80 or more and the
// byte after it give one code unit from U+3000 on (kana, CJK, surrogates,
// private use).
std::u16string TextFrom(FuzzedDataProvider& in) {
  std::u16string text;
  while (in.remaining_bytes() > 0) {
    const std::uint8_t b = in.ConsumeIntegral<std::uint8_t>();
    if (b < kSpecialCount) {
      text += kSpecials[b];
    } else if (b < 0x80) {
      text += static_cast<char16_t>(b);
    } else {
      const std::uint8_t low = in.ConsumeIntegral<std::uint8_t>();
      text += static_cast<char16_t>(0x3000 + (((b - 0x80) << 8) | low));
    }
  }
  return text;
}

bool WellFormed(std::u16string_view s) {
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (IsHighSurrogate(s[i])) {
      if (i + 1 == s.size() || !IsLowSurrogate(s[i + 1])) return false;
      ++i;
    } else if (IsLowSurrogate(s[i])) {
      return false;
    }
  }
  return true;
}

// What FillBox is to keep of text: the ends trimmed, the forced breaks and
// the TabMarks taken out.
std::u16string Kept(std::u16string text) {
  std::size_t b = 0, e = text.size();
  while (b < e && text[b] <= u' ') ++b;
  while (e > b && text[e - 1] <= u' ') --e;
  text = text.substr(b, e - b);
  const std::u16string marker(kLineBreakText);
  for (std::size_t at = text.find(marker); at != std::u16string::npos; at = text.find(marker, at))
    text.replace(at, marker.size(), 1, kLineBreakMark);
  std::u16string out;
  for (char16_t c : text)
    if (c != kTabMark && c != kLineBreakMark) out += c;
  return out;
}

std::vector<std::u16string> Fill(const LayoutBox& shape, std::u16string_view text,
                                 TextMeasurer& measurer, double pixelsPerMm) {
  BoxTable boxes;
  InitBoxTable(boxes);
  boxes[3] = shape;
  FillBox(boxes, 3, text, measurer, pixelsPerMm);
  return boxes[3].LineList;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  LayoutBox shape;
  shape.Left = 0;
  shape.Right = in.ConsumeIntegralInRange(-40, 800) / 4.0;
  shape.TabPos = in.ConsumeIntegralInRange(-40, 400) / 4.0;
  constexpr int kDpis[] = {96, 72, 120, 600, 1};
  const double pixelsPerMm = kDpis[in.ConsumeIntegralInRange(0, 4)] / 25.4;
  const int defaultWidth = in.ConsumeIntegralInRange(0, 200);
  const int tabWidth = in.ConsumeIntegralInRange(0, 50);
  const int wideWidth = in.ConsumeIntegralInRange(0, 5000);
  const std::u16string text = TextFrom(in);

  static TableMeasurer slow(false), fast(true);  // static, for the tables are large
  for (TableMeasurer* m : {&slow, &fast}) {
    m->SetWidths(defaultWidth, tabWidth, wideWidth);
    m->halfPairMeasurements = 0;
  }
  const std::vector<std::u16string> lines = Fill(shape, text, slow, pixelsPerMm);
  Check(Fill(shape, text, fast, pixelsPerMm) == lines);

  std::u16string joined;
  for (const std::u16string& line : lines) {
    Check(!line.empty());
    Check(line.size() <= kMaxLineLength);
    for (char16_t c : line) {
      Check(c != kLineBreakMark);
      if (c != kTabMark) joined += c;
    }
  }
  const std::u16string kept = Kept(text);
  Check(joined == kept);
  // A text without lone surrogates is never cut inside a pair, and no prefix
  // that ends inside one is measured one at a time. (PrefixWidths gives the
  // width of every prefix by its contract; what matters there is that the
  // lines are the same.)
  if (WellFormed(text)) {
    for (const std::u16string& line : lines) Check(WellFormed(line));
    Check(slow.halfPairMeasurements == 0);
  }
  return 0;
}
