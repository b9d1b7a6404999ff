#pragma once

#include "varnex/common/outcome.h"

namespace varnex::label {

using common::Bytes;
using common::Outcome;

}  // namespace varnex::label
