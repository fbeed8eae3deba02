#include "buffer/TForm4.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct FillDialog : ::testing::Test {
    std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(0x400, 0xFF);
    TForm4 dialog;
    QStringList errors;
    QSignalSpy filled{&dialog, &TForm4::bufferFilled};

    FillDialog()
    {
        dialog.setBuffer(buffer);
        dialog.setErrorReporter([this](const QString& message) { errors << message; });
        dialog.setClock([] { return std::int64_t{1700000000}; });
        dialog.show();
    }

    QLineEdit* edit(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return dialog.findChild<QPushButton*>(name); }

    void type(const char* name, const QString& text)
    {
        QLineEdit* field = edit(name);
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    void clickOk() { QTest::mouseClick(button("BitBtn1"), Qt::LeftButton); }
};

TEST_F(FillDialog, EndFieldOffersTheWholeChipEachTime)
{
    type("Edit3", "10");
    dialog.offerEndFor(256);
    EXPECT_EQ(edit("Edit4")->text(), "FF");
    dialog.offerEndFor(64 * 1024 * 1024);
    EXPECT_EQ(edit("Edit4")->text(), "3FFFFFF");
    EXPECT_EQ(edit("Edit3")->text(), "10");  // the other fields keep what they held
    EXPECT_EQ(edit("Edit1")->text(), "FF");
    EXPECT_EQ(edit("Edit2")->text(), "FFFF");
}

TEST_F(FillDialog, FieldsTakeOnlyHexDigitsShownUpperCase)
{
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"}) {
        type(name, "aG b");
        EXPECT_EQ(edit(name)->text(), "AB") << name;
        QTest::keyClick(edit(name), Qt::Key_Backspace);
        EXPECT_EQ(edit(name)->text(), "A") << name;
    }
    type("Edit1", "123");
    EXPECT_EQ(edit("Edit1")->text(), "12");
    type("Edit2", "12345");
    EXPECT_EQ(edit("Edit2")->text(), "1234");
}

TEST_F(FillDialog, AnAddressPastedWithItsLineEndFills)
{
    // Copied from a terminal or a listing: the field would show the line end as a blank.
    for (const auto& [name, text] : {std::pair{"Edit3", "10\r\n"}, std::pair{"Edit4", "\t1f\n"}}) {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        edit(name)->selectAll();
        edit(name)->paste();
    }
    clickOk();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(filled.count(), 1);
}

TEST_F(FillDialog, ByteFillOfAChipSetsTheViewAndLength)
{
    type("Edit1", "5a");
    dialog.offerEndFor(256);
    clickOk();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    for (std::size_t i = 0; i < 0x100; ++i)
        ASSERT_EQ(buffer[i], 0x5A) << i;
    EXPECT_EQ(buffer[0x100], 0xFF);
    ASSERT_EQ(filled.count(), 1);
    EXPECT_EQ(filled[0][0].toInt(), 0x100);
}

TEST_F(FillDialog, WordFillFromAnOddStartAndAViewUpToTheEnd)
{
    QTest::mouseClick(dialog.findChild<QRadioButton*>("RadioButton2"), Qt::LeftButton);
    type("Edit2", "1234");
    type("Edit3", "1");
    type("Edit4", "4");
    clickOk();
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 6),
              (std::vector<std::uint8_t>{0xFF, 0x12, 0x34, 0x12, 0x34, 0xFF}));
    ASSERT_EQ(filled.count(), 1);
    EXPECT_EQ(filled[0][0].toInt(), 5);  // the end of the range, not its length
}

TEST_F(FillDialog, RandomFillsWithinOneSecondAreEqual)
{
    QTest::mouseClick(dialog.findChild<QRadioButton*>("RadioButton3"), Qt::LeftButton);
    type("Edit3", "10");
    type("Edit4", "2F");
    clickOk();
    const std::vector<std::uint8_t> first = buffer;
    std::fill(buffer.begin(), buffer.end(), 0x00);
    dialog.show();
    clickOk();
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin() + 0x10, buffer.begin() + 0x30),
              std::vector<std::uint8_t>(first.begin() + 0x10, first.begin() + 0x30));
    // Exactly the range was written: the bytes around it keep the zeros set in between.
    EXPECT_EQ(buffer[0x0F], 0x00);
    EXPECT_EQ(buffer[0x30], 0x00);
    EXPECT_EQ(filled.count(), 2);
}

TEST_F(FillDialog, BadRangeOrFieldIsReportedAndChangesNothing)
{
    const std::vector<std::uint8_t> before = buffer;
    type("Edit3", "20");
    type("Edit4", "1F");
    clickOk();
    type("Edit3", "0");
    type("Edit4", "400");  // one past this buffer
    clickOk();
    type("Edit4", "FFFFFFFF");
    clickOk();
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].contains("3FF")) << errors[0].toStdString();

    type("Edit4", "");
    clickOk();
    ASSERT_EQ(errors.size(), 4);
    EXPECT_EQ(errors[3], "'0x' is not a valid integer value");
    // A bad value field stops the fill even in another mode.
    type("Edit4", "10");
    edit("Edit1")->setText("");
    QTest::mouseClick(dialog.findChild<QRadioButton*>("RadioButton2"), Qt::LeftButton);
    clickOk();
    ASSERT_EQ(errors.size(), 5);

    EXPECT_EQ(buffer, before);
    EXPECT_EQ(filled.count(), 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(FillDialog, CancelClosesWithoutChange)
{
    const std::vector<std::uint8_t> before = buffer;
    type("Edit1", "00");
    QTest::mouseClick(button("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(buffer, before);
    EXPECT_EQ(filled.count(), 0);
}

}  // namespace
