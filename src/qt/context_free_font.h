// Whether a font shapes every character apart from its neighbours, so that
// the glyphs of a prefix are the same whether the prefix is shaped alone or
// as part of a longer text.
#pragma once

#include <QRawFont>
#include <QSet>

namespace mirelo::qt {

// How far the shaping of a font reaches across characters, in horizontal
// text with the features a shaper applies by default.
struct FontShaping {
  // True when no substitution or positioning reaches from one character to
  // the next, except ligatures onto the characters in joinsPrevious. Read
  // from the font's tables:
  // - no 'kern', 'kerx', 'morx' or 'mort' table;
  // - GPOS: only single adjustments and mark attachments;
  // - GSUB: single, multiple and alternate substitutions, and ligatures;
  //   when the font has ligatures, nothing else that could make one of their
  //   components out of another character.
  // Lookups reached only through features that are off by default (vertical
  // forms, proportional or half widths, stylistic sets and the like) are
  // not counted. Anything the check cannot read counts as reaching across.
  bool apart = false;
  // The characters that can be a ligature's second or later component: a
  // text cut just before one of them may shape differently (the combining
  // sound marks of kana, and the tone letters that IPA fonts join).
  QSet<char32_t> joinsPrevious;
  // True when the font has no positioning table: every glyph sits where the
  // advances before it end, apart from marks the shaper places itself.
  bool positionsNothing = false;
};

FontShaping ReadFontShaping(const QRawFont& font);

}  // namespace mirelo::qt
