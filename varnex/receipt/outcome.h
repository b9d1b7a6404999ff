#pragma once

#include "varnex/common/outcome.h"

namespace varnex::receipt {

using common::Bytes;
using common::Outcome;

}  // namespace varnex::receipt
