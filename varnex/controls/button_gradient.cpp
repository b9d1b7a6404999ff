#include "varnex/controls/button_gradient.h"

#include <algorithm>

namespace varnex::controls {

Rgb GradientColour(bool hover, bool pressedLook, int i) {
  // Divisors of the red/green fall and the blue fall, by (hover, pressedLook).
  struct Fall {
    int redGreen;
    int blue;
  };
  static constexpr Fall kFalls[2][2] = {
      {{3, 5}, {3, 4}},  // not hovering: normal, pressed
      {{4, 5}, {4, 3}},  // hovering: normal, pressed
  };
  const Fall fall = kFalls[hover ? 1 : 0][pressedLook ? 1 : 0];
  const int redGreen = 255 - i / fall.redGreen;
  return Rgb{redGreen, redGreen, 255 - i / fall.blue};
}

int GradientIndexForRow(int y, int height) {
  if (height <= 0) {
    return kGradientColours - 1;
  }
  return std::clamp(y * (kGradientColours - 1) / height, 0, kGradientColours - 1);
}

}  // namespace varnex::controls
