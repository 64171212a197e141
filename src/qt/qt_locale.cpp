#include "qt/qt_locale.h"

#include <QLocale>
#include <QString>

namespace mirelo::qt {

char16_t QtLocaleInfo::DecimalSeparator() const {
  QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? u'.' : point.at(0).unicode();
}

}  // namespace mirelo::qt
