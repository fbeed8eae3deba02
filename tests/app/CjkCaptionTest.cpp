#include "WindowFixture.h"

#include "app/Captions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace {

// Characters of text that the font (with the system's fallbacks) cannot draw: they would show
// as empty boxes. Glyph 0 is the "missing glyph" of every font.
QString missingCharacters(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QString missing;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        for (const quint32 glyph : run.glyphIndexes()) {
            if (glyph == 0)
                missing = text;
        }
    }
    return missing;
}

}  // namespace

using CjkCaptions = WindowFixture;

// The window opens in Simplified Chinese; a machine without a CJK font would show every caption
// as boxes. The program's install step brings a font, and this test notices when it is missing.
TEST_F(CjkCaptions, EveryChineseCaptionHasGlyphsInTheWindowsFont)
{
    TForm1& window = openWindow();
    for (const char* form : {"TForm1", "TForm2", "TForm3", "TForm4"}) {
        for (const CaptionEntry& entry : captionsFor(QString::fromLatin1(form)).entries) {
            for (const Language language : {Language::Simplified, Language::Traditional}) {
                const QString text = entry.text(language).remove(u'&');
                EXPECT_EQ(missingCharacters(text, window.font()), QString())
                    << form << "." << entry.control;
            }
        }
    }
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
    const std::pair<QAction*, const char*> languages[] = {
        {window.China, "zh-CN"}, {window.fanti, "zh-TW"}, {window.Enlish, "en"}};
    for (const auto& [item, code] : languages) {
        item->trigger();
        window.ProbeProgrammer();
        QCoreApplication::processEvents();
        const QString file = QDir(target).filePath(QStringLiteral("window-%1.png").arg(code));
        EXPECT_TRUE(window.grab().save(file)) << qPrintable(file);
    }
}
