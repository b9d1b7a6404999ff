#pragma once

#include <cstddef>

#include "varnex/receipt/outcome.h"

namespace varnex::receipt {

// Receipt-printer actions that always send the same bytes.
enum class FixedAction {
  SelfTestPage,            // 1F 11 04
  RestoreFactorySettings,  // 1F 1B 19
  FeedAndCut,              // 0A 1B 40 1D 56 42 10 0A
  CashDrawerPulse,         // 0A 1B 70 00 40 50 1B 70 01 40 50 0A
  CodePageTestPrint,       // 278 bytes: both halves of the upper code page, normal and enlarged
};

inline constexpr std::size_t kCodePageTestPrintLength = 278;

Bytes BuildFixedAction(FixedAction action);

}  // namespace varnex::receipt
