// The fonts of the form. The form names two Windows faces; the program maps
// them to their closest free equivalents itself, so every machine measures
// and draws alike with no system configuration.
#pragma once

#include <QFont>
#include <QString>

#include <string_view>

namespace mirelo::qt {

// Registers the face substitutions once per process; idempotent.
void InstallFontSubstitutions();

// Debian's proportional Japanese face, whose Latin letters and digits are
// proportional too and drawn to go with its kana.
QString ProportionalJapaneseFace();

// The font for a face name and point size as measuring and drawing use it:
// name and size, unhinted. Point sizes count within 1 to 1000.
QFont FormFont(std::u16string_view faceName, int pointSize);

}  // namespace mirelo::qt
