#include "hexview/HexEditorEx.h"

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

TEST(HexEditorExPrint, PointAndPixelSizedFontsPrintAlikeAtPrinterResolution)
{
    // 12 pt is 16 screen pixels; on a 300 dpi page both must become 50 device pixels, with line
    // spacing measured for that size, or rows of a point-sized font overlap on paper.
    std::vector<std::uint8_t> bytes(4096);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::uint8_t(i * 37);
    const QSize a4(2480, 3508);
    const int dpi = 300;

    HexEditorEx points;
    QFont f = HexEditor::FixedFont(-1, 12);
    points.setFont(f);
    points.LoadFromBytes(bytes);
    HexEditorEx pixels;
    f.setPixelSize(16);
    pixels.setFont(f);
    pixels.LoadFromBytes(bytes);

    const QRect area = points.PrinterMarginRect(a4, dpi);
    EXPECT_EQ(points.PrintNumPages(area, dpi), pixels.PrintNumPages(area, dpi));
    EXPECT_GT(points.PrintNumPages(area, dpi), 1);
    EXPECT_EQ(points.PrintPreview(1, a4, dpi), pixels.PrintPreview(1, a4, dpi));
}
