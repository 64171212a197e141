// The main window as Qt widgets: the tool bar, the scroll box with the page
// picture and the overview field. It shows what the logic tells it and
// passes every click, wheel turn and close on to it.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>

#include <memory>
#include <vector>

#include "qt/qt_preview_image.h"
#include "ui/main_window.h"
#include "ui/main_window_view.h"

namespace mirelo::qt {

class QtMainWindow : public QWidget, public MainWindowView {
 public:
  // title captions the message boxes.
  QtMainWindow(MainWindow& logic, QString title);
  ~QtMainWindow() override;

  // MainWindowView
  void SetCaption(std::string_view utf8) override;
  int OuterWidth() const override;
  int OuterHeight() const override;
  int ClientWidth() const override;
  int ScreenWidth() const override;
  int ScreenHeight() const override;
  std::vector<DeviceRectangle> WorkAreas() const override;
  std::optional<WindowPosition> Position() const override;
  void MoveTo(WindowPosition position) override;
  void RequestClose() override;
  PreviewImage& CreatePreview(int width, int height, int dotsPerInch) override;
  void PlaceImage(int left, int top) override;
  int ImageTop() const override;
  void PreviewDrawn() override;
  void PlaceLabel2(int top) override;
  void ScrollVertically(int delta) override;
  void ScrollHorizontally(int delta) override;
  void SetButtonEnabled(ToolButton button, bool enabled) override;
  void SetButtonCaption(ToolButton button, std::string_view utf8) override;
  void SetPageLabel(std::string_view text) override;
  void SetPrinterLabel(std::u16string_view name) override;
  bool SaveOverviewChecked() const override;
  void SetSaveOverviewChecked(bool checked) override;
  void PlaceMemo(int left, int top) override;
  void SetMemoVisible(bool visible) override;
  std::u16string MemoText() const override;
  void SetMemoText(std::u16string_view text) override;
  void FocusMemo(bool selectAll) override;
  void SetMemoFontSize(int points) override;
  bool MemoHasFocus() const override;
  void ShowMessage(std::string_view utf8) override;
  void ShowError(std::string_view utf8) override;
  std::optional<std::filesystem::path> AskPdfFileName() override;

  // Closes the window as the session ends: the close step saves and shows
  // nothing, and the window closes whatever it could save.
  void CloseAsTheSessionEnds();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Widget(MainControl control) const;
  QToolButton* Button(ToolButton button) const;
  QCheckBox* SaveOverview() const {
    return static_cast<QCheckBox*>(Widget(main_controls::kCheckBox1));
  }
  // Screen pixels (the logic's unit) to the toolkit's device-independent
  // ones, and back.
  int ToLogical(int pixels) const;
  int ToPixels(int logical) const;
  void FitScrollContent();

  MainWindow& logic_;
  QString title_;
  bool shown_ = false;
  bool sessionEnding_ = false;
  std::vector<QWidget*> widgets_;  // in the order of the window's table
  QScrollArea* scrollBox_ = nullptr;
  QWidget* scrollContent_ = nullptr;
  QPlainTextEdit* memo_ = nullptr;
  std::unique_ptr<QtPreviewImage> preview_;
};

}  // namespace mirelo::qt
