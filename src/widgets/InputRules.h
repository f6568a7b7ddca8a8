// The key filters and the decimal exit rule shared by every page.
#pragma once

#include <QChar>
#include <QString>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace d7 {

inline constexpr QChar kBackspace = QChar(8);
inline constexpr QChar kTab = QChar(9);

// True when the typed character may pass: Backspace, Tab and the digits.
bool DigitKeyFilter(QChar typed);
// True when the typed character may pass: Backspace, the digits, and a comma
// while the text holds none (whatever part of it is selected).
bool DecimalKeyFilter(QChar typed, const QString &currentText);
// The exit rule of a decimal field with its pattern ("0.##" or "0.#####").
QString NormaliseDecimalEdit(const QString &text, const QString &pattern);

// The character a key press types, as a key filter sees it; QChar() for keys
// that type nothing (arrows, Delete, function keys, Enter, Escape).
QChar TypedCharacter(const QKeyEvent *event);

// Wiring of fields: refused keys beep and are dropped.
void UseDigitKeys(QLineEdit *field);
// Decimal keys, and the exit rule when the field loses the focus. With
// emptyLoneZero, a field that ends as "," or "0" is emptied as well.
void UseDecimalKeys(QLineEdit *field, const QString &pattern, bool emptyLoneZero = false);
// Runs the exit rule of a decimal field now (e.g. before Enter records it);
// does nothing for other widgets.
void ApplyExitRule(QWidget *field);

}  // namespace d7
