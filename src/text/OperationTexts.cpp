#include "text/OperationTexts.h"

#include "text/LanguageTexts.h"

namespace {

QString stageName(OperationStage stage)
{
    switch (stage) {
    case OperationStage::SetUp: return inCurrentLanguage({u"芯片设置", u"芯片設置", u"Chip set-up"});
    case OperationStage::Read: return inCurrentLanguage({u"读出", u"讀出", u"Read"});
    case OperationStage::BlankCheck: return inCurrentLanguage({u"查空", u"查空", u"Blank check"});
    case OperationStage::Verify: return inCurrentLanguage({u"校验", u"校驗", u"Verify"});
    case OperationStage::Erase: return inCurrentLanguage({u"擦除", u"擦除", u"Erase"});
    case OperationStage::Write: return inCurrentLanguage({u"编程", u"編程", u"Write"});
    }
    return {};
}

QString reasonText(const TransferFailure& failure)
{
    switch (failure.kind) {
    case TransferFailure::Kind::Error:
        return inCurrentLanguage({u"传输失败（错误 %1）。", u"傳輸失敗（錯誤 %1）。", u"transfer failed (error %1)."})
            .arg(failure.value);
    case TransferFailure::Kind::Short:
        return inCurrentLanguage({u"只传输了 %1 / %2 字节。", u"只傳輸了 %1 / %2 字節。",
                    u"only %1 of %2 bytes were transferred."})
            .arg(failure.value)
            .arg(failure.expected);
    case TransferFailure::Kind::StillBusy:
        return inCurrentLanguage({u"%1 次状态查询后芯片仍忙。", u"%1 次狀態查詢後芯片仍忙。",
                    u"the chip was still busy after %1 status polls."})
            .arg(failure.value);
    case TransferFailure::Kind::Disconnected:
        return inCurrentLanguage({u"编程器已断开连接。", u"編程器已斷開連接。", u"the programmer was disconnected."});
    }
    return {};
}

} // namespace

QString transferFailureText(const TransferFailure& failure)
{
    return inCurrentLanguage({u"%1在地址 %2h 处中止：%3", u"%1在地址 %2h 處中止：%3", u"%1 stopped at address %2h: %3"})
        .arg(stageName(failure.stage), QString::number(failure.address, 16).toUpper(), reasonText(failure));
}

QString programmerDisconnectedText()
{
    return inCurrentLanguage({u"编程器已断开连接。", u"編程器已斷開連接。", u"The programmer was disconnected."});
}

QString partialReadDiscardedText()
{
    return inCurrentLanguage({u"已读出的部分数据已丢弃，缓冲区为空。", u"已讀出的部分數據已丟棄，緩沖區為空。",
                u" The part already read was discarded; the buffer is empty."});
}

QString damagedRecordText(RecordDefect defect, qint64 size, qint64 limit)
{
    QString reason;
    switch (defect) {
    case RecordDefect::TooLarge:
        reason = inCurrentLanguage({u"容量 %1 字节大于 %2 字节的数据缓冲区。", u"容量 %1 字節大於 %2 字節的數據緩沖區。",
                      u"its capacity of %1 bytes does not fit the %2-byte data buffer."})
                     .arg(size)
                     .arg(limit);
        break;
    case RecordDefect::PageZero:
        reason = inCurrentLanguage({u"页面大小为 0。", u"頁面大小為 0。", u"its page size is 0."});
        break;
    case RecordDefect::PageTooLarge:
        reason = inCurrentLanguage({u"页面大小 %1 字节大于 %2 字节的块缓冲区。", u"頁面大小 %1 字節大於 %2 字節的塊緩沖區。",
                      u"its page size of %1 bytes is larger than the %2-byte block buffer."})
                     .arg(size)
                     .arg(limit);
        break;
    case RecordDefect::UnknownFamily:
        reason = inCurrentLanguage({u"芯片系列代码 %1 无效（应为 0 到 %2）。", u"芯片系列代碼 %1 無效（應為 0 到 %2）。",
                      u"its family code %1 is none of 0 to %2."})
                     .arg(size)
                     .arg(limit);
        break;
    case RecordDefect::BadCapacity:
        reason = inCurrentLanguage({u"容量 %1 字节不是从 %2 字节起的 2 的幂。", u"容量 %1 字節不是從 %2 字節起的 2 的冪。",
                      u"its capacity of %1 bytes is no power of two from %2 bytes."})
                     .arg(size)
                     .arg(limit);
        break;
    }
    return inCurrentLanguage({u"芯片记录已损坏：%1请重新选择芯片或修复芯片数据库。", u"芯片記錄已損壞：%1請重新選擇芯片或修復芯片數據庫。",
                u"The chip record is damaged: %1 Choose the chip again or repair the chip database."})
        .arg(reason);
}
