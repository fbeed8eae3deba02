#pragma once

#include "text/Language.h"

#include <QString>

#include <optional>
#include <span>

// What the program knows of each language it speaks: how the command line and the translation
// files name it, how it names itself in the Language menu, and which locales it serves.
struct LanguageInfo {
    Language language;
    const char* code;        // --lang and the translation file: "de", "pt-BR", "zh-CN"
    const char16_t* name;    // its own name, as the Language menu shows it (the three table
                             // languages' items take their captions from the caption table)
    const char* locale;      // the locale's language part it serves ("pt" for pt_BR and pt_PT)
    const char* qtName;      // the suffix of Qt's own translation ("pt_BR"); null: Qt ships none
};

// The thirteen, in Language order, which is also the Language menu's order.
[[nodiscard]] std::span<const LanguageInfo> languages();
// The entry of a valid language; the Simplified entry for any other value.
[[nodiscard]] const LanguageInfo& languageInfo(Language language);
// The language a --lang value names: a code (letter case and "_" for "-" do not matter), or
// one of the older spellings en/english/simplified/traditional/zh-hans/zh-hant/0/1/2.
[[nodiscard]] std::optional<Language> languageForCode(const QString& text);
// "en, zh-CN, zh-TW, de, ...": the codes as a message or help line lists them.
[[nodiscard]] QString languageCodes();
