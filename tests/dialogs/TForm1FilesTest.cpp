#include "WindowFixture.h"

#include "app/FileDialogs.h"
#include "app/MessageBoxes.h"
#include "buffer/TForm4.h"
#include "chipdb/TForm2.h"
#include "hexview/HexEditorEx.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>

#include <fcntl.h>
#include <unistd.h>

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

// A chip read a minute ago, with an edit in the view not yet taken back, survives every open
// that fails: buffer, length, view and edit stay, and no "Open" line claims a success.
TEST_F(FileCommands, FailedOpenLeavesBufferViewAndEditsAsTheyWere)
{
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    for (int i = 0; i < 0x200; ++i)
        window.dataBuffer()[i] = static_cast<quint8>(i * 3);
    window.setDataLength(0x100);
    window.LoadViewFromBuffer();
    const quint8 edit = 0xEE;
    window.FlashEditor->WriteBuffer(&edit, 0x10, 1);
    window.FlashEditor->SetModified(true);
    const QByteArray bufferBefore(reinterpret_cast<const char*>(window.dataBuffer().data()), 0x200);
    const QByteArray viewBefore = viewBytes();
    window.LogLine(QStringLiteral("before"));
    const QString logBefore = window.firstLogLine();

    // Five good records, then a bad checksum on line 6.
    QByteArray badHex;
    for (int line = 0; line < 5; ++line)
        badHex += ":01000" + QByteArray::number(line) + "0042" + QByteArray::number(0xBD - line, 16).toUpper() + "\r\n";
    badHex += ":0100050042FF\r\n:00000001FF\r\n";
    writeFile(file("bad.hex"), badHex);
    writeFile(file("bad.src"), "S107000001020304EE\r\nS1070004zz\r\n");
    // A pipe no program writes into would make the open wait, the window frozen, for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(file("pipe.hex")).constData(), 0600), 0);
    for (const QString& path : {file("bad.hex"), file("bad.src"), file("missing.bin"), file("missing.s19"), file("pipe.hex")}) {
        MessageBoxes::reset();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        FileDialogs::setNextFileName(path);
        window.ToolOpen->trigger();
        ASSERT_EQ(MessageBoxes::history().size(), 1) << path.toStdString();
        EXPECT_EQ(window.dataLength(), 0x100) << path.toStdString();
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(window.dataBuffer().data()), 0x200), bufferBefore)
            << path.toStdString();
        EXPECT_EQ(viewBytes(), viewBefore) << path.toStdString();
        EXPECT_TRUE(window.FlashEditor->Modified()) << "the unsaved edit is still an edit";
        EXPECT_EQ(window.firstLogLine(), logBefore) << path.toStdString();
    }

    // The reader's message stays the first line; the file and line are named below it.
    MessageBoxes::reset();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    FileDialogs::setNextFileName(file("bad.hex"));
    window.Enlish->trigger();
    window.ToolOpen->trigger();
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    const QStringList lines = MessageBoxes::history()[0].text.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << MessageBoxes::history()[0].text.toStdString();
    EXPECT_EQ(lines[0], "Checksum Error type 0");
    EXPECT_TRUE(lines[1].contains(file("bad.hex")) && lines[1].contains("line 6")) << lines[1].toStdString();
}

