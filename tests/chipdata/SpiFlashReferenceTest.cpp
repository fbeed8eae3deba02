// Every SPI flash record of the shipped database against the reference tables of JEDEC IDs,
// capacities, pages and supply ranges: spi-flash-ids.tsv, a copy of the project's reference, and
// spi-flash-ids-more.tsv, the facts it lacks with the source of each.

#include "ShippedChips.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <vector>

namespace {

struct ReferenceRow {
    QString maker;
    QStringList stems;  // model prefixes the row's pattern stands for
    quint32 id = 0;
    quint32 size = 0;
    quint32 page = 0;
    int maxMillivolts = 0;  // 0 where the table gives no range
};

// The alternatives of a pattern such as "MX25L4005(A/C)/MX25L4006E" or "MX25U3235E/F", each cut
// before its first wildcard ("."), optional part ("(") or ordering-code suffix ("_", "-"):
// "MX25L4005", "MX25L4006E"; "MX25U3235E", "MX25U3235F". A short alternative replaces the end of
// the first one.
QStringList patternStems(const QString& pattern)
{
    QStringList alternatives;
    QString current;
    int depth = 0;
    for (const QChar ch : pattern) {
        depth += ch == u'(' ? 1 : ch == u')' ? -1 : 0;
        if (ch == u'/' && depth == 0) {
            alternatives.append(current);
            current.clear();
        } else {
            current += ch;
        }
    }
    alternatives.append(current);
    QStringList stems;
    for (QString alternative : alternatives) {
        if (alternative.size() <= 2 && !stems.isEmpty())
            alternative = alternatives.first().chopped(alternative.size()) + alternative;
        stems.append(alternative.section(QRegularExpression(QStringLiteral("[.(_-]")), 0, 0));
    }
    return stems;
}

void readReferenceTable(const QString& path, std::vector<ReferenceRow>& out)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QStringList f = line.split(u'\t');
        if (line.startsWith(u'#') || f.size() < 5 || f[0] == u"maker")
            continue;
        ReferenceRow row;
        row.maker = f[0];
        row.stems = patternStems(f[1]);
        bool ok = false;
        row.id = f[2].toUInt(&ok, 16);
        EXPECT_TRUE(ok) << line.toStdString();
        row.size = f[3].toUInt();
        row.page = f[4].toUInt();
        row.maxMillivolts = f.value(5).section(u'-', 1, 1).toInt();
        out.push_back(row);
    }
}

const std::vector<ReferenceRow>& referenceRows()
{
    static const std::vector<ReferenceRow> rows = [] {
        std::vector<ReferenceRow> out;
        readReferenceTable(QStringLiteral(ZORVEX_SPI_FLASH_REFERENCE), out);
        const std::size_t mainRows = out.size();
        EXPECT_GT(mainRows, 400u);
        readReferenceTable(QStringLiteral(ZORVEX_SPI_FLASH_REFERENCE_MORE), out);
        EXPECT_GT(out.size(), mainRows);
        return out;
    }();
    return rows;
}

// Rows with the record's ID whose pattern names its model.
std::vector<const ReferenceRow*> matchingRows(const ShippedChip& c)
{
    std::vector<const ReferenceRow*> out;
    for (const ReferenceRow& row : referenceRows()) {
        if (row.id != c.rec->chipId)
            continue;
        for (const QString& stem : row.stems) {
            if (!stem.isEmpty() && c.model.startsWith(stem)) {
                out.push_back(&row);
                break;
            }
        }
    }
    return out;
}

// Shipped parts neither table has; data/README.md names where their facts come from.
const QSet<QString> kNotInReference{
    "Winbond W25Q20EW",     "Winbond W25Q16JW-IM",  "Macronix MX25L6433F",
    "Macronix MX25U2033E",  "Macronix MX25U4035",   "Macronix MX25U8035",   "GigaDevice GD25Q512MC",
    "GigaDevice GD25WQ16E", "GigaDevice GD25WQ32E", "GigaDevice GD25WQ64E", "GigaDevice GD25WQ128E",
    "GigaDevice GD25LQ256D", "Spansion S25FL064L",  "Spansion S25FS064S",   "ISSI IS25LP080D",
    "ISSI IS25LP512M",      "ISSI IS25LQ020B",      "ISSI IS25LQ040B",      "ISSI IS25LQ080B",
    "ISSI IS25LQ016B",      "ISSI IS25WP512M",      "EON EN25QH256",        "Puya P25Q20H",
    "Puya P25Q40H",         "Puya P25Q80H",         "Puya P25Q16H",         "Puya P25Q32H",
    "Puya P25Q64H",         "Adesto AT25SF641",     "Adesto AT25SL321",     "Adesto AT25SL641",
    "SST SST26WF040B",      "SST SST26WF080B",      "SST SST26WF016B"};

