#include "pages/table1/Table1Record.h"

#include <tuple>

#include "pages/table1/Table1Answers.h"

namespace d7 {

const QString kNewTable1RowSql = QStringLiteral("select * from table1 where cd<0");
const QString kTable1RowsHead = QStringLiteral("select * from table1 where AFMYpox='");

ColumnValues Table1RowValues(const Table1Answers &a, Table1StoreStep step, int kindOfEntry,
                             const QString &taxNumber) {
    const bool every = step == Table1StoreStep::Step21;
    const QString fullOwnership = QStringLiteral("1");
    ColumnValues v;
    // Always text: an answer never given is the empty text, not NULL.
    auto put = [&v](int position, const QString &text) { v.append({position, text.isNull() ? QStringLiteral("") : text}); };
    auto mark = [](bool front) { return front ? QStringLiteral("X") : QStringLiteral(""); };

    put(1, a.prefectureName);
    put(2, a.prefectureCode);
    put(3, a.municipalityName);
    put(4, a.municipalityCode);
    if (every || !a.NoStreetsKnown) {
        put(5, a.streetName);
        put(6, a.streetCode);
        put(7, a.streetNumber);
        put(8, mark(a.FrontsOnStreet));
        // The other streets of the block, each as name, code and front mark.
        const std::tuple<const QString &, const QString &, bool> blockStreets[] = {
            {a.Street2Name, a.Street2Code, a.FrontsOnStreet2},
            {a.Street3Name, a.Street3Code, a.FrontsOnStreet3},
            {a.Street4Name, a.Street4Code, a.FrontsOnStreet4},
        };
        int position = 9;
        for (const auto &[name, code, front] : blockStreets) {
            put(position++, name);
            put(position++, code);
            put(position++, mark(front));
        }
    }
    put(18, a.BlockNumber);
    put(19, a.CategoryCode);
    put(20, a.SpecialCode);
    if (every || !a.PlotOnly) {
        put(21, a.FloorCode);
        put(22, a.MainSurface);
        put(23, a.AuxiliarySurface);
        put(24, a.YearOfConstruction);
        put(25, a.OwnershipType);
        put(26, a.OwnershipPercentage);
        put(27, a.OwnershipType != fullOwnership ? a.UsufructBirthYear : QString());
    }
    if (every || !a.NoPlotData) {
        put(28, a.PlotSurface);
        put(29, a.PlotOwnershipType);
        put(30, a.PlotOwnershipPercentage);
        put(31, a.PlotOwnershipType != fullOwnership ? a.PlotUsufructBirthYear : QString());
        put(32, a.TotalBuildingsSurface);
    }
    put(33, a.OwnerCode);
    put(34, a.OwnerText);
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
