// The two menu commands of the backups, each complete with its windows and
// messages: a copy saved where the user chooses, and the restore window.
#pragma once

#include <QDialog>
#include <QString>

#include "backup/BackupPolicy.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace d7 {

// The commands' menu texts.
extern const QString kBackupActionText;
extern const QString kRestoreActionText;

// Asks where (a save dialog proposing a dated name in the home folder, then
// the replace question) and writes a checked copy there; an earlier file of
// that name is replaced only by a good copy. A failure is told in a message.
// Returns the path written, empty when cancelled or failed.
QString SaveCopyAs(const QString &database);

// Lists the copies in the backup folder (date, time, number of declarations),
// newest first, and takes any other copy file through a file dialog. A copy
// is restored after a Yes/No question naming it; the outcome is told in a
// message, and the window closes once a copy was restored.
class RestoreWindow : public QDialog {
    Q_OBJECT
public:
    RestoreWindow(const QString &database, DatabaseConnections connections, QWidget *parent = nullptr);
    bool restored() const { return m_restored; }

private:
    void fillList();
    void restoreChosen();
    void restoreFile();
    void restore(const QString &copy, const QString &named);

    QString m_database;
    DatabaseConnections m_connections;
    bool m_restored = false;
    QLabel *m_intro;
    QTreeWidget *m_copies;
    QPushButton *m_restoreButton;
};

// Shows the restore window; true when a copy was restored.
bool ShowRestoreWindow(const QString &database, const DatabaseConnections &connections, QWidget *parent = nullptr);

}  // namespace d7
