#include "qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>
#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

#include "base/messages.h"
#include "qt/qt_form_widgets.h"

namespace mirelo::qt {
namespace {

// Image1: shows the preview picture, one dot to one device pixel, straight
// from the picture the page is drawn on (no copy of it to show).
class PreviewPicture : public QWidget {
 public:
  using QWidget::QWidget;
  void Show(QtPreviewImage* preview) {
    preview_ = preview;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    if (!preview_) return;  // no page: the empty page area
    const QImage& image = preview_->Image();
    QPainter painter(this);
    // The picture is at the screen's own dots: drawn at the device pixel
    // ratio, one dot is one device pixel.
    const qreal ratio = devicePixelRatioF();
    const QRect wanted = event->rect();
    const QRect source(qRound(wanted.x() * ratio), qRound(wanted.y() * ratio),
                       qRound(wanted.width() * ratio), qRound(wanted.height() * ratio));
    painter.drawImage(wanted, image, source);
  }

 private:
  QtPreviewImage* preview_ = nullptr;
};

}  // namespace

QtMainWindow::QtMainWindow(MainWindow& logic, QString title)
    : logic_(logic), title_(std::move(title)) {
  const WindowLayout& layout = kMainWindowLayout;
  setObjectName(Utf8(layout.name));
  setFont(WindowFont(layout.fontPixels));
  resize(layout.clientWidth, layout.clientHeight);

  // Every control of the table, on the control it stands on.
  std::map<std::string_view, QWidget*> made;
  const auto parentOf = [&](const Control& c) -> QWidget* {
    if (c.parent.empty()) return this;
    // What stands in the scroll box stands on its scrolling content.
    return c.parent == "ScrollBox1" ? scrollContent_ : made.at(c.parent);
  };
  for (const Control& c : layout.controls) {
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::Panel:
        widget = panel_ = new QWidget(parentOf(c));
        panel_->setAutoFillBackground(true);
        break;
      case ControlKind::ScrollBox:
        scrollBox_ = new QScrollArea(parentOf(c));
        scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollBox_->setWidgetResizable(true);
        scrollContent_ = new QWidget;
        scrollContent_->setObjectName(Utf8(c.name) + QStringLiteral("Content"));
        scrollBox_->setWidget(scrollContent_);
        scrollBox_->viewport()->installEventFilter(this);
        widget = scrollBox_;
        break;
      case ControlKind::ToolButton: {
        auto* button = new QToolButton(parentOf(c));
        button->setText(Utf8(c.caption));
        button->setFocusPolicy(Qt::NoFocus);  // tool buttons take no focus
        widget = button;
        break;
      }
      case ControlKind::Label:
        widget = MakeLabel(parentOf(c), layout, c);
        break;
      case ControlKind::CheckBox:
        widget = saveOverview_ = new QCheckBox(Utf8(c.caption), parentOf(c));
        saveOverview_->setChecked(true);
        break;
      case ControlKind::Image:
        widget = image_ = new PreviewPicture(parentOf(c));
        image_->move(c.place.left, c.place.top);
        break;
      case ControlKind::Memo: {
        widget = memo_ = new QPlainTextEdit(parentOf(c));
        memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        QPalette pale = memo_->palette();
        pale.setColor(QPalette::Base, QColor(255, 255, 136));
        memo_->setPalette(pale);
        memo_->setPlainText(Utf8(c.caption));
        memo_->setTabChangesFocus(!kOverviewFieldTakesTab);
        // The form switches the input method to hiragana here. Qt has no
        // hint for that: the field leaves the input method on, and its mode
        // to the user.
        break;
      }
      case ControlKind::Button:
      case ControlKind::Edit:
      case ControlKind::UpDown:
        break;  // none in this window
    }
    if (!widget) continue;
    widget->setObjectName(Utf8(c.name));
    if (c.kind != ControlKind::Label) widget->setFont(WindowFont(c.fontPixels));
    if (c.place.width > 0) widget->setGeometry(PlaceOf(c));
    made[c.name] = widget;
  }
  for (int b = 1; b <= 7; ++b) {
    const auto button = static_cast<ToolButton>(b);
    buttons_[static_cast<std::size_t>(b) - 1] =
        static_cast<QToolButton*>(made.at(ToolButtonName(button)));
  }
  pageLabel_ = static_cast<QLabel*>(made.at(kPageLabel));
  printerLabel_ = static_cast<QLabel*>(made.at(kPrinterNameLabel));
  label2_ = static_cast<QLabel*>(made.at("Label2"));
  image_->lower();  // the overview field and its button lie over the page

