#include "WindowFixture.h"

#include "NextDialog.h"

#include "app/FileDialogs.h"
#include "app/PanelStatusBar.h"
#include "buffer/TForm4.h"
#include "chipdb/TForm2.h"
#include "chipdb/TForm3.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Pixels of a strong red in a panel: the not-connected text is the only red thing there.
int redPixels(PanelStatusBar* bar, int panel)
{
    const QImage image = bar->grab(bar->panelRect(panel)).toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 90 && c.blue() < 90)
                ++count;
        }
    }
    return count;
}

}  // namespace

using TForm1Language = WindowFixture;

TEST_F(TForm1Language, EnglishAndBackRestoresEveryCaptionOfTheWindowAndItsDialogs)
{
    TForm1& window = openWindow();
    const QStringList simplified = captionsOf(&window);
    const QStringList search = captionsOf(window.Form3);
    const QStringList editor = captionsOf(window.Form2);
    const QStringList fill = captionsOf(window.Form4);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zorvex USB高速编程器"));
    EXPECT_EQ(window.China->text(), QStringLiteral("中文"));
    EXPECT_EQ(window.fanti->text(), QStringLiteral("繁體"));

    window.Enlish->trigger();
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zorvex USB High Speed Programmer"));
    EXPECT_EQ(window.O3->title(), QStringLiteral("Operation(&O)"));
    EXPECT_EQ(window.ToolFill->text(), QStringLiteral("FIll"));
    EXPECT_EQ(window.Label2->text(), QStringLiteral("Manufacturer"));
    EXPECT_EQ(window.StatusBar1->panelText(0), QStringLiteral("State"));
    EXPECT_EQ(window.StatusBar1->panelText(2), QStringLiteral("Use time"));
    EXPECT_EQ(window.Form3->windowTitle(), QStringLiteral("Chip Select"));
    EXPECT_EQ(window.Form3->BitBtn2->text(), QStringLiteral("Quit"));
    EXPECT_EQ(window.Form2->windowTitle(), QStringLiteral("Chip Editor"));
    EXPECT_EQ(window.Form4->windowTitle(), QStringLiteral("Fill"));
    EXPECT_TRUE(window.Enlish->isChecked());
    EXPECT_FALSE(window.China->isChecked());
    EXPECT_NE(captionsOf(&window), simplified);

    window.China->trigger();
    EXPECT_EQ(captionsOf(&window), simplified);
    EXPECT_EQ(captionsOf(window.Form3), search);
    EXPECT_EQ(captionsOf(window.Form2), editor);
    EXPECT_EQ(captionsOf(window.Form4), fill);
}

TEST_F(TForm1Language, TraditionalNamesTheLanguageItemsDifferentlyAndEnlishNeverChanges)
{
    TForm1& window = openWindow();
    EXPECT_EQ(window.Enlish->text(), QStringLiteral("Enlish"));
    window.fanti->trigger();
    EXPECT_EQ(window.China->text(), QStringLiteral("中文简体"));
    EXPECT_EQ(window.fanti->text(), QStringLiteral("中文繁體"));
    EXPECT_EQ(window.Enlish->text(), QStringLiteral("Enlish"));
    EXPECT_EQ(window.Buff->title(), QStringLiteral("緩沖區(&B)"));
    EXPECT_TRUE(window.fanti->isChecked());
    EXPECT_FALSE(window.China->isChecked());
    EXPECT_FALSE(window.Enlish->isChecked());
    window.Enlish->trigger();
    EXPECT_EQ(window.Enlish->text(), QStringLiteral("Enlish"));
}

TEST_F(TForm1Language, DialogLabelsDoNotTakeTheMainWindowsCaptionsOfTheSameName)
{
    TForm1& window = openWindow();
    window.Enlish->trigger();
    EXPECT_EQ(window.Label1->text(), QStringLiteral("Type"));
    EXPECT_EQ(window.Form3->Label1->text(), QStringLiteral("Find"));
    EXPECT_EQ(window.BitBtn1->text(), QStringLiteral("Test"));
    EXPECT_EQ(window.Form3->BitBtn1->text(), QStringLiteral("Select"));
}

TEST_F(TForm1Language, AnUnknownStoredLanguageLeavesTheDesignedCaptions)
{
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=13\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("USB 编程器"));
    EXPECT_EQ(window.Buff->title(), QStringLiteral("缓冲区"));
    EXPECT_TRUE(window.China->isChecked());
    EXPECT_EQ(window.ToolRead->text(), QStringLiteral("读出"));
}

