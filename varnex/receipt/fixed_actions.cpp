#include "varnex/receipt/fixed_actions.h"

namespace varnex::receipt {
namespace {

// Prints every byte from 80 to FF twice, in normal size and in double height and width, so the
// user can see which code page the printer uses, then feeds and cuts.
Bytes CodePageTestPrint() {
  Bytes upperHalf;
  for (int value = 0x80; value <= 0xFF; ++value) {
    upperHalf.push_back(static_cast<std::uint8_t>(value));
  }
  Bytes bytes;
  bytes.reserve(kCodePageTestPrintLength);
  const auto append = [&bytes](const Bytes& part) {
    bytes.insert(bytes.end(), part.begin(), part.end());
  };
  append({0x1B, 0x40});        // initialise
  append({0x1C, 0x2E});        // leave double-byte character mode
  append({0x1B, 0x21, 0x00});  // normal print mode
  append(upperHalf);
  append({0x0A, 0x0A});
  append({0x1B, 0x21, 0x30});  // double height and double width
  append(upperHalf);
  append({0x0A, 0x0A});
  append({0x1B, 0x40});              // initialise
  append({0x1D, 0x56, 0x42, 0x48});  // feed and partial cut
  append({0x0A, 0x0A});
  return bytes;
}

}  // namespace

Bytes BuildFixedAction(FixedAction action) {
  switch (action) {
    case FixedAction::SelfTestPage:
      return {0x1F, 0x11, 0x04};
    case FixedAction::RestoreFactorySettings:
      return {0x1F, 0x1B, 0x19};
    case FixedAction::FeedAndCut:
      // Line feed; initialise; GS V 66 16 (feed and partial cut); line feed.
      return {0x0A, 0x1B, 0x40, 0x1D, 0x56, 0x42, 0x10, 0x0A};
    case FixedAction::CashDrawerPulse:
      // Line feed; ESC p on drawer pin 2, then pin 5, on 64 and off 80; line feed.
      return {0x0A, 0x1B, 0x70, 0x00, 0x40, 0x50, 0x1B, 0x70, 0x01, 0x40, 0x50, 0x0A};
    case FixedAction::CodePageTestPrint:
      return CodePageTestPrint();
  }
  return {};
}

}  // namespace varnex::receipt
