// The shared key filters, the decimal exit rule on real fields, the Yes/No
// question and the plain message.
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QDialogButtonBox>
#include <QProxyStyle>
#include <QStyleFactory>

#include "widgets/Dialogs.h"
#include "widgets/InputRules.h"
#include "support/TestSupport.h"

using namespace d7;
using namespace d7test;

namespace {

// A window with two fields, so that the focus can leave the first.
struct Fields {
    QWidget window;
    QLineEdit first{&window}, second{&window};
    Fields() {
        second.move(0, 30);
        window.show();
        QApplication::setActiveWindow(&window);
        first.setFocus();
    }
};

}  // namespace

class InputRulesTest : public QObject {
    Q_OBJECT
private slots:
    void keyFiltersLetThroughOnlyTheirCharacters() {
        for (QChar c : QStringLiteral("0123456789\x08\x09"))   // with Backspace and Tab
            QVERIFY(DigitKeyFilter(c));
        for (QChar c : QStringLiteral("a Α,.-+\x0d\x1b\x03\x16"))
            QVERIFY2(!DigitKeyFilter(c), qPrintable(QString::number(c.unicode())));
        // a decimal field takes one comma, and no Tab
        const std::tuple<char, const char *, bool> decimal[] = {
            {',', "12", true}, {',', "12,5", false}, {9, "12", false}, {8, "12,5", true}, {'.', "12", false}};
        for (const auto &[key, text, taken] : decimal)
            QVERIFY2(DecimalKeyFilter(QChar(key), text) == taken, qPrintable(QString(key) + " in " + text));
    }

