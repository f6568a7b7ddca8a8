// The menu command that writes the open declaration as the upload file
// ("Δημιουργία Αρχείου για αποστολή στο Vendrika"), and the reading of the
// declaration that it writes.
#pragma once

#include <QString>

#include "export/UploadFile.h"

namespace d7 {

class Declaration;

extern const QString kExportFailedMessage;

// Reads the open declaration: the four person rows afresh from the store, the
// children, Table 1 and Table 2 rows as the declaration holds them open (left
// on their first row). Throws the store's errors.
UploadDeclaration GatherUploadDeclaration(Declaration &declaration);

// Writes the declaration's upload file, whole or not at all; false on any
// failure, an earlier file left as it was.
bool WriteUploadFileOf(Declaration &declaration, const QString &path);

// The command: validation (the save button's messages), a silent store of the
// general page, the save dialog, the replace question, then the file, written
// whole or not at all. No message on success; any failure from the reading of
// the declaration on shows kExportFailedMessage and leaves an earlier file as
// it was. Errors of the silent store are the store's and reach the caller.
void ExportDeclaration(Declaration &declaration);

}  // namespace d7
