#include "platform/ui_language.h"

#include <cstdlib>
#include <string_view>

namespace platform {

UiLanguage LanguageFromLocaleValues(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value != nullptr && *value != '\0') {
      return std::string_view(value).starts_with("zh_CN") ? UiLanguage::Chinese
                                                          : UiLanguage::English;
    }
  }
  return UiLanguage::English;
}

UiLanguage LanguageFromLocale() {
  return LanguageFromLocaleValues(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                  std::getenv("LANG"));
}

}  // namespace platform
