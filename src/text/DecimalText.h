// Numbers as the user types them: decimal comma, no thousands separator.
#pragma once

#include <QString>
#include <optional>

namespace d7 {

// The number of decimals of a format pattern such as "0.##" (2) or "0.#####" (5).
int PatternDecimals(const QString &pattern);

// Rewrites a decimal text with at most `decimals` decimals, rounding a dropped
// half away from zero, without trailing zeros or a bare comma. Texts shorter
// than two characters are left as they are, and so is a text that does not
// read as a number (it can only arrive by pasting; the user corrects it).
QString NormaliseDecimalText(const QString &text, const QString &pattern);

// Reads digits with at most one comma ("12,", ",5" included). Empty optional
// for anything else, a lone comma and the empty text included.
std::optional<double> ReadDecimal(const QString &text);

// Reads a text made only of decimal digits (at most 9) as a whole number.
std::optional<int> ReadWholeNumber(const QString &text);

}  // namespace d7
