#pragma once

#include <string>

namespace varnex::logo {

// The paper width chosen in the NV logo dialog; it decides the widest image accepted.
enum class LogoPaper { Pos58 = 0, Pos80 = 1 };

// The widest image, in pixels, that fits the paper: 384 for POS58, 576 for POS80.
int LogoMaxWidth(LogoPaper paper);

// The size hint the dialog shows for the paper, e.g. "Max BMP Size:384 X 600".
std::string LogoSizeHint(LogoPaper paper);

}  // namespace varnex::logo
