// The Programmer submenu and its setting, with no programmer attached (the fixture binds a USB
// library that does not exist); the choice among attached ones runs through the same selector
// the command-line tool's tests drive against several simulated programmers.
#include "WindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QSettings>

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