  connect(Button(ToolButton::PrintAll), &QToolButton::clicked, this, [this] { logic_.SpeedButton1Click(); });
  connect(Button(ToolButton::PrintCurrent), &QToolButton::clicked, this, [this] { logic_.SpeedButton2Click(); });
  connect(Button(ToolButton::Previous), &QToolButton::clicked, this, [this] { logic_.SpeedButton3Click(); });
  connect(Button(ToolButton::Next), &QToolButton::clicked, this, [this] { logic_.SpeedButton4Click(); });
  connect(Button(ToolButton::Overview), &QToolButton::clicked, this, [this] { logic_.SpeedButton5Click(); });
  connect(Button(ToolButton::Settings), &QToolButton::clicked, this, [this] { logic_.SpeedButton6Click(); });
  connect(Button(ToolButton::Close), &QToolButton::clicked, this, [this] { logic_.SpeedButton7Click(); });

  // A wheel turn anywhere in the window scrolls the page, as the window's
  // own wheel handlers decide; so do the page keys.
  qApp->installEventFilter(this);
  FitScrollContent();
}

QtMainWindow::~QtMainWindow() { qApp->removeEventFilter(this); }

QToolButton* QtMainWindow::Button(ToolButton button) const {
  return buttons_[static_cast<std::size_t>(button) - 1];
}

int QtMainWindow::ToLogical(int pixels) const {
  return static_cast<int>(std::lround(pixels / devicePixelRatioF()));
}

int QtMainWindow::ToPixels(int logical) const {
  return static_cast<int>(std::lround(logical * devicePixelRatioF()));
}

void QtMainWindow::FitScrollContent() {
  QRect all;
  for (QWidget* child : scrollContent_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    all |= child->geometry();
  scrollContent_->setMinimumSize(all.right() + 1, all.bottom() + 1);
}

void QtMainWindow::SetCaption(std::string_view utf8) { setWindowTitle(Utf8(utf8)); }

int QtMainWindow::OuterWidth() const { return ToPixels(frameGeometry().width()); }
int QtMainWindow::OuterHeight() const { return ToPixels(frameGeometry().height()); }
int QtMainWindow::ClientWidth() const { return ToPixels(width()); }

int QtMainWindow::ScreenWidth() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? ToPixels(s->geometry().width()) : 0;
}

int QtMainWindow::ScreenHeight() const {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  return s ? ToPixels(s->geometry().height()) : 0;
}

std::vector<DeviceRectangle> QtMainWindow::WorkAreas() const {
  // Wayland places the window itself: nothing to judge a saved place by.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {};
  std::vector<DeviceRectangle> areas;
  for (const QScreen* s : QGuiApplication::screens()) {
    const QRect r = s->availableGeometry();
    areas.push_back({ToPixels(r.left()), ToPixels(r.top()), ToPixels(r.left() + r.width()),
                     ToPixels(r.top() + r.height())});
  }
  return areas;
}

std::optional<WindowPosition> QtMainWindow::Position() const {
  // Wayland neither tells nor takes a window's place on the screen.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return std::nullopt;
  return WindowPosition{ToPixels(x()), ToPixels(y())};
}

void QtMainWindow::MoveTo(WindowPosition position) {
  move(ToLogical(position.left), ToLogical(position.top));
}

void QtMainWindow::RequestClose() { close(); }

PreviewImage& QtMainWindow::CreatePreview(int width, int height, int dotsPerInch) {
  static_cast<PreviewPicture*>(image_)->Show(nullptr);
  preview_ = std::make_unique<QtPreviewImage>(width, height, dotsPerInch);
  image_->resize(ToLogical(width), ToLogical(height));
  FitScrollContent();
  return *preview_;
}

void QtMainWindow::PlaceImage(int left, int top) {
  image_->move(ToLogical(left), ToLogical(top));
  FitScrollContent();
}

int QtMainWindow::ImageTop() const { return ToPixels(image_->y()); }

void QtMainWindow::PreviewDrawn() {
  static_cast<PreviewPicture*>(image_)->Show(preview_.get());
}

void QtMainWindow::PlaceLabel2(int top) {
  label2_->move(label2_->x(), ToLogical(top));
  FitScrollContent();
}

void QtMainWindow::ScrollVertically(int delta) {
  QScrollBar* bar = scrollBox_->verticalScrollBar();
  bar->setValue(bar->value() + ToLogical(delta));  // the bar keeps within its range
}

void QtMainWindow::ScrollHorizontally(int delta) {
  QScrollBar* bar = scrollBox_->horizontalScrollBar();
  bar->setValue(bar->value() + ToLogical(delta));
}

void QtMainWindow::SetButtonEnabled(ToolButton button, bool enabled) {
  Button(button)->setEnabled(enabled);
}

void QtMainWindow::SetButtonCaption(ToolButton button, std::string_view utf8) {
  Button(button)->setText(Utf8(utf8));
}

void QtMainWindow::SetPageLabel(std::string_view text) {
  const WindowLayout& layout = kMainWindowLayout;
  SetFittedText(pageLabel_, Utf8(text), LabelRoom(layout, ControlNamed(layout, kPageLabel)));
}

