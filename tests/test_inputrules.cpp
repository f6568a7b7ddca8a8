// The shared key filters, the decimal exit rule on a real field, and the
// Yes/No question.
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
    void digitFilter() {
        for (QChar c : QStringLiteral("0123456789"))
            QVERIFY(DigitKeyFilter(c));
        QVERIFY(DigitKeyFilter(QChar(8)));
        QVERIFY(DigitKeyFilter(QChar(9)));
        for (QChar c : QStringLiteral("a Α,.-+\x0d\x1b\x03\x16"))
            QVERIFY2(!DigitKeyFilter(c), qPrintable(QString::number(c.unicode())));
    }

    void decimalFilter() {
        QVERIFY(DecimalKeyFilter(',', "12"));
        QVERIFY(!DecimalKeyFilter(',', "12,5"));
        QVERIFY(!DecimalKeyFilter(QChar(9), "12"));   // Tab is refused in decimal fields
        QVERIFY(DecimalKeyFilter(QChar(8), "12,5"));
        QVERIFY(!DecimalKeyFilter('.', "12"));
    }

    void typingIntoADecimalField() {
        Fields f;
        UseDecimalKeys(&f.first, QStringLiteral("0.##"));
        TypeText(&f.first, "12,5");
        QCOMPARE(f.first.text(), QStringLiteral("12,5"));
        // a second comma beeps and changes nothing, even with the first selected
        f.first.setSelection(2, 1);
        const int beeps = BeepCount();
        QTest::keyClick(&f.first, ',');
        QCOMPARE(f.first.text(), QStringLiteral("12,5"));
        QCOMPARE(BeepCount(), beeps + 1);
        QTest::keyClick(&f.first, 'x');
        QCOMPARE(BeepCount(), beeps + 2);
        // Tab is dropped: the focus stays and it beeps
        QTest::keyClick(&f.first, Qt::Key_Tab);
        QVERIFY(f.first.hasFocus());
        QCOMPARE(BeepCount(), beeps + 3);
        // control combinations such as paste are dropped too
        QTest::keyClick(&f.first, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.first.text(), QStringLiteral("12,5"));
        // arrows and Delete type nothing and are not judged
        QTest::keyClick(&f.first, Qt::Key_Left);
        QCOMPARE(BeepCount(), beeps + 4);
    }

    // On X11 the Delete key carries the DEL character (0x7f) as its text; it
    // deletes, it does not type, so no filter may refuse it.
    void deleteKeyIsNotTypedText() {
        Fields f;
        UseDigitKeys(&f.first);
        UseDecimalKeys(&f.second, QStringLiteral("0.##"));
        f.first.setText(QStringLiteral("1980"));
        f.second.setText(QStringLiteral("12,5"));
        const int beeps = BeepCount();
        for (QLineEdit *field : {&f.first, &f.second}) {
            field->setFocus();
            field->setCursorPosition(0);
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        }
        QCOMPARE(f.first.text(), QStringLiteral("980"));
        QCOMPARE(f.second.text(), QStringLiteral("2,5"));
        QCOMPARE(BeepCount(), beeps);
    }

    void tabLeavesADigitField() {
        Fields f;
        UseDigitKeys(&f.first);
        const int beeps = BeepCount();
        TypeText(&f.first, "19a8");
        QCOMPARE(f.first.text(), QStringLiteral("198"));
        QCOMPARE(BeepCount(), beeps + 1);
        QTest::keyClick(&f.first, Qt::Key_Tab);
        QVERIFY(f.second.hasFocus());
    }

    void exitRuleOnLeaving() {
        Fields f;
        UseDecimalKeys(&f.first, QStringLiteral("0.##"));
        f.first.setText(QStringLiteral("3,456"));
        f.second.setFocus();
        QCOMPARE(f.first.text(), QStringLiteral("3,46"));
        // a single character is not touched
        f.first.setFocus();
        f.first.setText(QStringLiteral(","));
        f.second.setFocus();
        QCOMPARE(f.first.text(), QStringLiteral(","));
        // pasted text that is no number stays for the user to correct
        f.first.setFocus();
        f.first.setText(QStringLiteral("12,5 m"));
        f.second.setFocus();
        QCOMPARE(f.first.text(), QStringLiteral("12,5 m"));
    }

    void loneZeroEmptiedWhereAsked() {
        Fields f;
        UseDecimalKeys(&f.first, QStringLiteral("0.##"), true);
        UseDecimalKeys(&f.second, QStringLiteral("0.#####"));
        f.first.setText(QStringLiteral("0,00"));
        ApplyExitRule(&f.first);
        QCOMPARE(f.first.text(), QString());
        f.first.setText(QStringLiteral("0"));   // one character: only the extra rule applies
        ApplyExitRule(&f.first);
        QCOMPARE(f.first.text(), QString());
        f.second.setText(QStringLiteral("0,000"));
        ApplyExitRule(&f.second);
        QCOMPARE(f.second.text(), QStringLiteral("0"));
        f.second.setText(QStringLiteral("1,1234567"));
        ApplyExitRule(&f.second);
        QCOMPARE(f.second.text(), QStringLiteral("1,12346"));
    }

    void questionAnswers() {
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
        QVERIFY(AskYesNo("Enter?"));
        QVERIFY(!AskYesNo("Escape?"));
        QVERIFY(AskYesNo("Yes?"));
        QVERIFY(!AskYesNo("No?"));
        QVERIFY(!AskYesNo("Closed?"));
        QCOMPARE(robot.texts, QStringList({"Enter?", "Escape?", "Yes?", "No?", "Closed?"}));
        QCOMPARE(robot.titles.first(), QStringLiteral("D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΟΥ"));
    }

    // The desktop's style decides where a dialog puts Yes and No; the question
    // shows "Ναι" left of "Όχι" whatever the desktop's habit.
    void questionButtonsInOrderOnEveryDesktop() {
        struct Layout : QProxyStyle {
            int layout;
            Layout(int l) : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), layout(l) {}
            int styleHint(StyleHint hint, const QStyleOption *o, const QWidget *w,
                          QStyleHintReturn *r) const override {
                if (hint == SH_DialogButtonLayout)
                    return layout;
                return QProxyStyle::styleHint(hint, o, w, r);
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

    void plainMessage() {
        ModalAnswerer robot;
        robot.custom([](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            box->buttons().first()->click();
        });
        ShowMessageText("Μήνυμα");
        QCOMPARE(robot.texts, QStringList({"Μήνυμα"}));
        QCOMPARE(robot.titles, QStringList({"D7: ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΑΚΙΝΗΤΟΥ"}));
    }
};

D7_TEST_MAIN(InputRulesTest)
#include "test_inputrules.moc"
