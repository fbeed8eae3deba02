<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
    <context>
        <name>zorvex</name>
        <message>
            <source>Unknown chip ID =</source>
            <extracomment>message 0 | zh-CN: 未知型号芯片ID =</extracomment>
            <translation>ID chip không xác định =</translation>
        </message>
        <message>
            <source>Please choose the compatibility type manually.</source>
            <extracomment>message 1 | zh-CN: 请手动选择兼容型号。</extracomment>
            <translation>Hãy chọn thủ công model tương thích.</translation>
        </message>
        <message>
            <source>No chips detected, please put the chip to try again!</source>
            <extracomment>message 2 | zh-CN: 没有检测到芯片，请放置芯片再试！</extracomment>
            <translation>Không phát hiện thấy chip. Hãy đặt chip vào rồi thử lại.</translation>
        </message>
        <message>
            <source>The chip was detected:</source>
            <extracomment>message 3 | zh-CN: 检测到芯片：</extracomment>
            <translation>Đã phát hiện chip:</translation>
        </message>
        <message>
            <source>

 Chip type</source>
            <extracomment>message 4 | zh-CN: 

芯片类型 ： | A label on a line of its own, followed directly by the chip's type: end it with a colon and a blank.</extracomment>
            <translation>

Loại chip: </translation>
        </message>
        <message>
            <source>Chip type is detected:</source>
            <extracomment>message 5 | zh-CN: 检测到芯片芯片类型: </extracomment>
            <translation>Đã phát hiện loại chip:</translation>
        </message>
        <message>
            <source>

 Please manually select the corresponding type burn.</source>
            <extracomment>message 6 | zh-CN: 

