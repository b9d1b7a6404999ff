#pragma once

namespace platform {

enum class UiLanguage { English, Chinese };

// The language the locale asks for: the first of LC_ALL, LC_MESSAGES and LANG that is set and
// not empty decides; a value that starts with "zh_CN" means Simplified Chinese, anything else
// English. This stands in for the "ANSI code page is 936" test of the Windows programs.
UiLanguage LanguageFromLocale();

// Same rule on given values (empty or null = not set), for tests.
UiLanguage LanguageFromLocaleValues(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace platform
