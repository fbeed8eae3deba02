#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QListWidget;

// "Select data format": which of several clipboard formats to paste, and whether Text is read
// as hex digits.
class HexFormatDialog : public QDialog {
    Q_OBJECT
public:
    HexFormatDialog(QWidget* owner, const QStringList& formats, bool hexText);

    // Runs the dialog modally; false when cancelled.
    static bool choose(QWidget* owner, const QStringList& formats, int& chosen, bool& hexText);

private:
    void formatChanged();

    QStringList m_formats;
    QListWidget* m_list = nullptr;
    QCheckBox* m_hexText = nullptr;
};
