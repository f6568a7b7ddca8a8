#include "widgets/Dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QGridLayout>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>

namespace d7 {

const QString kApplicationTitle = QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΟΥ");
const QString kMainWindowCaption = QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ");
const QString kAuthorityName = QStringLiteral("ΦΟΡΟΛΟΓΙΚΗ ΔΙΟΙΚΗΣΗ");
const QString kAuthorityDepartment = QStringLiteral("ΔΙΕΥΘΥΝΣΗ ΗΛΕΚΤΡΟΝΙΚΩΝ ΥΠΗΡΕΣΙΩΝ");

namespace {

int beeps = 0;

QWidget *dialogParent() {
    QWidget *w = QApplication::activeModalWidget();
    if (!w)
        w = QApplication::activeWindow();
    return w;
}

// The save dialog's detail columns as the file model fills them follow the
// desktop's locale (English month names, "bytes", the file kinds' English
// names); written here in Greek whatever the desktop's language.
class GreekFileDetails : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (role != Qt::DisplayRole || !files || index.column() == 0)
            return QIdentityProxyModel::data(index, role);
        static const QLocale greek(QLocale::Greek, QLocale::Greece);
        const QModelIndex source = mapToSource(index);
        const QFileInfo info = files->fileInfo(source);
        switch (index.column()) {
        case 1:
            return info.isFile() ? greek.formattedDataSize(info.size()) : QString();
        case 2:
            // Folders and drives are named by the file model itself, in Greek.
            if (info.isFile())
                return QStringLiteral("Αρχείο %1").arg(info.suffix().toUpper());
            break;
        case 3:
            return greek.toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

// What the program's file dialogs share: Qt's own dialog with Greek details,
// the pattern, and room for the places' Greek names ("Υπολογιστής"), which
// Qt's narrow default would cut short.
void prepareFileDialog(QFileDialog &dialog, const QString &pattern) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new GreekFileDetails(&dialog));
    dialog.setNameFilter(pattern);
    if (auto *split = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
        split->setSizes({150, 450});
}

}  // namespace

int TitleBarWidth(const QString &title) {
    // The window manager draws the title in its own font, often bold and
    // larger than the program's, beside its buttons.
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    font.setPixelSize(std::max(13, QFontInfo(font).pixelSize()));
    return QFontMetrics(font).horizontalAdvance(title) + 140;
}

namespace {

// A short message would make a box too narrow for its title.
void MakeRoomForTitle(QMessageBox &box) {
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(TitleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// Asks the box's question; true unless the answer was No.
bool askYesNo(QMessageBox &box) {
    // One role for both: the desktop's button layout (GNOME, macOS) would put a
    // No-role button before a Yes-role one, and the question always reads Ναι, Όχι.
    QPushButton *yes = box.addButton(QStringLiteral("Ναι"), QMessageBox::ActionRole);
    QPushButton *no = box.addButton(QStringLiteral("Όχι"), QMessageBox::ActionRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    no->setObjectName(QStringLiteral("noButton"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    MakeRoomForTitle(box);
    box.exec();
    return box.clickedButton() != no;
}

// A line of text asked for; empty when the user cancelled.
QString askText(const QString &caption, const QString &prompt, const QString &defaultText,
                QLineEdit::EchoMode echoMode) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(echoMode);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Άκυρο"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

}  // namespace

bool AskYesNo(const QString &question) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, question, QMessageBox::NoButton,
                    dialogParent());
    return askYesNo(box);
}

bool AskYesNo(const QString &question, const QString &forAllText, bool *forAll) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, question, QMessageBox::NoButton, dialogParent());
    auto *all = new QCheckBox(forAllText, &box);
    all->setObjectName(QStringLiteral("forAllBox"));
    box.setCheckBox(all);
    const bool yes = askYesNo(box);
    *forAll = all->isChecked();
    return yes;
}

void ShowMessageText(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, dialogParent());
    MakeRoomForTitle(box);
    box.exec();
}

QString InputBox(const QString &caption, const QString &prompt, const QString &defaultText) {
    return askText(caption, prompt, defaultText, QLineEdit::Normal);
}

bool MayReplaceFile(const QString &path) {
    const QFileInfo file(path);
    return !file.exists() ||
           AskYesNo(QStringLiteral("Είστε σίγουρος ότι θέλετε να αντικαταστήσετε το αρχείο ") + file.fileName() +
                    QStringLiteral(";"));
}

QString SaveFileName(const QString &caption, const QString &pattern, const QString &defaultSuffix,
                     const QString &proposedPath) {
    QFileDialog dialog(dialogParent(), caption);
    prepareFileDialog(dialog, pattern);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    const QFileInfo proposed(proposedPath);
    dialog.setDirectory(proposed.absolutePath());
    dialog.selectFile(proposed.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

void ShowErrorText(const QString &text) {
    QMessageBox box(QMessageBox::Critical, kApplicationTitle, text, QMessageBox::Ok, dialogParent());
    MakeRoomForTitle(box);
    box.exec();
}

void Beep() {
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }


QStringList OpenFileNames(const QString &caption, const QString &pattern, const QString &folder) {
    QFileDialog dialog(dialogParent(), caption);
    prepareFileDialog(dialog, pattern);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}


QString PasswordBox(const QString &caption, const QString &prompt) {
    return askText(caption, prompt, QString(), QLineEdit::Password);
}

}  // namespace d7
