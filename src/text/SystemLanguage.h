#pragma once

#include "text/Language.h"

#include <QString>

// The language a first start speaks (no language in the settings yet): the one of the locale
// the person's session sets for messages.
namespace SystemLanguage {

// The locale that governs messages, as the C library chooses it: LC_ALL, else LC_MESSAGES,
// else LANG, the first one set and not empty; empty when none is. As in gettext programs,
// LANGUAGE (languages by preference, "fr:zh_TW:en") goes before them unless that locale is C
// or POSIX: its first entry in a language the program speaks, or else its first entry.
[[nodiscard]] QString messagesLocale();

// zh_CN and zh_SG speak Simplified Chinese, zh_TW, zh_HK and zh_MO Traditional Chinese; de, es,
// fr, it, pl, pt (any territory), ru, uk, tr and vi their language; any other language English. The C and POSIX locales, or no locale at all, keep the program's
// designed language, Simplified Chinese. Codeset and modifier ("zh_TW.UTF-8@x") are ignored.
[[nodiscard]] Language forLocale(const QString& locale);

[[nodiscard]] inline Language current() { return forLocale(messagesLocale()); }

// The language of messages on a terminal (both programs' command lines): the locale's, as
// forLocale chooses it, except that C, POSIX or no locale at all speak English.
[[nodiscard]] Language forTerminal();

}  // namespace SystemLanguage
