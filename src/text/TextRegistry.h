#pragma once

#include <QString>

#include <vector>

// Every text the added languages translate: the English column of each text table, once per
// distinct text, in table order, leaving out the names and terms the three table languages
// write alike. The translation files hold exactly these.
struct TranslatableText {
    QString english;
    QString simplified;  // the Simplified Chinese text: what the text says, for the translator
    QString where;       // the table and entry it comes from ("caption TForm1.O1", "message 15")
    QString note;        // what a translator should know (an English text with a slip); may be empty
    bool fixed = false;  // shown alike in the table languages (simplified holds that text)
};

[[nodiscard]] std::vector<TranslatableText> translatableTexts();
