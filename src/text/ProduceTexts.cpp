#include "text/ProduceTexts.h"

namespace {

// Simplified, Traditional, English, in the order of ProduceText; GBK characters only.
constexpr LanguageTexts kTexts[] = {
    // ProgrammerBusyWaiting
    {u"编程器 %1 正被另一个程序使用，最多等待 %2 秒。", u"編程器 %1 正被另一個程序使用，最多等待 %2 秒。",
     u"The programmer %1 is in use by another program; waiting up to %2 s for it."},
    // TwinProgrammers
    {u"--programmer %1 对应 %2 个编程器（%3）；请用其 BUS:DEVICE 选择一个", u"--programmer %1 對應 %2 個編程器（%3）；請用其 BUS:DEVICE 選擇一個",
     u"--programmer %1 matches %2 programmers (%3); choose one by its BUS:DEVICE"},
    // WrongChip
    {u"插座中的芯片不对：ID %1，应为 %2", u"插座中的芯片不對：ID %1，應為 %2", u"wrong chip in the socket: ID %1, expected %2"},
    // StoppedWhileHeld
    {u"在编程器被另一个程序占用时停止", u"在編程器被另一個程序佔用時停止", u"stopped while the programmer was held by another program"},
    // OutputLost
    {u"无法写入标准输出（%1）；停止。日志和序列号文件记录了到目前为止的每一片芯片",
     u"無法寫入標準輸出（%1）；停止。日誌和序列號文件記錄了到目前為止的每一片芯片",
     u"standard output cannot be written (%1); stopping, the log and the serial file hold every chip so far"},
    // PassedUnrecorded
    {u"第 %1 片芯片已通过，但无法写入它的记录；停止", u"第 %1 片芯片已通過，但無法寫入它的記錄；停止",
     u"chip #%1 passed, but its record could not be written; stopping"},
    // PassedUnrecordedSerial
    {u"第 %1 片芯片已以序列号 %2 通过，但无法写入它的记录；停止", u"第 %1 片芯片已以序列號 %2 通過，但無法寫入它的記錄；停止",
     u"chip #%1 passed with serial number %2, but its record could not be written; stopping"},
    // SerialsUsedUp
    {u"序列号已用完：下一个 %1 超出序列号格式；停止", u"序列號已用完：下一個 %1 超出序列號格式；停止",
     u"no serial number is left: the next one, %1, does not fit the serial format; stopping"},
    // SerialsUsedUpInSocket
    {u"插座中的芯片没有可用的序列号（下一个 %1 超出序列号格式），没有写入它；停止",
     u"插座中的芯片沒有可用的序列號（下一個 %1 超出序列號格式），沒有寫入它；停止",
     u"no serial number is left for the chip in the socket (the next one, %1, does not fit the serial format); it was not written; stopping"},
    // SerialRunDoesNotFit
    {u"从 %1 开始的 %2 片芯片的序列号：最后一个超出序列号格式", u"從 %1 開始的 %2 片芯片的序列號：最後一個超出序列號格式",
     u"the serial numbers from %1 for %2 chips: the last does not fit the serial format"},
    // ChipNotWritten
    {u"%1；插座中的芯片没有写入；停止", u"%1；插座中的芯片沒有寫入；停止", u"%1; the chip in the socket was not written; stopping"},
    // SerialFolder
    {u"无法创建序列号文件的文件夹 %1", u"無法創建序列號文件的文件夾 %1", u"cannot create the folder %1 of the serial file"},
    // SerialFolderRefuses
    {u"无法替换序列号文件 %1：它的文件夹不接受新文件（%2）", u"無法替換序列號文件 %1：它的文件夾不接受新文件（%2）",
     u"the serial file %1 cannot be replaced: its folder takes no new file (%2)"},
    // SerialLockFile
    {u"无法锁定 %1：%2", u"無法鎖定 %1：%2", u"cannot lock %1: %2"},
    // LogNotWritten
    {u"无法写入日志 %1：%2", u"無法寫入日誌 %1：%2", u"cannot write the log %1: %2"},
    // LogRecordCut
    {u"磁盘只接受了记录的一部分", u"磁盤只接受了記錄的一部分", u"the disk took only part of the record"},
    // LogPartLeft
    {u"；写入的部分留在日志末尾", u"；寫入的部分留在日誌末尾", u"; the part written stays at the end of the log"},
    // NumberOutOfRange
    {u"%1：“%2”不是 %3 到 %4 之间的数", u"%1：“%2”不是 %3 到 %4 之間的數", u"%1: '%2' is not a number from %3 to %4"},
    // SerialAtWithStart
    {u"--serial-at 与 --serial-start 须一起使用", u"--serial-at 與 --serial-start 須一起使用",
     u"--serial-at and --serial-start go together"},
    // SerialOptionsNeedAt
    {u"--serial-step、--serial-format 和 --serial-file 需要 --serial-at", u"--serial-step、--serial-format 和 --serial-file 需要 --serial-at",
     u"--serial-step, --serial-format and --serial-file need --serial-at"},
    // SerialDoesNotFit
    {u"序列号 %1 超出序列号格式", u"序列號 %1 超出序列號格式", u"serial number %1 does not fit the serial format"},
    // ImageLargerThanChip
    {u"%1 有 %2 字节，多于芯片的 %3 字节", u"%1 有 %2 字節，多於芯片的 %3 字節", u"%1 holds %2 bytes, more than the chip's %3"},
    // SerialOutsideChip
    {u"位于 0x%1 的序列号（%2 字节）超出芯片的 %3 字节", u"位於 0x%1 的序列號（%2 字節）超出芯片的 %3 字節",
     u"the serial number at 0x%1 (%2 bytes) lies outside the chip's %3 bytes"},
    // NoChipId
    {u"芯片没有返回 ID；请用 --chip MODEL 选择它", u"芯片沒有返回 ID；請用 --chip MODEL 選擇它",
     u"the chip reports no ID; choose it with --chip MODEL"},
    // UnknownChipId
    {u"未知的芯片 ID %1", u"未知的芯片 ID %1", u"unknown chip ID %1"},
    // NotThisRunsChip
    {u"芯片 ID %1 不是本次运行的芯片", u"芯片 ID %1 不是本次運行的芯片", u"chip ID %1 is not the chip of this run"},
    // OperationIncomplete
    {u"操作没有完成", u"操作沒有完成", u"the operation did not complete"},
    // SerialFileUnreadable
    {u"无法读取序列号文件 %1：%2", u"無法讀取序列號文件 %1：%2", u"cannot read the serial file %1: %2"},
    // SerialFileNoNumber
    {u"序列号文件 %1 中没有数字", u"序列號文件 %1 中沒有數字", u"the serial file %1 does not hold a number"},
    // SerialFileUnwritable
    {u"无法写入序列号文件 %1：%2", u"無法寫入序列號文件 %1：%2", u"cannot write the serial file %1: %2"},
    // LogUnopenable
    {u"无法打开日志 %1：%2", u"無法打開日誌 %1：%2", u"cannot open the log %1: %2"},
    // WriteError
    {u"写入错误", u"寫入錯誤", u"write error"},
    // SerialFileSetBack
    {u"序列号文件 %1 被删除或被改回到本次运行写入的 %2 以下；为免一个序列号用两次，不再从中取号",
     u"序列號文件 %1 被刪除或被改回到本次運行寫入的 %2 以下；為免一個序列號用兩次，不再從中取號",
     u"the serial file %1 was removed or set back below %2, the number this run left in it; no number is taken from it, "
     u"so that none is given twice"},
    // UnknownSerialFormat
    {u"未知的序列号格式“%1”（le16、be16、le32、be32、le64、be64、ascii:W、hex:W）",
     u"未知的序列號格式“%1”（le16、be16、le32、be32、le64、be64、ascii:W、hex:W）",
     u"unknown serial format '%1' (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)"},
};

static_assert(std::size(kTexts) == static_cast<std::size_t>(ProduceText::UnknownSerialFormat) + 1);

}  // namespace

QString produceText(ProduceText key)
{
    return inCurrentLanguage(kTexts[static_cast<int>(key)]);
}

std::span<const LanguageTexts> produceTextTable()
{
    return kTexts;
}
