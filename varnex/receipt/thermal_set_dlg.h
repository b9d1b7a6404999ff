#pragma once

#include <functional>

#include "varnex/controls/page_context.h"

class QCheckBox;
class QDialog;
class QGridLayout;
class QPlainTextEdit;

namespace varnex::receipt {

// The receipt printer tab: every setting of the receipt printer as a drop-down list with its
// button, the two USB id edits, the action buttons (code-page print, factory restore, cash
// drawer, self-test page, NV logo, cut) and a print box that sends typed text or hexadecimal
// bytes. Each button sends one complete command; the page reads nothing back.
class ThermalSetDlg : public controls::TabPage {
  Q_OBJECT

 public:
  explicit ThermalSetDlg(controls::PageContext& context, QWidget* parent = nullptr);

  void RefreshTexts() override;

  // Button 1051 ("NV Logo Down") calls this while the printer is connected; whoever hosts the
  // page opens the NV logo dialog in it. Without an opener the button does nothing more.
  void SetLogoDialogOpener(std::function<void()> opener);

  // The hidden button 1127: the self-test page settings dialog, modal.
  void OnSelfTestSettings();
  // The hidden button 1128: the printer test system dialog, modal, only while connected.
  void OnTestSystem();

 protected:
  // Runs a dialog of the page modally and returns its result.
  virtual int RunDialog(QDialog& dialog);

 private:
  void BuildSettingRows(QGridLayout* grid);
  void BuildActionButtons(QGridLayout* grid);
  QWidget* BuildPrintRow();
  void ConnectButtons();

  void OnSelfTestPage();
  void OnPrint();
  void OnLogo();

  controls::PageContext& context_;
  QPlainTextEdit* printBox_ = nullptr;
  QCheckBox* hex_ = nullptr;
  std::function<void()> logoDialogOpener_;
};

}  // namespace varnex::receipt
