#include "WindowFixture.h"

#include "text/Captions.h"
#include "text/Languages.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextEdit>
#include <QTextLayout>

namespace {

// Whether the font, with the system's fallbacks, lacks a glyph for some character of text: it
// would show as an empty box. Glyph 0 is the "missing glyph" of every font.
bool hasMissingGlyphs(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                return true;
        }
    }
    return false;
}

}  // namespace

using CjkCaptions = WindowFixture;

// The window opens in Simplified Chinese; a machine without a CJK font would show every caption
// as boxes. The program's install step brings a font, and this test notices when it is missing.
TEST_F(CjkCaptions, EveryChineseCaptionHasGlyphsInTheWindowsFont)
{
    TForm1& window = openWindow();
    QStringList boxes;
    for (const char* form : {"TForm1", "TForm2", "TForm3", "TForm4"}) {
        for (const CaptionEntry& entry : captionsFor(QString::fromLatin1(form)).entries) {
            for (const Language language : {Language::Simplified, Language::Traditional}) {
                const QString text = entry.text(language).remove(u'&');
                if (hasMissingGlyphs(text, window.font()))
                    boxes.append(text);
            }
        }
    }
    EXPECT_TRUE(boxes.isEmpty()) << "no font draws these captions (is a CJK font such as "
                                    "fonts-wqy-microhei installed?): "
                                 << qPrintable(boxes.join(u' '));
}

// With ZORVEX_SCREENSHOT_DIR set, the window is saved in each language (for the README): on the
// simulator and the shipped chip database when the build has them.
TEST_F(CjkCaptions, ScreenshotsInEachLanguage)
{
    const QString target = qEnvironmentVariable("ZORVEX_SCREENSHOT_DIR");
    if (target.isEmpty())
        GTEST_SKIP() << "ZORVEX_SCREENSHOT_DIR not set";
#ifdef ZORVEX_SIM_LIBRARY
    m_environment.usbLibrary = QStringLiteral(ZORVEX_SIM_LIBRARY);
#endif
#ifdef ZORVEX_SHIPPED_DATABASE
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZORVEX_SHIPPED_DATABASE), m_environment.databasePath));
#else
    writeDatabase({{"SPI_FLASH,Winbond,W25Q64JV", 0x800000}, {"24_EEPROM,Atmel,AT24C02", 256}});
#endif
    writeSettings(QStringLiteral("[Environment]\nFormWidth=881\nFormHeight=518\n"
                                 "[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=2\n"));
    TForm1& window = openWindow();
    window.ProbeProgrammer();
#ifdef ZORVEX_SIM_LIBRARY
    window.ToolReadClick();  // the simulated chip has content to show
#endif
    for (const LanguageInfo& language : languages()) {
        window.LanguageItems[static_cast<std::size_t>(language.language)]->trigger();
        window.RichEdit1->clear();  // the log keeps the language each line was written in
        window.ProbeProgrammer();
        QCoreApplication::processEvents();
        const QString file = QDir(target).filePath(QStringLiteral("window-%1.png").arg(QLatin1String(language.code)));
        EXPECT_TRUE(window.grab().save(file)) << qPrintable(file);
    }
}
