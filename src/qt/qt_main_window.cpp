#include "qt/qt_main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTextCursor>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "base/messages.h"
#include "qt/qt_form_widgets.h"

namespace mirelo::qt {
namespace {

struct ButtonPlace {
  ToolButton button;
  const char* objectName;
  const char* caption;
  int left, top, width, height;
  bool onPanel;
};

// The design places, in pixels at 96 dots per inch.
constexpr ButtonPlace kButtons[] = {
    {ToolButton::PrintAll, "SpeedButton1", msg::kPrintAllCaption, 8, 4, 89, 33, true},
    {ToolButton::PrintCurrent, "SpeedButton2", msg::kPrintCurrentCaption, 112, 4, 89, 33, true},
    {ToolButton::Previous, "SpeedButton3", msg::kPreviousPageCaption, 296, 4, 73, 33, true},
    {ToolButton::Next, "SpeedButton4", msg::kNextPageCaption, 392, 4, 73, 33, true},
    {ToolButton::Overview, "SpeedButton5", msg::kOverviewOpenCaption, 96, 152, 89, 33, false},
    {ToolButton::Settings, "SpeedButton6", msg::kSettingsCaption, 680, 4, 89, 33, true},
    {ToolButton::Close, "SpeedButton7", msg::kCloseCaption, 816, 4, 57, 33, true},
};

constexpr int kPanelHeight = 49;
constexpr int kMemoWidth = 697, kMemoHeight = 81;
constexpr int kMemoDesignLeft = 60, kMemoDesignTop = 272;
constexpr int kLabel2Left = 328;

}  // namespace

QtMainWindow::QtMainWindow(MainWindow& logic, QString title)
    : logic_(logic), title_(std::move(title)) {
  setObjectName(QStringLiteral("Form1"));
  setFont(PixelFont(11));
  resize(kClientWidth, kClientHeight);

  panel_ = new QWidget(this);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setGeometry(0, 0, kClientWidth, kPanelHeight);
  panel_->setAutoFillBackground(true);

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
  scrollBox_->setGeometry(0, kPanelHeight, kClientWidth, kClientHeight - kPanelHeight);
  scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scrollBox_->setWidgetResizable(true);
  scrollContent_ = new QWidget;
  scrollContent_->setObjectName(QStringLiteral("ScrollBox1Content"));
  scrollBox_->setWidget(scrollContent_);
  scrollBox_->viewport()->installEventFilter(this);

  for (const ButtonPlace& b : kButtons) {
    auto* button = new QToolButton(b.onPanel ? panel_ : scrollContent_);
    button->setObjectName(QString::fromLatin1(b.objectName));
    button->setText(Utf8(b.caption));
    button->setGeometry(b.left, b.top, b.width, b.height);
    button->setFocusPolicy(Qt::NoFocus);  // tool buttons take no focus
    buttons_[static_cast<std::size_t>(b.button) - 1] = button;
  }
  connect(Button(ToolButton::PrintAll), &QToolButton::clicked, this, [this] { logic_.SpeedButton1Click(); });
  connect(Button(ToolButton::PrintCurrent), &QToolButton::clicked, this, [this] { logic_.SpeedButton2Click(); });
  connect(Button(ToolButton::Previous), &QToolButton::clicked, this, [this] { logic_.SpeedButton3Click(); });
  connect(Button(ToolButton::Next), &QToolButton::clicked, this, [this] { logic_.SpeedButton4Click(); });
  connect(Button(ToolButton::Overview), &QToolButton::clicked, this, [this] { logic_.SpeedButton5Click(); });
  connect(Button(ToolButton::Settings), &QToolButton::clicked, this, [this] { logic_.SpeedButton6Click(); });
  connect(Button(ToolButton::Close), &QToolButton::clicked, this, [this] { logic_.SpeedButton7Click(); });

  pageLabel_ = MakeLabel(panel_, "Label1", QStringLiteral("1"), 376, 10);
  pageLabel_->setFont(PixelFont(15));
  pageLabel_->adjustSize();

  saveOverview_ = new QCheckBox(Utf8(msg::kSaveOverviewCaption), panel_);
  saveOverview_->setObjectName(QStringLiteral("CheckBox1"));
  saveOverview_->setGeometry(504, 8, 97, 17);
  saveOverview_->setChecked(true);

  const QLabel* printerCaption =
      MakeLabel(panel_, "Label4", Utf8(msg::kPrinterLabelCaption), 504, 32);
  // The printer's name stands at 552 where the caption ends before it; the
  // Japanese faces here are wider than the form's, and the name must not
  // cover the caption's colon.
  printerLabel_ = MakeLabel(panel_, "Label5", QString(),
                            std::max(552, printerCaption->geometry().right() + 2), 32);

  image_ = new QLabel(scrollContent_);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->move(0, kImageTop);
  image_->lower();  // the overview field and its button lie over the page
  label2_ = MakeLabel(scrollContent_, "Label2", QStringLiteral(" "), kLabel2Left, 0);

  memo_ = new QPlainTextEdit(scrollContent_);
  memo_->setObjectName(QStringLiteral("Memo1"));
  memo_->setGeometry(kMemoDesignLeft, kMemoDesignTop, kMemoWidth, kMemoHeight);
  memo_->setFont(PixelFont(13));
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette pale = memo_->palette();
  pale.setColor(QPalette::Base, QColor(255, 255, 136));
  memo_->setPalette(pale);
  memo_->setPlainText(Utf8(msg::kOverviewPlaceholder));
  // The form switches the input method to hiragana here. Qt has no hint for
  // that: the field leaves the input method on, and its mode to the user.

  // A wheel turn anywhere in the window scrolls the page, as the window's
  // own wheel handlers decide.
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
  // The picture is at the screen's own dots: one dot to one device pixel.
  QPixmap pixmap = QPixmap::fromImage(preview_->Image());
  pixmap.setDevicePixelRatio(devicePixelRatioF());
  image_->setPixmap(pixmap);
}

void QtMainWindow::PlaceLabel2(int top) {
  label2_->move(kLabel2Left, ToLogical(top));
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
  pageLabel_->setText(Utf8(text));
  pageLabel_->adjustSize();
}

void QtMainWindow::SetPrinterLabel(std::u16string_view name) {
  printerLabel_->setText(QString::fromUtf16(name.data(), static_cast<qsizetype>(name.size())));
  printerLabel_->adjustSize();
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
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  if (logic_.FormClose())
    event->accept();
  else
    event->ignore();
}

void QtMainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The tool bar is docked at the top; the scroll box fills the rest.
  panel_->setGeometry(0, 0, width(), kPanelHeight);
  scrollBox_->setGeometry(0, kPanelHeight, width(), std::max(0, height() - kPanelHeight));
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
