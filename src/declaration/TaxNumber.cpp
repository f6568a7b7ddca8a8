#include "declaration/TaxNumber.h"

namespace d7 {

bool CheckTaxNumber(const QString &text) {
    if (text.size() != 9)
        return false;
    int digits[9];
    for (int i = 0; i < 9; ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        digits[i] = c.unicode() - '0';
    }
    if (text == QLatin1String("000000000"))
        return false;
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += digits[i] << (8 - i);
    int remainder = sum % 11;
    if (remainder == 10)
        remainder = 0;
    return remainder == digits[8];
}

}  // namespace d7
