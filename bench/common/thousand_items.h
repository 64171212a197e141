// A survey data file of 1,000 special-note items, written the same for every
// run: 31 pages of the form with the default settings.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace mirelo::bench {

inline void WriteThousandItemSurvey(const std::filesystem::path& path) {
  static const char* const kSentences[] = {
      "歩行は見守りが必要で、屋内では伝い歩きをしているが、屋外では杖を使用している。",
      "介護者の付き添いがあれば１５分程度の散歩ができるが、段差ではふらつきがみられる。",
      "夜間のトイレ移動の際に転倒したことが２回あり、家族が付き添っている（週3回程度）。",
      "食事は自分でできるが、きざみ食で、むせ込みがあるため見守りが必要である。",
      "服薬はピルケースで管理しているが、飲み忘れが月に数回あるとのこと。",
      "本人は「一人でできる」と話すが、家族によると入浴時の洗身は一部介助している。",
      "認知症の診断あり（HDS-R 18点）。日時の見当識に低下がみられる。",
      "週2回デイサービスを利用し、入浴はそこで行っている。",
  };
  // A fixed linear congruential sequence, so the file never changes.
  std::uint64_t state = 12345;
  const auto next = [&state] {
    state = (state * 1103515245 + 12345) % 2147483648u;
    return static_cast<unsigned>(state >> 16);
  };
  const std::string key = "999999912345678901";
  std::string file = "\xEF\xBB\xBF" + key + "0000000020240312";
  for (int i = 0; i < 1000; ++i) {
    char code[9];
    std::snprintf(code, sizeof code, "%02d%02d0001", i / 50 + 1, i % 50 + 1);
    const int sentences = 1 + (next() % 8 < 3 ? 1 : 0);
    std::string text;
    for (int s = 0; s < sentences; ++s) text += kSentences[next() % 8];
    file += "\r\n" + key + code + text;
  }
  file += "\r\n";
  std::ofstream(path, std::ios::binary | std::ios::trunc) << file;
}

}  // namespace mirelo::bench
