#include "HexTypes.h"

#include <QGuiApplication>
#include <QPalette>

#include <utility>

HexColors HexColors::defaults()
{
    const QPalette palette = QGuiApplication::palette();
    HexColors c;
    c.Background = palette.color(QPalette::Base);
    c.ActiveFieldBackground = palette.color(QPalette::Base);
    c.ChangedText = QColor(128, 0, 0);
    c.ChangedBackground = QColor(0xFF, 0xFF, 0xA8);
    c.CursorFrame = QColor(0, 0, 128);
    c.NonFocusCursorFrame = QColor(0, 255, 255);
    c.Offset = QColor(0, 0, 0);
    c.OddColumn = QColor(0, 0, 255);
    c.EvenColumn = QColor(0, 0, 128);
    c.CurrentOffsetBackground = palette.color(QPalette::Dark);
    c.CurrentOffset = palette.color(QPalette::Light);
    c.OffsetBackground = palette.color(QPalette::Button);
    c.Grid = palette.color(QPalette::Button);
    c.DifferenceText = QColor(0, 0, 0);
    c.DifferenceBackground = QColor(0xFF, 0xA8, 0xB4);
    return c;
}

namespace {

// Display name and short name of each translation, in TranslationKind order.
constexpr std::pair<const char*, const char*> kTranslationNames[] = {
    {"Windows", "WIN"}, {"Dos 8 bits", "DOS"}, {"ASCII 7 bits", "ASC"},
    {"Macintosh", "MAC"}, {"EBCDIC codepage 38", "BCD"}, {"Custom translation", "Cust"}};

} // namespace

QString translationName(TranslationKind kind)
{
    return kind <= tkCustom ? QString::fromLatin1(kTranslationNames[kind].first) : QString();
}

QString translationShortName(TranslationKind kind)
{
    return kind <= tkCustom ? QString::fromLatin1(kTranslationNames[kind].second) : QString();
}

QString unicodeModeName(bool bigEndian)
{
    return bigEndian ? QStringLiteral("Unicode big endian") : QStringLiteral("Unicode little endian");
}

QString unicodeModeShortName(bool bigEndian)
{
    return bigEndian ? QStringLiteral("UCBE") : QStringLiteral("UCLE");
}
