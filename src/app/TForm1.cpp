#include "TForm1.h"

#include "AppIcons.h"
#include "FocusReturn.h"
#include "text/MessageCatalogExtra.h"
#include "PanelStatusBar.h"
#include "QtTranslations.h"
#include "SettingsFile.h"
#include "text/SystemLanguage.h"
#include "TAboutBox.h"
#include "chipdb/ChipDatabaseFile.h"
#include "chipdb/ProgramFiles.h"
#include "chipdb/ShippedChipUpgrade.h"
#include "chipdb/TForm3.h"
#include "usb/UsbBulk.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The folder the file dialogs start in: where the last image was opened, saved or compared.
// A section of its own, beside the sections other versions read.
const QString FoldersSection = QStringLiteral("Folders");
const QString ImagesKey = QStringLiteral("Images");
const QString EnvironmentSection = QStringLiteral("Environment");
const QString ChipSection = QStringLiteral("CHIP");
const QString DeviceSection = QStringLiteral("DEVICE");

// The stored bounds made reachable: a corner on no screen (a monitor since unplugged, a
// hand-edited file) goes to the middle of the primary screen, and a size beyond its screen,
// which would take gigabytes to draw and hide the menus, shrinks to that screen.
QRect onScreen(const QRect& stored)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto holds = [&stored](const QScreen* screen) {
        return screen->availableGeometry().contains(stored.topLeft());
    };
    const auto found = std::find_if(screens.begin(), screens.end(), holds);
    const QScreen* screen = found != screens.end() ? *found : QGuiApplication::primaryScreen();
    if (!screen)
        return stored;
    const QRect available = screen->availableGeometry();
    QRect placed(stored.topLeft(), stored.size().boundedTo(available.size()));
    if (found == screens.end())
        placed.moveCenter(available.center());
    return placed;
}

}  // namespace

TForm1::Environment TForm1::Environment::defaults()
{
    return {ProgramFiles::locate(QCoreApplication::applicationFilePath()).settingsPath, chipDatabasePath(),
            QString(), SystemLanguage::current()};
}

TForm1::TForm1(const Environment& environment, QWidget* parent)
    : QMainWindow(parent)
    , m_environment(environment)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowIcon(AppIcons::icon(QStringLiteral("zorvex")));

    buildMenu();
    buildToolBar();
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildClientPanel(), 1);
    buildStatusBar();
    column->addWidget(StatusBar1);
    setCentralWidget(central);
    // The captions as designed, until the first show applies the language of the settings.
    applyCaptionSet(QStringLiteral("TForm1"), this, true);
    StatusBar1->setPanelText(1, MessageCatalog::text(MessageKey::StatusNotConnected, Language::Simplified));

    // Designed size, centred on the screen; the settings normally move it right away.
    resize(881, 518);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    m_usb = m_environment.usbLibrary.isEmpty()
        ? std::make_unique<TUsbBulk>()
        : std::make_unique<TUsbBulk>(m_environment.usbLibrary.toStdString());
    createOperations();
    placeProgress();
    Progress->hide();

    m_settings = std::make_unique<SettingsFile>(m_environment.settingsPath);
    SettingsLoad();

    Form3 = new TForm3(chipDatabase(),
        [this](const QString& type, const QString& manufacturer, const QString& model) {
            selectChipNamed(type, manufacturer, model);
        },
        this);
    registerLanguageForm(QStringLiteral("TForm3"), Form3);
    createFileCommands();
    AboutBox = new TAboutBox(this);
}

TForm1::~TForm1() = default;

void TForm1::SettingsLoad()
{
    // A value that is missing or not a number reads as its default.
    const SettingsFile& ini = *m_settings;
    if (ini.readInt(EnvironmentSection, QStringLiteral("FormMax"), 0) != 0) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        const int top = ini.readInt(EnvironmentSection, QStringLiteral("FormTop"), 10);
        const int left = ini.readInt(EnvironmentSection, QStringLiteral("FormLeft"), 10);
        const int height = ini.readInt(EnvironmentSection, QStringLiteral("FormHeight"), 500);
        const int width = ini.readInt(EnvironmentSection, QStringLiteral("FormWidth"), 700);
        const QRect placed = onScreen(QRect(left, top, width, height));
        move(placed.topLeft());
        resize(placed.size());
    }
    for (std::size_t list = 0; list < m_index.size(); ++list)
        m_index[list] = ini.readInt(ChipSection, QStringLiteral("INDEX%1").arg(list + 1), 0);
    if (ini.readInt(DeviceSection, QStringLiteral("chip"), 0) != 0) {
        ToolDevice->setVisible(true);
        N3->setVisible(true);
    }
    // A speed outside the list leaves no speed selected.
    ComboBox4->setCurrentIndex(ini.readInt(DeviceSection, QStringLiteral("SPEED"), 0));
    // Without a stored language the first start speaks the system's.
    setCurrentLanguage(static_cast<Language>(ini.readInt(DeviceSection, QStringLiteral("LANGU"),
        static_cast<int>(m_environment.firstLanguage))));
    applyProgrammerChoice(ini.stringValue(DeviceSection, QStringLiteral("PROGRAMMER")).value_or(QString()));
    m_imageFolder = ini.stringValue(FoldersSection, ImagesKey).value_or(QString());
    // Qt's own texts (the buttons of every box) speak the language before anything can ask.
    if (isValidLanguage(currentLanguage()))
        QtTranslations::apply(currentLanguage());
}

