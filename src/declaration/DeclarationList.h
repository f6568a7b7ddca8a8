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
// Removes the declaration from every table, in one transaction.
void DeleteDeclaration(Connection &store, const QString &taxNumber);

// The text a search compares: capitals without accents or diaeresis, so that
// "παπαδοπουλος" finds "ΠΑΠΑΔΌΠΟΥΛΟΣ".
QString SearchKey(const QString &text);

}  // namespace d7
