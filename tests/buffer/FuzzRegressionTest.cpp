#include "FuzzChecks.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

// Replays the fuzz seed corpus and every crash input the fuzzers found (fuzz-crashes/, named
// after the reader that failed: intelhex-*, srecord-*, eepfile-*) through the fuzzers' checks.
namespace {

using Check = bool (*)(const std::uint8_t*, std::size_t);

int replay(const QString& folder, Check check, const QString& prefix = QString())
{
    int count = 0;
    QDirIterator it(folder, QDir::Files);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!prefix.isEmpty() && !it.fileName().startsWith(prefix))
            continue;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray data = file.readAll();
        EXPECT_TRUE(check(reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())))
            << path.toStdString();
        ++count;
    }
    return count;
}

const QString kCorpus = QStringLiteral(ZORVEX_FUZZ_CORPUS);
const QString kCrashes = QStringLiteral(ZORVEX_BUFFER_TEST_DATA "/fuzz-crashes");

}  // namespace

TEST(FuzzRegression, IntelHexInputs)
{
    EXPECT_GT(replay(kCorpus + "/intelhex", fuzzchecks::checkIntelHex), 0);
    replay(kCrashes, fuzzchecks::checkIntelHex, "intelhex-");
}

TEST(FuzzRegression, SRecordInputs)
{
    EXPECT_GT(replay(kCorpus + "/srecord", fuzzchecks::checkSRecord), 0);
    replay(kCrashes, fuzzchecks::checkSRecord, "srecord-");
}

TEST(FuzzRegression, EepInputs)
{
    EXPECT_GT(replay(kCorpus + "/eepfile", fuzzchecks::checkEepFile), 0);
    replay(kCrashes, fuzzchecks::checkEepFile, "eepfile-");
}
