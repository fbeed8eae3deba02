#include "WindowFixture.h"

#include "chipdb/TForm3.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

QStringList rowModels(const QTreeWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        result.append(list->topLevelItem(i)->text(2));
    return result;
}

}  // namespace

class TForm3Search : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        writeDatabase({{"FLASH,MAKER,X25A"}, {"FLASH,Other,Q1", 2048}, {"EEPROM,MAKER,X25B", 512},
            {"FLASH,Other,Q2", 4096}});
        writeSettings(QStringLiteral("[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=0\n"));
    }

    // Shows the dialog modally and runs steps inside its event loop, as a user would.
    void runDialog(TForm3* dialog, const std::function<void()>& steps)
    {
        QTimer::singleShot(0, dialog, [dialog, steps] {
            steps();
            if (dialog->isVisible())
                dialog->reject();
        });
        dialog->exec();
    }
};

TEST_F(TForm3Search, ShowingListsEveryChipAndTheFilterMatchesAcrossTheSeparators)
{
    TForm1& window = openWindow();
    TForm3* dialog = window.Form3;
    runDialog(dialog, [&] {
        EXPECT_EQ(dialog->ListView1->topLevelItemCount(), 4);
        EXPECT_EQ(dialog->ListView1->topLevelItem(1)->text(3), QStringLiteral("1"));
        EXPECT_EQ(dialog->ListView1->headerItem()->text(1), QStringLiteral("厂商"));
        EXPECT_EQ(dialog->ListView1->columnWidth(3), 1);
        QTest::keyClicks(dialog->ComboBox1->lineEdit(), QStringLiteral("FLASH,MAKER,X"));
        EXPECT_EQ(rowModels(dialog->ListView1), (QStringList{"X25A"}));
        dialog->ComboBox1->setEditText(QStringLiteral("  X25 "));
        EXPECT_EQ(rowModels(dialog->ListView1), (QStringList{"X25A", "X25B"}));
        dialog->ComboBox1->setEditText(QStringLiteral("maker"));
        EXPECT_EQ(dialog->ListView1->topLevelItemCount(), 0);
        dialog->ComboBox1->setEditText(QString());
        EXPECT_EQ(dialog->ListView1->topLevelItemCount(), 0);
        EXPECT_FALSE(dialog->BitBtn1->isEnabled());
        dialog->BitBtn1Click();
        EXPECT_TRUE(dialog->isVisible());
    });
    EXPECT_EQ(window.currentChip(), 0);
}

TEST_F(TForm3Search, ChoosingARowSelectsTheChipButIsNotRememberedAcrossARestart)
{
    TForm1& window = openWindow();
    TForm3* dialog = window.Form3;
    runDialog(dialog, [&] {
        dialog->ComboBox1->setEditText(QStringLiteral("Q2"));
        ASSERT_EQ(dialog->ListView1->topLevelItemCount(), 1);
        EXPECT_FALSE(dialog->BitBtn1->isEnabled());
        dialog->ListView1->setCurrentItem(dialog->ListView1->topLevelItem(0));
        EXPECT_TRUE(dialog->BitBtn1->isEnabled());
        QTest::mouseClick(dialog->BitBtn1, Qt::LeftButton);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(window.currentChip(), 3);
    EXPECT_EQ(window.ComboBox2->currentText(), QStringLiteral("Other"));
    EXPECT_EQ(window.ComboBox3->currentText(), QStringLiteral("Q2"));
    EXPECT_EQ(window.Edit1->text(), QStringLiteral("4096"));
    closeWindow();

    TForm1& again = openWindow();
    EXPECT_EQ(again.currentChip(), 0);
    EXPECT_EQ(again.ComboBox3->currentText(), QStringLiteral("X25A"));
}

TEST_F(TForm3Search, DoubleClickOnARowChoosesIt)
{
    TForm1& window = openWindow();
    TForm3* dialog = window.Form3;
    runDialog(dialog, [&] {
        QWidget* viewport = dialog->ListView1->viewport();
        const QPoint at =
            dialog->ListView1->visualItemRect(dialog->ListView1->topLevelItem(2)).center();
        // The event sequence a real double click produces: the second press comes before the
        // double-click event.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mousePress(viewport, Qt::LeftButton, {}, at);
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at),
            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &doubleClick);
    });
    EXPECT_EQ(window.currentChip(), 2);
    EXPECT_EQ(window.ComboBox1->currentText(), QStringLiteral("EEPROM"));
}
