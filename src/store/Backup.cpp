#include "store/Backup.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <functional>
#include <memory>
#include <sqlite3.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "store/Database.h"
#include "store/Engine.h"
#include "store/FileStore.h"

namespace d7 {

namespace {

const QString kTemporarySuffix = QStringLiteral(".d7-partial");

// The one place that reaches past the engine adapter: the online backup
// needs the engine's own handles of both files.
sqlite3 *EngineHandle(const Connection &connection) {
    auto *file = dynamic_cast<FileStore *>(&connection.driver());
    if (!file)
        throw EngineError(QStringLiteral("only a database file can be copied"));
    return file->handle();
}

QString systemError(const QString &what, const QString &path) {
    return QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(errno)));
}

// One column (the first unless told) of every row a statement returns, as text.
QStringList columnValues(Connection &connection, const QString &sql, int column = 0) {
    Dataset rows(&connection);
    rows.setCommandText(sql);
    rows.open();
    QStringList values;
    for (int r = 0; r < rows.recordCount(); ++r)
        values << rows.value(r, column).toString();
    return values;
}

// The columns of each declaration table as the schema creates them, worked
// out once by the engine itself on a database in memory.
const QList<QStringList> &SchemaColumns() {
    static const QList<QStringList> columns = [] {
        QList<QStringList> all;
        sqlite3 *db = nullptr;
        sqlite3_open(":memory:", &db);
        if (sqlite3_exec(db, SchemaSql().toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK)
            for (const DeclarationTableName &table : kDeclarationTables) {
                QStringList names;
                sqlite3_stmt *st = nullptr;
                const QByteArray sql = QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table.name)).toUtf8();
                sqlite3_prepare_v2(db, sql.constData(), -1, &st, nullptr);
                while (st && sqlite3_step(st) == SQLITE_ROW)
                    names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(st, 1)));
                sqlite3_finalize(st);
                all << names;
            }
        sqlite3_close(db);
        return all;
    }();
    return columns;
}

