#include "qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>
#include <QWheelEvent>

#include <cmath>
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
  setObjectName(QStringFromUtf8(layout.name));
  setFont(WindowFont(layout.fontPixels));
  resize(layout.clientWidth, layout.clientHeight);

  // Every control of the table, on the control it stands on, in the
  // table's order, which is the order Tab walks.
  widgets_.assign(layout.controls.size(), nullptr);
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const Control& c = layout.controls[i];
    const MainControl id = MainControl::At(i);
    QWidget* parent = this;
    // What stands in the scroll box stands on its scrolling content.
    if (const std::optional<MainControl> on = id.Parent())
      parent = on->Facts().kind == ControlKind::ScrollBox ? scrollContent_ : Widget(*on);
    QWidget* widget = nullptr;
    switch (c.kind) {
      case ControlKind::Panel:
        widget = new QWidget(parent);
        widget->setAutoFillBackground(true);
        break;
      case ControlKind::ScrollBox:
        scrollBox_ = new QScrollArea(parent);
        scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        scrollBox_->setWidgetResizable(true);
        scrollContent_ = new QWidget;
        scrollContent_->setObjectName(QStringFromUtf8(c.name) + QStringLiteral("Content"));
        scrollBox_->setWidget(scrollContent_);
        widget = scrollBox_;
        break;
      case ControlKind::ToolButton: {
        auto* button = new QToolButton(parent);
        button->setText(QStringFromUtf8(c.caption));
        button->setFocusPolicy(Qt::NoFocus);  // tool buttons take no focus
        connect(button, &QToolButton::clicked, this, [this, id] { logic_.Click(id); });
        widget = button;
        break;
      }
      case ControlKind::Label:
        widget = MakeLabel(parent, layout, c);
        break;
      case ControlKind::CheckBox: {
        QCheckBox* check = MakeCheckBox(parent, c);
        connect(check, &QCheckBox::clicked, this, [this, id] { logic_.Click(id); });
        widget = check;
        break;
      }
      case ControlKind::Image:
        widget = new PreviewPicture(parent);
        widget->move(c.place.left, c.place.top);
        break;
      case ControlKind::Memo: {
        memo_ = new QPlainTextEdit(parent);
        memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo_->setPlainText(QStringFromUtf8(c.caption));
        memo_->setTabChangesFocus(!kOverviewFieldTakesTab);
        widget = memo_;
        break;
      }
      case ControlKind::Button:
      case ControlKind::Edit:
      case ControlKind::UpDown:
        break;  // none in this window
    }
    if (!widget) continue;
    widget->setObjectName(QStringFromUtf8(c.name));
    if (c.kind != ControlKind::Label) widget->setFont(WindowFont(c.fontPixels));
    if (c.place.width > 0) widget->setGeometry(PlaceOf(c));
    ApplyFieldFacts(widget, c);
    widgets_[i] = widget;
  }
  for (std::size_t i = 0; i < layout.controls.size(); ++i)
    if (layout.controls[i].underSiblings && widgets_[i]) widgets_[i]->lower();
  scrollBox_->viewport()->installEventFilter(this);

  // A wheel turn anywhere in the window scrolls the page, as the window's
  // own wheel handlers decide; so do the page keys.
  qApp->installEventFilter(this);
  FitScrollContent();
}

QtMainWindow::~QtMainWindow() { qApp->removeEventFilter(this); }

QWidget* QtMainWindow::Widget(MainControl control) const { return widgets_[control.Index()]; }

QToolButton* QtMainWindow::Button(ToolButton button) const {
  return static_cast<QToolButton*>(Widget(ToolButtonControl(button)));
}

int QtMainWindow::ToLogical(int pixels) const {
  return static_cast<int>(std::lround(pixels / devicePixelRatioF()));
}

int QtMainWindow::ToPixels(int logical) const {
  return static_cast<int>(std::lround(logical * devicePixelRatioF()));
}

void QtMainWindow::FitScrollContent() {
  QRect all;
  for (QWidget* child :
       scrollContent_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    all |= child->geometry();
  scrollContent_->setMinimumSize(all.right() + 1, all.bottom() + 1);
}

void QtMainWindow::SetCaption(std::string_view utf8) { setWindowTitle(QStringFromUtf8(utf8)); }

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
  static_cast<PreviewPicture*>(Widget(main_controls::kImage1))->Show(nullptr);
  preview_ = std::make_unique<QtPreviewImage>(width, height, dotsPerInch);
  Widget(main_controls::kImage1)->resize(ToLogical(width), ToLogical(height));
  FitScrollContent();
  return *preview_;
}

