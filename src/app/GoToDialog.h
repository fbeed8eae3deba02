#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Asks for a hex address inside the buffer the hex view shows (0 to size - 1). An address that
// is not hex, or lies outside, is refused inside the dialog with the valid range.
class GoToDialog : public QDialog {
    Q_OBJECT
public:
    // size: bytes in the view; caret: the address offered at first.
    GoToDialog(qint64 size, qint64 caret, QWidget* parent = nullptr);

    // The address accepted; -1 before.
    [[nodiscard]] qint64 address() const { return m_address; }

    struct Checked {
        qint64 address = -1;
        QString error;  // the message, in the current language, when address is -1
    };
    // Hex digits with an optional 0x prefix or h suffix, blanks around ignored.
    [[nodiscard]] static Checked check(const QString& text, qint64 size);

    QLabel* AddressLabel = nullptr;
    QLineEdit* AddressEdit = nullptr;
    QLabel* MessageLabel = nullptr;
    QPushButton* GoToButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void GoToButtonClick();

    qint64 m_size;
    qint64 m_address = -1;
};
