#pragma once

#include <QDialog>

#include <functional>

class ChipDatabase;
class QComboBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// The chip search dialog: a filter field and the chips whose name holds the filter text. The
// dialog only finds; choosing is the main window's business, handed the row's three texts.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    using ChooseChip = std::function<void(const QString& type, const QString& manufacturer,
        const QString& model)>;

    TForm3(const ChipDatabase& database, ChooseChip choose, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;   // the filter, editable
    QTreeWidget* ListView1 = nullptr;
    QPushButton* BitBtn1 = nullptr;   // choose the selected row
    QPushButton* BitBtn2 = nullptr;   // close

public slots:
    void FormShow();
    void ComboBox1Change();
    void ListView1SelectItem();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void resetColumns();
    void addRow(int slot);

    const ChipDatabase& m_database;
    ChooseChip m_choose;
};
