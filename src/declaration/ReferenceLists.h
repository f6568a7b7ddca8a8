// The read-only reference lists the wizards offer: prefectures, categories,
// special conditions and floors (read once at start-up), and the lookups that
// place a property: municipalities and their named areas, streets, and the
// streets around a city block. They always come from the local database file.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include "store/Engine.h"

namespace d7 {

enum class WizardKind { Table1, Table2 };

// A list as shown, each name with its code at the same position.
struct CodeList {
    QStringList names;
    QStringList codes;
};

// A street as listed: its name in capitals (code-page bytes for ordering, and
// text) with its code.
struct ListedStreet {
    QByteArray key;
    QString name;
    QString code;
};

// One row of the block statement: a street fronting on a block.
struct FrontRow {
    QString streetCode;
    QString blockCode;
    QByteArray key;   // name as code-page bytes, for ordering
    QString name;
};

// The statements, exactly as the reference tables are queried.
QString MunicipalitiesSql(const QString &prefectureCode, WizardKind kind);
QString StreetsSql(const QString &prefectureCode, const QString &municipalityCode);
QString BlockStreetsSql(const QString &prefectureCode, const QString &municipalityCode,
                        const QString &streetCode);

// Orders by name in plain code-page byte order, case-sensitive; equal names
// keep their order. The order an exchange sort of neighbours would give, in
// n log n.
void SortStreetsByName(QVector<ListedStreet> &streets);

class ReferenceLists : public QObject {
    Q_OBJECT
public:
    explicit ReferenceLists(QObject *parent = nullptr);

    // Opens the file read-only (a raw key spares the key derivation) and
    // reads the lists that never change while the program runs.
    void open(const QString &path, const QString &password, const QByteArray &rawKey = {});
    void close();
    bool isOpen() const { return m_connection.isOpen(); }

    const CodeList &prefectures() const { return m_prefectures; }
    const CodeList &categories() const { return m_categories; }
    const CodeList &specialConditions() const { return m_specialConditions; }
    const CodeList &floors() const { return m_floors; }

    // The municipalities of a prefecture and its named areas (area, blank,
    // municipality, with the municipality's code), by name.
    CodeList municipalities(const QString &prefectureCode, WizardKind kind);
    // The municipality's streets, readable and sorted by name.
    CodeList streets(const QString &prefectureCode, const QString &municipalityCode);
    // The fronts of the blocks the street fronts on, sorted by street name.
    QVector<FrontRow> blockFronts(const QString &prefectureCode, const QString &municipalityCode,
                                  const QString &streetCode);

private:
    CodeList codeList(Dataset &dataset, const QString &sql, int nameColumn, int codeColumn);

    Connection m_connection;
    Dataset *m_lookups;   // the statements that follow the user's choices
    Dataset *m_lists;     // the fixed lists
    CodeList m_prefectures, m_categories, m_specialConditions, m_floors;
};

}  // namespace d7
