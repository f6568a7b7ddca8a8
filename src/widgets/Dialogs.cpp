#include "widgets/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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

}  // namespace

bool AskYesNo(const QString &question) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, question, QMessageBox::NoButton,
                    dialogParent());
    // One role for both: the desktop's button layout (GNOME, macOS) would put a
    // No-role button before a Yes-role one, and the question always reads Ναι, Όχι.
    QPushButton *yes = box.addButton(QStringLiteral("Ναι"), QMessageBox::ActionRole);
    QPushButton *no = box.addButton(QStringLiteral("Όχι"), QMessageBox::ActionRole);
    yes->setObjectName(QStringLiteral("yesButton"));
    no->setObjectName(QStringLiteral("noButton"));
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() != no;
}

void ShowMessageText(const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, dialogParent());
    box.exec();
}

QString InputBox(const QString &caption, const QString &prompt, const QString &defaultText) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Άκυρο"));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

QString SaveFileName(const QString &caption, const QString &pattern, const QString &defaultSuffix,
                     const QString &proposedPath) {
    QFileDialog dialog(dialogParent(), caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(pattern);
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
    box.exec();
}

void Beep() {
    ++beeps;
    QApplication::beep();
}

int BeepCount() { return beeps; }

}  // namespace d7
