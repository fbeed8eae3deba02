#include "OpsTestDoubles.h"

#include "app/MessageBoxes.h"
#include "text/MessageCatalog.h"
#include "app/TForm1.h"
#include "chipdb/ChipDatabaseFile.h"
#include "hexview/HexEditorEx.h"
#include "sim/SimClient.h"
#include "usb/UsbBulk.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

// The operations driven through the real main window: its buttons and menu items, its feedback
// services and message boxes, its transport bound to the simulator by path.
class WindowOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_sim.ok());
        MessageBoxes::reset();
        m_environment.settingsPath = m_dir.filePath("zorvex.ini");
        m_environment.databasePath = m_dir.filePath("zorvex.Dat");
        m_environment.usbLibrary = QString::fromUtf8(ZORVEX_SIM_LIBRARY);
        ChipDatabase database;
        database[0] = makeChip("SPIFLASH,MAKER,PART1", Family25Flash, 0x10000, 256, 0xEF4017, 5);
        database[1] = makeChip("SPIFLASH,MAKER,PART2", Family25Flash, 0x10000, 256, 0xEF4018, 5);
        database[2] = makeChip("24EEPROM,ATMEL,24C02", Family24Eeprom, 256, 8);
        QFile file(m_environment.databasePath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(chipDatabaseBytes(database, 3));
        // The language comes from the settings file the window reads.
        QFile ini(m_environment.settingsPath);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[DEVICE]\nLANGU=2\n");
        m_violationsAtStart = m_sim.violations();
    }
    void TearDown() override
    {
        m_form.reset();
        EXPECT_EQ(m_sim.violations(), m_violationsAtStart) << "protocol violations: see the simulator's stderr lines";
        EXPECT_EQ(MessageBoxes::pendingAnswers(), 0);
        MessageBoxes::reset();
    }

    TForm1& open(const char* deviceKeys)
    {
        const std::string config = std::string("[device]\nmanufacturer = Zorvex\n") + deviceKeys;
        EXPECT_EQ(m_sim.reset(config.c_str()), 0) << m_sim.lastError();
        m_form = std::make_unique<TForm1>(m_environment);
        m_form->usb().setReplyPause(std::chrono::milliseconds(0));
        m_form->show();
        // Let the first activation and its connection check happen before the test acts.
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
        QApplication::processEvents();
        return *m_form;
    }
    [[nodiscard]] QStringList logLines() const
    {
        QStringList lines;
        for (QTextBlock block = m_form->RichEdit1->document()->begin(); block.isValid(); block = block.next())
            if (!block.text().isEmpty())
                lines << block.text();
        return lines;
    }
    [[nodiscard]] QStringList boxTexts() const
    {
        QStringList texts;
        for (const MessageBoxes::Shown& shown : MessageBoxes::history())
            texts << shown.title + ":" + shown.text;
        return texts;
    }

    QTemporaryDir m_dir;
    TForm1::Environment m_environment;
    SimClient m_sim{ZORVEX_SIM_LIBRARY};
    std::unique_ptr<TForm1> m_form;
    long m_violationsAtStart = 0;
};

TEST_F(WindowOperationsTest, EachActivationChecksTheConnection)
{
    TForm1& form = open("chip = 25flash\nchip_size = 64K\n");
    const int before = static_cast<int>(logLines().size());
    for (int i = 0; i < 2; ++i) {
        QEvent activation(QEvent::ActivationChange);
        QApplication::setActiveWindow(&form);
        QApplication::sendEvent(&form, &activation);
    }
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), before + 2);
    EXPECT_TRUE(lines.front().endsWith(":The programmer is detected, and the working state is normal."));
    EXPECT_EQ(form.statusText(), "Ready");

    m_sim.setPlugged(0, 0);
    form.ProbeProgrammer();
    EXPECT_EQ(form.statusText(), "Not connected");
    EXPECT_EQ(logLines().size(), lines.size());
}

TEST_F(WindowOperationsTest, ReadFromTheToolBarFillsTheBufferAndTheView)
{
    TForm1& form = open("chip = 25flash\nchip_size = 64K\nchip_id = 0xEF4017\n");
    form.ToolRead->trigger();
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('\n').toStdString();
    EXPECT_TRUE(logLines().front().endsWith(":Read Complete!"));
    EXPECT_GT(form.dataLength(), 0);
    EXPECT_EQ(form.FlashEditor->DataSize(), 0x10000);
    const std::vector<unsigned char> chip = m_sim.chip();
    EXPECT_TRUE(std::equal(chip.begin(), chip.end(), form.dataBuffer().begin()));
    EXPECT_EQ(form.statusText(), "Ready");
    EXPECT_FALSE(form.Progress->isVisible());
    EXPECT_TRUE(form.ToolBar1->isEnabled());
}

