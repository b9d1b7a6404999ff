#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace varnex::common {

// One entry of a drop-down list that decides a command byte: the text exactly as the list shows
// it (UTF-8, compared exactly and case-sensitively) and the byte it sends.
struct Choice {
  std::string_view text;
  std::uint8_t value;
};

// The byte of the entry whose text matches, if any.
inline std::optional<std::uint8_t> ValueOfChoice(std::span<const Choice> choices,
                                                 std::string_view text) {
  for (const Choice& choice : choices) {
    if (choice.text == text) {
      return choice.value;
    }
  }
  return std::nullopt;
}

// Position of the entry with this text (the list's size when there is none).
inline std::size_t IndexOfChoice(std::span<const Choice> choices, std::string_view text) {
  const auto found = std::find_if(choices.begin(), choices.end(),
                                  [text](const Choice& c) { return c.text == text; });
  return static_cast<std::size_t>(found - choices.begin());
}

// The entries' texts in list order, for filling the drop-down list.
inline std::vector<std::string_view> ChoiceTexts(std::span<const Choice> choices) {
  std::vector<std::string_view> texts;
  texts.reserve(choices.size());
  for (const Choice& choice : choices) {
    texts.push_back(choice.text);
  }
  return texts;
}

// Compile-time checks of a table of command rows (each with `setting`, `choices` and
// `defaultChoice`): the rows follow their enumeration, and every default is one of its entries.
template <typename Row, std::size_t N>
constexpr bool RowsFollowEnumeration(const Row (&rows)[N]) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(rows[i].setting) != i) {
      return false;
    }
  }
  return true;
}

template <typename Row, std::size_t N>
constexpr bool EveryDefaultIsAChoice(const Row (&rows)[N]) {
  for (const Row& row : rows) {
    if (std::none_of(row.choices.begin(), row.choices.end(),
                     [&row](const Choice& c) { return c.text == row.defaultChoice; })) {
      return false;
    }
  }
  return true;
}

}  // namespace varnex::common
