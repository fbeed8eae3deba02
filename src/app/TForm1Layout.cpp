// The controls of the main window and where they sit, as the form was designed.
#include "TForm1.h"

#include "controls/NamedWidget.h"
#include "text/Languages.h"

#include "AppIcons.h"
#include "text/MessageCatalogExtra.h"
#include "PanelStatusBar.h"
#include "chipdb/TForm2Rows.h"
#include "ChecksumPanel.h"
#include "hexview/HexEditorEx.h"
#include "usb/UsbBulk.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedLayout>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cerrno>

namespace {

QMenu* namedMenu(QMenuBar* bar, const char* name)
{
    auto* menu = named(bar->addMenu(QString()), name);
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    return menu;
}

}  // namespace

void TForm1::buildMenu()
{
    // Each item starts its handler, the same one as the tool button of its command.
    const auto namedItem = [this](QMenu* menu, const char* name, void (TForm1::*handler)(),
                                  const QList<QKeySequence>& keys = {}) {
        QAction* action = named(menu->addAction(QString()), name);
        action->setShortcuts(keys);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenuBar* bar = menuBar();
    O1 = namedMenu(bar, "O1");
    O2 = namedItem(O1, "O2", &TForm1::ToolOpenClick, {Qt::CTRL | Qt::Key_O});
    S1 = namedItem(O1, "S1", &TForm1::ToolSaveClick, {Qt::CTRL | Qt::Key_S});
    O1->addSeparator();
    Q1 = namedItem(O1, "Q1", nullptr);
    connect(Q1, &QAction::triggered, this, &QWidget::close);

    Buff = namedMenu(bar, "Buff");
    Fill = namedItem(Buff, "Fill", &TForm1::ToolFillClick);
    // The edit commands of the hex view. None of their keys shadows one of the view's own keys
    // (it keeps Ctrl+Z, Ctrl+Shift+Z, Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A while it has the focus,
    // TForm1Edit.cpp) or another accelerator of the window.
    Buff->addSeparator();
    Undo1 = namedItem(Buff, "Undo1", &TForm1::Undo1Click, {Qt::CTRL | Qt::Key_Z});
    Redo1 = namedItem(Buff, "Redo1", &TForm1::Redo1Click, {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y});
    Cut1 = namedItem(Buff, "Cut1", &TForm1::Cut1Click, {Qt::CTRL | Qt::Key_X});
    Copy1 = namedItem(Buff, "Copy1", &TForm1::Copy1Click, {Qt::CTRL | Qt::Key_C});
    Paste1 = namedItem(Buff, "Paste1", &TForm1::Paste1Click, {Qt::CTRL | Qt::Key_V});
    PasteHex1 = namedItem(Buff, "PasteHex1", &TForm1::PasteHex1Click);
    SelectAll1 = namedItem(Buff, "SelectAll1", &TForm1::SelectAll1Click, {Qt::CTRL | Qt::Key_A});
    Buff->addSeparator();
    Find1 = namedItem(Buff, "Find1", &TForm1::Find1Click, {Qt::CTRL | Qt::Key_F});
    FindNext1 = namedItem(Buff, "FindNext1", &TForm1::FindNext1Click, {Qt::Key_F3});
    GoTo1 = namedItem(Buff, "GoTo1", &TForm1::GoTo1Click, {Qt::CTRL | Qt::Key_G});
    Buff->addSeparator();
    CompareChip1 = namedItem(Buff, "CompareChip1", &TForm1::CompareChip1Click);
    CompareFile1 = namedItem(Buff, "CompareFile1", &TForm1::CompareFile1Click);
    NextDiff1 = namedItem(Buff, "NextDiff1", &TForm1::NextDiff1Click, {Qt::Key_F8});
    PrevDiff1 = namedItem(Buff, "PrevDiff1", &TForm1::PrevDiff1Click, {Qt::SHIFT | Qt::Key_F8});

    O3 = namedMenu(bar, "O3");
    A1 = namedItem(O3, "A1", &TForm1::ToolAutoClick);
    O3->addSeparator();
    E1 = namedItem(O3, "E1", &TForm1::ToolEraseClick);
    W1 = namedItem(O3, "W1", &TForm1::ToolWriteClick);
    R1 = namedItem(O3, "R1", &TForm1::ToolReadClick);
    V1 = namedItem(O3, "V1", &TForm1::ToolVerifyClick);
    N7 = namedItem(O3, "N7", &TForm1::ToolBankClick);
    O3->addSeparator();
    ProgrammerMenu = named(O3->addMenu(QString()), "ProgrammerMenu");
    buildProgrammerMenu();

    // The hidden device command is a menu-bar item of its own, without sub-items.
    N3 = named(bar->addAction(QString()), "N3");
    N3->setVisible(false);
    connect(N3, &QAction::triggered, this, &TForm1::ToolDeviceClick);

    L1 = namedMenu(bar, "L1");
    China = namedItem(L1, "China", nullptr);
    fanti = namedItem(L1, "fanti", nullptr);
    Enlish = namedItem(L1, "Enlish", nullptr);
    LanguageItems = {China, fanti, Enlish};
    L1->addSeparator();
    for (const LanguageInfo& info : languages()) {
        QAction*& item = LanguageItems[static_cast<std::size_t>(info.language)];
        if (!item) {
            // Each added language in its own name, whatever the window speaks.
            item = L1->addAction(QString::fromUtf16(info.name));
            item->setObjectName(QStringLiteral("Language_%1").arg(QLatin1String(info.code)));
        }
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, language = info.language] {
            setCurrentLanguage(language);
            ApplyLanguage();
        });
    }
    China->setChecked(true);

    H1 = namedMenu(bar, "H1");
    N5 = namedItem(H1, "N5", &TForm1::ToolAboutClick);
}

