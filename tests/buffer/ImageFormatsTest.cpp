#include "buffer/ImageFormats.h"

#include "CodecTestSupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <gtest/gtest.h>

// The completion and the manual page are written by hand; they must offer every format name and
// name every extension of the table the programs use.
namespace {

QString packagingFile(const char* name)
{
    return QString::fromUtf8(readWholeFile(QStringLiteral(ZORVEX_PACKAGING_DIR "/") + QLatin1String(name)));
}

}  // namespace

TEST(ImageFormats, CompletionAndManualPageListEveryNameAndExtension)
{
    QSet<QString> names;
    QStringList words;  // every name and extension, each belonging to one format only
    for (const ImageFormat& format : imageFormats()) {
        if (*format.name != '\0')
            names << QLatin1String(format.name);
        words << QLatin1String(format.name);
        for (const char* extension : format.extensions)
            words << QLatin1String(extension);
    }
    words.removeAll(QString());
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), words.size()) << words.join(u' ').toStdString();

    const QRegularExpression offered(QStringLiteral("--from \\| --to\\) COMPREPLY=\\(\\$\\(compgen -W '([^']*)'"));
    const QRegularExpressionMatch completion = offered.match(packagingFile("completion/zorvex-cli"));
    ASSERT_TRUE(completion.hasMatch());
    const QStringList completed = completion.captured(1).split(u' ');
    EXPECT_EQ(QSet<QString>(completed.begin(), completed.end()), names);

    const QString manual = packagingFile("man/zorvex-cli.1");
    for (const QString& word : words) {
        const QRegularExpression asWord(QStringLiteral("(^|[\\s\"])%1([\\s\",]|$)").arg(QRegularExpression::escape(word)),
                                        QRegularExpression::MultilineOption);
        EXPECT_TRUE(asWord.match(manual).hasMatch()) << word.toStdString();
    }
}
