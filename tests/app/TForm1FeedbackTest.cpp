#include "WindowFixture.h"

#include "app/MessageBoxes.h"
#include "app/PanelStatusBar.h"
#include "hexview/HexEditorEx.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>

using TForm1Feedback = WindowFixture;

TEST_F(TForm1Feedback, LogLinesAreNumberedNewestOnTopAndTheNumberIsNeverCut)
{
    TForm1& window = openWindow();
    window.LogLine(QStringLiteral("first"));
    window.LogLine(QStringLiteral("second"));
    EXPECT_EQ(window.firstLogLine(), QStringLiteral("002:second"));
    EXPECT_EQ(window.RichEdit1->document()->findBlockByNumber(1).text(),
        QStringLiteral("001:first"));
    for (int i = 3; i < 1000; ++i)
        window.LogLine(QString());
    window.LogLine(QStringLiteral("x"));
    EXPECT_EQ(window.firstLogLine(), QStringLiteral("1000:x"));
    EXPECT_EQ(window.RichEdit1->document()->blockCount(), 1000);
}

TEST_F(TForm1Feedback, UnmodifiedViewGivesNothingBack)
{
    writeDatabase({{"T,M,A", 256}});
    TForm1& window = openWindow();
    window.dataBuffer()[0] = 0x12;
    window.setDataLength(7);
    window.TakeViewEdits();
    EXPECT_EQ(window.dataBuffer()[0], 0x12);
    EXPECT_EQ(window.dataLength(), 7);
}

TEST_F(TForm1Feedback, EditsComeBackUpToTheChipSize)
{
    writeDatabase({{"T,M,A", 256}});
    TForm1& window = openWindow();
    ASSERT_EQ(window.FlashEditor->DataSize(), 256);
    // The view may have grown past the chip (bytes inserted): they are taken too, not dropped
    // without a word; Save and Write then ask about the image longer than the chip.
    window.FlashEditor->SetDataSize(300);
    window.FlashEditor->SetDataAt(0, 0x5A);
    window.FlashEditor->SetDataAt(299, 0x11);
    window.FlashEditor->SetModified(true);
    window.TakeViewEdits();
    EXPECT_EQ(window.dataLength(), 300);
    EXPECT_EQ(window.dataBuffer()[0], 0x5A);
    EXPECT_EQ(window.dataBuffer()[299], 0x11);
    EXPECT_EQ(window.dataBuffer()[300], 0xFF);
    EXPECT_FALSE(window.FlashEditor->Modified());
}

TEST_F(TForm1Feedback, ChipChangeShowsExactlyTheNewSizeWithTheEditsTakenBack)
{
    writeDatabase({{"T,M,Small", 128}, {"T,M,Large", 4096}});
    TForm1& window = openWindow();
    window.dataBuffer()[200] = 0x42;  // past the small chip's view
    window.FlashEditor->SetDataAt(0, 0x00);
    window.FlashEditor->SetModified(true);
    ASSERT_EQ(window.SelectChip(0, 0, 1), 1);
    EXPECT_EQ(window.FlashEditor->DataSize(), 4096);
    EXPECT_FALSE(window.FlashEditor->Modified());
    EXPECT_EQ(window.FlashEditor->GetDataAt(0), 0x00);
    EXPECT_EQ(window.dataBuffer()[0], 0x00);
    EXPECT_EQ(window.FlashEditor->GetDataAt(200), 0x42);
    EXPECT_EQ(window.FlashEditor->GetDataAt(1000), 0xFF);
}

TEST_F(TForm1Feedback, ProgressLivesInsideTheStatusBarAndOnlyWhileARoutineRuns)
{
    TForm1& window = openWindow();
    EXPECT_FALSE(window.Progress->isVisible());
    window.progressStart(1000);
    EXPECT_TRUE(window.Progress->isVisible());
    EXPECT_EQ(window.Progress->geometry().left(), 317);
    // It runs up to the CRC32 panel, which closes the bar at its right end.
    const auto checkPlacement = [&window] {
        const QWidget* crc = window.findChild<QWidget*>(QStringLiteral("CrcPanel"));
        ASSERT_NE(crc, nullptr);
        EXPECT_EQ(crc->geometry().right(), window.StatusBar1->width() - 1);
        EXPECT_EQ(window.Progress->geometry().right() + 3, crc->geometry().left());
    };
    checkPlacement();
    window.progressStep(250);
    EXPECT_EQ(window.Progress->value(), 250);
    window.resize(window.width() + 100, window.height());
    QCoreApplication::processEvents();
    checkPlacement();
    window.progressEnd();
    EXPECT_FALSE(window.Progress->isVisible());
    EXPECT_EQ(window.Progress->value(), 0);
}

TEST_F(TForm1Feedback, BoxesCarryTheirFixedTitlesAndTheQuestionReportsTheAnswer)
{
    TForm1& window = openWindow();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window.showError(QStringLiteral("bad"));
    MessageBoxes::setNextAnswer(QMessageBox::No);
    EXPECT_FALSE(window.askYesNo(QStringLiteral("go?")));
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    EXPECT_TRUE(window.askYesNo(QStringLiteral("go?")));
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    window.showInfo(QStringLiteral("found"));
    const auto& shown = MessageBoxes::history();
    ASSERT_EQ(shown.size(), 4);
    EXPECT_EQ(shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(shown[0].icon, QMessageBox::Critical);
    EXPECT_EQ(shown[1].title, QStringLiteral("Info"));
    EXPECT_EQ(shown[1].icon, QMessageBox::Question);
    EXPECT_EQ(shown[3].title, QStringLiteral("Information"));
}

TEST_F(TForm1Feedback, OperationControlsCoverToolBarAndClientPanelButNotTheMenu)
{
    TForm1& window = openWindow();
    window.setOperationControlsEnabled(false);
    EXPECT_FALSE(window.ToolBar1->isEnabled());
    EXPECT_FALSE(window.Panel1->isEnabled());
    EXPECT_TRUE(window.R1->isEnabled());
    window.setOperationControlsEnabled(true);
    EXPECT_TRUE(window.ToolBar1->isEnabled());
    EXPECT_TRUE(window.Panel1->isEnabled());
}
