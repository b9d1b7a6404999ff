#pragma once

#include <QIcon>

namespace varnex::app {

// The program's icon: a small receipt printer with a paper strip.
QIcon AppIcon();

}  // namespace varnex::app
