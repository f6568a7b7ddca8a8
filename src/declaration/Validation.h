// The check of a declaration as a whole before it is stored by the save
// button, before another page is shown, and before the upload file is written.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

namespace d7 {

// What the check reads: the persons as the general page shows them and the
// children as the children dataset holds them.
struct DeclarationSnapshot {
    QString surname;              // person liable, surname or company name
    QString taxNumber;            // person liable
    QStringList spouse;           // the five spouse cells; the last is the tax number
    QStringList representative;   // the five representative cells; the last is the tax number
    struct Child {
        QVariant taxNumber;       // null when the column is null
        QVariant yearOfBirth;
    };
    QVector<Child> children;
    int currentYear = 0;
};

struct ValidationResult {
    int code = 0;           // 0 passes; 1-6 and 10-12 as below
    int childRow = -1;      // the child that failed, for codes 4, 11 and 6
    bool childrenRead = true;   // false when a rule before the children failed
};

// Codes: 1 person liable's tax number, 2 spouse's, 3 representative's, 4 a
// child's (each empty or invalid); 5 no surname; 6 a child's year of birth
// outside 1880..current year or not a whole number; 10 spouse = person liable;
// 11 a child = person liable, spouse or representative; 12 representative =
// person liable or spouse. The first failing rule wins.
ValidationResult CheckDeclaration(const DeclarationSnapshot &declaration);

// True when every value is empty, null or not.
bool AllEmpty(const QStringList &values);

// The message of the save button and of the export for a code.
QString SaveMessage(int code, int currentYear);
// The message of the page switch for a code.
QString PageSwitchMessage(int code, int currentYear);

}  // namespace d7