void QtMainWindow::PlaceImage(int left, int top) {
  Widget(main_controls::kImage1)->move(ToLogical(left), ToLogical(top));
  FitScrollContent();
}

int QtMainWindow::ImageTop() const { return ToPixels(Widget(main_controls::kImage1)->y()); }

void QtMainWindow::PreviewDrawn() {
  static_cast<PreviewPicture*>(Widget(main_controls::kImage1))->Show(preview_.get());
}

void QtMainWindow::PlaceLabel2(int top) {
  QWidget* label2 = Widget(main_controls::kLabel2);
  label2->move(label2->x(), ToLogical(top));
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
  Button(button)->setText(QStringFromUtf8(utf8));
}

void QtMainWindow::SetPageLabel(std::string_view text) {
  using main_controls::kPageLabel;
  SetFittedText(static_cast<QLabel*>(Widget(kPageLabel)), QStringFromUtf8(text),
                LabelRoom(kMainWindowLayout, kPageLabel.Facts()));
}

void QtMainWindow::SetPrinterLabel(std::u16string_view name) {
  using main_controls::kPrinterNameLabel;
  SetElidedText(static_cast<QLabel*>(Widget(kPrinterNameLabel)), ToQString(name),
                LabelRoom(kMainWindowLayout, kPrinterNameLabel.Facts()));
}

bool QtMainWindow::SaveOverviewChecked() const { return SaveOverview()->isChecked(); }
void QtMainWindow::SetSaveOverviewChecked(bool checked) { SaveOverview()->setChecked(checked); }

void QtMainWindow::PlaceMemo(int left, int top) {
  memo_->move(ToLogical(left), ToLogical(top));
  FitScrollContent();
}

void QtMainWindow::SetMemoVisible(bool visible) { memo_->setVisible(visible); }

std::u16string QtMainWindow::MemoText() const {
  // The field keeps its lines apart with LF; the program's text has CR LF.
  QString text = memo_->toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQString(text);
}

void QtMainWindow::SetMemoText(std::u16string_view text) {
  QString plain = ToQString(text);
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
  font.setPointSize(points);
  memo_->setFont(font);
}

bool QtMainWindow::MemoHasFocus() const { return memo_->hasFocus(); }

void QtMainWindow::ShowMessage(std::string_view utf8) {
  QMessageBox box(QMessageBox::NoIcon, title_, QStringFromUtf8(utf8), QMessageBox::Ok);
  box.exec();
}

void QtMainWindow::ShowError(std::string_view utf8) {
  QMessageBox box(QMessageBox::Critical, title_, QStringFromUtf8(utf8), QMessageBox::Ok);
  box.exec();
}

std::optional<std::filesystem::path> QtMainWindow::AskPdfFileName() {
  const QString path =
      QFileDialog::getSaveFileName(this, QStringFromUtf8(msg::kOwnPdfPrinterName), QString(),
                                   QStringFromUtf8(msg::kPdfFileFilter));
  if (path.isEmpty()) return std::nullopt;
  return std::filesystem::path(FromQString(path));
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
  // In the toolkit's device-independent pixels, the form's own at 96 dpi.
  const WindowLayout& layout = kMainWindowLayout;
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    if (layout.controls[i].dock == Dock::None || !widgets_[i]) continue;
    const DeviceRectangle r = DockedPlace(layout, layout.controls[i], width(), height(), 96);
    widgets_[i]->setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  }
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
  const bool ours =
      watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this && isEnabled();
  if (ours && event->type() == QEvent::KeyPress) {
    // Before the widget with the focus (the scroll box would page by its
    // own steps).
    const auto* press = static_cast<QKeyEvent*>(event);
    const std::optional<Key> key = KeyOf(*press);
    if (key && logic_.KeyDown(*key, Modified(*press))) return true;
  }
  // Only the turns of the wheel are the window's; a sideways touchpad
  // scroll goes on to the scroll box.
  if (ours && event->type() == QEvent::Wheel &&
      logic_.Wheel(static_cast<QWheelEvent*>(event)->angleDelta().y()))
    return true;
  return QWidget::eventFilter(watched, event);
}

}  // namespace mirelo::qt
