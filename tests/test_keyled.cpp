// capsLock under a real X server: on while the program runs, off when it ends,
// untouched when it already has the wanted state.
#include <QProcess>

#include "app/KeyboardLock.h"
#include "app/MainWindow.h"
#include "app/Program.h"
#include "store/Database.h"
#include "store/Engine.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

// The state as another X client sees it.
bool capsSeenFromOutside() {
    QProcess p;
    p.start(QStringLiteral("xset"), {QStringLiteral("q")});
    p.waitForFinished(10000);
    const QString out = QString::fromLatin1(p.readAllStandardOutput());
    const int at = out.indexOf(QLatin1String("Caps Lock:"));
    return at >= 0 && out.mid(at + 10, 6).trimmed().startsWith(QLatin1String("on"));
}

}  // namespace

class KeyboardLockTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(KeyboardLock::available(), "this test needs an X server"); }

    void capsLockIsOnWhileRunningAndOffAfterClosing() {
        KeyboardLock lock;
        lock.setCapsLock(false);
        QVERIFY(!lock.capsLock());
        ScratchFolder folder;
        auto form = MakeMainWindow();
        QVERIFY(form->keyboardLock().capsLock());
        QVERIFY(capsSeenFromOutside());
        QCOMPARE(form->keyboardLock().changeCount(), 1);
        bool capsWhileTypingAServer = true;   // an address is typed as it is
        ModalAnswerer robot;
        robot.custom([&](QWidget *w) { capsWhileTypingAServer = lock.capsLock(); w->close(); });
        form->findChild<QAction *>("ServerAction")->trigger();
        QVERIFY(!capsWhileTypingAServer && form->keyboardLock().capsLock());
        form->close();
        QVERIFY(!lock.capsLock());
        QVERIFY(!capsSeenFromOutside());
        QCOMPARE(form->keyboardLock().changeCount(), 4);
    }

    void aLockAlreadyOnIsNotToggledAndIsOffAfterShutDown() {
        KeyboardLock lock;
        lock.setCapsLock(true);
        ScratchFolder folder;
        auto form = MakeMainWindow();
        QCOMPARE(form->keyboardLock().changeCount(), 0);   // already on: no toggle
        QVERIFY(form->keyboardLock().capsLock());
        lock.setCapsLock(false);                     // the user turned it off meanwhile
        form.reset();                                // shut-down without close
        QVERIFY(!lock.capsLock());
    }

    // A start-up that fails after the lock was turned on (here a database
    // without its floor list) leaves the keyboard as a shut-down would.
    void aFailedStartUpTurnsCapsLockOffAgain() {
        KeyboardLock lock;
        lock.setCapsLock(false);
        ScratchFolder folder;
        {
            Connection c;
            c.open(kDatabaseFileName, kDatabasePassword, Connection::Mode::ReadWrite);
            c.execute(QStringLiteral("DROP TABLE doy_ap_floor"));
        }
        ModalAnswerer robot;
        robot.ok();
        QCOMPARE(RunProgram({}), 1);
        QCOMPARE(robot.texts, QStringList({"no such table: doy_ap_floor"}));
        QVERIFY(!lock.capsLock());
    }

    void settingTheSameStateTwiceTogglesOnce() {
        KeyboardLock lock;
        lock.setCapsLock(false);
        const int before = lock.changeCount();
        lock.setCapsLock(true);
        lock.setCapsLock(true);
        QCOMPARE(lock.changeCount(), before + 1);
        lock.setCapsLock(false);
    }
};

D7_TEST_MAIN(KeyboardLockTest)
#include "test_keyled.moc"
