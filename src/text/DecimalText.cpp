#include "text/DecimalText.h"

namespace d7 {

namespace {

bool splitDecimal(const QString &text, QString &whole, QString &fraction) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0 && text.indexOf(QLatin1Char(','), comma + 1) >= 0)
        return false;
    whole = comma < 0 ? text : text.left(comma);
    fraction = comma < 0 ? QString() : text.mid(comma + 1);
    for (QChar c : whole + fraction)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !(whole.isEmpty() && fraction.isEmpty());
}

}  // namespace

int PatternDecimals(const QString &pattern) {
    const qsizetype dot = pattern.indexOf(QLatin1Char('.'));
    return dot < 0 ? 0 : int(pattern.size() - dot - 1);
}

QString NormaliseDecimalText(const QString &text, const QString &pattern) {
    if (text.size() < 2)
        return text;
    QString whole, fraction;
    if (!splitDecimal(text, whole, fraction))
        return text;
    const int decimals = PatternDecimals(pattern);

    // Round on the digits themselves, so that 3,455 gives 3,46 exactly.
    QString digits = (whole.isEmpty() ? QStringLiteral("0") : whole);
    QString kept = fraction.left(decimals);
    const bool roundUp = fraction.size() > decimals && fraction[decimals] >= QLatin1Char('5');
    kept = kept.leftJustified(decimals, QLatin1Char('0'));
    QString all = digits + kept;
    if (roundUp) {
        int i = int(all.size()) - 1;
        while (i >= 0 && all[i] == QLatin1Char('9')) {
            all[i] = QLatin1Char('0');
            --i;
        }
        if (i < 0)
            all.prepend(QLatin1Char('1'));
        else
            all[i] = QChar(all[i].unicode() + 1);
    }
    QString intPart = all.left(all.size() - decimals);
    QString fracPart = all.right(decimals);
    while (intPart.size() > 1 && intPart[0] == QLatin1Char('0'))
        intPart.remove(0, 1);
    while (!fracPart.isEmpty() && fracPart.endsWith(QLatin1Char('0')))
        fracPart.chop(1);
    return fracPart.isEmpty() ? intPart : intPart + QLatin1Char(',') + fracPart;
}

std::optional<double> ReadDecimal(const QString &text) {
    QString whole, fraction;
    if (!splitDecimal(text, whole, fraction))
        return std::nullopt;
    bool ok = false;
    const double value =
        QString(QStringLiteral("%1.%2")).arg(whole.isEmpty() ? QStringLiteral("0") : whole,
                                             fraction.isEmpty() ? QStringLiteral("0") : fraction)
            .toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> ReadWholeNumber(const QString &text) {
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

}  // namespace d7
