#include "text/FillTexts.h"

#include "text/LanguageTexts.h"

QString fillRangeInvalidText(const QString& last)
{
    return inCurrentLanguage({u"填充范围无效：需要 0 <= 开始地址 <= 结束地址 <= %1。",
                              u"填充範圍無效：需要 0 <= 開始地址 <= 結束地址 <= %1。",
                              u"Invalid fill range: 0 <= Start ADDR <= End ADDR <= %1 is required."})
        .arg(last);
}
