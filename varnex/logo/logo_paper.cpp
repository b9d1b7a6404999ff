#include "varnex/logo/logo_paper.h"

#include <array>

namespace varnex::logo {

namespace {

struct PaperRow {
  LogoPaper paper;
  int maxWidth;
  const char* sizeHint;
};

// One row a paper: the printable width in dots of the 58 mm and 80 mm heads.
constexpr std::array<PaperRow, 2> kPapers{{
    {LogoPaper::Pos58, 384, "Max BMP Size:384 X 600"},
    {LogoPaper::Pos80, 576, "Max BMP Size:576 X 600"},
}};

const PaperRow& RowOf(LogoPaper paper) {
  for (const auto& row : kPapers) {
    if (row.paper == paper) {
      return row;
    }
  }
  return kPapers.front();
}

}  // namespace

int LogoMaxWidth(LogoPaper paper) {
  return RowOf(paper).maxWidth;
}

std::string LogoSizeHint(LogoPaper paper) {
  return RowOf(paper).sizeHint;
}

}  // namespace varnex::logo
