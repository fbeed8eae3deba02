#include "controls/TBitBox.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr QRgb DisabledText = 0x806040;
constexpr QRgb HighlightText = 0x20E0F0;
constexpr QRgb CaptionText = 0x102030;

// A box with a distinctive palette so the colours the painter chooses can be told apart.
struct BitBoxFixture : ::testing::Test {
    TBitBox box;
    QStringList events;

    BitBoxFixture()
    {
        QPalette palette = box.palette();
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(DisabledText));
        palette.setColor(QPalette::Active, QPalette::HighlightedText, QColor(HighlightText));
        palette.setColor(QPalette::Active, QPalette::WindowText, QColor(CaptionText));
        box.setPalette(palette);
        box.resize(120, 25);  // middle row m = 12
        QObject::connect(&box, &TBitBox::OnChange, [this] { events << "change"; });
        QObject::connect(&box, &TBitBox::OnClick, [this] { events << "click"; });
    }

    QImage picture() { return box.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    static bool regionHas(const QImage& image, QRect region, QRgb colour)
    {
        for (int y = region.top(); y <= region.bottom(); ++y)
            for (int x = region.left(); x <= region.right(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == colour)
                    return true;
        return false;
    }
};

constexpr int M = 12;
const QRect BoxInside(QPoint(2, M - 6), QPoint(14, M + 6));
const QRect CaptionArea(QPoint(21, 0), QPoint(119, 24));

QRgb at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST_F(BitBoxFixture, StartsClearedWithDefaultColoursAndTabStop)
{
    EXPECT_FALSE(box.state());
    EXPECT_TRUE(box.caption().isEmpty());
    EXPECT_EQ(box.onColor(), QColor(0, 255, 0));
    EXPECT_EQ(box.offColor(), QColor(255, 0, 0));
    EXPECT_TRUE(box.tabStop());
    box.setTabStop(false);
    EXPECT_FALSE(box.tabStop());
    EXPECT_EQ(box.focusPolicy(), Qt::ClickFocus);
}

TEST_F(BitBoxFixture, SettingStateNotifiesEvenWithoutChange)
{
    box.setState(false);
    EXPECT_FALSE(box.state());
    box.setState(true);
    box.setState(true);
    EXPECT_TRUE(box.state());
    EXPECT_EQ(events, QStringList({"change", "change", "change"}));
}

TEST_F(BitBoxFixture, NameBecomesCaptionOnlyWhileCaptionEmpty)
{
    box.setObjectName("BitBox1");
    EXPECT_EQ(box.caption(), "BitBox1");
    box.setObjectName("BitBox2");  // caption no longer empty: it stays
    EXPECT_EQ(box.caption(), "BitBox1");
}

TEST_F(BitBoxFixture, ClickTogglesOnceAndNotifiesClickThenChange)
{
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.clearFocus();
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, M));
    EXPECT_TRUE(box.state());
    EXPECT_EQ(events, QStringList({"click", "change"}));
    EXPECT_TRUE(box.hasFocus());
    EXPECT_TRUE(box.focused());

    events.clear();
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(8, M));
    EXPECT_TRUE(box.state());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(BitBoxFixture, DoubleClickTogglesForEachNotification)
{
    box.show();
    // The sequence a window system delivers for a double click: press, release, double
    // click, release. The first release is a click, the double click one more toggle.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(8, M));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(8, M));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(8, M), box.mapToGlobal(QPointF(8, M)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &doubleClick);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(8, M));
    EXPECT_FALSE(box.state());
    EXPECT_EQ(events, QStringList({"click", "change", "click", "change"}));
}

TEST_F(BitBoxFixture, ReleaseOutsideIsNoClick)
{
    box.show();
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(8, M));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(300, M));
    EXPECT_FALSE(box.state());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(BitBoxFixture, SpaceTogglesWithoutClickOtherKeysIgnored)
{
    box.show();
    QTest::keyClick(&box, Qt::Key_A);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_1);
    EXPECT_FALSE(box.state());
    EXPECT_TRUE(events.isEmpty());

    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_TRUE(box.state());
    EXPECT_EQ(events, QStringList({"change"}));
}

TEST_F(BitBoxFixture, PaintsSunkenFrameWithExactCorners)
{
    const QImage image = picture();
    // Left and top edges grey, the inner ring dark grey, right and bottom white and silver.
    EXPECT_EQ(at(image, 0, M - 8), 0x808080u);
    EXPECT_EQ(at(image, 0, M + 8), 0x808080u);
    EXPECT_EQ(at(image, 15, M - 8), 0x808080u);
    EXPECT_EQ(at(image, 16, M - 8), 0xFFFFFFu);
    EXPECT_EQ(at(image, 16, M + 8), 0xFFFFFFu);
    EXPECT_EQ(at(image, 1, M + 8), 0xFFFFFFu);
    EXPECT_EQ(at(image, 1, M - 7), 0x555555u);
    EXPECT_EQ(at(image, 1, M + 7), 0x555555u);
    EXPECT_EQ(at(image, 14, M - 7), 0x555555u);
    EXPECT_EQ(at(image, 15, M - 7), 0xC0C0C0u);
    EXPECT_EQ(at(image, 15, M + 6), 0xC0C0C0u);
    EXPECT_EQ(at(image, 2, M + 7), 0xC0C0C0u);
    EXPECT_EQ(at(image, 3, M - 5), 0x000000u);  // inside, clear of the digit
}

TEST_F(BitBoxFixture, DigitColourFollowsState)
{
    QImage image = picture();
    EXPECT_TRUE(regionHas(image, BoxInside, 0xFF0000));
    EXPECT_FALSE(regionHas(image, BoxInside, 0x00FF00));

    box.setState(true);
    image = picture();
    EXPECT_TRUE(regionHas(image, BoxInside, 0x00FF00));
    EXPECT_FALSE(regionHas(image, BoxInside, 0xFF0000));
}

TEST_F(BitBoxFixture, DisabledLookIsDimBoxGreyDigitEngravedCaption)
{
    box.setCaption("Bit");
    box.setState(true);
    QImage image = picture();
    EXPECT_TRUE(regionHas(image, CaptionArea, CaptionText));
    EXPECT_FALSE(regionHas(image, CaptionArea, HighlightText));

    box.setEnabled(false);
    image = picture();
    EXPECT_EQ(at(image, 3, M - 5), 0x111111u);
    EXPECT_TRUE(regionHas(image, BoxInside, DisabledText));
    EXPECT_FALSE(regionHas(image, BoxInside, 0x00FF00));
    EXPECT_TRUE(regionHas(image, CaptionArea, DisabledText));
    EXPECT_TRUE(regionHas(image, CaptionArea, HighlightText));
    EXPECT_FALSE(regionHas(image, CaptionArea, CaptionText));
}

TEST_F(BitBoxFixture, FocusDrawsDottedRectangleAroundCaption)
{
    box.setCaption("Bit");
    const int captionTop = M - QFontMetrics(box.font()).height() / 2;
    const QRect frameLine(QPoint(19, captionTop - 2), QPoint(40, captionTop - 2));
    EXPECT_FALSE(regionHas(picture(), frameLine, CaptionText));

    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &focusIn);
    EXPECT_TRUE(box.focused());
    const QImage focused = picture();
    EXPECT_EQ(at(focused, 19, captionTop - 2), CaptionText);
    EXPECT_NE(at(focused, 20, captionTop - 2), CaptionText);

    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &focusOut);
    EXPECT_FALSE(box.focused());
    EXPECT_FALSE(regionHas(picture(), frameLine, CaptionText));
}

}  // namespace
