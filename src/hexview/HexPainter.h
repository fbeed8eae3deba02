#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStaticText>

#include <array>
#include <vector>

class HexEditor;
class QPainter;

// Draws the visible part of a hex view: ruler, gutter, data cells, frames and the caret. It
// reads the store directly (no per-paint copy), merges neighbouring backgrounds of one colour
// into one fillRect, and draws characters from a per-font cache of prepared glyphs.
class HexPainter {
public:
    explicit HexPainter(const HexEditor& editor) : m_e(editor) {}

    void paint(QPainter& painter, const QRect& dirty);

    // Selection colour rules, public so tests can compare rendered pixels with them.
    [[nodiscard]] static QColor inverted(const QColor& c);
    [[nodiscard]] static QColor grayed(const QColor& c);

private:
    struct Text {
        int x;
        int y;
        QChar ch;
        QColor color;
    };
    class Fills;

    void paintRuler(Fills& fills, std::vector<Text>& texts, int firstCol, int lastCol);
    void paintDataRow(QPainter& p, Fills& fills, std::vector<Text>& texts, int row, int firstCol,
                      int lastCol, bool focused);
    void paintGutterCell(Fills& fills, int row);
    void paintOutside(QPainter& p, int lastCol);
    void paintLines(QPainter& p, int lastCol);
    void paintFramesAndCaret(QPainter& p, bool focused);
    void drawTexts(QPainter& p, const std::vector<Text>& texts);
    const QStaticText& glyph(QChar ch);

    const HexEditor& m_e;
    QFont m_glyphFont;
    std::array<QStaticText, 256> m_glyphs;  // by character code; empty until first drawn
};
