#pragma once

#include "text/MessageCatalog.h"
#include "chipdb/ChipLists.h"
#include "programmer/ChipSession.h"
#include "programmer/OperatorFeedback.h"
#include "usb/ProgrammerSelector.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class FindDialog;
struct FindPattern;
class HexEditorEx;
class PanelStatusBar;
class ChecksumPanel;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QToolButton;
class QTextEdit;
class QToolBar;
class SettingsFile;
class TAboutBox;
class TForm2;
class TForm3;
class TForm4;
class TUsbBulk;

// The main window. It holds, for the whole run, the chip session (the memory image of the chip,
// DataBuffer and DataLength, the chip table with the current chip, the speed and the automatic
// options, and the operations), the one USB transport, the settings file and the hex view; it
// implements the operator feedback the chip operations report through, and is the view of the
// image and the chip lists they keep in step. The named accessors and the controls are views of
// the session.
// The controls keep their form names (ToolRead, ComboBox4, FlashEditor ...), which are also
// their object names, so tests and the language switch find them by name.
class TForm1 : public QMainWindow, public OperatorFeedback, public ChipSession::View, public ChipListSelection {
    Q_OBJECT
public:
    static constexpr qint64 DataBufferSize = ChipSession::DataBufferSize;  // 64 MiB

    // Where the window keeps its files and which USB library its transport binds. The defaults
    // are the program's own (ProgramFiles): beside the executable and named after it when the
    // program runs portable, else in the user's configuration and data folders.
    struct Environment {
        QString settingsPath;
        QString databasePath;
        QString usbLibrary;  // empty: the transport's default library
        // The language of a first start, when the settings hold none (the system locale's).
        Language firstLanguage = Language::Simplified;
        [[nodiscard]] static Environment defaults();
    };

