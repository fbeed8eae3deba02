#include "WindowFixture.h"

#include "NextDialog.h"

#include "app/MessageBoxes.h"
#include "app/PanelStatusBar.h"
#include "chipdb/ChipDatabaseFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTreeWidget>

void WindowFixture::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    m_environment.settingsPath = m_dir.filePath(QStringLiteral("zorvex.ini"));
    m_environment.databasePath = m_dir.filePath(QStringLiteral("zorvex.Dat"));
    m_environment.usbLibrary = m_dir.filePath(QStringLiteral("no-such-libusb.so"));
    MessageBoxes::reset();
    setCurrentLanguage(Language::Simplified);
}

void WindowFixture::TearDown()
{
    m_window.reset();
    EXPECT_EQ(MessageBoxes::pendingAnswers(), 0) << "queued answers were not used";
    MessageBoxes::reset();
    setCurrentLanguage(Language::Simplified);
}

void WindowFixture::writeSettings(const QString& iniText)
{
    QFile file(m_environment.settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(iniText.toUtf8());
}

QString WindowFixture::readSettings() const
{
    QFile file(m_environment.settingsPath);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void WindowFixture::writeDatabase(std::initializer_list<TestChip> chips)
{
    auto db = std::make_unique<ChipDatabase>();
    int count = 0;
    for (const TestChip& chip : chips) {
        ChipRecord& record = (*db)[count++];
        ASSERT_TRUE(record.setNameText(QString::fromUtf8(chip.name)));
        record.flashSize = chip.flashSize;
        record.flashPage = chip.flashPage;
    }
    const QByteArray bytes = chipDatabaseBytes(*db, count);
    QFile file(m_environment.databasePath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

TForm1& WindowFixture::openWindow()
{
    m_window = std::make_unique<TForm1>(m_environment);
    m_window->show();
    return *m_window;
}

void WindowFixture::closeWindow()
{
    m_window->close();
    m_window.reset();
}

QStringList WindowFixture::captionsOf(QWidget* form)
{
    QStringList result{QStringLiteral("title=") + form->windowTitle()};
    for (QObject* object : form->findChildren<QObject*>()) {
        const QString name = object->objectName();
        QString text;
        if (auto* menu = qobject_cast<QMenu*>(object))
            text = menu->title();
        else if (auto* action = qobject_cast<QAction*>(object))
            text = action->text();
        else if (auto* group = qobject_cast<QGroupBox*>(object))
            text = group->title();
        else if (auto* label = qobject_cast<QLabel*>(object))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            text = button->text();
        else if (auto* bar = qobject_cast<PanelStatusBar*>(object))
            text = bar->panelText(0) + u'|' + bar->panelText(2);
        else
            continue;
        if (!name.isEmpty())
            result.append(name + u'=' + text);
    }
    for (QAction* action : form->findChildren<QAction*>()) {
        if (action->isCheckable())
            result.append(action->objectName() + QStringLiteral(".checked=")
                + (action->isChecked() ? u'1' : u'0'));
    }
    return result;
}

bool WindowFixture::whileAnOperationRuns(TForm1& window, const std::function<void()>& act)
{
    bool acted = false;
    const NextDialog<QMessageBox> next([&](QMessageBox& box) {
        act();
        acted = true;
        box.reject();
    });
    window.ToolEraseClick();
    // The window takes the keys again once the box is gone, as a desktop gives them back (unless
    // it was closed meanwhile).
    if (window.isVisible()) {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    return acted;
}
