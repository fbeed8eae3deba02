#pragma once

#include "FindPattern.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The find dialog of the hex view: hex bytes with ?? for any byte, or text with or without
// case, from the caret or from the start. It hands a valid pattern to the window's search and
// closes when that finds it; a bad input or no match is said inside the dialog, which stays
// open. It keeps what was typed and the last pattern for Find next.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    // Searches the view for the pattern, from its start or from the caret; true when found.
    using Search = std::function<bool(const FindPattern& pattern, bool fromStart)>;

    explicit FindDialog(Search search, QWidget* parent = nullptr);

    // Captions in the current language; the window calls it before each showing.
    void applyLanguage();
    [[nodiscard]] const std::optional<FindPattern>& lastPattern() const { return m_last; }

    QLabel* WhatLabel = nullptr;
    QLineEdit* FindEdit = nullptr;
    QRadioButton* HexRadio = nullptr;
    QRadioButton* TextRadio = nullptr;
    QCheckBox* IgnoreCaseBox = nullptr;
    QRadioButton* FromCaretRadio = nullptr;
    QRadioButton* FromStartRadio = nullptr;
    QLabel* MessageLabel = nullptr;
    QPushButton* FindButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FindButtonClick();

    Search m_search;
    std::optional<FindPattern> m_last;
};
