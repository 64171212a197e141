#include "qt/qt_system_services.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace mirelo::qt {

int QtSystemServices::ScreenDpi() {
  // The toolkit scales its own pixels by the device pixel ratio; the page is
  // drawn at the screen's real dots.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 96;
  const double dpi = screen->logicalDotsPerInch() * screen->devicePixelRatio();
  return dpi >= 1 ? static_cast<int>(std::lround(dpi)) : 96;
}

}  // namespace mirelo::qt
