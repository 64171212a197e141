#include "qt/qt_text_measurer.h"

#include <QChar>
#include <QGlyphRun>
#include <QString>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

#include "qt/context_free_font.h"
#include "qt/qt_fonts.h"
#include "qt/qt_text.h"
#include "render/device_mapping.h"

namespace mirelo::qt {

namespace {

// The code point whose last unit is at index i, or 0 for the high half of a
// pair (its code point is taken at the low half).
char32_t CodePointEndingAt(const QString& s, qsizetype i) {
  const QChar c = s.at(i);
  if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) return 0;
  if (c.isLowSurrogate() && i > 0 && s.at(i - 1).isHighSurrogate())
    return QChar::surrogateToUcs4(s.at(i - 1), c);
  return c.unicode();
}

char32_t CodePointAt(const QString& s, qsizetype i) {
  const QChar c = s.at(i);
  if (c.isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate())
    return QChar::surrogateToUcs4(c, s.at(i + 1));
  return c.unicode();
}

bool IsScriptOfItsOwn(char32_t cp) {
  const QChar::Script script = QChar::script(cp);
  return script != QChar::Script_Common && script != QChar::Script_Inherited;
}

// Text a shaper handles character by character: scripts without reordering,
// joining or syllable composition, left to right only, and no character that
// the layout treats otherwise than the metrics do (controls, format
// characters, separators, object replacement).
bool PlainText(const QString& s) {
  for (qsizetype i = 0; i < s.size(); ++i) {
    const char32_t cp = CodePointAt(s, i);
    if (cp > 0xFFFF) ++i;
    switch (QChar::category(cp)) {
      case QChar::Other_Control:
      case QChar::Other_Format:
      case QChar::Other_Surrogate:
      case QChar::Separator_Line:
      case QChar::Separator_Paragraph:
        return false;
      default:
        break;
    }
    if (cp == QChar::ObjectReplacementCharacter) return false;
    switch (QChar::direction(cp)) {
      case QChar::DirR:
      case QChar::DirAL:
      case QChar::DirAN:
      case QChar::DirLRE:
      case QChar::DirLRO:
      case QChar::DirRLE:
      case QChar::DirRLO:
      case QChar::DirPDF:
      case QChar::DirLRI:
      case QChar::DirRLI:
      case QChar::DirFSI:
      case QChar::DirPDI:
        return false;
      default:
        break;
    }
    switch (QChar::script(cp)) {
      case QChar::Script_Common:
      case QChar::Script_Inherited:
      case QChar::Script_Latin:
      case QChar::Script_Greek:
      case QChar::Script_Cyrillic:
      case QChar::Script_Han:
      case QChar::Script_Hiragana:
      case QChar::Script_Katakana:
        break;
      default:
        return false;
    }
  }
  return true;
}

// Whether the character ending before k and the one starting at k are apart:
// not the halves of a pair, and the second no mark or selector that the
// shaper joins to the first, nor a character that a font of the line joins
// to the one before it.
bool CharactersApartAt(const QString& s, qsizetype k, const QSet<char32_t>& joiners) {
  if (s.at(k).isLowSurrogate() && s.at(k - 1).isHighSurrogate()) return false;
  const char32_t cp = CodePointAt(s, k);
  if (joiners.contains(cp)) return false;
  switch (QChar::category(cp)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
      return false;
    default:
      return true;
  }
}

}  // namespace

QtTextMeasurer::QtTextMeasurer(int dotsPerInch, bool fastPrefixWidths)
    : dpi_(dotsPerInch), fast_(fastPrefixWidths), device_(1, 1, QImage::Format_RGB32) {
  // Font metrics on a QImage depend on its dots per inch alone, so this
  // small image measures exactly as the A4 preview bitmap does.
  const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
  device_.setDotsPerMeterX(dotsPerMeter);
  device_.setDotsPerMeterY(dotsPerMeter);
  SetFont(u"", 10);
}

void QtTextMeasurer::SetFont(std::u16string_view faceName, int pointSize) {
  const auto key = std::make_pair(std::u16string(faceName), pointSize);
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    QFont font = FormFont(faceName, pointSize);
    QFontMetrics metrics(font, &device_);
    it = fonts_.emplace(key, MeasuringFont{std::move(font), std::move(metrics)}).first;
  }
  font_ = &it->second;
  pointSize_ = pointSize;
}