    // A refused key beeps and types nothing; Tab leaves a digit field but is
    // refused in a decimal one. On X11 the Delete key carries the DEL character
    // (0x7f) as its text; it deletes, it does not type, so no filter refuses it.
    void fieldsBeepAtRefusedKeysAndLetDeleteThrough() {
        Fields f;
        UseDecimalKeys(&f.first, QStringLiteral("0.##"));
        UseDigitKeys(&f.second);
        TypeText(&f.first, "12,5");
        QCOMPARE(f.first.text(), QStringLiteral("12,5"));
        f.first.setSelection(2, 1);   // a second comma is refused even with the first selected
        const int beeps = BeepCount();
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int beeps;
        } keys[] = {{Qt::Key_Comma, {}, 1},
                    {Qt::Key_X, {}, 2},
                    {Qt::Key_Tab, {}, 3},
                    {Qt::Key_V, Qt::ControlModifier, 4},   // paste and other control combinations
                    {Qt::Key_Left, {}, 4}};                // arrows type nothing and are not judged
        for (const auto &k : keys) {
            QTest::keyClick(&f.first, k.key, k.modifiers);
            QCOMPARE(f.first.text(), QStringLiteral("12,5"));
            QVERIFY(f.first.hasFocus());
            QCOMPARE(BeepCount(), beeps + k.beeps);
        }
        f.second.setFocus();
        TypeText(&f.second, "19a8");
        QCOMPARE(f.second.text(), QStringLiteral("198"));
        QCOMPARE(BeepCount(), beeps + 5);
        QTest::keyClick(&f.second, Qt::Key_Tab);
        QVERIFY(f.first.hasFocus());
        for (QLineEdit *field : {&f.first, &f.second}) {
            field->setFocus();
            field->setCursorPosition(0);
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        }
        QCOMPARE(f.first.text(), QStringLiteral("2,5"));
        QCOMPARE(f.second.text(), QStringLiteral("98"));
        QCOMPARE(BeepCount(), beeps + 5);
    }

    // Leaving a decimal field, or recording it, writes its number in the
    // field's pattern; one field also empties a lone zero.
    void leavingADecimalFieldWritesItsNumberInTheFieldsPattern() {
        const struct {
            const char *pattern;
            bool emptyZero;
            const char *typed, *left;
        } cases[] = {
            {"0.##", false, "3,456", "3,46"},
            {"0.##", false, ",", ","},             // one character is not touched
            {"0.##", false, "12,5 m", "12,5 m"},   // pasted text that is no number stays to correct
            {"0.##", true, "0,00", ""},
            {"0.##", true, "0", ""},
            {"0.#####", false, "0,000", "0"},
            {"0.#####", false, "1,1234567", "1,12346"},
        };
        for (const auto &c : cases) {
            Fields f;
            UseDecimalKeys(&f.first, c.pattern, c.emptyZero);
            UseDecimalKeys(&f.second, c.pattern, c.emptyZero);
            f.second.setText(c.typed);
            ApplyExitRule(&f.second);   // as a step does before it records the field
            QCOMPARE(f.second.text(), QString(c.left));
            f.first.setText(c.typed);
            f.second.setFocus();
            QCOMPARE(f.first.text(), QString(c.left));
        }
    }

    // Enter and Yes answer a question Yes; Escape, No and the close box No.
    // A message has its one button; both bear the program's title, no icon.
    void aQuestionIsYesOnlyOnEnterOrYesAndAMessageHasOneButton() {
        ModalAnswerer robot;
        robot.enter().escape().yes().no().custom([](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 2);
            QCOMPARE(box->buttons()[0]->text(), QStringLiteral("Ναι"));
            QCOMPARE(box->buttons()[1]->text(), QStringLiteral("Όχι"));
            QCOMPARE(box->defaultButton()->text(), QStringLiteral("Ναι"));
            box->close();   // the close box counts as the cancel button: No
        });
        robot.custom([](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            box->buttons().first()->click();
        });
        QVERIFY(AskYesNo("Enter?"));
        QVERIFY(!AskYesNo("Escape?"));
        QVERIFY(AskYesNo("Yes?"));
        QVERIFY(!AskYesNo("No?"));
        QVERIFY(!AskYesNo("Closed?"));
        ShowMessageText("Μήνυμα");
        QCOMPARE(robot.texts, QStringList({"Enter?", "Escape?", "Yes?", "No?", "Closed?", "Μήνυμα"}));
        QCOMPARE(robot.titles, QStringList(6, QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΟΥ")));
    }

    // The desktop's style decides where a dialog puts Yes and No; the question
    // shows "Ναι" left of "Όχι" whatever the desktop's habit.
    void yesStandsLeftOfNoOnEveryDesktop() {
        struct Layout : QProxyStyle {
            int layout;
            Layout(int l) : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), layout(l) {}
            int styleHint(StyleHint hint, const QStyleOption *o, const QWidget *w, QStyleHintReturn *r) const override {
                return hint == SH_DialogButtonLayout ? layout : QProxyStyle::styleHint(hint, o, w, r);
            }
        };
        const QString previous = QApplication::style()->name();
        QStringList wrong;
        for (int layout : {QDialogButtonBox::WinLayout, QDialogButtonBox::MacLayout, QDialogButtonBox::KdeLayout,
                           QDialogButtonBox::GnomeLayout, QDialogButtonBox::AndroidLayout}) {
            QApplication::setStyle(new Layout(layout));
            bool seen = false, yesLeftOfNo = false, yesDefault = false;
            ModalAnswerer robot;
            robot.custom([&](QWidget *w) {
                QAbstractButton *yes = nullptr, *no = nullptr;
                for (QAbstractButton *b : w->findChildren<QAbstractButton *>()) {
                    if (b->text() == QStringLiteral("Ναι"))
                        yes = b;
                    else if (b->text() == QStringLiteral("Όχι"))
                        no = b;
                }
                seen = true;
                if (!yes || !no) {
                    w->close();
                    return;
                }
                yesLeftOfNo = yes->mapToGlobal(QPoint()).x() < no->mapToGlobal(QPoint()).x();
                yesDefault = qobject_cast<QMessageBox *>(w)->defaultButton() == yes;
                no->click();
            });
            QVERIFY(!AskYesNo(QStringLiteral("Σειρά;")));
            QTRY_VERIFY(seen);
            if (!yesLeftOfNo || !yesDefault)
                wrong << QString::number(layout);
        }
        QApplication::setStyle(QStyleFactory::create(previous));
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("layouts ") + wrong.join(',')));
    }
};

D7_TEST_MAIN(InputRulesTest)
#include "test_inputrules.moc"
