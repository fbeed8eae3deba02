// The Programmer submenu and its setting, mostly with no programmer attached (the fixture binds a
// USB library that does not exist); the choice among attached ones runs through the same selector
// the command-line tool's tests drive against several simulated programmers.
#include "WindowFixture.h"

#include "app/PanelStatusBar.h"

#include <QAction>
#include <QMenu>
#include <QFile>
#include <QSettings>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QString iniText(const QString& path, const char* key)
{
    QSettings ini(path, QSettings::IniFormat);
    return ini.value(QString::fromLatin1(key), QStringLiteral("<missing>")).toString();
}

QList<QAction*> entries(QMenu* menu)
{
    QList<QAction*> list;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            list << action;
    return list;
}

}  // namespace

using ProgrammerMenu = WindowFixture;

TEST_F(ProgrammerMenu, AutomaticByDefaultAndSavedEmpty)
{
    TForm1& window = openWindow();
    const QList<QAction*> list = entries(window.ProgrammerMenu);
    ASSERT_EQ(list.size(), 1);
    EXPECT_TRUE(list[0]->isChecked());
    closeWindow();
    EXPECT_EQ(iniText(m_environment.settingsPath, "DEVICE/PROGRAMMER"), QString());
}

TEST_F(ProgrammerMenu, ChosenProgrammerThatIsAbsentStaysChosenAndIsKept)
{
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=2\nPROGRAMMER=BETA\n"));
    TForm1& window = openWindow();
    window.ProbeProgrammer();
    QList<QAction*> list = entries(window.ProgrammerMenu);
    ASSERT_EQ(list.size(), 2);
    EXPECT_FALSE(list[0]->isChecked());
    EXPECT_EQ(list[1]->text(), QStringLiteral("BETA (not attached)"));
    EXPECT_TRUE(list[1]->isChecked());
    EXPECT_FALSE(list[1]->isEnabled());
    EXPECT_EQ(window.ProgrammerMenu->title(), QStringLiteral("&Programmer"));

    // Automatic again: the absent one is forgotten, and so is the setting.
    list[0]->trigger();
    list = entries(window.ProgrammerMenu);
    ASSERT_EQ(list.size(), 1);
    EXPECT_TRUE(list[0]->isChecked());
    closeWindow();
    EXPECT_EQ(iniText(m_environment.settingsPath, "DEVICE/PROGRAMMER"), QString());
}

TEST_F(ProgrammerMenu, ChoiceSurvivesARestart)
{
    writeSettings(QStringLiteral("[DEVICE]\nPROGRAMMER=002:001\n"));
    openWindow();
    closeWindow();
    EXPECT_EQ(iniText(m_environment.settingsPath, "DEVICE/PROGRAMMER"), QStringLiteral("002:001"));
}

#ifdef ZORVEX_SIM_LIBRARY
// Two simulated programmers, ALPHA's claim held here as another program would hold it: the
// window must not send the person to check cables and udev rules for a programmer that is fine.
TEST_F(ProgrammerMenu, AChosenProgrammerHeldByAnotherProgramIsSaidToBeBusy)
{
    void* library = dlopen(ZORVEX_SIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr);
    const auto reset = reinterpret_cast<int (*)(const char*)>(dlsym(library, "zorvex_sim_reset"));
    ASSERT_NE(reset, nullptr);
    const QString lockPath = m_dir.filePath(QStringLiteral("ALPHA.lock"));
    QString config;
    for (const char* serial : {"ALPHA", "BETA"}) {
        config += QStringLiteral("[device]\nserial = \"%1\"\nchip = 25flash\nchip_size = 1M\nchip_id = 0xEF3014\n"
                                 "claim_lock = %2\n")
                      .arg(QString::fromLatin1(serial), m_dir.filePath(QStringLiteral("%1.lock").arg(serial)));
    }
    ASSERT_EQ(reset(config.toUtf8().constData()), 0);
    m_environment.usbLibrary = QStringLiteral(ZORVEX_SIM_LIBRARY);
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=2\nPROGRAMMER=ALPHA\n"));
    TForm1& window = openWindow();

    const int lock = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT, 0644);
    ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
    window.ProbeProgrammer();
    EXPECT_EQ(window.StatusBar1->panelToolTip(1), QStringLiteral("The programmer ALPHA is in use by another program."));

    // Free again: connected, no tip; BETA's claim was never touched.
    ::close(lock);
    window.ProbeProgrammer();
    EXPECT_TRUE(window.StatusBar1->panelToolTip(1).isEmpty()) << qPrintable(window.StatusBar1->panelToolTip(1));
    closeWindow();
    reset(nullptr);
    dlclose(library);
}
#endif
