#include "text/MessageCatalog.h"

#include "text/LanguageTexts.h"

namespace {

// Simplified, Traditional, English for each message, in message order. The texts are the
// program's own wording, typing slips and trailing blanks included: users and scripts that watch
// the log know them as they are.
constexpr const char16_t* kTexts[MessageCatalog::EntryCount] = {
    // 0 UnknownChipId
    u"未知型号芯片ID =", u"未知型號芯片ID =", u"Unknown chip ID =",
    // 1 ChooseCompatibleManually
    u"请手动选择兼容型号。", u"請手動選擇兼容型號。", u"Please choose the compatibility type manually.",
    // 2 NoChipDetected
    u"没有检测到芯片，请放置芯片再试！", u"沒有檢測到芯片，請放置芯片再試！",
    u"No chips detected, please put the chip to try again!",
    // 3 ChipDetected
    u"检测到芯片：", u"檢測到芯片：", u"The chip was detected:",
    // 4 ChipTypeLine
    u"\n\n芯片类型 ：", u"\n\n芯片類型 ：", u"\n\n Chip type",
    // 5 ChipTypeDetected
    u"检测到芯片芯片类型: ", u"檢測到芯片芯片類型: ", u"Chip type is detected:",
    // 6 SelectTypeManually
    u"\n\n请手动选择对应型号烧写。", u"\n\n請手動選擇對應型號燒寫。",
    u"\n\n Please manually select the corresponding type burn.",
    // 7 ChipListDamaged
    u"配置文件被破坏！", u"配置文件被破壞！", u"The configuration file was destroyed.",
    // 8 FileExistsOverwrite
    u"文件已存在,是否覆盖?", u"文件已存在,是否覆蓋?", u"File already exists. Is it covered? ",
    // 9 FileWriteError
    u"写入文件出错。", u"寫入文件出錯。", u"Error writing file.",
    // 10 ProgrammerFound
    u"检测到编程器，工作状态正常。", u"檢測到編程器，工作狀態正常。",
    u"The programmer is detected, and the working state is normal.",
    // 11 StatusReady
    u"准备好", u"準備好", u"Ready",
    // 12 StatusNotConnected
    u"编程器未接入", u"編程器未接入", u"Not connected",
    // 13 StatusErasing
    u"擦除 Flash ...", u"擦除 Flash ...", u"Erase Flash ...",
    // 14 StatusReading
    u"读出 Flash ...", u"讀出 Flash ...", u"Read Flash ...",
    // 15 StatusBlankChecking
    u"查空 Flash ...", u"查空 Flash ...", u"Bank Flash ...",
    // 16 ChipNotBlank
    u"芯片没有擦空", u"芯片沒有擦空", u"The chip is not empty.",
    // 17 StatusVerifying
    u"校验 Flash ...", u"校驗 Flash ...", u"Verify Flash ...",
    // 18 VerifyErrorAddress
    u"Flash 校验错误地址: ", u"Flash 校驗錯誤地址: ", u"Flash check error address:",
    // 19 StatusWriting
    u"编程 Flash ...", u"編程 Flash ... ", u"Write Flash ...",
    // 20 FileLargerThanChip
    u"文件长度大于芯片容量,是否继续烧录?", u"文件長度大於芯片容量,是否繼續烧录?",
    u"File length is larger than chip capacity. Do you want to continue to write?",
    // 21 LogOpen
    u"打开", u"打開", u"Open",
    // 22 ReadComplete
    u"读出完成！", u"讀出完成！", u"Read Complete!",
    // 23 ChipIsBlank
    u"芯片为空！", u"芯片為空！", u"The chip is empty!",
    // 24 EraseComplete
    u"擦除完成！", u"擦除完成！", u"Erase Complete!",
    // 25 WriteComplete
    u"写入完成！", u"寫入完成！", u"Write Complete!",
    // 26 BufferEmpty
    u"缓冲区数据为空，请加载数据文件。", u"緩沖區數據為空，請加載數據文件。",
    u"The buffer data is empty. Please load the data file..",
    // 27 VerifyComplete
    u"校验完成！", u"校驗完成！", u"Verify Complete!",
    // 28 AutoComplete
    u"自动编程校验通过！", u"自動編程校驗通過！", u"AUTO Complete!",
    // 29 BlankCheckComplete
    u"查空完成！", u"查空完成！", u"Bank Complete!",
};

} // namespace


QString MessageCatalog::entry(int index)
{
    if (index < 0 || index >= EntryCount)
        return {};
    return QString::fromUtf16(kTexts[index]);
}

QString MessageCatalog::text(MessageKey key, Language language)
{
    const int m = static_cast<int>(key);
    return textIn({kTexts[3 * m], kTexts[3 * m + 1], kTexts[3 * m + 2]}, language);
}
