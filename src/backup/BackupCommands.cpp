#include "backup/BackupCommands.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "store/Backup.h"
#include "store/Database.h"
#include "store/FileStore.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"

namespace d7 {

const QString kBackupActionText = QStringLiteral("Αποθήκευση Αντιγράφου Ασφαλείας");
const QString kRestoreActionText = QStringLiteral("Επαναφορά από Αντίγραφο Ασφαλείας");

namespace {

bool sameFile(const QString &a, const QString &b) {
    const QFileInfo first(a), second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

// Commands that read or write a whole file take a moment: the cursor says so.
template <class Work>
auto Waiting(Work work) {
    const BusyCursor busy;
    return work();
}

}  // namespace

QString SaveCopyAs(const QString &database) {
    const QString proposed = QDir::home().filePath(CopyFileName(database, QDateTime::currentDateTime()));
    const QString path = SaveFileName(QStringLiteral("Αποθήκευση αντιγράφου ασφαλείας"), QStringLiteral("*.mdb"),
                                      QStringLiteral("mdb"), proposed);
    if (path.isEmpty())
        return {};
    if (sameFile(path, database)) {
        ShowMessageText(QStringLiteral("Το αντίγραφο δεν μπορεί να αποθηκευτεί πάνω στο ίδιο το αρχείο των δηλώσεων."));
        return {};
    }
    if (!MayReplaceFile(path))
        return {};
    try {
        Waiting([&] { CopyDatabase(database, kDatabasePassword, path); });
        return path;
    } catch (const std::exception &e) {
        ShowMessageText(QStringLiteral("Το αντίγραφο ασφαλείας δεν αποθηκεύτηκε: %1.")
                            .arg(CopyFailureReason(e, QFileInfo(path).absolutePath())));
    }
    return {};
}

RestoreWindow::RestoreWindow(const QString &database, DatabaseConnections connections, QWidget *parent)
    : QDialog(parent), m_database(database), m_connections(std::move(connections)) {
    setObjectName(QStringLiteral("RestoreWindow"));
    setWindowTitle(kRestoreActionText);
    setModal(true);

    m_intro = new QLabel(this);
    m_intro->setObjectName(QStringLiteral("RestoreIntro"));
    m_intro->setWordWrap(true);

    m_copies = new QTreeWidget(this);
    m_copies->setObjectName(QStringLiteral("RestoreCopiesList"));
    m_copies->setHeaderLabels({QStringLiteral("Ημερομηνία"), QStringLiteral("Ώρα"), QStringLiteral("Δηλώσεις")});
    m_copies->setRootIsDecorated(false);
    m_copies->setUniformRowHeights(true);
    m_copies->setAlternatingRowColors(true);

    auto *fileButton = new QPushButton(QStringLiteral("Άλλο αρχείο..."), this);
    fileButton->setObjectName(QStringLiteral("RestoreFileButton"));
    fileButton->setAutoDefault(false);
    m_restoreButton = new QPushButton(QStringLiteral("Επαναφορά"), this);
    m_restoreButton->setObjectName(QStringLiteral("RestoreButton"));
    m_restoreButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("Άκυρο"), this);
    cancelButton->setObjectName(QStringLiteral("RestoreCancelButton"));
    cancelButton->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(fileButton);
    buttons->addStretch();
    buttons->addWidget(m_restoreButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_intro);
    layout->addWidget(m_copies);
    layout->addLayout(buttons);
    resize(440, 340);

    connect(m_copies, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *item) { m_restoreButton->setEnabled(item != nullptr); });
    // Enter goes to the default button; a double click restores as it does.
    connect(m_copies, &QTreeWidget::itemDoubleClicked, this, [this] { restoreChosen(); });
    connect(m_restoreButton, &QPushButton::clicked, this, [this] { restoreChosen(); });
    connect(fileButton, &QPushButton::clicked, this, [this] { restoreFile(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
}

void RestoreWindow::fillList() {
    const QString folder = QDir::toNativeSeparators(BackupFolder(m_database));
    const QList<BackupCopy> copies = ListCopies(m_database);
    m_intro->setText(copies.isEmpty() ? QStringLiteral("Ο φάκελος «%1» δεν έχει αντίγραφα ασφαλείας.").arg(folder)
                                      : QStringLiteral("Τα αντίγραφα ασφαλείας του φακέλου «%1»:").arg(folder));
    m_copies->clear();
    Waiting([&] {
        // The copies of one database share its salt, and so one derived key.
        const QByteArray key = copies.isEmpty() ? QByteArray() : DeriveRawKey(copies.first().path, kDatabasePassword);
        for (const BackupCopy &copy : copies) {
            const int declarations = CountDeclarations(copy.path, kDatabasePassword, key);
            auto *item = new QTreeWidgetItem(m_copies, {copy.made.toString(QStringLiteral("dd/MM/yyyy")),
                                                        copy.made.toString(QStringLiteral("HH:mm")),
                                                        declarations < 0 ? QStringLiteral("—") : QString::number(declarations)});
            item->setData(0, Qt::UserRole, copy.path);
            item->setData(1, Qt::UserRole, CopyTimeText(copy.made));
        }
    });
    for (int column : {0, 1}) {
        m_copies->resizeColumnToContents(column);
        m_copies->setColumnWidth(column, m_copies->columnWidth(column) + 30);
    }
    m_copies->setCurrentItem(m_copies->topLevelItem(0));
    m_restoreButton->setEnabled(m_copies->currentItem() != nullptr);
    m_copies->setFocus();
}

void RestoreWindow::restoreChosen() {
    if (const QTreeWidgetItem *item = m_copies->currentItem())
        restore(item->data(0, Qt::UserRole).toString(),
                QStringLiteral("της %1").arg(item->data(1, Qt::UserRole).toString()));
}

void RestoreWindow::restoreFile() {
    // The program's own file dialog, its details in Greek.
    const QString folder = BackupFolder(m_database);
    const QStringList chosen = OpenFileNames(QStringLiteral("Επιλέξτε ένα αντίγραφο ασφαλείας"), QStringLiteral("*.mdb"),
                                             QFileInfo::exists(folder) ? folder : QDir::homePath());
    if (chosen.isEmpty())
        return;
    const QString copy = chosen.constFirst();
    restore(copy, QStringLiteral("«%1»").arg(QFileInfo(copy).fileName()));
}

void RestoreWindow::restore(const QString &copy, const QString &named) {
    if (!AskYesNo(QStringLiteral("Να αντικατασταθούν οι τρέχουσες δηλώσεις από το αντίγραφο %1; "
                                 "Το τρέχον αρχείο φυλάσσεται πρώτα στα αντίγραφα ασφαλείας.")
                      .arg(named)))
        return;
    const RestoreResult result = Waiting([&] { return RestoreCopy(m_database, copy, m_connections); });
    ShowMessageText(result.message);
    if (result.restored) {
        m_restored = true;
        accept();
    } else {
        fillList();
    }
}

bool ShowRestoreWindow(const QString &database, const DatabaseConnections &connections, QWidget *parent) {
    RestoreWindow window(database, connections, parent);
    window.exec();
    return window.restored();
}

}  // namespace d7