// A copy without any of the declaration tables, or with other columns, would
// not give the program its declarations back.
bool holdsDeclarationTables(Connection &connection) {
    const QList<QStringList> &expected = SchemaColumns();
    if (expected.size() != qsizetype(kDeclarationTables.size()))
        return false;
    for (int i = 0; i < int(kDeclarationTables.size()); ++i) {
        const QStringList found = columnValues(
            connection, QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(kDeclarationTables[i].name)), 1);
        if (found.join(',').compare(expected[i].join(','), Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

void removeWithJournal(const QString &path) {
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
}

// Forces the file's bytes to the disk. The engine flushes the copies it
// writes itself and reports a failure; this is the check for the rest.
void flushFile(int fd, const QString &path) {
    if (::fsync(fd) != 0)
        throw CopyError(CopyError::Step::Write, systemError(QStringLiteral("flushing"), path));
}

void flushFile(const QString &path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw CopyError(CopyError::Step::Write, systemError(QStringLiteral("opening"), path));
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    flushFile(fd, path);
}

// The bytes of a file written to another and flushed there.
void writeBytes(const QString &from, const QString &to) {
    QFile in(from), out(to);
    if (!in.open(QIODevice::ReadOnly))
        throw CopyError(CopyError::Step::ReadSource, in.errorString());
    if (!out.open(QIODevice::WriteOnly))
        throw CopyError(CopyError::Step::Write, out.errorString());
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (in.error() != QFileDevice::NoError)
            throw CopyError(CopyError::Step::ReadSource, in.errorString());
        if (out.write(chunk) != chunk.size())
            throw CopyError(CopyError::Step::Write, out.errorString());
    }
    if (!out.flush())
        throw CopyError(CopyError::Step::Write, out.errorString());
    flushFile(out.handle(), to);   // on the descriptor that wrote, which is told of its failures
}

// Makes a rename durable. A folder that cannot be flushed (some file systems
// refuse it) is no failure: the rename is done and no kill can undo it.
void flushFolder(const QString &folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The written file flushed and checked; on any failure it is deleted.
void prepare(const QString &temporary, const QString &password, const QByteArray &rawKey,
             const std::function<void()> &fill) {
    try {
        removeWithJournal(temporary);
        fill();
        flushFile(temporary);
        const CopyCheck check = CheckCopy(temporary, password, rawKey);
        if (!check.sound())
            throw CopyError(CopyError::Step::Check, check.detail);
    } catch (...) {
        removeWithJournal(temporary);
        throw;
    }
}

void moveIntoPlace(const QString &temporary, const QString &target) {
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        const CopyError error(CopyError::Step::Write, systemError(QStringLiteral("renaming"), temporary));
        removeWithJournal(temporary);
        throw error;
    }
    flushFolder(QFileInfo(target).absolutePath());
}

void keepPermissions(const QString &from, const QString &to) {
    if (QFileInfo::exists(from))
        QFile::setPermissions(to, QFile::permissions(from));
}

CopyError::Step stepOf(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return CopyError::Step::InUse;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return CopyError::Step::ReadSource;
    default:
        return CopyError::Step::Write;
    }
}

// The whole file copied in one step under one read lock: the copy is the file
// as one moment left it, whatever the program writes meanwhile. A write being
// committed is waited for, as long as a command waits for another's.
void onlineBackup(const Connection &source, const Connection &copy) {
    sqlite3 *to = EngineHandle(copy);
    sqlite3_backup *backup = sqlite3_backup_init(to, "main", EngineHandle(source), "main");
    if (!backup)
        throw CopyError(stepOf(sqlite3_errcode(to)), QString::fromUtf8(sqlite3_errmsg(to)));
    const QDeadlineTimer deadline(5000);
    int rc;
    while (((rc = sqlite3_backup_step(backup, -1)) == SQLITE_BUSY || rc == SQLITE_LOCKED) && !deadline.hasExpired())
        sqlite3_sleep(20);
    const int finished = sqlite3_backup_finish(backup);
    const int failed = rc != SQLITE_DONE ? rc : finished;
    if (rc != SQLITE_DONE || finished != SQLITE_OK)
        throw CopyError(stepOf(failed), QString::fromUtf8(sqlite3_errstr(failed)));
}

// Whether a descriptor of this process refers to the file.
bool openInThisProcess(const QString &path) {
    struct stat file;
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return false;
    const QDir descriptors(QStringLiteral("/proc/self/fd"));
    for (const QString &fd : descriptors.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        struct stat other;
        if (::stat(QFile::encodeName(descriptors.filePath(fd)).constData(), &other) == 0 &&
            other.st_dev == file.st_dev && other.st_ino == file.st_ino)
            return true;
    }
    return false;
}

// Waits for another program's write to end and keeps anyone from beginning
// one until the file is replaced. A file that does not open is used by no one.
std::unique_ptr<Connection> lockForReplace(const QString &database, const QString &password) {
    if (!QFileInfo::exists(database))
        return nullptr;
    auto lock = std::make_unique<Connection>();
    try {
        lock->open(database, password, Connection::Mode::ReadWrite);
    } catch (const UnwritableFileError &e) {
        throw CopyError(CopyError::Step::Write, e.text());
    } catch (const EngineError &e) {
        if (stepOf(e.code()) == CopyError::Step::InUse)
            throw CopyError(CopyError::Step::InUse, e.text());
        return nullptr;
    }
    try {
        lock->execute(QStringLiteral("BEGIN EXCLUSIVE"));
    } catch (const EngineError &e) {
        throw CopyError(CopyError::Step::InUse, e.text());
    }
    return lock;
}

}  // namespace

CopyError::CopyError(Step step, const QString &detail) : std::runtime_error(detail.toStdString()), m_step(step) {}

QString TemporaryName(const QString &target) {
    return target + QLatin1Char('.') + QString::number(::getpid()) + kTemporarySuffix;
}

bool IsTemporaryName(const QString &fileName) {
    return fileName.endsWith(kTemporarySuffix) || fileName.endsWith(kTemporarySuffix + QStringLiteral("-journal"));
}

void RemoveLeftovers(const QString &folder, const QDateTime &writtenBefore) {
    const QDir dir(folder);
    for (const QFileInfo &file : dir.entryInfoList(QDir::Files | QDir::Hidden))
        if (IsTemporaryName(file.fileName()) && file.lastModified() < writtenBefore)
            QFile::remove(file.absoluteFilePath());
}