TEST_F(WindowOperationsTest, MenuCommandsArrivingDuringAReadAreRefused)
{
    TForm1& form = open("chip = 25flash\nchip_size = 64K\n");
    bool fired = false;
    // Runs from the event processing between the read's blocks.
    QTimer::singleShot(0, &form, [&] {
        fired = true;
        EXPECT_FALSE(form.ToolBar1->isEnabled());
        form.R1->trigger();
        form.A1->trigger();
        form.E1->trigger();
        form.BitBtn1Click();
        form.ProbeProgrammer();
    });
    const int linesBefore = static_cast<int>(logLines().size());
    form.ToolRead->trigger();
    EXPECT_TRUE(fired);
    EXPECT_EQ(m_sim.traceCount("cmd Begin"), 1);
    EXPECT_EQ(m_sim.traceCount("cmd QueryChip"), 1);
    EXPECT_EQ(m_sim.traceCount("cmd Erase"), 0);
    // The read's line, then the one held-back connection check.
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), linesBefore + 2);
    EXPECT_TRUE(lines.at(0).endsWith(":The programmer is detected, and the working state is normal."));
    EXPECT_TRUE(lines.at(1).endsWith(":Read Complete!"));
}

TEST_F(WindowOperationsTest, DetectSelectsTheReportedChipInTheLists)
{
    TForm1& form = open("chip = 25flash\nchip_size = 64K\nchip_id = 0xEF4018\n");
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    form.BitBtn1->click();
    EXPECT_EQ(form.currentChip(), 1);
    EXPECT_EQ(form.ComboBox3->currentText(), "PART2");
    EXPECT_EQ(boxTexts(), QStringList({"Information:The chip was detected:PART2\n\n Chip typeSPIFLASH"}));
}

TEST_F(WindowOperationsTest, WriteTakesTheHexViewEditsAndVerifyAgrees)
{
    TForm1& form = open("chip = 24\nchip_size = 256\nchip_content = blank\n");
    form.SelectChip(1, 0, 0);
    ASSERT_EQ(form.currentChip(), 2);
    form.FlashEditor->SetDataAt(0x10, 0x5A);  // what a typed edit leaves behind
    form.FlashEditor->SetModified(true);
    ASSERT_TRUE(form.FlashEditor->Modified());
    form.ToolWrite->trigger();
    EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join('\n').toStdString();
    EXPECT_EQ(form.dataLength(), 256);
    EXPECT_EQ(m_sim.chip().at(0x10), 0x5A);
    form.ToolVerify->trigger();
    EXPECT_TRUE(logLines().front().endsWith(":Verify Complete!")) << logLines().join("\n").toStdString() << boxTexts().join("\n").toStdString();
    EXPECT_TRUE(logLines().at(1).endsWith(":Write Complete!"));
}

TEST_F(WindowOperationsTest, NoProgrammerShowsNotConnectedOnceAndEndsReady)
{
    TForm1& form = open("vendor_id = 0x1234\n");
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    form.ToolBank->trigger();
    EXPECT_EQ(boxTexts(), QStringList({"Error:Not connected"}));
    EXPECT_EQ(form.statusText(), "Ready");
    EXPECT_TRUE(form.ToolBar1->isEnabled());
}

TEST_F(WindowOperationsTest, AutoAsksAboutALongBufferFirstAndNoLeavesTheChip)
{
    TForm1& form = open("chip = 24\nchip_size = 256\nchip_content = pattern\n");
    form.SelectChip(1, 0, 0);
    const std::vector<unsigned char> before = m_sim.chip();
    m_sim.traceClear();
    std::fill_n(form.dataBuffer().begin(), 512, quint8{0x11});
    form.setDataLength(512);
    MessageBoxes::setNextAnswer(QMessageBox::No);
    form.ToolAuto->trigger();
    EXPECT_EQ(boxTexts(),
              QStringList({"Info:File length is larger than chip capacity. Do you want to continue to write?"}));
    EXPECT_EQ(m_sim.counter(0, "transfers"), 0);
    EXPECT_EQ(m_sim.chip(), before);
    EXPECT_EQ(form.statusText(), "Ready");
    EXPECT_TRUE(form.ToolBar1->isEnabled());
}

TEST_F(WindowOperationsTest, CablePulledDuringAReadSaysTheProgrammerWasDisconnected)
{
    TForm1& form = open("chip = 25flash\nchip_size = 64K\nchip_id = 0xEF4017\n");
    m_sim.set(0, "unplug_after", "20");
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    form.ToolRead->trigger();
    const QStringList boxes = boxTexts();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().startsWith("Error:Read stopped at address "));
    EXPECT_TRUE(boxes.front().contains(": the programmer was disconnected.")) << boxes.front().toStdString();
    EXPECT_FALSE(logLines().front().endsWith(":Read Complete!"));
}