void QtMainWindow::SetPrinterLabel(std::u16string_view name) {
  const WindowLayout& layout = kMainWindowLayout;
  SetElidedText(printerLabel_, QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())),
                LabelRoom(layout, ControlNamed(layout, kPrinterNameLabel)));
}

bool QtMainWindow::SaveOverviewChecked() const { return saveOverview_->isChecked(); }
void QtMainWindow::SetSaveOverviewChecked(bool checked) { saveOverview_->setChecked(checked); }

void QtMainWindow::PlaceMemo(int left, int top) {
  memo_->move(ToLogical(left), ToLogical(top));
  FitScrollContent();
}

void QtMainWindow::SetMemoVisible(bool visible) { memo_->setVisible(visible); }

std::u16string QtMainWindow::MemoText() const {
  // The field keeps its lines apart with LF; the program's text has CR LF.
  QString text = memo_->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return text.toStdU16String();
}

void QtMainWindow::SetMemoText(std::u16string_view text) {
  QString plain = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  memo_->setPlainText(plain);
}

void QtMainWindow::FocusMemo(bool selectAll) {
  memo_->setFocus(Qt::OtherFocusReason);
  QTextCursor cursor = memo_->textCursor();
  if (selectAll) {
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  } else {
    cursor.movePosition(QTextCursor::End);
  }
  memo_->setTextCursor(cursor);
}

void QtMainWindow::SetMemoFontSize(int points) {
  QFont font = memo_->font();
  font.setPointSize(std::clamp(points, 1, 1000));
  memo_->setFont(font);
}

bool QtMainWindow::MemoHasFocus() const { return memo_->hasFocus(); }

void QtMainWindow::ShowMessage(std::string_view utf8) {
  QMessageBox box(QMessageBox::NoIcon, title_, Utf8(utf8),
                  QMessageBox::Ok);
  box.exec();
}

void QtMainWindow::ShowError(std::string_view utf8) {
  QMessageBox box(QMessageBox::Critical, title_, Utf8(utf8),
                  QMessageBox::Ok);
  box.exec();
}

std::optional<std::filesystem::path> QtMainWindow::AskPdfFileName() {
  const QString path = QFileDialog::getSaveFileName(this, Utf8(msg::kOwnPdfPrinterName), QString(),
                                                    Utf8(msg::kPdfFileFilter));
  if (path.isEmpty()) return std::nullopt;
  return std::filesystem::path(path.toStdU16String());
}

void QtMainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  logic_.FormShow();
  // The scroll box settles its scroll bars on a posted layout request; taken
  // now, before the window is on the screen, its first painting is already
  // the finished window instead of one more painting of the whole page.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
}

void QtMainWindow::CloseAsTheSessionEnds() {
  sessionEnding_ = true;
  close();
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  if (logic_.FormClose(sessionEnding_ ? CloseCause::SessionEnd : CloseCause::User))
    event->accept();
  else
    event->ignore();
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The tool bar is docked at the top; the scroll box fills the rest.
  const int panelHeight = panel_->height();
  panel_->setGeometry(0, 0, width(), panelHeight);
  scrollBox_->setGeometry(0, panelHeight, width(), std::max(0, height() - panelHeight));
}

namespace {

std::optional<PageKey> PageKeyOf(const QKeyEvent& key) {
  if (key.modifiers() & ~Qt::KeypadModifier) return std::nullopt;  // Ctrl+End and the like
  switch (key.key()) {
    case Qt::Key_PageUp: return PageKey::PageUp;
    case Qt::Key_PageDown: return PageKey::PageDown;
    case Qt::Key_Home: return PageKey::Home;
    case Qt::Key_End: return PageKey::End;
    case Qt::Key_Up: return PageKey::Up;
    case Qt::Key_Down: return PageKey::Down;
    case Qt::Key_Left: return PageKey::Left;
    case Qt::Key_Right: return PageKey::Right;
    default: return std::nullopt;
  }
}

}  // namespace

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this && isEnabled()) {
    // Before the widget with the focus (the scroll box would page by its
    // own steps): the logic leaves the keys to the overview field.
    if (const std::optional<PageKey> key = PageKeyOf(*static_cast<QKeyEvent*>(event)))
      if (logic_.FormKeyDown(*key)) return true;
  }
  if (event->type() == QEvent::Wheel && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->window() == this && isEnabled()) {
    // Only the turns of the wheel are the window's; a sideways touchpad
    // scroll goes on to the scroll box.
    const QPoint turn = static_cast<QWheelEvent*>(event)->angleDelta();
    if (turn.y() != 0) {
      if (turn.y() < 0) logic_.FormMouseWheelDown();
      if (turn.y() > 0) logic_.FormMouseWheelUp();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace mirelo::qt
