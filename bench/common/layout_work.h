// The layout work both builds' benchmarks time: the special notes of a
// survey of 1,000 items with long notes, composed into box 3 and every line
// placed, on a measurer that has measured nothing before.
#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/text_marks.h"
#include "layout/box_table.h"
#include "layout/char_placement.h"
#include "layout/kept_widths_measurer.h"
#include "layout/line_breaking.h"

namespace mirelo::bench {

constexpr int kLayoutDpi = 96;
constexpr double kLayoutPpm = kLayoutDpi / 25.4;

// Item texts as the special-notes box receives them: a number label, the
// TabMark, and a note of several sentences of Japanese with some Latin,
// digits and a forced break.
inline std::vector<std::u16string> SurveyItems() {
  const std::u16string sentences[] = {
      u"歩行は見守りが必要で、屋内では伝い歩きをしているが、屋外では杖を使用している。",
      u"介護者の付き添いがあれば１５分程度の散歩ができるが、段差ではふらつきがみられる。",
      u"夜間のトイレ移動の際に転倒したことが２回あり、家族が付き添っている（週3回程度）。",
      u"食事は自分でできるが、きざみ食で、むせ込みがあるため見守りが必要である。",
      u"服薬はピルケースで管理しているが、飲み忘れが月に数回あるとのこと。",
      u"本人は「一人でできる」と話すが、家族によると入浴時の洗身は一部介助している。",
      u"認知症の診断あり（HDS-R 18点）。日時の見当識に低下がみられる。",
      u"[改行]週2回デイサービスを利用し、入浴はそこで行っている。",
  };
  std::mt19937 random(1000);
  std::uniform_int_distribution<std::size_t> pick(0, std::size(sentences) - 1);
  std::uniform_int_distribution<int> count(4, 10);
  std::vector<std::u16string> items;
  for (int i = 1; i <= 1000; ++i) {
    std::u16string text = u"(" + std::u16string(1, char16_t(u'0' + i % 10)) + u")";
    text += kTabMark;
    for (int s = count(random); s > 0; --s) text += sentences[pick(random)];
    items.push_back(std::move(text));
  }
  return items;
}

// Composes box 3 from every item and places every line, as the first page
// drawn after composition and then every further page do, on a measurer
// that has measured nothing before.
// makeMeasurer makes the platform's measurer; kept puts what was measured
// in front of it, as the program does.
inline void LayOut(benchmark::State& state,
                   const std::function<std::unique_ptr<TextMeasurer>()>& makeMeasurer, bool kept) {
  const std::vector<std::u16string> items = SurveyItems();
  BoxTable boxes;
  InitBoxTable(boxes);
  SetDefaultBoxes(boxes);
  boxes[3].TabPos = 15.0;
  const LayoutBox& box = boxes[3];
  CharPositions positions;
  std::size_t lines = 0;
  for (auto _ : state) {
    // A measurer of its own for every composition, as a run starts with:
    // nothing measured before counts.
    std::unique_ptr<TextMeasurer> measurer = makeMeasurer();
    if (kept) measurer = std::make_unique<KeptWidthsMeasurer>(std::move(measurer));
    boxes[3].LineList.clear();
    for (const std::u16string& item : items) FillBox(boxes, 3, item, *measurer, kLayoutPpm);
    for (const std::u16string& line : box.LineList) {
      PlaceCharacters(positions, line, InnerWidth(box), box.TabPos, *measurer, kLayoutPpm);
      benchmark::DoNotOptimize(positions);
    }
    lines = box.LineList.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
}

}  // namespace mirelo::bench
