#include "text/MessageCatalogExtra.h"

namespace {

// Simplified, Traditional, English, in the order of ExtraText. Chinese texts use only characters
// of the GBK code page, like every other text of the program.
constexpr LanguageTexts kTexts[ExtraMessages::Count] = {
    // FindTitle
    {u"查找", u"查找", u"Find"},
    // FindWhat
    {u"查找内容：", u"查找內容：", u"Find what:"},
    // FindHexBytes
    {u"十六进制字节（?? 代表任意一个字节）", u"十六進制字節（?? 代表任意一個字節）",
     u"Hex bytes (?? stands for any one byte)"},
    // FindText
    {u"文本", u"文本", u"Text"},
    // FindIgnoreCase
    {u"忽略大小写", u"忽略大小寫", u"Ignore case"},
    // FindFromCaret
    {u"从光标处开始", u"從光標處開始", u"From the caret"},
    // FindFromStart
    {u"从头开始", u"從頭開始", u"From the start"},
    // FindButton
    {u"查找", u"查找", u"Find"},
    // CloseButton
    {u"关闭", u"關閉", u"Close"},
    // FindEmpty
    {u"请输入要查找的字节或文本。", u"請輸入要查找的字節或文本。", u"Enter the bytes or the text to find."},
    // FindBadHexByte
    {u"“%1”不是十六进制字节：每个字节写两位十六进制数字，或写 ?? 代表任意字节。",
     u"“%1”不是十六進制字節：每個字節寫兩位十六進制數字，或寫 ?? 代表任意字節。",
     u"\"%1\" is not a hex byte: write two hex digits per byte, or ?? for any byte."},
    // FindOnlyWildcards
    {u"至少需要一个不是 ?? 的字节。", u"至少需要一個不是 ?? 的字節。",
     u"Give at least one byte that is not ??."},
    // FindTooManyValues
    {u"含 ?? 的查找内容最多只能有 255 种不同的字节值。", u"含 ?? 的查找內容最多只能有 255 種不同的字節值。",
     u"A pattern with ?? can hold at most 255 different byte values."},
    // FindTextNotShown
    {u"文本只能包含字符栏能显示的字符，“%1”不在其中。", u"文本只能包含字符欄能顯示的字符，“%1”不在其中。",
     u"The text can hold only characters the character column shows; \"%1\" is not one of them."},
    // NotFoundInImage
    {u"在缓冲区中未找到“%1”。", u"在緩沖區中未找到“%1”。", u"\"%1\" was not found in the buffer."},
    // NotFoundAfterCaret
    {u"从光标处到末尾未找到“%1”。", u"從光標處到末尾未找到“%1”。",
     u"\"%1\" was not found between the caret and the end of the buffer."},
    // GoToTitle
    {u"转到地址", u"轉到地址", u"Go to address"},
    // GoToAddress
    {u"地址（十六进制）：", u"地址（十六進制）：", u"Address (hex):"},
    // GoToButton
    {u"转到", u"轉到", u"Go to"},
    // CancelButton
    {u"取消", u"取消", u"Cancel"},
    // GoToEmpty
    {u"请输入十六进制地址。", u"請輸入十六進制地址。", u"Enter an address in hex."},
    // GoToBadHex
    {u"“%1”不是十六进制地址。", u"“%1”不是十六進制地址。", u"\"%1\" is not a hex address."},
    // GoToOutside
    {u"地址 %1 超出缓冲区，有效范围为 0 到 %2（十六进制）。", u"地址 %1 超出緩沖區，有效範圍為 0 到 %2（十六進制）。",
     u"Address %1 is outside the buffer: the valid range is 0 to %2 (hex)."},
    // NotConnectedCauses
    {u"请检查编程器是否已插好并通电，以及当前用户能否使用它（安装软件包的 udev 规则，安装后重新插拔编程器，"
     u"从图形界面登录）；--simulate 可运行内置的模拟器。",
     u"請檢查編程器是否已插好並通電，以及當前用戶能否使用它（安裝軟件包的 udev 規則，安裝後重新插拔編程器，"
     u"從圖形界面登錄）；--simulate 可運行內置的模擬器。",
     u"Check that the programmer is plugged in and powered, and that this user may use it (the "
     u"package's udev rule, re-plugging the programmer after installing, a graphical login); "
     u"--simulate runs the built-in simulator."},
    // SimulatorRefused
    {u"模拟器配置被拒绝，模拟器没有接入编程器：%1", u"模擬器配置被拒絕，模擬器沒有接入編程器：%1",
     u"The simulator configuration was refused, so the simulator has no programmer: %1"},
    // FileErrorLine
    {u"文件 %1，第 %2 行", u"文件 %1，第 %2 行", u"File %1, line %2"},
    // FileCannotCreate
    {u"无法创建文件。", u"無法創建文件。", u"Cannot create the file."},
    // EditorDiscardChanges
    {u"芯片列表有未保存的修改，放弃这些修改吗？", u"芯片列表有未保存的修改，放棄這些修改嗎？",
     u"The chip list has changes that are not saved. Discard them?"},
    // ChipNameNotGbk
    {u"第 %1 行：名称“%2”中的字符“%3”无法以 GBK 编码保存，未保存。",
     u"第 %1 行：名稱“%2”中的字符“%3”無法以 GBK 編碼保存，未保存。",
     u"Row %1: the name \"%2\" holds \"%3\", a character GBK cannot store; nothing was saved."},
    // ShippedChipsOffer
    {u"本版本自带的芯片数据库中有 %1 个芯片是您保存的数据库 %2 所没有的。"
     u"是否把它们添加到您自己的芯片之后？您原有的芯片保持不变。",
     u"本版本自帶的芯片數據庫中有 %1 個芯片是您保存的數據庫 %2 所沒有的。"
     u"是否把它們添加到您自己的芯片之後？您原有的芯片保持不變。",
     u"The chip database of this version holds %1 chips that your saved database %2 lacks. "
     u"Add them after your own chips? Your own chips stay as they are."},
    // ShippedChipsNoRoom
    {u"另有 %1 个芯片放不下：数据库最多容纳 999 个芯片。",
     u"另有 %1 個芯片放不下：數據庫最多容納 999 個芯片。",
     u"%1 more do not fit: a database holds at most 999 chips."},
    // EditorListNotChosen
    {u"请先在每个列表中选择一项。", u"請先在每個列表中選擇一項。", u"Choose an item in every list first."},
    // EditorTooManyRows
    {u"芯片表最多保存 %1 个芯片，当前有 %2 行，未保存。", u"芯片表最多保存 %1 個芯片，當前有 %2 行，未保存。",
     u"The chip table holds at most %1 chips, the grid has %2 rows; nothing was saved."},
    // ChipNameTooLong
    {u"第 %1 行：名称“%2”无法存入芯片记录（最多 47 字节 GBK 文字），未保存。",
     u"第 %1 行：名稱“%2”無法存入芯片記錄（最多 47 字節 GBK 文字），未保存。",
     u"Row %1: the name \"%2\" does not fit the chip record (at most 47 bytes of GBK text); nothing was saved."},
    // ProgrammerMenu
    {u"编程器(&P)", u"編程器(&P)", u"&Programmer"},
    // ProgrammerAutomatic
    {u"自动（第一个找到的编程器）", u"自動（第一個找到的編程器）", u"Automatic (the first one found)"},
    // ProgrammerNotAttached
    {u"%1（未连接）", u"%1（未連接）", u"%1 (not attached)"},
    // SettingsNotSaved
    {u"无法保存设置文件 %1：%2。本次的设置没有保存。", u"無法保存設置文件 %1：%2。本次的設置沒有保存。",
     u"The settings file %1 could not be written: %2. This session's settings are not saved."},
    // ProgrammerBusy
    {u"编程器 %1 正被另一个程序使用。", u"編程器 %1 正被另一個程序使用。", u"The programmer %1 is in use by another program."},
    // CapsuleWithoutHeader
    {u"%1：只有从 .cap 文件打开的映像才能保存为 .cap（连同打开时的 2048 字节文件头）。请把这个映像保存为 .bin。",
     u"%1：只有從 .cap 文件打開的映像才能保存為 .cap（連同打開時的 2048 字節文件頭）。請把這個映像保存為 .bin。",
     u"%1: only an image opened from a .cap file can be saved as .cap, with the 2048-byte header it was "
     u"opened with. Save this image as .bin."},
    // SaveCutsImage
    {u"缓冲区中的数据有 %1 字节，大于 %2 字节的芯片；文件只保存芯片的前 %2 字节。继续吗？",
     u"緩沖區中的數據有 %1 字節，大於 %2 字節的芯片；文件只保存芯片的前 %2 字節。繼續嗎？",
     u"The buffer holds %1 bytes, more than the %2-byte chip; the file gets only the chip's first %2 bytes. "
     u"Continue?"},
    // NoRoomForImage
    {u"%1：映像需要 %2 字节，磁盘只剩 %3 字节。芯片没有读取。", u"%1：映像需要 %2 字節，磁盤只剩 %3 字節。芯片沒有讀取。",
     u"%1: the image needs %2 bytes, the disk has %3 bytes free. The chip was not read."},
    // ReadImageKept
    {u"读出的映像保存在 %1。", u"讀出的映像保存在 %1。", u"The image read is kept in %1."},
    // ProgrammerNoMatch
    {u"没有与 --programmer %1 相符的已连接编程器（zorvex-cli programmers 列出已连接的编程器）。",
     u"沒有與 --programmer %1 相符的已連接編程器（zorvex-cli programmers 列出已連接的編程器）。",
     u"No attached programmer matches --programmer %1 (zorvex-cli programmers lists them)."},
    // ProgrammerClaimRefused
    {u"编程器 %1 拒绝被占用（错误 %2）。",
     u"編程器 %1 拒絕被佔用（錯誤 %2）。",
     u"The programmer %1 refused to be claimed (error %2)."},
    // NoProgrammerAttached
    {u"没有连接编程器。",
     u"沒有連接編程器。",
     u"No programmer is attached."},
    // UsbLibraryNotLoaded
    {u"无法加载 USB 库 %1。",
     u"無法加載 USB 庫 %1。",
     u"The USB library %1 could not be loaded."},
    // StandardInputNeedsFormat
    {u"标准输入没有文件名可判断格式：请用 --from bin、hex 或 srec 指定。",
     u"標準輸入沒有文件名可判斷格式：請用 --from bin、hex 或 srec 指定。",
     u"Standard input has no name that tells its format: give it with --from bin, hex or srec."},
    // StandardOutputFailed
    {u"无法写入标准输出：%1。",
     u"無法寫入標準輸出：%1。",
     u"Standard output could not be written: %1."},
    // CliLeftAsItWas
    {u"%1 保持原样，没有改动", u"%1 保持原樣，沒有改動",
     u"%1 left as it was"},
    // CliNothingChanged
    {u"芯片没有任何改动", u"芯片沒有任何改動",
     u"nothing was changed on the chip"},
    // CliOnlyChipType
    {u"编程器只报告了芯片类型；请用 --chip MODEL 选择芯片", u"編程器只報告了芯片類型；請用 --chip MODEL 選擇芯片",
     u"the programmer reports only the chip type; choose the chip with --chip MODEL"},
    // CliDetectedNotInLists
    {u"检测到的芯片无法从芯片列表中选中；请用 --chip MODEL 选择它", u"檢測到的芯片無法從芯片列表中選中；請用 --chip MODEL 選擇它",
     u"the detected chip cannot be chosen from the chip lists; choose it with --chip MODEL"},
    // CliComparesChipSizeOnly
    {u"警告：%1 有 %2 字节，芯片只有 %3 字节：只比较前 %3 字节", u"警告：%1 有 %2 字節，芯片只有 %3 字節：只比較前 %3 字節",
     u"warning: %1 holds %2 bytes, the chip %3: only the first %3 are compared"},
    // CliReadAsBinary
    {u"警告：%1 按二进制读入，但它的开头像 %2 文件；--from %3 可按此格式读入", u"警告：%1 按二進制讀入，但它的開頭像 %2 文件；--from %3 可按此格式讀入",
     u"warning: %1 is read as binary, but it starts like an %2 file; --from %3 reads it as one"},
    // CliNoDatabase
    {u"%1 没有芯片数据库（可用 --db FILE 指定一个）", u"%1 沒有芯片數據庫（可用 --db FILE 指定一個）",
     u"no chip database at %1 (--db FILE names one)"},
    // CliDatabaseEmpty
    {u"芯片数据库 %1 中没有芯片", u"芯片數據庫 %1 中沒有芯片",
     u"the chip database %1 lists no chips"},
    // CliNoChipNamed
    {u"芯片数据库中没有名为“%1”的芯片", u"芯片數據庫中沒有名為“%1”的芯片",
     u"no chip named '%1' in the chip database"},
    // CliClosestChips
    {u"；最接近的：%1", u"；最接近的：%1",
     u"; closest: %1"},
    // CliNoChipByMaker
    {u"没有厂商“%2”的芯片“%1”；数据库中有：%3", u"沒有廠商“%2”的芯片“%1”；數據庫中有：%3",
     u"no chip '%1' by '%2'; the database has: %3"},
    // CliSeveralMakers
    {u"多个厂商都有芯片“%1”，请用 --maker 选择其一：%2", u"多個廠商都有芯片“%1”，請用 --maker 選擇其一：%2",
     u"several makers have a chip '%1', choose one with --maker: %2"},
    // CliBytesWritten
    {u"已写入 %1 字节到 %2", u"已寫入 %1 字節到 %2",
     u"%1 bytes written to %2"},
    // CliStandardOutput
    {u"标准输出", u"標準輸出",
     u"standard output"},
    // CliAnsweredNo
    {u"%1 -- 否（--yes 表示回答是）", u"%1 -- 否（--yes 表示回答是）",
     u"%1 -- no (--yes answers yes)"},
    // CliFullCompareUnread
    {u"无法读出芯片以作完整比较", u"無法讀出芯片以作完整比較",
     u"the chip could not be read for the full comparison"},
    // CliElapsedTime
    {u"使用时间：%1", u"使用時間：%1",
     u"Elapsed time: %1"},
    // UsageTryHelp
    {u"用法见 'zorvex-cli --help'。", u"用法見 'zorvex-cli --help'。",
     u"Try 'zorvex-cli --help'."},
    // CliCommandMissing
    {u"缺少命令", u"缺少命令",
     u"the command is missing"},
    // CliUnknownCommand
    {u"未知命令“%1”", u"未知命令“%1”",
     u"unknown command '%1'"},
    // CliNotLeadingOption
    {u"%1 不是可以放在命令之前的共用选项", u"%1 不是可以放在命令之前的共用選項",
     u"%1 is not one of the shared options that may stand before the command"},
    // CliUnknownSpeed
    {u"未知速度“%1”（%2）", u"未知速度“%1”（%2）",
     u"unknown speed '%1' (%2)"},
    // CliUnknownLanguage
    {u"未知语言“%1”（%2）", u"未知語言“%1”（%2）",
     u"unknown language '%1' (%2)"},
    // CliNeedsValue
    {u"%1 需要一个值", u"%1 需要一個值",
     u"%1 needs a value"},
    // CliTakesNoValue
    {u"%1 不带值", u"%1 不帶值",
     u"%1 takes no value"},
    // CliNeedsInlineValue
    {u"%1= 需要一个值（%2）", u"%1= 需要一個值（%2）",
     u"%1= needs a value (%2)"},
    // CliUnknownFormat
    {u"未知格式“%1”（%2）", u"未知格式“%1”（%2）",
     u"unknown format '%1' (%2)"},
    // CliNoSuchOption
    {u"%1 命令没有选项 %2", u"%1 命令沒有選項 %2",
     u"the %1 command has no option %2"},
    // CliUnexpectedArgument
    {u"多余的参数“%1”", u"多餘的參數“%1”",
     u"unexpected argument '%1'"},
    // CliOperandMissing
    {u"缺少 %1", u"缺少 %1",
     u"%1 is missing"},
    // CliChipOrDetect
    {u"--chip 与 --detect 不能同时使用", u"--chip 與 --detect 不能同時使用",
     u"--chip and --detect exclude each other"},
    // CliChooseChip
    {u"请用 --chip MODEL 或 --detect 选择芯片", u"請用 --chip MODEL 或 --detect 選擇芯片",
     u"choose the chip with --chip MODEL or --detect"},
    // CliMakerWithChip
    {u"--maker 须与 --chip 一起使用", u"--maker 須與 --chip 一起使用",
     u"--maker goes with --chip"},
    // CliSimulateOrLibrary
    {u"--simulate 与 --usb-library 不能同时使用", u"--simulate 與 --usb-library 不能同時使用",
     u"--simulate and --usb-library exclude each other"},
    // CliExpectedInAndOut
    {u"需要 IN 和 OUT 两个文件", u"需要 IN 和 OUT 兩個文件",
     u"expected IN and OUT"},
    // CliChipTooBigForImage
    {u"芯片容量 %1 超出 64 MiB 的映像", u"芯片容量 %1 超出 64 MiB 的映像",
     u"the chip's size %1 does not fit the 64 MiB image"},
    // PasteHexNotHex
    {u"剪贴板中的文本不是十六进制字节：第 %2 个字符“%1”无法识别。每个字节写两位十六进制数字（也可写成 0x12），"
     u"用空格、逗号或换行分隔。缓冲区没有改变。",
     u"剪貼板中的文本不是十六進制字節：第 %2 個字符“%1”無法識別。每個字節寫兩位十六進制數字（也可寫成 0x12），"
     u"用空格、逗號或換行分隔。緩沖區沒有改變。",
     u"The clipboard text is not hex bytes: character %2, \"%1\", cannot be read. Write two hex digits per byte "
     u"(0x12 too), separated by blanks, commas or line ends. The buffer is unchanged."},
    // PasteHexEmpty
    {u"剪贴板中的文本不含十六进制字节，缓冲区没有改变。", u"剪貼板中的文本不含十六進制字節，緩沖區沒有改變。",
     u"The clipboard text holds no hex bytes; the buffer is unchanged."},
    // CloseAfterOperation
    {u"操作正在进行，操作结束后窗口将关闭。", u"操作正在進行，操作結束後窗口將關閉。",
     u"An operation is running; the window closes when it ends."},
    // DifferenceSummary
    {u"%1 个字节不同，共 %2 处", u"%1 個字節不同，共 %2 處", u"%1 differing bytes in %2 ranges"},
    // DifferenceRange
    {u"0x%1-0x%2  %3 字节", u"0x%1-0x%2  %3 字節", u"0x%1-0x%2  %3 bytes"},
    // DifferencesNotListed
    {u"（另有 %1 处未列出）", u"（另有 %1 處未列出）", u"(%1 more ranges not listed)"},
    // CompareChipHeading
    {u"缓冲区与芯片 %1 比较（%2 字节）：", u"緩沖區與芯片 %1 比較（%2 字節）：",
     u"Buffer compared with the chip %1 (%2 bytes):"},
    // CompareFileHeading
    {u"缓冲区与文件 %1 比较（%2 字节）：", u"緩沖區與文件 %1 比較（%2 字節）：",
     u"Buffer compared with the file %1 (%2 bytes):"},
    // CompareChipEqual
    {u"缓冲区与芯片 %1 相同（%2 字节）。", u"緩沖區與芯片 %1 相同（%2 字節）。",
     u"The buffer and the chip %1 are equal (%2 bytes)."},
    // CompareFileEqual
    {u"缓冲区与文件 %1 相同（%2 字节）。", u"緩沖區與文件 %1 相同（%2 字節）。",
     u"The buffer and the file %1 are equal (%2 bytes)."},
    // DifferenceRangeStatus
    {u"第 %1 处差异，共 %2 处", u"第 %1 處差異，共 %2 處", u"Range %1 of %2"},
    // CompareNoChip
    {u"请先选择芯片：比较的长度是芯片的容量。", u"請先選擇芯片：比較的長度是芯片的容量。",
     u"Choose a chip first: a compare covers the chip's size."},
    // FillRangeInvalid
    {u"填充范围无效：需要 0 <= 开始地址 <= 结束地址 <= %1。", u"填充範圍無效：需要 0 <= 開始地址 <= 結束地址 <= %1。",
     u"Invalid fill range: 0 <= Start ADDR <= End ADDR <= %1 is required."},
    // EditorFileChanged
    {u"芯片数据库 %1 在编辑器读取之后被其他程序修改过。保存会用这里的各行替换那些修改。仍然保存吗？",
     u"芯片數據庫 %1 在編輯器讀取之後被其他程序修改過。保存會用這裡的各行替換那些修改。仍然保存嗎？",
     u"The chip database %1 was changed by another program after the editor read it. Saving "
     u"replaces those changes with the rows shown here. Save anyway?"},
    // PasteTextNotShown
    {u"剪贴板中的文本含有字符栏不能显示的字符：第 %2 个字符“%1”。要按 UTF-16 粘贴这段文本，请选择 Unicode Text。"
     u"缓冲区没有改变。",
     u"剪貼板中的文本含有字符欄不能顯示的字符：第 %2 個字符“%1”。要按 UTF-16 粘貼這段文本，請選擇 Unicode Text。"
     u"緩沖區沒有改變。",
     u"The clipboard text holds a character the character column does not show: \"%1\", character %2. "
     u"Choose Unicode Text to paste the text as UTF-16. The buffer is unchanged."},
    // ChipNameHasComma
    {u"第 %1 行：“%2”中含有“,”，而“,”用来分隔芯片名称中的类型、厂商和型号，未保存。",
     u"第 %1 行：“%2”中含有“,”，而“,”用來分隔芯片名稱中的類型、廠商和型號，未保存。",
     u"Row %1: \"%2\" holds a \",\", which divides a chip's name into type, manufacturer and model; "
     u"nothing was saved."},
    // CliArgumentNotUtf8
    {u"“%1”含有不是 UTF-8 的字节：这样的名称无法照原样打开或写入；请给文件改一个 UTF-8 名称",
     u"“%1”含有不是 UTF-8 的字節：這樣的名稱無法照原樣打開或寫入；請給文件改一個 UTF-8 名稱",
     u"'%1' holds bytes that are not UTF-8: a name like that cannot be opened or written as given; "
     u"rename the file to a UTF-8 name"},
    // FlashInSocketNotChosen
    {u"插座中是一片 25 系列 SPI Flash（ID %1），不是所选的 %2。", u"插座中是一片 25 系列 SPI Flash（ID %1），不是所選的 %2。",
     u"The socket holds a 25-series SPI flash (ID %1), not the chosen %2."},
    // OtherClassInSocket
    {u"插座中的芯片不是 25 系列 SPI Flash，所以不是所选的 %1。", u"插座中的晶片不是 25 系列 SPI Flash，所以不是所選的 %1。",
     u"The chip in the socket is not a 25-series SPI flash, so it is not the chosen %1."},
    // ChipValueBeyondField
    {u"第 %1 行“%2”列的“%3”无法存入芯片记录：该项只能保存 0 到 %4 的数。",
     u"第 %1 行“%2”列的“%3”無法存入芯片記錄：該項只能保存 0 到 %4 的數。",
     u"Row %1: \"%3\" in the column \"%2\" cannot be stored: the chip record keeps only numbers from 0 to %4 "
     u"there."},
    // ChipNameUnreachable
    {u"第 %1 行：芯片“%2”在芯片列表中永远无法选中，因为第 %3 行的“%4”在列表中与它无法区分（列表不分大小写），未保存。",
     u"第 %1 行：芯片“%2”在芯片列表中永遠無法選中，因為第 %3 行的“%4”在列表中與它無法區分（列表不分大小寫），未保存。",
     u"Row %1: the chip \"%2\" could never be chosen in the chip lists, since they cannot tell it apart from "
     u"\"%4\" in row %3 (they ignore letter case); nothing was saved."},
    // PipeWithoutPeer
    {u"这是一个另一端没有程序的管道，打开它会一直等到有程序出现",
     u"這是一個另一端沒有程序的管道，打開它會一直等到有程序出現",
     u"a pipe that no program holds at its other end: opening it would wait until one comes"},
    // YesButton
    {u"是(&Y)", u"是(&Y)", u"&Yes"},
    // NoButton
    {u"否(&N)", u"否(&N)", u"&No"},
};

}  // namespace

QString ExtraMessages::text(ExtraText key, Language language)
{
    return textIn(kTexts[static_cast<int>(key)], language);
}

std::span<const LanguageTexts> ExtraMessages::table()
{
    return kTexts;
}

std::optional<MessageKey> catalogKeyOf(const QString& text)
{
    for (int m = 0; m < MessageCatalog::MessageCount; ++m) {
        for (int l = 0; l < LanguageCount; ++l) {
            if (MessageCatalog::text(static_cast<MessageKey>(m), static_cast<Language>(l)) == text)
                return static_cast<MessageKey>(m);
        }
    }
    return std::nullopt;
}
