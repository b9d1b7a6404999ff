#pragma once

#include <QPixmap>

namespace varnex::logo {

// The picture of the NV logo dialog's open button: an open folder with a small landscape
// picture in front of it, drawn at the given size (square, in pixels).
QPixmap OpenPictureIcon(int size = 32);

}  // namespace varnex::logo
