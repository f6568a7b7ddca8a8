// Upload files brought back into the store: each file read, checked and
// stored as one declaration in one transaction, a bad file never stopping the
// others. Used by the import command and the command line alike.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "export/UploadFile.h"

namespace d7 {

class Connection;
struct DeclarationSummary;

// Stores a declaration read from a file in one transaction, in place of any
// declaration stored under its tax number.
void StoreImportedDeclaration(Connection &store, const UploadDeclaration &declaration);

// What became of one file.
struct ImportedFile {
    enum class Outcome { Imported, Replaced, Skipped, Refused } outcome;
    QString path;
    QString taxNumber;   // empty when the file was refused before its number was read
    QString reason;      // Greek, when refused
    bool stored() const { return outcome == Outcome::Imported || outcome == Outcome::Replaced; }
};

// Decides whether a declaration already stored may be replaced by a file.
using MayReplace = std::function<bool(const QString &path, const DeclarationSummary &stored)>;

// Imports the files in order; reported is told of each file as it is done.
QList<ImportedFile> ImportFiles(Connection &store, const QStringList &paths, const MayReplace &mayReplace,
                                const std::function<void(const ImportedFile &)> &reported = {});

// One line of a report: the file's name and what became of it.
QString ImportedFileText(const ImportedFile &file);
// The closing report: how many were imported, replaced, skipped, and each
// refused file with its reason.
QString ImportReport(const QList<ImportedFile> &files);

}  // namespace d7
