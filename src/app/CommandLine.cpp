#include "app/CommandLine.h"
#include "app/StoreChoice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

#include "declaration/Declaration.h"
#include "declaration/DeclarationList.h"
#include "declaration/ServerCopy.h"
#include "declaration/TaxNumber.h"
#include "export/ExportCommand.h"
#include "format/ImportFiles.h"
#include "store/Database.h"

namespace d7 {

namespace {

void say(FILE *stream, const QString &text) {
    std::fputs(text.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// A file named on the command line, from the folder it was typed in (the
// launcher of an installed program moves to the user's data folder first).
QString callerPath(const QString &path) {
    const QString caller = qEnvironmentVariable("D7_CALLER_FOLDER");
    return caller.isEmpty() ? QFileInfo(path).absoluteFilePath() : QDir(caller).absoluteFilePath(path);
}

// The declarations' store: the server when one is named, else the file of
// the current folder (a missing file is said as such).
bool openStore(Connection &store, const QString &server) {
    if (server.isEmpty() && !QFileInfo::exists(kDatabaseFileName)) {
        say(stderr, QStringLiteral("Δεν βρέθηκε το αρχείο των δηλώσεων %1 στον φάκελο %2.")
                        .arg(kDatabaseFileName, QDir::toNativeSeparators(QDir::currentPath())));
        return false;
    }
    try {
        OpenDeclarationStore(store, server, {});
    } catch (const EngineError &e) {
        say(stderr, e.text());
        return false;
    }
    return true;
}

int copyToServer(const QString &server, const QString &file, bool replace) {
    Connection source, target;
    try {
        source.open(callerPath(file), kDatabasePassword, Connection::Mode::Read);
    } catch (const EngineError &e) {
        say(stderr, e.text());
        return 1;
    }
    if (!openStore(target, server))
        return 1;
    try {
        say(stdout, CopyToServer(source, target, [replace](const QStringList &) { return replace; }));
        return 0;
    } catch (const EngineError &e) {
        say(stderr, e.text());
        return 1;
    }
}

int importFiles(const QString &server, const QStringList &files, bool replace) {
    Connection store;
    if (!openStore(store, server))
        return 1;
    QStringList paths;
    for (const QString &f : files)
        paths << callerPath(f);
    const QList<ImportedFile> done = ImportFiles(
        store, paths, [replace](const QString &, const DeclarationSummary &) { return replace; },
        [](const ImportedFile &file) { say(stdout, ImportedFileText(file)); });
    say(stdout, ImportReport(done).section(QLatin1Char('\n'), 0, 2));
    for (const ImportedFile &f : done)
        if (!f.stored())
            return 1;
    return 0;
}

int exportDeclaration(const QString &server, const QString &taxNumber, const QString &file) {
    Declaration declaration;
    if (!openStore(declaration.store(), server))
        return 1;
    try {
        if (!CheckTaxNumber(taxNumber) || !FindDeclaration(declaration.store(), taxNumber)) {
            say(stderr, QStringLiteral("Δεν υπάρχει δήλωση με ΑΦΜ %1.").arg(taxNumber));
            return 1;
        }
        declaration.open(taxNumber);
        const int code = declaration.validate();
        if (code != 0) {
            say(stderr, SaveMessage(code, QDate::currentDate().year()));
            return 1;
        }
    } catch (const EngineError &e) {
        // As the window reports the store's own errors.
        say(stderr, e.text());
        return 1;
    }
    if (WriteUploadFileOf(declaration, callerPath(file)))
        return 0;
    say(stderr, kExportFailedMessage);
    return 1;
}

}  // namespace

bool WantsCommandLine(int argc, char **argv) {
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"--import", "--export", "--copy-from", "--help", "-h", "--version", "-v", "--replace"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int RunCommandLine(const QStringList &arguments) {
    QCoreApplication::setApplicationName(QStringLiteral("d7"));
    QCoreApplication::setApplicationVersion(QStringLiteral(D7_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Δήλωση στοιχείων ακινήτων (D7). Χωρίς επιλογές ανοίγει το παράθυρο του προγράμματος."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption import(QStringLiteral("import"),
                                    QStringLiteral("Εισάγει τα αρχεία D7 στη βάση του τρέχοντος φακέλου."));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Με την --import: αντικαθιστά τις δηλώσεις που υπάρχουν ήδη."));
    const QCommandLineOption exportOption(QStringLiteral("export"),
                                          QStringLiteral("Γράφει το αρχείο D7 της δήλωσης του ΑΦΜ στο ΑΡΧΕΙΟ."),
                                          QStringLiteral("ΑΦΜ"));
    const QCommandLineOption server(QStringLiteral("server"),
                                    QStringLiteral("Δουλεύει με τον διακομιστή PostgreSQL του γραφείου (URI ή λέξεις-κλειδιά της libpq)."),
                                    QStringLiteral("URI"));
    const QCommandLineOption copyFrom(QStringLiteral("copy-from"),
                                      QStringLiteral("Με την --server: αντιγράφει στον διακομιστή τις δηλώσεις του ΑΡΧΕΙΟΥ βάσης."),
                                      QStringLiteral("ΑΡΧΕΙΟ"));
    parser.addOptions({import, replace, exportOption, server, copyFrom});
    parser.addPositionalArgument(QStringLiteral("ΑΡΧΕΙΑ"), QStringLiteral("Τα αρχεία D7 (.xml)."),
                                 QStringLiteral("[ΑΡΧΕΙΟ...]"));
    if (!parser.parse(arguments)) {
        say(stderr, parser.errorText());
        return 2;
    }
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    const QString office = parser.isSet(server) ? parser.value(server) : ConfiguredServer();
    const int commands = int(parser.isSet(import)) + int(parser.isSet(exportOption)) + int(parser.isSet(copyFrom));
    if (commands == 1 && parser.isSet(import) && !files.isEmpty())
        return importFiles(office, files, parser.isSet(replace));
    if (commands == 1 && parser.isSet(exportOption) && files.size() == 1)
        return exportDeclaration(office, parser.value(exportOption), files.first());
    if (commands == 1 && parser.isSet(copyFrom) && !office.isEmpty() && files.isEmpty())
        return copyToServer(office, parser.value(copyFrom), parser.isSet(replace));
    say(stderr, QStringLiteral("Χρήση: d7 --import [--replace] ΑΡΧΕΙΟ..., d7 --export ΑΦΜ ΑΡΧΕΙΟ ή "
                               "d7 --server URI --copy-from ΑΡΧΕΙΟ (δείτε d7 --help)."));
    return 2;
}

}  // namespace d7