int QtTextMeasurer::FontHeight() const { return CharacterHeight(pointSize_, dpi_); }

int QtTextMeasurer::TextWidth(std::u16string_view text) {
  return font_->metrics.horizontalAdvance(ToQString(text));
}

void QtTextMeasurer::PrefixWidths(std::u16string_view text, std::vector<int>& widths) {
  if (!fast_) {
    TextMeasurer::PrefixWidths(text, widths);
    return;
  }
  MeasurePrefixes(text, widths);
}

// A prefix measured alone and the same prefix inside the shaped line have
// the same glyphs and advances (and so the same rounded width) when
// - every font the line uses shapes each character apart from its
//   neighbours (ReadFontShaping: no kerning, no contextual lookup, and
//   ligatures only onto known characters), and the prefix does not end
//   before a character that one of them joins to the one before;
// - the line is plain left-to-right text in scripts the shaper takes
//   character by character (PlainText), so bidi and itemizing do not depend
//   on what follows, with one exception handled next;
// - the prefix holds a character of a script of its own: characters common
//   to all scripts (digits, punctuation, spaces) take the script of the text
//   before them, and at the start of a text that of the first one after, so
//   a prefix of only such characters could get a different font fallback
//   alone than inside the line;
// - the prefix does not end inside a surrogate pair or before a combining
//   mark or variation selector, which the shaper joins to its base, nor
//   anywhere else inside what the layout takes as one character.
// All other prefixes are measured alone. Sums of advances are exact (fixed
// point), so equal advances give equal sums and equal rounding.
void QtTextMeasurer::MeasurePrefixes(std::u16string_view text, std::vector<int>& widths) {
  const qsizetype n = static_cast<qsizetype>(text.size());
  const QString s = ToQString(text);
  if (n < 2 || !PlainText(s)) {
    TextMeasurer::PrefixWidths(text, widths);
    return;
  }
  QTextLayout layout(s, font_->font, &device_);
  // Keep the shaped glyphs after the line is laid out; otherwise asking for
  // glyph runs or positions shapes the text again.
  layout.setCacheEnabled(true);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setNumColumns(static_cast<int>(n));
  layout.endLayout();
  const QList<QGlyphRun> runs = layout.glyphRuns();
  QSet<char32_t> joiners;
  bool positionsNothing = true;
  for (const QGlyphRun& run : runs) {
    const FontShaping& shaping = ShapingOf(run.rawFont());
    if (!shaping.apart) {
      TextMeasurer::PrefixWidths(text, widths);
      return;
    }
    joiners.unite(shaping.joinsPrevious);
    positionsNothing = positionsNothing && shaping.positionsNothing;
  }
  // With one font, one glyph per code unit and no positioning, glyph k starts
  // exactly where the first k units end: the x of every prefix in one pass,
  // where asking the line for each costs a walk over its items every time.
  QList<QPointF> glyphStarts;
  if (runs.size() == 1 && positionsNothing && runs.front().glyphIndexes().size() == n)
    glyphStarts = runs.front().positions();

  widths.resize(static_cast<std::size_t>(n));
  bool ownScript = false;
  for (qsizetype k = 1; k <= n; ++k) {
    const char32_t last = CodePointEndingAt(s, k - 1);
    ownScript = ownScript || (last != 0 && IsScriptOfItsOwn(last));
    int width;
    if (k == n)
      width = qRound(line.cursorToX(static_cast<int>(k)));
    else if (!ownScript || !CharactersApartAt(s, k, joiners) ||
             !layout.isValidCursorPosition(static_cast<int>(k)))
      width = TextWidth(text.substr(0, static_cast<std::size_t>(k)));
    else if (!glyphStarts.isEmpty())
      width = qRound(glyphStarts[k].x());
    else
      width = qRound(line.cursorToX(static_cast<int>(k)));
    widths[static_cast<std::size_t>(k - 1)] = width;
  }
}

const FontShaping& QtTextMeasurer::ShapingOf(const QRawFont& font) {
  for (const auto& [seen, shaping] : fontShapings_)
    if (seen == font) return shaping;
  return fontShapings_.emplace_back(font, ReadFontShaping(font)).second;
}

}  // namespace mirelo::qt
