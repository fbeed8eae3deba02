#include "chipdb/ShippedChipUpgrade.h"

#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipName.h"
#include "chipdb/ProgramFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

QString chipKey(const ChipRecord& rec)
{
    const ChipNameParts parts = chipNamePartsForLists(rec.nameText());
    return (parts.type + u'\n' + parts.manufacturer + u'\n' + parts.model).toCaseFolded();
}

bool sameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

QString question(int adding, int left, const QString& path)
{
    QString text = ExtraMessages::text(ExtraText::ShippedChipsOffer)
                       .arg(QString::number(adding), QDir::toNativeSeparators(path));
    if (left > 0)
        text += u'\n' + ExtraMessages::text(ExtraText::ShippedChipsNoRoom).arg(left);
    return text;
}

}  // namespace

std::vector<ChipRecord> chipsMissingFrom(const ChipDatabase& own, const ChipDatabase& shipped)
{
    QSet<QString> present;
    for (const ChipRecord& rec : own.chips())
        present.insert(chipKey(rec));
    std::vector<ChipRecord> missing;
    for (const ChipRecord& rec : shipped.chips()) {
        const QString key = chipKey(rec);
        if (present.contains(key))
            continue;
        present.insert(key);
        missing.push_back(rec);
    }
    return missing;
}

int appendChips(ChipDatabase& db, std::span<const ChipRecord> chips)
{
    const int count = db.count();
    const int room = std::max(0, ChipDatabase::SlotCount - 1 - count);
    const int appended = std::min(room, static_cast<int>(chips.size()));
    for (int i = 0; i < appended; ++i)
        db[count + i] = chips[static_cast<std::size_t>(i)];
    return appended;
}

ShippedChipOfferResult offerShippedChips(ChipDatabase& db, const ProgramFiles& files,
                                         const QString& rememberedFingerprint, const ShippedChipPrompt& prompt)
{
    // A portable program saves over the very file it ships; only a copy of the person's own,
    // kept apart from the shipped one, can miss shipped chips.
    if (!QFileInfo::exists(files.databasePath) || !QFileInfo::exists(files.shippedDatabasePath)
        || sameFile(files.databasePath, files.shippedDatabasePath))
        return {ShippedChipOffer::NotApplicable, {}};
    const std::optional<QByteArray> shippedBytes = readChipDatabaseFile(files.shippedDatabasePath);
    auto shipped = std::make_unique<ChipDatabase>();
    if (!shippedBytes || loadChipDatabaseBytes(*shipped, *shippedBytes) != ChipDbLoadStatus::Loaded)
        return {ShippedChipOffer::NotApplicable, {}};

    // SHA-256 of the shipped file's bytes, in hex.
    const QString fingerprint =
        QString::fromLatin1(QCryptographicHash::hash(*shippedBytes, QCryptographicHash::Sha256).toHex());
    if (rememberedFingerprint == fingerprint)
        return {ShippedChipOffer::AlreadyAsked, {}};
    const std::vector<ChipRecord> missing = chipsMissingFrom(db, *shipped);
    if (missing.empty())
        return {ShippedChipOffer::NothingMissing, fingerprint};

    auto merged = std::make_unique<ChipDatabase>(db);
    const int fitting = appendChips(*merged, missing);
    if (fitting == 0)
        return {ShippedChipOffer::NoRoom, {}};
    if (!prompt.askYesNo(question(fitting, static_cast<int>(missing.size()) - fitting, files.databasePath)))
        return {ShippedChipOffer::Declined, fingerprint};
    // Another window may have saved the copy while the question waited: the chips go after the
    // own chips as the file holds them now, which are not written over. A file that cannot be
    // read now leaves the copy as it was loaded (a refused load changes no slot).
    *merged = db;
    if (const std::optional<QByteArray> now = readChipDatabaseFile(files.databasePath))
        (void)loadChipDatabaseBytes(*merged, *now);
    const int ownCount = merged->count();
    const int added = appendChips(*merged, chipsMissingFrom(*merged, *shipped));
    // The slot after the appended chips may still hold bytes the file carried past its old
    // terminator: the count is given, not searched.
    if (!WriteChipDatabaseFile(*merged, ownCount + added, files.databasePath, prompt.report))
        return {ShippedChipOffer::SaveFailed, {}};
    db = *merged;
    return {ShippedChipOffer::Added, fingerprint};
}
