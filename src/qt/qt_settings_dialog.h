// The print settings dialog as Qt widgets: buttons, spinners with their
// edit fields, the check box and the static labels at their design places.
// It shows what the logic tells it and passes every click, arrow and
// finished entry on to it.
#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <vector>

#include "ui/settings_dialog.h"
#include "ui/settings_dialog_view.h"

namespace mirelo::qt {

class QtSettingsDialog : public QDialog, public SettingsDialogView {
 public:
  // mainWindow is the window the dialog is centred over; title captions the
  // message boxes. Created hidden.
  QtSettingsDialog(SettingsDialog& logic, QWidget* mainWindow, QString title);

  // SettingsDialogView
  void ShowModal() override;
  void Close() override;
  void SetPrinterLabel(std::u16string_view name) override;
  void SetSpinnerPosition(Spinner spinner, int position) override;
  void SetGroupSpacingChecked(bool checked) override;
  bool GroupSpacingChecked() const override;
  std::optional<FontChoice> ChooseFont(std::u16string_view face, int points) override;
  bool RunPrinterSetup(PrinterDraft& draft) override;
  void ShowMessage(std::string_view utf8) override;
  void ShowError(std::string_view utf8) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* Widget(DialogControl control) const { return widgets_[control.Index()]; }
  QCheckBox* GroupSpacing() const {
    return static_cast<QCheckBox*>(Widget(dialog_controls::kGroupSpacing));
  }

  SettingsDialog& logic_;
  QString title_;
  std::vector<QWidget*> widgets_;  // in the order of the dialog's table
};

}  // namespace mirelo::qt
