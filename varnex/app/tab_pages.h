#pragma once

#include <array>

#include "varnex/controls/page_context.h"

namespace varnex::receipt {
class ThermalSetDlg;
}

namespace varnex::app {

struct TabPages {
  std::array<controls::TabPage*, 4> pages{};  // tab order: receipt, label, wireless, WiFi
  receipt::ThermalSetDlg* receipt = nullptr;  // the receipt page also serves the maintenance menu
};

// Creates the four tab pages in tab order and connects the dialogs they open.
TabPages CreateTabPages(controls::PageContext& context, QWidget* parent);

}  // namespace varnex::app