    explicit TForm1(const Environment& environment = Environment::defaults(),
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // --- the data the operations work on --------------------------------------------------
    [[nodiscard]] std::span<quint8> dataBuffer() { return m_session.image(); }
    [[nodiscard]] qint32 dataLength() const { return m_session.imageLength(); }
    void setDataLength(qint32 length) { m_session.setImageLength(length); }
    [[nodiscard]] TUsbBulk& usb() { return *m_usb; }
    [[nodiscard]] ChipDatabase& chipDatabase() { return m_session.database(); }
    [[nodiscard]] int currentChip() const { return m_session.currentChip(); }
    [[nodiscard]] const ChipRecord& currentChipRecord() const { return m_session.currentChipRecord(); }

    // --- chip selection -------------------------------------------------------------------
    // Rebuilds the manufacturer and model lists for the type at position type and chooses the
    // model at position model (-1 allowed anywhere). Returns the chosen slot, or -1 when no
    // model matched; then currentChip and the size fields keep their values. Always reloads
    // the hex view.
    int SelectChip(int type, int manufacturer, int model);
    // Chooses the chip whose list texts these are, letter case ignored; as SelectChip returns.
    int selectChipNamed(const QString& type, const QString& manufacturer, const QString& model);
    // INDEX1..INDEX3: the remembered list positions that the settings file keeps.
    [[nodiscard]] int rememberedIndex(int list) const { return m_index.at(list); }

    // --- the hex view ---------------------------------------------------------------------
    // Takes the view's edits (TakeViewEdits), then shows the first flashSize bytes of DataBuffer.
    void LoadViewFromBuffer();
    // Only when the view was modified: the view's bytes copied into DataBuffer, DataLength raised
    // to their count if below it, the view's modified flag cleared.
    void TakeViewEdits();
    // The chip-sized image Save writes and Write programs from, as it stands now: the view's
    // bytes up to the chip's size once its edits are taken, then DataBuffer's. Two parts, so
    // that nothing is copied to read it.
    [[nodiscard]] std::array<std::span<const quint8>, 2> savedImage() const;

    // --- presentation services ------------------------------------------------------------
    void LogLine(const QString& text);
    [[nodiscard]] QString firstLogLine() const;
    void ShowError(const QString& text);
    [[nodiscard]] QString statusText() const;  // panel 1

    void ApplyLanguage();
    // The dialogs that follow the language switch: "TForm2", "TForm3", "TForm4".
    void registerLanguageForm(const QString& setName, QWidget* form);

    // --- OperatorFeedback -----------------------------------------------------------------
    void setStatus(const QString& text) override;
    void setElapsed(const QString& hhmmss) override;
    void progressStart(qint64 max) override;
    void progressStep(qint64 position) override;
    void progressEnd() override;
    void logLine(const QString& message) override { LogLine(message); }
    void showError(const QString& message) override { ShowError(message); }
    void showInfo(const QString& message) override;
    // True when the user chose Yes.
    bool askYesNo(const QString& message) override;
    void setOperationControlsEnabled(bool enabled) override;
    void beep() override;

    // --- ChipSession::View and ChipListSelection: the hex view and the chip lists as the
    // operations and chip detection see them. Items are found in the chip-list pass's own lists,
    // which the drop-down lists show.
    void takeViewEdits() override { TakeViewEdits(); }
    void loadViewFromBuffer() override { LoadViewFromBuffer(); }
    int findItem(ChipList list, const QString& text) const override
    {
        return m_chipLists.find(static_cast<ChipLists::List>(list), text);
    }
    int position(ChipList list) const override;
    QString selectedText(ChipList list) const override;
    int rememberedIndex(ChipList list) const override { return rememberedIndex(static_cast<int>(list)); }
    void setRememberedIndex(ChipList list, int position) override { m_index.at(static_cast<int>(list)) = position; }
    void selectChip(int type, int manufacturer, int model) override { SelectChip(type, manufacturer, model); }

public slots:
    // The chip operations, the detection button and the connection check. Their bodies are
    // in TForm1Operations.cpp.
    void ToolReadClick();
    void ToolEraseClick();
    void ToolWriteClick();
    void ToolVerifyClick();
    void ToolAutoClick();
    void ToolBankClick();
    void BitBtn1Click();
    void ProbeProgrammer();

    void ComboBox1Change();
    void ComboBox2Change();
    void ComboBox3Change();
    void BitBtn2Click();
    void ToolAboutClick();
    // The buffer file commands, the fill dialog and the chip database editor; their bodies are
    // in TForm1Files.cpp.
    void ToolOpenClick();
    void ToolSaveClick();
    void ToolFillClick();
    void ToolDeviceClick();
    // The edit commands of the Buffer menu and the hex view's context menu, on FlashEditor;
    // their bodies are in TForm1Edit.cpp.
    void Undo1Click();
    void Redo1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void PasteHex1Click();
    void SelectAll1Click();
    void Find1Click();
    void FindNext1Click();
    void GoTo1Click();
    // Compare with the chip or with a file, and the moves between the differences found; their
    // bodies are in TForm1Compare.cpp.
    void CompareChip1Click();
    void CompareFile1Click();
    void NextDiff1Click();
    void PrevDiff1Click();

public:
    // Loads a buffer file as Open does once its dialog has named it (also the file named on the
    // command line); a file that cannot be loaded is reported and changes nothing.
    void openImageFile(const QString& path);
    // True while a chip operation runs: commands that change the buffer are refused then.
    [[nodiscard]] bool chipOperationRunning() const;
    // Enables each edit command exactly when it can act, and the file, fill and chip commands
    // of the menus exactly while no chip operation runs.
    void updateEditCommands();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenu();
    void buildToolBar();
    QWidget* buildChipPanel();
    QWidget* buildClientPanel();
    void buildStatusBar();
    void createFileCommands();
    void createEditCommands();
    // Runs a chip operation's handler: gives the focus back afterwards, and closes the window
    // when the person asked to close it while the operation ran.
    void runOperation(const std::function<void()>& operation);
    // Binds the session's operations to the window's side of them; the speed list and the
    // option boxes write through to the session.
    void createOperations();
    [[nodiscard]] QComboBox* chipBox(ChipList list) const;
    // Compares the chip-sized image, the view's edits taken, with other (the chip's or a file's
    // bytes) and shows the result in the log, the view and the status bar.
    void showDifferences(std::span<const quint8> other, bool withChip, const QString& against);
    void showDifferenceRange(qint64 index);
    // "Range i of n" for the range last shown, in the current language; empty without marks.
    void showDifferenceStatus();
    // Keeps the folder of an image opened, saved or compared, for the next file dialog.
    void rememberImageFolder(const QString& path);
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Selects the first match at from or later and scrolls it into view; false when none.
    bool findAndSelect(const FindPattern& pattern, qint64 from);
    void chooseChipAfterEdit();
    void applyCaptionSet(const QString& setName, QWidget* form, bool designed);
    void placeProgress();
    void StatusBar1DrawPanel(class QPainter& painter, int panel, const QRect& rect);
    void FormShow();
    void FormActivate();
    void SettingsLoad();
    void SettingsSave();
    // The Programmer submenu (TForm1Programmers.cpp).
    void applyProgrammerChoice(const QString& selector);
    void chooseProgrammer(const QString& selector);
    void refreshProgrammerMenu();
    void buildProgrammerMenu();

    Environment m_environment;
    ChipSession m_session;
    // The header of the capsule the image was opened from, put back by a save as a capsule;
    // empty when the image came from anything else.
    QByteArray m_capsuleHeader;
    qint32 m_logCounter = 1;
    ChipLists m_chipLists{m_session.database()};  // what the three chip lists show
    std::array<int, 3> m_index{0, 0, 0};
    std::unique_ptr<TUsbBulk> m_usb;
    QString m_programmerChoice;                     // empty: the first programmer found
    std::vector<ProgrammerIdentity> m_programmers;   // as the last connection check found them
    std::unique_ptr<SettingsFile> m_settings;
    bool m_shown = false;
    std::vector<std::pair<QString, QWidget*>> m_languageForms;  // each dialog with its caption set
    FindDialog* m_findDialog = nullptr;  // created at the first Find, keeps what was typed
    bool m_clipboardHasText = false;     // the clipboard holds text, which Paste hex text reads
    bool m_clipboardOffersData = false;  // the clipboard holds a format the view pastes
    // Receives the clipboard and focus notifications that update the edit commands. A member,
    // so they stop before the window is taken down: the base destructor still moves the focus as
    // it closes the window, and the view empties the clipboard as it goes.
    QObject m_editNotifications;
    qint64 m_shownDifference = 0;  // the range the status bar names
    bool m_closeWhenIdle = false;  // the close box was used while an operation ran
    QString m_imageFolder;         // [Folders] Images

public:
    // The controls, named as on the form. Owned by their Qt parents.
    QToolBar* ToolBar1 = nullptr;
    QAction* ToolOpen = nullptr;
    QAction* ToolSave = nullptr;
    QAction* ToolRead = nullptr;
    QAction* ToolBank = nullptr;
    QAction* ToolErase = nullptr;
    QAction* ToolWrite = nullptr;
    QAction* ToolVerify = nullptr;
    QAction* ToolAuto = nullptr;
    QAction* ToolFill = nullptr;
    QAction* ToolDevice = nullptr;
    QAction* ToolAbout = nullptr;

    QMenu* O1 = nullptr;
    QAction* O2 = nullptr;
    QAction* S1 = nullptr;
    QAction* Q1 = nullptr;
    QMenu* Buff = nullptr;
    QAction* Fill = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* PasteHex1 = nullptr;
    QAction* SelectAll1 = nullptr;
    QAction* Find1 = nullptr;
    QAction* FindNext1 = nullptr;
    QAction* GoTo1 = nullptr;
    QAction* CompareChip1 = nullptr;
    QAction* CompareFile1 = nullptr;
    QAction* NextDiff1 = nullptr;
    QAction* PrevDiff1 = nullptr;
    QMenu* EditPopupMenu = nullptr;  // FlashEditor's context menu: the same edit commands
    QMenu* O3 = nullptr;
    QAction* A1 = nullptr;
    QAction* E1 = nullptr;
    QAction* W1 = nullptr;
    QAction* R1 = nullptr;
    QAction* V1 = nullptr;
    QAction* N7 = nullptr;
    QMenu* ProgrammerMenu = nullptr;
    QAction* N3 = nullptr;
    QMenu* L1 = nullptr;
    QAction* China = nullptr;
    QAction* fanti = nullptr;
    QAction* Enlish = nullptr;
    // Every item of the Language menu in Language order: China, fanti, Enlish, then the added
    // languages, each under its own name.
    std::array<QAction*, LanguageCount> LanguageItems{};
    QMenu* H1 = nullptr;
    QAction* N5 = nullptr;

    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLabel* Label6 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QToolButton* BitBtn3 = nullptr;
    HexEditorEx* FlashEditor = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    PanelStatusBar* StatusBar1 = nullptr;
    QProgressBar* Progress = nullptr;
    ChecksumPanel* CrcPanel = nullptr;  // "CRC32: ..." of the saved image, at the status bar's right end
    QLabel* DiffPanel = nullptr;        // "Range k of n" after a compare, beside the checksum panel

    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TAboutBox* AboutBox = nullptr;
};
