// The upload file for the tax authority's online service (form D7 as XML):
// the declaration's values in, the exact bytes of the file out.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <optional>

namespace d7 {

// The first row of a person query: every column of the table, named as the
// store reports them, and the row's values (a null QVariant for NULL), or no
// row when the query returned none.
struct UploadPersonRow {
    QStringList columns;
    std::optional<QVector<QVariant>> values;
};

// Every row of a kept-open dataset, in its order, with all its columns.
struct UploadRows {
    QStringList columns;
    QVector<QVector<QVariant>> rows;
};

// One declaration as the upload file holds it.
struct UploadDeclaration {
    UploadPersonRow general;          // generaldata
    UploadPersonRow taxpayer;         // citizendata
    UploadPersonRow spouse;           // wifedata
    UploadRows children;              // children
    UploadPersonRow representative;   // ekprosopos
    UploadRows table1;
    UploadRows table2;
};

// The file: ISO-8859-7 bytes, lines ended by CR LF. Each section writes its
// table's columns by position (the row identifier and the declaration key
// left out; the person liable's own tax number kept), named after the column;
// a comma becomes a full stop in the decimal columns of Table 1 and Table 2.
QByteArray WriteUploadFile(const UploadDeclaration &declaration);

// The text of one value as an element's content: empty for NULL, a number in
// plain decimal notation, text made well-formed XML (see the .cpp file).
QByteArray UploadValueText(const QVariant &value, bool decimalColumn = false);

}  // namespace d7
