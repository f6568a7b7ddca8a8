// The tax number (ΑΦΜ): nine decimal digits, the ninth a check digit.
#pragma once

#include <QString>

namespace d7 {

// True when the text is exactly nine digits, not all zeros, and its check digit
// agrees: the digits weighted 256, 128, ..., 2, the sum modulo 11 (10 counting
// as 0) must equal the ninth digit.
bool CheckTaxNumber(const QString &text);

}  // namespace d7