void TForm1::SettingsSave()
{
    if (!m_settings)
        m_settings = std::make_unique<SettingsFile>(m_environment.settingsPath);
    SettingsFile& ini = *m_settings;
    // The bounds in force, maximised or not: a window restored from maximised comes back at
    // the size it had when it was closed.
    ini.writeInt(EnvironmentSection, QStringLiteral("FormHeight"), height());
    ini.writeInt(EnvironmentSection, QStringLiteral("FormWidth"), width());
    ini.writeInt(EnvironmentSection, QStringLiteral("FormTop"), y());
    ini.writeInt(EnvironmentSection, QStringLiteral("FormLeft"), x());
    ini.writeInt(EnvironmentSection, QStringLiteral("FormMax"), isMaximized() ? 1 : 0);
    for (std::size_t list = 0; list < m_index.size(); ++list)
        ini.writeInt(ChipSection, QStringLiteral("INDEX%1").arg(list + 1), m_index[list]);
    ini.writeInt(DeviceSection, QStringLiteral("SPEED"), ComboBox4->currentIndex());
    ini.writeInt(DeviceSection, QStringLiteral("LANGU"), static_cast<int>(currentLanguage()));
    ini.writeString(DeviceSection, QStringLiteral("PROGRAMMER"), m_programmerChoice);
    if (!m_imageFolder.isEmpty())
        ini.writeString(FoldersSection, ImagesKey, m_imageFolder);
    // The window closes all the same: losing this session's settings is no reason to keep the
    // person in it, but they are told.
    if (!ini.sync())
        ShowError(ExtraMessages::text(ExtraText::SettingsNotSaved)
                      .arg(QDir::toNativeSeparators(m_environment.settingsPath), ini.failureReason()));
    m_settings.reset();
}

void TForm1::FormShow()
{
    // The window speaks its language before the first box (a database error, the offer of new
    // chips) can appear over it.
    ApplyLanguage();
    const ChipDbLoadStatus status = LoadChipDatabase(chipDatabase(), m_environment.databasePath,
        [this](const QString& message) { ShowError(message); });
    if (status == ChipDbLoadStatus::Loaded) {
        // A database the person saved is offered the chips a newer package ships; they go after
        // the person's own, so the remembered list positions still hold.
        const ProgramFiles files = ProgramFiles::locate(QCoreApplication::applicationFilePath());
        const QString section = QLatin1String(ShippedDatabaseSection);
        const QString key = QLatin1String(ShippedDatabaseKey);
        if (m_settings && m_environment.databasePath == files.databasePath) {
            const ShippedChipOfferResult offer = offerShippedChips(chipDatabase(), files,
                m_settings->stringValue(section, key).value_or(QString()),
                {[this](const QString& question) { return askYesNo(question); },
                 [this](const QString& message) { ShowError(message); }});
            if (!offer.fingerprintToRemember.isEmpty()) {
                m_settings->writeString(section, key, offer.fingerprintToRemember);
                m_settings->sync();
            }
        }
        // Positions that name no chip (a smaller database since, a hand-edited file) would show
        // empty lists while the operations act on the first chip: that chip is shown instead. The
        // positions stay as read until the person chooses.
        if (SelectChip(m_index[0], m_index[1], m_index[2]) < 0)
            SelectChip(0, 0, 0);
    }
}

void TForm1::FormActivate()
{
    ProbeProgrammer();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // A chip operation runs inside a handler and processes events between blocks, so a close
    // can arrive in the middle of it. The window stays until the operation has ended (closing
    // it would leave the routine writing to a chip behind a window that is gone), says so, and
    // closes then (runOperation).
    if (chipOperationRunning()) {
        m_closeWhenIdle = true;
        // In the status panel, which the operation's next step writes over, and in the
        // progress bar, which stays in view while a step runs.
        const QString notice = ExtraMessages::text(ExtraText::CloseAfterOperation);
        setStatus(notice);
        Progress->setFormat(notice);
        Progress->setTextVisible(true);
        event->ignore();
        return;
    }
    SettingsSave();
    event->accept();
}

void TForm1::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TForm1::ToolAboutClick()
{
    const FocusReturn focus(this);
    AboutBox->exec();
}