void TForm1::buildToolBar()
{
    ToolBar1 = named(new QToolBar(this), "ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->toggleViewAction()->setEnabled(false);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setFixedHeight(57);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto add = [this](const char* name, const char* icon, void (TForm1::*handler)()) {
        QAction* action = named(new QAction(this), name);
        action->setIcon(AppIcons::icon(QString::fromLatin1(icon)));
        connect(action, &QAction::triggered, this, handler);
        ToolBar1->addAction(action);
        if (auto* button = ToolBar1->widgetForAction(action)) {
            button->setObjectName(QString::fromLatin1(name) + QStringLiteral("Button"));
            button->setMinimumSize(39, 52);
        }
        return action;
    };
    ToolOpen = add("ToolOpen", "open", &TForm1::ToolOpenClick);
    ToolSave = add("ToolSave", "save", &TForm1::ToolSaveClick);
    ToolBar1->addSeparator();
    ToolRead = add("ToolRead", "read", &TForm1::ToolReadClick);
    ToolBank = add("ToolBank", "bank", &TForm1::ToolBankClick);
    ToolErase = add("ToolErase", "erase", &TForm1::ToolEraseClick);
    ToolWrite = add("ToolWrite", "write", &TForm1::ToolWriteClick);
    ToolVerify = add("ToolVerify", "verify", &TForm1::ToolVerifyClick);
    ToolAuto = add("ToolAuto", "auto", &TForm1::ToolAutoClick);
    ToolBar1->addSeparator();
    ToolFill = add("ToolFill", "fill", &TForm1::ToolFillClick);
    ToolBar1->addSeparator();
    ToolDevice = add("ToolDevice", "device", &TForm1::ToolDeviceClick);
    ToolDevice->setVisible(false);
    ToolAbout = add("ToolAbout", "about", &TForm1::ToolAboutClick);
}