TEST_F(FileCommands, SRecordsUnderEveryNameRoundTripThroughSaveAndOpen)
{
    writeDatabase({{"SPI,ACME,A64", 64}});
    TForm1& window = openWindow();
    for (int i = 0; i < 64; ++i)
        window.dataBuffer()[i] = static_cast<quint8>(0x40 + i);
    const QByteArray image(reinterpret_cast<const char*>(window.dataBuffer().data()), 64);
    for (const char* name : {"fw.src", "fw.s19", "fw.s28", "fw.s37", "fw.srec", "fw.sx", "fw.mot"}) {
        FileDialogs::setNextFileName(file(name));
        window.ToolSave->trigger();
        EXPECT_TRUE(readFile(file(name)).startsWith("S0")) << name;
        std::fill_n(window.dataBuffer().begin(), 64, quint8{0});
        FileDialogs::setNextFileName(file(name));
        window.ToolOpen->trigger();
        EXPECT_EQ(window.dataLength(), 64) << name;
        EXPECT_EQ(viewBytes(), image) << name;
    }
    EXPECT_TRUE(MessageBoxes::history().isEmpty());

    // Both dialogs offer the S-record names just before "All files"; the first entry is the default.
    for (const QStringList& filters : {FileDialogs::lastNameFilters(FileDialogs::Kind::Open),
                                       FileDialogs::lastNameFilters(FileDialogs::Kind::Save)}) {
        ASSERT_GE(filters.size(), 3);
        EXPECT_EQ(filters.front(), "Binary (*.bin)");
        EXPECT_EQ(filters[filters.size() - 2], "Motorola S-record (*.src *.s19 *.s28 *.s37 *.srec *.sx *.mot)");
        EXPECT_EQ(filters.back(), "All files (*.*)");
    }
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

// A whole 24C02 image fits in the write buffer Qt keeps; a disk that is full must still show,
// in every format, and the old file must stay as it was.
TEST_F(FileCommands, SaveOnAFullDiskShowsTheErrorAndKeepsTheOldFile)
{
    writeDatabase({{"I2C,ACME,24C02", 256}});
    TForm1& window = openWindow();
    for (int i = 0; i < 256; ++i)
        window.dataBuffer()[i] = static_cast<quint8>(i);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    for (const char* name : {"chip.bin", "chip.hex", "chip.src"}) {
        writeFile(file(name), "old");
        MessageBoxes::reset();
        MessageBoxes::setNextAnswer(QMessageBox::Yes);  // replace the old file
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        FileDialogs::setNextFileName(file(name));
        rlimit full = saved;
        full.rlim_cur = 100;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
        window.ToolSave->trigger();
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
        ASSERT_EQ(MessageBoxes::history().size(), 2) << name;
        EXPECT_EQ(MessageBoxes::history()[1].title, "Error");
        EXPECT_TRUE(MessageBoxes::history()[1].text.startsWith(QString::fromUtf8("写入文件出错。\n"))) << name;
        EXPECT_TRUE(MessageBoxes::history()[1].text.contains(file(name))) << name;
        EXPECT_EQ(readFile(file(name)), "old") << name;
    }
}

// Opened or saved by name, a pipe waits for a program at its other end, the window frozen.
// A pipe that holds bytes a writer left is read; a save onto a pipe nobody reads is refused
// and says why; with a reader there, the image goes through. (No writer: FailedOpen above.)
TEST_F(FileCommands, PipesAreReadAndWrittenWithoutWaitingForAProgramThatIsNotThere)
{
    writeDatabase({{"I2C,ACME,24C02", 256}});
    TForm1& window = openWindow();
    window.Enlish->trigger();
    const QString pipe = file("pipe.bin");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    const int keptOpen = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
    ASSERT_GE(keptOpen, 0);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::write(writer, "\x11\x22\x33", 3), 3);
    ::close(writer);
    FileDialogs::setNextFileName(pipe);
    window.ToolOpen->trigger();
    ::close(keptOpen);
    EXPECT_EQ(window.dataLength(), 3);
    EXPECT_EQ(viewBytes().left(4), QByteArray("\x11\x22\x33\xFF", 4));

    MessageBoxes::reset();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    FileDialogs::setNextFileName(pipe);
    window.ToolSave->trigger();
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history()[0].text, "Error writing file.\n" + pipe + ": a pipe that no program holds at its "
                                                "other end: opening it would wait until one comes");

    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    MessageBoxes::reset();
    MessageBoxes::setNextAnswer(QMessageBox::Yes);  // the pipe exists: write into it
    FileDialogs::setNextFileName(pipe);
    window.ToolSave->trigger();
    EXPECT_EQ(MessageBoxes::history().size(), 1) << "only the question, no error";
    QByteArray received(300, '\0');
    EXPECT_EQ(::read(reader, received.data(), received.size()), 256);
    EXPECT_EQ(received.left(4), QByteArray("\x11\x22\x33\xFF", 4));
    ::close(reader);
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

