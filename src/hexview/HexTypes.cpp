#include "HexTypes.h"

#include <QGuiApplication>
#include <QPalette>

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

QString translationName(TranslationKind kind)
{
    switch (kind) {
    case tkAsIs: return QStringLiteral("Windows");
    case tkDos8: return QStringLiteral("Dos 8 bits");
    case tkASCII: return QStringLiteral("ASCII 7 bits");
    case tkMac: return QStringLiteral("Macintosh");
    case tkBCD: return QStringLiteral("EBCDIC codepage 38");
    case tkCustom: return QStringLiteral("Custom translation");
    }
    return {};
}

QString translationShortName(TranslationKind kind)
{
    switch (kind) {
    case tkAsIs: return QStringLiteral("WIN");
    case tkDos8: return QStringLiteral("DOS");
    case tkASCII: return QStringLiteral("ASC");
    case tkMac: return QStringLiteral("MAC");
    case tkBCD: return QStringLiteral("BCD");
    case tkCustom: return QStringLiteral("Cust");
    }
    return {};
}

QString unicodeModeName(bool bigEndian)
{
    return bigEndian ? QStringLiteral("Unicode big endian") : QStringLiteral("Unicode little endian");
}

QString unicodeModeShortName(bool bigEndian)
{
    return bigEndian ? QStringLiteral("UCBE") : QStringLiteral("UCLE");
}
