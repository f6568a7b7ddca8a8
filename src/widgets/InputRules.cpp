#include "widgets/InputRules.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <functional>

#include "widgets/Dialogs.h"
#include "text/DecimalText.h"

namespace d7 {

namespace {

const char *kPatternProperty = "d7DecimalPattern";
const char *kEmptyZeroProperty = "d7EmptyLoneZero";

// Drops refused characters with a beep before the field sees them, and runs
// the exit rule of decimal fields when they lose the focus.
class FieldRules : public QObject {
public:
    using Filter = std::function<bool(QChar, const QString &)>;
    FieldRules(QLineEdit *field, Filter filter) : QObject(field), m_filter(std::move(filter)) {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *field = static_cast<QLineEdit *>(watched);
        if (event->type() == QEvent::KeyPress) {
            const QChar typed = TypedCharacter(static_cast<QKeyEvent *>(event));
            if (!typed.isNull() && !m_filter(typed, field->text())) {
                Beep();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            ApplyExitRule(field);
        }
        return false;
    }

private:
    Filter m_filter;
};

}  // namespace

bool DigitKeyFilter(QChar typed) {
    return typed == kBackspace || typed == kTab ||
           (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'));
}

bool DecimalKeyFilter(QChar typed, const QString &currentText) {
    if (typed == kBackspace || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')))
        return true;
    return typed == QLatin1Char(',') && !currentText.contains(QLatin1Char(','));
}

QString NormaliseDecimalEdit(const QString &text, const QString &pattern) {
    return NormaliseDecimalText(text, pattern);
}

QChar TypedCharacter(const QKeyEvent *event) {
    switch (event->key()) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:   // X11 gives it the text DEL (0x7f); it deletes, it types nothing
        return QChar();
    default:
        break;
    }
    const QString text = event->text();
    return text.isEmpty() ? QChar() : text.at(0);
}

void UseDigitKeys(QLineEdit *field) {
    new FieldRules(field, [](QChar c, const QString &) { return DigitKeyFilter(c); });
}

void UseDecimalKeys(QLineEdit *field, const QString &pattern, bool emptyLoneZero) {
    field->setProperty(kPatternProperty, pattern);
    field->setProperty(kEmptyZeroProperty, emptyLoneZero);
    new FieldRules(field, [](QChar c, const QString &text) { return DecimalKeyFilter(c, text); });
}

void ApplyExitRule(QWidget *widget) {
    auto *field = qobject_cast<QLineEdit *>(widget);
    if (!field)
        return;
    const QVariant pattern = field->property(kPatternProperty);
    if (!pattern.isValid())
        return;
    QString text = NormaliseDecimalEdit(field->text(), pattern.toString());
    if (field->property(kEmptyZeroProperty).toBool() &&
        (text == QLatin1String(",") || text == QLatin1String("0")))
        text.clear();
    if (text != field->text())
        field->setText(text);
}

}  // namespace d7
