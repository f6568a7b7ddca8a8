// The reference lookups that place a property, shown in the wizards' lists:
// municipalities (and their named areas) of a prefecture, streets of a
// municipality, and the streets around the property's city block. Used by
// both wizards.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "declaration/ReferenceLists.h"

namespace d7 {

class PairedList;

// Fills the municipality pair with the municipalities of the prefecture and
// its named areas.
void LoadMunicipalities(ReferenceLists &lists, PairedList &municipalities, const QString &prefectureCode,
                        WizardKind kind);

// Fills the street pair with the municipality's streets, readable and sorted.
// Returns false (and leaves the pair empty) when the municipality has none.
bool LoadStreets(ReferenceLists &lists, PairedList &streets, const QString &prefectureCode,
                 const QString &municipalityCode);

// The streets around the property's blocks (Table 1), kept between the
// events of the block step: frontRows and sharedBlocks.
class BlockStreets {
public:
    // LoadBlockStreets: reads the fronts of the blocks the property's street
    // fronts on and fills the second-street pair with the other streets, each
    // name once; empties the third and fourth pairs.
    void load(ReferenceLists &lists, const QString &prefectureCode, const QString &municipalityCode,
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
