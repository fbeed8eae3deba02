#pragma once

#include "chipdb/ChipDatabase.h"
#include "chipdb/TForm2Rows.h"

#include <QByteArray>
#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The chip database editor. Its grid is a working copy of the chip table: Add, Edit and Delete
// change only the grid; Save checks every row, then stores them all into the table and rewrites
// the database file. Each showing reloads the file.
class TForm2 : public QDialog {
    Q_OBJECT

public:
    using ErrorReporter = std::function<void(const QString& message)>;
    // Asks a yes/no question; true when the user chose Yes.
    using Questioner = std::function<bool(const QString& question)>;

    // database is the main window's table, which Save writes directly.
    explicit TForm2(ChipDatabase& database, QWidget* parent = nullptr);

    // The database file; the program's own by default.
    void setDatabasePath(const QString& path) { m_path = path; }
    // Where error messages go; a modal "Error" box by default.
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    // Where questions go; a modal "Info" box by default.
    void setQuestioner(Questioner questioner) { m_ask = std::move(questioner); }

    // Grid row (1-based, the header being row 0) the user last selected; 0 before any.
    [[nodiscard]] int selectedRow() const { return m_selectedRow; }
    [[nodiscard]] std::vector<ChipGridRow> gridRows() const;
    [[nodiscard]] ChipEditorFields fields() const;

    // The dialog's operations; the buttons and the grid call them.
    void reloadFromFile();
    // The family and sub-type lists and the grid's headers in the language in force.
    void applyLanguage();
    void loadSelectedRow();
    // Ctrl+V on the grid: the clipboard's text into the current cell, when that is editable.
    void pasteIntoCurrentCell();
    void addRow();
    void editRow();
    void deleteRow();
    // Returns false, leaving the table and the file alone, when a row cannot be stored, the
    // file cannot be written, or the person keeps a file another program changed since it was
    // read.
    bool SaveChipDatabase();
    // Whether the grid differs from the rows last loaded from the file or saved into it.
    [[nodiscard]] bool hasUnsavedRows() const { return gridRows() != m_savedRows; }

    // Escape, the close box and Quit all end here: with unsaved rows the user is asked first.
    void reject() override;

signals:
    // The table was saved, or reloaded from a file another program changed; the main window
    // chooses its chip again, since the slot it had may now hold another chip.
    void chipTableChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void familyChanged(int family);
    void setGridHeaders();
    void fitListsToTheirTexts();
    void setFields(const ChipEditorFields& fields);
    void writeRow(int gridRow, const ChipGridRow& row);
    // The row the fields describe, to stand at gridRow; false after a message when it cannot.
    [[nodiscard]] bool encodableFields(ChipGridRow& row, int gridRow);
    [[nodiscard]] ChipGridRow rowAt(int gridRow) const;
    // Makes a cell current and scrolls it into view.
    void showCell(int row, int column);

    ChipDatabase& m_database;
    QString m_path;
    ErrorReporter m_reportError;
    Questioner m_ask;
    int m_selectedRow = 0;
    std::vector<ChipGridRow> m_savedRows;
    std::optional<QByteArray> m_fileAsRead;  // the file as last read or saved; none when missing

    QTableWidget* m_grid = nullptr;
    QComboBox* m_type = nullptr;          // ComboBox1
    QComboBox* m_manufacturer = nullptr;  // ComboBox2
    QComboBox* m_model = nullptr;         // ComboBox3
    QLineEdit* m_delay = nullptr;         // Edit1
    QComboBox* m_family = nullptr;        // ComboBox4
    QComboBox* m_flashSize = nullptr;     // ComboBox5
    QComboBox* m_flashPage = nullptr;     // ComboBox6
    QComboBox* m_voltage = nullptr;       // ComboBox7
    QComboBox* m_subType = nullptr;       // ComboBox8
    QComboBox* m_chipId = nullptr;        // ComboBox9
    QComboBox* m_eepromSize = nullptr;    // ComboBox10
    QComboBox* m_eepromPage = nullptr;    // ComboBox11
    QComboBox* m_link = nullptr;          // ComboBox12
};
