#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/ui_language.h"

namespace varnex::texts {

// The user-interface texts by numeric id, once in English and once in Simplified Chinese.
class StringTable {
 public:
  // Reads lines "id<TAB>English<TAB>Chinese"; "#" lines and blank lines are skipped, "\n" in a
  // text stands for a line break.
  static StringTable Parse(std::string_view tsv);

  // The text of an id in a language; an empty string for an unknown id.
  const std::string& Text(int id, platform::UiLanguage language) const;
  bool Contains(int id) const { return entries_.count(id) != 0; }
  std::size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string english;
    std::string chinese;
  };
  std::map<int, Entry> entries_;
};

// The table built into the program.
const StringTable& VarnexStrings();

// The current UI language and the lookup in it; the main window switches the language.
class UiTexts {
 public:
  explicit UiTexts(platform::UiLanguage language, const StringTable& table = VarnexStrings())
      : language_(language), table_(table) {}

  platform::UiLanguage language() const { return language_; }
  void SetLanguage(platform::UiLanguage language) { language_ = language; }
  const std::string& Text(int id) const { return table_.Text(id, language_); }

 private:
  platform::UiLanguage language_;
  const StringTable& table_;
};

}  // namespace varnex::texts
