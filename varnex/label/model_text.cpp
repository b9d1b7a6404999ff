#include "varnex/label/model_text.h"

#include <cstdint>
#include <utility>

#include "platform/gbk.h"

namespace varnex::label {

Outcome BuildModelText(std::u16string_view text) {
  Bytes gbk = platform::ToGbk(text);
  if (gbk.size() > kMaxModelTextBytes) {
    return Outcome::Refuse(kModelTextTooLongMessage);
  }
  if (gbk.empty()) {
    return Outcome::Refuse(kModelTextEmptyMessage);
  }
  Bytes header{0x1F, 0x1B, 0x16, 0x0C, static_cast<std::uint8_t>(gbk.size())};
  return Outcome::SendAll({std::move(header), std::move(gbk)});
}

}  // namespace varnex::label