QWidget* TForm1::buildChipPanel()
{
    Panel2 = named(new QWidget, "Panel2");
    Panel2->setFixedWidth(185);
    auto* column = new QVBoxLayout(Panel2);
    column->setContentsMargins(4, 4, 4, 4);

    GroupBox1 = named(new QGroupBox, "GroupBox1");
    auto* chip = new QGridLayout(GroupBox1);
    chip->setContentsMargins(6, 6, 6, 6);
    Label1 = named(new QLabel, "Label1");
    Label2 = named(new QLabel, "Label2");
    Label3 = named(new QLabel, "Label3");
    ComboBox1 = named(new QComboBox, "ComboBox1");
    ComboBox2 = named(new QComboBox, "ComboBox2");
    ComboBox3 = named(new QComboBox, "ComboBox3");
    const std::array<std::pair<QLabel*, QComboBox*>, 3> rows{
        {{Label1, ComboBox1}, {Label2, ComboBox2}, {Label3, ComboBox3}}};
    // Each label above its list: the lists keep the column's whole width for part numbers,
    // whatever the length of the captions in the current language.
    chip->setVerticalSpacing(2);
    for (int row = 0; row < 3; ++row) {
        auto [label, list] = rows[static_cast<std::size_t>(row)];
        list->setMaxVisibleItems(20);
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
        chip->addWidget(label, 2 * row, 0, 1, 2);
        chip->addWidget(list, 2 * row + 1, 0, 1, 2);
    }
    BitBtn1 = named(new QPushButton, "BitBtn1");
    BitBtn2 = named(new QPushButton, "BitBtn2");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    chip->addLayout(buttons, 6, 0, 1, 2);
    column->addWidget(GroupBox1);

    // Only the user's own choices start the list handlers; SelectChip sets positions freely.
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);

    auto* sizes = new QGridLayout;
    Label4 = named(new QLabel, "Label4");
    Label5 = named(new QLabel, "Label5");
    Label6 = named(new QLabel, "Label6");
    // The capacity in bytes (Edit1) lies under its size label (ComboBox5); both are output.
    Edit1 = named(new QLineEdit, "Edit1");
    Edit1->setReadOnly(true);
    ComboBox5 = named(new QComboBox, "ComboBox5");
    ComboBox5->addItems(flashSizeItems());
    // Shown as a normal list, readable, but the user cannot change what it reports.
    ComboBox5->setFocusPolicy(Qt::NoFocus);
    ComboBox5->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* capacity = new QStackedLayout;
    capacity->setStackingMode(QStackedLayout::StackAll);
    capacity->addWidget(Edit1);
    capacity->addWidget(ComboBox5);
    capacity->setCurrentWidget(ComboBox5);
    Edit2 = named(new QLineEdit, "Edit2");
    Edit2->setReadOnly(true);
    ComboBox4 = named(new QComboBox, "ComboBox4");
    for (const char* speed : ChipSession::SpeedNames)
        ComboBox4->addItem(QLatin1String(speed));
    sizes->addWidget(Label4, 0, 0);
    sizes->addLayout(capacity, 0, 1);
    sizes->addWidget(Label5, 1, 0);
    sizes->addWidget(Edit2, 1, 1);
    sizes->addWidget(Label6, 2, 0);
    sizes->addWidget(ComboBox4, 2, 1);
    column->addLayout(sizes);

    GroupBox2 = named(new QGroupBox, "GroupBox2");
    auto* options = new QGridLayout(GroupBox2);
    CheckBox1 = named(new QCheckBox, "CheckBox1");
    CheckBox2 = named(new QCheckBox, "CheckBox2");
    CheckBox3 = named(new QCheckBox, "CheckBox3");
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3})
        box->setChecked(true);
    // The caption under the icon: beside it, it would not fit the column in most languages.
    BitBtn3 = named(new QToolButton, "BitBtn3");
    BitBtn3->setIcon(AppIcons::icon(QStringLiteral("auto")));
    BitBtn3->setIconSize(QSize(32, 32));
    BitBtn3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    BitBtn3->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    BitBtn3->setMinimumHeight(48);
    options->addWidget(CheckBox1, 0, 0);
    options->addWidget(CheckBox2, 1, 0);
    options->addWidget(CheckBox3, 2, 0);
    options->addWidget(BitBtn3, 0, 1, 3, 1);
    connect(BitBtn3, &QToolButton::clicked, this, &TForm1::ToolAutoClick);
    column->addWidget(GroupBox2);
    column->addStretch(1);
    return Panel2;
}

