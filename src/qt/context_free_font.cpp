#include "qt/context_free_font.h"

#include <QSet>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mirelo::qt {

namespace {

// Big-endian reads that turn any read past the end into a failure.
class TableReader {
 public:
  explicit TableReader(QByteArray data) : data_(std::move(data)) {}
  bool ok() const { return ok_; }
  bool empty() const { return data_.isEmpty(); }
  std::uint16_t U16(qsizetype at) {
    if (at < 0 || at + 2 > data_.size()) return Fail();
    const auto* p = reinterpret_cast<const unsigned char*>(data_.constData()) + at;
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
  }
  std::uint32_t U32(qsizetype at) { return (std::uint32_t{U16(at)} << 16) | U16(at + 2); }
  std::array<char, 4> Tag(qsizetype at) {
    const std::uint32_t t = U32(at);
    return {char(t >> 24), char(t >> 16), char(t >> 8), char(t)};
  }

 private:
  std::uint16_t Fail() {
    ok_ = false;
    return 0;
  }
  QByteArray data_;
  bool ok_ = true;
};

// Features a shaper leaves off in horizontal text unless asked for them.
bool OffByDefault(const std::array<char, 4>& tag) {
  static constexpr std::string_view kOff[] = {
      "aalt", "afrc", "c2pc", "c2sc", "case", "cpsp", "cswh", "dlig", "dnom", "expt", "falt",
      "frac", "fwid", "halt", "hist", "hkna", "hlig", "hngl", "hojo", "hwid", "ital", "jalt",
      "jp04", "jp78", "jp83", "jp90", "lfbd", "lnum", "mgrk", "nalt", "nlck", "numr", "onum",
      "opbd", "ordn", "ornm", "palt", "pcap", "pkna", "pnum", "pwid", "qwid", "rtbd", "ruby",
      "salt", "sinf", "smcp", "smpl", "subs", "sups", "swsh", "titl", "tnum", "trad", "twid",
      "unic", "valt", "vert", "vhal", "vkna", "vkrn", "vpal", "vrt2", "vrtr", "zero"};
  const std::string_view t(tag.data(), 4);
  for (std::string_view off : kOff)
    if (t == off) return true;
  const bool twoDigits = t[2] >= '0' && t[2] <= '9' && t[3] >= '0' && t[3] <= '9';
  return twoDigits && (t.substr(0, 2) == "ss" || t.substr(0, 2) == "cv");
}

// The lookup indices that default shaping may apply: those of features not
// off by default, and of every required feature.
QSet<int> AppliedLookups(TableReader& t) {
  QSet<int> lookups;
  const qsizetype scriptList = t.U16(4), featureList = t.U16(6);
  QSet<int> required;
  const auto readLangSys = [&](qsizetype langSys) {
    const std::uint16_t req = t.U16(langSys + 2);
    if (req != 0xFFFF) required.insert(req);
  };
  const int scripts = t.U16(scriptList);
  for (int s = 0; s < scripts && t.ok(); ++s) {
    const qsizetype script = scriptList + t.U16(scriptList + 2 + 6 * s + 4);
    if (std::uint16_t def = t.U16(script)) readLangSys(script + def);
    const int langs = t.U16(script + 2);
    for (int l = 0; l < langs && t.ok(); ++l) readLangSys(script + t.U16(script + 4 + 6 * l + 4));
  }
  const int features = t.U16(featureList);
  for (int f = 0; f < features && t.ok(); ++f) {
    const qsizetype record = featureList + 2 + 6 * f;
    if (OffByDefault(t.Tag(record)) && !required.contains(f)) continue;
    const qsizetype feature = featureList + t.U16(record + 4);
    const int count = t.U16(feature + 2);
    for (int i = 0; i < count && t.ok(); ++i) lookups.insert(t.U16(feature + 4 + 2 * i));
  }
  return lookups;
}

struct Subtable {
  int type;
  qsizetype offset;
};

// The subtables of one lookup with their real type (extensions resolved).
QList<Subtable> LookupSubtables(TableReader& t, int index, int extensionType) {
  QList<Subtable> out;
  const qsizetype lookupList = t.U16(8);
  if (index >= t.U16(lookupList)) {
    t.U16(-1);  // an index past the list: unreadable
    return out;
  }
  const qsizetype lookup = lookupList + t.U16(lookupList + 2 + 2 * index);
  const int type = t.U16(lookup);
  const int count = t.U16(lookup + 4);
  for (int s = 0; s < count && t.ok(); ++s) {
    const qsizetype sub = lookup + t.U16(lookup + 6 + 2 * s);
    if (type == extensionType)
      out.append({t.U16(sub + 2), sub + static_cast<qsizetype>(t.U32(sub + 4))});
    else
      out.append({type, sub});
  }
  return out;
}

bool PositionsApart(const QRawFont& font) {
  TableReader t(font.fontTable("GPOS"));
  if (t.empty()) return true;
  for (int index : AppliedLookups(t)) {
    for (const Subtable& sub : LookupSubtables(t, index, 9)) {
      // 1 single adjustment; 4, 5, 6 attach a mark to what precedes it.
      if (sub.type != 1 && sub.type != 4 && sub.type != 5 && sub.type != 6) return false;
    }
  }
  return t.ok();
}

// Adds every ligature component after the first to components, and every
// ligature glyph to made; false if unreadable.
bool CollectLigatures(TableReader& t, qsizetype sub, QSet<int>& components, QSet<int>& made) {
  if (t.U16(sub) != 1) return false;
  const int sets = t.U16(sub + 4);
  for (int s = 0; s < sets && t.ok(); ++s) {
    const qsizetype set = sub + t.U16(sub + 6 + 2 * s);
    const int ligatures = t.U16(set);
    for (int l = 0; l < ligatures && t.ok(); ++l) {
      const qsizetype lig = set + t.U16(set + 2 + 2 * l);
      made.insert(t.U16(lig));
      const int count = t.U16(lig + 2);
      for (int c = 1; c < count && t.ok(); ++c) components.insert(t.U16(lig + 4 + 2 * (c - 1)));
    }
  }
  return t.ok();
}

// Adds to joiners every character that the font's Unicode cmaps map to one
// of glyphs; false if unreadable. A glyph no character maps to can only come
// from a substitution, and the caller has ruled those out.
bool CharactersOf(const QRawFont& font, const QSet<int>& glyphs, QSet<char32_t>& joiners) {
  TableReader t(font.fontTable("cmap"));
  // In order, so that each run of glyphs of a group is found by search
  // rather than by a walk over all of them.
  std::vector<std::uint32_t> sorted(glyphs.begin(), glyphs.end());
  std::sort(sorted.begin(), sorted.end());
  const auto see = [&](char32_t cp, int glyph) {
    if (glyphs.contains(glyph)) joiners.insert(cp);
  };
  const int records = t.U16(2);
  for (int r = 0; r < records && t.ok(); ++r) {
    const int platform = t.U16(4 + 8 * r), encoding = t.U16(6 + 8 * r);
    const bool unicode = platform == 0 || (platform == 3 && (encoding == 1 || encoding == 10));
    if (!unicode) continue;
    const qsizetype sub = t.U32(8 + 8 * r);
    const int format = t.U16(sub);
    if (format == 14) continue;  // variation sequences: a base with its selector
    if (format == 4) {
      const int segments = t.U16(sub + 6) / 2;
      const qsizetype ends = sub + 14, starts = ends + 2 * segments + 2;
      const qsizetype deltas = starts + 2 * segments, ranges = deltas + 2 * segments;
      for (int s = 0; s < segments && t.ok(); ++s) {
        const int end = t.U16(ends + 2 * s), start = t.U16(starts + 2 * s);
        const int delta = t.U16(deltas + 2 * s), range = t.U16(ranges + 2 * s);
        for (int cp = start; cp <= end && cp != 0xFFFF && t.ok(); ++cp) {
          int glyph;
          if (range == 0) {
            glyph = (cp + delta) & 0xFFFF;
          } else {
            glyph = t.U16(ranges + 2 * s + range + 2 * (cp - start));
            if (glyph != 0) glyph = (glyph + delta) & 0xFFFF;
          }
          if (glyph != 0) see(char32_t(cp), glyph);
        }
      }
    } else if (format == 12) {
      const std::uint32_t groups = t.U32(sub + 12);
      for (std::uint32_t g = 0; g < groups && t.ok(); ++g) {
        const qsizetype group = sub + 16 + 12 * qsizetype(g);
        const std::uint32_t first = t.U32(group), last = t.U32(group + 4), glyph = t.U32(group + 8);
        for (auto it = std::lower_bound(sorted.begin(), sorted.end(), glyph);
             it != sorted.end() && *it - glyph <= last - first; ++it)
          see(first + (*it - glyph), static_cast<int>(*it));
      }
    } else {
      return false;  // a mapping this check does not read
    }
  }
  return t.ok();
}

bool SubstitutesApart(const QRawFont& font, QSet<char32_t>& joiners) {
  TableReader t(font.fontTable("GSUB"));
  if (t.empty()) return true;
  QSet<int> components, made;
  bool otherSubstitutions = false;
  for (int index : AppliedLookups(t)) {
    for (const Subtable& sub : LookupSubtables(t, index, 7)) {
      switch (sub.type) {
        case 1:
        case 2:
        case 3:
          otherSubstitutions = true;
          break;
        case 4:
          if (!CollectLigatures(t, sub.offset, components, made)) return false;
          break;
        default:
          return false;  // contextual: looks at the neighbours
      }
    }
  }
  if (!t.ok()) return false;
  if (components.isEmpty()) return true;
  if (otherSubstitutions || components.intersects(made)) return false;
  return CharactersOf(font, components, joiners);
}

}  // namespace

FontShaping ReadFontShaping(const QRawFont& font) {
  FontShaping shaping;
  if (!font.isValid()) return shaping;
  for (const char* tag : {"kern", "kerx", "morx", "mort"})
    if (!font.fontTable(tag).isEmpty()) return shaping;
  shaping.apart = PositionsApart(font) && SubstitutesApart(font, shaping.joinsPrevious);
  shaping.positionsNothing = font.fontTable("GPOS").isEmpty();
  if (!shaping.apart) shaping.joinsPrevious.clear();
  return shaping;
}

}  // namespace mirelo::qt
