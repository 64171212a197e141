#include "qt/qt_window_platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSocketNotifier>

#include <cmath>

#include "base/messages.h"
#include "posix/termination_signals.h"
#include "qt/qt_bitmaps.h"
#include "qt/qt_main_window.h"
#include "qt/qt_preview_image.h"
#include "qt/qt_settings_dialog.h"
#include "qt/qt_text_measurer.h"

namespace mirelo::qt {

int QtWindowPlatform::ScreenDpi() {
  // The toolkit scales its own pixels by the device pixel ratio; the page is
  // drawn at the screen's real dots.
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 96;
  const double dpi = screen->logicalDotsPerInch() * screen->devicePixelRatio();
  return dpi >= 1 ? static_cast<int>(std::lround(dpi)) : 96;
}

std::unique_ptr<TextMeasurer> QtWindowPlatform::CreatePreviewMeasurer(int dotsPerInch) {
  return std::make_unique<QtTextMeasurer>(dotsPerInch);
}

// Fonts, text layout and painting on a QImage work on any thread (Qt 5
// on); the font database is shared under its own lock.
std::unique_ptr<PreviewImage> QtWindowPlatform::CreatePreviewImage(int width, int height,
                                                                   int dotsPerInch) {
  return std::make_unique<QtPreviewImage>(width, height, dotsPerInch);
}

void QtWindowPlatform::SetApplicationTitle(std::string_view utf8) {
  // Kept for the message boxes only: as Qt's display name it would be added
  // to every window caption.
  title_ = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void QtWindowPlatform::ShowMessage(std::string_view utf8) {
  // Captioned with the title even before it is set: the message is the
  // program's own.
  QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(msg::kAppTitle),
                  QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())),
                  QMessageBox::Ok);
  box.exec();
}

std::unique_ptr<MainWindowView> QtWindowPlatform::CreateMainWindow(MainWindow& logic) {
  // The program's icon, the Windows build's own, on every window.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(LoadAppIcon())));
  return std::make_unique<QtMainWindow>(logic, title_);
}

std::unique_ptr<SettingsDialogView> QtWindowPlatform::CreateSettingsDialog(
    SettingsDialog& logic, MainWindowView& mainWindow) {
  return std::make_unique<QtSettingsDialog>(logic, &static_cast<QtMainWindow&>(mainWindow),
                                            title_);
}

void QtWindowPlatform::RunMessageLoop(MainWindowView& mainWindow) {
  auto& window = static_cast<QtMainWindow&>(mainWindow);
  CloseOnTerminationSignals(window);
  window.show();
  if (window.isVisible()) QApplication::exec();
}

void CloseOnTerminationSignals(QtMainWindow& mainWindow) {
  const int fd = posix::WatchTerminationSignals();
  if (fd < 0) return;
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &mainWindow);
  QPointer<QtMainWindow> window(&mainWindow);
  QObject::connect(notifier, &QSocketNotifier::activated, &mainWindow, [window, fd] {
    posix::TakeTerminationSignal(fd);
    // Modal loops nest: close from the innermost out, then the window
    // itself once they have returned.
    while (QWidget* modal = QApplication::activeModalWidget()) {
      if (modal == window || !modal->close()) break;
    }
    QMetaObject::invokeMethod(
        window, [window] { if (window) window->CloseAsTheSessionEnds(); }, Qt::QueuedConnection);
  });
}

}  // namespace mirelo::qt
