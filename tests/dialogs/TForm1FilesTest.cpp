#include "WindowFixture.h"

#include "app/FileDialogs.h"
#include "app/MessageBoxes.h"
#include "buffer/TForm4.h"
#include "chipdb/TForm2.h"
#include "hexview/HexEditorEx.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class FileCommands : public WindowFixture {
protected:
    void TearDown() override
    {
        EXPECT_EQ(FileDialogs::pendingFileNames(), 0) << "queued file names were not used";
        FileDialogs::reset();
        WindowFixture::TearDown();
    }

    QString file(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    QByteArray viewBytes() const
    {
        QByteArray bytes(static_cast<qsizetype>(m_window->FlashEditor->DataSize()), '\0');
        m_window->FlashEditor->ReadBuffer(bytes.data(), 0, bytes.size());
        return bytes;
    }

    // Runs a command that shows a modal dialog; interact is called once the dialog is up.
    static void whileModal(const std::function<void()>& command, const std::function<void()>& interact)
    {
        QTimer::singleShot(0, interact);
        command();
    }
};

TEST_F(FileCommands, OpenRefillsLoadsShowsTheChipAndLogsThePath)
{
    writeDatabase({{"SPI,ACME,A64K", 0x100}});
    TForm1& window = openWindow();
    std::fill_n(window.dataBuffer().begin(), 0x400, quint8{0x00});
    const QString path = file("short.bin");
    writeFile(path, QByteArray("\x01\x02\x03", 3));

    FileDialogs::setNextFileName(path);
    window.ToolOpen->trigger();
    EXPECT_EQ(window.dataLength(), 3);
    EXPECT_EQ(window.dataBuffer()[2], 0x03);
    EXPECT_EQ(window.dataBuffer()[3], 0xFF);     // refilled before loading
    EXPECT_EQ(window.dataBuffer()[0x3FF], 0xFF);
    const QByteArray view = viewBytes();
    ASSERT_EQ(view.size(), 0x100);               // the chip's size, not the file's
    EXPECT_EQ(view.left(4), QByteArray("\x01\x02\x03\xFF", 4));
    const QRegularExpression logLine(QStringLiteral("^\\d{3}:") + QRegularExpression::escape(QString::fromUtf8("打开") + path) + "$");
    EXPECT_TRUE(logLine.match(window.firstLogLine()).hasMatch()) << window.firstLogLine().toStdString();

    // A cancelled dialog changes nothing; the menu item runs the same command.
    window.dataBuffer()[0] = 0x55;
    FileDialogs::setNextFileName(QString());
    window.O2->trigger();
    EXPECT_EQ(window.dataBuffer()[0], 0x55);
    EXPECT_EQ(window.dataLength(), 3);
}

TEST_F(FileCommands, FailedOpenStillShowsTheErasedBufferAndLogs)
{
    writeDatabase({{"SPI,ACME,A64K", 0x40}});
    TForm1& window = openWindow();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    FileDialogs::setNextFileName(file("missing.bin"));
    window.ToolOpen->trigger();
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history()[0].text, "Can't open File");
    EXPECT_EQ(window.dataLength(), 0);
    EXPECT_EQ(viewBytes(), QByteArray(0x40, '\xFF'));
    EXPECT_TRUE(window.firstLogLine().endsWith(file("missing.bin")));
}

TEST_F(FileCommands, SaveWritesTheChipSizeAndAddsTheHexExtension)
{
    writeDatabase({{"SPI,ACME,A64", 64}});
    TForm1& window = openWindow();
    window.setDataLength(5);
    std::fill_n(window.dataBuffer().begin(), 128, quint8{0xA5});

    FileDialogs::setNextFileName(file("image.bin"));
    window.ToolSave->trigger();
    EXPECT_EQ(readFile(file("image.bin")), QByteArray(64, '\xA5'));
    EXPECT_EQ(window.dataLength(), 5);  // no edits in the view: DataLength stays

    FileDialogs::setNextFileName(file("noext"));
    window.S1->trigger();
    EXPECT_FALSE(QFile::exists(file("noext")));
    const QByteArray hex = readFile(file("noext.hex"));
    // Intel HEX: a data record at address 0 first, the end-of-file record last.
    EXPECT_TRUE(hex.startsWith(':') && hex.mid(3, 6) == "000000" && hex.contains("A5A5A5"))
        << hex.left(40).toStdString();
    EXPECT_TRUE(hex.trimmed().endsWith(":00000001FF"));
}

