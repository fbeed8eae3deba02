#include "text/OperationTexts.h"

namespace {

// In the order of Text.
enum class Text : int {
    StageSetUp,
    StageRead,
    StageBlankCheck,
    StageVerify,
    StageErase,
    StageWrite,
    TransferError,
    TransferShort,
    TransferStillBusy,
    TransferDisconnected,
    StoppedAtAddress,
    ProgrammerDisconnected,
    FailedReadBufferKept,
    RecordTooLarge,
    RecordPageZero,
    RecordPageTooLarge,
    RecordUnknownFamily,
    RecordBadCapacity,
    RecordDamaged,
};

constexpr LanguageTexts kTexts[] = {
    // StageSetUp
    {u"芯片设置", u"芯片設置",
     u"Chip set-up"},
    // StageRead
    {u"读出", u"讀出",
     u"Read"},
    // StageBlankCheck
    {u"查空", u"查空",
     u"Blank check"},
    // StageVerify
    {u"校验", u"校驗",
     u"Verify"},
    // StageErase
    {u"擦除", u"擦除",
     u"Erase"},
    // StageWrite
    {u"编程", u"編程",
     u"Write"},
    // TransferError
    {u"传输失败（错误 %1）。", u"傳輸失敗（錯誤 %1）。",
     u"transfer failed (error %1)."},
    // TransferShort
    {u"只传输了 %1 / %2 字节。", u"只傳輸了 %1 / %2 字節。",
     u"only %1 of %2 bytes were transferred."},
    // TransferStillBusy
    {u"%1 次状态查询后芯片仍忙。", u"%1 次狀態查詢後芯片仍忙。",
     u"the chip was still busy after %1 status polls."},
    // TransferDisconnected
    {u"编程器已断开连接。", u"編程器已斷開連接。",
     u"the programmer was disconnected."},
    // StoppedAtAddress
    {u"%1在地址 %2h 处中止：%3", u"%1在地址 %2h 處中止：%3",
     u"%1 stopped at address %2h: %3"},
    // ProgrammerDisconnected
    {u"编程器已断开连接。", u"編程器已斷開連接。",
     u"The programmer was disconnected."},
    // FailedReadBufferKept
    {u"缓冲区保持原样。", u"緩沖區保持原樣。",
     u" The buffer was left as it was."},
    // RecordTooLarge
    {u"容量 %1 字节大于 %2 字节的数据缓冲区。", u"容量 %1 字節大於 %2 字節的數據緩沖區。",
     u"its capacity of %1 bytes does not fit the %2-byte data buffer."},
    // RecordPageZero
    {u"页面大小为 0。", u"頁面大小為 0。",
     u"its page size is 0."},
    // RecordPageTooLarge
    {u"页面大小 %1 字节大于 %2 字节的块缓冲区。", u"頁面大小 %1 字節大於 %2 字節的塊緩沖區。",
     u"its page size of %1 bytes is larger than the %2-byte block buffer."},
    // RecordUnknownFamily
    {u"芯片系列代码 %1 无效（应为 0 到 %2）。", u"芯片系列代碼 %1 無效（應為 0 到 %2）。",
     u"its family code %1 is none of 0 to %2."},
    // RecordBadCapacity
    {u"容量 %1 字节不是从 %2 字节起的 2 的幂。", u"容量 %1 字節不是從 %2 字節起的 2 的冪。",
     u"its capacity of %1 bytes is no power of two from %2 bytes."},
    // RecordDamaged
    {u"芯片记录已损坏：%1请重新选择芯片或修复芯片数据库。", u"芯片記錄已損壞：%1請重新選擇芯片或修復芯片數據庫。",
     u"The chip record is damaged: %1 Choose the chip again or repair the chip database."},
};

QString text(Text key)
{
    return inCurrentLanguage(kTexts[static_cast<std::size_t>(key)]);
}

// The name of each stage, in the order of OperationStage.
constexpr Text kStageNames[] = {Text::StageSetUp, Text::StageRead, Text::StageBlankCheck,
                                Text::StageVerify, Text::StageErase, Text::StageWrite};

// The reason of each defect, in the order of RecordDefect.
constexpr Text kDefectReasons[] = {Text::RecordTooLarge, Text::RecordPageZero, Text::RecordPageTooLarge,
                                   Text::RecordUnknownFamily, Text::RecordBadCapacity};

QString reasonText(const TransferFailure& failure)
{
    switch (failure.kind) {
    case TransferFailure::Kind::Error:
        return text(Text::TransferError)
            .arg(failure.value);
    case TransferFailure::Kind::Short:
        return text(Text::TransferShort)
            .arg(failure.value)
            .arg(failure.expected);
    case TransferFailure::Kind::StillBusy:
        return text(Text::TransferStillBusy)
            .arg(failure.value);
    case TransferFailure::Kind::Disconnected:
        return text(Text::TransferDisconnected);
    }
    return {};
}

} // namespace

QString transferFailureText(const TransferFailure& failure)
{
    const QString stage = text(kStageNames[static_cast<std::size_t>(failure.stage)]);
    return text(Text::StoppedAtAddress)
        .arg(stage, QString::number(failure.address, 16).toUpper(), reasonText(failure));
}

QString programmerDisconnectedText()
{
    return text(Text::ProgrammerDisconnected);
}

QString failedReadBufferKeptText()
{
    return text(Text::FailedReadBufferKept);
}

QString damagedRecordText(RecordDefect defect, qint64 size, qint64 limit)
{
    const QString reason = text(kDefectReasons[static_cast<std::size_t>(defect)]);
    // The page size 0 is the one reason without numbers.
    return text(Text::RecordDamaged).arg(defect == RecordDefect::PageZero ? reason : reason.arg(size).arg(limit));
}

std::span<const LanguageTexts> operationTextTable()
{
    return kTexts;
}
