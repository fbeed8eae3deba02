#include "text/FixedTexts.h"

#include "text/Translations.h"

namespace {

// In the order of FixedText.
constexpr FixedEntry kTexts[] = {
    {u"About", u"About"},
    {u"USB programmer for serial memory chips", u"USB programmer for serial memory chips"},
    {u"Binary", u"Binary"},
    {u"All files", u"All files"},
    {u"Error", u"Error"},
    {u"Information", u"Information"},
    {u"Info", u"Question"},
    {u"Unknown error", u"Unknown error"},
    {u"File is too big for Buffer", u"File is too big for Buffer"},
    {u"File is shorter than the 2048-byte capsule header", u"File is shorter than the 2048-byte capsule header"},
    {u"Error reading File", u"Error reading File"},
    {u"Data length exceeds the buffer", u"Data length exceeds the buffer"},
    {u"Select data format", u"Select data format"},
    {u"Hex text", u"Hex text"},
    {u"Can't open File", u"Can't open File"},
    {u"'%1' is not a valid integer value", u"'%1' is not a valid integer value"},
    {u"25 flash 系列", u"25 flash series"},
    {u"24 eeprom 系列", u"24 eeprom series"},
    {u"93 eeprom 系列", u"93 eeprom series"},
    {u"25 eeprom 系列", u"25 eeprom series"},
    {u"95 eeprom 系列", u"95 eeprom series"},
    {u"非SST SPI flash", u"non-SST SPI flash"},
    {u"小于4KB", u"under 4KB"},
    {u"大于等于4KB", u"4KB or more"},
    {u"小于512B", u"under 512B"},
    {u"大等于512B", u"512B or more"},
    {u"大于64KB", u"over 64KB"},
    {u"芯片类型", u"Chip type"},
    {u"芯片厂家", u"Chip maker"},
    {u"芯片型号", u"Chip model"},
    {u"芯片ID", u"Chip ID"},
    {u"FLASH页", u"FLASH page"},
    {u"类型", u"Family"},
    {u"子类型", u"Subtype"},
    {u"延时", u"Delay"},
    {u"工作电压", u"Voltage"},
    {u"EEPROM页", u"EEPROM page"},
    {u"关联XML", u"Linked XML"},
};

static_assert(std::size(kTexts) == static_cast<std::size_t>(FixedText::GridLink) + 1);

}  // namespace

QString fixedText(FixedText key)
{
    const FixedEntry& entry = kTexts[static_cast<std::size_t>(key)];
    const Language language = currentLanguage();
    if (!isTranslatedLanguage(language))
        return QString::fromUtf16(entry.shown);
    return translatedText(entry.english, language);
}

std::span<const FixedEntry> fixedTextTable()
{
    return kTexts;
}
