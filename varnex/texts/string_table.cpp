#include "varnex/texts/string_table.h"

#include <charconv>

namespace varnex::texts {
namespace {

std::string Unescape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
      result.push_back('\n');
      ++i;
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}

}  // namespace

StringTable StringTable::Parse(std::string_view tsv) {
  StringTable table;
  while (!tsv.empty()) {
    const auto end = tsv.find('\n');
    std::string_view line = tsv.substr(0, end);
    tsv = end == std::string_view::npos ? std::string_view{} : tsv.substr(end + 1);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const auto firstTab = line.find('\t');
    const auto secondTab = line.find('\t', firstTab == std::string_view::npos ? 0 : firstTab + 1);
    if (firstTab == std::string_view::npos || secondTab == std::string_view::npos) {
      continue;
    }
    int id = 0;
    const auto [ptr, error] = std::from_chars(line.data(), line.data() + firstTab, id);
    if (error != std::errc() || ptr != line.data() + firstTab) {
      continue;
    }
    table.entries_[id] = Entry{Unescape(line.substr(firstTab + 1, secondTab - firstTab - 1)),
                               Unescape(line.substr(secondTab + 1))};
  }
  return table;
}

const std::string& StringTable::Text(int id, platform::UiLanguage language) const {
  static const std::string kEmpty;
  const auto found = entries_.find(id);
  if (found == entries_.end()) {
    return kEmpty;
  }
  return language == platform::UiLanguage::Chinese ? found->second.chinese : found->second.english;
}

}  // namespace varnex::texts