QWidget* TForm1::buildClientPanel()
{
    Panel1 = named(new QWidget, "Panel1");
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    // The chip column scrolls rather than holding the window at its full height, so a stored
    // window size smaller than the column is kept.
    auto* chipColumn = new QScrollArea;
    chipColumn->setFrameShape(QFrame::NoFrame);
    // Its controls take the keys; the area itself would hold the focus unseen, at start too.
    chipColumn->setFocusPolicy(Qt::NoFocus);
    chipColumn->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    chipColumn->setWidget(buildChipPanel());
    chipColumn->setWidgetResizable(true);
    chipColumn->setFixedWidth(Panel2->width());
    row->addWidget(chipColumn);

    auto* right = new QVBoxLayout;
    right->setSpacing(2);
    FlashEditor = named(new HexEditorEx, "FlashEditor");
    applyFlashEditorSettings(*FlashEditor);
    right->addWidget(FlashEditor, 1);
    createEditCommands();

    RichEdit1 = named(new QTextEdit, "RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setFixedHeight(93);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    QFont logFont = RichEdit1->font();
    logFont.setPixelSize(13);
    RichEdit1->setFont(logFont);
    right->addWidget(RichEdit1);
    row->addLayout(right, 1);
    return Panel1;
}

void TForm1::buildStatusBar()
{
    StatusBar1 = named(new PanelStatusBar, "StatusBar1");
    StatusBar1->setPanelText(3, QStringLiteral("00:00:00"));
    StatusBar1->setOwnerDrawnPanel(1, [this](QPainter& painter, int panel, const QRect& rect) {
        StatusBar1DrawPanel(painter, panel, rect);
    });
    // Over the not-connected text: what to check, or that the chosen programmer is attached but
    // another program holds it.
    StatusBar1->setPanelToolTip(1, [this] {
        if (catalogKeyOf(StatusBar1->panelText(1)) != MessageKey::StatusNotConnected)
            return QString();
        if (usb().selectionFailure() == TUsbBulk::SelectionFailure::ClaimRefused && usb().refusedClaimResult() == -EBUSY)
            return ExtraMessages::text(ExtraText::ProgrammerBusy).arg(m_programmerChoice);
        return ExtraMessages::text(ExtraText::NotConnectedCauses);
    });
    Progress = named(new QProgressBar(StatusBar1), "Progress");
    Progress->setRange(0, 100);
    Progress->setTextVisible(false);
    CrcPanel = named(new ChecksumPanel([this] { return savedImage(); }, StatusBar1), "CrcPanel");
    DiffPanel = named(new QLabel(StatusBar1), "DiffPanel");
    DiffPanel->setTextFormat(Qt::PlainText);
    DiffPanel->setIndent(3);
    // The range count belongs to the marks: a load takes both away.
    connect(FlashEditor, &HexEditor::DifferenceMarksChanged, this, [this] {
        if (FlashEditor->DifferenceMarks().empty())
            DiffPanel->clear();
        updateEditCommands();
    });
    connect(StatusBar1, &PanelStatusBar::resized, this, &TForm1::placeProgress);
}

void TForm1::placeProgress()
{
    // Over panel 4: the first four panels take 315 pixels; the checksum panel closes the bar
    // at its right end.
    constexpr int CrcPanelWidth = 128;
    const int border = PanelStatusBar::borderWidth();
    const int crcLeft = qMax(317, StatusBar1->width() - CrcPanelWidth);
    CrcPanel->setGeometry(crcLeft, border, StatusBar1->width() - crcLeft, StatusBar1->height() - border);
    Progress->setGeometry(317, border + 2, qMax(0, crcLeft - 319), StatusBar1->height() - border - 2);
    // Under the progress bar, which covers it while an operation runs.
    DiffPanel->setGeometry(317, border, qMax(0, crcLeft - 317), StatusBar1->height() - border);
    DiffPanel->lower();
}

void TForm1::StatusBar1DrawPanel(QPainter& painter, int panel, const QRect& rect)
{
    const QString text = StatusBar1->panelText(panel);
    // Red only for the current language's own not-connected text: a text left over from
    // before a language switch is drawn normally until the next check replaces it.
    const bool notConnected = text == MessageCatalog::text(MessageKey::StatusNotConnected);
    painter.setPen(notConnected ? QColor(255, 0, 0) : palette().color(QPalette::ButtonText));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
}