// Supply ranges the table has wrong: the AT25SF128A runs from 2.7 V to 3.6 V.
const QSet<QString> kWrongReferenceSupply{"AT25SF128A"};

std::vector<const ShippedChip*> spiFlashChips()
{
    std::vector<const ShippedChip*> out;
    for (const ShippedChip& c : shippedChips())
        if (c.rec->family == Family25Flash)
            out.push_back(&c);
    return out;
}

TEST(SpiFlashReference, StemsCoverEveryFormOfPattern)
{
    EXPECT_EQ(patternStems("MX25L4005(A/C)/MX25L4006E"), (QStringList{"MX25L4005", "MX25L4006E"}));
    EXPECT_EQ(patternStems("MX25U3235E/F"), (QStringList{"MX25U3235E", "MX25U3235F"}));
    EXPECT_EQ(patternStems("W25Q128.V..M"), QStringList{"W25Q128"});
    EXPECT_EQ(patternStems("W25Q256JV_Q"), QStringList{"W25Q256JV"});
    EXPECT_EQ(patternStems("S25FL127S-64kB"), QStringList{"S25FL127S"});
    EXPECT_EQ(patternStems("W25Q80BV/W25Q80DV"), (QStringList{"W25Q80BV", "W25Q80DV"}));
}

TEST(SpiFlashReference, EveryRecordHasTheCapacityAndAPageNoLargerThanTheTable)
{
    // A wrong capacity reads or writes past the chip; a page larger than the chip's wraps the
    // write inside the page. A smaller page is only slower.
    for (const ShippedChip* c : spiFlashChips()) {
        const auto rows = matchingRows(*c);
        if (kNotInReference.contains(c->maker + u' ' + c->model)) {
            EXPECT_TRUE(rows.empty()) << c->label() << " is in the table now";
            continue;
        }
        ASSERT_FALSE(rows.empty()) << c->label() << " is neither in the table nor listed";
        for (const ReferenceRow* row : rows) {
            EXPECT_EQ(c->rec->flashSize, row->size) << c->label();
            EXPECT_LE(c->rec->flashPage, row->page) << c->label();
        }
    }
}

TEST(SpiFlashReference, NoPartOfTheTableGivesTheSameIdAnotherCapacity)
{
    // Detection picks a record by its ID alone: an ID the table gives to a part of another size
    // would have detection choose the wrong capacity for that part.
    for (const ShippedChip* c : spiFlashChips()) {
        for (const ReferenceRow& row : referenceRows()) {
            if (row.id == c->rec->chipId && row.size != 0) {
                EXPECT_EQ(row.size, c->rec->flashSize)
                    << c->label() << " / " << row.stems.join(u'/').toStdString();
            }
        }
    }
}

TEST(SpiFlashReference, ListedAdditionsAreShipped)
{
    QSet<QString> shipped;
    for (const ShippedChip* c : spiFlashChips())
        shipped.insert(c->maker + u' ' + c->model);
    for (const QString& addition : kNotInReference)
        EXPECT_TRUE(shipped.contains(addition)) << addition.toStdString();
}

TEST(SpiFlashReference, OnePointEightVoltRecordsAgreeWithTheSupplyRange)
{
    // A part that ends at 2.0 V needs the 1.8 V code; one that reaches 3.6 V must not be
    // underpowered with it (parts from 1.65 V to 3.6 V run at 3.3 V).
    for (const ShippedChip* c : spiFlashChips()) {
        for (const ReferenceRow* row : matchingRows(*c)) {
            if (row->maxMillivolts == 0)
                continue;
            const bool lowVoltage = row->maxMillivolts <= 2000 && !kWrongReferenceSupply.contains(c->model);
            EXPECT_EQ(c->rec->voltage, lowVoltage ? Voltage1V8 : Voltage3V3) << c->label();
        }
    }
}

}  // namespace
