#include "varnex/label/paper_size.h"

#include <string>

#include "varnex/label/ascii_command.h"

namespace varnex::label {

Outcome BuildPaperSize(std::u16string_view widthText, std::u16string_view heightText, Unit unit) {
  if (heightText.empty() || widthText.empty()) {
    return Outcome::Refuse(kEmptySizeMessage);
  }
  const int width = SizeInMillimetres(widthText, unit);
  const int height = SizeInMillimetres(heightText, unit);
  return Outcome::Send(
      AsciiCommand("SIZE " + std::to_string(width) + " mm," + std::to_string(height) + " mm \r\n"));
}

}  // namespace varnex::label
