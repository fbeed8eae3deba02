<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
    <context>
        <name>zorvex</name>
        <message>
            <source>Unknown chip ID =</source>
            <extracomment>message 0 | zh-CN: 未知型号芯片ID =</extracomment>
            <translation>Bilinmeyen çip kimliği =</translation>
        </message>
        <message>
            <source>Please choose the compatibility type manually.</source>
            <extracomment>message 1 | zh-CN: 请手动选择兼容型号。</extracomment>
            <translation>Lütfen uyumlu modeli elle seçin.</translation>
        </message>
        <message>
            <source>No chips detected, please put the chip to try again!</source>
            <extracomment>message 2 | zh-CN: 没有检测到芯片，请放置芯片再试！</extracomment>
            <translation>Çip algılanmadı. Lütfen çipi takıp yeniden deneyin.</translation>
        </message>
        <message>
            <source>The chip was detected:</source>
            <extracomment>message 3 | zh-CN: 检测到芯片：</extracomment>
            <translation>Algılanan çip:</translation>
        </message>
        <message>
            <source>

 Chip type</source>
            <extracomment>message 4 | zh-CN: 

芯片类型 ： | A label on a line of its own, followed directly by the chip's type: end it with a colon and a blank.</extracomment>
            <translation>

Çip türü: </translation>
        </message>
        <message>
            <source>Chip type is detected:</source>
            <extracomment>message 5 | zh-CN: 检测到芯片芯片类型: </extracomment>
            <translation>Algılanan çip türü:</translation>
        </message>
        <message>
            <source>

 Please manually select the corresponding type burn.</source>
            <extracomment>message 6 | zh-CN: 