TEST_F(FileCommands, SaveTakesViewEditsAndAsksBeforeOverwriting)
{
    writeDatabase({{"SPI,ACME,A64", 64}});
    TForm1& window = openWindow();
    const quint8 edited[] = {0x12, 0x34};
    window.FlashEditor->WriteBuffer(edited, 0, 2);
    window.FlashEditor->SetModified(true);

    const QString path = file("edit.bin");
    writeFile(path, "old");
    MessageBoxes::setNextAnswer(QMessageBox::No);
    FileDialogs::setNextFileName(path);
    window.ToolSave->trigger();
    EXPECT_EQ(readFile(path), QByteArray("old"));
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history()[0].title, "Info");
    EXPECT_EQ(MessageBoxes::history()[0].text, QString::fromUtf8("文件已存在,是否覆盖?"));
    EXPECT_EQ(window.dataLength(), 64);  // the edits were taken back before the question
    EXPECT_EQ(window.dataBuffer()[1], 0x34);

    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    FileDialogs::setNextFileName(path);
    window.ToolSave->trigger();
    const QByteArray saved = readFile(path);
    ASSERT_EQ(saved.size(), 64);
    EXPECT_EQ(saved.left(3), QByteArray("\x12\x34\xFF", 3));
}

TEST_F(FileCommands, FillOffersTheChipEndAndReloadsTheView)
{
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    QString offered;
    whileModal([&] { window.ToolFill->trigger(); }, [&] {
        auto* end = window.Form4->findChild<QLineEdit*>("Edit4");
        offered = end->text();
        auto* value = window.Form4->findChild<QLineEdit*>("Edit1");
        value->setText("3C");
        QTest::mouseClick(window.Form4->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    });
    EXPECT_EQ(offered, "FF");
    EXPECT_EQ(window.dataLength(), 0x100);
    EXPECT_EQ(viewBytes(), QByteArray(0x100, '\x3C'));
    EXPECT_EQ(window.dataBuffer()[0x100], 0xFF);

    // The end field is offered again on every opening, even after the user changed it.
    whileModal([&] { window.Fill->trigger(); }, [&] {
        window.Form4->findChild<QLineEdit*>("Edit4")->setText("10");
        window.Form4->reject();
    });
    whileModal([&] { window.Fill->trigger(); }, [&] {
        offered = window.Form4->findChild<QLineEdit*>("Edit4")->text();
        window.Form4->reject();
    });
    EXPECT_EQ(offered, "FF");
}

TEST_F(FileCommands, FillWithAnEmptyChipListIsRefused)
{
    TForm1& window = openWindow();  // no database: the current slot has size 0
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    whileModal([&] { window.ToolFill->trigger(); }, [&] {
        QTest::mouseClick(window.Form4->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        window.Form4->reject();
    });
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history()[0].title, "Error");
    EXPECT_EQ(window.dataLength(), 0);
    EXPECT_EQ(window.dataBuffer()[0], 0xFF);
}

TEST_F(FileCommands, DeviceCommandIsHiddenUnlessTheSettingsEnableIt)
{
    TForm1& hidden = openWindow();
    EXPECT_FALSE(hidden.ToolDevice->isVisible());
    EXPECT_FALSE(hidden.N3->isVisible());
    closeWindow();

    writeSettings("[DEVICE]\nchip=1\n");
    TForm1& shown = openWindow();
    EXPECT_TRUE(shown.ToolDevice->isVisible());
    EXPECT_TRUE(shown.N3->isVisible());
}

TEST_F(FileCommands, EditorSaveChoosesTheCurrentChipAgain)
{
    writeSettings("[DEVICE]\nchip=1\n[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=1\n");
    writeDatabase({{"SPI,ACME,BIG", 0x10000}, {"SPI,ACME,SMALL", 0x100}});
    TForm1& window = openWindow();
    ASSERT_EQ(window.currentChip(), 1);

    // Delete the first chip: the selected one moves to slot 0.
    whileModal([&] { window.N3->trigger(); }, [&] {
        auto* grid = window.Form2->findChild<QTableWidget*>("StringGrid1");
        grid->setCurrentCell(0, 1);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnDelete"), Qt::LeftButton);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnSave"), Qt::LeftButton);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnExit"), Qt::LeftButton);
    });
    EXPECT_EQ(readFile(m_environment.databasePath).size(), 2 * 68);
    EXPECT_EQ(window.currentChip(), 0);
    EXPECT_EQ(window.currentChipRecord().nameText(), "SPI,ACME,SMALL");
    EXPECT_EQ(window.ComboBox3->currentText(), "SMALL");
    EXPECT_EQ(window.FlashEditor->DataSize(), 0x100);

    // Deleting the selected chip itself falls back to the first chip of the list.
    writeDatabase({{"SPI,ACME,BIG", 0x10000}, {"SPI,ACME,SMALL", 0x100}});
    whileModal([&] { window.ToolDevice->trigger(); }, [&] {
        auto* grid = window.Form2->findChild<QTableWidget*>("StringGrid1");
        grid->setCurrentCell(1, 1);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnDelete"), Qt::LeftButton);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnSave"), Qt::LeftButton);
        window.Form2->reject();
    });
    EXPECT_EQ(window.currentChip(), 0);
    EXPECT_EQ(window.currentChipRecord().nameText(), "SPI,ACME,BIG");
    EXPECT_EQ(window.FlashEditor->DataSize(), 0x10000);
}

