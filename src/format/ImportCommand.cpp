#include "format/ImportCommand.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>

#include "declaration/DeclarationList.h"
#include "format/ImportFiles.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"

namespace d7 {

QStringList ImportUploadFiles(Connection &store) {
    const QStringList paths = OpenFileNames(QStringLiteral("Επιλέξτε αρχεία D7 για εισαγωγή"),
                                            QStringLiteral("*.xml"), QDir::currentPath());
    if (paths.isEmpty())
        return {};
    // One answer may hold for every file still to come.
    std::optional<bool> answerForAll;
    const MayReplace mayReplace = [&](const QString &path, const DeclarationSummary &stored) {
        if (answerForAll)
            return *answerForAll;
        const QString question = QStringLiteral("Η δήλωση με ΑΦΜ %1 υπάρχει ήδη. Να αντικατασταθεί από το αρχείο %2;")
                                     .arg(NamedTaxNumber(stored), QFileInfo(path).fileName());
        if (paths.size() == 1)
            return AskYesNo(question);
        bool forAll = false;
        const bool yes = AskYesNo(question, QStringLiteral("Η ίδια απάντηση για όλα τα υπόλοιπα αρχεία"), &forAll);
        if (forAll)
            answerForAll = yes;
        return yes;
    };
    QList<ImportedFile> files;
    {
        const BusyCursor busy;
        files = ImportFiles(store, paths, [&](const QString &path, const DeclarationSummary &stored) {
            QApplication::restoreOverrideCursor();   // no hourglass over a question
            const bool yes = mayReplace(path, stored);
            QApplication::setOverrideCursor(Qt::WaitCursor);
            return yes;
        });
    }
    ShowMessageText(ImportReport(files));
    QStringList changed;
    for (const ImportedFile &f : files)
        if (f.stored())
            changed << f.taxNumber;
    return changed;
}

}  // namespace d7
