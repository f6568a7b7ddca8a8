#include "backup/BackupPolicy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <exception>

#include "store/Backup.h"
#include "store/Database.h"

namespace d7 {

const QString kSettingsFileName = QStringLiteral("d7.conf");
const QString kBackupFolderKey = QStringLiteral("backup/folder");

namespace {

const QString kCopyTimeFormat = QStringLiteral("yyyy-MM-dd-HHmm");
// A leftover this old is no other program's copy under way.
constexpr int kLeftoverAgeSeconds = 3600;

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

}  // namespace

QString CopyFailureReason(const std::exception &failure, const QString &folder) {
    const auto *copy = dynamic_cast<const CopyError *>(&failure);
    switch (copy ? copy->step() : CopyError::Step::ReadSource) {
    case CopyError::Step::Write:
        return QStringLiteral("δεν ήταν δυνατή η εγγραφή στον φάκελο «%1»").arg(native(folder));
    case CopyError::Step::Check:
        return QStringLiteral("το αντίγραφο δεν πέρασε τον έλεγχο");
    case CopyError::Step::StillOpen:
        return QStringLiteral("το αρχείο των δηλώσεων είναι ακόμη ανοιχτό");
    case CopyError::Step::InUse:
        return QStringLiteral("το αρχείο των δηλώσεων χρησιμοποιείται από άλλο πρόγραμμα");
    case CopyError::Step::ReadSource:
        break;
    }
    return QStringLiteral("το αρχείο των δηλώσεων δεν διαβάστηκε");
}

namespace {

QString refusalReason(CopyFault fault) {
    switch (fault) {
    case CopyFault::NotDeclarationFile:
        return QStringLiteral("δεν είναι αρχείο δηλώσεων αυτού του προγράμματος");
    case CopyFault::Damaged:
        return QStringLiteral("είναι κατεστραμμένο");
    case CopyFault::MissingTables:
        return QStringLiteral("δεν περιέχει τους πίνακες των δηλώσεων");
    case CopyFault::Unreadable:
    case CopyFault::None:
        break;
    }
    return QStringLiteral("δεν ήταν δυνατή η ανάγνωσή του");
}

QString freshCopyPath(const QString &database, const QDateTime &now, const QString &suffix = {}) {
    const QDir folder(BackupFolder(database));
    QString path;
    for (int sequence = 1; path.isEmpty() || QFileInfo::exists(path); ++sequence)
        path = folder.filePath(CopyFileName(database, now, sequence) + suffix);
    return path;
}

// The database as it is, copied to the backup folder before a restore. One
// that does not open is kept as its bytes, under a name that is no copy's.
QString keepCurrent(const QString &database, const QDateTime &now) {
    if (!QFileInfo::exists(database))
        return {};
    try {
        return WriteCopy(database, now);
    } catch (const CopyError &e) {
        if (e.step() != CopyError::Step::Check && e.step() != CopyError::Step::ReadSource)
            throw;
    }
    const QString kept = freshCopyPath(database, now, QStringLiteral(".damaged"));
    CopyFileBytes(database, kept);
    return kept;
}

}  // namespace

QString BackupFolder(const QString &database) {
    const QDir beside = QFileInfo(database).absoluteDir();
    const QSettings settings(beside.filePath(kSettingsFileName), QSettings::IniFormat);
    QString folder = settings.value(kBackupFolderKey).toString().trimmed();
    if (folder.isEmpty())
        folder = QStringLiteral("backups");
    else if (folder.startsWith(QLatin1String("~/")))
        folder = QDir::homePath() + folder.mid(1);
    return QDir::cleanPath(beside.absoluteFilePath(folder));
}

QString CopyFileName(const QString &database, const QDateTime &made, int sequence) {
    const QFileInfo file(database);
    return file.completeBaseName() + QLatin1Char('-') + made.toString(kCopyTimeFormat) +
           (sequence > 1 ? QStringLiteral("-%1").arg(sequence) : QString()) + QLatin1Char('.') + file.suffix();
}

QList<BackupCopy> ListCopies(const QString &database) {
    const QFileInfo file(database);
    const QRegularExpression name(QStringLiteral("^%1-(\\d{4}-\\d\\d-\\d\\d-\\d{4})(?:-(\\d+))?\\.%2$")
                                      .arg(QRegularExpression::escape(file.completeBaseName()),
                                           QRegularExpression::escape(file.suffix())));
    const QDir folder(BackupFolder(database));
    QList<BackupCopy> copies;
    for (const QString &entry : folder.entryList(QDir::Files)) {
        const QRegularExpressionMatch m = name.match(entry);
        const QDateTime made = QDateTime::fromString(m.captured(1), kCopyTimeFormat);
        if (m.hasMatch() && made.isValid())
            copies.append({folder.filePath(entry), made, m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()});
    }
    std::sort(copies.begin(), copies.end(), [](const BackupCopy &a, const BackupCopy &b) {
        return a.made != b.made ? a.made > b.made : a.sequence > b.sequence;
    });
    return copies;
}

QString WriteCopy(const QString &database, const QDateTime &now) {
    const QString folder = BackupFolder(database);
    if (!QDir().mkpath(folder))
        throw CopyError(CopyError::Step::Write, folder);
    const QString path = freshCopyPath(database, now);
    CopyDatabase(database, kDatabasePassword, path);
    return path;
}

DailyBackup MakeDailyBackup(const QString &database, const QDateTime &now) {
    DailyBackup daily;
    QString folder;
    try {
        folder = BackupFolder(database);
        const QDateTime stale = now.addSecs(-kLeftoverAgeSeconds);
        RemoveLeftovers(folder, stale);
        RemoveLeftovers(QFileInfo(database).absolutePath(), stale);
        const QList<BackupCopy> copies = ListCopies(database);
        const bool madeToday = std::any_of(copies.begin(), copies.end(),
                                           [&](const BackupCopy &c) { return c.made.date() == now.date(); });
        if (madeToday || !QFileInfo::exists(database))
            return daily;
        daily.copy = WriteCopy(database, now);
        daily.result = DailyBackup::Result::Made;
        // The new copy is one of those kept; older ones go only now that it
        // has passed its check.
        for (int i = kCopiesKept - 1; i < copies.size(); ++i)
            QFile::remove(copies[i].path);
    } catch (const std::exception &e) {
        daily.result = DailyBackup::Result::Failed;
        daily.note = QStringLiteral("Δεν έγινε το σημερινό αντίγραφο ασφαλείας: %1.").arg(CopyFailureReason(e, folder));
    } catch (...) {
        daily.result = DailyBackup::Result::Failed;
        daily.note = QStringLiteral("Δεν έγινε το σημερινό αντίγραφο ασφαλείας.");
    }
    return daily;
}

RestoreResult RestoreCopy(const QString &database, const QString &copy, const DatabaseConnections &connections,
                          const QDateTime &now) {
    const CopyCheck chosen = CheckCopy(copy, kDatabasePassword);
    if (!chosen.sound())
        return {false, QStringLiteral("Το αρχείο «%1» δεν μπορεί να χρησιμοποιηθεί για επαναφορά: %2. Δεν άλλαξε τίποτα.")
                           .arg(native(copy), refusalReason(chosen.fault))};
    RestoreResult result;
    QString writtenFolder = BackupFolder(database);   // where a failed write was going
    try {
        connections.close();
        const QString kept = keepCurrent(database, now);
        writtenFolder = QFileInfo(database).absolutePath();
        ReplaceDatabase(database, kDatabasePassword, copy);
        result.restored = true;
        result.message = kept.isEmpty() ? QStringLiteral("Η επαναφορά ολοκληρώθηκε.")
                                        : QStringLiteral("Η επαναφορά ολοκληρώθηκε. Το προηγούμενο αρχείο φυλάχτηκε στο «%1».")
                                              .arg(native(kept));
    } catch (const std::exception &e) {
        result.message = QStringLiteral("Η επαναφορά δεν έγινε: %1. Δεν άλλαξε τίποτα.").arg(CopyFailureReason(e, writtenFolder));
    }
    // Whatever happened, the program goes on with the file that is there now.
    connections.reopen();
    return result;
}

QString CopyTimeText(const QDateTime &made) { return made.toString(QStringLiteral("dd/MM/yyyy HH:mm")); }

}  // namespace d7