TEST_F(TForm1Language, StatusTextFollowsALanguageSwitchAndStaysRedWhenNotConnected)
{
    TForm1& window = openWindow();
    window.setStatus(MessageCatalog::text(MessageKey::StatusNotConnected));
    EXPECT_GT(redPixels(window.StatusBar1, 1), 0);
    window.setStatus(MessageCatalog::text(MessageKey::StatusReady));
    EXPECT_EQ(redPixels(window.StatusBar1, 1), 0);

    window.setStatus(MessageCatalog::text(MessageKey::StatusNotConnected));
    window.Enlish->trigger();
    EXPECT_EQ(window.statusText(), QStringLiteral("Not connected"));
    EXPECT_GT(redPixels(window.StatusBar1, 1), 0);

    // An operation's status, and a switch between the Chinese sets, whose texts differ.
    window.setStatus(MessageCatalog::text(MessageKey::StatusWriting));
    window.fanti->trigger();
    EXPECT_EQ(window.statusText(), QStringLiteral("編程 Flash ... "));
    window.China->trigger();
    EXPECT_EQ(window.statusText(), QStringLiteral("编程 Flash ..."));
    EXPECT_EQ(redPixels(window.StatusBar1, 1), 0);

    // A text that is no catalog message is left alone, and so are the log lines.
    window.LogLine(MessageCatalog::text(MessageKey::ReadComplete));
    window.setStatus(QStringLiteral("W25Q64"));
    window.Enlish->trigger();
    EXPECT_EQ(window.statusText(), QStringLiteral("W25Q64"));
    EXPECT_EQ(window.firstLogLine(), QStringLiteral("001:读出完成！"));
}

TEST_F(TForm1Language, TheDifferenceRangeInTheStatusBarFollowsALanguageSwitch)
{
    writeDatabase({{"SPI_FLASH,Test,T", 0x100}});
    TForm1& window = openWindow();
    QByteArray other(0x100, '\xFF');
    other[0x10] = 0;
    other[0x80] = 0;
    const QString path = m_dir.filePath(QStringLiteral("other.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(other);
    file.close();
    FileDialogs::setNextFileName(path);
    window.CompareFile1->trigger();
    window.NextDiff1->trigger();
    EXPECT_EQ(window.DiffPanel->text(), QStringLiteral("第 2 处差异，共 2 处"));
    window.Enlish->trigger();
    EXPECT_EQ(window.DiffPanel->text(), QStringLiteral("Range 2 of 2"));
}

TEST_F(TForm1Language, YesNoButtonsSpeakBothChineseLanguagesEnglishAndALanguageQtHasNoTranslationFor)
{
    TForm1& window = openWindow();
    struct Case {
        QAction* item;
        QString yes;
        QString no;
        QString title = QStringLiteral("Info");
    };
    const Case cases[] = {
        {window.China, QStringLiteral("是(&Y)"), QStringLiteral("否(&N)")},
        {window.fanti, QStringLiteral("是(&Y)"), QStringLiteral("否(&N)")},
        {window.Enlish, QStringLiteral("&Yes"), QStringLiteral("&No")},
        {window.fanti, QStringLiteral("是(&Y)"), QStringLiteral("否(&N)")},
        // A language Qt has no translation for: the buttons in the question's language all the same.
        {window.LanguageItems[static_cast<std::size_t>(Language::Vietnamese)], QStringLiteral("&Có"),
         QStringLiteral("&Không"), QStringLiteral("Câu hỏi")},
        {window.Enlish, QStringLiteral("&Yes"), QStringLiteral("&No")},
    };
    for (const Case& c : cases) {
        c.item->trigger();
        // Qt names its buttons again on the language change it posts, as the menu click returns.
        QCoreApplication::processEvents();
        QString yes;
        QString no;
        QString title;
        const NextDialog<QMessageBox> next([&](QMessageBox& box) {
            title = box.windowTitle();
            yes = box.button(QMessageBox::Yes)->text();
            no = box.button(QMessageBox::No)->text();
            box.button(QMessageBox::No)->click();
        });
        EXPECT_FALSE(window.askYesNo(QStringLiteral("?")));
        EXPECT_EQ(yes, c.yes) << qPrintable(c.item->objectName());
        EXPECT_EQ(no, c.no) << qPrintable(c.item->objectName());
        EXPECT_EQ(title, c.title);
    }
}

TEST_F(TForm1Language, TheDesignedNotConnectedTextSpeaksTheStoredLanguageFromTheStart)
{
    // Before the first connection check (a box at start holds it back) panel 1 shows the text
    // the form was designed with.
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=2\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(window.statusText(), QStringLiteral("Not connected"));
}

TEST_F(TForm1Language, AnAddedLanguageIsKeptAcrossStartsBesideTheTableOnes)
{
    TForm1& window = openWindow();
    window.LanguageItems[static_cast<std::size_t>(Language::Ukrainian)]->trigger();
    const QString title = window.windowTitle();
    EXPECT_NE(title, QStringLiteral("Zorvex USB High Speed Programmer"));
    closeWindow();
    EXPECT_TRUE(readSettings().contains(QStringLiteral("LANGU=10"))) << qPrintable(readSettings());

    TForm1& again = openWindow();
    EXPECT_EQ(currentLanguage(), Language::Ukrainian);
    EXPECT_TRUE(again.LanguageItems[static_cast<std::size_t>(Language::Ukrainian)]->isChecked());
    EXPECT_FALSE(again.China->isChecked());
    EXPECT_EQ(again.windowTitle(), title);
}
