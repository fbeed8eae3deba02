<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
    <context>
        <name>zorvex</name>
        <message>
            <source>Unknown chip ID =</source>
            <extracomment>message 0 | zh-CN: 未知型号芯片ID =</extracomment>
            <translation>ID de puce inconnu =</translation>
        </message>
        <message>
            <source>Please choose the compatibility type manually.</source>
            <extracomment>message 1 | zh-CN: 请手动选择兼容型号。</extracomment>
            <translation>Choisissez manuellement le type compatible.</translation>
        </message>
        <message>
            <source>No chips detected, please put the chip to try again!</source>
            <extracomment>message 2 | zh-CN: 没有检测到芯片，请放置芯片再试！</extracomment>
            <translation>Aucune puce détectée. Placez la puce et réessayez.</translation>
        </message>
        <message>
            <source>The chip was detected:</source>
            <extracomment>message 3 | zh-CN: 检测到芯片：</extracomment>
            <translation>Puce détectée :</translation>
        </message>
        <message>
            <source>

 Chip type</source>
            <extracomment>message 4 | zh-CN: 

芯片类型 ： | A label on a line of its own, followed directly by the chip's type: end it with a colon and a blank.</extracomment>
            <translation>

Type de puce : </translation>
        </message>
        <message>
            <source>Chip type is detected:</source>
            <extracomment>message 5 | zh-CN: 检测到芯片芯片类型: </extracomment>
            <translation>Type de puce détecté :</translation>
        </message>
        <message>
            <source>

 Please manually select the corresponding type burn.</source>
            <extracomment>message 6 | zh-CN: 

请手动选择对应型号烧写。 | Means &quot;Please choose the matching chip model by hand and program it.&quot;</extracomment>
            <translation>