CopyCheck CheckCopy(const QString &path, const QString &password, const QByteArray &rawKey) {
    CopyCheck result;
    Connection copy;
    try {
        copy.open(path, password, Connection::Mode::Read, rawKey);
    } catch (const EngineError &e) {
        const int code = e.code() & 0xff;
        result.fault = code == SQLITE_NOTADB    ? CopyFault::NotDeclarationFile
                       : code == SQLITE_CORRUPT ? CopyFault::Damaged
                                                : CopyFault::Unreadable;
        result.detail = e.text();
        return result;
    }
    try {
        const QStringList problems = columnValues(copy, QStringLiteral("PRAGMA integrity_check"));
        if (problems != QStringList{QStringLiteral("ok")}) {
            result.fault = CopyFault::Damaged;
            result.detail = problems.mid(0, 3).join(QStringLiteral("; "));
        } else if (!holdsDeclarationTables(copy)) {
            result.fault = CopyFault::MissingTables;
        } else {
            result.declarations = columnValues(copy, QStringLiteral("SELECT count(*) FROM citizendata")).value(0).toInt();
            result.fault = CopyFault::None;
        }
    } catch (const std::exception &e) {
        // The engine gives up on a page it cannot read rather than list it.
        result.fault = CopyFault::Damaged;
        result.detail = QString::fromUtf8(e.what());
    }
    return result;
}

int CountDeclarations(const QString &path, const QString &password, const QByteArray &rawKey) {
    try {
        Connection copy;
        copy.open(path, password, Connection::Mode::Read, rawKey);
        return columnValues(copy, QStringLiteral("SELECT count(*) FROM citizendata")).value(0).toInt();
    } catch (const std::exception &) {
        return -1;
    }
}

void CopyDatabase(const QString &database, const QString &password, const QString &target) {
    // The key is derived once for the file, its copy and the check; a salt
    // that changed meanwhile (the file was replaced) leaves all three to the
    // password.
    const QByteArray salt = FileSalt(database);
    QByteArray key = DeriveRawKey(database, password);
    if (FileSalt(database) != salt)
        key.clear();
    // Read-write, so that what a killed program left in the journal is rolled
    // back first; the copy itself only reads.
    Connection source;
    try {
        source.open(database, password, Connection::Mode::ReadWrite, key);
    } catch (const EngineError &e) {
        throw CopyError(stepOf(e.code()) == CopyError::Step::InUse ? CopyError::Step::InUse : CopyError::Step::ReadSource,
                        e.text());
    }
    const QString temporary = TemporaryName(target);
    prepare(temporary, password, key, [&] {
        QFile empty(temporary);
        if (!empty.open(QIODevice::WriteOnly))
            throw CopyError(CopyError::Step::Write, empty.errorString());
        empty.close();
        keepPermissions(database, temporary);
        Connection copy;
        try {
            // The source's key with its salt: the engine's raw key form.
            copy.open(temporary, password, Connection::Mode::ReadWrite, key.isEmpty() ? key : key + salt);
            // A copy cut short is thrown away whole, so it needs no journal;
            // its commit is flushed, and a failed flush reported.
            copy.execute(QStringLiteral("PRAGMA journal_mode = OFF; PRAGMA synchronous = FULL"));
        } catch (const EngineError &e) {
            throw CopyError(CopyError::Step::Write, e.text());
        }
        onlineBackup(source, copy);
    });
    moveIntoPlace(temporary, target);
}

void CopyFileBytes(const QString &from, const QString &target) {
    const QString temporary = TemporaryName(target);
    try {
        writeBytes(from, temporary);
    } catch (...) {
        removeWithJournal(temporary);
        throw;
    }
    moveIntoPlace(temporary, target);
}

void ReplaceDatabase(const QString &database, const QString &password, const QString &copy) {
    // A link is followed, so that the file it names is replaced and the link kept.
    const QFileInfo info(database);
    const QString place = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    if (openInThisProcess(place))
        throw CopyError(CopyError::Step::StillOpen, place);
    const QString temporary = TemporaryName(place);
    prepare(temporary, password, DeriveRawKey(copy, password), [&] {
        writeBytes(copy, temporary);
        keepPermissions(place, temporary);
    });
    std::unique_ptr<Connection> lock;
    try {
        lock = lockForReplace(place, password);
    } catch (...) {
        removeWithJournal(temporary);
        throw;
    }
    // No write is under way now: a journal still there belongs to the file
    // being replaced, and laid over the copy it would spoil it.
    QFile::remove(place + QStringLiteral("-journal"));
    moveIntoPlace(temporary, place);
}

}  // namespace d7