// Open a capsule, edit a byte, save it under its name: the header comes back in front. An image
// from anything else has no header, and a save under a ".cap" name is refused with a message.
TEST_F(FileCommands, ACapsuleIsSavedWithTheHeaderItWasOpenedWith)
{
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    const QByteArray header = QByteArray(2047, 'H') + 'C';
    const QString capsule = file("BIOS.cap");
    writeFile(capsule, header + QByteArray(0x100, 'i'));
    FileDialogs::setNextFileName(capsule);
    window.ToolOpen->trigger();
    const quint8 edit = 0xEE;
    window.FlashEditor->WriteBuffer(&edit, 1, 1);
    window.FlashEditor->SetModified(true);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);  // replace it
    FileDialogs::setNextFileName(capsule);
    window.ToolSave->trigger();
    EXPECT_EQ(readFile(capsule), header + 'i' + '\xEE' + QByteArray(0xFE, 'i'));

    writeFile(file("plain.bin"), "abc");
    FileDialogs::setNextFileName(file("plain.bin"));
    window.ToolOpen->trigger();
    MessageBoxes::reset();
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    FileDialogs::setNextFileName(capsule);
    window.ToolSave->trigger();
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history()[0].title, "Error");
    EXPECT_TRUE(MessageBoxes::history()[0].text.contains(".bin")) << MessageBoxes::history()[0].text.toStdString();
    EXPECT_EQ(readFile(capsule), header + 'i' + '\xEE' + QByteArray(0xFE, 'i'));
}

