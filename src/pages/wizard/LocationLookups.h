// The reference lookups that place a property: municipalities (and their
// named areas) of a prefecture, streets of a municipality, and the streets
// around the property's city block. Used by both wizards.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace d7 {

class Dataset;
class PairedList;

enum class WizardKind { Table1, Table2 };

// The statements, exactly as the reference tables are queried.
QString MunicipalitiesSql(const QString &prefectureCode, WizardKind kind);
QString StreetsSql(const QString &prefectureCode, const QString &municipalityCode);
QString BlockStreetsSql(const QString &prefectureCode, const QString &municipalityCode,
                        const QString &streetCode);

// A street as listed: its name in capitals (code-page bytes for ordering, and
// text) with its code.
struct ListedStreet {
    QByteArray key;
    QString name;
    QString code;
};

// Orders by name in plain code-page byte order, case-sensitive; equal names
// keep their order. The order an exchange sort of neighbours would give, in
// n log n.
void SortStreetsByName(QVector<ListedStreet> &streets);

// Fills the municipality pair with the municipalities of the prefecture and
// its named areas (area, blank, municipality, with the municipality's code).
void LoadMunicipalities(Dataset &dataset, PairedList &municipalities, const QString &prefectureCode,
                        WizardKind kind);

// Fills the street pair with the municipality's streets, readable and sorted.
// Returns false (and leaves the pair empty) when the municipality has none.
bool LoadStreets(Dataset &dataset, PairedList &streets, const QString &prefectureCode,
                 const QString &municipalityCode);

// One row of the block statement: a street fronting on a block.
struct FrontRow {
    QString streetCode;
    QString blockCode;
    QByteArray key;   // name as code-page bytes, for ordering
    QString name;
};

// The streets around the property's blocks (Table 1), kept between the
// events of the block step: frontRows and sharedBlocks.
class BlockStreets {
public:
    // LoadBlockStreets: reads the fronts of the blocks the property's street
    // fronts on and fills the second-street pair with the other streets, each
    // name once; empties the third and fourth pairs.
    void load(Dataset &dataset, const QString &prefectureCode, const QString &municipalityCode,
              const QString &streetCode, PairedList &second, PairedList &third, PairedList &fourth);
    // The user chose a second street: the blocks it shares with the property's
    // street, and the third-street pair from the other streets of those blocks.
    void secondStreetChosen(int index, PairedList &second, PairedList &third, PairedList &fourth);
    // The user chose a third street: the fourth-street pair (names may repeat).
    void thirdStreetChosen(int index, PairedList &third, PairedList &fourth);

    const QVector<FrontRow> &frontRows() const { return m_frontRows; }
    const QStringList &sharedBlocks() const { return m_sharedBlocks; }

    // Derivations on plain rows, without lists (also what the events use).
    static QVector<FrontRow> secondStreets(const QVector<FrontRow> &rows, const QString &street);
    static QStringList blocksShared(const QVector<FrontRow> &rows, const QString &street, const QString &second);
    static QVector<FrontRow> thirdStreets(const QVector<FrontRow> &rows, const QString &street,
                                          const QString &second);
    static QVector<FrontRow> fourthStreets(const QVector<FrontRow> &rows, const QStringList &sharedBlocks,
                                           const QString &street, const QString &second, const QString &third);

private:
    QVector<FrontRow> m_frontRows;
    QStringList m_sharedBlocks;
    QString m_street, m_second;
};

}  // namespace d7
