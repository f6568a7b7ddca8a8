#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/Main.h"
#include "help/HelpMenu.h"
#include "store/Access.h"
#include "store/Database.h"
#include "store/Engine.h"
#include <QTabWidget>
#include <sys/wait.h>
#include <unistd.h>

namespace d7test {

AsOrdinaryUser::AsOrdinaryUser() {
    if (geteuid() == 0) {
        constexpr uid_t kNobody = 65534;
        switched_ = seteuid(kNobody) == 0;
    }
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (switched_ && seteuid(0) != 0)
        qFatal("could not return to the test's own user");
}

qint64 RunInChild(const std::function<void()> &work) {
    const pid_t child = fork();
    if (child == 0) {
        int status = 0;
        try {
            work();
        } catch (...) {
            status = 1;
        }
        _exit(status);   // no Qt clean-up in the copy of the test process
    }
    return child;
}

bool Finish(qint64 child) {
    int status = 0;
    return waitpid(pid_t(child), &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QList<QStringList> StoredRows(const QString &sql) {
    d7::Connection c;
    c.open(d7::kDatabaseFileName, d7::kDatabasePassword, d7::Connection::Mode::Read);
    d7::Dataset ds(&c);
    ds.setCommandText(sql);
    ds.open();
    QList<QStringList> out;
    for (ds.first(); !ds.eof(); ds.next()) {
        QStringList row;
        for (int i = sql.startsWith(QLatin1String("select * ")) ? 1 : 0; i < ds.fieldCount(); ++i)
            row << (ds.isNull(i) ? QStringLiteral("<null>") : ds.text(i));
        out << row;
    }
    return out;
}

ScratchFolder::ScratchFolder(const QString &database) {
    previous_ = QDir::currentPath();
    if (!database.isEmpty())
        QFile::copy(database, dir_.filePath(QStringLiteral("devdoy_1010.mdb")));
    QDir::setCurrent(dir_.path());
}

ScratchFolder::~ScratchFolder() { QDir::setCurrent(previous_); }

QString ScratchFolder::databasePath() const { return dir_.filePath(QStringLiteral("devdoy_1010.mdb")); }

QString ModalText(QWidget *w) {
    if (auto *box = qobject_cast<QMessageBox *>(w))
        return box->text();
    if (auto *input = qobject_cast<QInputDialog *>(w))
        return input->labelText();
    return w->objectName();
}

ModalAnswerer::ModalAnswerer() {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::poll);
    timer_.start();
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer &ModalAnswerer::then(Answer a) {
    queue_.append(std::move(a));
    return *this;
}

void ModalAnswerer::poll() {
    QWidget *w = QApplication::activeModalWidget();
    if (!w || w == last_ || queue_.isEmpty() || !w->isVisible())
        return;
    last_ = w;
    const Answer a = queue_.takeFirst();
    texts << ModalText(w);
    titles << w->windowTitle();
    auto *box = qobject_cast<QMessageBox *>(w);
    auto pressText = [&](const QString &caption) {
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            if (b->text() == caption) {
                b->click();
                return;
            }
        // Record the failure and close the window, so the test does not hang.
        QTest::qFail(qPrintable(QStringLiteral("no button %1 in %2").arg(caption, ModalText(w))), __FILE__,
                     __LINE__);
        w->close();
    };
    switch (a.kind) {
    case Answer::Yes:
        pressText(QStringLiteral("Ναι"));
        break;
    case Answer::No:
        pressText(QStringLiteral("Όχι"));
        break;
    case Answer::Ok:
        if (box && box->buttons().size() == 1)
            box->buttons().first()->click();
        else
            pressText(QStringLiteral("OK"));
        break;
    case Answer::Enter:
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
        break;
    case Answer::Escape:
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
        break;
    case Answer::Cancel:
        if (auto *input = qobject_cast<QInputDialog *>(w))
            input->reject();
        else
            pressText(QStringLiteral("Άκυρο"));
        break;
    case Answer::Text:
        if (auto *input = qobject_cast<QInputDialog *>(w)) {
            input->setTextValue(a.text);
            input->accept();
        }
        break;
    case Answer::ClickButton:
        if (auto *b = w->findChild<QAbstractButton *>(a.button))
            b->click();
        break;
    case Answer::Custom:
        a.custom(w);
        break;
    }
}

std::unique_ptr<d7::TForm1> MakeMainWindow() {
    ModalAnswerer welcome;
    welcome.click(QStringLiteral("Button1"));
    auto form = std::make_unique<d7::TForm1>();
    d7::AttachHelp(*form);   // as the program does once its main window stands
    return form;
}

void OpenDeclaration(d7::TForm1 &form, const QString &taxNumber) {
    using namespace d7;
    form.PageControl1->setEnabled(true);
    form.PageControl1->setCurrentIndex(0);
    form.CurrentTaxNumber = taxNumber;
    if (!LoadOneRow(*form.ADODataSet3, DeclarationQuery("select * from citizendata where AFM='", taxNumber),
                    [](const Dataset &) {}))
        StoreOneRow(*form.ADODataSet3, DeclarationQuery("select * from citizendata where AFM='", taxNumber),
                    {{4, taxNumber}});
    Reopen(*form.ADODataSet4, DeclarationQuery("select * from children where AFMYpox='", taxNumber));
    Reopen(*form.ADODataSet6, DeclarationQuery("select * from table1 where AFMYpox='", taxNumber));
    Reopen(*form.ADODataSet7, DeclarationQuery("select * from table2 where AFMYpox='", taxNumber));
}

void TypeText(QWidget *w, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() < 128 && c.isPrint())
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList LayoutFaults(const QWidget *area, const QRect &room, const QList<const QWidget *> &ignored) {
    QList<const QWidget *> shown;
    for (const QWidget *w : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisibleTo(area) && !ignored.contains(w))
            shown << w;
    QStringList faults;
    for (int i = 0; i < shown.size(); ++i) {
        const QWidget *w = shown[i];
        const QString name = w->objectName();
        if (!room.contains(w->geometry()))
            faults << QStringLiteral("%1 outside its room").arg(name);
        for (int j = i + 1; j < shown.size(); ++j)
            if (w->geometry().intersects(shown[j]->geometry()))
                faults << QStringLiteral("%1 overlaps %2").arg(name, shown[j]->objectName());
        bool cut = false;
        if (auto *label = qobject_cast<const QLabel *>(w))
            cut = label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                                    : label->sizeHint().width() > label->width() ||
                                          label->sizeHint().height() > label->height();
        else if (qobject_cast<const QPushButton *>(w) || qobject_cast<const QCheckBox *>(w))
            cut = w->sizeHint().width() > w->width();
        if (cut)
            faults << QStringLiteral("%1 cut off").arg(name);
    }
    return faults;
}

QStringList StepFaults(QTabWidget *steps, const QWidget *cover, QList<QWidget *> only) {
    if (only.isEmpty())
        for (int i = 0; i < steps->count(); ++i)
            only << steps->widget(i);
    QStringList faults;
    for (QWidget *step : only) {
        steps->setCurrentWidget(step);
        const int top = step->mapFrom(cover->parentWidget(), cover->geometry().bottomLeft()).y() + 1;
        for (const QString &fault : LayoutFaults(step, QRect(0, top, step->width(), step->height() - top)))
            faults << step->objectName() + QStringLiteral(": ") + fault;
    }
    return faults;
}

}  // namespace d7test