// A 16 MiB file opened with a 2 MiB chip chosen: the save of the chip's size would cut it.
TEST_F(FileCommands, SaveAsksBeforeCuttingAnImageLargerThanTheChip)
{
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    writeFile(file("large.bin"), QByteArray(0x180, 'L'));
    FileDialogs::setNextFileName(file("large.bin"));
    window.ToolOpen->trigger();
    ASSERT_EQ(window.dataLength(), 0x180);
    for (const bool cut : {false, true}) {
        MessageBoxes::reset();
        MessageBoxes::setNextAnswer(cut ? QMessageBox::Yes : QMessageBox::No);
        FileDialogs::setNextFileName(file("chip.bin"));
        window.ToolSave->trigger();
        ASSERT_EQ(MessageBoxes::history().size(), 1);
        EXPECT_TRUE(MessageBoxes::history()[0].text.contains("384")) << MessageBoxes::history()[0].text.toStdString();
        EXPECT_EQ(readFile(file("chip.bin")), cut ? QByteArray(0x100, 'L') : QByteArray()) << cut;
    }
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

// A fill inside a read image changes the filled bytes and nothing else: the image keeps its
// length (a write or Auto then programs all of it) and the view shows the whole chip.
TEST_F(FileCommands, FillInsideAReadImageKeepsTheWholeImage)
{
    writeDatabase({{"SPI,ACME,A4K", 0x1000}});
    TForm1& window = openWindow();
    for (int i = 0; i < 0x1000; ++i)
        window.dataBuffer()[i] = static_cast<quint8>(i);
    window.setDataLength(0x1000);
    window.LoadViewFromBuffer();
    const quint8 edit = 0xEE;
    window.FlashEditor->WriteBuffer(&edit, 0x800, 1);  // an edit not yet taken back
    window.FlashEditor->SetModified(true);

    whileModal([&] { window.ToolFill->trigger(); }, [&] {
        window.Form4->findChild<QLineEdit*>("Edit1")->setText("55");
        window.Form4->findChild<QLineEdit*>("Edit3")->setText("20");
        window.Form4->findChild<QLineEdit*>("Edit4")->setText("2F");
        QTest::mouseClick(window.Form4->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    });
    EXPECT_EQ(window.dataLength(), 0x1000);
    QByteArray expected(0x1000, '\0');
    for (int i = 0; i < 0x1000; ++i)
        expected[i] = static_cast<char>(i >= 0x20 && i <= 0x2F ? 0x55 : i);
    expected[0x800] = static_cast<char>(0xEE);
    EXPECT_EQ(viewBytes(), expected);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(window.dataBuffer().data()), 0x1000), expected);

    // A fill beyond the old length lengthens the image up to its end.
    whileModal([&] { window.Fill->trigger(); }, [&] {
        window.Form4->findChild<QLineEdit*>("Edit3")->setText("1000");
        window.Form4->findChild<QLineEdit*>("Edit4")->setText("1FFF");
        QTest::mouseClick(window.Form4->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
    });
    EXPECT_EQ(window.dataLength(), 0x2000);
    EXPECT_EQ(window.FlashEditor->DataSize(), 0x1000);
}

// A fill that does not happen (Cancel, or a bad field and then Cancel) leaves the view as it
// was, its typed edits still undoable.
TEST_F(FileCommands, FillNotDoneKeepsTheViewsUndo)
{
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    for (const char* badField : {"", "XY"}) {
        QTest::keyClicks(window.FlashEditor, QStringLiteral("5A"));
        ASSERT_TRUE(window.FlashEditor->CanUndo());
        whileModal([&] { window.ToolFill->trigger(); }, [&] {
            if (*badField) {
                MessageBoxes::setNextAnswer(QMessageBox::Ok);
                window.Form4->findChild<QLineEdit*>("Edit1")->setText(badField);
                QTest::mouseClick(window.Form4->findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
                window.Form4->findChild<QLineEdit*>("Edit1")->setText("FF");
            }
            window.Form4->reject();
        });
        EXPECT_TRUE(window.FlashEditor->CanUndo()) << badField;
        EXPECT_TRUE(window.FlashEditor->Modified()) << badField;
        while (window.FlashEditor->CanUndo())
            window.FlashEditor->Undo();
        EXPECT_EQ(viewBytes(), QByteArray(0x100, '\xFF')) << badField;
    }
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

// The editor reloads the table from the file, which another window may have saved meanwhile:
// even when the editor is left without a save, the chip shown is the chip the slot holds.
TEST_F(FileCommands, AnEditorOpenedOnAFileChangedElsewhereKeepsTheChosenChip)
{
    writeSettings("[DEVICE]\nchip=1\n[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=1\n");
    writeDatabase({{"SPI,ACME,BIG", 0x10000}, {"SPI,ACME,SMALL", 0x100}});
    TForm1& window = openWindow();
    ASSERT_EQ(window.currentChipRecord().nameText(), "SPI,ACME,SMALL");

    writeDatabase({{"SPI,ACME,SMALL", 0x100}, {"SPI,ACME,BIG", 0x10000}});
    whileModal([&] { window.N3->trigger(); },
        [&] { QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnExit"), Qt::LeftButton); });
    EXPECT_EQ(window.currentChip(), 0);
    EXPECT_EQ(window.currentChipRecord().nameText(), "SPI,ACME,SMALL");
    EXPECT_EQ(window.ComboBox3->currentText(), "SMALL");
    EXPECT_EQ(window.Edit1->text(), "256");
}

TEST_F(FileCommands, EditorSaveKeepsTheEditsTypedIntoTheView)
{
    writeSettings("[DEVICE]\nchip=1\n");
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    window.FlashEditor->setFocus();
    QTest::keyClicks(window.FlashEditor, "1234ABCD");
    ASSERT_EQ(viewBytes().left(4), QByteArray("\x12\x34\xAB\xCD", 4));

    whileModal([&] { window.ToolDevice->trigger(); }, [&] {
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnSave"), Qt::LeftButton);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnExit"), Qt::LeftButton);
    });
    EXPECT_EQ(viewBytes().left(5), QByteArray("\x12\x34\xAB\xCD\xFF", 5));
    EXPECT_EQ(window.dataBuffer()[3], 0xCD);
    EXPECT_EQ(window.dataLength(), 0x100);
}

TEST_F(FileCommands, AFailedEditorSaveKeepsTheTableAndTheChosenChip)
{
    writeSettings("[DEVICE]\nchip=1\n[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=1\n");
    writeDatabase({{"SPI,ACME,BIG", 0x10000}, {"SPI,ACME,SMALL", 0x100}});
    TForm1& window = openWindow();
    ASSERT_EQ(window.currentChip(), 1);

    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    whileModal([&] { window.N3->trigger(); }, [&] {
        // A folder where the file was: the new file cannot take its place.
        ASSERT_TRUE(QFile::remove(m_environment.databasePath));
        ASSERT_TRUE(QDir().mkdir(m_environment.databasePath));
        auto* grid = window.Form2->findChild<QTableWidget*>("StringGrid1");
        grid->setCurrentCell(0, 1);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnDelete"), Qt::LeftButton);
        QTest::mouseClick(window.Form2->findChild<QPushButton*>("BtnSave"), Qt::LeftButton);
        window.Form2->done(QDialog::Rejected);
    });
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_TRUE(MessageBoxes::history()[0].text.contains(QDir::toNativeSeparators(m_environment.databasePath)));
    EXPECT_EQ(window.chipDatabase().count(), 2);
    EXPECT_EQ(window.chipDatabase()[0].nameText(), "SPI,ACME,BIG");
    EXPECT_EQ(window.currentChip(), 1);
    EXPECT_EQ(window.currentChipRecord().nameText(), "SPI,ACME,SMALL");
}

TEST_F(FileCommands, TheEditorAsksInTheWindowsQuestionBoxBeforeDroppingRows)
{
    writeSettings("[DEVICE]\nchip=1\n");
    writeDatabase({{"SPI,ACME,A256", 0x100}});
    TForm1& window = openWindow();
    window.Enlish->trigger();
    MessageBoxes::setNextAnswer(QMessageBox::No);
    MessageBoxes::setNextAnswer(QMessageBox::Yes);
    bool keptOpen = false;
    whileModal([&] { window.ToolDevice->trigger(); }, [&] {
        auto* grid = window.Form2->findChild<QTableWidget*>("StringGrid1");
        grid->item(0, 2)->setText("EDITED");
        QTest::keyClick(grid, Qt::Key_Escape);
        keptOpen = window.Form2->isVisible();
        QTest::keyClick(grid, Qt::Key_Escape);
    });
    EXPECT_TRUE(keptOpen);
    EXPECT_FALSE(window.Form2->isVisible());
    ASSERT_EQ(MessageBoxes::history().size(), 2);
    EXPECT_EQ(MessageBoxes::history()[0].title, "Info");
    EXPECT_EQ(MessageBoxes::history()[0].text, "The chip list has changes that are not saved. Discard them?");
}

TEST_F(FileCommands, MenuCommandsWaitForARunningOperation)
{
    writeDatabase({{"SPI,ACME,A64", 64}});
    TForm1& window = openWindow();
    window.setDataLength(7);
    const QString path = file("during.bin");
    writeFile(path, "new");
    ASSERT_TRUE(whileAnOperationRuns(window, [&] {
        FileDialogs::setNextFileName(path);
        window.O2->trigger();
        window.S1->trigger();
        EXPECT_EQ(FileDialogs::pendingFileNames(), 1);  // no dialog was shown
        FileDialogs::reset();
    }));
    EXPECT_EQ(window.dataLength(), 7);
    EXPECT_EQ(readFile(path), QByteArray("new"));

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
