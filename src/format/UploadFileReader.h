// Reading an upload file back: the bytes of one file in, the declaration it
// holds out, in the form the writer takes it from the store, or the reason
// the file was refused.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <variant>

#include "export/UploadFile.h"

namespace d7 {

// Why a file was refused, in the order the checks run.
enum class UploadFileFault {
    Unreadable,      // the file cannot be opened or read
    TooLarge,        // larger than kLargestUploadFile
    Empty,           // not one byte
    NotWellFormed,   // not well-formed XML, a byte its encoding lacks included
    NotUploadFile,   // XML, but another root or layout than data/upload/D7.xsd, or a document type
    BadTaxNumber,    // the person liable's tax number fails CheckTaxNumber
};

struct UploadFileRefusal {
    UploadFileFault fault;
    int line = 0;   // the line at fault; 0 when the file as a whole is
};

// The reason in one short Greek sentence, for a report line "file: reason".
QString UploadFileRefusalText(const UploadFileRefusal &refusal);

// Far above the largest declaration anyone keeps (20,000 rows in each table
// make some 40 MB), and low enough that reading stays within memory.
constexpr qint64 kLargestUploadFile = 64 * 1024 * 1024;

using UploadFileReading = std::variant<UploadDeclaration, UploadFileRefusal>;

// The declaration a file holds, checked against data/upload/D7.xsd and the
// person liable's tax number. Every section has its table's columns in
// order: the row identifier (NULL), the columns named by the elements, the
// declaration key (the person liable's tax number). Values are as the
// program stores them: texts with "\n" for a line break and the decimal
// comma in the decimal columns, the kind of declaration a number. A person
// section of empty elements is no row (the person liable's always is one).
// What the file cannot tell, NULL from an empty text, is decided as the
// program would have stored it: see the .cpp file.
UploadFileReading ReadUploadFile(const QByteArray &bytes);

// The same for a file on disk, refused unread when it is too large.
UploadFileReading ReadUploadFileAt(const QString &path);

}  // namespace d7
