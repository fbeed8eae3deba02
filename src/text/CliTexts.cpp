#include "text/CliTexts.h"

namespace {

// In the order of CliText.
constexpr LanguageTexts kTexts[] = {
    // UsageHeading
    {u"用法：", u"用法：", u"Usage:"},
    // OptionsHeading
    {u"选项：", u"選項：", u"Options:"},
    // CommandsHeading
    {u"命令：", u"命令：", u"Commands:"},
    // SharedOptionsHeading
    {u"共用选项，可放在命令之前或之后（各命令的 --help 列出它接受的选项）：",
     u"共用選項，可放在命令之前或之後（各命令的 --help 列出它接受的選項）：",
     u"Shared options, before or after the command (each command's --help lists those it takes):"},
    // HelpOption
    {u"显示本说明", u"顯示本說明", u"this text"},
    // VersionOption
    {u"显示版本", u"顯示版本", u"the version"},
    // ListSummary
    {u"列出芯片数据库中的芯片", u"列出芯片數據庫中的芯片", u"list the chips of the chip database"},
    // ProgrammersSummary
    {u"列出已连接的编程器", u"列出已連接的編程器", u"list the attached programmers"},
    // DetectSummary
    {u"识别编程器插座中的芯片", u"識別編程器插座中的芯片", u"identify the chip in the programmer's socket"},
    // ReadSummary
    {u"把芯片读出到文件", u"把芯片讀出到文件", u"read the chip into a file"},
    // WriteSummary
    {u"把文件写入芯片", u"把文件寫入芯片", u"write a file into the chip"},
    // VerifySummary
    {u"把芯片与文件比较", u"把芯片與文件比較", u"compare the chip with a file"},
    // EraseSummary
    {u"擦除芯片", u"擦除芯片", u"erase the chip"},
    // BlankSummary
    {u"检查芯片是否已擦空", u"檢查芯片是否已擦空", u"check that the chip is erased"},
    // AutoSummary
    {u"一次完成擦除、写入和校验", u"一次完成擦除、寫入和校驗", u"erase, write and verify in one run"},
    // ProduceSummary
    {u"逐片烧写芯片，带序列号、校验和与日志", u"逐片燒寫芯片，帶序列號、校驗和與日誌",
     u"program chip after chip with serial numbers, checksums and a log"},
    // ConvertSummary
    {u"在二进制、Intel HEX 和 S-record 之间转换缓冲区文件（OUT 为 - 时写到标准输出）",
     u"在二進制、Intel HEX 和 S-record 之間轉換緩沖區文件（OUT 為 - 時寫到標準輸出）",
     u"convert a buffer file between binary, Intel HEX and S-record (OUT - : standard output)"},
    // ChecksumSummary
    {u"打印文件按烧写时的 CRC32 和 SHA-256", u"打印文件按燒寫時的 CRC32 和 SHA-256",
     u"print the CRC32 and SHA-256 of a file as it would be programmed"},
    // ListAbout
    {u"列出芯片数据库中的芯片，每行一个：类型、厂家、型号、ID、容量和页大小（字节）。\n"
     u"给出 FILTER 时只列名称（类型,厂家,型号）中含有它的芯片，不分大小写。",
     u"列出芯片數據庫中的芯片，每行一個：類型、廠家、型號、ID、容量和頁大小（字節）。\n"
     u"給出 FILTER 時只列名稱（類型,廠家,型號）中含有它的芯片，不分大小寫。",
     u"Lists the chips of the chip database, one a line: type, maker, model, ID, size and page\n"
     u"size in bytes. With FILTER only the chips whose name (type,maker,model) contains it,\n"
     u"letter case ignored."},
    // ProgrammersAbout
    {u"列出已连接的编程器，每行一个：编号 N、BUS:DEVICE、序列号（没有时为“-”）和产品名，\n"
     u"各列以两个空格分隔。前三项中任一项都可用 --programmer 为其他命令选定该编程器。\n"
     u"没有连接编程器时退出码为 3。",
     u"列出已連接的編程器，每行一個：編號 N、BUS:DEVICE、序列號（沒有時為“-”）和產品名，\n"
     u"各列以兩個空格分隔。前三項中任一項都可用 --programmer 為其他命令選定該編程器。\n"
     u"沒有連接編程器時退出碼為 3。",
     u"Lists the attached programmers, one a line: its number N, BUS:DEVICE, serial (\"-\" when it has\n"
     u"none) and product, columns separated by two spaces. Any of the first three selects it for\n"
     u"another command with --programmer. No programmer attached: exit code 3."},
    // DetectAbout
    {u"询问编程器插座中是什么芯片并打印结果；数据库认识该 ID 时再打印该芯片的列表行。",
     u"詢問編程器插座中是什麼芯片並打印結果；數據庫認識該 ID 時再打印該芯片的列表行。",
     u"Asks the programmer which chip is in the socket and prints what it found, followed by\n"
     u"the chip's list line when the database knows its ID."},
    // ReadAbout
    {u"读出芯片并把整个容量保存到 OUT：.hex 为 Intel HEX；%1 为 S-record；其他名称为二进制。\n"
     u"读芯片之前先确认 OUT 可写。已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换。",
     u"讀出芯片並把整個容量保存到 OUT：.hex 為 Intel HEX；%1 為 S-record；其他名稱為二進制。\n"
     u"讀芯片之前先確認 OUT 可寫。已有的 OUT 只有在 --yes 或終端上回答“是”之後才被替換。",
     u"Reads the chip and saves its whole capacity to OUT: .hex Intel HEX;\n"
     u"%1 S-record; any other name binary. OUT must be\n"
     u"writable before the chip is read. An existing OUT is replaced only with --yes or after a yes\n"
     u"on a terminal."},
    // WriteAbout
    {u"载入 IN（.hex 为 Intel HEX；%1 为 S-record；.eep 按内容；.cap 为胶囊文件；其他为二进制；\n"
     u"--from 指定格式）并写入芯片，长度补足到整页。大于芯片的文件会被拒绝，除非 --yes\n"
     u"（或终端上回答“是”）允许只写入其前面芯片容量大小的字节。",
     u"載入 IN（.hex 為 Intel HEX；%1 為 S-record；.eep 按內容；.cap 為膠囊文件；其他為二進制；\n"
     u"--from 指定格式）並寫入芯片，長度補足到整頁。大於芯片的文件會被拒絕，除非 --yes\n"
     u"（或終端上回答“是”）允許只寫入其前面芯片容量大小的字節。",
     u"Loads IN (.hex Intel HEX; %1 S-record; .eep by\n"
     u"content; .cap capsule; else binary; --from forces a format) and writes it into the chip,\n"
     u"rounded up to whole pages. A file larger than the chip is refused unless --yes (or a yes\n"
     u"on a terminal) allows writing its first chip-size bytes."},
    // VerifyAbout
    {u"像 write 一样载入 IN 并把芯片与它比较；比芯片长的文件只比较芯片容量的部分，并给出警告。\n"
     u"使用 --all 时，发现差异后读出整个芯片并列出前 50 段不同的范围。",
     u"像 write 一樣載入 IN 並把芯片與它比較；比芯片長的文件只比較芯片容量的部分，並給出警告。\n"
     u"使用 --all 時，發現差異後讀出整個芯片並列出前 50 段不同的範圍。",
     u"Loads IN as write does and compares the chip with it; of a file longer than the chip\n"
     u"only the chip's size is compared, and a warning says so. With --all a difference\n"
     u"is followed by a read of the whole chip and a list of the first 50 differing ranges."},
    // EraseAbout
    {u"擦除整个芯片。", u"擦除整個芯片。", u"Erases the whole chip."},
    // BlankAbout
    {u"检查芯片的每个字节都读出 0xFF。", u"檢查芯片的每個字節都讀出 0xFF。",
     u"Checks that every byte of the chip reads 0xFF."},
    // AutoAbout
    {u"像 write 一样载入 IN，然后擦除芯片、写入 IN 并校验；--no-... 选项可省去某些步骤。\n"
     u"任何一步失败即结束。",
     u"像 write 一樣載入 IN，然後擦除芯片、寫入 IN 並校驗；--no-... 選項可省去某些步驟。\n"
     u"任何一步失敗即結束。",
     u"Loads IN as write does, then erases the chip, writes IN and verifies it; the --no-...\n"
     u"options leave steps out. A step that fails ends the run."},
    // ProduceAbout
    {u"用 IN 逐片烧写芯片：打印“Insert a chip”并等待插座中放入芯片，擦除、写入并校验，\n"
     u"打印“#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)”（补足到整页的映像，即\n"
     u"checksum IN --chip 标注的那一个）或“#K FAIL REASON”，然后打印“Remove the chip”并等待\n"
     u"插座变空。烧完 --count 片，或按 Ctrl+C（SIGTERM、SIGHUP）且手上的芯片完成后停止，\n"
     u"并打印“N passed, M failed”。\n"
     u"退出码：全部通过为 0，有一片失败为 1，第一片之前文件或数值被拒绝为 2，编程器断开为 3，\n"
     u"芯片已烧写但记录（序列号文件、日志、标准输出）无法写入为 4。\n\n"
     u"序列号：--serial-at ADDR --serial-start N 把 N 写入第一片的 ADDR 处，每写入一片递增\n"
     u"（--serial-step，默认 1）；写入前被拒绝的芯片把它的号码留给下一片。\n"
     u"--serial-format le16|be16|le32|be32|le64|be64（二进制，默认 le32）、ascii:W（W 位十进制\n"
     u"数字，前补零）或 hex:W（W 位大写十六进制数字）。--serial-file FILE 在多次运行之间、\n"
     u"以及共用它的一组运行之间保存下一个号码：每个号码都在写入其芯片之前于锁内从中取出\n"
     u"（文件存在后它优先于 --serial-start）。\n"
     u"--log FILE 每片追加一个 JSON 对象，在打印 PASS 行之前写入。一次运行始终使用它打开的\n"
     u"第一个编程器；被其他程序占用时会等待（--busy-wait）。",
     u"用 IN 逐片燒寫芯片：打印“Insert a chip”並等待插座中放入芯片，擦除、寫入並校驗，\n"
     u"打印“#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)”（補足到整頁的映像，即\n"
     u"checksum IN --chip 標注的那一個）或“#K FAIL REASON”，然後打印“Remove the chip”並等待\n"
     u"插座變空。燒完 --count 片，或按 Ctrl+C（SIGTERM、SIGHUP）且手上的芯片完成後停止，\n"
     u"並打印“N passed, M failed”。\n"
     u"退出碼：全部通過為 0，有一片失敗為 1，第一片之前文件或數值被拒絕為 2，編程器斷開為 3，\n"
     u"芯片已燒寫但記錄（序列號文件、日誌、標準輸出）無法寫入為 4。\n\n"
     u"序列號：--serial-at ADDR --serial-start N 把 N 寫入第一片的 ADDR 處，每寫入一片遞增\n"
     u"（--serial-step，默認 1）；寫入前被拒絕的芯片把它的號碼留給下一片。\n"
     u"--serial-format le16|be16|le32|be32|le64|be64（二進制，默認 le32）、ascii:W（W 位十進制\n"
     u"數字，前補零）或 hex:W（W 位大寫十六進制數字）。--serial-file FILE 在多次運行之間、\n"
     u"以及共用它的一組運行之間保存下一個號碼：每個號碼都在寫入其芯片之前於鎖內從中取出\n"
     u"（文件存在後它優先於 --serial-start）。\n"
     u"--log FILE 每片追加一個 JSON 對象，在打印 PASS 行之前寫入。一次運行始終使用它打開的\n"
     u"第一個編程器；被其他程序佔用時會等待（--busy-wait）。",
     u"Programs one chip after another with IN: prints \"Insert a chip\" and waits for a chip in the\n"
     u"socket, erases, writes and verifies it, prints \"#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)\"\n"
     u"(the image rounded up to whole pages, as checksum IN --chip labels it) or \"#K FAIL REASON\",\n"
     u"then \"Remove the chip\" and waits for the socket to be empty. Stops after --count chips, or\n"
     u"at Ctrl+C (SIGTERM, SIGHUP) once the chip in hand is finished, and prints \"N passed, M failed\".\n"
     u"Exit code 0 when every chip passed, 1 when one failed, 2 for a file or number refused before\n"
     u"the first chip, 3 when the programmer went away, 4 when a record (serial file, log, standard\n"
     u"output) could not be written after chips were programmed.\n\n"
     u"Serial numbers: --serial-at ADDR --serial-start N write N into the first chip at ADDR, each\n"
     u"chip written to the next (--serial-step, default 1); a chip refused before it is written gives\n"
     u"its number to the next.\n"
     u"--serial-format le16|be16|le32|be32|le64|be64 (binary, default le32), ascii:W (W decimal\n"
     u"digits, zero-padded) or hex:W (W upper-case hex digits). --serial-file FILE keeps the next\n"
     u"number between runs and between the runs of a gang that share it: each number is taken from\n"
     u"it under a lock before its chip is written (it wins over --serial-start once it exists).\n"
     u"--log FILE appends one JSON object per chip, written before its PASS line is printed. The run\n"
     u"keeps the first programmer it opens; one held by another program is waited for (--busy-wait)."},
    // ConvertAbout
    {u"载入 IN（格式按名称或 --from）并按 --to 或 OUT 的名称保存为二进制、Intel HEX 或\n"
     u"S-record（%1）。\n"
     u"已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换；OUT 为 - 时映像写到标准输出。",
     u"載入 IN（格式按名稱或 --from）並按 --to 或 OUT 的名稱保存為二進制、Intel HEX 或\n"
     u"S-record（%1）。\n"
     u"已有的 OUT 只有在 --yes 或終端上回答“是”之後才被替換；OUT 為 - 時映像寫到標準輸出。",
     u"Loads IN (its format by its name or --from) and saves it as binary, Intel HEX or S-record\n"
     u"(%1) as --to or OUT's name says. An existing OUT is replaced only with --yes or after a\n"
     u"yes on a terminal; OUT - sends the image to standard output."},
    // ChecksumAbout
    {u"打印 IN 按烧写时的“CRC32 XXXXXXXX  SHA-256 <64 个十六进制数字>  N bytes”：\n"
     u"先解码（.hex 为 Intel HEX；%1 为 S-record；.eep 按内容；.cap 为胶囊文件；其他为二进制；\n"
     u"--from 另有指定时除外）。使用 --chip 时打印两行并加标注：整个芯片（IN 截断或用 0xFF\n"
     u"补足到芯片容量），即日后读出所得的校验和；以及烧写的映像（IN 补足到整页），即 PASS、\n"
     u"auto 和 write 行显示的校验和。CRC32 为通用的 IEEE 算法。",
     u"打印 IN 按燒寫時的“CRC32 XXXXXXXX  SHA-256 <64 個十六進制數字>  N bytes”：\n"
     u"先解碼（.hex 為 Intel HEX；%1 為 S-record；.eep 按內容；.cap 為膠囊文件；其他為二進制；\n"
     u"--from 另有指定時除外）。使用 --chip 時打印兩行並加標注：整個芯片（IN 截斷或用 0xFF\n"
     u"補足到芯片容量），即日後讀出所得的校驗和；以及燒寫的映像（IN 補足到整頁），即 PASS、\n"
     u"auto 和 write 行顯示的校驗和。CRC32 為通用的 IEEE 算法。",
     u"Prints \"CRC32 XXXXXXXX  SHA-256 <64 hex digits>  N bytes\" for IN as it would be programmed:\n"
     u"decoded (.hex Intel HEX; %1 S-record; .eep by content;\n"
     u".cap capsule; else binary; unless --from says). With --chip, two labelled lines: the whole chip\n"
     u"(IN cut or padded with 0xFF to the chip's size), the sum a later read gives; and the programmed\n"
     u"image (IN rounded up to whole pages), the sum the PASS, auto and write lines show. The CRC32 is\n"
     u"the common IEEE one."},
    // ChipOption
    {u"按型号名选择芯片（不分大小写）", u"按型號名選擇芯片（不分大小寫）",
     u"the chip by its model name (letter case does not matter)"},
    // MakerOption
    {u"厂家，用于不同厂家有同名型号时", u"廠家，用於不同廠家有同名型號時",
     u"the manufacturer, where makers share a model name"},
    // DetectOption
    {u"使用编程器在插座中识别出的芯片", u"使用編程器在插座中識別出的芯片",
     u"the chip the programmer identifies in the socket"},
    // NoEraseOption
    {u"省去擦除步骤", u"省去擦除步驟", u"leave out the erase step"},
    // NoWriteOption
    {u"省去写入步骤", u"省去寫入步驟", u"leave out the write step"},
    // NoVerifyOption
    {u"省去校验步骤", u"省去校驗步驟", u"leave out the verify step"},
    // AllOption
    {u"发现差异时读出整个芯片并列出至多 50 段范围", u"發現差異時讀出整個芯片並列出至多 50 段範圍",
     u"on a difference, read the whole chip and list up to 50 ranges"},
    // FromOption
    {u"不论名称，把 IN 当作 %1 读入", u"不論名稱，把 IN 當作 %1 讀入", u"read IN as %1 whatever its name"},
    // ToOption
    {u"不论名称，把 OUT 写成 %1", u"不論名稱，把 OUT 寫成 %1", u"write OUT as %1 whatever its name"},
    // ChecksumChipOption
    {u"截断或补足到该芯片的容量", u"截斷或補足到該芯片的容量", u"cut or pad to this chip's size"},
    // SpeedOption
    {u"烧写速度：12MHz（默认）、6MHz、3MHz、1.5MHz、750KHz、375KHz",
     u"燒寫速度：12MHz（默認）、6MHz、3MHz、1.5MHz、750KHz、375KHz",
     u"programming speed: 12MHz (default), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz"},
    // SimulateOption
    {u"使用编程器模拟器；CONFIG 指定其配置", u"使用編程器模擬器；CONFIG 指定其配置",
     u"use the programmer simulator; CONFIG names its configuration"},
    // UsbLibraryOption
    {u"绑定此库（libusb-0.1 接口）代替默认库", u"綁定此庫（libusb-0.1 接口）代替默認庫",
     u"bind this library (libusb-0.1 interface) instead of the default"},
    // DatabaseOption
    {u"芯片数据库文件（默认：窗口程序的数据库）", u"芯片數據庫文件（默認：窗口程序的數據庫）",
     u"chip database file (default: the window program's database)"},
    // LanguageOption
    {u"消息语言：%1（默认按区域设置）", u"消息語言：%1（默認按區域設置）",
     u"message language: %1 (default: the locale's)"},
    // YesOption
    {u"对终端上会提出的问题回答“是”", u"對終端上會提出的問題回答“是”",
     u"answer yes to the question a terminal would be asked"},
    // ProgrammerOption
    {u"只用此编程器：其序列号、BUS:DEVICE 或编号 N（见 zorvex-cli programmers）",
     u"只用此編程器：其序列號、BUS:DEVICE 或編號 N（見 zorvex-cli programmers）",
     u"only this programmer: its serial, BUS:DEVICE or number N (zorvex-cli programmers)"},
    // CountOption
    {u"烧完 N 片后停止", u"燒完 N 片後停止", u"stop after N chips"},
    // SerialAtOption
    {u"在 ADDR 处写入序列号（十进制或 0x 十六进制）", u"在 ADDR 處寫入序列號（十進制或 0x 十六進制）",
     u"write a serial number at ADDR (decimal or 0x-hex)"},
    // SerialStartOption
    {u"第一片的序列号", u"第一片的序列號", u"the first chip's serial number"},
    // SerialStepOption
    {u"每写入一片加上的值（默认 1）", u"每寫入一片加上的值（默認 1）",
     u"added for every chip written to (default 1)"},
    // SerialFormatOption
    {u"le16、be16、le32、be32、le64、be64、ascii:W、hex:W", u"le16、be16、le32、be32、le64、be64、ascii:W、hex:W",
     u"le16, be16, le32, be32, le64, be64, ascii:W, hex:W"},
    // SerialFileOption
    {u"下一个序列号，在多次运行之间保存", u"下一個序列號，在多次運行之間保存",
     u"the next serial number, kept between runs"},
    // LogOption
    {u"每片追加一行 JSON", u"每片追加一行 JSON", u"append one JSON line per chip"},
    // PollOption
    {u"插座轮询间隔（默认 300）", u"插座輪詢間隔（默認 300）", u"socket poll interval (default 300)"},
    // BusyWaitOption
    {u"编程器被其他程序占用时最多等待 S 秒（默认 60）", u"編程器被其他程序佔用時最多等待 S 秒（默認 60）",
     u"wait up to S seconds while another program holds the programmer (default 60)"},
    // WindowFileOperand
    {u"启动时打开此缓冲区文件（二进制、Intel HEX、S-record）",
     u"啟動時打開此緩沖區文件（二進制、Intel HEX、S-record）",
     u"open this buffer file (binary, Intel HEX, S-record) at start"},
    // WindowSimulateOption
    {u"使用随程序提供的编程器模拟器代替 USB 库；CONFIG 指定模拟器配置文件",
     u"使用隨程序提供的編程器模擬器代替 USB 庫；CONFIG 指定模擬器配置文件",
     u"use the programmer simulator shipped with the program instead of the USB library; CONFIG names "
     u"a simulator configuration file"},
    // ChecksumWholeChip
    {u"整个芯片，即日后读出所得（须先擦除）", u"整個芯片，即日後讀出所得（須先擦除）",
     u"the whole chip, as a later read gives it (when it was erased first)"},
    // ChecksumProgrammedImage
    {u"烧写的映像，即 PASS、auto 和 write 所显示", u"燒寫的映像，即 PASS、auto 和 write 所顯示",
     u"the programmed image, as PASS, auto and write show it"},
    // WindowOneFileOnly
    {u"只能打开一个文件：%1", u"只能打開一個文件：%1", u"only one file can be opened: %1"},
    // WindowUnknownOption
    {u"未知选项：%1", u"未知選項：%1", u"unknown option: %1"},
    // WindowTryHelp
    {u"用法见 'zorvex --help'。", u"用法見 'zorvex --help'。", u"Try 'zorvex --help'."},
};

static_assert(std::size(kTexts) == static_cast<std::size_t>(CliText::WindowTryHelp) + 1);

}  // namespace

QString cliText(CliText key)
{
    return inCurrentLanguage(kTexts[static_cast<std::size_t>(key)]);
}

QString helpLine(const QString& synopsis, const QString& help)
{
    return QStringLiteral("  %1 %2\n").arg(synopsis, -21).arg(help);
}

std::span<const LanguageTexts> cliTextTable()
{
    return kTexts;
}