Choisissez manuellement le modèle de puce correspondant, puis programmez-le.</translation>
        </message>
        <message>
            <source>The configuration file was destroyed.</source>
            <extracomment>message 7 | zh-CN: 配置文件被破坏！ | Means &quot;The chip list file is damaged.&quot;</extracomment>
            <translation>La liste des puces est endommagée.</translation>
        </message>
        <message>
            <source>File already exists. Is it covered? </source>
            <extracomment>message 8 | zh-CN: 文件已存在,是否覆盖? | Means &quot;The file already exists. Overwrite it?&quot;</extracomment>
            <translation>Le fichier existe déjà. L’écraser ?</translation>
        </message>
        <message>
            <source>Error writing file.</source>
            <extracomment>message 9 | zh-CN: 写入文件出错。</extracomment>
            <translation>Erreur lors de l’écriture du fichier.</translation>
        </message>
        <message>
            <source>The programmer is detected, and the working state is normal.</source>
            <extracomment>message 10 | zh-CN: 检测到编程器，工作状态正常。</extracomment>
            <translation>Programmateur détecté, il fonctionne normalement.</translation>
        </message>
        <message>
            <source>Ready</source>
            <extracomment>message 11 | zh-CN: 准备好</extracomment>
            <translation>Prêt</translation>
        </message>
        <message>
            <source>Not connected</source>
            <extracomment>message 12 | zh-CN: 编程器未接入</extracomment>
            <translation>Non connecté</translation>
        </message>
        <message>
            <source>Erase Flash ...</source>
            <extracomment>message 13 | zh-CN: 擦除 Flash ...</extracomment>
            <translation>Effacement ...</translation>
        </message>
        <message>
            <source>Read Flash ...</source>
            <extracomment>message 14 | zh-CN: 读出 Flash ...</extracomment>
            <translation>Lecture ...</translation>
        </message>
        <message>
            <source>Bank Flash ...</source>
            <extracomment>message 15 | zh-CN: 查空 Flash ... | A typing slip for &quot;Blank check Flash ...&quot;: the blank check is running.</extracomment>
            <translation>Test de virginité ...</translation>
        </message>
        <message>
            <source>The chip is not empty.</source>
            <extracomment>message 16 | zh-CN: 芯片没有擦空</extracomment>
            <translation>La puce n’est pas vierge.</translation>
        </message>
        <message>
            <source>Verify Flash ...</source>
            <extracomment>message 17 | zh-CN: 校验 Flash ...</extracomment>
            <translation>Vérification ...</translation>
        </message>
        <message>
            <source>Flash check error address:</source>
            <extracomment>message 18 | zh-CN: Flash 校验错误地址: </extracomment>
            <translation>Erreur de vérification de la Flash à l’adresse :</translation>
        </message>
        <message>
            <source>Write Flash ...</source>
            <extracomment>message 19 | zh-CN: 编程 Flash ...</extracomment>
            <translation>Écriture ...</translation>
        </message>
        <message>
            <source>File length is larger than chip capacity. Do you want to continue to write?</source>
            <extracomment>message 20 | zh-CN: 文件长度大于芯片容量,是否继续烧录?</extracomment>
            <translation>Le fichier est plus grand que la capacité de la puce. Continuer l’écriture ?</translation>
        </message>
        <message>
            <source>Open</source>
            <extracomment>message 21 | zh-CN: 打开</extracomment>
            <translation>Ouvrir</translation>
        </message>
        <message>
            <source>Read Complete!</source>
            <extracomment>message 22 | zh-CN: 读出完成！</extracomment>
            <translation>Lecture terminée.</translation>
        </message>
        <message>
            <source>The chip is empty!</source>
            <extracomment>message 23 | zh-CN: 芯片为空！</extracomment>
            <translation>La puce est vierge.</translation>
        </message>
        <message>
            <source>Erase Complete!</source>
            <extracomment>message 24 | zh-CN: 擦除完成！</extracomment>
            <translation>Effacement terminé.</translation>
        </message>
        <message>
            <source>Write Complete!</source>
            <extracomment>message 25 | zh-CN: 写入完成！</extracomment>
            <translation>Écriture terminée.</translation>
        </message>
        <message>
            <source>The buffer data is empty. Please load the data file..</source>
            <extracomment>message 26 | zh-CN: 缓冲区数据为空，请加载数据文件。</extracomment>
            <translation>Le tampon est vide. Chargez un fichier de données.</translation>
        </message>
        <message>
            <source>Verify Complete!</source>
            <extracomment>message 27 | zh-CN: 校验完成！</extracomment>
            <translation>Vérification terminée.</translation>
        </message>
        <message>
            <source>AUTO Complete!</source>
            <extracomment>message 28 | zh-CN: 自动编程校验通过！</extracomment>
            <translation>Programmation automatique réussie.</translation>
        </message>
        <message>
            <source>Bank Complete!</source>
            <extracomment>message 29 | zh-CN: 查空完成！</extracomment>
            <translation>Test de virginité terminé.</translation>
        </message>
        <message>
            <source>Find</source>
            <extracomment>extra 0 | zh-CN: 查找</extracomment>
            <translation>Chercher</translation>
        </message>
        <message>
            <source>Find what:</source>
            <extracomment>extra 1 | zh-CN: 查找内容：</extracomment>
            <translation>Rechercher :</translation>
        </message>
        <message>
            <source>Hex bytes (?? stands for any one byte)</source>
            <extracomment>extra 2 | zh-CN: 十六进制字节（?? 代表任意一个字节）</extracomment>
            <translation>Octets hexa (?? représente un octet quelconque)</translation>
        </message>
        <message>
            <source>Text</source>
            <extracomment>extra 3 | zh-CN: 文本</extracomment>
            <translation>Texte</translation>
        </message>
        <message>
            <source>Ignore case</source>
            <extracomment>extra 4 | zh-CN: 忽略大小写</extracomment>
            <translation>Ignorer la casse</translation>
        </message>
        <message>
            <source>From the caret</source>
            <extracomment>extra 5 | zh-CN: 从光标处开始</extracomment>
            <translation>Depuis le curseur</translation>
        </message>
        <message>
            <source>From the start</source>
            <extracomment>extra 6 | zh-CN: 从头开始</extracomment>
            <translation>Depuis le début</translation>
        </message>
        <message>
            <source>Close</source>
            <extracomment>extra 8 | zh-CN: 关闭</extracomment>
            <translation>Fermer</translation>
        </message>
        <message>
            <source>Enter the bytes or the text to find.</source>
            <extracomment>extra 9 | zh-CN: 请输入要查找的字节或文本。</extracomment>
            <translation>Saisissez les octets ou le texte à rechercher.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a hex byte: write two hex digits per byte, or ?? for any byte.</source>
            <extracomment>extra 10 | zh-CN: “%1”不是十六进制字节：每个字节写两位十六进制数字，或写 ?? 代表任意字节。</extracomment>
            <translation>« %1 » n’est pas un octet hexa : écrivez deux chiffres hexa par octet, ou ?? pour un octet quelconque.</translation>
        </message>
        <message>
            <source>Give at least one byte that is not ??.</source>
            <extracomment>extra 11 | zh-CN: 至少需要一个不是 ?? 的字节。</extracomment>
            <translation>Indiquez au moins un octet autre que ??.</translation>
        </message>
        <message>
            <source>A pattern with ?? can hold at most 255 different byte values.</source>
            <extracomment>extra 12 | zh-CN: 含 ?? 的查找内容最多只能有 255 种不同的字节值。</extracomment>
            <translation>Un motif avec ?? peut contenir au plus 255 valeurs d’octet différentes.</translation>
        </message>
        <message>
            <source>The text can hold only characters the character column shows; &quot;%1&quot; is not one of them.</source>
            <extracomment>extra 13 | zh-CN: 文本只能包含字符栏能显示的字符，“%1”不在其中。</extracomment>
            <translation>Le texte ne peut contenir que des caractères affichés par la colonne des caractères ; « %1 » n’en fait pas partie.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not found in the buffer.</source>
            <extracomment>extra 14 | zh-CN: 在缓冲区中未找到“%1”。</extracomment>
            <translation>« %1 » est introuvable dans le tampon.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; was not found between the caret and the end of the buffer.</source>
            <extracomment>extra 15 | zh-CN: 从光标处到末尾未找到“%1”。</extracomment>
            <translation>« %1 » est introuvable entre le curseur et la fin du tampon.</translation>
        </message>
        <message>
            <source>Go to address</source>
            <extracomment>extra 16 | zh-CN: 转到地址</extracomment>
            <translation>Aller à l’adresse</translation>
        </message>
        <message>
            <source>Address (hex):</source>
            <extracomment>extra 17 | zh-CN: 地址（十六进制）：</extracomment>
            <translation>Adresse (hexa) :</translation>
        </message>
        <message>
            <source>Go to</source>
            <extracomment>extra 18 | zh-CN: 转到</extracomment>
            <translation>Aller</translation>
        </message>
        <message>
            <source>Cancel</source>
            <extracomment>extra 19 | zh-CN: 取消</extracomment>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Enter an address in hex.</source>
            <extracomment>extra 20 | zh-CN: 请输入十六进制地址。</extracomment>
            <translation>Saisissez une adresse en hexadécimal.</translation>
        </message>
        <message>
            <source>&quot;%1&quot; is not a hex address.</source>
            <extracomment>extra 21 | zh-CN: “%1”不是十六进制地址。</extracomment>
            <translation>« %1 » n’est pas une adresse hexadécimale.</translation>
        </message>
        <message>
            <source>Address %1 is outside the buffer: the valid range is 0 to %2 (hex).</source>
            <extracomment>extra 22 | zh-CN: 地址 %1 超出缓冲区，有效范围为 0 到 %2（十六进制）。</extracomment>
            <translation>L’adresse %1 est hors du tampon : la plage valide va de 0 à %2 (hexa).</translation>
        </message>
        <message>
            <source>Check that the programmer is plugged in and powered, and that this user may use it (the package's udev rule, re-plugging the programmer after installing, a graphical login); --simulate runs the built-in simulator.</source>
            <extracomment>extra 23 | zh-CN: 请检查编程器是否已插好并通电，以及当前用户能否使用它（安装软件包的 udev 规则，安装后重新插拔编程器，从图形界面登录）；--simulate 可运行内置的模拟器。</extracomment>
            <translation>Vérifiez que le programmateur est branché et alimenté, et que cet utilisateur a le droit de l’utiliser (règle udev du paquet, programmateur rebranché après l’installation, session graphique) ; --simulate lance le simulateur intégré.</translation>
        </message>
        <message>
            <source>The simulator configuration was refused, so the simulator has no programmer: %1</source>
            <extracomment>extra 24 | zh-CN: 模拟器配置被拒绝，模拟器没有接入编程器：%1</extracomment>
            <translation>La configuration du simulateur a été refusée, le simulateur n’a donc pas de programmateur : %1</translation>
        </message>
        <message>
            <source>File %1, line %2</source>
            <extracomment>extra 25 | zh-CN: 文件 %1，第 %2 行</extracomment>
            <translation>Fichier %1, ligne %2</translation>
        </message>
        <message>
            <source>Cannot create the file.</source>
            <extracomment>extra 26 | zh-CN: 无法创建文件。</extracomment>
            <translation>Impossible de créer le fichier.</translation>
        </message>
        <message>
            <source>The chip list has changes that are not saved. Discard them?</source>
            <extracomment>extra 27 | zh-CN: 芯片列表有未保存的修改，放弃这些修改吗？</extracomment>
            <translation>La liste des puces contient des modifications non enregistrées. Les abandonner ?</translation>
        </message>
        <message>
            <source>Row %1: the name &quot;%2&quot; holds &quot;%3&quot;, a character GBK cannot store; nothing was saved.</source>
            <extracomment>extra 28 | zh-CN: 第 %1 行：名称“%2”中的字符“%3”无法以 GBK 编码保存，未保存。</extracomment>
            <translation>Ligne %1 : le nom « %2 » contient « %3 », un caractère que GBK ne peut pas stocker ; rien n’a été enregistré.</translation>
        </message>
        <message>
            <source>The chip database of this version holds %1 chips that your saved database %2 lacks. Add them after your own chips? Your own chips stay as they are.</source>
            <extracomment>extra 29 | zh-CN: 本版本自带的芯片数据库中有 %1 个芯片是您保存的数据库 %2 所没有的。是否把它们添加到您自己的芯片之后？您原有的芯片保持不变。</extracomment>
            <translation>La base de données des puces de cette version contient %1 puces absentes de votre base enregistrée %2. Les ajouter après vos propres puces ? Vos propres puces restent inchangées.</translation>
        </message>
        <message>
            <source>%1 more do not fit: a database holds at most 999 chips.</source>
            <extracomment>extra 30 | zh-CN: 另有 %1 个芯片放不下：数据库最多容纳 999 个芯片。</extracomment>
            <translation>%1 de plus ne tiennent pas : une base contient au plus 999 puces.</translation>
        </message>
        <message>
            <source>Choose an item in every list first.</source>
            <extracomment>extra 31 | zh-CN: 请先在每个列表中选择一项。</extracomment>
            <translation>Choisissez d’abord un élément dans chaque liste.</translation>
        </message>
        <message>
            <source>The chip table holds at most %1 chips, the grid has %2 rows; nothing was saved.</source>
            <extracomment>extra 32 | zh-CN: 芯片表最多保存 %1 个芯片，当前有 %2 行，未保存。</extracomment>
            <translation>La table des puces contient au plus %1 puces, la grille a %2 lignes ; rien n’a été enregistré.</translation>
        </message>
        <message>
            <source>Row %1: the name &quot;%2&quot; does not fit the chip record (at most 47 bytes of GBK text); nothing was saved.</source>
            <extracomment>extra 33 | zh-CN: 第 %1 行：名称“%2”无法存入芯片记录（最多 47 字节 GBK 文字），未保存。</extracomment>
            <translation>Ligne %1 : le nom « %2 » ne tient pas dans l’enregistrement de la puce (au plus 47 octets de texte GBK) ; rien n’a été enregistré.</translation>
        </message>
        <message>
            <source>&amp;Programmer</source>
            <extracomment>extra 34 | zh-CN: 编程器(&amp;P)</extracomment>
            <translation>&amp;Programmateur</translation>
        </message>
        <message>
            <source>Automatic (the first one found)</source>
            <extracomment>extra 35 | zh-CN: 自动（第一个找到的编程器）</extracomment>
            <translation>Automatique (le premier trouvé)</translation>
        </message>
        <message>
            <source>%1 (not attached)</source>
            <extracomment>extra 36 | zh-CN: %1（未连接）</extracomment>
            <translation>%1 (non branché)</translation>
        </message>
        <message>
            <source>The settings file %1 could not be written: %2. This session's settings are not saved.</source>
            <extracomment>extra 37 | zh-CN: 无法保存设置文件 %1：%2。本次的设置没有保存。</extracomment>
            <translation>Le fichier de paramètres %1 n’a pas pu être écrit : %2. Les paramètres de cette session ne sont pas enregistrés.</translation>
        </message>
        <message>
            <source>The programmer %1 is in use by another program.</source>
            <extracomment>extra 38 | zh-CN: 编程器 %1 正被另一个程序使用。</extracomment>
            <translation>Le programmateur %1 est utilisé par un autre programme.</translation>
        </message>
        <message>
            <source>%1: only an image opened from a .cap file can be saved as .cap, with the 2048-byte header it was opened with. Save this image as .bin.</source>
            <extracomment>extra 39 | zh-CN: %1：只有从 .cap 文件打开的映像才能保存为 .cap（连同打开时的 2048 字节文件头）。请把这个映像保存为 .bin。</extracomment>
            <translation>%1 : seule une image ouverte depuis un fichier .cap peut être enregistrée en .cap, avec l’en-tête de 2048 octets avec lequel elle a été ouverte. Enregistrez cette image en .bin.</translation>
        </message>
        <message>
            <source>The buffer holds %1 bytes, more than the %2-byte chip; the file gets only the chip's first %2 bytes. Continue?</source>
            <extracomment>extra 40 | zh-CN: 缓冲区中的数据有 %1 字节，大于 %2 字节的芯片；文件只保存芯片的前 %2 字节。继续吗？</extracomment>
            <translation>Le tampon contient %1 octets, plus que la puce de %2 octets ; le fichier ne reçoit que les %2 premiers octets de la puce. Continuer ?</translation>
        </message>
        <message>
            <source>%1: the image needs %2 bytes, the disk has %3 bytes free. The chip was not read.</source>
            <extracomment>extra 41 | zh-CN: %1：映像需要 %2 字节，磁盘只剩 %3 字节。芯片没有读取。</extracomment>
            <translation>%1 : l’image nécessite %2 octets, le disque n’a que %3 octets libres. La puce n’a pas été lue.</translation>
        </message>
        <message>
            <source>The image read is kept in %1.</source>
            <extracomment>extra 42 | zh-CN: 读出的映像保存在 %1。</extracomment>
            <translation>L’image lue est conservée dans %1.</translation>
        </message>
        <message>
            <source>No attached programmer matches --programmer %1 (zorvex-cli programmers lists them).</source>
            <extracomment>extra 43 | zh-CN: 没有与 --programmer %1 相符的已连接编程器（zorvex-cli programmers 列出已连接的编程器）。</extracomment>
            <translation>Aucun programmateur branché ne correspond à --programmer %1 (zorvex-cli programmers les liste).</translation>
        </message>
        <message>
            <source>The programmer %1 refused to be claimed (error %2).</source>
            <extracomment>extra 44 | zh-CN: 编程器 %1 拒绝被占用（错误 %2）。</extracomment>
            <translation>Le programmateur %1 a refusé d’être réservé (erreur %2).</translation>
        </message>
        <message>
            <source>No programmer is attached.</source>
            <extracomment>extra 45 | zh-CN: 没有连接编程器。</extracomment>
            <translation>Aucun programmateur n’est branché.</translation>
        </message>
        <message>
            <source>The USB library %1 could not be loaded.</source>
            <extracomment>extra 46 | zh-CN: 无法加载 USB 库 %1。</extracomment>
            <translation>La bibliothèque USB %1 n’a pas pu être chargée.</translation>
        </message>
        <message>
            <source>Standard input has no name that tells its format: give it with --from bin, hex or srec.</source>
            <extracomment>extra 47 | zh-CN: 标准输入没有文件名可判断格式：请用 --from bin、hex 或 srec 指定。</extracomment>
            <translation>L’entrée standard n’a pas de nom qui indique son format : précisez-le avec --from bin, hex ou srec.</translation>
        </message>
        <message>
            <source>Standard output could not be written: %1.</source>
            <extracomment>extra 48 | zh-CN: 无法写入标准输出：%1。</extracomment>
            <translation>La sortie standard n’a pas pu être écrite : %1.</translation>
        </message>
        <message>
            <source>%1 left as it was</source>
            <extracomment>extra 49 | zh-CN: %1 保持原样，没有改动</extracomment>
            <translation>%1 laissé tel quel</translation>
        </message>
        <message>
            <source>nothing was changed on the chip</source>
            <extracomment>extra 50 | zh-CN: 芯片没有任何改动</extracomment>
            <translation>rien n’a été modifié sur la puce</translation>
        </message>
        <message>
            <source>the programmer reports only the chip type; choose the chip with --chip MODEL</source>
            <extracomment>extra 51 | zh-CN: 编程器只报告了芯片类型；请用 --chip MODEL 选择芯片</extracomment>
            <translation>le programmateur n’indique que le type de puce ; choisissez la puce avec --chip MODEL</translation>
        </message>
        <message>
            <source>the detected chip cannot be chosen from the chip lists; choose it with --chip MODEL</source>
            <extracomment>extra 52 | zh-CN: 检测到的芯片无法从芯片列表中选中；请用 --chip MODEL 选择它</extracomment>
            <translation>la puce détectée ne peut pas être choisie dans les listes de puces ; choisissez-la avec --chip MODEL</translation>
        </message>
        <message>
            <source>warning: %1 holds %2 bytes, the chip %3: only the first %3 are compared</source>
            <extracomment>extra 53 | zh-CN: 警告：%1 有 %2 字节，芯片只有 %3 字节：只比较前 %3 字节</extracomment>
            <translation>avertissement : %1 contient %2 octets, la puce %3 : seuls les %3 premiers sont comparés</translation>
        </message>
        <message>
            <source>warning: %1 is read as binary, but it starts like an %2 file; --from %3 reads it as one</source>
            <extracomment>extra 54 | zh-CN: 警告：%1 按二进制读入，但它的开头像 %2 文件；--from %3 可按此格式读入</extracomment>
            <translation>avertissement : %1 est lu en binaire, mais il commence comme un fichier %2 ; --from %3 le lit comme tel</translation>
        </message>
        <message>
            <source>no chip database at %1 (--db FILE names one)</source>
            <extracomment>extra 55 | zh-CN: %1 没有芯片数据库（可用 --db FILE 指定一个）</extracomment>
            <translation>aucune base de données des puces dans %1 (--db FILE en désigne une)</translation>
        </message>
        <message>
            <source>the chip database %1 lists no chips</source>
            <extracomment>extra 56 | zh-CN: 芯片数据库 %1 中没有芯片</extracomment>
            <translation>la base de données des puces %1 ne contient aucune puce</translation>
        </message>
        <message>
            <source>no chip named '%1' in the chip database</source>
            <extracomment>extra 57 | zh-CN: 芯片数据库中没有名为“%1”的芯片</extracomment>
            <translation>aucune puce nommée « %1 » dans la base de données des puces</translation>
        </message>
        <message>
            <source>; closest: %1</source>
            <extracomment>extra 58 | zh-CN: ；最接近的：%1</extracomment>
            <translation> ; la plus proche : %1</translation>
        </message>
        <message>
            <source>no chip '%1' by '%2'; the database has: %3</source>
            <extracomment>extra 59 | zh-CN: 没有厂商“%2”的芯片“%1”；数据库中有：%3</extracomment>
            <translation>aucune puce « %1 » de « %2 » ; la base contient : %3</translation>
        </message>
        <message>
            <source>several makers have a chip '%1', choose one with --maker: %2</source>
            <extracomment>extra 60 | zh-CN: 多个厂商都有芯片“%1”，请用 --maker 选择其一：%2</extracomment>
            <translation>plusieurs fabricants ont une puce « %1 », choisissez-en un avec --maker : %2</translation>
        </message>
        <message>
            <source>%1 bytes written to %2</source>
            <extracomment>extra 61 | zh-CN: 已写入 %1 字节到 %2</extracomment>
            <translation>%1 octets écrits dans %2</translation>
        </message>
        <message>
            <source>standard output</source>
            <extracomment>extra 62 | zh-CN: 标准输出</extracomment>
            <translation>sortie standard</translation>
        </message>
        <message>
            <source>%1 -- no (--yes answers yes)</source>
            <extracomment>extra 63 | zh-CN: %1 -- 否（--yes 表示回答是）</extracomment>
            <translation>%1 -- non (--yes répond oui)</translation>
        </message>
        <message>
            <source>the chip could not be read for the full comparison</source>
            <extracomment>extra 64 | zh-CN: 无法读出芯片以作完整比较</extracomment>
            <translation>la puce n’a pas pu être lue pour la comparaison complète</translation>
        </message>
        <message>
            <source>Elapsed time: %1</source>
            <extracomment>extra 65 | zh-CN: 使用时间：%1</extracomment>
            <translation>Temps écoulé : %1</translation>
        </message>
        <message>
            <source>Try 'zorvex-cli --help'.</source>
            <extracomment>extra 66 | zh-CN: 用法见 'zorvex-cli --help'。</extracomment>
            <translation>Essayez « zorvex-cli --help ».</translation>
        </message>
        <message>
            <source>the command is missing</source>
            <extracomment>extra 67 | zh-CN: 缺少命令</extracomment>
            <translation>la commande est manquante</translation>
        </message>
        <message>
            <source>unknown command '%1'</source>
            <extracomment>extra 68 | zh-CN: 未知命令“%1”</extracomment>
            <translation>commande inconnue « %1 »</translation>
        </message>
        <message>
            <source>%1 is not one of the shared options that may stand before the command</source>
            <extracomment>extra 69 | zh-CN: %1 不是可以放在命令之前的共用选项</extracomment>
            <translation>%1 n’est pas une des options communes qui peuvent précéder la commande</translation>
        </message>
        <message>
            <source>unknown speed '%1' (%2)</source>
            <extracomment>extra 70 | zh-CN: 未知速度“%1”（%2）</extracomment>
            <translation>vitesse inconnue « %1 » (%2)</translation>
        </message>
        <message>
            <source>unknown language '%1' (%2)</source>
            <extracomment>extra 71 | zh-CN: 未知语言“%1”（%2）</extracomment>
            <translation>langue inconnue « %1 » (%2)</translation>
        </message>
        <message>
            <source>%1 needs a value</source>
            <extracomment>extra 72 | zh-CN: %1 需要一个值</extracomment>
            <translation>%1 nécessite une valeur</translation>
        </message>
        <message>
            <source>%1 takes no value</source>
            <extracomment>extra 73 | zh-CN: %1 不带值</extracomment>
            <translation>%1 ne prend pas de valeur</translation>
        </message>
        <message>
            <source>%1= needs a value (%2)</source>
            <extracomment>extra 74 | zh-CN: %1= 需要一个值（%2）</extracomment>
            <translation>%1= nécessite une valeur (%2)</translation>
        </message>
        <message>
            <source>unknown format '%1' (%2)</source>
            <extracomment>extra 75 | zh-CN: 未知格式“%1”（%2）</extracomment>
            <translation>format inconnu « %1 » (%2)</translation>
        </message>
        <message>
            <source>the %1 command has no option %2</source>
            <extracomment>extra 76 | zh-CN: %1 命令没有选项 %2</extracomment>
            <translation>la commande %1 n’a pas d’option %2</translation>
        </message>
        <message>
            <source>unexpected argument '%1'</source>
            <extracomment>extra 77 | zh-CN: 多余的参数“%1”</extracomment>
            <translation>argument inattendu « %1 »</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <extracomment>extra 78 | zh-CN: 缺少 %1</extracomment>
            <translation>%1 est manquant</translation>
        </message>
        <message>
            <source>--chip and --detect exclude each other</source>
            <extracomment>extra 79 | zh-CN: --chip 与 --detect 不能同时使用</extracomment>
            <translation>--chip et --detect s’excluent mutuellement</translation>
        </message>
        <message>
            <source>choose the chip with --chip MODEL or --detect</source>
            <extracomment>extra 80 | zh-CN: 请用 --chip MODEL 或 --detect 选择芯片</extracomment>
            <translation>choisissez la puce avec --chip MODEL ou --detect</translation>
        </message>
        <message>
            <source>--maker goes with --chip</source>
            <extracomment>extra 81 | zh-CN: --maker 须与 --chip 一起使用</extracomment>
            <translation>--maker ne s’utilise qu’avec --chip</translation>
        </message>
        <message>
            <source>--simulate and --usb-library exclude each other</source>
            <extracomment>extra 82 | zh-CN: --simulate 与 --usb-library 不能同时使用</extracomment>
            <translation>--simulate et --usb-library s’excluent mutuellement</translation>
        </message>
        <message>
            <source>expected IN and OUT</source>
            <extracomment>extra 83 | zh-CN: 需要 IN 和 OUT 两个文件</extracomment>
            <translation>IN et OUT attendus</translation>
        </message>
        <message>
            <source>the chip's size %1 does not fit the 64 MiB image</source>
            <extracomment>extra 84 | zh-CN: 芯片容量 %1 超出 64 MiB 的映像</extracomment>
            <translation>la taille de la puce, %1, dépasse l’image de 64 Mio</translation>
        </message>
        <message>
            <source>The clipboard text is not hex bytes: character %2, &quot;%1&quot;, cannot be read. Write two hex digits per byte (0x12 too), separated by blanks, commas or line ends. The buffer is unchanged.</source>
            <extracomment>extra 85 | zh-CN: 剪贴板中的文本不是十六进制字节：第 %2 个字符“%1”无法识别。每个字节写两位十六进制数字（也可写成 0x12），用空格、逗号或换行分隔。缓冲区没有改变。</extracomment>
            <translation>Le texte du presse-papiers ne se compose pas d’octets hexa : le caractère %2, « %1 », est illisible. Écrivez deux chiffres hexa par octet (0x12 aussi), séparés par des espaces, des virgules ou des fins de ligne. Le tampon est inchangé.</translation>
        </message>
        <message>
            <source>The clipboard text holds no hex bytes; the buffer is unchanged.</source>
            <extracomment>extra 86 | zh-CN: 剪贴板中的文本不含十六进制字节，缓冲区没有改变。</extracomment>
            <translation>Le texte du presse-papiers ne contient aucun octet hexa ; le tampon est inchangé.</translation>
        </message>
        <message>
            <source>An operation is running; the window closes when it ends.</source>
            <extracomment>extra 87 | zh-CN: 操作正在进行，操作结束后窗口将关闭。</extracomment>
            <translation>Une opération est en cours ; la fenêtre se fermera quand elle sera terminée.</translation>
        </message>
        <message>
            <source>%1 differing bytes in %2 ranges</source>
            <extracomment>extra 88 | zh-CN: %1 个字节不同，共 %2 处</extracomment>
            <translation>%1 octets différents dans %2 plages</translation>
        </message>
        <message>
            <source>0x%1-0x%2  %3 bytes</source>
            <extracomment>extra 89 | zh-CN: 0x%1-0x%2  %3 字节</extracomment>
            <translation>0x%1-0x%2  %3 octets</translation>
        </message>
        <message>
            <source>(%1 more ranges not listed)</source>
            <extracomment>extra 90 | zh-CN: （另有 %1 处未列出）</extracomment>
            <translation>(%1 autres plages non listées)</translation>
        </message>
        <message>
            <source>Buffer compared with the chip %1 (%2 bytes):</source>
            <extracomment>extra 91 | zh-CN: 缓冲区与芯片 %1 比较（%2 字节）：</extracomment>
            <translation>Tampon comparé avec la puce %1 (%2 octets) :</translation>
        </message>
        <message>
            <source>Buffer compared with the file %1 (%2 bytes):</source>
            <extracomment>extra 92 | zh-CN: 缓冲区与文件 %1 比较（%2 字节）：</extracomment>
            <translation>Tampon comparé avec le fichier %1 (%2 octets) :</translation>
        </message>
        <message>
            <source>The buffer and the chip %1 are equal (%2 bytes).</source>
            <extracomment>extra 93 | zh-CN: 缓冲区与芯片 %1 相同（%2 字节）。</extracomment>
            <translation>Le tampon et la puce %1 sont identiques (%2 octets).</translation>
        </message>
        <message>
            <source>The buffer and the file %1 are equal (%2 bytes).</source>
            <extracomment>extra 94 | zh-CN: 缓冲区与文件 %1 相同（%2 字节）。</extracomment>
            <translation>Le tampon et le fichier %1 sont identiques (%2 octets).</translation>
        </message>
        <message>
            <source>Range %1 of %2</source>
            <extracomment>extra 95 | zh-CN: 第 %1 处差异，共 %2 处</extracomment>
            <translation>Plage %1 sur %2</translation>
        </message>
        <message>
            <source>Choose a chip first: a compare covers the chip's size.</source>
            <extracomment>extra 96 | zh-CN: 请先选择芯片：比较的长度是芯片的容量。</extracomment>
            <translation>Choisissez d’abord une puce : une comparaison couvre la taille de la puce.</translation>
        </message>
        <message>
            <source>Invalid fill range: 0 &lt;= Start ADDR &lt;= End ADDR &lt;= %1 is required.</source>
            <extracomment>extra 97 | zh-CN: 填充范围无效：需要 0 &lt;= 开始地址 &lt;= 结束地址 &lt;= %1。</extracomment>
            <translation>Plage de remplissage invalide : il faut 0 &lt;= adresse de début &lt;= adresse de fin &lt;= %1.</translation>
        </message>
        <message>
            <source>The chip database %1 was changed by another program after the editor read it. Saving replaces those changes with the rows shown here. Save anyway?</source>
            <extracomment>extra 98 | zh-CN: 芯片数据库 %1 在编辑器读取之后被其他程序修改过。保存会用这里的各行替换那些修改。仍然保存吗？</extracomment>
            <translation>La base de données des puces %1 a été modifiée par un autre programme après sa lecture par l’éditeur. L’enregistrement remplace ces modifications par les lignes affichées ici. Enregistrer quand même ?</translation>
        </message>
        <message>
            <source>The clipboard text holds a character the character column does not show: &quot;%1&quot;, character %2. Choose Unicode Text to paste the text as UTF-16. The buffer is unchanged.</source>
            <extracomment>extra 99 | zh-CN: 剪贴板中的文本含有字符栏不能显示的字符：第 %2 个字符“%1”。要按 UTF-16 粘贴这段文本，请选择 Unicode Text。缓冲区没有改变。</extracomment>
            <translation>Le texte du presse-papiers contient un caractère que la colonne des caractères n’affiche pas : « %1 », caractère %2. Choisissez Unicode Text pour coller le texte en UTF-16. Le tampon est inchangé.</translation>
        </message>
        <message>
            <source>Row %1: &quot;%2&quot; holds a &quot;,&quot;, which divides a chip's name into type, manufacturer and model; nothing was saved.</source>
            <extracomment>extra 100 | zh-CN: 第 %1 行：“%2”中含有“,”，而“,”用来分隔芯片名称中的类型、厂商和型号，未保存。</extracomment>
            <translation>Ligne %1 : « %2 » contient une « , », qui sépare le nom de la puce en type, fabricant et modèle ; rien n’a été enregistré.</translation>
        </message>
        <message>
            <source>'%1' holds bytes that are not UTF-8: a name like that cannot be opened or written as given; rename the file to a UTF-8 name</source>
            <extracomment>extra 101 | zh-CN: “%1”含有不是 UTF-8 的字节：这样的名称无法照原样打开或写入；请给文件改一个 UTF-8 名称</extracomment>
            <translation>« %1 » contient des octets qui ne sont pas de l'UTF-8 : un tel nom ne peut pas être ouvert ni écrit tel quel ; renommez le fichier avec un nom UTF-8</translation>
        </message>
        <message>
            <source>The socket holds a 25-series SPI flash (ID %1), not the chosen %2.</source>
            <extracomment>extra 102 | zh-CN: 插座中是一片 25 系列 SPI Flash（ID %1），不是所选的 %2。</extracomment>
            <translation>Le support contient une flash SPI de la série 25 (ID %1), et non la puce %2 choisie.</translation>
        </message>
        <message>
            <source>The chip in the socket is not a 25-series SPI flash, so it is not the chosen %1.</source>
            <extracomment>extra 103 | zh-CN: 插座中的芯片不是 25 系列 SPI Flash，所以不是所选的 %1。</extracomment>
            <translation>La puce du support n’est pas une flash SPI de la série 25, ce n’est donc pas la puce %1 choisie.</translation>
        </message>
        <message>
            <source>Row %1: &quot;%3&quot; in the column &quot;%2&quot; cannot be stored: the chip record keeps only numbers from 0 to %4 there.</source>
            <extracomment>extra 104 | zh-CN: 第 %1 行“%2”列的“%3”无法存入芯片记录：该项只能保存 0 到 %4 的数。</extracomment>
            <translation>Ligne %1 : « %3 » dans la colonne « %2 » ne peut pas être enregistré : l’enregistrement de la puce n’y garde que les nombres de 0 à %4.</translation>
        </message>
        <message>
            <source>Row %1: the chip &quot;%2&quot; could never be chosen in the chip lists, since they cannot tell it apart from &quot;%4&quot; in row %3 (they ignore letter case); nothing was saved.</source>
            <extracomment>extra 105 | zh-CN: 第 %1 行：芯片“%2”在芯片列表中永远无法选中，因为第 %3 行的“%4”在列表中与它无法区分（列表不分大小写），未保存。</extracomment>
            <translation>Ligne %1 : la puce « %2 » ne pourrait jamais être choisie dans les listes de puces, qui ne la distinguent pas de « %4 » à la ligne %3 (elles ignorent la casse) ; rien n’a été enregistré.</translation>
        </message>
        <message>
            <source>a pipe that no program holds at its other end: opening it would wait until one comes</source>
            <extracomment>extra 106 | zh-CN: 这是一个另一端没有程序的管道，打开它会一直等到有程序出现</extracomment>
            <translation>un tube dont aucun programme ne tient l’autre extrémité : l’ouvrir attendrait qu’un programme arrive</translation>
        </message>
        <message>
            <source>&amp;Yes</source>
            <extracomment>extra 107 | zh-CN: 是(&amp;Y)</extracomment>
            <translation>&amp;Oui</translation>
        </message>
        <message>
            <source>&amp;No</source>
            <extracomment>extra 108 | zh-CN: 否(&amp;N)</extracomment>
            <translation>&amp;Non</translation>
        </message>
        <message>
            <source>State</source>
            <extracomment>caption TForm1.StatusBar1 | zh-CN: 状态</extracomment>
            <translation>État</translation>
        </message>
        <message>
            <source>Use time</source>
            <extracomment>caption TForm1.StatusBar1 | zh-CN: 使用时间</extracomment>
            <translation>Durée</translation>
        </message>
        <message>
            <source>Zorvex USB High Speed Programmer</source>
            <extracomment>caption TForm1.TForm1 | zh-CN: Zorvex USB高速编程器</extracomment>
            <translation>Programmateur USB haute vitesse Zorvex</translation>
        </message>
        <message>
            <source>Chip</source>
            <extracomment>caption TForm1.GroupBox1 | zh-CN: 芯片</extracomment>
            <translation>Puce</translation>
        </message>
        <message>
            <source>Type</source>
            <extracomment>caption TForm1.Label1 | zh-CN: 类型</extracomment>
            <translation>Type</translation>
        </message>
        <message>
            <source>Manufacturer</source>
            <extracomment>caption TForm1.Label2 | zh-CN: 厂商</extracomment>
            <translation>Fabricant</translation>
        </message>
        <message>
            <source>Name</source>
            <extracomment>caption TForm1.Label3 | zh-CN: 名称</extracomment>
            <translation>Nom</translation>
        </message>
        <message>
            <source>Test</source>
            <extracomment>caption TForm1.BitBtn1 | zh-CN: 检测</extracomment>
            <translation>Détecter</translation>
        </message>
        <message>
            <source>Size</source>
            <extracomment>caption TForm1.Label4 | zh-CN: 容量</extracomment>
            <translation>Taille</translation>
        </message>
        <message>
            <source>Pagesize</source>
            <extracomment>caption TForm1.Label5 | zh-CN: 页面大小</extracomment>
            <translation>Taille page</translation>
        </message>
        <message>
            <source>Speed</source>
            <extracomment>caption TForm1.Label6 | zh-CN: 编程速度</extracomment>
            <translation>Vitesse</translation>
        </message>
        <message>
            <source>Auto Options</source>
            <extracomment>caption TForm1.GroupBox2 | zh-CN: 自动编程选项</extracomment>
            <translation>Options auto</translation>
        </message>
        <message>
            <source>Erase</source>
            <extracomment>caption TForm1.CheckBox1 | zh-CN: 擦除</extracomment>
            <translation>Effacer</translation>
        </message>
        <message>
            <source>Program</source>
            <extracomment>caption TForm1.CheckBox2 | zh-CN: 编程</extracomment>
            <translation>Écrire</translation>
        </message>
        <message>
            <source>Verify</source>
            <extracomment>caption TForm1.CheckBox3 | zh-CN: 校验</extracomment>
            <translation>Vérifier</translation>
        </message>
        <message>
            <source>Save</source>
            <extracomment>caption TForm1.ToolSave | zh-CN: 保存</extracomment>
            <translation>Enreg.</translation>
        </message>
        <message>
            <source>FIll</source>
            <extracomment>caption TForm1.ToolFill | zh-CN: 填充</extracomment>
            <translation>Remplir</translation>
        </message>
        <message>
            <source>Bank</source>
            <extracomment>caption TForm1.ToolBank | zh-CN: 查空</extracomment>
            <translation>Virginité</translation>
        </message>
        <message>
            <source>AUTO</source>
            <extracomment>caption TForm1.ToolAuto | zh-CN: 自动</extracomment>
            <translation>Auto</translation>
        </message>
        <message>
            <source>ERASE</source>
            <extracomment>caption TForm1.ToolErase | zh-CN: 擦除</extracomment>
            <translation>Effacer</translation>
        </message>
        <message>
            <source>Write</source>
            <extracomment>caption TForm1.ToolWrite | zh-CN: 写入</extracomment>
            <translation>Écrire</translation>
        </message>
        <message>
            <source>Read</source>
            <extracomment>caption TForm1.ToolRead | zh-CN: 读出</extracomment>
            <translation>Lire</translation>
        </message>
        <message>
            <source>Device</source>
            <extracomment>caption TForm1.ToolDevice | zh-CN: 设备</extracomment>
            <translation>Appareil</translation>
        </message>
        <message>
            <source>About</source>
            <extracomment>caption TForm1.ToolAbout | zh-CN: 关于</extracomment>
            <translation>À propos</translation>
        </message>
        <message>
            <source>File(&amp;F)</source>
            <extracomment>caption TForm1.O1 | zh-CN: 文件(&amp;F)</extracomment>
            <translation>&amp;Fichier</translation>
        </message>
        <message>
            <source>Open(&amp;O)</source>
            <extracomment>caption TForm1.O2 | zh-CN: 打开(&amp;O)</extracomment>
            <translation>&amp;Ouvrir</translation>
        </message>
        <message>
            <source>Save(&amp;S)</source>
            <extracomment>caption TForm1.S1 | zh-CN: 保存(&amp;S)</extracomment>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message>
            <source>Quit(&amp;Q)</source>
            <extracomment>caption TForm1.Q1 | zh-CN: 退出(&amp;Q)</extracomment>
            <translation>&amp;Quitter</translation>
        </message>
        <message>
            <source>Buffer(&amp;B)</source>
            <extracomment>caption TForm1.Buff | zh-CN: 缓冲区(&amp;B)</extracomment>
            <translation>&amp;Tampon</translation>
        </message>
        <message>
            <source>Fill(&amp;F)</source>
            <extracomment>caption TForm1.Fill | zh-CN: 填充(&amp;F)</extracomment>
            <translation>&amp;Remplir</translation>
        </message>
        <message>
            <source>Operation(&amp;O)</source>
            <extracomment>caption TForm1.O3 | zh-CN: 操作(&amp;O)</extracomment>
            <translation>&amp;Opérations</translation>
        </message>
        <message>
            <source>Auto(&amp;A)</source>
            <extracomment>caption TForm1.A1 | zh-CN: 自动(&amp;A)</extracomment>
            <translation>&amp;Automatique</translation>
        </message>
        <message>
            <source>Erase(&amp;E)</source>
            <extracomment>caption TForm1.E1 | zh-CN: 擦除(&amp;E)</extracomment>
            <translation>&amp;Effacer</translation>
        </message>
        <message>
            <source>Write(&amp;W)</source>
            <extracomment>caption TForm1.W1 | zh-CN: 写入(&amp;W)</extracomment>
            <translation>É&amp;crire</translation>
        </message>
        <message>
            <source>Read(&amp;R)</source>
            <extracomment>caption TForm1.R1 | zh-CN: 读出(&amp;R)</extracomment>
            <translation>&amp;Lire</translation>
        </message>
        <message>
            <source>Verify(&amp;V)</source>
            <extracomment>caption TForm1.V1 | zh-CN: 校验(&amp;V)</extracomment>
            <translation>&amp;Vérifier</translation>
        </message>
        <message>
            <source>Bank(&amp;B)</source>
            <extracomment>caption TForm1.N7 | zh-CN: 查空(&amp;B) | A typing slip for &quot;Blank check&quot;: the menu command that checks the chip is erased.</extracomment>
            <translation>&amp;Test de virginité</translation>
        </message>
        <message>
            <source>Device(&amp;Y)</source>
            <extracomment>caption TForm1.N3 | zh-CN: 设备(&amp;Y)</extracomment>
            <translation>&amp;Périphérique</translation>
        </message>
        <message>
            <source>Language(&amp;L)</source>
            <extracomment>caption TForm1.L1 | zh-CN: 语言(&amp;L)</extracomment>
            <translation>&amp;Langue</translation>
        </message>
        <message>
            <source>Simplified Chinese</source>
            <extracomment>caption TForm1.China | zh-CN: 中文</extracomment>
            <translation>Chinois simplifié</translation>
        </message>
        <message>
            <source>Traditional Chinese</source>
            <extracomment>caption TForm1.fanti | zh-CN: 繁體</extracomment>
            <translation>Chinois traditionnel</translation>
        </message>
        <message>
            <source>Help(&amp;H)</source>
            <extracomment>caption TForm1.H1 | zh-CN: 帮助(&amp;H)</extracomment>
            <translation>&amp;Aide</translation>
        </message>
        <message>
            <source>About(&amp;A)</source>
            <extracomment>caption TForm1.N5 | zh-CN: 关于(&amp;A)</extracomment>
            <translation>À &amp;propos</translation>
        </message>
        <message>
            <source>Undo(&amp;U)</source>
            <extracomment>caption TForm1.Undo1 | zh-CN: 撤销(&amp;U)</extracomment>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>Redo(&amp;R)</source>
            <extracomment>caption TForm1.Redo1 | zh-CN: 重做(&amp;R)</extracomment>
            <translation>Réta&amp;blir</translation>
        </message>
        <message>
            <source>Cut(&amp;T)</source>
            <extracomment>caption TForm1.Cut1 | zh-CN: 剪切(&amp;T)</extracomment>
            <translation>Co&amp;uper</translation>
        </message>
        <message>
            <source>Copy(&amp;C)</source>
            <extracomment>caption TForm1.Copy1 | zh-CN: 复制(&amp;C)</extracomment>
            <translation>&amp;Copier</translation>
        </message>
        <message>
            <source>Paste(&amp;P)</source>
            <extracomment>caption TForm1.Paste1 | zh-CN: 粘贴(&amp;P)</extracomment>
            <translation>C&amp;oller</translation>
        </message>
        <message>
            <source>Paste hex text(&amp;X)</source>
            <extracomment>caption TForm1.PasteHex1 | zh-CN: 粘贴十六进制文本(&amp;X)</extracomment>
            <translation>Coller du te&amp;xte hexa</translation>
        </message>
        <message>
            <source>Select all(&amp;A)</source>
            <extracomment>caption TForm1.SelectAll1 | zh-CN: 全选(&amp;A)</extracomment>
            <translation>&amp;Tout sélectionner</translation>
        </message>
        <message>
            <source>Find(&amp;D)...</source>
            <extracomment>caption TForm1.Find1 | zh-CN: 查找(&amp;D)...</extracomment>
            <translation>Rec&amp;hercher...</translation>
        </message>
        <message>
            <source>Find next(&amp;N)</source>
            <extracomment>caption TForm1.FindNext1 | zh-CN: 查找下一个(&amp;N)</extracomment>
            <translation>Rechercher le &amp;suivant</translation>
        </message>
        <message>
            <source>Go to address(&amp;G)...</source>
            <extracomment>caption TForm1.GoTo1 | zh-CN: 转到地址(&amp;G)...</extracomment>
            <translation>Aller à l’a&amp;dresse...</translation>
        </message>
        <message>
            <source>Compare with chip(&amp;H)...</source>
            <extracomment>caption TForm1.CompareChip1 | zh-CN: 与芯片比较(&amp;H)...</extracomment>
            <translation>Comparer avec la &amp;puce...</translation>
        </message>
        <message>
            <source>Compare with file(&amp;I)...</source>
            <extracomment>caption TForm1.CompareFile1 | zh-CN: 与文件比较(&amp;I)...</extracomment>
            <translation>Comparer avec un &amp;fichier...</translation>
        </message>
        <message>
            <source>Next difference(&amp;E)</source>
            <extracomment>caption TForm1.NextDiff1 | zh-CN: 下一处差异(&amp;E)</extracomment>
            <translation>Différence suiva&amp;nte</translation>
        </message>
        <message>
            <source>Previous difference(&amp;V)</source>
            <extracomment>caption TForm1.PrevDiff1 | zh-CN: 上一处差异(&amp;V)</extracomment>
            <translation>Différence précéd&amp;ente</translation>
        </message>
        <message>
            <source>Chip Editor</source>
            <extracomment>caption TForm2.TForm2 | zh-CN: 芯片编辑</extracomment>
            <translation>Éditeur de puces</translation>
        </message>
        <message>
            <source>Config</source>
            <extracomment>caption TForm2.GroupBox1 | zh-CN: 配置</extracomment>
            <translation>Configuration</translation>
        </message>
        <message>
            <source>Delay</source>
            <extracomment>caption TForm2.Label4 | zh-CN: 延时</extracomment>
            <translation>Délai</translation>
        </message>
        <message>
            <source>Class</source>
            <extracomment>caption TForm2.Label5 | zh-CN: 芯片类型</extracomment>
            <translation>Classe</translation>
        </message>
        <message>
            <source>FLASH Page</source>
            <extracomment>caption TForm2.Label7 | zh-CN: FLASH页</extracomment>
            <translation>Page Flash</translation>
        </message>
        <message>
            <source>Voltage</source>
            <extracomment>caption TForm2.Label8 | zh-CN: 工作电压</extracomment>
            <translation>Tension</translation>
        </message>
        <message>
            <source>Algorithm</source>
            <extracomment>caption TForm2.Label9 | zh-CN: 算法</extracomment>
            <translation>Algorithme</translation>
        </message>
        <message>
            <source>Chip ID</source>
            <extracomment>caption TForm2.Label10 | zh-CN: 芯片ID</extracomment>
            <translation>ID puce</translation>
        </message>
        <message>
            <source>EEPROM page</source>
            <extracomment>caption TForm2.Label12 | zh-CN: EEPROM页</extracomment>
            <translation>Page EEPROM</translation>
        </message>
        <message>
            <source>Extend</source>
            <extracomment>caption TForm2.Label13 | zh-CN: 扩展关联</extracomment>
            <translation>Extension</translation>
        </message>
        <message>
            <source>Delete</source>
            <extracomment>caption TForm2.BtnDelete | zh-CN: 删除</extracomment>
            <translation>Supprimer</translation>
        </message>
        <message>
            <source>Add</source>
            <extracomment>caption TForm2.BtnAdd | zh-CN: 添加</extracomment>
            <translation>Ajouter</translation>
        </message>
        <message>
            <source>Edit</source>
            <extracomment>caption TForm2.BtnEdit | zh-CN: 编辑</extracomment>
            <translation>Modifier</translation>
        </message>
        <message>
            <source>Quit</source>
            <extracomment>caption TForm2.BtnExit | zh-CN: 退出</extracomment>
            <translation>Quitter</translation>
        </message>
        <message>
            <source>Chip Select</source>
            <extracomment>caption TForm3.TForm3 | zh-CN: 芯片选择</extracomment>
            <translation>Choix de la puce</translation>
        </message>
        <message>
            <source>Select</source>
            <extracomment>caption TForm3.BitBtn1 | zh-CN: 选择</extracomment>
            <translation>Choisir</translation>
        </message>
        <message>
            <source>Fill</source>
            <extracomment>caption TForm4.TForm4 | zh-CN: 填充</extracomment>
            <translation>Remplir</translation>
        </message>
        <message>
            <source>Data</source>
            <extracomment>caption TForm4.GroupBox1 | zh-CN: 数据</extracomment>
            <translation>Données</translation>
        </message>
        <message>
            <source>Byte(8bits)</source>
            <extracomment>caption TForm4.RadioButton1 | zh-CN: 常量字节(8bits)</extracomment>
            <translation>Octet (8 bits)</translation>
        </message>
        <message>
            <source>Word(16bits)</source>
            <extracomment>caption TForm4.RadioButton2 | zh-CN: 常量字(16bits)</extracomment>
            <translation>Mot (16 bits)</translation>
        </message>
        <message>
            <source>Random</source>
            <extracomment>caption TForm4.RadioButton3 | zh-CN: 随机数</extracomment>
            <translation>Aléatoire</translation>
        </message>
        <message>
            <source>Range</source>
            <extracomment>caption TForm4.GroupBox2 | zh-CN: 范围</extracomment>
            <translation>Plage</translation>
        </message>
        <message>
            <source>Start ADDR</source>
            <extracomment>caption TForm4.Label1 | zh-CN: 开始地址</extracomment>
            <translation>Adr. début</translation>
        </message>
        <message>
            <source>End ADDR</source>
            <extracomment>caption TForm4.Label2 | zh-CN: 结束地址</extracomment>
            <translation>Adr. fin</translation>
        </message>
        <message>
            <source>OK</source>
            <extracomment>caption TForm4.BitBtn1 | zh-CN: 确定</extracomment>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cance</source>
            <extracomment>caption TForm4.BitBtn2 | zh-CN: 取消</extracomment>
            <translation>Annuler</translation>
        </message>
        <message>
            <source>Chip set-up</source>
            <extracomment>operation 0 | zh-CN: 芯片设置</extracomment>
            <translation>Préparation de la puce</translation>
        </message>
        <message>
            <source>Blank check</source>
            <extracomment>operation 2 | zh-CN: 查空</extracomment>
            <translation>Test de virginité</translation>
        </message>
        <message>
            <source>transfer failed (error %1).</source>
            <extracomment>operation 6 | zh-CN: 传输失败（错误 %1）。</extracomment>
            <translation>échec du transfert (erreur %1).</translation>
        </message>
        <message>
            <source>only %1 of %2 bytes were transferred.</source>
            <extracomment>operation 7 | zh-CN: 只传输了 %1 / %2 字节。</extracomment>
            <translation>seuls %1 octets sur %2 ont été transférés.</translation>
        </message>
        <message>
            <source>the chip was still busy after %1 status polls.</source>
            <extracomment>operation 8 | zh-CN: %1 次状态查询后芯片仍忙。</extracomment>
            <translation>la puce était encore occupée après %1 interrogations d’état.</translation>
        </message>
        <message>
            <source>the programmer was disconnected.</source>
            <extracomment>operation 9 | zh-CN: 编程器已断开连接。</extracomment>
            <translation>le programmateur a été débranché.</translation>
        </message>
        <message>
            <source>%1 stopped at address %2h: %3</source>
            <extracomment>operation 10 | zh-CN: %1在地址 %2h 处中止：%3</extracomment>
            <translation>%1 arrêté à l’adresse %2h : %3</translation>
        </message>
        <message>
            <source>The programmer was disconnected.</source>
            <extracomment>operation 11 | zh-CN: 编程器已断开连接。</extracomment>
            <translation>Le programmateur a été débranché.</translation>
        </message>
        <message>
            <source> The buffer was left as it was.</source>
            <extracomment>operation 12 | zh-CN: 缓冲区保持原样。</extracomment>
            <translation> Le tampon est resté tel quel.</translation>
        </message>
        <message>
            <source>its capacity of %1 bytes does not fit the %2-byte data buffer.</source>
            <extracomment>operation 13 | zh-CN: 容量 %1 字节大于 %2 字节的数据缓冲区。</extracomment>
            <translation>sa capacité de %1 octets dépasse le tampon de données de %2 octets.</translation>
        </message>
        <message>
            <source>its page size is 0.</source>
            <extracomment>operation 14 | zh-CN: 页面大小为 0。</extracomment>
            <translation>sa taille de page est 0.</translation>
        </message>
        <message>
            <source>its page size of %1 bytes is larger than the %2-byte block buffer.</source>
            <extracomment>operation 15 | zh-CN: 页面大小 %1 字节大于 %2 字节的块缓冲区。</extracomment>
            <translation>sa taille de page de %1 octets dépasse le tampon de bloc de %2 octets.</translation>
        </message>
        <message>
            <source>its family code %1 is none of 0 to %2.</source>
            <extracomment>operation 16 | zh-CN: 芯片系列代码 %1 无效（应为 0 到 %2）。</extracomment>
            <translation>son code de famille %1 n’est pas compris entre 0 et %2.</translation>
        </message>
        <message>
            <source>its capacity of %1 bytes is no power of two from %2 bytes.</source>
            <extracomment>operation 17 | zh-CN: 容量 %1 字节不是从 %2 字节起的 2 的幂。</extracomment>
            <translation>sa capacité de %1 octets n’est pas une puissance de deux à partir de %2 octets.</translation>
        </message>
        <message>
            <source>The chip record is damaged: %1 Choose the chip again or repair the chip database.</source>
            <extracomment>operation 18 | zh-CN: 芯片记录已损坏：%1请重新选择芯片或修复芯片数据库。</extracomment>
            <translation>L’enregistrement de la puce est endommagé : %1 Choisissez à nouveau la puce ou réparez la base de données des puces.</translation>
        </message>
        <message>
            <source>The programmer %1 is in use by another program; waiting up to %2 s for it.</source>
            <extracomment>produce 0 | zh-CN: 编程器 %1 正被另一个程序使用，最多等待 %2 秒。</extracomment>
            <translation>Le programmateur %1 est utilisé par un autre programme ; attente de %2 s au plus.</translation>
        </message>
        <message>
            <source>--programmer %1 matches %2 programmers (%3); choose one by its BUS:DEVICE</source>
            <extracomment>produce 1 | zh-CN: --programmer %1 对应 %2 个编程器（%3）；请用其 BUS:DEVICE 选择一个</extracomment>
            <translation>--programmer %1 correspond à %2 programmateurs (%3) ; choisissez-en un par son BUS:DEVICE</translation>
        </message>
        <message>
            <source>wrong chip in the socket: ID %1, expected %2</source>
            <extracomment>produce 2 | zh-CN: 插座中的芯片不对：ID %1，应为 %2</extracomment>
            <translation>mauvaise puce dans le support : ID %1, attendu %2</translation>
        </message>
        <message>
            <source>stopped while the programmer was held by another program</source>
            <extracomment>produce 3 | zh-CN: 在编程器被另一个程序占用时停止</extracomment>
            <translation>arrêté alors que le programmateur était réservé par un autre programme</translation>
        </message>
        <message>
            <source>standard output cannot be written (%1); stopping, the log and the serial file hold every chip so far</source>
            <extracomment>produce 4 | zh-CN: 无法写入标准输出（%1）；停止。日志和序列号文件记录了到目前为止的每一片芯片</extracomment>
            <translation>la sortie standard ne peut pas être écrite (%1) ; arrêt, le journal et le fichier de numéros de série contiennent toutes les puces traitées jusqu’ici</translation>
        </message>
        <message>
            <source>chip #%1 passed, but its record could not be written; stopping</source>
            <extracomment>produce 5 | zh-CN: 第 %1 片芯片已通过，但无法写入它的记录；停止</extracomment>
            <translation>puce n° %1 réussie, mais son enregistrement n’a pas pu être écrit ; arrêt</translation>
        </message>
        <message>
            <source>chip #%1 passed with serial number %2, but its record could not be written; stopping</source>
            <extracomment>produce 6 | zh-CN: 第 %1 片芯片已以序列号 %2 通过，但无法写入它的记录；停止</extracomment>
            <translation>puce n° %1 réussie avec le numéro de série %2, mais son enregistrement n’a pas pu être écrit ; arrêt</translation>
        </message>
        <message>
            <source>no serial number is left: the next one, %1, does not fit the serial format; stopping</source>
            <extracomment>produce 7 | zh-CN: 序列号已用完：下一个 %1 超出序列号格式；停止</extracomment>
            <translation>plus aucun numéro de série disponible : le suivant, %1, ne tient pas dans le format de série ; arrêt</translation>
        </message>
        <message>
            <source>no serial number is left for the chip in the socket (the next one, %1, does not fit the serial format); it was not written; stopping</source>
            <extracomment>produce 8 | zh-CN: 插座中的芯片没有可用的序列号（下一个 %1 超出序列号格式），没有写入它；停止</extracomment>
            <translation>plus aucun numéro de série disponible pour la puce dans le support (le suivant, %1, ne tient pas dans le format de série) ; elle n’a pas été écrite ; arrêt</translation>
        </message>
        <message>
            <source>the serial numbers from %1 for %2 chips: the last does not fit the serial format</source>
            <extracomment>produce 9 | zh-CN: 从 %1 开始的 %2 片芯片的序列号：最后一个超出序列号格式</extracomment>
            <translation>les numéros de série à partir de %1 pour %2 puces : le dernier ne tient pas dans le format de série</translation>
        </message>
        <message>
            <source>%1; the chip in the socket was not written; stopping</source>
            <extracomment>produce 10 | zh-CN: %1；插座中的芯片没有写入；停止</extracomment>
            <translation>%1 ; la puce dans le support n’a pas été écrite ; arrêt</translation>
        </message>
        <message>
            <source>cannot create the folder %1 of the serial file</source>
            <extracomment>produce 11 | zh-CN: 无法创建序列号文件的文件夹 %1</extracomment>
            <translation>impossible de créer le dossier %1 du fichier de numéros de série</translation>
        </message>
        <message>
            <source>the serial file %1 cannot be replaced: its folder takes no new file (%2)</source>
            <extracomment>produce 12 | zh-CN: 无法替换序列号文件 %1：它的文件夹不接受新文件（%2）</extracomment>
            <translation>le fichier de numéros de série %1 ne peut pas être remplacé : son dossier n’accepte aucun nouveau fichier (%2)</translation>
        </message>
        <message>
            <source>cannot lock %1: %2</source>
            <extracomment>produce 13 | zh-CN: 无法锁定 %1：%2</extracomment>
            <translation>impossible de verrouiller %1 : %2</translation>
        </message>
        <message>
            <source>cannot write the log %1: %2</source>
            <extracomment>produce 14 | zh-CN: 无法写入日志 %1：%2</extracomment>
            <translation>impossible d’écrire le journal %1 : %2</translation>
        </message>
        <message>
            <source>the disk took only part of the record</source>
            <extracomment>produce 15 | zh-CN: 磁盘只接受了记录的一部分</extracomment>
            <translation>le disque n’a accepté qu’une partie de l’enregistrement</translation>
        </message>
        <message>
            <source>; the part written stays at the end of the log</source>
            <extracomment>produce 16 | zh-CN: ；写入的部分留在日志末尾</extracomment>
            <translation> ; la partie écrite reste à la fin du journal</translation>
        </message>
        <message>
            <source>%1: '%2' is not a number from %3 to %4</source>
            <extracomment>produce 17 | zh-CN: %1：“%2”不是 %3 到 %4 之间的数</extracomment>
            <translation>%1 : « %2 » n’est pas un nombre de %3 à %4</translation>
        </message>
        <message>
            <source>--serial-at and --serial-start go together</source>
            <extracomment>produce 18 | zh-CN: --serial-at 与 --serial-start 须一起使用</extracomment>
            <translation>--serial-at et --serial-start vont ensemble</translation>
        </message>
        <message>
            <source>--serial-step, --serial-format and --serial-file need --serial-at</source>
            <extracomment>produce 19 | zh-CN: --serial-step、--serial-format 和 --serial-file 需要 --serial-at</extracomment>
            <translation>--serial-step, --serial-format et --serial-file nécessitent --serial-at</translation>
        </message>
        <message>
            <source>serial number %1 does not fit the serial format</source>
            <extracomment>produce 20 | zh-CN: 序列号 %1 超出序列号格式</extracomment>
            <translation>le numéro de série %1 ne tient pas dans le format de série</translation>
        </message>
        <message>
            <source>%1 holds %2 bytes, more than the chip's %3</source>
            <extracomment>produce 21 | zh-CN: %1 有 %2 字节，多于芯片的 %3 字节</extracomment>
            <translation>%1 contient %2 octets, plus que les %3 de la puce</translation>
        </message>
        <message>
            <source>the serial number at 0x%1 (%2 bytes) lies outside the chip's %3 bytes</source>
            <extracomment>produce 22 | zh-CN: 位于 0x%1 的序列号（%2 字节）超出芯片的 %3 字节</extracomment>
            <translation>le numéro de série à 0x%1 (%2 octets) se trouve hors des %3 octets de la puce</translation>
        </message>
        <message>
            <source>the chip reports no ID; choose it with --chip MODEL</source>
            <extracomment>produce 23 | zh-CN: 芯片没有返回 ID；请用 --chip MODEL 选择它</extracomment>
            <translation>la puce ne renvoie aucun ID ; choisissez-la avec --chip MODEL</translation>
        </message>
        <message>
            <source>unknown chip ID %1</source>
            <extracomment>produce 24 | zh-CN: 未知的芯片 ID %1</extracomment>
            <translation>ID de puce inconnu %1</translation>
        </message>
        <message>
            <source>chip ID %1 is not the chip of this run</source>
            <extracomment>produce 25 | zh-CN: 芯片 ID %1 不是本次运行的芯片</extracomment>
            <translation>l’ID de puce %1 n’est pas celui de la puce de cette passe</translation>
        </message>
        <message>
            <source>the operation did not complete</source>
            <extracomment>produce 26 | zh-CN: 操作没有完成</extracomment>
            <translation>l’opération ne s’est pas terminée</translation>
        </message>
        <message>
            <source>cannot read the serial file %1: %2</source>
            <extracomment>produce 27 | zh-CN: 无法读取序列号文件 %1：%2</extracomment>
            <translation>impossible de lire le fichier de numéros de série %1 : %2</translation>
        </message>
        <message>
            <source>the serial file %1 does not hold a number</source>
            <extracomment>produce 28 | zh-CN: 序列号文件 %1 中没有数字</extracomment>
            <translation>le fichier de numéros de série %1 ne contient aucun nombre</translation>
        </message>
        <message>
            <source>cannot write the serial file %1: %2</source>
            <extracomment>produce 29 | zh-CN: 无法写入序列号文件 %1：%2</extracomment>
            <translation>impossible d’écrire le fichier de numéros de série %1 : %2</translation>
        </message>
        <message>
            <source>cannot open the log %1: %2</source>
            <extracomment>produce 30 | zh-CN: 无法打开日志 %1：%2</extracomment>
            <translation>impossible d’ouvrir le journal %1 : %2</translation>
        </message>
        <message>
            <source>write error</source>
            <extracomment>produce 31 | zh-CN: 写入错误</extracomment>
            <translation>erreur d’écriture</translation>
        </message>
        <message>
            <source>the serial file %1 was removed or set back below %2, the number this run left in it; no number is taken from it, so that none is given twice</source>
            <extracomment>produce 32 | zh-CN: 序列号文件 %1 被删除或被改回到本次运行写入的 %2 以下；为免一个序列号用两次，不再从中取号</extracomment>
            <translation>le fichier des numéros de série %1 a été supprimé ou ramené sous %2, le numéro que cette exécution y a laissé ; aucun numéro n’y est pris, pour qu’aucun ne soit attribué deux fois</translation>
        </message>
        <message>
            <source>unknown serial format '%1' (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)</source>
            <extracomment>produce 33 | zh-CN: 未知的序列号格式“%1”（le16、be16、le32、be32、le64、be64、ascii:W、hex:W）</extracomment>
            <translation>format de numéro de série inconnu « %1 » (le16, be16, le32, be32, le64, be64, ascii:W, hex:W)</translation>
        </message>
        <message>
            <source>Usage:</source>
            <extracomment>command line 0 | zh-CN: 用法：</extracomment>
            <translation>Utilisation :</translation>
        </message>
        <message>
            <source>Options:</source>
            <extracomment>command line 1 | zh-CN: 选项：</extracomment>
            <translation>Options :</translation>
        </message>
        <message>
            <source>Commands:</source>
            <extracomment>command line 2 | zh-CN: 命令：</extracomment>
            <translation>Commandes :</translation>
        </message>
        <message>
            <source>Shared options, before or after the command (each command's --help lists those it takes):</source>
            <extracomment>command line 3 | zh-CN: 共用选项，可放在命令之前或之后（各命令的 --help 列出它接受的选项）：</extracomment>
            <translation>Options communes, avant ou après la commande (le --help de chaque commande liste celles qu’elle accepte) :</translation>
        </message>
        <message>
            <source>this text</source>
            <extracomment>command line 4 | zh-CN: 显示本说明</extracomment>
            <translation>afficher ce texte</translation>
        </message>
        <message>
            <source>the version</source>
            <extracomment>command line 5 | zh-CN: 显示版本</extracomment>
            <translation>afficher la version</translation>
        </message>
        <message>
            <source>list the chips of the chip database</source>
            <extracomment>command line 6 | zh-CN: 列出芯片数据库中的芯片</extracomment>
            <translation>lister les puces de la base de données des puces</translation>
        </message>
        <message>
            <source>list the attached programmers</source>
            <extracomment>command line 7 | zh-CN: 列出已连接的编程器</extracomment>
            <translation>lister les programmateurs branchés</translation>
        </message>
        <message>
            <source>identify the chip in the programmer's socket</source>
            <extracomment>command line 8 | zh-CN: 识别编程器插座中的芯片</extracomment>
            <translation>identifier la puce dans le support du programmateur</translation>
        </message>
        <message>
            <source>read the chip into a file</source>
            <extracomment>command line 9 | zh-CN: 把芯片读出到文件</extracomment>
            <translation>lire la puce dans un fichier</translation>
        </message>
        <message>
            <source>write a file into the chip</source>
            <extracomment>command line 10 | zh-CN: 把文件写入芯片</extracomment>
            <translation>écrire un fichier dans la puce</translation>
        </message>
        <message>
            <source>compare the chip with a file</source>
            <extracomment>command line 11 | zh-CN: 把芯片与文件比较</extracomment>
            <translation>comparer la puce avec un fichier</translation>
        </message>
        <message>
            <source>erase the chip</source>
            <extracomment>command line 12 | zh-CN: 擦除芯片</extracomment>
            <translation>effacer la puce</translation>
        </message>
        <message>
            <source>check that the chip is erased</source>
            <extracomment>command line 13 | zh-CN: 检查芯片是否已擦空</extracomment>
            <translation>vérifier que la puce est effacée</translation>
        </message>
        <message>
            <source>erase, write and verify in one run</source>
            <extracomment>command line 14 | zh-CN: 一次完成擦除、写入和校验</extracomment>
            <translation>effacer, écrire et vérifier en une passe</translation>
        </message>
        <message>
            <source>program chip after chip with serial numbers, checksums and a log</source>
            <extracomment>command line 15 | zh-CN: 逐片烧写芯片，带序列号、校验和与日志</extracomment>
            <translation>programmer puce après puce avec numéros de série, sommes de contrôle et journal</translation>
        </message>
        <message>
            <source>convert a buffer file between binary, Intel HEX and S-record (OUT - : standard output)</source>
            <extracomment>command line 16 | zh-CN: 在二进制、Intel HEX 和 S-record 之间转换缓冲区文件（OUT 为 - 时写到标准输出）</extracomment>
            <translation>convertir un fichier tampon entre binaire, Intel HEX et S-record (OUT - : sortie standard)</translation>
        </message>
        <message>
            <source>print the CRC32 and SHA-256 of a file as it would be programmed</source>
            <extracomment>command line 17 | zh-CN: 打印文件按烧写时的 CRC32 和 SHA-256</extracomment>
            <translation>afficher le CRC32 et le SHA-256 d’un fichier tel qu’il serait programmé</translation>
        </message>
        <message>
            <source>Lists the chips of the chip database, one a line: type, maker, model, ID, size and page
size in bytes. With FILTER only the chips whose name (type,maker,model) contains it,
letter case ignored.</source>
            <extracomment>command line 18 | zh-CN: 列出芯片数据库中的芯片，每行一个：类型、厂家、型号、ID、容量和页大小（字节）。
给出 FILTER 时只列名称（类型,厂家,型号）中含有它的芯片，不分大小写。</extracomment>
            <translation>Liste les puces de la base de données des puces, une par ligne : type, fabricant, modèle, ID,
taille et taille de page en octets. Avec FILTER, seulement les puces dont le nom
(type,fabricant,modèle) le contient, sans tenir compte de la casse.</translation>
        </message>
        <message>
            <source>Lists the attached programmers, one a line: its number N, BUS:DEVICE, serial (&quot;-&quot; when it has
none) and product, columns separated by two spaces. Any of the first three selects it for
another command with --programmer. No programmer attached: exit code 3.</source>
            <extracomment>command line 19 | zh-CN: 列出已连接的编程器，每行一个：编号 N、BUS:DEVICE、序列号（没有时为“-”）和产品名，
各列以两个空格分隔。前三项中任一项都可用 --programmer 为其他命令选定该编程器。
没有连接编程器时退出码为 3。</extracomment>
            <translation>Liste les programmateurs branchés, un par ligne : son numéro N, BUS:DEVICE, numéro de série
(« - » s’il n’en a pas) et produit, colonnes séparées par deux espaces. Chacun des trois
premiers le sélectionne pour une autre commande avec --programmer. Aucun programmateur branché :
code de sortie 3.</translation>
        </message>
        <message>
            <source>Asks the programmer which chip is in the socket and prints what it found, followed by
the chip's list line when the database knows its ID.</source>
            <extracomment>command line 20 | zh-CN: 询问编程器插座中是什么芯片并打印结果；数据库认识该 ID 时再打印该芯片的列表行。</extracomment>
            <translation>Demande au programmateur quelle puce est dans le support et affiche ce qu’il a trouvé, suivi de
la ligne de liste de la puce quand la base de données connaît son ID.</translation>
        </message>
        <message>
            <source>Reads the chip and saves its whole capacity to OUT: .hex Intel HEX;
%1 S-record; any other name binary. OUT must be
writable before the chip is read. An existing OUT is replaced only with --yes or after a yes
on a terminal.</source>
            <extracomment>command line 21 | zh-CN: 读出芯片并把整个容量保存到 OUT：.hex 为 Intel HEX；%1 为 S-record；其他名称为二进制。
读芯片之前先确认 OUT 可写。已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换。</extracomment>
            <translation>Lit la puce et enregistre toute sa capacité dans OUT : .hex en Intel HEX ;
%1 en S-record ; tout autre nom en binaire. OUT doit
être accessible en écriture avant la lecture de la puce. Un fichier OUT existant n’est remplacé
qu’avec --yes ou après un oui dans un terminal.</translation>
        </message>
        <message>
            <source>Loads IN (.hex Intel HEX; %1 S-record; .eep by
content; .cap capsule; else binary; --from forces a format) and writes it into the chip,
rounded up to whole pages. A file larger than the chip is refused unless --yes (or a yes
on a terminal) allows writing its first chip-size bytes.</source>
            <extracomment>command line 22 | zh-CN: 载入 IN（.hex 为 Intel HEX；%1 为 S-record；.eep 按内容；.cap 为胶囊文件；其他为二进制；
--from 指定格式）并写入芯片，长度补足到整页。大于芯片的文件会被拒绝，除非 --yes
（或终端上回答“是”）允许只写入其前面芯片容量大小的字节。</extracomment>
            <translation>Charge IN (.hex Intel HEX ; %1 S-record ; .eep selon
le contenu ; .cap capsule ; sinon binaire ; --from impose un format) et l’écrit dans la puce,
arrondi à des pages entières. Un fichier plus grand que la puce est refusé, sauf si --yes (ou un
oui dans un terminal) autorise l’écriture de ses premiers octets, jusqu’à la taille de la puce.</translation>
        </message>
        <message>
            <source>Loads IN as write does and compares the chip with it; of a file longer than the chip
only the chip's size is compared, and a warning says so. With --all a difference
is followed by a read of the whole chip and a list of the first 50 differing ranges.</source>
            <extracomment>command line 23 | zh-CN: 像 write 一样载入 IN 并把芯片与它比较；比芯片长的文件只比较芯片容量的部分，并给出警告。
使用 --all 时，发现差异后读出整个芯片并列出前 50 段不同的范围。</extracomment>
            <translation>Charge IN comme write et compare la puce avec lui ; d’un fichier plus long que la puce, seule
la taille de la puce est comparée, et un avertissement le signale. Avec --all, une différence
est suivie d’une lecture de toute la puce et de la liste des 50 premières plages différentes.</translation>
        </message>
        <message>
            <source>Erases the whole chip.</source>
            <extracomment>command line 24 | zh-CN: 擦除整个芯片。</extracomment>
            <translation>Efface toute la puce.</translation>
        </message>
        <message>
            <source>Checks that every byte of the chip reads 0xFF.</source>
            <extracomment>command line 25 | zh-CN: 检查芯片的每个字节都读出 0xFF。</extracomment>
            <translation>Vérifie que chaque octet de la puce vaut 0xFF à la lecture.</translation>
        </message>
        <message>
            <source>Loads IN as write does, then erases the chip, writes IN and verifies it; the --no-...
options leave steps out. A step that fails ends the run.</source>
            <extracomment>command line 26 | zh-CN: 像 write 一样载入 IN，然后擦除芯片、写入 IN 并校验；--no-... 选项可省去某些步骤。
任何一步失败即结束。</extracomment>
            <translation>Charge IN comme write, puis efface la puce, écrit IN et le vérifie ; les options --no-...
omettent des étapes. Une étape en échec met fin à la passe.</translation>
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
            <translation>Programme une puce après l’autre avec IN : affiche « Insert a chip » et attend une puce dans le
support, l’efface, l’écrit et la vérifie, affiche
« #K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes) » (l’image arrondie à des pages entières,
telle que checksum IN --chip la désigne) ou « #K FAIL REASON », puis « Remove the chip » et attend
que le support soit vide. S’arrête après --count puces, ou sur Ctrl+C (SIGTERM, SIGHUP) une fois la
puce en cours terminée, et affiche « N passed, M failed ». Code de sortie 0 quand toutes les puces
ont réussi, 1 quand une a échoué, 2 pour un fichier ou un nombre refusé avant la première puce, 3
quand le programmateur a disparu, 4 quand un enregistrement (fichier de numéros de série, journal,
sortie standard) n’a pas pu être écrit après la programmation de puces.

Numéros de série : --serial-at ADDR --serial-start N écrivent N dans la première puce à ADDR,
et dans chaque puce écrite le suivant (--serial-step, 1 par défaut) ; une puce refusée avant d'être
écrite cède son numéro à la suivante. --serial-format le16|be16|le32|be32|le64|be64 (binaire, le32 par
défaut), ascii:W (W chiffres décimaux, complétés par des zéros) ou hex:W (W chiffres hexa en
majuscules). --serial-file FILE conserve le numéro suivant entre les passes et entre les passes
d’un groupe qui le partage : chaque numéro y est pris sous un verrou avant l’écriture de sa puce
(il l’emporte sur --serial-start dès qu’il existe). --log FILE ajoute un objet JSON par puce, écrit
avant l’affichage de sa ligne PASS. La passe garde le premier programmateur qu’elle ouvre ;
s’il est réservé par un autre programme, elle l’attend (--busy-wait).</translation>
        </message>
        <message>
            <source>Loads IN (its format by its name or --from) and saves it as binary, Intel HEX or S-record
(%1) as --to or OUT's name says. An existing OUT is replaced only with --yes or after a
yes on a terminal; OUT - sends the image to standard output.</source>
            <extracomment>command line 28 | zh-CN: 载入 IN（格式按名称或 --from）并按 --to 或 OUT 的名称保存为二进制、Intel HEX 或
S-record（%1）。
已有的 OUT 只有在 --yes 或终端上回答“是”之后才被替换；OUT 为 - 时映像写到标准输出。</extracomment>
            <translation>Charge IN (son format selon son nom ou --from) et l’enregistre en binaire, Intel HEX ou S-record
(%1) selon --to ou le nom de OUT. Un fichier OUT existant n’est remplacé qu’avec --yes ou après
un oui dans un terminal ; OUT - envoie l’image sur la sortie standard.</translation>
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
            <translation>Affiche « CRC32 XXXXXXXX  SHA-256 &lt;64 hex digits&gt;  N bytes » pour IN tel qu’il serait
programmé : décodé (.hex Intel HEX ; %1 S-record ; .eep selon le contenu ;
.cap capsule ; sinon binaire ; sauf indication de --from). Avec --chip, deux lignes étiquetées :
la puce entière (IN tronqué ou complété par 0xFF jusqu’à la taille de la puce), la somme que donnera
une lecture ultérieure ; et l’image programmée (IN arrondi à des pages entières), la somme
qu’affichent les lignes PASS, auto et write. Le CRC32 est le CRC IEEE courant.</translation>
        </message>
        <message>
            <source>the chip by its model name (letter case does not matter)</source>
            <extracomment>command line 30 | zh-CN: 按型号名选择芯片（不分大小写）</extracomment>
            <translation>la puce par son nom de modèle (sans tenir compte de la casse)</translation>
        </message>
        <message>
            <source>the manufacturer, where makers share a model name</source>
            <extracomment>command line 31 | zh-CN: 厂家，用于不同厂家有同名型号时</extracomment>
            <translation>le fabricant, quand plusieurs fabricants ont le même nom de modèle</translation>
        </message>
        <message>
            <source>the chip the programmer identifies in the socket</source>
            <extracomment>command line 32 | zh-CN: 使用编程器在插座中识别出的芯片</extracomment>
            <translation>la puce que le programmateur identifie dans le support</translation>
        </message>
        <message>
            <source>leave out the erase step</source>
            <extracomment>command line 33 | zh-CN: 省去擦除步骤</extracomment>
            <translation>omettre l’étape d’effacement</translation>
        </message>
        <message>
            <source>leave out the write step</source>
            <extracomment>command line 34 | zh-CN: 省去写入步骤</extracomment>
            <translation>omettre l’étape d’écriture</translation>
        </message>
        <message>
            <source>leave out the verify step</source>
            <extracomment>command line 35 | zh-CN: 省去校验步骤</extracomment>
            <translation>omettre l’étape de vérification</translation>
        </message>
        <message>
            <source>on a difference, read the whole chip and list up to 50 ranges</source>
            <extracomment>command line 36 | zh-CN: 发现差异时读出整个芯片并列出至多 50 段范围</extracomment>
            <translation>en cas de différence, lire toute la puce et lister jusqu’à 50 plages</translation>
        </message>
        <message>
            <source>read IN as %1 whatever its name</source>
            <extracomment>command line 37 | zh-CN: 不论名称，把 IN 当作 %1 读入</extracomment>
            <translation>lire IN comme %1, quel que soit son nom</translation>
        </message>
        <message>
            <source>write OUT as %1 whatever its name</source>
            <extracomment>command line 38 | zh-CN: 不论名称，把 OUT 写成 %1</extracomment>
            <translation>écrire OUT comme %1, quel que soit son nom</translation>
        </message>
        <message>
            <source>cut or pad to this chip's size</source>
            <extracomment>command line 39 | zh-CN: 截断或补足到该芯片的容量</extracomment>
            <translation>tronquer ou compléter à la taille de cette puce</translation>
        </message>
        <message>
            <source>programming speed: 12MHz (default), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz</source>
            <extracomment>command line 40 | zh-CN: 烧写速度：12MHz（默认）、6MHz、3MHz、1.5MHz、750KHz、375KHz</extracomment>
            <translation>vitesse de programmation : 12MHz (par défaut), 6MHz, 3MHz, 1.5MHz, 750KHz, 375KHz</translation>
        </message>
        <message>
            <source>use the programmer simulator; CONFIG names its configuration</source>
            <extracomment>command line 41 | zh-CN: 使用编程器模拟器；CONFIG 指定其配置</extracomment>
            <translation>utiliser le simulateur de programmateur ; CONFIG désigne sa configuration</translation>
        </message>
        <message>
            <source>bind this library (libusb-0.1 interface) instead of the default</source>
            <extracomment>command line 42 | zh-CN: 绑定此库（libusb-0.1 接口）代替默认库</extracomment>
            <translation>charger cette bibliothèque (interface libusb-0.1) au lieu de celle par défaut</translation>
        </message>
        <message>
            <source>chip database file (default: the window program's database)</source>
            <extracomment>command line 43 | zh-CN: 芯片数据库文件（默认：窗口程序的数据库）</extracomment>
            <translation>fichier de base de données des puces (par défaut : celle du programme graphique)</translation>
        </message>
        <message>
            <source>message language: %1 (default: the locale's)</source>
            <extracomment>command line 44 | zh-CN: 消息语言：%1（默认按区域设置）</extracomment>
            <translation>langue des messages : %1 (par défaut : celle du système)</translation>
        </message>
        <message>
            <source>answer yes to the question a terminal would be asked</source>
            <extracomment>command line 45 | zh-CN: 对终端上会提出的问题回答“是”</extracomment>
            <translation>répondre oui à la question qui serait posée dans un terminal</translation>
        </message>
        <message>
            <source>only this programmer: its serial, BUS:DEVICE or number N (zorvex-cli programmers)</source>
            <extracomment>command line 46 | zh-CN: 只用此编程器：其序列号、BUS:DEVICE 或编号 N（见 zorvex-cli programmers）</extracomment>
            <translation>seulement ce programmateur : son numéro de série, BUS:DEVICE ou numéro N (zorvex-cli programmers)</translation>
        </message>
        <message>
            <source>stop after N chips</source>
            <extracomment>command line 47 | zh-CN: 烧完 N 片后停止</extracomment>
            <translation>s’arrêter après N puces</translation>
        </message>
        <message>
            <source>write a serial number at ADDR (decimal or 0x-hex)</source>
            <extracomment>command line 48 | zh-CN: 在 ADDR 处写入序列号（十进制或 0x 十六进制）</extracomment>
            <translation>écrire un numéro de série à ADDR (décimal ou 0x-hexa)</translation>
        </message>
        <message>
            <source>the first chip's serial number</source>
            <extracomment>command line 49 | zh-CN: 第一片的序列号</extracomment>
            <translation>le numéro de série de la première puce</translation>
        </message>
        <message>
            <source>added for every chip written to (default 1)</source>
            <extracomment>command line 50 | zh-CN: 每写入一片加上的值（默认 1）</extracomment>
            <translation>ajouté pour chaque puce écrite (1 par défaut)</translation>
        </message>
        <message>
            <source>le16, be16, le32, be32, le64, be64, ascii:W, hex:W</source>
            <extracomment>command line 51 | zh-CN: le16、be16、le32、be32、le64、be64、ascii:W、hex:W</extracomment>
            <translation>le16, be16, le32, be32, le64, be64, ascii:W ou hex:W</translation>
        </message>
        <message>
            <source>the next serial number, kept between runs</source>
            <extracomment>command line 52 | zh-CN: 下一个序列号，在多次运行之间保存</extracomment>
            <translation>le numéro de série suivant, conservé entre les passes</translation>
        </message>
        <message>
            <source>append one JSON line per chip</source>
            <extracomment>command line 53 | zh-CN: 每片追加一行 JSON</extracomment>
            <translation>ajouter une ligne JSON par puce</translation>
        </message>
        <message>
            <source>socket poll interval (default 300)</source>
            <extracomment>command line 54 | zh-CN: 插座轮询间隔（默认 300）</extracomment>
            <translation>intervalle d’interrogation du support (300 par défaut)</translation>
        </message>
        <message>
            <source>wait up to S seconds while another program holds the programmer (default 60)</source>
            <extracomment>command line 55 | zh-CN: 编程器被其他程序占用时最多等待 S 秒（默认 60）</extracomment>
            <translation>attendre jusqu’à S secondes pendant qu’un autre programme réserve le programmateur (60 par défaut)</translation>
        </message>
        <message>
            <source>open this buffer file (binary, Intel HEX, S-record) at start</source>
            <extracomment>command line 56 | zh-CN: 启动时打开此缓冲区文件（二进制、Intel HEX、S-record）</extracomment>
            <translation>ouvrir ce fichier tampon (binaire, Intel HEX, S-record) au démarrage</translation>
        </message>
        <message>
            <source>use the programmer simulator shipped with the program instead of the USB library; CONFIG names a simulator configuration file</source>
            <extracomment>command line 57 | zh-CN: 使用随程序提供的编程器模拟器代替 USB 库；CONFIG 指定模拟器配置文件</extracomment>
            <translation>utiliser le simulateur de programmateur fourni avec le programme au lieu de la bibliothèque USB ; CONFIG désigne un fichier de configuration du simulateur</translation>
        </message>
        <message>
            <source>the whole chip, as a later read gives it (when it was erased first)</source>
            <extracomment>command line 58 | zh-CN: 整个芯片，即日后读出所得（须先擦除）</extracomment>
            <translation>la puce entière, telle qu’une lecture ultérieure la donne (si elle a d’abord été effacée)</translation>
        </message>
        <message>
            <source>the programmed image, as PASS, auto and write show it</source>
            <extracomment>command line 59 | zh-CN: 烧写的映像，即 PASS、auto 和 write 所显示</extracomment>
            <translation>l’image programmée, telle que PASS, auto et write l’affichent</translation>
        </message>
        <message>
            <source>only one file can be opened: %1</source>
            <extracomment>command line 60 | zh-CN: 只能打开一个文件：%1</extracomment>
            <translation>un seul fichier peut être ouvert : %1</translation>
        </message>
        <message>
            <source>unknown option: %1</source>
            <extracomment>command line 61 | zh-CN: 未知选项：%1</extracomment>
            <translation>option inconnue : %1</translation>
        </message>
        <message>
            <source>Try 'zorvex --help'.</source>
            <extracomment>command line 62 | zh-CN: 用法见 'zorvex --help'。</extracomment>
            <translation>Essayez « zorvex --help ».</translation>
        </message>
        <message>
            <source>USB programmer for serial memory chips</source>
            <extracomment>fixed 1 | shown alike in zh-CN, zh-TW and en as: USB programmer for serial memory chips</extracomment>
            <translation>Programmateur USB de puces mémoire série</translation>
        </message>
        <message>
            <source>Binary</source>
            <extracomment>fixed 2 | shown alike in zh-CN, zh-TW and en as: Binary</extracomment>
            <translation>Binaire</translation>
        </message>
        <message>
            <source>All files</source>
            <extracomment>fixed 3 | shown alike in zh-CN, zh-TW and en as: All files</extracomment>
            <translation>Tous les fichiers</translation>
        </message>
        <message>
            <source>Error</source>
            <extracomment>fixed 4 | shown alike in zh-CN, zh-TW and en as: Error</extracomment>
            <translation>Erreur</translation>
        </message>
        <message>
            <source>Information</source>
            <extracomment>fixed 5 | shown alike in zh-CN, zh-TW and en as: Information</extracomment>
            <translation>Informations</translation>
        </message>
        <message>
            <source>Question</source>
            <extracomment>fixed 6 | shown alike in zh-CN, zh-TW and en as: Info</extracomment>
            <translation>Confirmation</translation>
        </message>
        <message>
            <source>Unknown error</source>
            <extracomment>fixed 7 | shown alike in zh-CN, zh-TW and en as: Unknown error</extracomment>
            <translation>Erreur inconnue</translation>
        </message>
        <message>
            <source>File is too big for Buffer</source>
            <extracomment>fixed 8 | shown alike in zh-CN, zh-TW and en as: File is too big for Buffer</extracomment>
            <translation>Le fichier est trop grand pour le tampon.</translation>
        </message>
        <message>
            <source>File is shorter than the 2048-byte capsule header</source>
            <extracomment>fixed 9 | shown alike in zh-CN, zh-TW and en as: File is shorter than the 2048-byte capsule header</extracomment>
            <translation>Le fichier est plus court que l’en-tête de capsule de 2048 octets.</translation>
        </message>
        <message>
            <source>Error reading File</source>
            <extracomment>fixed 10 | shown alike in zh-CN, zh-TW and en as: Error reading File</extracomment>
            <translation>Erreur lors de la lecture du fichier</translation>
        </message>
        <message>
            <source>Data length exceeds the buffer</source>
            <extracomment>fixed 11 | shown alike in zh-CN, zh-TW and en as: Data length exceeds the buffer</extracomment>
            <translation>La longueur des données dépasse le tampon.</translation>
        </message>
        <message>
            <source>Select data format</source>
            <extracomment>fixed 12 | shown alike in zh-CN, zh-TW and en as: Select data format</extracomment>
            <translation>Choisir le format des données</translation>
        </message>
        <message>
            <source>Hex text</source>
            <extracomment>fixed 13 | shown alike in zh-CN, zh-TW and en as: Hex text</extracomment>
            <translation>Texte hexa</translation>
        </message>
        <message>
            <source>Can't open File</source>
            <extracomment>fixed 14 | shown alike in zh-CN, zh-TW and en as: Can't open File</extracomment>
            <translation>Impossible d’ouvrir le fichier</translation>
        </message>
        <message>
            <source>'%1' is not a valid integer value</source>
            <extracomment>fixed 15 | shown alike in zh-CN, zh-TW and en as: '%1' is not a valid integer value</extracomment>
            <translation>« %1 » n’est pas une valeur entière valide.</translation>
        </message>
        <message>
            <source>25 flash series</source>
            <extracomment>fixed 16 | shown alike in zh-CN, zh-TW and en as: 25 flash 系列</extracomment>
            <translation>Flash série 25</translation>
        </message>
        <message>
            <source>24 eeprom series</source>
            <extracomment>fixed 17 | shown alike in zh-CN, zh-TW and en as: 24 eeprom 系列</extracomment>
            <translation>EEPROM série 24</translation>
        </message>
        <message>
            <source>93 eeprom series</source>
            <extracomment>fixed 18 | shown alike in zh-CN, zh-TW and en as: 93 eeprom 系列</extracomment>
            <translation>EEPROM série 93</translation>
        </message>
        <message>
            <source>25 eeprom series</source>
            <extracomment>fixed 19 | shown alike in zh-CN, zh-TW and en as: 25 eeprom 系列</extracomment>
            <translation>EEPROM série 25</translation>
        </message>
        <message>
            <source>95 eeprom series</source>
            <extracomment>fixed 20 | shown alike in zh-CN, zh-TW and en as: 95 eeprom 系列</extracomment>
            <translation>EEPROM série 95</translation>
        </message>
        <message>
            <source>non-SST SPI flash</source>
            <extracomment>fixed 21 | shown alike in zh-CN, zh-TW and en as: 非SST SPI flash</extracomment>
            <translation>Flash SPI non SST</translation>
        </message>
        <message>
            <source>under 4KB</source>
            <extracomment>fixed 22 | shown alike in zh-CN, zh-TW and en as: 小于4KB</extracomment>
            <translation>moins de 4KB</translation>
        </message>
        <message>
            <source>4KB or more</source>
            <extracomment>fixed 23 | shown alike in zh-CN, zh-TW and en as: 大于等于4KB</extracomment>
            <translation>4KB ou plus</translation>
        </message>
        <message>
            <source>under 512B</source>
            <extracomment>fixed 24 | shown alike in zh-CN, zh-TW and en as: 小于512B</extracomment>
            <translation>moins de 512B</translation>
        </message>
        <message>
            <source>512B or more</source>
            <extracomment>fixed 25 | shown alike in zh-CN, zh-TW and en as: 大等于512B</extracomment>
            <translation>512B ou plus</translation>
        </message>
        <message>
            <source>over 64KB</source>
            <extracomment>fixed 26 | shown alike in zh-CN, zh-TW and en as: 大于64KB</extracomment>
            <translation>plus de 64KB</translation>
        </message>
        <message>
            <source>Chip type</source>
            <extracomment>fixed 27 | shown alike in zh-CN, zh-TW and en as: 芯片类型</extracomment>
            <translation>Type puce</translation>
        </message>
        <message>
            <source>Chip maker</source>
            <extracomment>fixed 28 | shown alike in zh-CN, zh-TW and en as: 芯片厂家</extracomment>
            <translation>Fabricant</translation>
        </message>
        <message>
            <source>Chip model</source>
            <extracomment>fixed 29 | shown alike in zh-CN, zh-TW and en as: 芯片型号</extracomment>
            <translation>Modèle</translation>
        </message>
        <message>
            <source>FLASH page</source>
            <extracomment>fixed 31 | shown alike in zh-CN, zh-TW and en as: FLASH页</extracomment>
            <translation>Page Fl.</translation>
        </message>
        <message>
            <source>Family</source>
            <extracomment>fixed 32 | shown alike in zh-CN, zh-TW and en as: 类型</extracomment>
            <translation>Famille</translation>
        </message>
        <message>
            <source>Subtype</source>
            <extracomment>fixed 33 | shown alike in zh-CN, zh-TW and en as: 子类型</extracomment>
            <translation>Variante</translation>
        </message>
        <message>
            <source>Linked XML</source>
            <extracomment>fixed 37 | shown alike in zh-CN, zh-TW and en as: 关联XML</extracomment>
            <translation>XML lié</translation>
        </message>
        <message>
            <source>on a difference, read the whole chip and list every one</source>
            <translation type="vanished">en cas de différence, lire toute la puce et lister toutes les différences</translation>
        </message>
        <message>
            <source> The part already read was discarded; the buffer is empty.</source>
            <translation type="vanished"> La partie déjà lue a été abandonnée ; le tampon est vide.</translation>
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
            <translation type="vanished">Programme une puce après l’autre avec IN : affiche « Insert a chip » et attend une puce dans le
support, l’efface, l’écrit et la vérifie, affiche
« #K PASS SERIAL CRC32 SECONDS (CRC32 of N bytes) » (l’image arrondie à des pages entières,
telle que checksum IN --chip la désigne) ou « #K FAIL REASON », puis « Remove the chip » et attend
que le support soit vide. S’arrête après --count puces, ou sur Ctrl+C (SIGTERM, SIGHUP) une fois la
puce en cours terminée, et affiche « N passed, M failed ». Code de sortie 0 quand toutes les puces
ont réussi, 1 quand une a échoué, 2 pour un fichier ou un nombre refusé avant la première puce, 3
quand le programmateur a disparu, 4 quand un enregistrement (fichier de numéros de série, journal,
sortie standard) n’a pas pu être écrit après la programmation de puces.

Numéros de série : --serial-at ADDR --serial-start N écrivent N dans la première puce à ADDR,
et dans chaque puce réussie le suivant (--serial-step, 1 par défaut) ; une puce en échec cède
son numéro à la suivante. --serial-format le16|be16|le32|be32|le64|be64 (binaire, le32 par
défaut), ascii:W (W chiffres décimaux, complétés par des zéros) ou hex:W (W chiffres hexa en
majuscules). --serial-file FILE conserve le numéro suivant entre les passes et entre les passes
d’un groupe qui le partage : chaque numéro y est pris sous un verrou avant l’écriture de sa puce
(il l’emporte sur --serial-start dès qu’il existe). --log FILE ajoute un objet JSON par puce, écrit
avant l’affichage de sa ligne PASS. La passe garde le premier programmateur qu’elle ouvre ;
s’il est réservé par un autre programme, elle l’attend (--busy-wait).</translation>
        </message>
        <message>
            <source>cannot create the folder %1 of the log</source>
            <translation type="vanished">impossible de créer le dossier %1 du journal</translation>
        </message>
        <message>
            <source>added for every passed chip (default 1)</source>
            <translation type="vanished">ajouté pour chaque puce réussie (1 par défaut)</translation>
        </message>
        <message>
            <source>Loads IN as write does and compares the chip with it; of a file longer than the chip
only the chip's size is compared, and a warning says so. With --all a difference
is followed by a read of the whole chip and a list of every differing range.</source>
            <translation type="vanished">Charge IN comme write et compare la puce avec lui ; d’un fichier plus long que la puce, seule
la taille de la puce est comparée, et un avertissement le signale. Avec --all, une différence
est suivie d’une lecture de toute la puce et de la liste de toutes les plages différentes.</translation>
        </message>
    </context>
</TS>
