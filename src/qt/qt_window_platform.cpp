#include "qt/qt_window_platform.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QSocketNotifier>

#include "base/messages.h"
#include "posix/termination_signals.h"
#include "qt/qt_bitmaps.h"
#include "qt/qt_main_window.h"
#include "qt/qt_settings_dialog.h"
#include "qt/qt_text.h"

namespace mirelo::qt {

void QtWindowPlatform::SetApplicationTitle(std::string_view utf8) {
  // Kept for the message boxes only: as Qt's display name it would be added
  // to every window caption.
  title_ = QStringFromUtf8(utf8);
}

void QtWindowPlatform::ShowMessage(std::string_view utf8) {
  // Captioned with the title even before it is set: the message is the
  // program's own.
  QMessageBox box(QMessageBox::NoIcon, QStringFromUtf8(msg::kAppTitle), QStringFromUtf8(utf8),
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
  return std::make_unique<QtSettingsDialog>(logic, &static_cast<QtMainWindow&>(mainWindow), title_);
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
        window,
        [window] {
          if (window) window->CloseAsTheSessionEnds();
        },
        Qt::QueuedConnection);
  });
}

}  // namespace mirelo::qt
