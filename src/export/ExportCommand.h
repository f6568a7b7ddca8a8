// The menu command that writes the open declaration as the upload file
// ("Δημιουργία Αρχείου για αποστολή στο Vendrika", m_exportAction), and the reading of the
// declaration from the main window's store that it writes.
#pragma once

#include <QString>

#include "export/UploadFile.h"

namespace d7 {

class MainWindow;

extern const QString kExportFailedMessage;

// Reads the open declaration: the four person rows through the window's
// general-purpose dataset (m_personRowData, closed after each query), the children,
// Table 1 and Table 2 rows from their kept-open datasets (m_childrenData, 6 and 7),
// which are left on their first row. Throws the store's errors.
UploadDeclaration GatherUploadDeclaration(MainWindow &form);

// The command: validation (the save button's messages), a silent store of the
// general page, the save dialog, the replace question, then the file, written
// whole or not at all. No message on success; any failure from the reading of
// the declaration on shows kExportFailedMessage and leaves an earlier file as
// it was. Errors of the silent store are the store's and reach the caller.
void ExportDeclaration(MainWindow &form);

}  // namespace d7
