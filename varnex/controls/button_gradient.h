#pragma once

#include <cstdint>

namespace varnex::controls {

struct Rgb {
  int red;
  int green;
  int blue;
  bool operator==(const Rgb&) const = default;
};

// Number of colours in a button's gradient.
inline constexpr int kGradientColours = 64;

// Colour i (0 to 63) of the gradient for the button's look: red and green fall by i/3 (i/4 while
// hovering), blue by i/5, or faster (i/4, i/3) in the pressed colours.
Rgb GradientColour(bool hover, bool pressedLook, int i);

// The gradient colour used by the row at vertical client position y of an inner rectangle that
// is `height` pixels high: min(63, y * 63 / height).
int GradientIndexForRow(int y, int height);

}  // namespace varnex::controls
