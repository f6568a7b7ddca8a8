#include "pages/wizard/LocationLookups.h"

#include <QApplication>
#include <QComboBox>
#include <QSet>

#include "widgets/Command.h"
#include "widgets/PairedList.h"

namespace d7 {

void LoadMunicipalities(ReferenceLists &lists, PairedList &municipalities, const QString &prefectureCode,
                        WizardKind kind) {
    const CodeList found = lists.municipalities(prefectureCode, kind);
    municipalities.fill(found.names, found.codes);
}

bool LoadStreets(ReferenceLists &lists, PairedList &streets, const QString &prefectureCode,
                 const QString &municipalityCode) {
    const CodeList found = lists.streets(prefectureCode, municipalityCode);
    streets.clear();
    if (found.names.isEmpty())
        return false;
    streets.fill(found.names, found.codes);
    return true;
}

// ----------------------------------------------------------------- BlockStreets

QVector<FrontRow> BlockStreets::secondStreets(const QVector<FrontRow> &rows, const QString &street) {
    QVector<FrontRow> out;
    QSet<QString> seen;
    for (const FrontRow &r : rows)
        if (r.streetCode != street && !seen.contains(r.name)) {
            seen.insert(r.name);
            out.append(r);
        }
    return out;
}

QStringList BlockStreets::blocksShared(const QVector<FrontRow> &rows, const QString &street, const QString &second) {
    QStringList blocks;
    for (const FrontRow &a : rows)
        if (a.streetCode == street)
            for (const FrontRow &b : rows)
                if (b.streetCode == second && b.blockCode == a.blockCode)
                    blocks.append(a.blockCode);
    return blocks;
}

QVector<FrontRow> BlockStreets::thirdStreets(const QVector<FrontRow> &rows, const QString &street,
                                             const QString &second) {
    QVector<FrontRow> out;
    QSet<QString> seen;
    for (const FrontRow &a : rows) {
        if (a.streetCode != street)
            continue;
        for (const FrontRow &b : rows) {
            if (b.streetCode != second || b.blockCode != a.blockCode)
                continue;
            for (const FrontRow &c : rows)
                if (c.streetCode != second && c.streetCode != street && c.blockCode == a.blockCode &&
                    !seen.contains(c.name)) {
                    seen.insert(c.name);
                    out.append(c);
                }
        }
    }
    return out;
}

QVector<FrontRow> BlockStreets::fourthStreets(const QVector<FrontRow> &rows, const QStringList &sharedBlocks,
                                              const QString &street, const QString &second, const QString &third) {
    QVector<FrontRow> out;   // names may repeat: one entry per shared block they front on
    for (const QString &block : sharedBlocks)
        for (const FrontRow &a : rows)
            if (a.streetCode == third && a.blockCode == block)
                for (const FrontRow &c : rows)
                    if (c.streetCode != third && c.streetCode != second && c.streetCode != street &&
                        c.blockCode == block)
                        out.append(c);
    return out;
}

namespace {
void fillPair(PairedList &pair, const QVector<FrontRow> &rows) {
    QStringList names, codes;
    for (const FrontRow &r : rows) {
        names << r.name;
        codes << r.streetCode;
    }
    pair.fill(names, codes);
}
}  // namespace

void BlockStreets::load(ReferenceLists &lists, const QString &prefectureCode, const QString &municipalityCode,
                        const QString &streetCode, PairedList &second, PairedList &third, PairedList &fourth) {
    QVector<FrontRow> rows;
    {
        const BusyCursor busy;
        rows = lists.blockFronts(prefectureCode, municipalityCode, streetCode);
    }
    m_frontRows = rows;
    m_sharedBlocks.clear();
    m_street = streetCode;
    m_second.clear();
    third.clear();
    fourth.clear();
    fillPair(second, secondStreets(m_frontRows, m_street));
}

void BlockStreets::secondStreetChosen(int index, PairedList &second, PairedList &third, PairedList &fourth) {
    second.codes()->setCurrentIndex(index);
    m_second = second.code();
    third.names()->setEnabled(true);
    third.clear();
    fourth.clear();
    fourth.names()->setEnabled(false);
    m_sharedBlocks = blocksShared(m_frontRows, m_street, m_second);
    fillPair(third, thirdStreets(m_frontRows, m_street, m_second));
}

void BlockStreets::thirdStreetChosen(int index, PairedList &third, PairedList &fourth) {
    third.codes()->setCurrentIndex(index);
    fourth.clear();
    fourth.names()->setEnabled(true);
    fillPair(fourth, fourthStreets(m_frontRows, m_sharedBlocks, m_street, m_second, third.code()));
}

}  // namespace d7
