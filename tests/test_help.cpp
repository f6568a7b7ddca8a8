// The manual and form-help windows, F1 and the Help menu, the about box, and
// the desktop entry.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "widgets/Dialogs.h"
#include "app/MainWindow.h"
#include "help/AboutBox.h"
#include "help/DesktopEntry.h"
#include "help/TopicWindow.h"
#include "print/HtmlViewer.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

class HelpTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;
    QString m_desktop;

private slots:
    void initTestCase() {
        // The desktop is the one the XDG user folders of a home of our own name.
        qputenv("HOME", m_home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", m_home.filePath("config").toUtf8());
        QVERIFY(WriteFile(m_home.filePath("config/user-dirs.dirs"), "XDG_DESKTOP_DIR=\"$HOME/Επιφάνεια εργασίας\"\n"));
        m_desktop = m_home.filePath("Επιφάνεια εργασίας");
    }
    void eachTopicWindowShowsItsPagesAndSavesOneAsPdf_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QStringList>("topics");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("manual") << 0 << "Οδηγίες εφαρμογής" << QStringList{"Label1", "Label2", "Label3", "Label5"}
                                << QStringList{"Οδηγίες εγκατάστασης", "Οδηγίες χρήσης εφαρμογής",
                                               "Όροι χρήσης εφαρμογής", "Το μενού της εφαρμογής"}
                                << QStringList{"setup.htm", "usermanual.htm", "oroi.htm", "menu.htm"};
        QTest::newRow("form help") << 1 << "Βοήθεια για το D7" << QStringList{"Label1", "Label2", "Label3"}
                                   << QStringList{"Παραδείγματα συμπλήρωσης D7", "Ερωτήσεις για το D7",
                                                  "Ειδικές οδηγίες για τη συμπλήρωση του D7"}
                                   << QStringList{"examples.htm", "QuestionsD7.htm", "SpecialInstructionsD7.htm"};
    }
    void eachTopicWindowShowsItsPagesAndSavesOneAsPdf() {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QFETCH(QStringList, labels);
        QFETCH(QStringList, topics);
        QFETCH(QStringList, pages);
        // Stand-in pages, each saying its name; the last topic's page is missing.
        QTemporaryDir help;
        for (const QString &page : pages.mid(0, pages.size() - 1))
            QVERIFY(WriteFile(help.filePath(page), "<html><body><p>σελίδα " + page.toUtf8() + "</p></body></html>"));
        TopicWindow w(kind == 0 ? kUserManual : kFormHelp, help.path());
        QCOMPARE(w.windowTitle(), caption);
        QVERIFY(w.minimumSize() == w.maximumSize() && !(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(Control<QLabel>(&w, "Label4")->text(), QStringLiteral("Επιλέξτε θέμα:"));
        QCOMPARE(Control<QPushButton>(&w, "Button1")->text(), QStringLiteral("Εκτύπωση"));
        w.show();
        QCOMPARE(w.viewer()->toPlainText(), "σελίδα " + pages.first());
        for (int i = labels.size() - 1; i >= 0; --i) {
            auto *label = Control<QLabel>(&w, labels[i].toLatin1());
            QCOMPARE(label->text(), topics[i]);
            QVERIFY(label->font().bold() && label->cursor().shape() == Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(w.viewer()->toPlainText(), i == labels.size() - 1 ? QString() : "σελίδα " + pages[i]);
        }
        // The missing page showed no message.
        QVERIFY(!QApplication::activeModalWidget());

        ModalAnswerer robot;
        QString proposed;
        const QString pdf = help.filePath("σελίδα.pdf");
        robot.custom([&](QWidget *dialog) {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
            TypeIntoSaveDialog(files, pdf);
        });
        Control<QPushButton>(&w, "SavePdfButton")->click();
        QCOMPARE(robot.titles, QStringList{"Αποθήκευση ως PDF"});
        QCOMPARE(proposed, topics.first() + ".pdf");
        QVERIFY(ReadFile(pdf).startsWith("%PDF-"));
    }

    void theMenuAndF1ShowTheHelpRestoredOnItsPage_data() {
        QTest::addColumn<QString>("command");   // a menu item, or F1
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("chosen");    // the topic chosen before
        QTest::addColumn<QString>("leftAs");    // open, closed or minimised
        QTest::addColumn<QString>("page");      // the page shown after
        QTest::newRow("manual back to installation") << "N7" << 0 << "Label3" << "open" << "setup.htm";
        QTest::newRow("manual restored") << "N7" << 0 << "Label5" << "minimised" << "setup.htm";
        QTest::newRow("help remembers") << "N91" << 0 << "Label2" << "closed" << "QuestionsD7.htm";
        QTest::newRow("help restored") << "N91" << 0 << "Label3" << "minimised" << "SpecialInstructionsD7.htm";
        QTest::newRow("F1") << "F1" << 0 << "Label1" << "closed" << "usermanual.htm";
        QTest::newRow("Shift+F1") << "F1" << int(Qt::ShiftModifier) << "Label3" << "minimised" << "usermanual.htm";
        QTest::newRow("Ctrl+Alt+F1") << "F1" << int(Qt::ControlModifier | Qt::AltModifier) << "Label5" << "open"
                                     << "usermanual.htm";
    }
    void theMenuAndF1ShowTheHelpRestoredOnItsPage() {
        QFETCH(QString, command);
        QFETCH(int, modifiers);
        QFETCH(QString, chosen);
        QFETCH(QString, leftAs);
        QFETCH(QString, page);
        ScratchFolder folder;
        auto form = MakeMainWindow();
        form->setStartHintPending(false);
        form->show();
        auto *w = Control<TopicWindow>(form.get(), command == "N91" ? "HelpD7" : "UserManual");
        QVERIFY(!w->isVisible());   // made at start-up, shown on request
        w->show();
        QTest::mouseClick(Control<QLabel>(w, chosen.toLatin1()), Qt::LeftButton);
        if (leftAs == "minimised")
            w->showMinimized();
        else if (leftAs == "closed")
            w->close();
        QCOMPARE(w->isMinimized(), leftAs == "minimised");
        if (command == "F1")
            QTest::keyClick(form.get(), Qt::Key_F1, Qt::KeyboardModifiers(modifiers));
        else
            Control<QAction>(form.get(), command.toLatin1())->trigger();
        QVERIFY(w->isVisible() && !w->isMinimized());
        QCOMPARE(w->viewer()->source().toLocalFile(), QCoreApplication::applicationDirPath() + "/Help/" + page);
    }

    void theAboutBoxNamesTheProgramAndIsMadeAnewEachTime() {
        ScratchFolder folder;
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        QStringList lines;
        bool iconShown = false;
        robot.custom([&](QWidget *box) {
            for (const char *name : {"ProductName", "Version", "Comments", "Label1", "Label2"})
                lines << Control<QLabel>(box, name)->text();
            iconShown = !Control<QLabel>(box, "ProgramIcon")->pixmap().isNull();
            Control<QPushButton>(box, "OKButton")->click();
        });
        Control<QAction>(form.get(), "N9")->trigger();
        QCOMPARE(robot.titles, QStringList{"Σχετικά"});
        QCOMPARE(lines, (QStringList{"D7: Δήλωση Στοιχείων Ακινήτων", "v 1.0   Μάρτιος 2005", kAuthorityName,
                                     kAuthorityDepartment, "ΔΙΑΝΕΜΕΤΑΙ ΔΩΡΕΑΝ"}));
        QVERIFY(iconShown);
        QVERIFY(form->findChildren<AboutBox *>().isEmpty());   // a new box for each command
    }

    void theDesktopEntryQuotesTheProgramsPath_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("Greek, blanks") << "/home/χρήστης/Τα  προγράμματα/d7" << "\"/home/χρήστης/Τα  προγράμματα/d7\"";
        QTest::newRow("shell characters") << "/opt/\"a\" $b `c`;&/d7" << "\"/opt/\\\\\"a\\\\\" \\\\$b \\\\`c\\\\`;&/d7\"";
        QTest::newRow("backslash") << "/opt/a\\b/d7" << "\"/opt/a\\\\\\\\b/d7\"";
        QTest::newRow("percent") << "/opt/100%/d7" << "\"/opt/100%%/d7\"";
    }
    void theDesktopEntryQuotesTheProgramsPath() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QVERIFY(DesktopEntryText({"D7", program, "/tmp/", "d7"}).split('\n').contains("Exec=" + exec));
    }

    void theDesktopEntryIsWrittenReplacedOrRefusedWithAMessage() {
        ScratchFolder folder;
        const QString work = folder.file("Οι δηλώσεις μου");
        QDir().mkpath(work);
        QFile::copy(folder.databasePath(), work + "/devdoy_1010.mdb");
        QDir::setCurrent(work);
        auto form = MakeMainWindow();
        ModalAnswerer robot;
        robot.ok();
        const QString entry = m_desktop + "/D7-ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ.desktop";
        const QString expected = "[Desktop Entry]\nType=Application\nName=D7-ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΩΝ\n"
                                 "Exec=\"" + QCoreApplication::applicationFilePath() + "\"\nPath=" + work +
                                 "/\nIcon=" + QCoreApplication::applicationDirPath() + "/d7.png\nTerminal=false\n";
        for (const QByteArray &before : {QByteArray(), QByteArray("stale")}) {   // the second replaces the first
            if (!before.isEmpty())
                QVERIFY(WriteFile(entry, before));
            Control<QAction>(form.get(), "N13")->trigger();
            QCOMPARE(QString::fromUtf8(ReadFile(entry)), expected);
            QVERIFY(QFile::permissions(entry) & QFileDevice::ExeOwner);
        }
        QCOMPARE(QDir(m_desktop).entryList(QDir::Files), QStringList{QFileInfo(entry).fileName()});
        QVERIFY(robot.texts.isEmpty());
        QCOMPARE(QProcess::execute("desktop-file-validate", {entry}), 0);

        // A desktop the user may not write on; root may write anywhere, so the
        // command runs as nobody (the home made readable to all).
        QFile::remove(entry);
        QFile::setPermissions(m_home.path(), QFile::permissions(m_home.path()) | QFile::ExeOther | QFile::ReadOther);
        QFile::setPermissions(m_desktop, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
        {
            AsOrdinaryUser user;
            Control<QAction>(form.get(), "N13")->trigger();
        }
        QFile::setPermissions(m_desktop, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(robot.texts, QStringList{"Υπήρξε κάποιο πρόβλημα κατά τη δημιουργία της συντόμευσης"});
        QVERIFY(QDir(m_desktop).isEmpty());
    }
};

D7_TEST_MAIN(HelpTest)
#include "test_help.moc"
