#include "text/Captions.h"

namespace {

constexpr CaptionEntry title(const char* form, LanguageTexts texts, const char16_t* designed = nullptr)
{
    return {form, CaptionProperty::WindowTitle, -1, texts, designed};
}
constexpr CaptionEntry caption(const char* control, LanguageTexts texts)
{
    return {control, CaptionProperty::Caption, -1, texts};
}
constexpr CaptionEntry menu(const char* item, LanguageTexts texts, const char16_t* designed = nullptr)
{
    return {item, CaptionProperty::MenuCaption, -1, texts, designed};
}
constexpr CaptionEntry panel(const char* bar, int index, LanguageTexts texts)
{
    return {bar, CaptionProperty::PanelText, index, texts};
}
constexpr CaptionEntry column(const char* list, int index, LanguageTexts texts)
{
    return {list, CaptionProperty::ColumnTitle, index, texts};
}

// The forms as designed carry the Simplified texts, except where `designed` says otherwise: the
// accelerators of four menus and the window title only appear with the first language switch.
constexpr CaptionEntry kForm1[] = {
    panel("StatusBar1", 0, {u"状态", u"狀態", u"State"}),
    panel("StatusBar1", 2, {u"使用时间", u"使用時間", u"Use time"}),
    title("TForm1", {u"Zorvex USB高速编程器", u"Zorvex USB高速編程器", u"Zorvex USB High Speed Programmer"},
          u"USB 编程器"),
    caption("GroupBox1", {u"芯片", u"芯片", u"Chip"}),
    caption("Label1", {u"类型", u"類型", u"Type"}),
    caption("Label2", {u"厂商", u"廠商", u"Manufacturer"}),
    caption("Label3", {u"名称", u"名稱", u"Name"}),
    caption("BitBtn1", {u"检测", u"檢測", u"Test"}),
    caption("BitBtn2", {u"查找", u"查找", u"Find"}),
    caption("Label4", {u"容量", u"容量", u"Size"}),
    caption("Label5", {u"页面大小", u"頁面大小", u"Pagesize"}),
    caption("Label6", {u"编程速度", u"編程速度", u"Speed"}),
    caption("GroupBox2", {u"自动编程选项", u"自動編程選項", u"Auto Options"}),
    caption("CheckBox1", {u"擦除", u"擦除", u"Erase"}),
    caption("CheckBox2", {u"编程", u"編程", u"Program"}),
    caption("CheckBox3", {u"校验", u"校驗", u"Verify"}),
    caption("ToolOpen", {u"打开", u"打開", u"Open"}),
    caption("ToolSave", {u"保存", u"保存", u"Save"}),
    caption("ToolFill", {u"填充", u"填充", u"FIll"}),
    caption("ToolBank", {u"查空", u"查空", u"Bank"}),
    caption("ToolAuto", {u"自动", u"自動", u"AUTO"}),
    caption("ToolErase", {u"擦除", u"擦除", u"ERASE"}),
    caption("ToolWrite", {u"写入", u"寫入", u"Write"}),
    caption("ToolRead", {u"读出", u"讀出", u"Read"}),
    caption("ToolVerify", {u"校验", u"校驗", u"Verify"}),
    caption("ToolDevice", {u"设备", u"設備", u"Device"}),
    caption("ToolAbout", {u"关于", u"關於", u"About"}),
    caption("BitBtn3", {u"自动", u"自動", u"AUTO"}),
    menu("O1", {u"文件(&F)", u"文件(&F)", u"File(&F)"}),
    menu("O2", {u"打开(&O)", u"打開(&O)", u"Open(&O)"}),
    menu("S1", {u"保存(&S)", u"保存(&S)", u"Save(&S)"}),
    menu("Q1", {u"退出(&Q)", u"退出(&Q)", u"Quit(&Q)"}),
    menu("Buff", {u"缓冲区(&B)", u"緩沖區(&B)", u"Buffer(&B)"}, u"缓冲区"),
    menu("Fill", {u"填充(&F)", u"填充(&F)", u"Fill(&F)"}, u"填充"),
    menu("O3", {u"操作(&O)", u"操作(&O)", u"Operation(&O)"}),
    menu("A1", {u"自动(&A)", u"自動(&A)", u"Auto(&A)"}),
    menu("E1", {u"擦除(&E)", u"擦除(&E)", u"Erase(&E)"}),
    menu("W1", {u"写入(&W)", u"寫入(&W)", u"Write(&W)"}),
    menu("R1", {u"读出(&R)", u"讀出(&R)", u"Read(&R)"}),
    menu("V1", {u"校验(&V)", u"校驗(&V)", u"Verify(&V)"}),
    menu("N7", {u"查空(&B)", u"查空(&B)", u"Bank(&B)"}),
    menu("N3", {u"设备(&Y)", u"設備(&Y)", u"Device(&Y)"}, u"设备"),
    menu("L1", {u"语言(&L)", u"語言(&L)", u"Language(&L)"}),
    menu("China", {u"中文", u"中文简体", u"Simplified Chinese"}),
    menu("fanti", {u"繁體", u"中文繁體", u"Traditional Chinese"}),
    menu("Enlish", {u"Enlish", u"Enlish", u"Enlish"}),
    menu("H1", {u"帮助(&H)", u"幫助(&H)", u"Help(&H)"}),
    menu("N5", {u"关于(&A)", u"關於(&A)", u"About(&A)"}, u"关于"),
    // The edit commands of the Buffer menu, also FlashEditor's context menu.
    menu("Undo1", {u"撤销(&U)", u"撤銷(&U)", u"Undo(&U)"}),
    menu("Redo1", {u"重做(&R)", u"重做(&R)", u"Redo(&R)"}),
    menu("Cut1", {u"剪切(&T)", u"剪切(&T)", u"Cut(&T)"}),
    menu("Copy1", {u"复制(&C)", u"複製(&C)", u"Copy(&C)"}),
    menu("Paste1", {u"粘贴(&P)", u"粘貼(&P)", u"Paste(&P)"}),
    menu("PasteHex1", {u"粘贴十六进制文本(&X)", u"粘貼十六進制文本(&X)", u"Paste hex text(&X)"}),
    menu("SelectAll1", {u"全选(&A)", u"全選(&A)", u"Select all(&A)"}),
    menu("Find1", {u"查找(&D)...", u"查找(&D)...", u"Find(&D)..."}),
    menu("FindNext1", {u"查找下一个(&N)", u"查找下一個(&N)", u"Find next(&N)"}),
    menu("GoTo1", {u"转到地址(&G)...", u"轉到地址(&G)...", u"Go to address(&G)..."}),
    // Compare of the buffer with the chip or a file, and the moves between the differences.
    menu("CompareChip1", {u"与芯片比较(&H)...", u"與芯片比較(&H)...", u"Compare with chip(&H)..."}),
    menu("CompareFile1", {u"与文件比较(&I)...", u"與文件比較(&I)...", u"Compare with file(&I)..."}),
    menu("NextDiff1", {u"下一处差异(&E)", u"下一處差異(&E)", u"Next difference(&E)"}),
    menu("PrevDiff1", {u"上一处差异(&V)", u"上一處差異(&V)", u"Previous difference(&V)"}),
};

constexpr CaptionEntry kForm2[] = {
    title("TForm2", {u"芯片编辑", u"芯片編輯", u"Chip Editor"}),
    caption("GroupBox1", {u"配置", u"配置", u"Config"}),
    caption("Label1", {u"种类", u"種類", u"Type"}),
    caption("Label2", {u"厂商", u"廠商", u"Manufacturer"}),
    caption("Label3", {u"芯片型号", u"芯片型號", u"Name"}),
    caption("Label4", {u"延时", u"延時", u"Delay"}),
    caption("Label5", {u"芯片类型", u"芯片類型", u"Class"}),
    caption("Label6", {u"FLASH", u"FLASH", u"FLASH"}),
    caption("Label7", {u"FLASH页", u"FLASH頁", u"FLASH Page"}),
    caption("Label8", {u"工作电压", u"工作電壓", u"Voltage"}),
    caption("Label9", {u"算法", u"算法", u"Algorithm"}),
    caption("Label10", {u"芯片ID", u"芯片ID", u"Chip ID"}),
    caption("Label11", {u"EEPROM", u"EEPROM", u"EEPROM"}),
    caption("Label12", {u"EEPROM页", u"EEPROM頁", u"EEPROM page"}),
    caption("Label13", {u"扩展关联", u"擴展關聯", u"Extend"}),
    caption("BtnDelete", {u"删除", u"删除", u"Delete"}),
    caption("BtnAdd", {u"添加", u"添加", u"Add"}),
    caption("BtnEdit", {u"编辑", u"編輯", u"Edit"}),
    caption("BtnSave", {u"保存", u"保存", u"Save"}),
    caption("BtnExit", {u"退出", u"退出", u"Quit"}),
};

constexpr CaptionEntry kForm3[] = {
    title("TForm3", {u"芯片选择", u"芯片選擇", u"Chip Select"}),
    caption("Label1", {u"查找", u"查找", u"Find"}),
    caption("BitBtn1", {u"选择", u"選擇", u"Select"}),
    caption("BitBtn2", {u"退出", u"退出", u"Quit"}),
};

// The fourth column ("pos", the slot number) is the same in every language and kept hidden.
constexpr CaptionEntry kForm3Columns[] = {
    column("ListView1", 0, {u"类型", u"類型", u"Type"}),
    column("ListView1", 1, {u"厂商", u"廠商", u"Manufacturer"}),
    column("ListView1", 2, {u"名称", u"名稱", u"Name"}),
    column("ListView1", 3, {u"pos", u"pos", u"pos"}),
};

constexpr CaptionEntry kForm4[] = {
    title("TForm4", {u"填充", u"填充", u"Fill"}),
    caption("GroupBox1", {u"数据", u"數據", u"Data"}),
    caption("RadioButton1", {u"常量字节(8bits)", u"常量字節(8bits)", u"Byte(8bits)"}),
    caption("RadioButton2", {u"常量字(16bits)", u"常量字(16bits)", u"Word(16bits)"}),
    caption("RadioButton3", {u"随机数", u"隨機數", u"Random"}),
    caption("GroupBox2", {u"范围", u"範圍", u"Range"}),
    caption("Label1", {u"开始地址", u"開始地址", u"Start ADDR"}),
    caption("Label2", {u"结束地址", u"結束地址", u"End ADDR"}),
    caption("BitBtn1", {u"确定", u"確定", u"OK"}),
    caption("BitBtn2", {u"取消", u"取消", u"Cance"}),
};

const CaptionSet kSets[] = {
    {"TForm1", kForm1},
    {"TForm2", kForm2},
    {"TForm3", kForm3},
    {"TForm3.ListView1", kForm3Columns},
    {"TForm4", kForm4},
};

const CaptionSet kNoSet{"", {}};

} // namespace

QString CaptionEntry::text(Language language) const
{
    if (!isValidLanguage(language))
        return {};
    return textIn(texts, language);
}

QString CaptionEntry::designedText() const
{
    return QString::fromUtf16(designed ? designed : texts[0]);
}

const CaptionEntry* CaptionSet::find(QAnyStringView control, CaptionProperty property, int index) const
{
    for (const CaptionEntry& entry : entries) {
        if (entry.property == property && entry.index == index
            && QAnyStringView::equal(control, QLatin1StringView(entry.control)))
            return &entry;
    }
    return nullptr;
}

const CaptionSet& captionsFor(QAnyStringView setName)
{
    for (const CaptionSet& set : kSets) {
        if (QAnyStringView::equal(setName, QLatin1StringView(set.form)))
            return set;
    }
    return kNoSet;
}
