#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "platform/ui_language.h"
#include "varnex/controls/page_context.h"
#include "varnex/link/printer_link.h"
#include "varnex/texts/string_table.h"

class QAction;
class QMenu;
class QMenuBar;
class QTabWidget;

namespace varnex::receipt {
class ThermalSetDlg;
}

namespace varnex::app {

class ConnectionBar;

// The window services the main window hands on to its pages.
struct WindowServices {
  platform::MessageService& messages;
  platform::FileDialogService& files;
  platform::Sleeper& sleeper;
};

// The main window: the connection bar, the four tab pages and the language menu. It owns the
// connection state and offers every page the one send operation.
class CVarnexDlg : public QDialog, public link::PrinterSender, private link::LinkReporter {
  Q_OBJECT

 public:
  CVarnexDlg(WindowServices services, platform::UiLanguage language, QWidget* parent = nullptr);
  ~CVarnexDlg() override;

  // The one main window of the process (set while it exists), for code that has no page
  // context at hand.
  static CVarnexDlg* Instance();

  bool SendToPrinter(const std::uint8_t* bytes, std::int32_t count) override;
  bool IsConnected() const override { return link_.connected(); }

  // Click handler of the connect button 1006.
  void OnConnect();
  // Menu commands 32773 (Chinese) and 32776 (English).
  void SwitchLanguage(platform::UiLanguage target);

  const link::PrinterLink& printerLink() const { return link_; }
  ConnectionBar* connectionBar() const { return bar_; }
  QTabWidget* tabs() const { return tabs_; }
  controls::TabPage* page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
  QMenuBar* menuBar() const { return menuBar_; }
  QMenu* languageMenu(platform::UiLanguage language) const;
  QMenu* maintenanceMenu() const { return maintenanceMenu_; }
  platform::UiLanguage language() const { return texts_.language(); }

 private:
  void ShowMessage(int stringId) override;
  void ConnectionDropped() override;
  void BuildMenus();
  void AttachMenus();
  void BuildMaintenanceMenu();
  void ShowMenuChecks();
  void SetTabCaptions();
  void SetBarTexts();

  texts::UiTexts texts_;
  controls::PageContext context_;
  link::PrinterLink link_;
  ConnectionBar* bar_;
  QTabWidget* tabs_;
  QMenuBar* menuBar_;
  std::array<QMenu*, 2> languageMenus_{};  // [0] menu 183 (Chinese), [1] menu 184 (English)
  std::array<bool, 2> languageShown_{};    // the language has been active (same order)
  std::array<controls::TabPage*, 4> pages_{};
  receipt::ThermalSetDlg* receiptPage_ = nullptr;
  QMenu* maintenanceMenu_ = nullptr;
};

}  // namespace varnex::app
