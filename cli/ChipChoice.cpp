#include "ChipChoice.h"

#include "CliCommand.h"

#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipDatabase.h"
#include "chipdb/ChipName.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

int editDistance(const QString& a, const QString& b)
{
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1);
    std::iota(row.begin(), row.end(), 0);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            const int substitution = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
            row[static_cast<std::size_t>(j)] = std::min({above + 1, row[static_cast<std::size_t>(j - 1)] + 1, substitution});
            diagonal = above;
        }
    }
    return row.back();
}

QString describe(const ChipNameParts& parts)
{
    return QStringLiteral("%1 %2 (%3)").arg(parts.manufacturer, parts.model, parts.type);
}

// The models of the database nearest to name, closest first, at most count of them: those that
// contain the name (or that it contains) before the rest, then by edit distance.
QStringList closestModels(const ChipDatabase& database, const QString& name, int count = 5)
{
    struct Candidate {
        bool related;
        int distance;
        QString model;
    };
    const QString wanted = name.toCaseFolded();
    std::vector<Candidate> candidates;
    QStringList seen;
    for (const ChipRecord& chip : database.chips()) {
        const QString model = chipNamePartsForLists(chip.nameText()).model;
        if (model.isEmpty() || seen.contains(model, Qt::CaseInsensitive))
            continue;
        seen << model;
        const QString folded = model.toCaseFolded();
        const bool related = !wanted.isEmpty() && (folded.contains(wanted) || wanted.contains(folded));
        candidates.push_back({related, editDistance(wanted, folded), model});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.related != b.related ? a.related : a.distance < b.distance;
    });
    QStringList result;
    for (std::size_t i = 0; i < candidates.size() && result.size() < count; ++i)
        result << candidates[i].model;
    return result;
}

}  // namespace

int findChipByModel(const ChipDatabase& database, const QString& model, const QString& maker)
{
    const std::span<const ChipRecord> chips = database.chips();
    const auto partsOf = [&chips](int slot) {
        return chipNamePartsForLists(chips[static_cast<std::size_t>(slot)].nameText());
    };
    std::vector<int> byModel;
    for (int slot = 0; slot < static_cast<int>(chips.size()); ++slot) {
        if (partsOf(slot).model.compare(model, Qt::CaseInsensitive) == 0)
            byModel.push_back(slot);
    }
    if (byModel.empty()) {
        const QStringList near = closestModels(database, model);
        QString error = ExtraMessages::text(ExtraText::CliNoChipNamed).arg(model);
        if (!near.isEmpty())
            error += ExtraMessages::text(ExtraText::CliClosestChips).arg(near.join(QStringLiteral(", ")));
        printError(error);
        return -1;
    }
    std::vector<int> matches;
    std::copy_if(byModel.begin(), byModel.end(), std::back_inserter(matches), [&](int slot) {
        return maker.isEmpty() || partsOf(slot).manufacturer.compare(maker, Qt::CaseInsensitive) == 0;
    });
    const auto makerOf = [&](int slot) { return partsOf(slot).manufacturer.toCaseFolded(); };
    const bool oneMaker = !matches.empty() && std::all_of(matches.begin(), matches.end(), [&](int slot) {
        return makerOf(slot) == makerOf(matches.front());
    });
    // The same maker and model twice can only be a duplicate row: the first one counts, as it
    // does for detection.
    if (oneMaker)
        return matches.front();
    QStringList candidates;
    for (const int slot : byModel)
        candidates << describe(partsOf(slot));
    printError(matches.empty()
                   ? ExtraMessages::text(ExtraText::CliNoChipByMaker).arg(model, maker, candidates.join(QStringLiteral(", ")))
                   : ExtraMessages::text(ExtraText::CliSeveralMakers).arg(model, candidates.join(QStringLiteral(", "))));
    return -1;
}