请手动选择对应型号烧写。 | Means &quot;Please choose the matching chip model by hand and program it.&quot;</extracomment>
            <translation>

 Hãy chọn thủ công đúng model chip rồi nạp.</translation>
        </message>
        <message>
            <source>The configuration file was destroyed.</source>
            <extracomment>message 7 | zh-CN: 配置文件被破坏！ | Means &quot;The chip list file is damaged.&quot;</extracomment>
            <translation>Tệp danh sách chip bị hỏng.</translation>
        </message>
        <message>
            <source>File already exists. Is it covered? </source>
            <extracomment>message 8 | zh-CN: 文件已存在,是否覆盖? | Means &quot;The file already exists. Overwrite it?&quot;</extracomment>
            <translation>Tệp đã tồn tại. Có ghi đè không? </translation>
        </message>
        <message>
            <source>Error writing file.</source>
            <extracomment>message 9 | zh-CN: 写入文件出错。</extracomment>
            <translation>Lỗi khi ghi tệp.</translation>
        </message>
        <message>
            <source>The programmer is detected, and the working state is normal.</source>
            <extracomment>message 10 | zh-CN: 检测到编程器，工作状态正常。</extracomment>
            <translation>Đã phát hiện mạch nạp, trạng thái hoạt động bình thường.</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>message 11 | zh-CN: 准备好</extracomment>
            <translation>Sẵn sàng</translation>
        </message>
        <message>
            <source>Not connected</source>
            <extracomment>message 12 | zh-CN: 编程器未接入</extracomment>
            <translation>Chưa kết nối</translation>
        </message>
        <message>
            <source>Erase Flash ...</source>
            <extracomment>message 13 | zh-CN: 擦除 Flash ...</extracomment>
            <translation>Đang xóa Flash ...</translation>
        </message>
        <message>
            <source>Read Flash ...</source>
            <extracomment>message 14 | zh-CN: 读出 Flash ...</extracomment>
            <translation>Đang đọc Flash ...</translation>
        </message>
        <message>
            <source>Bank Flash ...</source>
            <extracomment>message 15 | zh-CN: 查空 Flash ... | A typing slip for &quot;Blank check Flash ...&quot;: the blank check is running.</extracomment>
            <translation>KT trống ...</translation>
        </message>
        <message>
            <source>The chip is not empty.</source>
            <extracomment>message 16 | zh-CN: 芯片没有擦空</extracomment>
            <translation>Chip chưa trống.</translation>
        </message>
        <message>
            <source>Verify Flash ...</source>
            <extracomment>message 17 | zh-CN: 校验 Flash ...</extracomment>
            <translation>Đang xác minh ...</translation>
        </message>
        <message>
            <source>Flash check error address:</source>
            <extracomment>message 18 | zh-CN: Flash 校验错误地址: </extracomment>
            <translation>Lỗi xác minh Flash tại địa chỉ:</translation>
        </message>
        <message>
            <source>Write Flash ...</source>
            <extracomment>message 19 | zh-CN: 编程 Flash ...</extracomment>
            <translation>Đang ghi Flash ...</translation>
        </message>
        <message>
            <source>File length is larger than chip capacity. Do you want to continue to write?</source>
            <extracomment>message 20 | zh-CN: 文件长度大于芯片容量,是否继续烧录?</extracomment>
            <translation>Kích thước tệp lớn hơn dung lượng chip. Có tiếp tục ghi không?</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>message 21 | zh-CN: 打开</extracomment>
            <translation>Mở</translation>
        </message>
        <message>
            <source>Read Complete!</source>
            <extracomment>message 22 | zh-CN: 读出完成！</extracomment>
            <translation>Đã đọc xong.</translation>
        </message>
        <message>
            <source>The chip is empty!</source>
            <extracomment>message 23 | zh-CN: 芯片为空！</extracomment>
            <translation>Chip trống.</translation>
        </message>
        <message>
            <source>Erase Complete!</source>
            <extracomment>message 24 | zh-CN: 擦除完成！</extracomment>
            <translation>Đã xóa xong.</translation>
        </message>
        <message>
            <source>Write Complete!</source>
            <extracomment>message 25 | zh-CN: 写入完成！</extracomment>
            <translation>Đã ghi xong.</translation>
        </message>
        <message>
            <source>The buffer data is empty. Please load the data file..</source>
            <extracomment>message 26 | zh-CN: 缓冲区数据为空，请加载数据文件。</extracomment>
            <translation>Bộ đệm không có dữ liệu. Hãy tải một tệp dữ liệu.</translation>
        </message>
        <message>
            <source>Verify Complete!</source>
            <extracomment>message 27 | zh-CN: 校验完成！</extracomment>
            <translation>Đã xác minh xong.</translation>
        </message>
        <message>
            <source>AUTO Complete!</source>
            <extracomment>message 28 | zh-CN: 自动编程校验通过！</extracomment>
            <translation>Đã nạp tự động xong.</translation>
        </message>
        <message>
            <source>Bank Complete!</source>
            <extracomment>message 29 | zh-CN: 查空完成！</extracomment>
            <translation>Đã kiểm tra trống xong.</translation>
        </message>
        <message>
            <source>Find</source>
            <extracomment>extra 0 | zh-CN: 查找</extracomment>
            <translation>Tìm</translation>
        </message>
        <message>
            <source>Find what:</source>
            <extracomment>extra 1 | zh-CN: 查找内容：</extracomment>
            <translation>Nội dung tìm:</translation>
        </message>
        <message>
            <source>Hex bytes (?? stands for any one byte)</source>
            <extracomment>extra 2 | zh-CN: 十六进制字节（?? 代表任意一个字节）</extracomment>
            <translation>Byte thập lục phân (?? thay cho một byte bất kỳ)</translation>
        </message>
        <message>
            <source>Text</source>
            <extracomment>extra 3 | zh-CN: 文本</extracomment>
            <translation>Văn bản</translation>
        </message>
        <message>
            <source>Ignore case</source>
            <extracomment>extra 4 | zh-CN: 忽略大小写</extracomment>
            <translation>Không phân biệt hoa thường</translation>
        </message>
        <message>
            <source>From the caret</source>
            <extracomment>extra 5 | zh-CN: 从光标处开始</extracomment>
            <translation>Từ con trỏ</translation>
        </message>
        <message>
            <source>From the start</source>
            <extracomment>extra 6 | zh-CN: 从头开始</extracomment>
            <translation>Từ đầu</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>extra 8 | zh-CN: 关闭</extracomment>
            <translation>Đóng</translation>
        </message>
        <message>
            <source>Enter the bytes or the text to find.</source>
            <extracomment>extra 9 | zh-CN: 请输入要查找的字节或文本。</extracomment>
            <translation>Hãy nhập các byte hoặc văn bản cần tìm.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a hex byte: write two hex digits per byte, or ?? for any byte.</source>
            <extracomment>extra 10 | zh-CN: “%1”不是十六进制字节：每个字节写两位十六进制数字，或写 ?? 代表任意字节。</extracomment>
            <translation>&quot;%1&quot; không phải byte thập lục phân: hãy viết hai chữ số thập lục phân cho mỗi byte, hoặc ?? cho một byte bất kỳ.</translation>
        </message>
        <message>
            <source>Give at least one byte that is not ??.</source>
            <extracomment>extra 11 | zh-CN: 至少需要一个不是 ?? 的字节。</extracomment>
            <translation>Hãy nhập ít nhất một byte không phải ??.</translation>
        </message>
        <message>
            <source>A pattern with ?? can hold at most 255 different byte values.</source>
            <extracomment>extra 12 | zh-CN: 含 ?? 的查找内容最多只能有 255 种不同的字节值。</extracomment>
            <translation>Mẫu tìm có ?? chỉ được chứa tối đa 255 giá trị byte khác nhau.</translation>
        </message>
        <message>
            <source>The text can hold only characters the character column shows; &quot;%1&quot; is not one of them.</source>
            <extracomment>extra 13 | zh-CN: 文本只能包含字符栏能显示的字符，“%1”不在其中。</extracomment>
            <translation>Văn bản chỉ được chứa các ký tự mà cột ký tự hiển thị được; &quot;%1&quot; không nằm trong số đó.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not found in the buffer.</source>
            <extracomment>extra 14 | zh-CN: 在缓冲区中未找到“%1”。</extracomment>
            <translation>Không tìm thấy &quot;%1&quot; trong bộ đệm.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not found between the caret and the end of the buffer.</source>
            <extracomment>extra 15 | zh-CN: 从光标处到末尾未找到“%1”。</extracomment>
            <translation>Không tìm thấy &quot;%1&quot; từ con trỏ đến cuối bộ đệm.</translation>
        </message>
        <message>
            <source>Go to address</source>
            <extracomment>extra 16 | zh-CN: 转到地址</extracomment>
            <translation>Đến địa chỉ</translation>
        </message>
        <message>
            <source>Address (hex):</source>
            <extracomment>extra 17 | zh-CN: 地址（十六进制）：</extracomment>
            <translation>Địa chỉ (hex):</translation>
        </message>
        <message>
            <source>Go to</source>
            <extracomment>extra 18 | zh-CN: 转到</extracomment>
            <translation>Đến</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>extra 19 | zh-CN: 取消</extracomment>
            <translation>Hủy</translation>
        </message>
        <message>
            <source>Enter an address in hex.</source>
            <extracomment>extra 20 | zh-CN: 请输入十六进制地址。</extracomment>
            <translation>Hãy nhập địa chỉ dạng thập lục phân.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a hex address.</source>
            <extracomment>extra 21 | zh-CN: “%1”不是十六进制地址。</extracomment>
            <translation>&quot;%1&quot; không phải địa chỉ thập lục phân.</translation>
        </message>
        <message>
            <source>Address %1 is outside the buffer: the valid range is 0 to %2 (hex).</source>
            <extracomment>extra 22 | zh-CN: 地址 %1 超出缓冲区，有效范围为 0 到 %2（十六进制）。</extracomment>
            <translation>Địa chỉ %1 nằm ngoài bộ đệm: phạm vi hợp lệ là 0 đến %2 (thập lục phân).</translation>
        </message>
        <message>
            <source>Check that the programmer is plugged in and powered, and that this user may use it (the package's udev rule, re-plugging the programmer after installing, a graphical login); --simulate runs the built-in simulator.</source>
            <extracomment>extra 23 | zh-CN: 请检查编程器是否已插好并通电，以及当前用户能否使用它（安装软件包的 udev 规则，安装后重新插拔编程器，从图形界面登录）；--simulate 可运行内置的模拟器。</extracomment>
            <translation>Hãy kiểm tra mạch nạp đã được cắm và cấp nguồn, và người dùng này được phép dùng nó (quy tắc udev của gói, cắm lại mạch nạp sau khi cài đặt, đăng nhập bằng giao diện đồ họa); --simulate chạy trình mô phỏng tích hợp.</translation>
        </message>
        <message>
            <source>The simulator configuration was refused, so the simulator has no programmer: %1</source>
            <extracomment>extra 24 | zh-CN: 模拟器配置被拒绝，模拟器没有接入编程器：%1</extracomment>
            <translation>Cấu hình trình mô phỏng bị từ chối nên trình mô phỏng không có mạch nạp: %1</translation>
        </message>
        <message>
            <source>File %1, line %2</source>
            <extracomment>extra 25 | zh-CN: 文件 %1，第 %2 行</extracomment>
            <translation>Tệp %1, dòng %2</translation>
        </message>
        <message>
            <source>Cannot create the file.</source>
            <extracomment>extra 26 | zh-CN: 无法创建文件。</extracomment>
            <translation>Không thể tạo tệp.</translation>
        </message>
        <message>
            <source>The chip list has changes that are not saved. Discard them?</source>
            <extracomment>extra 27 | zh-CN: 芯片列表有未保存的修改，放弃这些修改吗？</extracomment>
            <translation>Danh sách chip có thay đổi chưa được lưu. Bỏ các thay đổi đó?</translation>
        </message>
        <message>
            <source>Row %1: the name &quot;%2&quot; holds &quot;%3&quot;, a character GBK cannot store; nothing was saved.</source>
            <extracomment>extra 28 | zh-CN: 第 %1 行：名称“%2”中的字符“%3”无法以 GBK 编码保存，未保存。</extracomment>
            <translation>Hàng %1: tên &quot;%2&quot; chứa &quot;%3&quot;, một ký tự mà GBK không lưu được; chưa lưu gì cả.</translation>
        </message>
        <message>
            <source>The chip database of this version holds %1 chips that your saved database %2 lacks. Add them after your own chips? Your own chips stay as they are.</source>
            <extracomment>extra 29 | zh-CN: 本版本自带的芯片数据库中有 %1 个芯片是您保存的数据库 %2 所没有的。是否把它们添加到您自己的芯片之后？您原有的芯片保持不变。</extracomment>
            <translation>Cơ sở dữ liệu chip của phiên bản này có %1 chip mà cơ sở dữ liệu đã lưu của bạn (%2) không có. Thêm chúng vào sau các chip của bạn? Các chip của bạn được giữ nguyên.</translation>
        </message>
        <message>
            <source>%1 more do not fit: a database holds at most 999 chips.</source>
            <extracomment>extra 30 | zh-CN: 另有 %1 个芯片放不下：数据库最多容纳 999 个芯片。</extracomment>
            <translation>Còn %1 chip không vừa: một cơ sở dữ liệu chứa tối đa 999 chip.</translation>
        </message>
        <message>
            <source>Choose an item in every list first.</source>
            <extracomment>extra 31 | zh-CN: 请先在每个列表中选择一项。</extracomment>
            <translation>Hãy chọn trước một mục trong mỗi danh sách.</translation>
        </message>
        <message>
            <source>The chip table holds at most %1 chips, the grid has %2 rows; nothing was saved.</source>
            <extracomment>extra 32 | zh-CN: 芯片表最多保存 %1 个芯片，当前有 %2 行，未保存。</extracomment>
            <translation>Bảng chip chứa tối đa %1 chip, lưới có %2 hàng; chưa lưu gì cả.</translation>
        </message>
        <message>
            <source>Row %1: the name &quot;%2&quot; does not fit the chip record (at most 47 bytes of GBK text); nothing was saved.</source>
            <extracomment>extra 33 | zh-CN: 第 %1 行：名称“%2”无法存入芯片记录（最多 47 字节 GBK 文字），未保存。</extracomment>
            <translation>Hàng %1: tên &quot;%2&quot; không vừa bản ghi chip (tối đa 47 byte văn bản GBK); chưa lưu gì cả.</translation>
        </message>
        <message>
            <source>&amp;Programmer</source>
            <extracomment>extra 34 | zh-CN: 编程器(&amp;P)</extracomment>
            <translation>Mạch &amp;nạp</translation>
        </message>
        <message>
            <source>Automatic (the first one found)</source>
            <extracomment>extra 35 | zh-CN: 自动（第一个找到的编程器）</extracomment>
            <translation>Tự động (mạch nạp đầu tiên tìm thấy)</translation>
        </message>
        <message>
            <source>%1 (not attached)</source>
            <extracomment>extra 36 | zh-CN: %1（未连接）</extracomment>
            <translation>%1 (chưa kết nối)</translation>
        </message>
        <message>
            <source>The settings file %1 could not be written: %2. This session's settings are not saved.</source>
            <extracomment>extra 37 | zh-CN: 无法保存设置文件 %1：%2。本次的设置没有保存。</extracomment>
            <translation>Không ghi được tệp thiết lập %1: %2. Thiết lập của phiên này không được lưu.</translation>
        </message>
        <message>
            <source>The programmer %1 is in use by another program.</source>
            <extracomment>extra 38 | zh-CN: 编程器 %1 正被另一个程序使用。</extracomment>
            <translation>Mạch nạp %1 đang được một chương trình khác sử dụng.</translation>
        </message>
        <message>
            <source>%1: only an image opened from a .cap file can be saved as .cap, with the 2048-byte header it was opened with. Save this image as .bin.</source>
            <extracomment>extra 39 | zh-CN: %1：只有从 .cap 文件打开的映像才能保存为 .cap（连同打开时的 2048 字节文件头）。请把这个映像保存为 .bin。</extracomment>
            <translation>%1: chỉ ảnh được mở từ tệp .cap mới lưu được thành .cap, cùng với phần đầu 2048 byte đã đọc khi mở. Hãy lưu ảnh này thành .bin.</translation>
        </message>
        <message>
            <source>The buffer holds %1 bytes, more than the %2-byte chip; the file gets only the chip's first %2 bytes. Continue?</source>
            <extracomment>extra 40 | zh-CN: 缓冲区中的数据有 %1 字节，大于 %2 字节的芯片；文件只保存芯片的前 %2 字节。继续吗？</extracomment>
            <translation>Bộ đệm chứa %1 byte, nhiều hơn chip %2 byte; tệp chỉ nhận %2 byte đầu tiên của chip. Tiếp tục?</translation>
        </message>
        <message>
            <source>%1: the image needs %2 bytes, the disk has %3 bytes free. The chip was not read.</source>
            <extracomment>extra 41 | zh-CN: %1：映像需要 %2 字节，磁盘只剩 %3 字节。芯片没有读取。</extracomment>
            <translation>%1: ảnh cần %2 byte, ổ đĩa chỉ còn trống %3 byte. Chip chưa được đọc.</translation>
        </message>
        <message>
            <source>The image read is kept in %1.</source>
            <extracomment>extra 42 | zh-CN: 读出的映像保存在 %1。</extracomment>
            <translation>Ảnh đã đọc được lưu trong %1.</translation>
        </message>
        <message>
            <source>No attached programmer matches --programmer %1 (zorvex-cli programmers lists them).</source>
            <extracomment>extra 43 | zh-CN: 没有与 --programmer %1 相符的已连接编程器（zorvex-cli programmers 列出已连接的编程器）。</extracomment>
            <translation>Không có mạch nạp đã kết nối nào khớp với --programmer %1 (zorvex-cli programmers liệt kê các mạch nạp đó).</translation>
        </message>
        <message>
            <source>The programmer %1 refused to be claimed (error %2).</source>
            <extracomment>extra 44 | zh-CN: 编程器 %1 拒绝被占用（错误 %2）。</extracomment>
            <translation>Không chiếm được quyền dùng mạch nạp %1 (lỗi %2).</translation>
        </message>
        <message>
            <source>No programmer is attached.</source>
            <extracomment>extra 45 | zh-CN: 没有连接编程器。</extracomment>
            <translation>Chưa kết nối mạch nạp nào.</translation>
        </message>
        <message>
            <source>The USB library %1 could not be loaded.</source>
            <extracomment>extra 46 | zh-CN: 无法加载 USB 库 %1。</extracomment>
            <translation>Không tải được thư viện USB %1.</translation>
        </message>
        <message>
            <source>Standard input has no name that tells its format: give it with --from bin, hex or srec.</source>
            <extracomment>extra 47 | zh-CN: 标准输入没有文件名可判断格式：请用 --from bin、hex 或 srec 指定。</extracomment>
            <translation>Đầu vào chuẩn không có tên cho biết định dạng: hãy chỉ định bằng --from bin, hex hoặc srec.</translation>
        </message>
        <message>
            <source>Standard output could not be written: %1.</source>
            <extracomment>extra 48 | zh-CN: 无法写入标准输出：%1。</extracomment>
            <translation>Không ghi được ra đầu ra chuẩn: %1.</translation>
        </message>
        <message>
            <source>%1 left as it was</source>
            <extracomment>extra 49 | zh-CN: %1 保持原样，没有改动</extracomment>
            <translation>%1 được giữ nguyên</translation>
        </message>
        <message>
            <source>nothing was changed on the chip</source>
            <extracomment>extra 50 | zh-CN: 芯片没有任何改动</extracomment>
            <translation>không có gì thay đổi trên chip</translation>
        </message>
        <message>
            <source>the programmer reports only the chip type; choose the chip with --chip MODEL</source>
            <extracomment>extra 51 | zh-CN: 编程器只报告了芯片类型；请用 --chip MODEL 选择芯片</extracomment>
            <translation>mạch nạp chỉ báo loại chip; hãy chọn chip bằng --chip MODEL</translation>
        </message>
        <message>
            <source>the detected chip cannot be chosen from the chip lists; choose it with --chip MODEL</source>
            <extracomment>extra 52 | zh-CN: 检测到的芯片无法从芯片列表中选中；请用 --chip MODEL 选择它</extracomment>
            <translation>không chọn được chip đã phát hiện từ các danh sách chip; hãy chọn nó bằng --chip MODEL</translation>
        </message>
        <message>
            <source>warning: %1 holds %2 bytes, the chip %3: only the first %3 are compared</source>
            <extracomment>extra 53 | zh-CN: 警告：%1 有 %2 字节，芯片只有 %3 字节：只比较前 %3 字节</extracomment>
            <translation>cảnh báo: %1 có %2 byte, chip có %3 byte: chỉ so sánh %3 byte đầu tiên</translation>
        </message>
        <message>
            <source>warning: %1 is read as binary, but it starts like an %2 file; --from %3 reads it as one</source>
            <extracomment>extra 54 | zh-CN: 警告：%1 按二进制读入，但它的开头像 %2 文件；--from %3 可按此格式读入</extracomment>
            <translation>cảnh báo: %1 được đọc dạng nhị phân, nhưng phần đầu trông như tệp %2; --from %3 đọc nó theo định dạng đó</translation>
        </message>
        <message>
            <source>no chip database at %1 (--db FILE names one)</source>
            <extracomment>extra 55 | zh-CN: %1 没有芯片数据库（可用 --db FILE 指定一个）</extracomment>
            <translation>không có cơ sở dữ liệu chip tại %1 (--db FILE chỉ định một tệp)</translation>
        </message>
        <message>
            <source>the chip database %1 lists no chips</source>
            <extracomment>extra 56 | zh-CN: 芯片数据库 %1 中没有芯片</extracomment>
            <translation>cơ sở dữ liệu chip %1 không có chip nào</translation>
        </message>
        <message>
            <source>no chip named '%1' in the chip database</source>
            <extracomment>extra 57 | zh-CN: 芯片数据库中没有名为“%1”的芯片</extracomment>
            <translation>không có chip tên '%1' trong cơ sở dữ liệu chip</translation>
        </message>
        <message>
            <source>; closest: %1</source>
            <extracomment>extra 58 | zh-CN: ；最接近的：%1</extracomment>
            <translation>; gần nhất: %1</translation>
        </message>
        <message>
            <source>no chip '%1' by '%2'; the database has: %3</source>
            <extracomment>extra 59 | zh-CN: 没有厂商“%2”的芯片“%1”；数据库中有：%3</extracomment>
            <translation>không có chip '%1' của '%2'; cơ sở dữ liệu có: %3</translation>
        </message>
        <message>
            <source>several makers have a chip '%1', choose one with --maker: %2</source>
            <extracomment>extra 60 | zh-CN: 多个厂商都有芯片“%1”，请用 --maker 选择其一：%2</extracomment>
            <translation>nhiều nhà sản xuất có chip '%1', hãy chọn một bằng --maker: %2</translation>
        </message>
        <message>
            <source>%1 bytes written to %2</source>
            <extracomment>extra 61 | zh-CN: 已写入 %1 字节到 %2</extracomment>
            <translation>đã ghi %1 byte vào %2</translation>
        </message>
        <message>
            <source>standard output</source>
            <extracomment>extra 62 | zh-CN: 标准输出</extracomment>
            <translation>đầu ra chuẩn</translation>
        </message>
        <message>
            <source>%1 -- no (--yes answers yes)</source>
            <extracomment>extra 63 | zh-CN: %1 -- 否（--yes 表示回答是）</extracomment>
            <translation>%1 -- không (--yes để trả lời có)</translation>
        </message>
        <message>
            <source>the chip could not be read for the full comparison</source>
            <extracomment>extra 64 | zh-CN: 无法读出芯片以作完整比较</extracomment>
            <translation>không đọc được chip để so sánh toàn bộ</translation>
        </message>
        <message>
            <source>Elapsed time: %1</source>
            <extracomment>extra 65 | zh-CN: 使用时间：%1</extracomment>
            <translation>Thời gian thực hiện: %1</translation>
        </message>
        <message>
            <source>Try 'zorvex-cli --help'.</source>
            <extracomment>extra 66 | zh-CN: 用法见 'zorvex-cli --help'。</extracomment>
            <translation>Xem 'zorvex-cli --help'.</translation>
        </message>
        <message>
            <source>the command is missing</source>
            <extracomment>extra 67 | zh-CN: 缺少命令</extracomment>
            <translation>thiếu lệnh</translation>
        </message>
        <message>
            <source>unknown command '%1'</source>
            <extracomment>extra 68 | zh-CN: 未知命令“%1”</extracomment>
            <translation>lệnh không xác định '%1'</translation>
        </message>
        <message>
            <source>%1 is not one of the shared options that may stand before the command</source>
            <extracomment>extra 69 | zh-CN: %1 不是可以放在命令之前的共用选项</extracomment>
            <translation>%1 không phải tùy chọn chung có thể đặt trước lệnh</translation>
        </message>
        <message>
            <source>unknown speed '%1' (%2)</source>
            <extracomment>extra 70 | zh-CN: 未知速度“%1”（%2）</extracomment>
            <translation>tốc độ không xác định '%1' (%2)</translation>
        </message>
        <message>
            <source>unknown language '%1' (%2)</source>
            <extracomment>extra 71 | zh-CN: 未知语言“%1”（%2）</extracomment>
            <translation>ngôn ngữ không xác định '%1' (%2)</translation>
        </message>
        <message>
            <source>%1 needs a value</source>
            <extracomment>extra 72 | zh-CN: %1 需要一个值</extracomment>
            <translation>%1 cần một giá trị</translation>
        </message>
        <message>
            <source>%1 takes no value</source>
            <extracomment>extra 73 | zh-CN: %1 不带值</extracomment>
            <translation>%1 không nhận giá trị</translation>
        </message>
        <message>
            <source>%1= needs a value (%2)</source>
            <extracomment>extra 74 | zh-CN: %1= 需要一个值（%2）</extracomment>
            <translation>%1= cần một giá trị (%2)</translation>
        </message>
        <message>
            <source>unknown format '%1' (%2)</source>
            <extracomment>extra 75 | zh-CN: 未知格式“%1”（%2）</extracomment>
            <translation>định dạng không xác định '%1' (%2)</translation>
        </message>
        <message>
            <source>the %1 command has no option %2</source>
            <extracomment>extra 76 | zh-CN: %1 命令没有选项 %2</extracomment>
            <translation>lệnh %1 không có tùy chọn %2</translation>
        </message>
        <message>
            <source>unexpected argument '%1'</source>
            <extracomment>extra 77 | zh-CN: 多余的参数“%1”</extracomment>
            <translation>đối số thừa '%1'</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <extracomment>extra 78 | zh-CN: 缺少 %1</extracomment>
            <translation>thiếu %1</translation>
        </message>
        <message>
            <source>--chip and --detect exclude each other</source>
            <extracomment>extra 79 | zh-CN: --chip 与 --detect 不能同时使用</extracomment>
            <translation>--chip và --detect loại trừ nhau</translation>
        </message>
        <message>
            <source>choose the chip with --chip MODEL or --detect</source>
            <extracomment>extra 80 | zh-CN: 请用 --chip MODEL 或 --detect 选择芯片</extracomment>
            <translation>hãy chọn chip bằng --chip MODEL hoặc --detect</translation>
        </message>
        <message>
            <source>--maker goes with --chip</source>
            <extracomment>extra 81 | zh-CN: --maker 须与 --chip 一起使用</extracomment>
            <translation>--maker chỉ dùng kèm với --chip</translation>
        </message>
        <message>
            <source>--simulate and --usb-library exclude each other</source>
            <extracomment>extra 82 | zh-CN: --simulate 与 --usb-library 不能同时使用</extracomment>
            <translation>--simulate và --usb-library loại trừ nhau</translation>
        </message>
        <message>
            <source>expected IN and OUT</source>
            <extracomment>extra 83 | zh-CN: 需要 IN 和 OUT 两个文件</extracomment>
            <translation>cần IN và OUT</translation>
        </message>
        <message>
            <source>the chip's size %1 does not fit the 64 MiB image</source>
            <extracomment>extra 84 | zh-CN: 芯片容量 %1 超出 64 MiB 的映像</extracomment>
            <translation>dung lượng chip %1 không vừa ảnh 64 MiB</translation>
        </message>
        <message>
            <source>The clipboard text is not hex bytes: character %2, &quot;%1&quot;, cannot be read. Write two hex digits per byte (0x12 too), separated by blanks, commas or line ends. The buffer is unchanged.</source>
            <extracomment>extra 85 | zh-CN: 剪贴板中的文本不是十六进制字节：第 %2 个字符“%1”无法识别。每个字节写两位十六进制数字（也可写成 0x12），用空格、逗号或换行分隔。缓冲区没有改变。</extracomment>
            <translation>Văn bản trong bảng nhớ tạm không phải là byte thập lục phân: không đọc được ký tự thứ %2, &quot;%1&quot;. Hãy viết hai chữ số thập lục phân cho mỗi byte (0x12 cũng được), phân cách bằng khoảng trắng, dấu phẩy hoặc xuống dòng. Bộ đệm không thay đổi.</translation>
        </message>
        <message>
            <source>The clipboard text holds no hex bytes; the buffer is unchanged.</source>
            <extracomment>extra 86 | zh-CN: 剪贴板中的文本不含十六进制字节，缓冲区没有改变。</extracomment>
            <translation>Văn bản trong bảng nhớ tạm không chứa byte thập lục phân nào; bộ đệm không thay đổi.</translation>
        </message>
        <message>
            <source>An operation is running; the window closes when it ends.</source>
            <extracomment>extra 87 | zh-CN: 操作正在进行，操作结束后窗口将关闭。</extracomment>
            <translation>Một thao tác đang chạy; cửa sổ sẽ đóng khi thao tác kết thúc.</translation>
        </message>
        <message>
            <source>%1 differing bytes in %2 ranges</source>
            <extracomment>extra 88 | zh-CN: %1 个字节不同，共 %2 处</extracomment>
            <translation>%1 byte khác nhau trong %2 vùng</translation>
        </message>
        <message>
            <source>0x%1-0x%2  %3 bytes</source>
            <extracomment>extra 89 | zh-CN: 0x%1-0x%2  %3 字节</extracomment>
            <translation>0x%1-0x%2  %3 byte</translation>
        </message>
        <message>
            <source>(%1 more ranges not listed)</source>
            <extracomment>extra 90 | zh-CN: （另有 %1 处未列出）</extracomment>
            <translation>(còn %1 vùng không được liệt kê)</translation>
        </message>
        <message>
            <source>Buffer compared with the chip %1 (%2 bytes):</source>
            <extracomment>extra 91 | zh-CN: 缓冲区与芯片 %1 比较（%2 字节）：</extracomment>
            <translation>So sánh bộ đệm với chip %1 (%2 byte):</translation>
        </message>
        <message>
            <source>Buffer compared with the file %1 (%2 bytes):</source>
            <extracomment>extra 92 | zh-CN: 缓冲区与文件 %1 比较（%2 字节）：</extracomment>
            <translation>So sánh bộ đệm với tệp %1 (%2 byte):</translation>
        </message>
        <message>
            <source>The buffer and the chip %1 are equal (%2 bytes).</source>
            <extracomment>extra 93 | zh-CN: 缓冲区与芯片 %1 相同（%2 字节）。</extracomment>
            <translation>Bộ đệm và chip %1 giống nhau (%2 byte).</translation>
        </message>
        <message>
            <source>The buffer and the file %1 are equal (%2 bytes).</source>
            <extracomment>extra 94 | zh-CN: 缓冲区与文件 %1 相同（%2 字节）。</extracomment>
            <translation>Bộ đệm và tệp %1 giống nhau (%2 byte).</translation>
        </message>
        <message>
            <source>Range %1 of %2</source>
            <extracomment>extra 95 | zh-CN: 第 %1 处差异，共 %2 处</extracomment>
            <translation>Vùng %1 / %2</translation>
        </message>
        <message>
            <source>Choose a chip first: a compare covers the chip's size.</source>
            <extracomment>extra 96 | zh-CN: 请先选择芯片：比较的长度是芯片的容量。</extracomment>
            <translation>Hãy chọn chip trước: phép so sánh bao trùm toàn bộ dung lượng chip.</translation>
        </message>
        <message>
            <source>Invalid fill range: 0 &lt;= Start ADDR &lt;= End ADDR &lt;= %1 is required.</source>
            <extracomment>extra 97 | zh-CN: 填充范围无效：需要 0 &lt;= 开始地址 &lt;= 结束地址 &lt;= %1。</extracomment>
            <translation>Vùng điền không hợp lệ: cần 0 &lt;= Địa chỉ đầu &lt;= Địa chỉ cuối &lt;= %1.</translation>
        </message>
        <message>
            <source>The chip database %1 was changed by another program after the editor read it. Saving replaces those changes with the rows shown here. Save anyway?</source>
            <extracomment>extra 98 | zh-CN: 芯片数据库 %1 在编辑器读取之后被其他程序修改过。保存会用这里的各行替换那些修改。仍然保存吗？</extracomment>
            <translation>Cơ sở dữ liệu chip %1 đã bị một chương trình khác thay đổi sau khi trình chỉnh sửa đọc nó. Lưu sẽ thay các thay đổi đó bằng các dòng hiển thị ở đây. Vẫn lưu?</translation>
        </message>
        <message>
            <source>The clipboard text holds a character the character column does not show: &quot;%1&quot;, character %2. Choose Unicode Text to paste the text as UTF-16. The buffer is unchanged.</source>
            <extracomment>extra 99 | zh-CN: 剪贴板中的文本含有字符栏不能显示的字符：第 %2 个字符“%1”。要按 UTF-16 粘贴这段文本，请选择 Unicode Text。缓冲区没有改变。</extracomment>
            <translation>Văn bản trong bảng nhớ tạm chứa một ký tự mà cột ký tự không hiển thị: &quot;%1&quot;, ký tự thứ %2. Hãy chọn Unicode Text để dán văn bản dưới dạng UTF-16. Bộ đệm không thay đổi.</translation>
        </message>
        <message>
            <source>Row %1: &quot;%2&quot; holds a &quot;,&quot;, which divides a chip's name into type, manufacturer and model; nothing was saved.</source>
            <extracomment>extra 100 | zh-CN: 第 %1 行：“%2”中含有“,”，而“,”用来分隔芯片名称中的类型、厂商和型号，未保存。</extracomment>
            <translation>Hàng %1: &quot;%2&quot; chứa dấu &quot;,&quot;, dấu này chia tên chip thành loại, hãng và model; chưa lưu gì cả.</translation>
        </message>
        <message>
            <source>'%1' holds bytes that are not UTF-8: a name like that cannot be opened or written as given; rename the file to a UTF-8 name</source>
            <extracomment>extra 101 | zh-CN: “%1”含有不是 UTF-8 的字节：这样的名称无法照原样打开或写入；请给文件改一个 UTF-8 名称</extracomment>
            <translation>'%1' chứa các byte không phải UTF-8: không thể mở hoặc ghi một tên như vậy đúng như đã cho; hãy đổi tên tệp thành một tên UTF-8</translation>
        </message>
        <message>
            <source>The socket holds a 25-series SPI flash (ID %1), not the chosen %2.</source>
            <extracomment>extra 102 | zh-CN: 插座中是一片 25 系列 SPI Flash（ID %1），不是所选的 %2。</extracomment>
            <translation>Trong đế cắm là một flash SPI dòng 25 (ID %1), không phải %2 đã chọn.</translation>
        </message>
        <message>
            <source>The chip in the socket is not a 25-series SPI flash, so it is not the chosen %1.</source>
            <extracomment>extra 103 | zh-CN: 插座中的芯片不是 25 系列 SPI Flash，所以不是所选的 %1。</extracomment>
            <translation>Chip trong đế cắm không phải flash SPI dòng 25, nên không phải %1 đã chọn.</translation>
        </message>
        <message>
            <source>Row %1: &quot;%3&quot; in the column &quot;%2&quot; cannot be stored: the chip record keeps only numbers from 0 to %4 there.</source>
            <extracomment>extra 104 | zh-CN: 第 %1 行“%2”列的“%3”无法存入芯片记录：该项只能保存 0 到 %4 的数。</extracomment>
            <translation>Hàng %1: &quot;%3&quot; trong cột &quot;%2&quot; không lưu được: bản ghi chip ở đó chỉ giữ các số từ 0 đến %4.</translation>
        </message>
        <message>
            <source>Row %1: the chip &quot;%2&quot; could never be chosen in the chip lists, since they cannot tell it apart from &quot;%4&quot; in row %3 (they ignore letter case); nothing was saved.</source>
            <extracomment>extra 105 | zh-CN: 第 %1 行：芯片“%2”在芯片列表中永远无法选中，因为第 %3 行的“%4”在列表中与它无法区分（列表不分大小写），未保存。</extracomment>
            <translation>Hàng %1: chip &quot;%2&quot; sẽ không bao giờ chọn được trong các danh sách chip, vì chúng không phân biệt được nó với &quot;%4&quot; ở hàng %3 (không phân biệt chữ hoa, chữ thường); chưa lưu gì cả.</translation>
        </message>
        <message>
            <source>a pipe that no program holds at its other end: opening it would wait until one comes</source>
            <extracomment>extra 106 | zh-CN: 这是一个另一端没有程序的管道，打开它会一直等到有程序出现</extracomment>
            <translation>một đường ống không có chương trình nào giữ đầu bên kia: mở nó sẽ phải chờ đến khi có chương trình</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <extracomment>extra 107 | zh-CN: 是(&amp;Y)</extracomment>
            <translation>&amp;Có</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <extracomment>extra 108 | zh-CN: 否(&amp;N)</extracomment>
            <translation>&amp;Không</translation>
        </message>
        <message>
            <source>State</source>
            <extracomment>caption TForm1.StatusBar1 | zh-CN: 状态</extracomment>
            <translation>T.thái</translation>
        </message>
        <message>
            <source>Use time</source>
            <extracomment>caption TForm1.StatusBar1 | zh-CN: 使用时间</extracomment>
            <translation>Thời gian</translation>
        </message>
        <message>
            <source>Zorvex USB High Speed Programmer</source>
            <extracomment>caption TForm1.TForm1 | zh-CN: Zorvex USB高速编程器</extracomment>
            <translation>Mạch nạp USB tốc độ cao Zorvex</translation>
        </message>
        <message>
            <source>Chip</source>
            <extracomment>caption TForm1.GroupBox1 | zh-CN: 芯片</extracomment>
            <translation>Chip</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>caption TForm1.Label1 | zh-CN: 类型</extracomment>
            <translation>Loại</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>caption TForm1.Label2 | zh-CN: 厂商</extracomment>
            <translation>Hãng</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>caption TForm1.Label3 | zh-CN: 名称</extracomment>
            <translation>Tên</translation>
        </message>
        <message>
            <source>Test</source>
            <extracomment>caption TForm1.BitBtn1 | zh-CN: 检测</extracomment>
            <translation>Dò tìm</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>caption TForm1.Label4 | zh-CN: 容量</extracomment>
            <translation>Dung lượng</translation>
        </message>
        <message>
            <source>Pagesize</source>
            <extracomment>caption TForm1.Label5 | zh-CN: 页面大小</extracomment>
            <translation>Cỡ trang</translation>
        </message>
        <message>
            <source>Speed</source>
            <extracomment>caption TForm1.Label6 | zh-CN: 编程速度</extracomment>
            <translation>Tốc độ</translation>
        </message>
        <message>
            <source>Auto Options</source>
            <extracomment>caption TForm1.GroupBox2 | zh-CN: 自动编程选项</extracomment>
            <translation>Tùy chọn tự động</translation>
        </message>
        <message>
            <source>Erase</source>
            <extracomment>caption TForm1.CheckBox1 | zh-CN: 擦除</extracomment>
            <translation>Xóa</translation>
        </message>
        <message>
            <source>Program</source>
            <extracomment>caption TForm1.CheckBox2 | zh-CN: 编程</extracomment>
            <translation>Ghi</translation>
        </message>
        <message>
            <source>Verify</source>
            <extracomment>caption TForm1.CheckBox3 | zh-CN: 校验</extracomment>
            <translation>Xác minh</translation>
        </message>
        <message>
            <source>Save</source>
            <extracomment>caption TForm1.ToolSave | zh-CN: 保存</extracomment>
            <translation>Lưu</translation>
        </message>
        <message>
            <source>FIll</source>
            <extracomment>caption TForm1.ToolFill | zh-CN: 填充</extracomment>
            <translation>Điền</translation>
        </message>
        <message>
            <source>Bank</source>
            <extracomment>caption TForm1.ToolBank | zh-CN: 查空</extracomment>
            <translation>KT trống</translation>
        </message>
        <message>
            <source>AUTO</source>
            <extracomment>caption TForm1.ToolAuto | zh-CN: 自动</extracomment>
            <translation>Tự động</translation>
        </message>
        <message>
            <source>ERASE</source>
            <extracomment>caption TForm1.ToolErase | zh-CN: 擦除</extracomment>
            <translation>Xóa</translation>
        </message>
        <message>
            <source>Write</source>
            <extracomment>caption TForm1.ToolWrite | zh-CN: 写入</extracomment>
            <translation>Ghi</translation>
        </message>
        <message>
            <source>Read</source>
            <extracomment>caption TForm1.ToolRead | zh-CN: 读出</extracomment>
            <translation>Đọc</translation>
        </message>
        <message>
            <source>Device</source>
            <extracomment>caption TForm1.ToolDevice | zh-CN: 设备</extracomment>
            <translation>Thiết bị</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>caption TForm1.ToolAbout | zh-CN: 关于</extracomment>
            <translation>Giới thiệu</translation>
        </message>
        <message>
            <source>File(&amp;F)</source>
            <extracomment>caption TForm1.O1 | zh-CN: 文件(&amp;F)</extracomment>
            <translation>&amp;Tệp</translation>
        </message>
        <message>
            <source>Open(&amp;O)</source>
            <extracomment>caption TForm1.O2 | zh-CN: 打开(&amp;O)</extracomment>
            <translation>&amp;Mở</translation>
        </message>
        <message>
            <source>Save(&amp;S)</source>
            <extracomment>caption TForm1.S1 | zh-CN: 保存(&amp;S)</extracomment>
            <translation>&amp;Lưu</translation>
        </message>
        <message>
            <source>Quit(&amp;Q)</source>
            <extracomment>caption TForm1.Q1 | zh-CN: 退出(&amp;Q)</extracomment>
            <translation>&amp;Thoát</translation>
        </message>
        <message>
            <source>Buffer(&amp;B)</source>
            <extracomment>caption TForm1.Buff | zh-CN: 缓冲区(&amp;B)</extracomment>
            <translation>&amp;Bộ đệm</translation>
        </message>
        <message>
            <source>Fill(&amp;F)</source>
            <extracomment>caption TForm1.Fill | zh-CN: 填充(&amp;F)</extracomment>
            <translation>Điề&amp;n</translation>
        </message>
        <message>
            <source>Operation(&amp;O)</source>
            <extracomment>caption TForm1.O3 | zh-CN: 操作(&amp;O)</extracomment>
            <translation>T&amp;hao tác</translation>
        </message>
        <message>
            <source>Auto(&amp;A)</source>
            <extracomment>caption TForm1.A1 | zh-CN: 自动(&amp;A)</extracomment>
            <translation>&amp;Tự động</translation>
        </message>
        <message>
            <source>Erase(&amp;E)</source>
            <extracomment>caption TForm1.E1 | zh-CN: 擦除(&amp;E)</extracomment>
            <translation>&amp;Xóa</translation>
        </message>
        <message>
            <source>Write(&amp;W)</source>
            <extracomment>caption TForm1.W1 | zh-CN: 写入(&amp;W)</extracomment>
            <translation>&amp;Ghi</translation>
        </message>
        <message>
            <source>Read(&amp;R)</source>
            <extracomment>caption TForm1.R1 | zh-CN: 读出(&amp;R)</extracomment>
            <translation>Đọ&amp;c</translation>
        </message>
        <message>
            <source>Verify(&amp;V)</source>
            <extracomment>caption TForm1.V1 | zh-CN: 校验(&amp;V)</extracomment>
            <translation>Xác &amp;minh</translation>
        </message>
        <message>
            <source>Bank(&amp;B)</source>
            <extracomment>caption TForm1.N7 | zh-CN: 查空(&amp;B) | A typing slip for &quot;Blank check&quot;: the menu command that checks the chip is erased.</extracomment>
            <translation>&amp;Kiểm tra trống</translation>
        </message>
        <message>
            <source>Device(&amp;Y)</source>
            <extracomment>caption TForm1.N3 | zh-CN: 设备(&amp;Y)</extracomment>
            <translation>Th&amp;iết bị</translation>
        </message>
        <message>
            <source>Language(&amp;L)</source>
            <extracomment>caption TForm1.L1 | zh-CN: 语言(&amp;L)</extracomment>
            <translation>&amp;Ngôn ngữ</translation>
        </message>
        <message>
            <source>Simplified Chinese</source>
            <extracomment>caption TForm1.China | zh-CN: 中文</extracomment>
            <translation>Tiếng Trung giản thể</translation>
        </message>
        <message>
            <source>Traditional Chinese</source>
            <extracomment>caption TForm1.fanti | zh-CN: 繁體</extracomment>
            <translation>Tiếng Trung phồn thể</translation>
        </message>
        <message>
            <source>Help(&amp;H)</source>
            <extracomment>caption TForm1.H1 | zh-CN: 帮助(&amp;H)</extracomment>
            <translation>Trợ &amp;giúp</translation>
        </message>
        <message>
            <source>About(&amp;A)</source>
            <extracomment>caption TForm1.N5 | zh-CN: 关于(&amp;A)</extracomment>
            <translation>&amp;Giới thiệu</translation>
        </message>
        <message>
            <source>Undo(&amp;U)</source>
            <extracomment>caption TForm1.Undo1 | zh-CN: 撤销(&amp;U)</extracomment>
            <translation>&amp;Hoàn tác</translation>
        </message>
        <message>
            <source>Redo(&amp;R)</source>
            <extracomment>caption TForm1.Redo1 | zh-CN: 重做(&amp;R)</extracomment>
            <translation>&amp;Làm lại</translation>
        </message>
        <message>
            <source>Cut(&amp;T)</source>
            <extracomment>caption TForm1.Cut1 | zh-CN: 剪切(&amp;T)</extracomment>
            <translation>Cắ&amp;t</translation>
        </message>
        <message>
            <source>Copy(&amp;C)</source>
            <extracomment>caption TForm1.Copy1 | zh-CN: 复制(&amp;C)</extracomment>
            <translation>&amp;Sao chép</translation>
        </message>
        <message>
            <source>Paste(&amp;P)</source>
            <extracomment>caption TForm1.Paste1 | zh-CN: 粘贴(&amp;P)</extracomment>
            <translation>&amp;Dán</translation>
        </message>
        <message>
            <source>Paste hex text(&amp;X)</source>
            <extracomment>caption TForm1.PasteHex1 | zh-CN: 粘贴十六进制文本(&amp;X)</extracomment>
            <translation>Dán &amp;văn bản thập lục phân</translation>
        </message>
        <message>
            <source>Select all(&amp;A)</source>
            <extracomment>caption TForm1.SelectAll1 | zh-CN: 全选(&amp;A)</extracomment>
            <translation>&amp;Chọn tất cả</translation>
        </message>
        <message>
            <source>Find(&amp;D)...</source>
            <extracomment>caption TForm1.Find1 | zh-CN: 查找(&amp;D)...</extracomment>
            <translation>Tìm &amp;kiếm...</translation>
        </message>
        <message>
            <source>Find next(&amp;N)</source>
            <extracomment>caption TForm1.FindNext1 | zh-CN: 查找下一个(&amp;N)</extracomment>
            <translation>Tìm tiếp th&amp;eo</translation>
        </message>
        <message>
            <source>Go to address(&amp;G)...</source>
            <extracomment>caption TForm1.GoTo1 | zh-CN: 转到地址(&amp;G)...</extracomment>
            <translation>Đến đị&amp;a chỉ...</translation>
        </message>
        <message>
            <source>Compare with chip(&amp;H)...</source>
            <extracomment>caption TForm1.CompareChip1 | zh-CN: 与芯片比较(&amp;H)...</extracomment>
            <translation>So sánh với ch&amp;ip...</translation>
        </message>
        <message>
            <source>Compare with file(&amp;I)...</source>
            <extracomment>caption TForm1.CompareFile1 | zh-CN: 与文件比较(&amp;I)...</extracomment>
            <translation>So sánh với tệ&amp;p...</translation>
        </message>
        <message>
            <source>Next difference(&amp;E)</source>
            <extracomment>caption TForm1.NextDiff1 | zh-CN: 下一处差异(&amp;E)</extracomment>
            <translation>Khác biệt tiếp the&amp;o</translation>
        </message>
        <message>
            <source>Previous difference(&amp;V)</source>
            <extracomment>caption TForm1.PrevDiff1 | zh-CN: 上一处差异(&amp;V)</extracomment>
            <translation>Khác biệt t&amp;rước</translation>
        </message>
        <message>
            <source>Chip Editor</source>
            <extracomment>caption TForm2.TForm2 | zh-CN: 芯片编辑</extracomment>
            <translation>Chỉnh sửa chip</translation>
        </message>
        <message>
            <source>Config</source>
            <extracomment>caption TForm2.GroupBox1 | zh-CN: 配置</extracomment>
            <translation>Cấu hình</translation>
        </message>
        <message>
            <source>Delay</source>
            <extracomment>caption TForm2.Label4 | zh-CN: 延时</extracomment>
            <translation>Độ trễ</translation>
        </message>
        <message>
            <source>Class</source>
            <extracomment>caption TForm2.Label5 | zh-CN: 芯片类型</extracomment>
            <translation>Họ chip</translation>
        </message>
        <message>
            <source>FLASH Page</source>
            <extracomment>caption TForm2.Label7 | zh-CN: FLASH页</extracomment>
            <translation>Trang FLASH</translation>
        </message>
        <message>
            <source>Voltage</source>
            <extracomment>caption TForm2.Label8 | zh-CN: 工作电压</extracomment>
            <translation>Điện áp</translation>
        </message>
        <message>
            <source>Algorithm</source>
            <extracomment>caption TForm2.Label9 | zh-CN: 算法</extracomment>
            <translation>Thuật toán</translation>
        </message>
        <message>
            <source>Chip ID</source>
            <extracomment>caption TForm2.Label10 | zh-CN: 芯片ID</extracomment>
            <translation>ID chip</translation>
        </message>
        <message>
            <source>EEPROM page</source>
            <extracomment>caption TForm2.Label12 | zh-CN: EEPROM页</extracomment>
            <translation>Trang EEPROM</translation>
        </message>
        <message>
            <source>Extend</source>
            <extracomment>caption TForm2.Label13 | zh-CN: 扩展关联</extracomment>
            <translation>Mở rộng</translation>
        </message>
        <message>
            <source>Delete</source>
            <extracomment>caption TForm2.BtnDelete | zh-CN: 删除</extracomment>
            <translation>Xóa</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>caption TForm2.BtnAdd | zh-CN: 添加</extracomment>
            <translation>Thêm</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>caption TForm2.BtnEdit | zh-CN: 编辑</extracomment>
            <translation>Sửa</translation>
        </message>
        <message>
            <source>Quit</source>
            <extracomment>caption TForm2.BtnExit | zh-CN: 退出</extracomment>
            <translation>Thoát</translation>
        </message>
        <message>
            <source>Chip Select</source>
            <extracomment>caption TForm3.TForm3 | zh-CN: 芯片选择</extracomment>
            <translation>Chọn chip</translation>
        </message>
        <message>
            <source>Select</source>
            <extracomment>caption TForm3.BitBtn1 | zh-CN: 选择</extracomment>
            <translation>Chọn</translation>
        </message>
        <message>
            <source>Fill</source>
            <extracomment>caption TForm4.TForm4 | zh-CN: 填充</extracomment>
            <translation>Điền</translation>
        </message>
        <message>
            <source>Data</source>
            <extracomment>caption TForm4.GroupBox1 | zh-CN: 数据</extracomment>
            <translation>Dữ liệu</translation>
        </message>
        <message>
            <source>Byte(8bits)</source>
            <extracomment>caption TForm4.RadioButton1 | zh-CN: 常量字节(8bits)</extracomment>
            <translation>Byte (8 bit)</translation>
        </message>
        <message>
            <source>Word(16bits)</source>
            <extracomment>caption TForm4.RadioButton2 | zh-CN: 常量字(16bits)</extracomment>
            <translation>Word (16 bit)</translation>
        </message>
        <message>
            <source>Random</source>
            <extracomment>caption TForm4.RadioButton3 | zh-CN: 随机数</extracomment>
            <translation>Ngẫu nhiên</translation>
        </message>
        <message>
            <source>Range</source>
            <extracomment>caption TForm4.GroupBox2 | zh-CN: 范围</extracomment>
            <translation>Phạm vi</translation>
        </message>
        <message>
            <source>Start ADDR</source>
            <extracomment>caption TForm4.Label1 | zh-CN: 开始地址</extracomment>
            <translation>Địa chỉ đầu</translation>
        </message>
        <message>
            <source>End ADDR</source>
            <extracomment>caption TForm4.Label2 | zh-CN: 结束地址</extracomment>
            <translation>Địa chỉ cuối</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>caption TForm4.BitBtn1 | zh-CN: 确定</extracomment>
            <translation>Đồng ý</translation>
        </message>
        <message>
            <source>Cance</source>
            <extracomment>caption TForm4.BitBtn2 | zh-CN: 取消</extracomment>
            <translation>Hủy</translation>
        </message>
        <message>
            <source>Chip set-up</source>
            <extracomment>operation 0 | zh-CN: 芯片设置</extracomment>
            <translation>Thiết lập chip</translation>
        </message>
        <message>
            <source>Blank check</source>
            <extracomment>operation 2 | zh-CN: 查空</extracomment>
            <translation>Kiểm tra trống</translation>
        </message>
        <message>
            <source>transfer failed (error %1).</source>
            <extracomment>operation 6 | zh-CN: 传输失败（错误 %1）。</extracomment>
            <translation>truyền dữ liệu thất bại (lỗi %1).</translation>
        </message>
        <message>
            <source>only %1 of %2 bytes were transferred.</source>
            <extracomment>operation 7 | zh-CN: 只传输了 %1 / %2 字节。</extracomment>
            <translation>chỉ truyền được %1 / %2 byte.</translation>
        </message>
        <message>
            <source>the chip was still busy after %1 status polls.</source>
            <extracomment>operation 8 | zh-CN: %1 次状态查询后芯片仍忙。</extracomment>
            <translation>chip vẫn bận sau %1 lần hỏi trạng thái.</translation>
        </message>
        <message>
            <source>the programmer was disconnected.</source>
            <extracomment>operation 9 | zh-CN: 编程器已断开连接。</extracomment>
            <translation>mạch nạp đã bị ngắt kết nối.</translation>
        </message>
        <message>
            <source>%1 stopped at address %2h: %3</source>
            <extracomment>operation 10 | zh-CN: %1在地址 %2h 处中止：%3</extracomment>
            <translation>%1 dừng tại địa chỉ %2h: %3</translation>
        </message>
        <message>
            <source>The programmer was disconnected.</source>
            <extracomment>operation 11 | zh-CN: 编程器已断开连接。</extracomment>
            <translation>Mạch nạp đã bị ngắt kết nối.</translation>
        </message>
        <message>
            <source> The buffer was left as it was.</source>
            <extracomment>operation 12 | zh-CN: 缓冲区保持原样。</extracomment>
            <translation> Bộ đệm được giữ nguyên như trước.</translation>
        </message>
        <message>
            <source>its capacity of %1 bytes does not fit the %2-byte data buffer.</source>
            <extracomment>operation 13 | zh-CN: 容量 %1 字节大于 %2 字节的数据缓冲区。</extracomment>
            <translation>dung lượng %1 byte không vừa bộ đệm dữ liệu %2 byte.</translation>
        </message>
        <message>
            <source>its page size is 0.</source>
            <extracomment>operation 14 | zh-CN: 页面大小为 0。</extracomment>
            <translation>cỡ trang bằng 0.</translation>
        </message>
        <message>
            <source>its page size of %1 bytes is larger than the %2-byte block buffer.</source>
            <extracomment>operation 15 | zh-CN: 页面大小 %1 字节大于 %2 字节的块缓冲区。</extracomment>
            <translation>cỡ trang %1 byte lớn hơn bộ đệm khối %2 byte.</translation>
        </message>
        <message>
            <source>its family code %1 is none of 0 to %2.</source>
            <extracomment>operation 16 | zh-CN: 芯片系列代码 %1 无效（应为 0 到 %2）。</extracomment>
            <translation>mã họ chip %1 không nằm trong khoảng 0 đến %2.</translation>
        </message>
        <message>
            <source>its capacity of %1 bytes is no power of two from %2 bytes.</source>
            <extracomment>operation 17 | zh-CN: 容量 %1 字节不是从 %2 字节起的 2 的幂。</extracomment>
            <translation>dung lượng %1 byte không phải lũy thừa của 2 từ %2 byte trở lên.</translation>
        </message>
        <message>
            <source>The chip record is damaged: %1 Choose the chip again or repair the chip database.</source>
            <extracomment>operation 18 | zh-CN: 芯片记录已损坏：%1请重新选择芯片或修复芯片数据库。</extracomment>
            <translation>Bản ghi chip bị hỏng: %1 Hãy chọn lại chip hoặc sửa cơ sở dữ liệu chip.</translation>
        </message>
        <message>
            <source>The programmer %1 is in use by another program; waiting up to %2 s for it.</source>
            <extracomment>produce 0 | zh-CN: 编程器 %1 正被另一个程序使用，最多等待 %2 秒。</extracomment>
            <translation>Mạch nạp %1 đang được một chương trình khác sử dụng; chờ tối đa %2 giây.</translation>
        </message>
        <message>
            <source>--programmer %1 matches %2 programmers (%3); choose one by its BUS:DEVICE</source>
            <extracomment>produce 1 | zh-CN: --programmer %1 对应 %2 个编程器（%3）；请用其 BUS:DEVICE 选择一个</extracomment>
            <translation>--programmer %1 khớp với %2 mạch nạp (%3); hãy chọn một mạch nạp theo BUS:DEVICE của nó</translation>
        </message>
        <message>
            <source>wrong chip in the socket: ID %1, expected %2</source>
            <extracomment>produce 2 | zh-CN: 插座中的芯片不对：ID %1，应为 %2</extracomment>
            <translation>sai chip trong đế cắm: ID %1, cần %2</translation>
        </message>
        <message>
            <source>stopped while the programmer was held by another program</source>
            <extracomment>produce 3 | zh-CN: 在编程器被另一个程序占用时停止</extracomment>
            <translation>đã dừng khi mạch nạp đang bị một chương trình khác chiếm giữ</translation>
        </message>
        <message>
            <source>standard output cannot be written (%1); stopping, the log and the serial file hold every chip so far</source>
            <extracomment>produce 4 | zh-CN: 无法写入标准输出（%1）；停止。日志和序列号文件记录了到目前为止的每一片芯片</extracomment>
            <translation>không ghi được ra đầu ra chuẩn (%1); dừng lại, nhật ký và tệp số sê-ri đã ghi mọi chip cho đến nay</translation>
        </message>
        <message>
            <source>chip #%1 passed, but its record could not be written; stopping</source>
            <extracomment>produce 5 | zh-CN: 第 %1 片芯片已通过，但无法写入它的记录；停止</extracomment>
            <translation>chip #%1 đạt, nhưng không ghi được bản ghi của nó; dừng lại</translation>
        </message>
        <message>
            <source>chip #%1 passed with serial number %2, but its record could not be written; stopping</source>
            <extracomment>produce 6 | zh-CN: 第 %1 片芯片已以序列号 %2 通过，但无法写入它的记录；停止</extracomment>
            <translation>chip #%1 đạt với số sê-ri %2, nhưng không ghi được bản ghi của nó; dừng lại</translation>
        </message>
        <message>
            <source>no serial number is left: the next one, %1, does not fit the serial format; stopping</source>
            <extracomment>produce 7 | zh-CN: 序列号已用完：下一个 %1 超出序列号格式；停止</extracomment>
            <translation>hết số sê-ri: số tiếp theo, %1, không vừa định dạng số sê-ri; dừng lại</translation>
        </message>
        <message>
            <source>no serial number is left for the chip in the socket (the next one, %1, does not fit the serial format); it was not written; stopping</source>
            <extracomment>produce 8 | zh-CN: 插座中的芯片没有可用的序列号（下一个 %1 超出序列号格式），没有写入它；停止</extracomment>
            <translation>không còn số sê-ri cho chip trong đế cắm (số tiếp theo, %1, không vừa định dạng số sê-ri); chip chưa được ghi; dừng lại</translation>
        </message>
        <message>
            <source>the serial numbers from %1 for %2 chips: the last does not fit the serial format</source>
            <extracomment>produce 9 | zh-CN: 从 %1 开始的 %2 片芯片的序列号：最后一个超出序列号格式</extracomment>
            <translation>các số sê-ri từ %1 cho %2 chip: số cuối cùng không vừa định dạng số sê-ri</translation>
        </message>
        <message>
            <source>%1; the chip in the socket was not written; stopping</source>
            <extracomment>produce 10 | zh-CN: %1；插座中的芯片没有写入；停止</extracomment>
            <translation>%1; chip trong đế cắm chưa được ghi; dừng lại</translation>
        </message>
        <message>
            <source>cannot create the folder %1 of the serial file</source>
            <extracomment>produce 11 | zh-CN: 无法创建序列号文件的文件夹 %1</extracomment>
            <translation>không tạo được thư mục %1 của tệp số sê-ri</translation>
        </message>
        <message>
            <source>the serial file %1 cannot be replaced: its folder takes no new file (%2)</source>
            <extracomment>produce 12 | zh-CN: 无法替换序列号文件 %1：它的文件夹不接受新文件（%2）</extracomment>
            <translation>không thay thế được tệp số sê-ri %1: thư mục của nó không nhận tệp mới (%2)</translation>
        </message>
        <message>
            <source>cannot lock %1: %2</source>
            <extracomment>produce 13 | zh-CN: 无法锁定 %1：%2</extracomment>
            <translation>không khóa được %1: %2</translation>
        </message>
        <message>
            <source>cannot write the log %1: %2</source>
            <extracomment>produce 14 | zh-CN: 无法写入日志 %1：%2</extracomment>
            <translation>không ghi được nhật ký %1: %2</translation>
        </message>
        <message>
            <source>the disk took only part of the record</source>
            <extracomment>produce 15 | zh-CN: 磁盘只接受了记录的一部分</extracomment>
            <translation>ổ đĩa chỉ nhận một phần của bản ghi</translation>
        </message>
        <message>
            <source>; the part written stays at the end of the log</source>
            <extracomment>produce 16 | zh-CN: ；写入的部分留在日志末尾</extracomment>
            <translation>; phần đã ghi vẫn nằm ở cuối nhật ký</translation>
        </message>
        <message>
            <source>%1: '%2' is not a number from %3 to %4</source>
            <extracomment>produce 17 | zh-CN: %1：“%2”不是 %3 到 %4 之间的数</extracomment>
            <translation>%1: '%2' không phải là số từ %3 đến %4</translation>
        </message>
        <message>
            <source>--serial-at and --serial-start go together</source>
            <extracomment>produce 18 | zh-CN: --serial-at 与 --serial-start 须一起使用</extracomment>
            <translation>--serial-at và --serial-start phải đi cùng nhau</translation>
        </message>
        <message>
            <source>--serial-step, --serial-format and --serial-file need --serial-at</source>
            <extracomment>produce 19 | zh-CN: --serial-step、--serial-format 和 --serial-file 需要 --serial-at</extracomment>
            <translation>--serial-step, --serial-format và --serial-file cần có --serial-at</translation>
        </message>
        <message>
            <source>serial number %1 does not fit the serial format</source>
            <extracomment>produce 20 | zh-CN: 序列号 %1 超出序列号格式</extracomment>
            <translation>số sê-ri %1 không vừa định dạng số sê-ri</translation>
        </message>
        <message>
            <source>%1 holds %2 bytes, more than the chip's %3</source>
            <extracomment>produce 21 | zh-CN: %1 有 %2 字节，多于芯片的 %3 字节</extracomment>
            <translation>%1 chứa %2 byte, nhiều hơn dung lượng %3 byte của chip</translation>
        </message>
        <message>
            <source>the serial number at 0x%1 (%2 bytes) lies outside the chip's %3 bytes</source>
            <extracomment>produce 22 | zh-CN: 位于 0x%1 的序列号（%2 字节）超出芯片的 %3 字节</extracomment>
            <translation>số sê-ri tại 0x%1 (%2 byte) nằm ngoài %3 byte của chip</translation>
        </message>
        <message>
            <source>the chip reports no ID; choose it with --chip MODEL</source>
            <extracomment>produce 23 | zh-CN: 芯片没有返回 ID；请用 --chip MODEL 选择它</extracomment>
            <translation>chip không trả về ID; hãy chọn chip bằng --chip MODEL</translation>
        </message>
        <message>
            <source>unknown chip ID %1</source>
            <extracomment>produce 24 | zh-CN: 未知的芯片 ID %1</extracomment>
            <translation>ID chip không xác định %1</translation>
        </message>
        <message>
            <source>chip ID %1 is not the chip of this run</source>
            <extracomment>produce 25 | zh-CN: 芯片 ID %1 不是本次运行的芯片</extracomment>
            <translation>ID chip %1 không phải chip của lần chạy này</translation>
        </message>
        <message>
            <source>the operation did not complete</source>
            <extracomment>produce 26 | zh-CN: 操作没有完成</extracomment>
            <translation>thao tác chưa hoàn tất</translation>
        </message>
        <message>
            <source>cannot read the serial file %1: %2</source>
            <extracomment>produce 27 | zh-CN: 无法读取序列号文件 %1：%2</extracomment>
            <translation>không đọc được tệp số sê-ri %1: %2</translation>
        </message>
        <message>
            <source>the serial file %1 does not hold a number</source>
            <extracomment>produce 28 | zh-CN: 序列号文件 %1 中没有数字</extracomment>
            <translation>tệp số sê-ri %1 không chứa số nào</translation>
        </message>
        <message>
            <source>cannot write the serial file %1: %2</source>
            <extracomment>produce 29 | zh-CN: 无法写入序列号文件 %1：%2</extracomment>
            <translation>không ghi được tệp số sê-ri %1: %2</translation>
        </message>
        <message>
            <source>cannot open the log %1: %2</source>
            <extracomment>produce 30 | zh-CN: 无法打开日志 %1：%2</extracomment>
            <translation>không mở được nhật ký %1: %2</translation>
        </message>
        <message>
            <source>write error</source>
            <extracomment>produce 31 | zh-CN: 写入错误</extracomment>
            <translation>lỗi ghi</translation>
        </message>
        <message>
            <source>the serial file %1 was removed or set back below %2, the number this run left in it; no number is taken from it, so that none is given twice</source>
            <extracomment>produce 32 | zh-CN: 序列号文件 %1 被删除或被改回到本次运行写入的 %2 以下；为免一个序列号用两次，不再从中取号</extracomment>
            <translation>tệp số sê-ri %1 đã bị xóa hoặc bị đặt lùi xuống dưới %2, số mà lần chạy này để lại trong đó; không lấy số nào từ tệp nữa, để không số nào bị cấp hai lần</translation>
        </message>
        <message>
            <source>unknown serial format '%1' (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)</source>
            <extracomment>produce 33 | zh-CN: 未知的序列号格式“%1”（le16、be16、le32、be32、le64、be64、ascii:W、hex:W）</extracomment>
            <translation>định dạng số sê-ri không rõ “%1” (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)</translation>
        </message>
        <message>
            <source>Usage:</source>
            <extracomment>command line 0 | zh-CN: 用法：</extracomment>
            <translation>Cách dùng:</translation>
        </message>
        <message>
            <source>Options:</source>
            <extracomment>command line 1 | zh-CN: 选项：</extracomment>
            <translation>Tùy chọn:</translation>
        </message>
        <message>
            <source>Commands:</source>
            <extracomment>command line 2 | zh-CN: 命令：</extracomment>
            <translation>Lệnh:</translation>
        </message>
        <message>
            <source>Shared options, before or after the command (each command's --help lists those it takes):</source>
            <extracomment>command line 3 | zh-CN: 共用选项，可放在命令之前或之后（各命令的 --help 列出它接受的选项）：</extracomment>
            <translation>Tùy chọn chung, đặt trước hoặc sau lệnh (--help của mỗi lệnh liệt kê các tùy chọn mà lệnh đó nhận):</translation>
        </message>
        <message>
            <source>this text</source>
            <extracomment>command line 4 | zh-CN: 显示本说明</extracomment>
            <translation>văn bản này</translation>
        </message>
        <message>
            <source>the version</source>
            <extracomment>command line 5 | zh-CN: 显示版本</extracomment>
            <translation>phiên bản</translation>
        </message>
        <message>
            <source>list the chips of the chip database</source>
            <extracomment>command line 6 | zh-CN: 列出芯片数据库中的芯片</extracomment>
            <translation>liệt kê các chip trong cơ sở dữ liệu chip</translation>
        </message>
        <message>
            <source>list the attached programmers</source>
            <extracomment>command line 7 | zh-CN: 列出已连接的编程器</extracomment>
            <translation>liệt kê các mạch nạp đã kết nối</translation>
        </message>
        <message>
            <source>identify the chip in the programmer's socket</source>
            <extracomment>command line 8 | zh-CN: 识别编程器插座中的芯片</extracomment>
            <translation>nhận dạng chip trong đế cắm của mạch nạp</translation>
        </message>
        <message>
            <source>read the chip into a file</source>
            <extracomment>command line 9 | zh-CN: 把芯片读出到文件</extracomment>
            <translation>đọc chip ra một tệp</translation>
        </message>
        <message>
            <source>write a file into the chip</source>
            <extracomment>command line 10 | zh-CN: 把文件写入芯片</extracomment>
            <translation>ghi một tệp vào chip</translation>
        </message>
        <message>
            <source>compare the chip with a file</source>
            <extracomment>command line 11 | zh-CN: 把芯片与文件比较</extracomment>
            <translation>so sánh chip với một tệp</translation>
        </message>
        <message>
            <source>erase the chip</source>
            <extracomment>command line 12 | zh-CN: 擦除芯片</extracomment>
            <translation>xóa chip</translation>
        </message>
        <message>
            <source>check that the chip is erased</source>
            <extracomment>command line 13 | zh-CN: 检查芯片是否已擦空</extracomment>
            <translation>kiểm tra chip đã được xóa trống</translation>
        </message>
        <message>
            <source>erase, write and verify in one run</source>
            <extracomment>command line 14 | zh-CN: 一次完成擦除、写入和校验</extracomment>
            <translation>xóa, ghi và xác minh trong một lần chạy</translation>
        </message>
        <message>
            <source>program chip after chip with serial numbers, checksums and a log</source>
            <extracomment>command line 15 | zh-CN: 逐片烧写芯片，带序列号、校验和与日志</extracomment>
            <translation>nạp lần lượt từng chip, kèm số sê-ri, tổng kiểm tra và nhật ký</translation>
        </message>
        <message>
            <source>convert a buffer file between binary, Intel HEX and S-record (OUT - : standard output)</source>
            <extracomment>command line 16 | zh-CN: 在二进制、Intel HEX 和 S-record 之间转换缓冲区文件（OUT 为 - 时写到标准输出）</extracomment>
            <translation>chuyển đổi tệp bộ đệm giữa nhị phân, Intel HEX và S-record (OUT - : đầu ra chuẩn)</translation>
        </message>
        <message>
            <source>print the CRC32 and SHA-256 of a file as it would be programmed</source>
            <extracomment>command line 17 | zh-CN: 打印文件按烧写时的 CRC32 和 SHA-256</extracomment>
            <translation>in CRC32 và SHA-256 của một tệp như khi được nạp</translation>
        </message>
        <message>
            <source>Lists the chips of the chip database, one a line: type, maker, model, ID, size and page
size in bytes. With FILTER only the chips whose name (type,maker,model) contains it,
letter case ignored.</source>
            <extracomment>command line 18 | zh-CN: 列出芯片数据库中的芯片，每行一个：类型、厂家、型号、ID、容量和页大小（字节）。
给出 FILTER 时只列名称（类型,厂家,型号）中含有它的芯片，不分大小写。</extracomment>
            <translation>Liệt kê các chip trong cơ sở dữ liệu chip, mỗi dòng một chip: loại, nhà sản xuất, model, ID, dung
lượng và cỡ trang tính bằng byte. Khi có FILTER, chỉ liệt kê các chip có tên (loại,nhà sản
xuất,model) chứa nó, không phân biệt chữ hoa chữ thường.</translation>
        </message>
        <message>
            <source>Lists the attached programmers, one a line: its number N, BUS:DEVICE, serial (&quot;-&quot; when it has
none) and product, columns separated by two spaces. Any of the first three selects it for
another command with --programmer. No programmer attached: exit code 3.</source>
            <extracomment>command line 19 | zh-CN: 列出已连接的编程器，每行一个：编号 N、BUS:DEVICE、序列号（没有时为“-”）和产品名，
各列以两个空格分隔。前三项中任一项都可用 --programmer 为其他命令选定该编程器。
没有连接编程器时退出码为 3。</extracomment>
            <translation>Liệt kê các mạch nạp đã kết nối, mỗi dòng một mạch nạp: số thứ tự N, BUS:DEVICE, số sê-ri (&quot;-&quot; khi
không có) và tên sản phẩm, các cột cách nhau bằng hai dấu cách. Bất kỳ giá trị nào trong ba giá trị
đầu đều chọn được mạch nạp đó cho lệnh khác bằng --programmer. Không có mạch nạp nào được kết nối:
mã thoát 3.</translation>
        </message>
        <message>
            <source>Asks the programmer which chip is in the socket and prints what it found, followed by
the chip's list line when the database knows its ID.</source>
            <extracomment>command line 20 | zh-CN: 询问编程器插座中是什么芯片并打印结果；数据库认识该 ID 时再打印该芯片的列表行。</extracomment>
            <translation>Hỏi mạch nạp xem chip nào đang nằm trong đế cắm và in ra kết quả, kèm theo dòng danh sách của chip
khi cơ sở dữ liệu biết ID của nó.</translation>
        </message>
        <message>
            <source>Reads the chip and saves its whole capacity to OUT: .hex Intel HEX;
%1 S-record; any other name binary. OUT must be
writable before the chip is read. An existing OUT is replaced only with --yes or after a yes
on a terminal.</source>
            <extracomment>command line 21 | zh-CN: 读出芯片并把整个容量保存到 OUT：.hex 为 Intel HEX；%1 为 S-record；其他名称为二进制。
读芯片之前先确认 OUT 可写。已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换。</extracomment>
            <translation>Đọc chip và lưu toàn bộ dung lượng vào OUT: .hex là Intel HEX; %1 là S-record; mọi tên khác là nhị
phân. OUT phải ghi được trước khi đọc chip. OUT đã có chỉ bị thay thế khi có --yes hoặc sau khi trả
lời có trên terminal.</translation>
        </message>
        <message>
            <source>Loads IN (.hex Intel HEX; %1 S-record; .eep by
content; .cap capsule; else binary; --from forces a format) and writes it into the chip,
rounded up to whole pages. A file larger than the chip is refused unless --yes (or a yes
on a terminal) allows writing its first chip-size bytes.</source>
            <extracomment>command line 22 | zh-CN: 载入 IN（.hex 为 Intel HEX；%1 为 S-record；.eep 按内容；.cap 为胶囊文件；其他为二进制；
--from 指定格式）并写入芯片，长度补足到整页。大于芯片的文件会被拒绝，除非 --yes
（或终端上回答“是”）允许只写入其前面芯片容量大小的字节。</extracomment>
            <translation>Tải IN (.hex là Intel HEX; %1 là S-record; .eep theo nội dung; .cap là tệp capsule; còn lại là nhị
phân; --from ép một định dạng) rồi ghi vào chip, làm tròn lên thành trang đầy đủ. Tệp lớn hơn chip
bị từ chối, trừ khi --yes (hoặc trả lời có trên terminal) cho phép chỉ ghi phần đầu của tệp bằng
dung lượng chip.</translation>
        </message>
        <message>
            <source>Loads IN as write does and compares the chip with it; of a file longer than the chip
only the chip's size is compared, and a warning says so. With --all a difference
is followed by a read of the whole chip and a list of the first 50 differing ranges.</source>
            <extracomment>command line 23 | zh-CN: 像 write 一样载入 IN 并把芯片与它比较；比芯片长的文件只比较芯片容量的部分，并给出警告。
使用 --all 时，发现差异后读出整个芯片并列出前 50 段不同的范围。</extracomment>
            <translation>Tải IN như lệnh write và so sánh chip với nó; với tệp dài hơn chip, chỉ phần bằng dung lượng chip
được so sánh và có cảnh báo về điều đó. Với --all, khi có khác biệt, toàn bộ chip sẽ được đọc và 50
vùng khác nhau đầu tiên được liệt kê.</translation>
        </message>
        <message>
            <source>Erases the whole chip.</source>
            <extracomment>command line 24 | zh-CN: 擦除整个芯片。</extracomment>
            <translation>Xóa toàn bộ chip.</translation>
        </message>
        <message>
            <source>Checks that every byte of the chip reads 0xFF.</source>
            <extracomment>command line 25 | zh-CN: 检查芯片的每个字节都读出 0xFF。</extracomment>
            <translation>Kiểm tra mọi byte của chip đều đọc ra 0xFF.</translation>
        </message>
        <message>
            <source>Loads IN as write does, then erases the chip, writes IN and verifies it; the --no-...
options leave steps out. A step that fails ends the run.</source>
            <extracomment>command line 26 | zh-CN: 像 write 一样载入 IN，然后擦除芯片、写入 IN 并校验；--no-... 选项可省去某些步骤。
任何一步失败即结束。</extracomment>
            <translation>Tải IN như lệnh write, sau đó xóa chip, ghi IN và xác minh; các tùy chọn --no-... bỏ bớt bước. Một
bước thất bại sẽ kết thúc lần chạy.</translation>
        </message>
        <message>
            <source>Programs one chip after another with IN: prints &quot;Insert a chip&quot; and waits for a chip in the
socket, erases, writes and verifies it, prints &quot;#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)&quot;
(the image rounded up to whole pages, as checksum IN --chip labels it) or &quot;#K FAIL REASON&quot;,
then &quot;Remove the chip&quot; and waits for the socket to be empty. Stops after --count chips, or
at Ctrl+C (SIGTERM, SIGHUP) once the chip in hand is finished, and prints &quot;N passed, M failed&quot;.
Exit code 0 when every chip passed, 1 when one failed, 2 for a file or number refused before
the first chip, 3 when the programmer went away, 4 when a record (serial file, log, standard
output) could not be written after chips were programmed.

Serial numbers: --serial-at ADDR --serial-start N write N into the first chip at ADDR, each
chip written to the next (--serial-step, default 1); a chip refused before it is written gives
its number to the next.
--serial-format le16|be16|le32|be32|le64|be64 (binary, default le32), ascii:W (W decimal
digits, zero-padded) or hex:W (W upper-case hex digits). --serial-file FILE keeps the next
number between runs and between the runs of a gang that share it: each number is taken from
it under a lock before its chip is written (it wins over --serial-start once it exists).
--log FILE appends one JSON object per chip, written before its PASS line is printed. The run
keeps the first programmer it opens; one held by another program is waited for (--busy-wait).</source>
            <extracomment>command line 27 | zh-CN: 用 IN 逐片烧写芯片：打印“Insert a chip”并等待插座中放入芯片，擦除、写入并校验，
打印“#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)”（补足到整页的映像，即
checksum IN --chip 标注的那一个）或“#K FAIL REASON”，然后打印“Remove the chip”并等待
插座变空。烧完 --count 片，或按 Ctrl+C（SIGTERM、SIGHUP）且手上的芯片完成后停止，
并打印“N passed, M failed”。
退出码：全部通过为 0，有一片失败为 1，第一片之前文件或数值被拒绝为 2，编程器断开为 3，
芯片已烧写但记录（序列号文件、日志、标准输出）无法写入为 4。

序列号：--serial-at ADDR --serial-start N 把 N 写入第一片的 ADDR 处，每写入一片递增
（--serial-step，默认 1）；写入前被拒绝的芯片把它的号码留给下一片。
--serial-format le16|be16|le32|be32|le64|be64（二进制，默认 le32）、ascii:W（W 位十进制
数字，前补零）或 hex:W（W 位大写十六进制数字）。--serial-file FILE 在多次运行之间、
以及共用它的一组运行之间保存下一个号码：每个号码都在写入其芯片之前于锁内从中取出
（文件存在后它优先于 --serial-start）。
--log FILE 每片追加一个 JSON 对象，在打印 PASS 行之前写入。一次运行始终使用它打开的
第一个编程器；被其他程序占用时会等待（--busy-wait）。</extracomment>
            <translation>Nạp lần lượt từng chip bằng IN: in &quot;Insert a chip&quot; và chờ có chip trong đế cắm, xóa, ghi và xác minh
chip, in &quot;#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)&quot; (ảnh đã làm tròn lên thành trang đầy đủ,
như checksum IN --chip ghi nhãn) hoặc &quot;#K FAIL REASON&quot;, rồi in &quot;Remove the chip&quot; và chờ đế cắm
trống. Dừng sau --count chip, hoặc khi nhấn Ctrl+C (SIGTERM, SIGHUP) sau khi chip đang nạp hoàn tất,
rồi in &quot;N passed, M failed&quot;.
Mã thoát: 0 khi mọi chip đạt, 1 khi có chip thất bại, 2 khi tệp hoặc số bị từ chối trước chip đầu
tiên, 3 khi mạch nạp bị ngắt, 4 khi không ghi được bản ghi (tệp số sê-ri, nhật ký, đầu ra chuẩn) sau
khi đã nạp chip.

Số sê-ri: --serial-at ADDR --serial-start N ghi N vào chip đầu tiên tại ADDR, mỗi chip được ghi sau
đó nhận số kế tiếp (--serial-step, mặc định 1); chip bị từ chối trước khi ghi nhường số của nó cho chip sau.
--serial-format le16|be16|le32|be32|le64|be64 (nhị phân, mặc định le32), ascii:W (W chữ số thập
phân, thêm số 0 ở đầu) hoặc hex:W (W chữ số thập lục phân viết hoa). --serial-file FILE giữ số tiếp
theo giữa các lần chạy và giữa các lần chạy của một nhóm mạch nạp dùng chung tệp đó: mỗi số được lấy
từ tệp dưới khóa trước khi ghi chip của nó (khi tệp đã tồn tại, nó được ưu tiên hơn --serial-start).
--log FILE thêm một đối tượng JSON cho mỗi chip, được ghi trước khi in dòng PASS của chip đó. Lần
chạy giữ mạch nạp đầu tiên mà nó mở; nếu mạch nạp đang bị chương trình khác chiếm giữ thì sẽ chờ
(--busy-wait).</translation>
        </message>
        <message>
            <source>Loads IN (its format by its name or --from) and saves it as binary, Intel HEX or S-record
(%1) as --to or OUT's name says. An existing OUT is replaced only with --yes or after a
yes on a terminal; OUT - sends the image to standard output.</source>
            <extracomment>command line 28 | zh-CN: 载入 IN（格式按名称或 --from）并按 --to 或 OUT 的名称保存为二进制、Intel HEX 或
S-record（%1）。
已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换；OUT 为 - 时映像写到标准输出。</extracomment>
            <translation>Tải IN (định dạng theo tên hoặc theo --from) và lưu thành nhị phân, Intel HEX hoặc S-record (%1)
theo --to hoặc theo tên của OUT. OUT đã có chỉ bị thay thế khi có --yes hoặc sau khi trả lời có trên
terminal; OUT - gửi ảnh ra đầu ra chuẩn.</translation>
        </message>
        <message>
            <source>Prints &quot;CRC32 XXXXXXXX  SHA-256 &lt;64 hex digits&gt;  N bytes&quot; for IN as it would be programmed:
decoded (.hex Intel HEX; %1 S-record; .eep by content;
.cap capsule; else binary; unless --from says). With --chip, two labelled lines: the whole chip
(IN cut or padded with 0xFF to the chip's size), the sum a later read gives; and the programmed
image (IN rounded up to whole pages), the sum the PASS, auto and write lines show. The CRC32 is
the common IEEE one.</source>
            <extracomment>command line 29 | zh-CN: 打印 IN 按烧写时的“CRC32 XXXXXXXX  SHA-256 &lt;64 个十六进制数字&gt;  N bytes”：
先解码（.hex 为 Intel HEX；%1 为 S-record；.eep 按内容；.cap 为胶囊文件；其他为二进制；
--from 另有指定时除外）。使用 --chip 时打印两行并加标注：整个芯片（IN 截断或用 0xFF
补足到芯片容量），即日后读出所得的校验和；以及烧写的映像（IN 补足到整页），即 PASS、
auto 和 write 行显示的校验和。CRC32 为通用的 IEEE 算法。</extracomment>
            <translation>In &quot;CRC32 XXXXXXXX  SHA-256 &lt;64 hex digits&gt;  N bytes&quot; cho IN như khi được nạp: sau khi giải mã (.hex
là Intel HEX; %1 là S-record; .eep theo nội dung; .cap là tệp capsule; còn lại là nhị phân; trừ khi
--from chỉ định khác). Với --chip, in hai dòng có nhãn: toàn bộ chip (IN bị cắt hoặc thêm 0xFF cho
đủ dung lượng chip), tức tổng mà một lần đọc sau này cho ra; và ảnh được nạp (IN làm tròn lên thành
trang đầy đủ), tức tổng mà các dòng PASS, auto và write hiển thị. CRC32 là thuật toán IEEE thông
dụng.</translation>
        </message>
        <message>
            <source>the chip by its model name (letter case does not matter)</source>
            <extracomment>command line 30 | zh-CN: 按型号名选择芯片（不分大小写）</extracomment>
            <translation>chip theo tên model (không phân biệt chữ hoa chữ thường)</translation>
        </message>
        <message>
            <source>the manufacturer, where makers share a model name</source>
            <extracomment>command line 31 | zh-CN: 厂家，用于不同厂家有同名型号时</extracomment>
            <translation>nhà sản xuất, khi nhiều hãng có cùng tên model</translation>
        </message>
        <message>
            <source>the chip the programmer identifies in the socket</source>
            <extracomment>command line 32 | zh-CN: 使用编程器在插座中识别出的芯片</extracomment>
            <translation>chip mà mạch nạp nhận dạng được trong đế cắm</translation>
        </message>
        <message>
            <source>leave out the erase step</source>
            <extracomment>command line 33 | zh-CN: 省去擦除步骤</extracomment>
            <translation>bỏ qua bước xóa</translation>
        </message>
        <message>
            <source>leave out the write step</source>
            <extracomment>command line 34 | zh-CN: 省去写入步骤</extracomment>
            <translation>bỏ qua bước ghi</translation>
        </message>
        <message>
            <source>leave out the verify step</source>
            <extracomment>command line 35 | zh-CN: 省去校验步骤</extracomment>
            <translation>bỏ qua bước xác minh</translation>
        </message>
        <message>
            <source>on a difference, read the whole chip and list up to 50 ranges</source>
            <extracomment>command line 36 | zh-CN: 发现差异时读出整个芯片并列出至多 50 段范围</extracomment>
            <translation>khi có khác biệt, đọc toàn bộ chip và liệt kê tối đa 50 vùng</translation>
        </message>
        <message>
            <source>read IN as %1 whatever its name</source>
            <extracomment>command line 37 | zh-CN: 不论名称，把 IN 当作 %1 读入</extracomment>
            <translation>đọc IN dạng %1 bất kể tên tệp</translation>
        </message>
        <message>
            <source>write OUT as %1 whatever its name</source>
            <extracomment>command line 38 | zh-CN: 不论名称，把 OUT 写成 %1</extracomment>
            <translation>ghi OUT dạng %1 bất kể tên tệp</translation>
        </message>
        <message>
            <source>cut or pad to this chip's size</source>
            <extracomment>command line 39 | zh-CN: 截断或补足到该芯片的容量</extracomment>
            <translation>cắt hoặc thêm cho đủ dung lượng của chip này</translation>
        </message>
        <message>
            <source>programming speed: 12MHz (default), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz</source>
            <extracomment>command line 40 | zh-CN: 烧写速度：12MHz（默认）、6MHz、3MHz、1.5MHz、750KHz、375KHz</extracomment>
            <translation>tốc độ nạp: 12MHz (mặc định), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz</translation>
        </message>
        <message>
            <source>use the programmer simulator; CONFIG names its configuration</source>
            <extracomment>command line 41 | zh-CN: 使用编程器模拟器；CONFIG 指定其配置</extracomment>
            <translation>dùng trình mô phỏng mạch nạp; CONFIG chỉ định cấu hình của nó</translation>
        </message>
        <message>
            <source>bind this library (libusb-0.1 interface) instead of the default</source>
            <extracomment>command line 42 | zh-CN: 绑定此库（libusb-0.1 接口）代替默认库</extracomment>
            <translation>liên kết thư viện này (giao diện libusb-0.1) thay cho thư viện mặc định</translation>
        </message>
        <message>
            <source>chip database file (default: the window program's database)</source>
            <extracomment>command line 43 | zh-CN: 芯片数据库文件（默认：窗口程序的数据库）</extracomment>
            <translation>tệp cơ sở dữ liệu chip (mặc định: cơ sở dữ liệu của chương trình cửa sổ)</translation>
        </message>
        <message>
            <source>message language: %1 (default: the locale's)</source>
            <extracomment>command line 44 | zh-CN: 消息语言：%1（默认按区域设置）</extracomment>
            <translation>ngôn ngữ thông báo: %1 (mặc định: theo thiết lập vùng)</translation>
        </message>
        <message>
            <source>answer yes to the question a terminal would be asked</source>
            <extracomment>command line 45 | zh-CN: 对终端上会提出的问题回答“是”</extracomment>
            <translation>trả lời có cho câu hỏi lẽ ra được hỏi trên terminal</translation>
        </message>
        <message>
            <source>only this programmer: its serial, BUS:DEVICE or number N (zorvex-cli programmers)</source>
            <extracomment>command line 46 | zh-CN: 只用此编程器：其序列号、BUS:DEVICE 或编号 N（见 zorvex-cli programmers）</extracomment>
            <translation>chỉ dùng mạch nạp này: số sê-ri, BUS:DEVICE hoặc số thứ tự N của nó (zorvex-cli programmers)</translation>
        </message>
        <message>
            <source>stop after N chips</source>
            <extracomment>command line 47 | zh-CN: 烧完 N 片后停止</extracomment>
            <translation>dừng sau N chip</translation>
        </message>
        <message>
            <source>write a serial number at ADDR (decimal or 0x-hex)</source>
            <extracomment>command line 48 | zh-CN: 在 ADDR 处写入序列号（十进制或 0x 十六进制）</extracomment>
            <translation>ghi số sê-ri tại ADDR (thập phân hoặc thập lục phân dạng 0x)</translation>
        </message>
        <message>
            <source>the first chip's serial number</source>
            <extracomment>command line 49 | zh-CN: 第一片的序列号</extracomment>
            <translation>số sê-ri của chip đầu tiên</translation>
        </message>
        <message>
            <source>added for every chip written to (default 1)</source>
            <extracomment>command line 50 | zh-CN: 每写入一片加上的值（默认 1）</extracomment>
            <translation>giá trị cộng thêm cho mỗi chip được ghi (mặc định 1)</translation>
        </message>
        <message>
            <source>le16, be16, le32, be32, le64, be64, ascii:W, hex:W</source>
            <extracomment>command line 51 | zh-CN: le16、be16、le32、be32、le64、be64、ascii:W、hex:W</extracomment>
            <translation>le16, be16, le32, be32, le64, be64, ascii:W hoặc hex:W</translation>
        </message>
        <message>
            <source>the next serial number, kept between runs</source>
            <extracomment>command line 52 | zh-CN: 下一个序列号，在多次运行之间保存</extracomment>
            <translation>số sê-ri tiếp theo, được giữ giữa các lần chạy</translation>
        </message>
        <message>
            <source>append one JSON line per chip</source>
            <extracomment>command line 53 | zh-CN: 每片追加一行 JSON</extracomment>
            <translation>thêm một dòng JSON cho mỗi chip</translation>
        </message>
        <message>
            <source>socket poll interval (default 300)</source>
            <extracomment>command line 54 | zh-CN: 插座轮询间隔（默认 300）</extracomment>
            <translation>khoảng thời gian dò đế cắm (mặc định 300)</translation>
        </message>
        <message>
            <source>wait up to S seconds while another program holds the programmer (default 60)</source>
            <extracomment>command line 55 | zh-CN: 编程器被其他程序占用时最多等待 S 秒（默认 60）</extracomment>
            <translation>chờ tối đa S giây khi chương trình khác đang giữ mạch nạp (mặc định 60)</translation>
        </message>
        <message>
            <source>open this buffer file (binary, Intel HEX, S-record) at start</source>
            <extracomment>command line 56 | zh-CN: 启动时打开此缓冲区文件（二进制、Intel HEX、S-record）</extracomment>
            <translation>mở tệp bộ đệm này khi khởi động (nhị phân, Intel HEX, S-record)</translation>
        </message>
        <message>
            <source>use the programmer simulator shipped with the program instead of the USB library; CONFIG names a simulator configuration file</source>
            <extracomment>command line 57 | zh-CN: 使用随程序提供的编程器模拟器代替 USB 库；CONFIG 指定模拟器配置文件</extracomment>
            <translation>dùng trình mô phỏng mạch nạp đi kèm chương trình thay cho thư viện USB; CONFIG chỉ định một tệp cấu hình trình mô phỏng</translation>
        </message>
        <message>
            <source>the whole chip, as a later read gives it (when it was erased first)</source>
            <extracomment>command line 58 | zh-CN: 整个芯片，即日后读出所得（须先擦除）</extracomment>
            <translation>toàn bộ chip, như một lần đọc sau này cho ra (khi chip đã được xóa trước)</translation>
        </message>
        <message>
            <source>the programmed image, as PASS, auto and write show it</source>
            <extracomment>command line 59 | zh-CN: 烧写的映像，即 PASS、auto 和 write 所显示</extracomment>
            <translation>ảnh được nạp, như PASS, auto và write hiển thị</translation>
        </message>
        <message>
            <source>only one file can be opened: %1</source>
            <extracomment>command line 60 | zh-CN: 只能打开一个文件：%1</extracomment>
            <translation>chỉ mở được một tệp: %1</translation>
        </message>
        <message>
            <source>unknown option: %1</source>
            <extracomment>command line 61 | zh-CN: 未知选项：%1</extracomment>
            <translation>tùy chọn không xác định: %1</translation>
        </message>
        <message>
            <source>Try 'zorvex --help'.</source>
            <extracomment>command line 62 | zh-CN: 用法见 'zorvex --help'。</extracomment>
            <translation>Xem 'zorvex --help'.</translation>
        </message>
        <message>
            <source>USB programmer for serial memory chips</source>
            <extracomment>fixed 1 | shown alike in zh-CN, zh-TW and en as: USB programmer for serial memory chips</extracomment>
            <translation>Mạch nạp USB cho chip nhớ nối tiếp</translation>
        </message>
        <message>
            <source>Binary</source>
            <extracomment>fixed 2 | shown alike in zh-CN, zh-TW and en as: Binary</extracomment>
            <translation>Nhị phân</translation>
        </message>
        <message>
            <source>All files</source>
            <extracomment>fixed 3 | shown alike in zh-CN, zh-TW and en as: All files</extracomment>
            <translation>Tất cả tệp</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>fixed 4 | shown alike in zh-CN, zh-TW and en as: Error</extracomment>
            <translation>Lỗi</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>fixed 5 | shown alike in zh-CN, zh-TW and en as: Information</extracomment>
            <translation>Thông tin</translation>
        </message>
        <message>
            <source>Question</source>
            <extracomment>fixed 6 | shown alike in zh-CN, zh-TW and en as: Info</extracomment>
            <translation>Câu hỏi</translation>
        </message>
        <message>
            <source>Unknown error</source>
            <extracomment>fixed 7 | shown alike in zh-CN, zh-TW and en as: Unknown error</extracomment>
            <translation>Lỗi không xác định</translation>
        </message>
        <message>
            <source>File is too big for Buffer</source>
            <extracomment>fixed 8 | shown alike in zh-CN, zh-TW and en as: File is too big for Buffer</extracomment>
            <translation>Tệp quá lớn so với bộ đệm</translation>
        </message>
        <message>
            <source>File is shorter than the 2048-byte capsule header</source>
            <extracomment>fixed 9 | shown alike in zh-CN, zh-TW and en as: File is shorter than the 2048-byte capsule header</extracomment>
            <translation>Tệp ngắn hơn phần đầu capsule 2048 byte</translation>
        </message>
        <message>
            <source>Error reading File</source>
            <extracomment>fixed 10 | shown alike in zh-CN, zh-TW and en as: Error reading File</extracomment>
            <translation>Lỗi khi đọc tệp</translation>
        </message>
        <message>
            <source>Data length exceeds the buffer</source>
            <extracomment>fixed 11 | shown alike in zh-CN, zh-TW and en as: Data length exceeds the buffer</extracomment>
            <translation>Độ dài dữ liệu vượt quá bộ đệm</translation>
        </message>
        <message>
            <source>Select data format</source>
            <extracomment>fixed 12 | shown alike in zh-CN, zh-TW and en as: Select data format</extracomment>
            <translation>Chọn định dạng dữ liệu</translation>
        </message>
        <message>
            <source>Hex text</source>
            <extracomment>fixed 13 | shown alike in zh-CN, zh-TW and en as: Hex text</extracomment>
            <translation>Văn bản thập lục phân</translation>
        </message>
        <message>
            <source>Can't open File</source>
            <extracomment>fixed 14 | shown alike in zh-CN, zh-TW and en as: Can't open File</extracomment>
            <translation>Không mở được tệp</translation>
        </message>
        <message>
            <source>'%1' is not a valid integer value</source>
            <extracomment>fixed 15 | shown alike in zh-CN, zh-TW and en as: '%1' is not a valid integer value</extracomment>
            <translation>&quot;%1&quot; không phải là giá trị số nguyên hợp lệ</translation>
        </message>
        <message>
            <source>25 flash series</source>
            <extracomment>fixed 16 | shown alike in zh-CN, zh-TW and en as: 25 flash 系列</extracomment>
            <translation>Flash dòng 25</translation>
        </message>
        <message>
            <source>24 eeprom series</source>
            <extracomment>fixed 17 | shown alike in zh-CN, zh-TW and en as: 24 eeprom 系列</extracomment>
            <translation>EEPROM dòng 24</translation>
        </message>
        <message>
            <source>93 eeprom series</source>
            <extracomment>fixed 18 | shown alike in zh-CN, zh-TW and en as: 93 eeprom 系列</extracomment>
            <translation>EEPROM dòng 93</translation>
        </message>
        <message>
            <source>25 eeprom series</source>
            <extracomment>fixed 19 | shown alike in zh-CN, zh-TW and en as: 25 eeprom 系列</extracomment>
            <translation>EEPROM dòng 25</translation>
        </message>
        <message>
            <source>95 eeprom series</source>
            <extracomment>fixed 20 | shown alike in zh-CN, zh-TW and en as: 95 eeprom 系列</extracomment>
            <translation>EEPROM dòng 95</translation>
        </message>
        <message>
            <source>non-SST SPI flash</source>
            <extracomment>fixed 21 | shown alike in zh-CN, zh-TW and en as: 非SST SPI flash</extracomment>
            <translation>SPI flash khác SST</translation>
        </message>
        <message>
            <source>under 4KB</source>
            <extracomment>fixed 22 | shown alike in zh-CN, zh-TW and en as: 小于4KB</extracomment>
            <translation>dưới 4KB</translation>
        </message>
        <message>
            <source>4KB or more</source>
            <extracomment>fixed 23 | shown alike in zh-CN, zh-TW and en as: 大于等于4KB</extracomment>
            <translation>từ 4KB trở lên</translation>
        </message>
        <message>
            <source>under 512B</source>
            <extracomment>fixed 24 | shown alike in zh-CN, zh-TW and en as: 小于512B</extracomment>
            <translation>dưới 512B</translation>
        </message>
        <message>
            <source>512B or more</source>
            <extracomment>fixed 25 | shown alike in zh-CN, zh-TW and en as: 大等于512B</extracomment>
            <translation>từ 512B trở lên</translation>
        </message>
        <message>
            <source>over 64KB</source>
            <extracomment>fixed 26 | shown alike in zh-CN, zh-TW and en as: 大于64KB</extracomment>
            <translation>trên 64KB</translation>
        </message>
        <message>
            <source>Chip type</source>
            <extracomment>fixed 27 | shown alike in zh-CN, zh-TW and en as: 芯片类型</extracomment>
            <translation>Loại chip</translation>
        </message>
        <message>
            <source>Chip maker</source>
            <extracomment>fixed 28 | shown alike in zh-CN, zh-TW and en as: 芯片厂家</extracomment>
            <translation>Hãng</translation>
        </message>
        <message>
            <source>Chip model</source>
            <extracomment>fixed 29 | shown alike in zh-CN, zh-TW and en as: 芯片型号</extracomment>
            <translation>Model chip</translation>
        </message>
        <message>
            <source>FLASH page</source>
            <extracomment>fixed 31 | shown alike in zh-CN, zh-TW and en as: FLASH页</extracomment>
            <translation>Trang FLASH</translation>
        </message>
        <message>
            <source>Family</source>
            <extracomment>fixed 32 | shown alike in zh-CN, zh-TW and en as: 类型</extracomment>
            <translation>Họ chip</translation>
        </message>
        <message>
            <source>Subtype</source>
            <extracomment>fixed 33 | shown alike in zh-CN, zh-TW and en as: 子类型</extracomment>
            <translation>Loại con</translation>
        </message>
        <message>
            <source>Linked XML</source>
            <extracomment>fixed 37 | shown alike in zh-CN, zh-TW and en as: 关联XML</extracomment>
            <translation>XML liên kết</translation>
        </message>
        <message>
            <source>on a difference, read the whole chip and list every one</source>
            <translation type="vanished">khi có khác biệt, đọc toàn bộ chip và liệt kê từng chỗ khác</translation>
        </message>
        <message>
            <source> The part already read was discarded; the buffer is empty.</source>
            <translation type="vanished"> Phần đã đọc đã bị loại bỏ; bộ đệm trống.</translation>
        </message>
        <message>
            <source>Programs one chip after another with IN: prints &quot;Insert a chip&quot; and waits for a chip in the
socket, erases, writes and verifies it, prints &quot;#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)&quot;
(the image rounded up to whole pages, as checksum IN --chip labels it) or &quot;#K FAIL REASON&quot;,
then &quot;Remove the chip&quot; and waits for the socket to be empty. Stops after --count chips, or
at Ctrl+C (SIGTERM, SIGHUP) once the chip in hand is finished, and prints &quot;N passed, M failed&quot;.
Exit code 0 when every chip passed, 1 when one failed, 2 for a file or number refused before
the first chip, 3 when the programmer went away, 4 when a record (serial file, log, standard
output) could not be written after chips were programmed.

Serial numbers: --serial-at ADDR --serial-start N write N into the first chip at ADDR, each
passed chip the next (--serial-step, default 1); a failed chip gives its number to the next.
--serial-format le16|be16|le32|be32|le64|be64 (binary, default le32), ascii:W (W decimal
digits, zero-padded) or hex:W (W upper-case hex digits). --serial-file FILE keeps the next
number between runs and between the runs of a gang that share it: each number is taken from
it under a lock before its chip is written (it wins over --serial-start once it exists).
--log FILE appends one JSON object per chip, written before its PASS line is printed. The run
keeps the first programmer it opens; one held by another program is waited for (--busy-wait).</source>
            <translation type="vanished">Nạp lần lượt từng chip bằng IN: in &quot;Insert a chip&quot; và chờ có chip trong đế cắm, xóa, ghi và xác minh
chip, in &quot;#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)&quot; (ảnh đã làm tròn lên thành trang đầy đủ,
như checksum IN --chip ghi nhãn) hoặc &quot;#K FAIL REASON&quot;, rồi in &quot;Remove the chip&quot; và chờ đế cắm
trống. Dừng sau --count chip, hoặc khi nhấn Ctrl+C (SIGTERM, SIGHUP) sau khi chip đang nạp hoàn tất,
rồi in &quot;N passed, M failed&quot;.
Mã thoát: 0 khi mọi chip đạt, 1 khi có chip thất bại, 2 khi tệp hoặc số bị từ chối trước chip đầu
tiên, 3 khi mạch nạp bị ngắt, 4 khi không ghi được bản ghi (tệp số sê-ri, nhật ký, đầu ra chuẩn) sau
khi đã nạp chip.

Số sê-ri: --serial-at ADDR --serial-start N ghi N vào chip đầu tiên tại ADDR, mỗi chip đạt sau đó
nhận số kế tiếp (--serial-step, mặc định 1); chip thất bại nhường số của nó cho chip sau.
--serial-format le16|be16|le32|be32|le64|be64 (nhị phân, mặc định le32), ascii:W (W chữ số thập
phân, thêm số 0 ở đầu) hoặc hex:W (W chữ số thập lục phân viết hoa). --serial-file FILE giữ số tiếp
theo giữa các lần chạy và giữa các lần chạy của một nhóm mạch nạp dùng chung tệp đó: mỗi số được lấy
từ tệp dưới khóa trước khi ghi chip của nó (khi tệp đã tồn tại, nó được ưu tiên hơn --serial-start).
--log FILE thêm một đối tượng JSON cho mỗi chip, được ghi trước khi in dòng PASS của chip đó. Lần
chạy giữ mạch nạp đầu tiên mà nó mở; nếu mạch nạp đang bị chương trình khác chiếm giữ thì sẽ chờ
(--busy-wait).</translation>
        </message>
        <message>
            <source>cannot create the folder %1 of the log</source>
            <translation type="vanished">không tạo được thư mục %1 của nhật ký</translation>
        </message>
        <message>
            <source>added for every passed chip (default 1)</source>
            <translation type="vanished">giá trị cộng thêm cho mỗi chip đạt (mặc định 1)</translation>
        </message>
        <message>
            <source>Loads IN as write does and compares the chip with it; of a file longer than the chip
only the chip's size is compared, and a warning says so. With --all a difference
is followed by a read of the whole chip and a list of every differing range.</source>
            <translation type="vanished">Tải IN như lệnh write và so sánh chip với nó; với tệp dài hơn chip, chỉ phần bằng dung lượng chip
được so sánh và có cảnh báo về điều đó. Với --all, khi có khác biệt, toàn bộ chip sẽ được đọc và mọi
vùng khác nhau được liệt kê.</translation>
        </message>
    </context>
</TS>