TEST_F(FileCommands, MenuCommandsWaitForARunningOperation)
{
    writeDatabase({{"SPI,ACME,A64", 64}});
    TForm1& window = openWindow();
    window.setDataLength(7);
    window.setOperationControlsEnabled(false);  // as while a chip operation runs
    const QString path = file("during.bin");
    writeFile(path, "new");
    FileDialogs::setNextFileName(path);
    window.O2->trigger();
    window.S1->trigger();
    EXPECT_EQ(FileDialogs::pendingFileNames(), 1);  // no dialog was shown
    FileDialogs::reset();
    EXPECT_EQ(window.dataLength(), 7);
    EXPECT_EQ(readFile(path), QByteArray("new"));

    window.setOperationControlsEnabled(true);
    FileDialogs::setNextFileName(path);
    window.O2->trigger();
    EXPECT_EQ(window.dataLength(), 3);
}

TEST_F(FileCommands, DialogCaptionsFollowTheLanguage)
{
    TForm1& window = openWindow();
    EXPECT_EQ(window.Form4->windowTitle(), QString::fromUtf8("填充"));
    EXPECT_EQ(window.Form2->windowTitle(), QString::fromUtf8("芯片编辑"));
    window.Enlish->trigger();
    EXPECT_EQ(window.Form4->windowTitle(), "Fill");
    EXPECT_EQ(window.Form4->findChild<QPushButton*>("BitBtn2")->text(), "Cance");
    EXPECT_EQ(window.Form2->windowTitle(), "Chip Editor");
    EXPECT_EQ(window.Form2->findChild<QPushButton*>("BtnExit")->text(), "Quit");
    window.fanti->trigger();
    EXPECT_EQ(window.Form4->findChild<QWidget*>("Label1")->property("text").toString(),
              QString::fromUtf8("開始地址"));
}

}  // namespace
