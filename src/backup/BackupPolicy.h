// Where the copies of the declaration file are kept, when the daily one is
// made, how many are kept, and the restore that puts one back.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <exception>
#include <functional>

namespace d7 {

// The settings file beside the database (INI) and the key of the backup
// folder in it: "[backup] folder=", a path of its own or one relative to the
// database's folder. Without it the copies go to backups/ beside the database.
extern const QString kSettingsFileName;
extern const QString kBackupFolderKey;
constexpr int kCopiesKept = 14;

QString BackupFolder(const QString &database);

// A copy as its name tells: "devdoy_1010-2026-12-08-0915.mdb", with "-2",
// "-3" before the suffix for further copies of the same minute.
struct BackupCopy {
    QString path;
    QDateTime made;
    int sequence = 1;
};
QString CopyFileName(const QString &database, const QDateTime &made, int sequence = 1);
// The copies of the database in its backup folder, newest first; temporary
// files and files of other names are not copies.
QList<BackupCopy> ListCopies(const QString &database);

// A new copy in the backup folder, checked, under a name of its own. Throws
// CopyError; the folder is made when missing.
QString WriteCopy(const QString &database, const QDateTime &now);

// The copy made at the first start of each day, before anything is written:
// made when the folder holds no copy of that date; once it has passed its
// check, the oldest beyond kCopiesKept are deleted. Never throws: a failure
// gives a short note for the status bar, and the program goes on.
struct DailyBackup {
    enum class Result { Made, NotDue, Failed } result = Result::NotDue;
    QString note;   // Greek, for the status bar; empty unless it failed
    QString copy;   // the new copy, when made
};
DailyBackup MakeDailyBackup(const QString &database, const QDateTime &now = QDateTime::currentDateTime());

// The program's own connections on the database. A restore closes them all
// before the file is replaced and reopens them after it, whatever happened;
// should a connection still be open, nothing is replaced.
struct DatabaseConnections {
    std::function<void()> close;
    std::function<void()> reopen;
};

// Puts a copy in the place of the database: the copy checked (refused before
// anything is touched), the connections closed, the database itself copied
// to the backup folder, then the copy renamed over it in one step and the
// connections reopened. The message says, in Greek, what happened.
struct RestoreResult {
    bool restored = false;
    QString message;
};
RestoreResult RestoreCopy(const QString &database, const QString &copy, const DatabaseConnections &connections,
                          const QDateTime &now = QDateTime::currentDateTime());

// Why a copy or a replace failed, as the end of a Greek sentence; folder is
// the one being written.
QString CopyFailureReason(const std::exception &failure, const QString &folder);

// The date and time of a copy as the user reads them (08/12/2026 09:15).
QString CopyTimeText(const QDateTime &made);

}  // namespace d7
