#pragma once

#include "text/LanguageTexts.h"
#include "text/MessageCatalog.h"

#include <QString>
#include <QAnyStringView>

#include <span>

// What an entry of a caption set sets on its control.
enum class CaptionProperty {
    WindowTitle,  // the form's own caption; the entry's control is the form name ("TForm1")
    Caption,      // text of a label, button, tool button, check box, radio button or group box
    MenuCaption,  // text of a menu item (its objectName); "&" marks the accelerator letter
    PanelText,    // text of status-bar panel `index`
    ColumnTitle,  // caption of list column `index`
};

struct CaptionEntry {
    const char* control;        // object name of the control (or of the form for WindowTitle)
    CaptionProperty property;
    int index;                  // panel or column number; -1 where the property has none
    LanguageTexts texts;  // Simplified, Traditional, English
    // The caption the form carries as designed, before the first language switch, where it
    // differs from the Simplified text; null otherwise.
    const char16_t* designed = nullptr;

    // A language outside the known ones gives a null string: ApplyLanguage must then set nothing.
    [[nodiscard]] QString text(Language language) const;
    // The caption as designed: `designed` where set, else the Simplified text.
    [[nodiscard]] QString designedText() const;
};

// The captions of one form in table order, which is also the order ApplyLanguage sets them in.
struct CaptionSet {
    const char* form;
    std::span<const CaptionEntry> entries;

    // The entry for a control and property (index -1 matches entries without an index);
    // null when the set has none.
    [[nodiscard]] const CaptionEntry* find(QAnyStringView control,
                                           CaptionProperty property = CaptionProperty::Caption,
                                           int index = -1) const;
    [[nodiscard]] bool isEmpty() const { return entries.empty(); }
};

// Sets by name: "TForm1" (main window), "TForm2" (chip database editor), "TForm3" (chip
// search), "TForm4" (buffer fill) are what ApplyLanguage applies. "TForm3.ListView1" holds the
// column captions of the search result list, which the search dialog sets each time it builds
// its columns, not ApplyLanguage. An unknown name gives an empty set.
[[nodiscard]] const CaptionSet& captionsFor(QAnyStringView setName);
