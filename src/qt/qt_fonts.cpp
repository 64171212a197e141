#include "qt/qt_fonts.h"

#include <QString>

#include <algorithm>
#include <mutex>

#include "layout/box_table.h"
#include "qt/qt_text.h"

namespace mirelo::qt {

QString ProportionalJapaneseFace() { return QStringLiteral("IPAPGothic"); }

void InstallFontSubstitutions() {
  static std::once_flag once;
  std::call_once(once, [] {
    // IPAPGothic is proportional like the form's proportional face, IPAGothic
    // fixed like its fixed face; both come with Debian's fonts-ipafont-gothic.
    const QString proportional = ProportionalJapaneseFace();
    QFont::insertSubstitution(ToQString(kFaceProportional), proportional);
    QFont::insertSubstitution(ToQString(kFaceReset), proportional);
    QFont::insertSubstitution(ToQString(kFaceFixed), QStringLiteral("IPAGothic"));
  });
}

QFont FormFont(std::u16string_view faceName, int pointSize) {
  InstallFontSubstitutions();
  QFont font(ToQString(faceName));
  // Sizes come from the settings file as read; keep them within what a
  // font can be.
  font.setPointSize(std::clamp(pointSize, 1, 1000));
  // The advances of hinted glyphs would follow the machine's (or the user's)
  // font configuration; unhinted ones depend on the font file alone, so
  // every machine breaks the lines alike, and draws what it measured.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

}  // namespace mirelo::qt
