#include "pages/table1/Table1Record.h"

#include <tuple>

#include "pages/table1/Table1Answers.h"

namespace d7 {

ColumnValues Table1RowValues(const Table1Answers &a, Table1StoreStep step, int kindOfEntry,
                             const QString &taxNumber) {
    const bool every = step == Table1StoreStep::KindOfEntryStep;
    const QString fullOwnership = QStringLiteral("1");
    ColumnValues v;
    // Always text: an answer never given is the empty text, not NULL.
    auto put = [&v](int position, const QString &text) { v.append({position, text.isNull() ? QStringLiteral("") : text}); };
    auto mark = [](bool front) { return front ? QStringLiteral("X") : QStringLiteral(""); };

    put(1, a.prefectureName);
    put(2, a.prefectureCode);
    put(3, a.municipalityName);
    put(4, a.municipalityCode);
    if (every || !a.noStreetsKnown) {
        put(5, a.streetName);
        put(6, a.streetCode);
        put(7, a.streetNumber);
        put(8, mark(a.frontsOnStreet));
        // The other streets of the block, each as name, code and front mark.
        const std::tuple<const QString &, const QString &, bool> blockStreets[] = {
            {a.street2Name, a.street2Code, a.frontsOnStreet2},
            {a.street3Name, a.street3Code, a.frontsOnStreet3},
            {a.street4Name, a.street4Code, a.frontsOnStreet4},
        };
        int position = 9;
        for (const auto &[name, code, front] : blockStreets) {
            put(position++, name);
            put(position++, code);
            put(position++, mark(front));
        }
    }
    put(18, a.blockNumber);
    put(19, a.categoryCode);
    put(20, a.specialCode);
    if (every || !a.plotOnly) {
        put(21, a.floorCode);
        put(22, a.mainSurface);
        put(23, a.auxiliarySurface);
        put(24, a.yearOfConstruction);
        put(25, a.ownershipType);
        put(26, a.ownershipPercentage);
        put(27, a.ownershipType != fullOwnership ? a.usufructBirthYear : QString());
    }
    if (every || !a.noPlotData) {
        put(28, a.plotSurface);
        put(29, a.plotOwnershipType);
        put(30, a.plotOwnershipPercentage);
        put(31, a.plotOwnershipType != fullOwnership ? a.plotUsufructBirthYear : QString());
        put(32, a.totalBuildingsSurface);
    }
    put(33, a.ownerCode);
    put(34, a.ownerText);
    if (every)
        put(35, QString::number(kindOfEntry));
    put(36, taxNumber);
    return v;
}

std::optional<QString> StoredFloorCode(const QString &listCode) {
    if (listCode == QLatin1String("Y") || listCode == QStringLiteral("Υ"))
        return listCode;
    bool ok = false;
    const int floor = listCode.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return QString::number(floor);
}

}  // namespace d7
