// Every declaration of the store at once: the list the accountant finds a
// declaration in, and the removal of a whole declaration.
#pragma once

#include <QString>
#include <QVector>

namespace d7 {

class Connection;

struct DeclarationSummary {
    QString taxNumber;
    QString surname;
    QString name;
    QString taxOffice;
    int kind = -1;              // 0 initial, 1 supplementary, 2 revoking; -1 without general data
    int table1Rows = 0;
    int table2Rows = 0;
    QString changed;            // "yyyy-MM-dd HH:mm:ss" local time; empty when never stamped
};

// One entry per stored declaration (a row of the person liable), by tax number.
QVector<DeclarationSummary> ListDeclarations(Connection &store);
// The declaration of a tax number, when stored.
bool FindDeclaration(Connection &store, const QString &taxNumber, DeclarationSummary *found = nullptr);
// Removes the declaration from every table, in one transaction; refused when
// another desk holds it open.
void DeleteDeclaration(Connection &store, const QString &taxNumber);

// Holds the declaration's lock on a shared server while it lives, and lets it
// go afterwards unless this desk had it open already. A declaration another
// desk works on is refused, naming that desk.
class DeclarationHold {
public:
    DeclarationHold(Connection &store, const QString &taxNumber);
    ~DeclarationHold();
    DeclarationHold(const DeclarationHold &) = delete;
    DeclarationHold &operator=(const DeclarationHold &) = delete;

private:
    Connection &m_store;
    QString m_taxNumber;
    bool m_heldBefore;
};

// The declaration as a question names it: "090000045 (ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΑΝΝΗΣ)",
// the tax number alone when it has no name.
QString NamedTaxNumber(const DeclarationSummary &declaration);

// The text a search compares: capitals without accents or diaeresis, so that
// "παπαδοπουλος" finds "ΠΑΠΑΔΌΠΟΥΛΟΣ".
QString SearchKey(const QString &text);

}  // namespace d7