请手动选择对应型号烧写。 | Means &quot;Please choose the matching chip model by hand and program it.&quot;</extracomment>
            <translation>

 Lütfen uygun çip modelini elle seçip programlayın.</translation>
        </message>
        <message>
            <source>The configuration file was destroyed.</source>
            <extracomment>message 7 | zh-CN: 配置文件被破坏！ | Means &quot;The chip list file is damaged.&quot;</extracomment>
            <translation>Çip listesi dosyası bozuk.</translation>
        </message>
        <message>
            <source>File already exists. Is it covered? </source>
            <extracomment>message 8 | zh-CN: 文件已存在,是否覆盖? | Means &quot;The file already exists. Overwrite it?&quot;</extracomment>
            <translation>Dosya zaten var. Üzerine yazılsın mı? </translation>
        </message>
        <message>
            <source>Error writing file.</source>
            <extracomment>message 9 | zh-CN: 写入文件出错。</extracomment>
            <translation>Dosya yazılırken hata oluştu.</translation>
        </message>
        <message>
            <source>The programmer is detected, and the working state is normal.</source>
            <extracomment>message 10 | zh-CN: 检测到编程器，工作状态正常。</extracomment>
            <translation>Programlayıcı algılandı, çalışma durumu normal.</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>message 11 | zh-CN: 准备好</extracomment>
            <translation>Hazır</translation>
        </message>
        <message>
            <source>Not connected</source>
            <extracomment>message 12 | zh-CN: 编程器未接入</extracomment>
            <translation>Bağlı değil</translation>
        </message>
        <message>
            <source>Erase Flash ...</source>
            <extracomment>message 13 | zh-CN: 擦除 Flash ...</extracomment>
            <translation>Flash siliniyor ...</translation>
        </message>
        <message>
            <source>Read Flash ...</source>
            <extracomment>message 14 | zh-CN: 读出 Flash ...</extracomment>
            <translation>Flash okunuyor ...</translation>
        </message>
        <message>
            <source>Bank Flash ...</source>
            <extracomment>message 15 | zh-CN: 查空 Flash ... | A typing slip for &quot;Blank check Flash ...&quot;: the blank check is running.</extracomment>
            <translation>Boş kontrolü ...</translation>
        </message>
        <message>
            <source>The chip is not empty.</source>
            <extracomment>message 16 | zh-CN: 芯片没有擦空</extracomment>
            <translation>Çip boş değil.</translation>
        </message>
        <message>
            <source>Verify Flash ...</source>
            <extracomment>message 17 | zh-CN: 校验 Flash ...</extracomment>
            <translation>Doğrulanıyor ...</translation>
        </message>
        <message>
            <source>Flash check error address:</source>
            <extracomment>message 18 | zh-CN: Flash 校验错误地址: </extracomment>
            <translation>Flash doğrulama hatası, adres:</translation>
        </message>
        <message>
            <source>Write Flash ...</source>
            <extracomment>message 19 | zh-CN: 编程 Flash ...</extracomment>
            <translation>Flash yazılıyor ...</translation>
        </message>
        <message>
            <source>File length is larger than chip capacity. Do you want to continue to write?</source>
            <extracomment>message 20 | zh-CN: 文件长度大于芯片容量,是否继续烧录?</extracomment>
            <translation>Dosya boyutu çip kapasitesinden büyük. Yazmaya devam edilsin mi?</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>message 21 | zh-CN: 打开</extracomment>
            <translation>Aç</translation>
        </message>
        <message>
            <source>Read Complete!</source>
            <extracomment>message 22 | zh-CN: 读出完成！</extracomment>
            <translation>Okuma tamamlandı.</translation>
        </message>
        <message>
            <source>The chip is empty!</source>
            <extracomment>message 23 | zh-CN: 芯片为空！</extracomment>
            <translation>Çip boş.</translation>
        </message>
        <message>
            <source>Erase Complete!</source>
            <extracomment>message 24 | zh-CN: 擦除完成！</extracomment>
            <translation>Silme tamamlandı.</translation>
        </message>
        <message>
            <source>Write Complete!</source>
            <extracomment>message 25 | zh-CN: 写入完成！</extracomment>
            <translation>Yazma tamamlandı.</translation>
        </message>
        <message>
            <source>The buffer data is empty. Please load the data file..</source>
            <extracomment>message 26 | zh-CN: 缓冲区数据为空，请加载数据文件。</extracomment>
            <translation>Arabellekte veri yok. Lütfen bir veri dosyası yükleyin.</translation>
        </message>
        <message>
            <source>Verify Complete!</source>
            <extracomment>message 27 | zh-CN: 校验完成！</extracomment>
            <translation>Doğrulama tamamlandı.</translation>
        </message>
        <message>
            <source>AUTO Complete!</source>
            <extracomment>message 28 | zh-CN: 自动编程校验通过！</extracomment>
            <translation>Otomatik programlama tamamlandı.</translation>
        </message>
        <message>
            <source>Bank Complete!</source>
            <extracomment>message 29 | zh-CN: 查空完成！</extracomment>
            <translation>Boş kontrolü tamamlandı.</translation>
        </message>
        <message>
            <source>Find</source>
            <extracomment>extra 0 | zh-CN: 查找</extracomment>
            <translation>Bul</translation>
        </message>
        <message>
            <source>Find what:</source>
            <extracomment>extra 1 | zh-CN: 查找内容：</extracomment>
            <translation>Aranan:</translation>
        </message>
        <message>
            <source>Hex bytes (?? stands for any one byte)</source>
            <extracomment>extra 2 | zh-CN: 十六进制字节（?? 代表任意一个字节）</extracomment>
            <translation>Onaltılık baytlar (?? herhangi bir bayt yerine geçer)</translation>
        </message>
        <message>
            <source>Text</source>
            <extracomment>extra 3 | zh-CN: 文本</extracomment>
            <translation>Metin</translation>
        </message>
        <message>
            <source>Ignore case</source>
            <extracomment>extra 4 | zh-CN: 忽略大小写</extracomment>
            <translation>Büyük/küçük harfi yoksay</translation>
        </message>
        <message>
            <source>From the caret</source>
            <extracomment>extra 5 | zh-CN: 从光标处开始</extracomment>
            <translation>İmleçten itibaren</translation>
        </message>
        <message>
            <source>From the start</source>
            <extracomment>extra 6 | zh-CN: 从头开始</extracomment>
            <translation>Baştan itibaren</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>extra 8 | zh-CN: 关闭</extracomment>
            <translation>Kapat</translation>
        </message>
        <message>
            <source>Enter the bytes or the text to find.</source>
            <extracomment>extra 9 | zh-CN: 请输入要查找的字节或文本。</extracomment>
            <translation>Aranacak baytları veya metni girin.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a hex byte: write two hex digits per byte, or ?? for any byte.</source>
            <extracomment>extra 10 | zh-CN: “%1”不是十六进制字节：每个字节写两位十六进制数字，或写 ?? 代表任意字节。</extracomment>
            <translation>&quot;%1&quot; onaltılık bir bayt değil: her bayt için iki onaltılık basamak, herhangi bir bayt için ?? yazın.</translation>
        </message>
        <message>
            <source>Give at least one byte that is not ??.</source>
            <extracomment>extra 11 | zh-CN: 至少需要一个不是 ?? 的字节。</extracomment>
            <translation>?? olmayan en az bir bayt girin.</translation>
        </message>
        <message>
            <source>A pattern with ?? can hold at most 255 different byte values.</source>
            <extracomment>extra 12 | zh-CN: 含 ?? 的查找内容最多只能有 255 种不同的字节值。</extracomment>
            <translation>?? içeren bir desen en fazla 255 farklı bayt değeri içerebilir.</translation>
        </message>
        <message>
            <source>The text can hold only characters the character column shows; &quot;%1&quot; is not one of them.</source>
            <extracomment>extra 13 | zh-CN: 文本只能包含字符栏能显示的字符，“%1”不在其中。</extracomment>
            <translation>Metin yalnızca karakter sütununun gösterdiği karakterleri içerebilir; &quot;%1&quot; bunlardan biri değil.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not found in the buffer.</source>
            <extracomment>extra 14 | zh-CN: 在缓冲区中未找到“%1”。</extracomment>
            <translation>&quot;%1&quot; arabellekte bulunamadı.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not found between the caret and the end of the buffer.</source>
            <extracomment>extra 15 | zh-CN: 从光标处到末尾未找到“%1”。</extracomment>
            <translation>&quot;%1&quot; imleç ile arabelleğin sonu arasında bulunamadı.</translation>
        </message>
        <message>
            <source>Go to address</source>
            <extracomment>extra 16 | zh-CN: 转到地址</extracomment>
            <translation>Adrese git</translation>
        </message>
        <message>
            <source>Address (hex):</source>
            <extracomment>extra 17 | zh-CN: 地址（十六进制）：</extracomment>
            <translation>Adres (onaltılık):</translation>
        </message>
        <message>
            <source>Go to</source>
            <extracomment>extra 18 | zh-CN: 转到</extracomment>
            <translation>Git</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>extra 19 | zh-CN: 取消</extracomment>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Enter an address in hex.</source>
            <extracomment>extra 20 | zh-CN: 请输入十六进制地址。</extracomment>
            <translation>Onaltılık bir adres girin.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a hex address.</source>
            <extracomment>extra 21 | zh-CN: “%1”不是十六进制地址。</extracomment>
            <translation>&quot;%1&quot; onaltılık bir adres değil.</translation>
        </message>
        <message>
            <source>Address %1 is outside the buffer: the valid range is 0 to %2 (hex).</source>
            <extracomment>extra 22 | zh-CN: 地址 %1 超出缓冲区，有效范围为 0 到 %2（十六进制）。</extracomment>
            <translation>%1 adresi arabelleğin dışında: geçerli aralık 0 ile %2 arası (onaltılık).</translation>
        </message>
        <message>
            <source>Check that the programmer is plugged in and powered, and that this user may use it (the package's udev rule, re-plugging the programmer after installing, a graphical login); --simulate runs the built-in simulator.</source>
            <extracomment>extra 23 | zh-CN: 请检查编程器是否已插好并通电，以及当前用户能否使用它（安装软件包的 udev 规则，安装后重新插拔编程器，从图形界面登录）；--simulate 可运行内置的模拟器。</extracomment>
            <translation>Programlayıcının takılı olduğunu, güç aldığını ve bu kullanıcının onu kullanabildiğini denetleyin (paketin udev kuralı, kurulumdan sonra programlayıcıyı çıkarıp yeniden takma, grafik oturum açma); --simulate yerleşik simülatörü çalıştırır.</translation>
        </message>
        <message>
            <source>The simulator configuration was refused, so the simulator has no programmer: %1</source>
            <extracomment>extra 24 | zh-CN: 模拟器配置被拒绝，模拟器没有接入编程器：%1</extracomment>
            <translation>Simülatör yapılandırması reddedildi, bu yüzden simülatöre bağlı programlayıcı yok: %1</translation>
        </message>
        <message>
            <source>File %1, line %2</source>
            <extracomment>extra 25 | zh-CN: 文件 %1，第 %2 行</extracomment>
            <translation>Dosya %1, satır %2</translation>
        </message>
        <message>
            <source>Cannot create the file.</source>
            <extracomment>extra 26 | zh-CN: 无法创建文件。</extracomment>
            <translation>Dosya oluşturulamıyor.</translation>
        </message>
        <message>
            <source>The chip list has changes that are not saved. Discard them?</source>
            <extracomment>extra 27 | zh-CN: 芯片列表有未保存的修改，放弃这些修改吗？</extracomment>
            <translation>Çip listesinde kaydedilmemiş değişiklikler var. Bu değişiklikler atılsın mı?</translation>
        </message>
        <message>
            <source>Row %1: the name &quot;%2&quot; holds &quot;%3&quot;, a character GBK cannot store; nothing was saved.</source>
            <extracomment>extra 28 | zh-CN: 第 %1 行：名称“%2”中的字符“%3”无法以 GBK 编码保存，未保存。</extracomment>
            <translation>Satır %1: &quot;%2&quot; adındaki &quot;%3&quot; karakteri GBK ile saklanamaz; hiçbir şey kaydedilmedi.</translation>
        </message>
        <message>
            <source>The chip database of this version holds %1 chips that your saved database %2 lacks. Add them after your own chips? Your own chips stay as they are.</source>
            <extracomment>extra 29 | zh-CN: 本版本自带的芯片数据库中有 %1 个芯片是您保存的数据库 %2 所没有的。是否把它们添加到您自己的芯片之后？您原有的芯片保持不变。</extracomment>
            <translation>Bu sürümün çip veritabanında, kayıtlı veritabanınızda (%2) bulunmayan %1 çip var. Bunlar kendi çiplerinizin arkasına eklensin mi? Kendi çipleriniz olduğu gibi kalır.</translation>
        </message>
        <message>
            <source>%1 more do not fit: a database holds at most 999 chips.</source>
            <extracomment>extra 30 | zh-CN: 另有 %1 个芯片放不下：数据库最多容纳 999 个芯片。</extracomment>
            <translation>%1 çip daha sığmıyor: bir veritabanı en fazla 999 çip tutabilir.</translation>
        </message>
        <message>
            <source>Choose an item in every list first.</source>
            <extracomment>extra 31 | zh-CN: 请先在每个列表中选择一项。</extracomment>
            <translation>Önce her listeden bir öğe seçin.</translation>
        </message>
        <message>
            <source>The chip table holds at most %1 chips, the grid has %2 rows; nothing was saved.</source>
            <extracomment>extra 32 | zh-CN: 芯片表最多保存 %1 个芯片，当前有 %2 行，未保存。</extracomment>
            <translation>Çip tablosu en fazla %1 çip tutabilir, tabloda %2 satır var; hiçbir şey kaydedilmedi.</translation>
        </message>
        <message>
            <source>Row %1: the name &quot;%2&quot; does not fit the chip record (at most 47 bytes of GBK text); nothing was saved.</source>
            <extracomment>extra 33 | zh-CN: 第 %1 行：名称“%2”无法存入芯片记录（最多 47 字节 GBK 文字），未保存。</extracomment>
            <translation>Satır %1: &quot;%2&quot; adı çip kaydına sığmıyor (en fazla 47 bayt GBK metni); hiçbir şey kaydedilmedi.</translation>
        </message>
        <message>
            <source>&amp;Programmer</source>
            <extracomment>extra 34 | zh-CN: 编程器(&amp;P)</extracomment>
            <translation>&amp;Programlayıcı</translation>
        </message>
        <message>
            <source>Automatic (the first one found)</source>
            <extracomment>extra 35 | zh-CN: 自动（第一个找到的编程器）</extracomment>
            <translation>Otomatik (ilk bulunan)</translation>
        </message>
        <message>
            <source>%1 (not attached)</source>
            <extracomment>extra 36 | zh-CN: %1（未连接）</extracomment>
            <translation>%1 (bağlı değil)</translation>
        </message>
        <message>
            <source>The settings file %1 could not be written: %2. This session's settings are not saved.</source>
            <extracomment>extra 37 | zh-CN: 无法保存设置文件 %1：%2。本次的设置没有保存。</extracomment>
            <translation>Ayar dosyası %1 yazılamadı: %2. Bu oturumun ayarları kaydedilmedi.</translation>
        </message>
        <message>
            <source>The programmer %1 is in use by another program.</source>
            <extracomment>extra 38 | zh-CN: 编程器 %1 正被另一个程序使用。</extracomment>
            <translation>Programlayıcı %1 başka bir program tarafından kullanılıyor.</translation>
        </message>
        <message>
            <source>%1: only an image opened from a .cap file can be saved as .cap, with the 2048-byte header it was opened with. Save this image as .bin.</source>
            <extracomment>extra 39 | zh-CN: %1：只有从 .cap 文件打开的映像才能保存为 .cap（连同打开时的 2048 字节文件头）。请把这个映像保存为 .bin。</extracomment>
            <translation>%1: yalnızca bir .cap dosyasından açılan görüntü, açılırken okunan 2048 baytlık başlıkla birlikte .cap olarak kaydedilebilir. Bu görüntüyü .bin olarak kaydedin.</translation>
        </message>
        <message>
            <source>The buffer holds %1 bytes, more than the %2-byte chip; the file gets only the chip's first %2 bytes. Continue?</source>
            <extracomment>extra 40 | zh-CN: 缓冲区中的数据有 %1 字节，大于 %2 字节的芯片；文件只保存芯片的前 %2 字节。继续吗？</extracomment>
            <translation>Arabellekte %1 bayt var, bu %2 baytlık çipten fazla; dosyaya yalnızca çipin ilk %2 baytı yazılır. Devam edilsin mi?</translation>
        </message>
        <message>
            <source>%1: the image needs %2 bytes, the disk has %3 bytes free. The chip was not read.</source>
            <extracomment>extra 41 | zh-CN: %1：映像需要 %2 字节，磁盘只剩 %3 字节。芯片没有读取。</extracomment>
            <translation>%1: görüntü için %2 bayt gerekiyor, diskte %3 bayt boş alan var. Çip okunmadı.</translation>
        </message>
        <message>
            <source>The image read is kept in %1.</source>
            <extracomment>extra 42 | zh-CN: 读出的映像保存在 %1。</extracomment>
            <translation>Okunan görüntü şurada saklandı: %1.</translation>
        </message>
        <message>
            <source>No attached programmer matches --programmer %1 (zorvex-cli programmers lists them).</source>
            <extracomment>extra 43 | zh-CN: 没有与 --programmer %1 相符的已连接编程器（zorvex-cli programmers 列出已连接的编程器）。</extracomment>
            <translation>--programmer %1 ile eşleşen bağlı programlayıcı yok (zorvex-cli programmers bunları listeler).</translation>
        </message>
        <message>
            <source>The programmer %1 refused to be claimed (error %2).</source>
            <extracomment>extra 44 | zh-CN: 编程器 %1 拒绝被占用（错误 %2）。</extracomment>
            <translation>Programlayıcı %1 kullanıma alınamadı (hata %2).</translation>
        </message>
        <message>
            <source>No programmer is attached.</source>
            <extracomment>extra 45 | zh-CN: 没有连接编程器。</extracomment>
            <translation>Bağlı programlayıcı yok.</translation>
        </message>
        <message>
            <source>The USB library %1 could not be loaded.</source>
            <extracomment>extra 46 | zh-CN: 无法加载 USB 库 %1。</extracomment>
            <translation>USB kitaplığı %1 yüklenemedi.</translation>
        </message>
        <message>
            <source>Standard input has no name that tells its format: give it with --from bin, hex or srec.</source>
            <extracomment>extra 47 | zh-CN: 标准输入没有文件名可判断格式：请用 --from bin、hex 或 srec 指定。</extracomment>
            <translation>Standart girdinin biçimini belirten bir adı yok: biçimi --from bin, hex veya srec ile belirtin.</translation>
        </message>
        <message>
            <source>Standard output could not be written: %1.</source>
            <extracomment>extra 48 | zh-CN: 无法写入标准输出：%1。</extracomment>
            <translation>Standart çıktıya yazılamadı: %1.</translation>
        </message>
        <message>
            <source>%1 left as it was</source>
            <extracomment>extra 49 | zh-CN: %1 保持原样，没有改动</extracomment>
            <translation>%1 olduğu gibi bırakıldı</translation>
        </message>
        <message>
            <source>nothing was changed on the chip</source>
            <extracomment>extra 50 | zh-CN: 芯片没有任何改动</extracomment>
            <translation>çipte hiçbir şey değiştirilmedi</translation>
        </message>
        <message>
            <source>the programmer reports only the chip type; choose the chip with --chip MODEL</source>
            <extracomment>extra 51 | zh-CN: 编程器只报告了芯片类型；请用 --chip MODEL 选择芯片</extracomment>
            <translation>programlayıcı yalnızca çip türünü bildiriyor; çipi --chip MODEL ile seçin</translation>
        </message>
        <message>
            <source>the detected chip cannot be chosen from the chip lists; choose it with --chip MODEL</source>
            <extracomment>extra 52 | zh-CN: 检测到的芯片无法从芯片列表中选中；请用 --chip MODEL 选择它</extracomment>
            <translation>algılanan çip, çip listelerinden seçilemiyor; onu --chip MODEL ile seçin</translation>
        </message>
        <message>
            <source>warning: %1 holds %2 bytes, the chip %3: only the first %3 are compared</source>
            <extracomment>extra 53 | zh-CN: 警告：%1 有 %2 字节，芯片只有 %3 字节：只比较前 %3 字节</extracomment>
            <translation>uyarı: %1 %2 bayt içeriyor, çip ise %3 bayt: yalnızca ilk %3 bayt karşılaştırılır</translation>
        </message>
        <message>
            <source>warning: %1 is read as binary, but it starts like an %2 file; --from %3 reads it as one</source>
            <extracomment>extra 54 | zh-CN: 警告：%1 按二进制读入，但它的开头像 %2 文件；--from %3 可按此格式读入</extracomment>
            <translation>uyarı: %1 ikili olarak okunuyor, ancak bir %2 dosyası gibi başlıyor; --from %3 onu bu biçimde okur</translation>
        </message>
        <message>
            <source>no chip database at %1 (--db FILE names one)</source>
            <extracomment>extra 55 | zh-CN: %1 没有芯片数据库（可用 --db FILE 指定一个）</extracomment>
            <translation>%1 konumunda çip veritabanı yok (--db FILE bir veritabanı belirtir)</translation>
        </message>
        <message>
            <source>the chip database %1 lists no chips</source>
            <extracomment>extra 56 | zh-CN: 芯片数据库 %1 中没有芯片</extracomment>
            <translation>çip veritabanı %1 hiç çip içermiyor</translation>
        </message>
        <message>
            <source>no chip named '%1' in the chip database</source>
            <extracomment>extra 57 | zh-CN: 芯片数据库中没有名为“%1”的芯片</extracomment>
            <translation>çip veritabanında '%1' adlı çip yok</translation>
        </message>
        <message>
            <source>; closest: %1</source>
            <extracomment>extra 58 | zh-CN: ；最接近的：%1</extracomment>
            <translation>; en yakın: %1</translation>
        </message>
        <message>
            <source>no chip '%1' by '%2'; the database has: %3</source>
            <extracomment>extra 59 | zh-CN: 没有厂商“%2”的芯片“%1”；数据库中有：%3</extracomment>
            <translation>'%2' üreticisinin '%1' adlı çipi yok; veritabanında olanlar: %3</translation>
        </message>
        <message>
            <source>several makers have a chip '%1', choose one with --maker: %2</source>
            <extracomment>extra 60 | zh-CN: 多个厂商都有芯片“%1”，请用 --maker 选择其一：%2</extracomment>
            <translation>birden çok üreticinin '%1' adlı çipi var, --maker ile birini seçin: %2</translation>
        </message>
        <message>
            <source>%1 bytes written to %2</source>
            <extracomment>extra 61 | zh-CN: 已写入 %1 字节到 %2</extracomment>
            <translation>%1 bayt şuraya yazıldı: %2</translation>
        </message>
        <message>
            <source>standard output</source>
            <extracomment>extra 62 | zh-CN: 标准输出</extracomment>
            <translation>standart çıktı</translation>
        </message>
        <message>
            <source>%1 -- no (--yes answers yes)</source>
            <extracomment>extra 63 | zh-CN: %1 -- 否（--yes 表示回答是）</extracomment>
            <translation>%1 -- hayır (--yes evet yanıtını verir)</translation>
        </message>
        <message>
            <source>the chip could not be read for the full comparison</source>
            <extracomment>extra 64 | zh-CN: 无法读出芯片以作完整比较</extracomment>
            <translation>tam karşılaştırma için çip okunamadı</translation>
        </message>
        <message>
            <source>Elapsed time: %1</source>
            <extracomment>extra 65 | zh-CN: 使用时间：%1</extracomment>
            <translation>Geçen süre: %1</translation>
        </message>
        <message>
            <source>Try 'zorvex-cli --help'.</source>
            <extracomment>extra 66 | zh-CN: 用法见 'zorvex-cli --help'。</extracomment>
            <translation>'zorvex-cli --help' komutunu deneyin.</translation>
        </message>
        <message>
            <source>the command is missing</source>
            <extracomment>extra 67 | zh-CN: 缺少命令</extracomment>
            <translation>komut eksik</translation>
        </message>
        <message>
            <source>unknown command '%1'</source>
            <extracomment>extra 68 | zh-CN: 未知命令“%1”</extracomment>
            <translation>bilinmeyen komut '%1'</translation>
        </message>
        <message>
            <source>%1 is not one of the shared options that may stand before the command</source>
            <extracomment>extra 69 | zh-CN: %1 不是可以放在命令之前的共用选项</extracomment>
            <translation>%1, komuttan önce gelebilen ortak seçeneklerden biri değil</translation>
        </message>
        <message>
            <source>unknown speed '%1' (%2)</source>
            <extracomment>extra 70 | zh-CN: 未知速度“%1”（%2）</extracomment>
            <translation>bilinmeyen hız '%1' (%2)</translation>
        </message>
        <message>
            <source>unknown language '%1' (%2)</source>
            <extracomment>extra 71 | zh-CN: 未知语言“%1”（%2）</extracomment>
            <translation>bilinmeyen dil '%1' (%2)</translation>
        </message>
        <message>
            <source>%1 needs a value</source>
            <extracomment>extra 72 | zh-CN: %1 需要一个值</extracomment>
            <translation>%1 bir değer gerektirir</translation>
        </message>
        <message>
            <source>%1 takes no value</source>
            <extracomment>extra 73 | zh-CN: %1 不带值</extracomment>
            <translation>%1 değer almaz</translation>
        </message>
        <message>
            <source>%1= needs a value (%2)</source>
            <extracomment>extra 74 | zh-CN: %1= 需要一个值（%2）</extracomment>
            <translation>%1= bir değer gerektirir (%2)</translation>
        </message>
        <message>
            <source>unknown format '%1' (%2)</source>
            <extracomment>extra 75 | zh-CN: 未知格式“%1”（%2）</extracomment>
            <translation>bilinmeyen biçim '%1' (%2)</translation>
        </message>
        <message>
            <source>the %1 command has no option %2</source>
            <extracomment>extra 76 | zh-CN: %1 命令没有选项 %2</extracomment>
            <translation>%1 komutunun %2 seçeneği yok</translation>
        </message>
        <message>
            <source>unexpected argument '%1'</source>
            <extracomment>extra 77 | zh-CN: 多余的参数“%1”</extracomment>
            <translation>beklenmeyen argüman '%1'</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <extracomment>extra 78 | zh-CN: 缺少 %1</extracomment>
            <translation>%1 eksik</translation>
        </message>
        <message>
            <source>--chip and --detect exclude each other</source>
            <extracomment>extra 79 | zh-CN: --chip 与 --detect 不能同时使用</extracomment>
            <translation>--chip ve --detect birlikte kullanılamaz</translation>
        </message>
        <message>
            <source>choose the chip with --chip MODEL or --detect</source>
            <extracomment>extra 80 | zh-CN: 请用 --chip MODEL 或 --detect 选择芯片</extracomment>
            <translation>çipi --chip MODEL veya --detect ile seçin</translation>
        </message>
        <message>
            <source>--maker goes with --chip</source>
            <extracomment>extra 81 | zh-CN: --maker 须与 --chip 一起使用</extracomment>
            <translation>--maker yalnızca --chip ile birlikte kullanılır</translation>
        </message>
        <message>
            <source>--simulate and --usb-library exclude each other</source>
            <extracomment>extra 82 | zh-CN: --simulate 与 --usb-library 不能同时使用</extracomment>
            <translation>--simulate ve --usb-library birlikte kullanılamaz</translation>
        </message>
        <message>
            <source>expected IN and OUT</source>
            <extracomment>extra 83 | zh-CN: 需要 IN 和 OUT 两个文件</extracomment>
            <translation>IN ve OUT bekleniyordu</translation>
        </message>
        <message>
            <source>the chip's size %1 does not fit the 64 MiB image</source>
            <extracomment>extra 84 | zh-CN: 芯片容量 %1 超出 64 MiB 的映像</extracomment>
            <translation>çipin boyutu (%1) 64 MiB'lik görüntüye sığmıyor</translation>
        </message>
        <message>
            <source>The clipboard text is not hex bytes: character %2, &quot;%1&quot;, cannot be read. Write two hex digits per byte (0x12 too), separated by blanks, commas or line ends. The buffer is unchanged.</source>
            <extracomment>extra 85 | zh-CN: 剪贴板中的文本不是十六进制字节：第 %2 个字符“%1”无法识别。每个字节写两位十六进制数字（也可写成 0x12），用空格、逗号或换行分隔。缓冲区没有改变。</extracomment>
            <translation>Panodaki metin onaltılık bayt değil: %2. karakter (&quot;%1&quot;) okunamıyor. Her bayt için iki onaltılık basamak yazın (0x12 de olur); baytları boşluk, virgül veya satır sonuyla ayırın. Arabellek değişmedi.</translation>
        </message>
        <message>
            <source>The clipboard text holds no hex bytes; the buffer is unchanged.</source>
            <extracomment>extra 86 | zh-CN: 剪贴板中的文本不含十六进制字节，缓冲区没有改变。</extracomment>
            <translation>Panodaki metin hiç onaltılık bayt içermiyor; arabellek değişmedi.</translation>
        </message>
        <message>
            <source>An operation is running; the window closes when it ends.</source>
            <extracomment>extra 87 | zh-CN: 操作正在进行，操作结束后窗口将关闭。</extracomment>
            <translation>Bir işlem sürüyor; pencere, işlem bitince kapanır.</translation>
        </message>
        <message>
            <source>%1 differing bytes in %2 ranges</source>
            <extracomment>extra 88 | zh-CN: %1 个字节不同，共 %2 处</extracomment>
            <translation>%2 aralıkta %1 farklı bayt</translation>
        </message>
        <message>
            <source>0x%1-0x%2  %3 bytes</source>
            <extracomment>extra 89 | zh-CN: 0x%1-0x%2  %3 字节</extracomment>
            <translation>0x%1-0x%2  %3 bayt</translation>
        </message>
        <message>
            <source>(%1 more ranges not listed)</source>
            <extracomment>extra 90 | zh-CN: （另有 %1 处未列出）</extracomment>
            <translation>(listelenmeyen %1 aralık daha)</translation>
        </message>
        <message>
            <source>Buffer compared with the chip %1 (%2 bytes):</source>
            <extracomment>extra 91 | zh-CN: 缓冲区与芯片 %1 比较（%2 字节）：</extracomment>
            <translation>Arabellek, %1 çipiyle karşılaştırıldı (%2 bayt):</translation>
        </message>
        <message>
            <source>Buffer compared with the file %1 (%2 bytes):</source>
            <extracomment>extra 92 | zh-CN: 缓冲区与文件 %1 比较（%2 字节）：</extracomment>
            <translation>Arabellek, %1 dosyasıyla karşılaştırıldı (%2 bayt):</translation>
        </message>
        <message>
            <source>The buffer and the chip %1 are equal (%2 bytes).</source>
            <extracomment>extra 93 | zh-CN: 缓冲区与芯片 %1 相同（%2 字节）。</extracomment>
            <translation>Arabellek ile %1 çipi aynı (%2 bayt).</translation>
        </message>
        <message>
            <source>The buffer and the file %1 are equal (%2 bytes).</source>
            <extracomment>extra 94 | zh-CN: 缓冲区与文件 %1 相同（%2 字节）。</extracomment>
            <translation>Arabellek ile %1 dosyası aynı (%2 bayt).</translation>
        </message>
        <message>
            <source>Range %1 of %2</source>
            <extracomment>extra 95 | zh-CN: 第 %1 处差异，共 %2 处</extracomment>
            <translation>Aralık %1 / %2</translation>
        </message>
        <message>
            <source>Choose a chip first: a compare covers the chip's size.</source>
            <extracomment>extra 96 | zh-CN: 请先选择芯片：比较的长度是芯片的容量。</extracomment>
            <translation>Önce bir çip seçin: karşılaştırma çipin boyutu kadar yapılır.</translation>
        </message>
        <message>
            <source>Invalid fill range: 0 &lt;= Start ADDR &lt;= End ADDR &lt;= %1 is required.</source>
            <extracomment>extra 97 | zh-CN: 填充范围无效：需要 0 &lt;= 开始地址 &lt;= 结束地址 &lt;= %1。</extracomment>
            <translation>Geçersiz doldurma aralığı: 0 &lt;= Başlangıç &lt;= Bitiş &lt;= %1 olmalıdır.</translation>
        </message>
        <message>
            <source>The chip database %1 was changed by another program after the editor read it. Saving replaces those changes with the rows shown here. Save anyway?</source>
            <extracomment>extra 98 | zh-CN: 芯片数据库 %1 在编辑器读取之后被其他程序修改过。保存会用这里的各行替换那些修改。仍然保存吗？</extracomment>
            <translation>Çip veritabanı %1, düzenleyici onu okuduktan sonra başka bir program tarafından değiştirildi. Kaydetmek bu değişikliklerin yerine burada gösterilen satırları yazar. Yine de kaydedilsin mi?</translation>
        </message>
        <message>
            <source>The clipboard text holds a character the character column does not show: &quot;%1&quot;, character %2. Choose Unicode Text to paste the text as UTF-16. The buffer is unchanged.</source>
            <extracomment>extra 99 | zh-CN: 剪贴板中的文本含有字符栏不能显示的字符：第 %2 个字符“%1”。要按 UTF-16 粘贴这段文本，请选择 Unicode Text。缓冲区没有改变。</extracomment>
            <translation>Panodaki metin, karakter sütununun göstermediği bir karakter içeriyor: &quot;%1&quot;, %2. karakter. Metni UTF-16 olarak yapıştırmak için Unicode Text seçin. Arabellek değişmedi.</translation>
        </message>
        <message>
            <source>Row %1: &quot;%2&quot; holds a &quot;,&quot;, which divides a chip's name into type, manufacturer and model; nothing was saved.</source>
            <extracomment>extra 100 | zh-CN: 第 %1 行：“%2”中含有“,”，而“,”用来分隔芯片名称中的类型、厂商和型号，未保存。</extracomment>
            <translation>Satır %1: &quot;%2&quot; bir &quot;,&quot; içeriyor; virgül çip adını tür, üretici ve modele ayırır; hiçbir şey kaydedilmedi.</translation>
        </message>
        <message>
            <source>'%1' holds bytes that are not UTF-8: a name like that cannot be opened or written as given; rename the file to a UTF-8 name</source>
            <extracomment>extra 101 | zh-CN: “%1”含有不是 UTF-8 的字节：这样的名称无法照原样打开或写入；请给文件改一个 UTF-8 名称</extracomment>
            <translation>'%1' UTF-8 olmayan baytlar içeriyor: böyle bir ad verildiği gibi açılamaz ya da yazılamaz; dosyayı UTF-8 bir adla yeniden adlandırın</translation>
        </message>
        <message>
            <source>The socket holds a 25-series SPI flash (ID %1), not the chosen %2.</source>
            <extracomment>extra 102 | zh-CN: 插座中是一片 25 系列 SPI Flash（ID %1），不是所选的 %2。</extracomment>
            <translation>Sokette 25 serisi bir SPI flash var (kimlik %1), seçilen %2 değil.</translation>
        </message>
        <message>
            <source>The chip in the socket is not a 25-series SPI flash, so it is not the chosen %1.</source>
            <extracomment>extra 103 | zh-CN: 插座中的芯片不是 25 系列 SPI Flash，所以不是所选的 %1。</extracomment>
            <translation>Soketteki çip 25 serisi bir SPI flash değil, yani seçilen %1 değil.</translation>
        </message>
        <message>
            <source>Row %1: &quot;%3&quot; in the column &quot;%2&quot; cannot be stored: the chip record keeps only numbers from 0 to %4 there.</source>
            <extracomment>extra 104 | zh-CN: 第 %1 行“%2”列的“%3”无法存入芯片记录：该项只能保存 0 到 %4 的数。</extracomment>
            <translation>Satır %1: &quot;%2&quot; sütunundaki &quot;%3&quot; kaydedilemiyor: çip kaydı orada yalnızca 0 ile %4 arasındaki sayıları tutar.</translation>
        </message>
        <message>
            <source>Row %1: the chip &quot;%2&quot; could never be chosen in the chip lists, since they cannot tell it apart from &quot;%4&quot; in row %3 (they ignore letter case); nothing was saved.</source>
            <extracomment>extra 105 | zh-CN: 第 %1 行：芯片“%2”在芯片列表中永远无法选中，因为第 %3 行的“%4”在列表中与它无法区分（列表不分大小写），未保存。</extracomment>
            <translation>Satır %1: &quot;%2&quot; çipi çip listelerinde hiçbir zaman seçilemezdi, çünkü listeler onu %3. satırdaki &quot;%4&quot; çipinden ayıramaz (büyük/küçük harf ayrımı yapmazlar); hiçbir şey kaydedilmedi.</translation>
        </message>
        <message>
            <source>a pipe that no program holds at its other end: opening it would wait until one comes</source>
            <extracomment>extra 106 | zh-CN: 这是一个另一端没有程序的管道，打开它会一直等到有程序出现</extracomment>
            <translation>diğer ucunu hiçbir programın tutmadığı bir boru: açmak, bir program gelene kadar bekler</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <extracomment>extra 107 | zh-CN: 是(&amp;Y)</extracomment>
            <translation>&amp;Evet</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <extracomment>extra 108 | zh-CN: 否(&amp;N)</extracomment>
            <translation>&amp;Hayır</translation>
        </message>
        <message>
            <source>State</source>
            <extracomment>caption TForm1.StatusBar1 | zh-CN: 状态</extracomment>
            <translation>Durum</translation>
        </message>
        <message>
            <source>Use time</source>
            <extracomment>caption TForm1.StatusBar1 | zh-CN: 使用时间</extracomment>
            <translation>Süre</translation>
        </message>
        <message>
            <source>Zorvex USB High Speed Programmer</source>
            <extracomment>caption TForm1.TForm1 | zh-CN: Zorvex USB高速编程器</extracomment>
            <translation>Zorvex USB Yüksek Hızlı Programlayıcı</translation>
        </message>
        <message>
            <source>Chip</source>
            <extracomment>caption TForm1.GroupBox1 | zh-CN: 芯片</extracomment>
            <translation>Çip</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>caption TForm1.Label1 | zh-CN: 类型</extracomment>
            <translation>Tür</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>caption TForm1.Label2 | zh-CN: 厂商</extracomment>
            <translation>Üretici</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>caption TForm1.Label3 | zh-CN: 名称</extracomment>
            <translation>Ad</translation>
        </message>
        <message>
            <source>Test</source>
            <extracomment>caption TForm1.BitBtn1 | zh-CN: 检测</extracomment>
            <translation>Algıla</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>caption TForm1.Label4 | zh-CN: 容量</extracomment>
            <translation>Boyut</translation>
        </message>
        <message>
            <source>Pagesize</source>
            <extracomment>caption TForm1.Label5 | zh-CN: 页面大小</extracomment>
            <translation>Sayfa</translation>
        </message>
        <message>
            <source>Speed</source>
            <extracomment>caption TForm1.Label6 | zh-CN: 编程速度</extracomment>
            <translation>Hız</translation>
        </message>
        <message>
            <source>Auto Options</source>
            <extracomment>caption TForm1.GroupBox2 | zh-CN: 自动编程选项</extracomment>
            <translation>Otomatik ayarlar</translation>
        </message>
        <message>
            <source>Erase</source>
            <extracomment>caption TForm1.CheckBox1 | zh-CN: 擦除</extracomment>
            <translation>Sil</translation>
        </message>
        <message>
            <source>Program</source>
            <extracomment>caption TForm1.CheckBox2 | zh-CN: 编程</extracomment>
            <translation>Yaz</translation>
        </message>
        <message>
            <source>Verify</source>
            <extracomment>caption TForm1.CheckBox3 | zh-CN: 校验</extracomment>
            <translation>Doğrula</translation>
        </message>
        <message>
            <source>Save</source>
            <extracomment>caption TForm1.ToolSave | zh-CN: 保存</extracomment>
            <translation>Kaydet</translation>
        </message>
        <message>
            <source>FIll</source>
            <extracomment>caption TForm1.ToolFill | zh-CN: 填充</extracomment>
            <translation>Doldur</translation>
        </message>
        <message>
            <source>Bank</source>
            <extracomment>caption TForm1.ToolBank | zh-CN: 查空</extracomment>
            <translation>Boş mu?</translation>
        </message>
        <message>
            <source>AUTO</source>
            <extracomment>caption TForm1.ToolAuto | zh-CN: 自动</extracomment>
            <translation>Oto</translation>
        </message>
        <message>
            <source>ERASE</source>
            <extracomment>caption TForm1.ToolErase | zh-CN: 擦除</extracomment>
            <translation>Sil</translation>
        </message>
        <message>
            <source>Write</source>
            <extracomment>caption TForm1.ToolWrite | zh-CN: 写入</extracomment>
            <translation>Yaz</translation>
        </message>
        <message>
            <source>Read</source>
            <extracomment>caption TForm1.ToolRead | zh-CN: 读出</extracomment>
            <translation>Oku</translation>
        </message>
        <message>
            <source>Device</source>
            <extracomment>caption TForm1.ToolDevice | zh-CN: 设备</extracomment>
            <translation>Cihaz</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>caption TForm1.ToolAbout | zh-CN: 关于</extracomment>
            <translation>Hakkında</translation>
        </message>
        <message>
            <source>File(&amp;F)</source>
            <extracomment>caption TForm1.O1 | zh-CN: 文件(&amp;F)</extracomment>
            <translation>&amp;Dosya</translation>
        </message>
        <message>
            <source>Open(&amp;O)</source>
            <extracomment>caption TForm1.O2 | zh-CN: 打开(&amp;O)</extracomment>
            <translation>&amp;Aç</translation>
        </message>
        <message>
            <source>Save(&amp;S)</source>
            <extracomment>caption TForm1.S1 | zh-CN: 保存(&amp;S)</extracomment>
            <translation>&amp;Kaydet</translation>
        </message>
        <message>
            <source>Quit(&amp;Q)</source>
            <extracomment>caption TForm1.Q1 | zh-CN: 退出(&amp;Q)</extracomment>
            <translation>&amp;Çıkış</translation>
        </message>
        <message>
            <source>Buffer(&amp;B)</source>
            <extracomment>caption TForm1.Buff | zh-CN: 缓冲区(&amp;B)</extracomment>
            <translation>&amp;Arabellek</translation>
        </message>
        <message>
            <source>Fill(&amp;F)</source>
            <extracomment>caption TForm1.Fill | zh-CN: 填充(&amp;F)</extracomment>
            <translation>&amp;Doldur</translation>
        </message>
        <message>
            <source>Operation(&amp;O)</source>
            <extracomment>caption TForm1.O3 | zh-CN: 操作(&amp;O)</extracomment>
            <translation>İşle&amp;m</translation>
        </message>
        <message>
            <source>Auto(&amp;A)</source>
            <extracomment>caption TForm1.A1 | zh-CN: 自动(&amp;A)</extracomment>
            <translation>&amp;Otomatik</translation>
        </message>
        <message>
            <source>Erase(&amp;E)</source>
            <extracomment>caption TForm1.E1 | zh-CN: 擦除(&amp;E)</extracomment>
            <translation>&amp;Sil</translation>
        </message>
        <message>
            <source>Write(&amp;W)</source>
            <extracomment>caption TForm1.W1 | zh-CN: 写入(&amp;W)</extracomment>
            <translation>&amp;Yaz</translation>
        </message>
        <message>
            <source>Read(&amp;R)</source>
            <extracomment>caption TForm1.R1 | zh-CN: 读出(&amp;R)</extracomment>
            <translation>O&amp;ku</translation>
        </message>
        <message>
            <source>Verify(&amp;V)</source>
            <extracomment>caption TForm1.V1 | zh-CN: 校验(&amp;V)</extracomment>
            <translation>&amp;Doğrula</translation>
        </message>
        <message>
            <source>Bank(&amp;B)</source>
            <extracomment>caption TForm1.N7 | zh-CN: 查空(&amp;B) | A typing slip for &quot;Blank check&quot;: the menu command that checks the chip is erased.</extracomment>
            <translation>&amp;Boş kontrolü</translation>
        </message>
        <message>
            <source>Device(&amp;Y)</source>
            <extracomment>caption TForm1.N3 | zh-CN: 设备(&amp;Y)</extracomment>
            <translation>&amp;Cihaz</translation>
        </message>
        <message>
            <source>Language(&amp;L)</source>
            <extracomment>caption TForm1.L1 | zh-CN: 语言(&amp;L)</extracomment>
            <translation>Di&amp;l</translation>
        </message>
        <message>
            <source>Simplified Chinese</source>
            <extracomment>caption TForm1.China | zh-CN: 中文</extracomment>
            <translation>Basitleştirilmiş Çince</translation>
        </message>
        <message>
            <source>Traditional Chinese</source>
            <extracomment>caption TForm1.fanti | zh-CN: 繁體</extracomment>
            <translation>Geleneksel Çince</translation>
        </message>
        <message>
            <source>Help(&amp;H)</source>
            <extracomment>caption TForm1.H1 | zh-CN: 帮助(&amp;H)</extracomment>
            <translation>&amp;Yardım</translation>
        </message>
        <message>
            <source>About(&amp;A)</source>
            <extracomment>caption TForm1.N5 | zh-CN: 关于(&amp;A)</extracomment>
            <translation>&amp;Hakkında</translation>
        </message>
        <message>
            <source>Undo(&amp;U)</source>
            <extracomment>caption TForm1.Undo1 | zh-CN: 撤销(&amp;U)</extracomment>
            <translation>&amp;Geri al</translation>
        </message>
        <message>
            <source>Redo(&amp;R)</source>
            <extracomment>caption TForm1.Redo1 | zh-CN: 重做(&amp;R)</extracomment>
            <translation>&amp;Yinele</translation>
        </message>
        <message>
            <source>Cut(&amp;T)</source>
            <extracomment>caption TForm1.Cut1 | zh-CN: 剪切(&amp;T)</extracomment>
            <translation>&amp;Kes</translation>
        </message>
        <message>
            <source>Copy(&amp;C)</source>
            <extracomment>caption TForm1.Copy1 | zh-CN: 复制(&amp;C)</extracomment>
            <translation>K&amp;opyala</translation>
        </message>
        <message>
            <source>Paste(&amp;P)</source>
            <extracomment>caption TForm1.Paste1 | zh-CN: 粘贴(&amp;P)</extracomment>
            <translation>Ya&amp;pıştır</translation>
        </message>
        <message>
            <source>Paste hex text(&amp;X)</source>
            <extracomment>caption TForm1.PasteHex1 | zh-CN: 粘贴十六进制文本(&amp;X)</extracomment>
            <translation>Onaltılık &amp;metni yapıştır</translation>
        </message>
        <message>
            <source>Select all(&amp;A)</source>
            <extracomment>caption TForm1.SelectAll1 | zh-CN: 全选(&amp;A)</extracomment>
            <translation>&amp;Tümünü seç</translation>
        </message>
        <message>
            <source>Find(&amp;D)...</source>
            <extracomment>caption TForm1.Find1 | zh-CN: 查找(&amp;D)...</extracomment>
            <translation>&amp;Bul...</translation>
        </message>
        <message>
            <source>Find next(&amp;N)</source>
            <extracomment>caption TForm1.FindNext1 | zh-CN: 查找下一个(&amp;N)</extracomment>
            <translation>&amp;Sonrakini bul</translation>
        </message>
        <message>
            <source>Go to address(&amp;G)...</source>
            <extracomment>caption TForm1.GoTo1 | zh-CN: 转到地址(&amp;G)...</extracomment>
            <translation>&amp;Adrese git...</translation>
        </message>
        <message>
            <source>Compare with chip(&amp;H)...</source>
            <extracomment>caption TForm1.CompareChip1 | zh-CN: 与芯片比较(&amp;H)...</extracomment>
            <translation>Çip&amp;le karşılaştır...</translation>
        </message>
        <message>
            <source>Compare with file(&amp;I)...</source>
            <extracomment>caption TForm1.CompareFile1 | zh-CN: 与文件比较(&amp;I)...</extracomment>
            <translation>Dosyayla ka&amp;rşılaştır...</translation>
        </message>
        <message>
            <source>Next difference(&amp;E)</source>
            <extracomment>caption TForm1.NextDiff1 | zh-CN: 下一处差异(&amp;E)</extracomment>
            <translation>So&amp;nraki fark</translation>
        </message>
        <message>
            <source>Previous difference(&amp;V)</source>
            <extracomment>caption TForm1.PrevDiff1 | zh-CN: 上一处差异(&amp;V)</extracomment>
            <translation>Ön&amp;ceki fark</translation>
        </message>
        <message>
            <source>Chip Editor</source>
            <extracomment>caption TForm2.TForm2 | zh-CN: 芯片编辑</extracomment>
            <translation>Çip Düzenleyici</translation>
        </message>
        <message>
            <source>Config</source>
            <extracomment>caption TForm2.GroupBox1 | zh-CN: 配置</extracomment>
            <translation>Ayarlar</translation>
        </message>
        <message>
            <source>Delay</source>
            <extracomment>caption TForm2.Label4 | zh-CN: 延时</extracomment>
            <translation>Gecikme</translation>
        </message>
        <message>
            <source>Class</source>
            <extracomment>caption TForm2.Label5 | zh-CN: 芯片类型</extracomment>
            <translation>Aile</translation>
        </message>
        <message>
            <source>FLASH Page</source>
            <extracomment>caption TForm2.Label7 | zh-CN: FLASH页</extracomment>
            <translation>FLASH sayfası</translation>
        </message>
        <message>
            <source>Voltage</source>
            <extracomment>caption TForm2.Label8 | zh-CN: 工作电压</extracomment>
            <translation>Gerilim</translation>
        </message>
        <message>
            <source>Algorithm</source>
            <extracomment>caption TForm2.Label9 | zh-CN: 算法</extracomment>
            <translation>Algoritma</translation>
        </message>
        <message>
            <source>Chip ID</source>
            <extracomment>caption TForm2.Label10 | zh-CN: 芯片ID</extracomment>
            <translation>Çip kimliği</translation>
        </message>
        <message>
            <source>EEPROM page</source>
            <extracomment>caption TForm2.Label12 | zh-CN: EEPROM页</extracomment>
            <translation>EEPROM sayfası</translation>
        </message>
        <message>
            <source>Extend</source>
            <extracomment>caption TForm2.Label13 | zh-CN: 扩展关联</extracomment>
            <translation>Uzantı</translation>
        </message>
        <message>
            <source>Delete</source>
            <extracomment>caption TForm2.BtnDelete | zh-CN: 删除</extracomment>
            <translation>Sil</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>caption TForm2.BtnAdd | zh-CN: 添加</extracomment>
            <translation>Ekle</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>caption TForm2.BtnEdit | zh-CN: 编辑</extracomment>
            <translation>Düzenle</translation>
        </message>
        <message>
            <source>Quit</source>
            <extracomment>caption TForm2.BtnExit | zh-CN: 退出</extracomment>
            <translation>Çıkış</translation>
        </message>
        <message>
            <source>Chip Select</source>
            <extracomment>caption TForm3.TForm3 | zh-CN: 芯片选择</extracomment>
            <translation>Çip Seçimi</translation>
        </message>
        <message>
            <source>Select</source>
            <extracomment>caption TForm3.BitBtn1 | zh-CN: 选择</extracomment>
            <translation>Seç</translation>
        </message>
        <message>
            <source>Fill</source>
            <extracomment>caption TForm4.TForm4 | zh-CN: 填充</extracomment>
            <translation>Doldur</translation>
        </message>
        <message>
            <source>Data</source>
            <extracomment>caption TForm4.GroupBox1 | zh-CN: 数据</extracomment>
            <translation>Veri</translation>
        </message>
        <message>
            <source>Byte(8bits)</source>
            <extracomment>caption TForm4.RadioButton1 | zh-CN: 常量字节(8bits)</extracomment>
            <translation>Bayt (8 bit)</translation>
        </message>
        <message>
            <source>Word(16bits)</source>
            <extracomment>caption TForm4.RadioButton2 | zh-CN: 常量字(16bits)</extracomment>
            <translation>Sözcük (16 bit)</translation>
        </message>
        <message>
            <source>Random</source>
            <extracomment>caption TForm4.RadioButton3 | zh-CN: 随机数</extracomment>
            <translation>Rastgele</translation>
        </message>
        <message>
            <source>Range</source>
            <extracomment>caption TForm4.GroupBox2 | zh-CN: 范围</extracomment>
            <translation>Aralık</translation>
        </message>
        <message>
            <source>Start ADDR</source>
            <extracomment>caption TForm4.Label1 | zh-CN: 开始地址</extracomment>
            <translation>Başlangıç</translation>
        </message>
        <message>
            <source>End ADDR</source>
            <extracomment>caption TForm4.Label2 | zh-CN: 结束地址</extracomment>
            <translation>Bitiş</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>caption TForm4.BitBtn1 | zh-CN: 确定</extracomment>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>Cance</source>
            <extracomment>caption TForm4.BitBtn2 | zh-CN: 取消</extracomment>
            <translation>İptal</translation>
        </message>
        <message>
            <source>Chip set-up</source>
            <extracomment>operation 0 | zh-CN: 芯片设置</extracomment>
            <translation>Çip hazırlığı</translation>
        </message>
        <message>
            <source>Blank check</source>
            <extracomment>operation 2 | zh-CN: 查空</extracomment>
            <translation>Boş kontrolü</translation>
        </message>
        <message>
            <source>transfer failed (error %1).</source>
            <extracomment>operation 6 | zh-CN: 传输失败（错误 %1）。</extracomment>
            <translation>aktarım başarısız (hata %1).</translation>
        </message>
        <message>
            <source>only %1 of %2 bytes were transferred.</source>
            <extracomment>operation 7 | zh-CN: 只传输了 %1 / %2 字节。</extracomment>
            <translation>%2 bayttan yalnızca %1 bayt aktarıldı.</translation>
        </message>
        <message>
            <source>the chip was still busy after %1 status polls.</source>
            <extracomment>operation 8 | zh-CN: %1 次状态查询后芯片仍忙。</extracomment>
            <translation>%1 durum sorgusundan sonra çip hâlâ meşguldü.</translation>
        </message>
        <message>
            <source>the programmer was disconnected.</source>
            <extracomment>operation 9 | zh-CN: 编程器已断开连接。</extracomment>
            <translation>programlayıcının bağlantısı kesildi.</translation>
        </message>
        <message>
            <source>%1 stopped at address %2h: %3</source>
            <extracomment>operation 10 | zh-CN: %1在地址 %2h 处中止：%3</extracomment>
            <translation>%1, %2h adresinde durdu: %3</translation>
        </message>
        <message>
            <source>The programmer was disconnected.</source>
            <extracomment>operation 11 | zh-CN: 编程器已断开连接。</extracomment>
            <translation>Programlayıcının bağlantısı kesildi.</translation>
        </message>
        <message>
            <source> The buffer was left as it was.</source>
            <extracomment>operation 12 | zh-CN: 缓冲区保持原样。</extracomment>
            <translation> Arabellek olduğu gibi bırakıldı.</translation>
        </message>
        <message>
            <source>its capacity of %1 bytes does not fit the %2-byte data buffer.</source>
            <extracomment>operation 13 | zh-CN: 容量 %1 字节大于 %2 字节的数据缓冲区。</extracomment>
            <translation>%1 baytlık kapasitesi %2 baytlık veri arabelleğine sığmıyor.</translation>
        </message>
        <message>
            <source>its page size is 0.</source>
            <extracomment>operation 14 | zh-CN: 页面大小为 0。</extracomment>
            <translation>sayfa boyutu 0.</translation>
        </message>
        <message>
            <source>its page size of %1 bytes is larger than the %2-byte block buffer.</source>
            <extracomment>operation 15 | zh-CN: 页面大小 %1 字节大于 %2 字节的块缓冲区。</extracomment>
            <translation>%1 baytlık sayfa boyutu %2 baytlık blok arabelleğinden büyük.</translation>
        </message>
        <message>
            <source>its family code %1 is none of 0 to %2.</source>
            <extracomment>operation 16 | zh-CN: 芯片系列代码 %1 无效（应为 0 到 %2）。</extracomment>
            <translation>aile kodu %1, 0 ile %2 arasında değil.</translation>
        </message>
        <message>
            <source>its capacity of %1 bytes is no power of two from %2 bytes.</source>
            <extracomment>operation 17 | zh-CN: 容量 %1 字节不是从 %2 字节起的 2 的幂。</extracomment>
            <translation>%1 baytlık kapasitesi, %2 bayttan başlayan bir ikinin kuvveti değil.</translation>
        </message>
        <message>
            <source>The chip record is damaged: %1 Choose the chip again or repair the chip database.</source>
            <extracomment>operation 18 | zh-CN: 芯片记录已损坏：%1请重新选择芯片或修复芯片数据库。</extracomment>
            <translation>Çip kaydı bozuk: %1 Çipi yeniden seçin veya çip veritabanını onarın.</translation>
        </message>
        <message>
            <source>The programmer %1 is in use by another program; waiting up to %2 s for it.</source>
            <extracomment>produce 0 | zh-CN: 编程器 %1 正被另一个程序使用，最多等待 %2 秒。</extracomment>
            <translation>Programlayıcı %1 başka bir program tarafından kullanılıyor; en fazla %2 sn bekleniyor.</translation>
        </message>
        <message>
            <source>--programmer %1 matches %2 programmers (%3); choose one by its BUS:DEVICE</source>
            <extracomment>produce 1 | zh-CN: --programmer %1 对应 %2 个编程器（%3）；请用其 BUS:DEVICE 选择一个</extracomment>
            <translation>--programmer %1, %2 programlayıcıyla eşleşiyor (%3); birini BUS:DEVICE değeriyle seçin</translation>
        </message>
        <message>
            <source>wrong chip in the socket: ID %1, expected %2</source>
            <extracomment>produce 2 | zh-CN: 插座中的芯片不对：ID %1，应为 %2</extracomment>
            <translation>sokette yanlış çip: kimlik %1, beklenen %2</translation>
        </message>
        <message>
            <source>stopped while the programmer was held by another program</source>
            <extracomment>produce 3 | zh-CN: 在编程器被另一个程序占用时停止</extracomment>
            <translation>programlayıcı başka bir program tarafından tutulurken durduruldu</translation>
        </message>
        <message>
            <source>standard output cannot be written (%1); stopping, the log and the serial file hold every chip so far</source>
            <extracomment>produce 4 | zh-CN: 无法写入标准输出（%1）；停止。日志和序列号文件记录了到目前为止的每一片芯片</extracomment>
            <translation>standart çıktıya yazılamıyor (%1); durduruluyor, günlük ve seri numarası dosyası şimdiye kadarki her çipi içeriyor</translation>
        </message>
        <message>
            <source>chip #%1 passed, but its record could not be written; stopping</source>
            <extracomment>produce 5 | zh-CN: 第 %1 片芯片已通过，但无法写入它的记录；停止</extracomment>
            <translation>çip #%1 geçti, ancak kaydı yazılamadı; durduruluyor</translation>
        </message>
        <message>
            <source>chip #%1 passed with serial number %2, but its record could not be written; stopping</source>
            <extracomment>produce 6 | zh-CN: 第 %1 片芯片已以序列号 %2 通过，但无法写入它的记录；停止</extracomment>
            <translation>çip #%1, %2 seri numarasıyla geçti, ancak kaydı yazılamadı; durduruluyor</translation>
        </message>
        <message>
            <source>no serial number is left: the next one, %1, does not fit the serial format; stopping</source>
            <extracomment>produce 7 | zh-CN: 序列号已用完：下一个 %1 超出序列号格式；停止</extracomment>
            <translation>seri numarası kalmadı: sıradaki numara (%1) seri numarası biçimine sığmıyor; durduruluyor</translation>
        </message>
        <message>
            <source>no serial number is left for the chip in the socket (the next one, %1, does not fit the serial format); it was not written; stopping</source>
            <extracomment>produce 8 | zh-CN: 插座中的芯片没有可用的序列号（下一个 %1 超出序列号格式），没有写入它；停止</extracomment>
            <translation>soketteki çip için seri numarası kalmadı (sıradaki numara, %1, seri numarası biçimine sığmıyor); çip yazılmadı; durduruluyor</translation>
        </message>
        <message>
            <source>the serial numbers from %1 for %2 chips: the last does not fit the serial format</source>
            <extracomment>produce 9 | zh-CN: 从 %1 开始的 %2 片芯片的序列号：最后一个超出序列号格式</extracomment>
            <translation>%1 numarasından başlayarak %2 çip için seri numaraları: sonuncusu seri numarası biçimine sığmıyor</translation>
        </message>
        <message>
            <source>%1; the chip in the socket was not written; stopping</source>
            <extracomment>produce 10 | zh-CN: %1；插座中的芯片没有写入；停止</extracomment>
            <translation>%1; soketteki çip yazılmadı; durduruluyor</translation>
        </message>
        <message>
            <source>cannot create the folder %1 of the serial file</source>
            <extracomment>produce 11 | zh-CN: 无法创建序列号文件的文件夹 %1</extracomment>
            <translation>seri numarası dosyasının klasörü %1 oluşturulamıyor</translation>
        </message>
        <message>
            <source>the serial file %1 cannot be replaced: its folder takes no new file (%2)</source>
            <extracomment>produce 12 | zh-CN: 无法替换序列号文件 %1：它的文件夹不接受新文件（%2）</extracomment>
            <translation>seri numarası dosyası %1 değiştirilemiyor: klasörü yeni dosya kabul etmiyor (%2)</translation>
        </message>
        <message>
            <source>cannot lock %1: %2</source>
            <extracomment>produce 13 | zh-CN: 无法锁定 %1：%2</extracomment>
            <translation>%1 kilitlenemiyor: %2</translation>
        </message>
        <message>
            <source>cannot write the log %1: %2</source>
            <extracomment>produce 14 | zh-CN: 无法写入日志 %1：%2</extracomment>
            <translation>günlük %1 yazılamıyor: %2</translation>
        </message>
        <message>
            <source>the disk took only part of the record</source>
            <extracomment>produce 15 | zh-CN: 磁盘只接受了记录的一部分</extracomment>
            <translation>disk kaydın yalnızca bir kısmını aldı</translation>
        </message>
        <message>
            <source>; the part written stays at the end of the log</source>
            <extracomment>produce 16 | zh-CN: ；写入的部分留在日志末尾</extracomment>
            <translation>; yazılan kısım günlüğün sonunda kalıyor</translation>
        </message>
        <message>
            <source>%1: '%2' is not a number from %3 to %4</source>
            <extracomment>produce 17 | zh-CN: %1：“%2”不是 %3 到 %4 之间的数</extracomment>
            <translation>%1: '%2', %3 ile %4 arasında bir sayı değil</translation>
        </message>
        <message>
            <source>--serial-at and --serial-start go together</source>
            <extracomment>produce 18 | zh-CN: --serial-at 与 --serial-start 须一起使用</extracomment>
            <translation>--serial-at ve --serial-start birlikte kullanılmalı</translation>
        </message>
        <message>
            <source>--serial-step, --serial-format and --serial-file need --serial-at</source>
            <extracomment>produce 19 | zh-CN: --serial-step、--serial-format 和 --serial-file 需要 --serial-at</extracomment>
            <translation>--serial-step, --serial-format ve --serial-file için --serial-at gerekir</translation>
        </message>
        <message>
            <source>serial number %1 does not fit the serial format</source>
            <extracomment>produce 20 | zh-CN: 序列号 %1 超出序列号格式</extracomment>
            <translation>seri numarası %1 seri numarası biçimine sığmıyor</translation>
        </message>
        <message>
            <source>%1 holds %2 bytes, more than the chip's %3</source>
            <extracomment>produce 21 | zh-CN: %1 有 %2 字节，多于芯片的 %3 字节</extracomment>
            <translation>%1 dosyası %2 bayt içeriyor, çipin %3 baytından fazla</translation>
        </message>
        <message>
            <source>the serial number at 0x%1 (%2 bytes) lies outside the chip's %3 bytes</source>
            <extracomment>produce 22 | zh-CN: 位于 0x%1 的序列号（%2 字节）超出芯片的 %3 字节</extracomment>
            <translation>0x%1 adresindeki seri numarası (%2 bayt) çipin %3 baytının dışında kalıyor</translation>
        </message>
        <message>
            <source>the chip reports no ID; choose it with --chip MODEL</source>
            <extracomment>produce 23 | zh-CN: 芯片没有返回 ID；请用 --chip MODEL 选择它</extracomment>
            <translation>çip kimlik bildirmiyor; çipi --chip MODEL ile seçin</translation>
        </message>
        <message>
            <source>unknown chip ID %1</source>
            <extracomment>produce 24 | zh-CN: 未知的芯片 ID %1</extracomment>
            <translation>bilinmeyen çip kimliği %1</translation>
        </message>
        <message>
            <source>chip ID %1 is not the chip of this run</source>
            <extracomment>produce 25 | zh-CN: 芯片 ID %1 不是本次运行的芯片</extracomment>
            <translation>çip kimliği %1 bu çalıştırmanın çipine ait değil</translation>
        </message>
        <message>
            <source>the operation did not complete</source>
            <extracomment>produce 26 | zh-CN: 操作没有完成</extracomment>
            <translation>işlem tamamlanmadı</translation>
        </message>
        <message>
            <source>cannot read the serial file %1: %2</source>
            <extracomment>produce 27 | zh-CN: 无法读取序列号文件 %1：%2</extracomment>
            <translation>seri numarası dosyası %1 okunamıyor: %2</translation>
        </message>
        <message>
            <source>the serial file %1 does not hold a number</source>
            <extracomment>produce 28 | zh-CN: 序列号文件 %1 中没有数字</extracomment>
            <translation>seri numarası dosyası %1 bir sayı içermiyor</translation>
        </message>
        <message>
            <source>cannot write the serial file %1: %2</source>
            <extracomment>produce 29 | zh-CN: 无法写入序列号文件 %1：%2</extracomment>
            <translation>seri numarası dosyası %1 yazılamıyor: %2</translation>
        </message>
        <message>
            <source>cannot open the log %1: %2</source>
            <extracomment>produce 30 | zh-CN: 无法打开日志 %1：%2</extracomment>
            <translation>günlük %1 açılamıyor: %2</translation>
        </message>
        <message>
            <source>write error</source>
            <extracomment>produce 31 | zh-CN: 写入错误</extracomment>
            <translation>yazma hatası</translation>
        </message>
        <message>
            <source>the serial file %1 was removed or set back below %2, the number this run left in it; no number is taken from it, so that none is given twice</source>
            <extracomment>produce 32 | zh-CN: 序列号文件 %1 被删除或被改回到本次运行写入的 %2 以下；为免一个序列号用两次，不再从中取号</extracomment>
            <translation>seri numarası dosyası %1 silindi veya bu çalışmanın içine bıraktığı %2 numarasının altına geri alındı; hiçbir numara iki kez verilmesin diye ondan numara alınmıyor</translation>
        </message>
        <message>
            <source>unknown serial format '%1' (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)</source>
            <extracomment>produce 33 | zh-CN: 未知的序列号格式“%1”（le16、be16、le32、be32、le64、be64、ascii:W、hex:W）</extracomment>
            <translation>bilinmeyen seri numarası biçimi “%1” (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)</translation>
        </message>
        <message>
            <source>Usage:</source>
            <extracomment>command line 0 | zh-CN: 用法：</extracomment>
            <translation>Kullanım:</translation>
        </message>
        <message>
            <source>Options:</source>
            <extracomment>command line 1 | zh-CN: 选项：</extracomment>
            <translation>Seçenekler:</translation>
        </message>
        <message>
            <source>Commands:</source>
            <extracomment>command line 2 | zh-CN: 命令：</extracomment>
            <translation>Komutlar:</translation>
        </message>
        <message>
            <source>Shared options, before or after the command (each command's --help lists those it takes):</source>
            <extracomment>command line 3 | zh-CN: 共用选项，可放在命令之前或之后（各命令的 --help 列出它接受的选项）：</extracomment>
            <translation>Komuttan önce veya sonra gelebilen ortak seçenekler (her komutun --help çıktısı aldığı seçenekleri listeler):</translation>
        </message>
        <message>
            <source>this text</source>
            <extracomment>command line 4 | zh-CN: 显示本说明</extracomment>
            <translation>bu metin</translation>
        </message>
        <message>
            <source>the version</source>
            <extracomment>command line 5 | zh-CN: 显示版本</extracomment>
            <translation>sürüm</translation>
        </message>
        <message>
            <source>list the chips of the chip database</source>
            <extracomment>command line 6 | zh-CN: 列出芯片数据库中的芯片</extracomment>
            <translation>çip veritabanındaki çipleri listeler</translation>
        </message>
        <message>
            <source>list the attached programmers</source>
            <extracomment>command line 7 | zh-CN: 列出已连接的编程器</extracomment>
            <translation>bağlı programlayıcıları listeler</translation>
        </message>
        <message>
            <source>identify the chip in the programmer's socket</source>
            <extracomment>command line 8 | zh-CN: 识别编程器插座中的芯片</extracomment>
            <translation>programlayıcının soketindeki çipi tanır</translation>
        </message>
        <message>
            <source>read the chip into a file</source>
            <extracomment>command line 9 | zh-CN: 把芯片读出到文件</extracomment>
            <translation>çipi bir dosyaya okur</translation>
        </message>
        <message>
            <source>write a file into the chip</source>
            <extracomment>command line 10 | zh-CN: 把文件写入芯片</extracomment>
            <translation>bir dosyayı çipe yazar</translation>
        </message>
        <message>
            <source>compare the chip with a file</source>
            <extracomment>command line 11 | zh-CN: 把芯片与文件比较</extracomment>
            <translation>çipi bir dosyayla karşılaştırır</translation>
        </message>
        <message>
            <source>erase the chip</source>
            <extracomment>command line 12 | zh-CN: 擦除芯片</extracomment>
            <translation>çipi siler</translation>
        </message>
        <message>
            <source>check that the chip is erased</source>
            <extracomment>command line 13 | zh-CN: 检查芯片是否已擦空</extracomment>
            <translation>çipin silinmiş olduğunu denetler</translation>
        </message>
        <message>
            <source>erase, write and verify in one run</source>
            <extracomment>command line 14 | zh-CN: 一次完成擦除、写入和校验</extracomment>
            <translation>tek çalıştırmada siler, yazar ve doğrular</translation>
        </message>
        <message>
            <source>program chip after chip with serial numbers, checksums and a log</source>
            <extracomment>command line 15 | zh-CN: 逐片烧写芯片，带序列号、校验和与日志</extracomment>
            <translation>seri numaraları, sağlama toplamları ve günlükle çipleri art arda programlar</translation>
        </message>
        <message>
            <source>convert a buffer file between binary, Intel HEX and S-record (OUT - : standard output)</source>
            <extracomment>command line 16 | zh-CN: 在二进制、Intel HEX 和 S-record 之间转换缓冲区文件（OUT 为 - 时写到标准输出）</extracomment>
            <translation>bir arabellek dosyasını ikili, Intel HEX ve S-record arasında dönüştürür (OUT - : standart çıktı)</translation>
        </message>
        <message>
            <source>print the CRC32 and SHA-256 of a file as it would be programmed</source>
            <extracomment>command line 17 | zh-CN: 打印文件按烧写时的 CRC32 和 SHA-256</extracomment>
            <translation>bir dosyanın programlanacağı hâliyle CRC32 ve SHA-256 değerlerini yazdırır</translation>
        </message>
        <message>
            <source>Lists the chips of the chip database, one a line: type, maker, model, ID, size and page
size in bytes. With FILTER only the chips whose name (type,maker,model) contains it,
letter case ignored.</source>
            <extracomment>command line 18 | zh-CN: 列出芯片数据库中的芯片，每行一个：类型、厂家、型号、ID、容量和页大小（字节）。
给出 FILTER 时只列名称（类型,厂家,型号）中含有它的芯片，不分大小写。</extracomment>
            <translation>Çip veritabanındaki çipleri satır başına bir tane listeler: tür, üretici, model, kimlik, boyut ve
bayt cinsinden sayfa boyutu. FILTER verilirse yalnızca adı (tür,üretici,model) onu içeren çipler
listelenir; büyük/küçük harf ayrımı yapılmaz.</translation>
        </message>
        <message>
            <source>Lists the attached programmers, one a line: its number N, BUS:DEVICE, serial (&quot;-&quot; when it has
none) and product, columns separated by two spaces. Any of the first three selects it for
another command with --programmer. No programmer attached: exit code 3.</source>
            <extracomment>command line 19 | zh-CN: 列出已连接的编程器，每行一个：编号 N、BUS:DEVICE、序列号（没有时为“-”）和产品名，
各列以两个空格分隔。前三项中任一项都可用 --programmer 为其他命令选定该编程器。
没有连接编程器时退出码为 3。</extracomment>
            <translation>Bağlı programlayıcıları satır başına bir tane listeler: numarası N, BUS:DEVICE, seri numarası (yoksa
&quot;-&quot;) ve ürün adı; sütunlar iki boşlukla ayrılır. İlk üç değerden herhangi biri, programlayıcıyı
başka bir komut için --programmer ile seçer. Bağlı programlayıcı yoksa çıkış kodu 3 olur.</translation>
        </message>
        <message>
            <source>Asks the programmer which chip is in the socket and prints what it found, followed by
the chip's list line when the database knows its ID.</source>
            <extracomment>command line 20 | zh-CN: 询问编程器插座中是什么芯片并打印结果；数据库认识该 ID 时再打印该芯片的列表行。</extracomment>
            <translation>Programlayıcıya sokette hangi çipin olduğunu sorar ve bulduğunu yazdırır; veritabanı çipin kimliğini
tanıyorsa ardından çipin liste satırını da yazdırır.</translation>
        </message>
        <message>
            <source>Reads the chip and saves its whole capacity to OUT: .hex Intel HEX;
%1 S-record; any other name binary. OUT must be
writable before the chip is read. An existing OUT is replaced only with --yes or after a yes
on a terminal.</source>
            <extracomment>command line 21 | zh-CN: 读出芯片并把整个容量保存到 OUT：.hex 为 Intel HEX；%1 为 S-record；其他名称为二进制。
读芯片之前先确认 OUT 可写。已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换。</extracomment>
            <translation>Çipi okur ve tüm kapasitesini OUT dosyasına kaydeder: .hex Intel HEX; %1 S-record; başka her ad
ikili. Çip okunmadan önce OUT yazılabilir olmalıdır. Var olan bir OUT yalnızca --yes ile veya bir
terminalde evet yanıtından sonra değiştirilir.</translation>
        </message>
        <message>
            <source>Loads IN (.hex Intel HEX; %1 S-record; .eep by
content; .cap capsule; else binary; --from forces a format) and writes it into the chip,
rounded up to whole pages. A file larger than the chip is refused unless --yes (or a yes
on a terminal) allows writing its first chip-size bytes.</source>
            <extracomment>command line 22 | zh-CN: 载入 IN（.hex 为 Intel HEX；%1 为 S-record；.eep 按内容；.cap 为胶囊文件；其他为二进制；
--from 指定格式）并写入芯片，长度补足到整页。大于芯片的文件会被拒绝，除非 --yes
（或终端上回答“是”）允许只写入其前面芯片容量大小的字节。</extracomment>
            <translation>IN dosyasını yükler (.hex Intel HEX; %1 S-record; .eep içeriğe göre; .cap kapsül; diğerleri ikili;
--from bir biçimi zorlar) ve tam sayfalara yuvarlayarak çipe yazar. Çipten büyük bir dosya
reddedilir; ancak --yes (veya bir terminalde evet yanıtı) dosyanın yalnızca çip boyutu kadar ilk
baytlarının yazılmasına izin verebilir.</translation>
        </message>
        <message>
            <source>Loads IN as write does and compares the chip with it; of a file longer than the chip
only the chip's size is compared, and a warning says so. With --all a difference
is followed by a read of the whole chip and a list of the first 50 differing ranges.</source>
            <extracomment>command line 23 | zh-CN: 像 write 一样载入 IN 并把芯片与它比较；比芯片长的文件只比较芯片容量的部分，并给出警告。
使用 --all 时，发现差异后读出整个芯片并列出前 50 段不同的范围。</extracomment>
            <translation>IN dosyasını write gibi yükler ve çipi onunla karşılaştırır; çipten uzun bir dosyanın yalnızca çip
boyutu kadarı karşılaştırılır ve bir uyarı bunu belirtir. --all ile bir fark bulunursa ardından tüm
çip okunur ve ilk 50 farklı aralık listelenir.</translation>
        </message>
        <message>
            <source>Erases the whole chip.</source>
            <extracomment>command line 24 | zh-CN: 擦除整个芯片。</extracomment>
            <translation>Tüm çipi siler.</translation>
        </message>
        <message>
            <source>Checks that every byte of the chip reads 0xFF.</source>
            <extracomment>command line 25 | zh-CN: 检查芯片的每个字节都读出 0xFF。</extracomment>
            <translation>Çipin her baytının 0xFF okunduğunu denetler.</translation>
        </message>
        <message>
            <source>Loads IN as write does, then erases the chip, writes IN and verifies it; the --no-...
options leave steps out. A step that fails ends the run.</source>
            <extracomment>command line 26 | zh-CN: 像 write 一样载入 IN，然后擦除芯片、写入 IN 并校验；--no-... 选项可省去某些步骤。
任何一步失败即结束。</extracomment>
            <translation>IN dosyasını write gibi yükler, ardından çipi siler, IN dosyasını yazar ve doğrular; --no-...
seçenekleri adımları atlar. Başarısız olan bir adım çalıştırmayı sonlandırır.</translation>
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
            <translation>IN ile çipleri art arda programlar: &quot;Insert a chip&quot; yazdırır ve sokete bir çip takılmasını bekler;
çipi siler, yazar ve doğrular; &quot;#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)&quot; (tam sayfalara
yuvarlanmış görüntü, checksum IN --chip komutunun etiketlediği gibi) veya &quot;#K FAIL REASON&quot; yazdırır;
ardından &quot;Remove the chip&quot; yazdırır ve soketin boşalmasını bekler. --count çipten sonra ya da Ctrl+C
(SIGTERM, SIGHUP) ile eldeki çip bittiğinde durur ve &quot;N passed, M failed&quot; yazdırır.
Çıkış kodu: her çip geçtiyse 0, biri başarısız olduysa 1, ilk çipten önce bir dosya veya sayı
reddedildiyse 2, programlayıcı bağlantısı koptuysa 3, çipler programlandıktan sonra bir kayıt (seri
numarası dosyası, günlük, standart çıktı) yazılamadıysa 4.

Seri numaraları: --serial-at ADDR --serial-start N, N değerini ilk çipin ADDR adresine, yazılan her
çipe de bir sonrakini yazar (--serial-step, varsayılan 1); yazılmadan önce reddedilen bir çip numarasını
sonraki çipe bırakır. --serial-format le16|be16|le32|be32|le64|be64 (ikili, varsayılan le32), ascii:W (W ondalık
basamak, başı sıfırla doldurulmuş) veya hex:W (W büyük harfli onaltılık basamak). --serial-file FILE
sıradaki numarayı çalıştırmalar arasında ve dosyayı paylaşan bir grubun çalıştırmaları arasında
saklar: her numara, çipi yazılmadan önce bir kilit altında bu dosyadan alınır (dosya var olduğunda
--serial-start seçeneğinin önüne geçer).
--log FILE her çip için bir JSON nesnesi ekler; nesne, çipin PASS satırı yazdırılmadan önce yazılır.
Bir çalıştırma açtığı ilk programlayıcıyı kullanmayı sürdürür; başka bir programın tuttuğu
programlayıcı beklenir (--busy-wait).</translation>
        </message>
        <message>
            <source>Loads IN (its format by its name or --from) and saves it as binary, Intel HEX or S-record
(%1) as --to or OUT's name says. An existing OUT is replaced only with --yes or after a
yes on a terminal; OUT - sends the image to standard output.</source>
            <extracomment>command line 28 | zh-CN: 载入 IN（格式按名称或 --from）并按 --to 或 OUT 的名称保存为二进制、Intel HEX 或
S-record（%1）。
已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换；OUT 为 - 时映像写到标准输出。</extracomment>
            <translation>IN dosyasını yükler (biçimi adından ya da --from ile anlaşılır) ve --to veya OUT adının belirttiği
gibi ikili, Intel HEX ya da S-record (%1) olarak kaydeder. Var olan bir OUT yalnızca --yes ile veya
bir terminalde evet yanıtından sonra değiştirilir; OUT - görüntüyü standart çıktıya gönderir.</translation>
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
            <translation>IN için programlanacağı hâliyle &quot;CRC32 XXXXXXXX  SHA-256 &lt;64 hex digits&gt;  N bytes&quot; yazdırır:
çözümlenmiş olarak (.hex Intel HEX; %1 S-record; .eep içeriğe göre; .cap kapsül; diğerleri ikili;
--from başka bir biçim belirtmedikçe). --chip ile etiketli iki satır: tüm çip (IN, çipin boyutuna
kesilmiş veya 0xFF ile doldurulmuş), yani sonraki bir okumanın vereceği toplam; ve programlanan
görüntü (IN, tam sayfalara yuvarlanmış), yani PASS, auto ve write satırlarının gösterdiği toplam.
CRC32, yaygın IEEE algoritmasıdır.</translation>
        </message>
        <message>
            <source>the chip by its model name (letter case does not matter)</source>
            <extracomment>command line 30 | zh-CN: 按型号名选择芯片（不分大小写）</extracomment>
            <translation>çipi model adıyla seçer (büyük/küçük harf fark etmez)</translation>
        </message>
        <message>
            <source>the manufacturer, where makers share a model name</source>
            <extracomment>command line 31 | zh-CN: 厂家，用于不同厂家有同名型号时</extracomment>
            <translation>üretici; birden çok üreticide aynı model adı varsa</translation>
        </message>
        <message>
            <source>the chip the programmer identifies in the socket</source>
            <extracomment>command line 32 | zh-CN: 使用编程器在插座中识别出的芯片</extracomment>
            <translation>programlayıcının sokette tanıdığı çip</translation>
        </message>
        <message>
            <source>leave out the erase step</source>
            <extracomment>command line 33 | zh-CN: 省去擦除步骤</extracomment>
            <translation>silme adımını atla</translation>
        </message>
        <message>
            <source>leave out the write step</source>
            <extracomment>command line 34 | zh-CN: 省去写入步骤</extracomment>
            <translation>yazma adımını atla</translation>
        </message>
        <message>
            <source>leave out the verify step</source>
            <extracomment>command line 35 | zh-CN: 省去校验步骤</extracomment>
            <translation>doğrulama adımını atla</translation>
        </message>
        <message>
            <source>on a difference, read the whole chip and list up to 50 ranges</source>
            <extracomment>command line 36 | zh-CN: 发现差异时读出整个芯片并列出至多 50 段范围</extracomment>
            <translation>fark varsa tüm çipi oku ve en çok 50 aralığı listele</translation>
        </message>
        <message>
            <source>read IN as %1 whatever its name</source>
            <extracomment>command line 37 | zh-CN: 不论名称，把 IN 当作 %1 读入</extracomment>
            <translation>IN dosyasını adı ne olursa olsun %1 olarak oku</translation>
        </message>
        <message>
            <source>write OUT as %1 whatever its name</source>
            <extracomment>command line 38 | zh-CN: 不论名称，把 OUT 写成 %1</extracomment>
            <translation>OUT dosyasını adı ne olursa olsun %1 olarak yaz</translation>
        </message>
        <message>
            <source>cut or pad to this chip's size</source>
            <extracomment>command line 39 | zh-CN: 截断或补足到该芯片的容量</extracomment>
            <translation>bu çipin boyutuna kes veya doldur</translation>
        </message>
        <message>
            <source>programming speed: 12MHz (default), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz</source>
            <extracomment>command line 40 | zh-CN: 烧写速度：12MHz（默认）、6MHz、3MHz、1.5MHz、750KHz、375KHz</extracomment>
            <translation>programlama hızı: 12MHz (varsayılan), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz</translation>
        </message>
        <message>
            <source>use the programmer simulator; CONFIG names its configuration</source>
            <extracomment>command line 41 | zh-CN: 使用编程器模拟器；CONFIG 指定其配置</extracomment>
            <translation>programlayıcı simülatörünü kullan; CONFIG yapılandırmasını belirtir</translation>
        </message>
        <message>
            <source>bind this library (libusb-0.1 interface) instead of the default</source>
            <extracomment>command line 42 | zh-CN: 绑定此库（libusb-0.1 接口）代替默认库</extracomment>
            <translation>varsayılan yerine bu kitaplığı bağla (libusb-0.1 arabirimi)</translation>
        </message>
        <message>
            <source>chip database file (default: the window program's database)</source>
            <extracomment>command line 43 | zh-CN: 芯片数据库文件（默认：窗口程序的数据库）</extracomment>
            <translation>çip veritabanı dosyası (varsayılan: pencere programının veritabanı)</translation>
        </message>
        <message>
            <source>message language: %1 (default: the locale's)</source>
            <extracomment>command line 44 | zh-CN: 消息语言：%1（默认按区域设置）</extracomment>
            <translation>ileti dili: %1 (varsayılan: yerel ayarın dili)</translation>
        </message>
        <message>
            <source>answer yes to the question a terminal would be asked</source>
            <extracomment>command line 45 | zh-CN: 对终端上会提出的问题回答“是”</extracomment>
            <translation>terminalde sorulacak soruya evet yanıtını ver</translation>
        </message>
        <message>
            <source>only this programmer: its serial, BUS:DEVICE or number N (zorvex-cli programmers)</source>
            <extracomment>command line 46 | zh-CN: 只用此编程器：其序列号、BUS:DEVICE 或编号 N（见 zorvex-cli programmers）</extracomment>
            <translation>yalnızca bu programlayıcı: seri numarası, BUS:DEVICE veya numarası N (zorvex-cli programmers)</translation>
        </message>
        <message>
            <source>stop after N chips</source>
            <extracomment>command line 47 | zh-CN: 烧完 N 片后停止</extracomment>
            <translation>N çipten sonra dur</translation>
        </message>
        <message>
            <source>write a serial number at ADDR (decimal or 0x-hex)</source>
            <extracomment>command line 48 | zh-CN: 在 ADDR 处写入序列号（十进制或 0x 十六进制）</extracomment>
            <translation>ADDR adresine bir seri numarası yaz (ondalık veya 0x ile onaltılık)</translation>
        </message>
        <message>
            <source>the first chip's serial number</source>
            <extracomment>command line 49 | zh-CN: 第一片的序列号</extracomment>
            <translation>ilk çipin seri numarası</translation>
        </message>
        <message>
            <source>added for every chip written to (default 1)</source>
            <extracomment>command line 50 | zh-CN: 每写入一片加上的值（默认 1）</extracomment>
            <translation>yazılan her çip için eklenen değer (varsayılan 1)</translation>
        </message>
        <message>
            <source>le16, be16, le32, be32, le64, be64, ascii:W, hex:W</source>
            <extracomment>command line 51 | zh-CN: le16、be16、le32、be32、le64、be64、ascii:W、hex:W</extracomment>
            <translation>le16, be16, le32, be32, le64, be64, ascii:W veya hex:W</translation>
        </message>
        <message>
            <source>the next serial number, kept between runs</source>
            <extracomment>command line 52 | zh-CN: 下一个序列号，在多次运行之间保存</extracomment>
            <translation>sıradaki seri numarası, çalıştırmalar arasında saklanır</translation>
        </message>
        <message>
            <source>append one JSON line per chip</source>
            <extracomment>command line 53 | zh-CN: 每片追加一行 JSON</extracomment>
            <translation>her çip için bir JSON satırı ekle</translation>
        </message>
        <message>
            <source>socket poll interval (default 300)</source>
            <extracomment>command line 54 | zh-CN: 插座轮询间隔（默认 300）</extracomment>
            <translation>soket yoklama aralığı (varsayılan 300)</translation>
        </message>
        <message>
            <source>wait up to S seconds while another program holds the programmer (default 60)</source>
            <extracomment>command line 55 | zh-CN: 编程器被其他程序占用时最多等待 S 秒（默认 60）</extracomment>
            <translation>başka bir program programlayıcıyı tutarken en fazla S saniye bekle (varsayılan 60)</translation>
        </message>
        <message>
            <source>open this buffer file (binary, Intel HEX, S-record) at start</source>
            <extracomment>command line 56 | zh-CN: 启动时打开此缓冲区文件（二进制、Intel HEX、S-record）</extracomment>
            <translation>başlangıçta bu arabellek dosyasını aç (ikili, Intel HEX, S-record)</translation>
        </message>
        <message>
            <source>use the programmer simulator shipped with the program instead of the USB library; CONFIG names a simulator configuration file</source>
            <extracomment>command line 57 | zh-CN: 使用随程序提供的编程器模拟器代替 USB 库；CONFIG 指定模拟器配置文件</extracomment>
            <translation>USB kitaplığı yerine programla birlikte gelen programlayıcı simülatörünü kullan; CONFIG bir simülatör yapılandırma dosyasını belirtir</translation>
        </message>
        <message>
            <source>the whole chip, as a later read gives it (when it was erased first)</source>
            <extracomment>command line 58 | zh-CN: 整个芯片，即日后读出所得（须先擦除）</extracomment>
            <translation>tüm çip, sonraki bir okumanın vereceği gibi (önce silinmişse)</translation>
        </message>
        <message>
            <source>the programmed image, as PASS, auto and write show it</source>
            <extracomment>command line 59 | zh-CN: 烧写的映像，即 PASS、auto 和 write 所显示</extracomment>
            <translation>programlanan görüntü, PASS, auto ve write satırlarının gösterdiği gibi</translation>
        </message>
        <message>
            <source>only one file can be opened: %1</source>
            <extracomment>command line 60 | zh-CN: 只能打开一个文件：%1</extracomment>
            <translation>yalnızca bir dosya açılabilir: %1</translation>
        </message>
        <message>
            <source>unknown option: %1</source>
            <extracomment>command line 61 | zh-CN: 未知选项：%1</extracomment>
            <translation>bilinmeyen seçenek: %1</translation>
        </message>
        <message>
            <source>Try 'zorvex --help'.</source>
            <extracomment>command line 62 | zh-CN: 用法见 'zorvex --help'。</extracomment>
            <translation>'zorvex --help' komutunu deneyin.</translation>
        </message>
        <message>
            <source>USB programmer for serial memory chips</source>
            <extracomment>fixed 1 | shown alike in zh-CN, zh-TW and en as: USB programmer for serial memory chips</extracomment>
            <translation>Seri bellek çipleri için USB programlayıcı</translation>
        </message>
        <message>
            <source>Binary</source>
            <extracomment>fixed 2 | shown alike in zh-CN, zh-TW and en as: Binary</extracomment>
            <translation>İkili</translation>
        </message>
        <message>
            <source>All files</source>
            <extracomment>fixed 3 | shown alike in zh-CN, zh-TW and en as: All files</extracomment>
            <translation>Tüm dosyalar</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>fixed 4 | shown alike in zh-CN, zh-TW and en as: Error</extracomment>
            <translation>Hata</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>fixed 5 | shown alike in zh-CN, zh-TW and en as: Information</extracomment>
            <translation>Bilgi</translation>
        </message>
        <message>
            <source>Question</source>
            <extracomment>fixed 6 | shown alike in zh-CN, zh-TW and en as: Info</extracomment>
            <translation>Soru</translation>
        </message>
        <message>
            <source>Unknown error</source>
            <extracomment>fixed 7 | shown alike in zh-CN, zh-TW and en as: Unknown error</extracomment>
            <translation>Bilinmeyen hata</translation>
        </message>
        <message>
            <source>File is too big for Buffer</source>
            <extracomment>fixed 8 | shown alike in zh-CN, zh-TW and en as: File is too big for Buffer</extracomment>
            <translation>Dosya arabellek için çok büyük</translation>
        </message>
        <message>
            <source>File is shorter than the 2048-byte capsule header</source>
            <extracomment>fixed 9 | shown alike in zh-CN, zh-TW and en as: File is shorter than the 2048-byte capsule header</extracomment>
            <translation>Dosya, 2048 baytlık kapsül başlığından kısa</translation>
        </message>
        <message>
            <source>Error reading File</source>
            <extracomment>fixed 10 | shown alike in zh-CN, zh-TW and en as: Error reading File</extracomment>
            <translation>Dosya okunurken hata oluştu</translation>
        </message>
        <message>
            <source>Data length exceeds the buffer</source>
            <extracomment>fixed 11 | shown alike in zh-CN, zh-TW and en as: Data length exceeds the buffer</extracomment>
            <translation>Veri uzunluğu arabelleği aşıyor</translation>
        </message>
        <message>
            <source>Select data format</source>
            <extracomment>fixed 12 | shown alike in zh-CN, zh-TW and en as: Select data format</extracomment>
            <translation>Veri biçimini seçin</translation>
        </message>
        <message>
            <source>Hex text</source>
            <extracomment>fixed 13 | shown alike in zh-CN, zh-TW and en as: Hex text</extracomment>
            <translation>Onaltılık metin</translation>
        </message>
        <message>
            <source>Can't open File</source>
            <extracomment>fixed 14 | shown alike in zh-CN, zh-TW and en as: Can't open File</extracomment>
            <translation>Dosya açılamıyor</translation>
        </message>
        <message>
            <source>'%1' is not a valid integer value</source>
            <extracomment>fixed 15 | shown alike in zh-CN, zh-TW and en as: '%1' is not a valid integer value</extracomment>
            <translation>&quot;%1&quot; geçerli bir tamsayı değil</translation>
        </message>
        <message>
            <source>25 flash series</source>
            <extracomment>fixed 16 | shown alike in zh-CN, zh-TW and en as: 25 flash 系列</extracomment>
            <translation>25 serisi Flash</translation>
        </message>
        <message>
            <source>24 eeprom series</source>
            <extracomment>fixed 17 | shown alike in zh-CN, zh-TW and en as: 24 eeprom 系列</extracomment>
            <translation>24 serisi EEPROM</translation>
        </message>
        <message>
            <source>93 eeprom series</source>
            <extracomment>fixed 18 | shown alike in zh-CN, zh-TW and en as: 93 eeprom 系列</extracomment>
            <translation>93 serisi EEPROM</translation>
        </message>
        <message>
            <source>25 eeprom series</source>
            <extracomment>fixed 19 | shown alike in zh-CN, zh-TW and en as: 25 eeprom 系列</extracomment>
            <translation>25 serisi EEPROM</translation>
        </message>
        <message>
            <source>95 eeprom series</source>
            <extracomment>fixed 20 | shown alike in zh-CN, zh-TW and en as: 95 eeprom 系列</extracomment>
            <translation>95 serisi EEPROM</translation>
        </message>
        <message>
            <source>non-SST SPI flash</source>
            <extracomment>fixed 21 | shown alike in zh-CN, zh-TW and en as: 非SST SPI flash</extracomment>
            <translation>SST dışı SPI flash</translation>
        </message>
        <message>
            <source>under 4KB</source>
            <extracomment>fixed 22 | shown alike in zh-CN, zh-TW and en as: 小于4KB</extracomment>
            <translation>4KB altı</translation>
        </message>
        <message>
            <source>4KB or more</source>
            <extracomment>fixed 23 | shown alike in zh-CN, zh-TW and en as: 大于等于4KB</extracomment>
            <translation>4KB ve üzeri</translation>
        </message>
        <message>
            <source>under 512B</source>
            <extracomment>fixed 24 | shown alike in zh-CN, zh-TW and en as: 小于512B</extracomment>
            <translation>512B altı</translation>
        </message>
        <message>
            <source>512B or more</source>
            <extracomment>fixed 25 | shown alike in zh-CN, zh-TW and en as: 大等于512B</extracomment>
            <translation>512B ve üzeri</translation>
        </message>
        <message>
            <source>over 64KB</source>
            <extracomment>fixed 26 | shown alike in zh-CN, zh-TW and en as: 大于64KB</extracomment>
            <translation>64KB üzeri</translation>
        </message>
        <message>
            <source>Chip type</source>
            <extracomment>fixed 27 | shown alike in zh-CN, zh-TW and en as: 芯片类型</extracomment>
            <translation>Çip türü</translation>
        </message>
        <message>
            <source>Chip maker</source>
            <extracomment>fixed 28 | shown alike in zh-CN, zh-TW and en as: 芯片厂家</extracomment>
            <translation>Üretici</translation>
        </message>
        <message>
            <source>Chip model</source>
            <extracomment>fixed 29 | shown alike in zh-CN, zh-TW and en as: 芯片型号</extracomment>
            <translation>Çip modeli</translation>
        </message>
        <message>
            <source>FLASH page</source>
            <extracomment>fixed 31 | shown alike in zh-CN, zh-TW and en as: FLASH页</extracomment>
            <translation>FLASH syf.</translation>
        </message>
        <message>
            <source>Family</source>
            <extracomment>fixed 32 | shown alike in zh-CN, zh-TW and en as: 类型</extracomment>
            <translation>Aile</translation>
        </message>
        <message>
            <source>Subtype</source>
            <extracomment>fixed 33 | shown alike in zh-CN, zh-TW and en as: 子类型</extracomment>
            <translation>Alt tür</translation>
        </message>
        <message>
            <source>Linked XML</source>
            <extracomment>fixed 37 | shown alike in zh-CN, zh-TW and en as: 关联XML</extracomment>
            <translation>Bağlı XML</translation>
        </message>
        <message>
            <source>on a difference, read the whole chip and list every one</source>
            <translation type="vanished">fark varsa tüm çipi oku ve her farkı listele</translation>
        </message>
        <message>
            <source> The part already read was discarded; the buffer is empty.</source>
            <translation type="vanished"> Okunmuş olan kısım atıldı; arabellek boş.</translation>
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
            <translation type="vanished">IN ile çipleri art arda programlar: &quot;Insert a chip&quot; yazdırır ve sokete bir çip takılmasını bekler;
çipi siler, yazar ve doğrular; &quot;#K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes)&quot; (tam sayfalara
yuvarlanmış görüntü, checksum IN --chip komutunun etiketlediği gibi) veya &quot;#K FAIL REASON&quot; yazdırır;
ardından &quot;Remove the chip&quot; yazdırır ve soketin boşalmasını bekler. --count çipten sonra ya da Ctrl+C
(SIGTERM, SIGHUP) ile eldeki çip bittiğinde durur ve &quot;N passed, M failed&quot; yazdırır.
Çıkış kodu: her çip geçtiyse 0, biri başarısız olduysa 1, ilk çipten önce bir dosya veya sayı
reddedildiyse 2, programlayıcı bağlantısı koptuysa 3, çipler programlandıktan sonra bir kayıt (seri
numarası dosyası, günlük, standart çıktı) yazılamadıysa 4.

Seri numaraları: --serial-at ADDR --serial-start N, N değerini ilk çipin ADDR adresine, geçen her
çipe de bir sonrakini yazar (--serial-step, varsayılan 1); başarısız bir çip numarasını sonraki çipe
bırakır. --serial-format le16|be16|le32|be32|le64|be64 (ikili, varsayılan le32), ascii:W (W ondalık
basamak, başı sıfırla doldurulmuş) veya hex:W (W büyük harfli onaltılık basamak). --serial-file FILE
sıradaki numarayı çalıştırmalar arasında ve dosyayı paylaşan bir grubun çalıştırmaları arasında
saklar: her numara, çipi yazılmadan önce bir kilit altında bu dosyadan alınır (dosya var olduğunda
--serial-start seçeneğinin önüne geçer).
--log FILE her çip için bir JSON nesnesi ekler; nesne, çipin PASS satırı yazdırılmadan önce yazılır.
Bir çalıştırma açtığı ilk programlayıcıyı kullanmayı sürdürür; başka bir programın tuttuğu
programlayıcı beklenir (--busy-wait).</translation>
        </message>
        <message>
            <source>cannot create the folder %1 of the log</source>
            <translation type="vanished">günlüğün klasörü %1 oluşturulamıyor</translation>
        </message>
        <message>
            <source>added for every passed chip (default 1)</source>
            <translation type="vanished">geçen her çip için eklenen değer (varsayılan 1)</translation>
        </message>
        <message>
            <source>Loads IN as write does and compares the chip with it; of a file longer than the chip
only the chip's size is compared, and a warning says so. With --all a difference
is followed by a read of the whole chip and a list of every differing range.</source>
            <translation type="vanished">IN dosyasını write gibi yükler ve çipi onunla karşılaştırır; çipten uzun bir dosyanın yalnızca çip
boyutu kadarı karşılaştırılır ve bir uyarı bunu belirtir. --all ile bir fark bulunursa ardından tüm
çip okunur ve her farklı aralık listelenir.</translation>
        </message>
    </context>
</TS>
