#pragma once

#include <array>

#include "varnex/controls/page_context.h"

namespace varnex::app {

// Creates the four tab pages in tab order: receipt, label, Bluetooth and Ethernet, WiFi.
std::array<controls::TabPage*, 4> CreateTabPages(controls::PageContext& context, QWidget* parent);

}  // namespace varnex::app
