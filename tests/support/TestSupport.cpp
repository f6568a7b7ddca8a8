#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/MainWindow.h"
#include "store/Database.h"
#include "store/Engine.h"
#include <QTabWidget>
#include <sys/wait.h>
#include <unistd.h>

namespace d7test {

AsOrdinaryUser::AsOrdinaryUser() {
    if (geteuid() == 0)
        m_switched = seteuid(kNobody) == 0;
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (m_switched && seteuid(0) != 0)
        qFatal("could not return to the test's own user");
}

QByteArray ReadFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString FixtureDifference(const QByteArray &written, const QString &fixture, d7::CodePage codePage) {
    const QString path = QStringLiteral(D7_SOURCE_DIR "/tests/fixtures/") + fixture;
    if (qEnvironmentVariableIsSet("D7_UPDATE_FIXTURES") && !WriteFile(path, written))
        return QStringLiteral("cannot write the fixture ") + path;
    const QByteArray expected = ReadFile(path);
    if (written == expected)
        return {};
    const QList<QByteArray> a = written.split('\n'), e = expected.split('\n');
    QString difference = fixture + QStringLiteral(" differs");
    for (int i = 0; i < std::max(a.size(), e.size()); ++i)
        if (a.value(i, "<end>") != e.value(i, "<end>")) {
            difference = QStringLiteral("%1 line %2:\n  written  %3\n  expected %4")
                             .arg(fixture)
                             .arg(i + 1)
                             .arg(d7::DecodeText(codePage, a.value(i, "<end>")),
                                  d7::DecodeText(codePage, e.value(i, "<end>")));
            break;
        }
    qWarning().noquote() << difference;   // whole, where a comparison would cut it short
    return difference;
}

void TypeIntoSaveDialog(QWidget *dialog, const QString &path) {
    auto *files = qobject_cast<QFileDialog *>(dialog);
    if (!files)
        qFatal("not a file dialog");
    files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
    static_cast<QDialog *>(files)->accept();   // as the Save button does
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

void ExecuteOnFile(const QString &sql, const QString &path) {
    d7::Connection c;
    c.open(path, d7::kDatabasePassword, d7::Connection::Mode::ReadWrite);
    c.execute(sql);
}

ScratchFolder::ScratchFolder(const QString &database) {
    m_previous = QDir::currentPath();
    if (!database.isEmpty())
        QFile::copy(database, m_dir.filePath(QStringLiteral("devdoy_1010.mdb")));
    QDir::setCurrent(m_dir.path());
}

ScratchFolder::~ScratchFolder() { QDir::setCurrent(m_previous); }

QString ScratchFolder::databasePath() const { return m_dir.filePath(QStringLiteral("devdoy_1010.mdb")); }

QString ModalText(QWidget *w) {
    if (auto *box = qobject_cast<QMessageBox *>(w))
        return box->text();
    if (auto *input = qobject_cast<QInputDialog *>(w))
        return input->labelText();
    return w->objectName();
}

ModalAnswerer::ModalAnswerer() {
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer &ModalAnswerer::then(Answer a) {
    m_queue.append(std::move(a));
    return *this;
}

void ModalAnswerer::poll() {
    QWidget *w = QApplication::activeModalWidget();
    if (!w || w == m_last || m_queue.isEmpty() || !w->isVisible())
        return;
    m_last = w;
    const Answer a = m_queue.takeFirst();
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

std::unique_ptr<d7::MainWindow> MakeMainWindow(const QString &server) {
    ModalAnswerer welcome;
    welcome.click(QStringLiteral("Button1"));
    auto form = std::make_unique<d7::MainWindow>(server);
    form->attachHelp();   // as the program does once its main window stands
    return form;
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
