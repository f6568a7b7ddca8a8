#include "declaration/StreetNames.h"

#include "text/CodePage.h"

namespace d7 {

namespace {
inline std::uint16_t advance(std::uint16_t k, unsigned char stored, StreetNameKey key) {
    return std::uint16_t((k + stored) * key.multiplier + key.increment);
}
}  // namespace

QByteArray DescrambleStreetName(const QByteArray &stored, StreetNameKey key) {
    QByteArray out(stored.size(), '\0');
    std::uint16_t k = key.start;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const auto b = static_cast<unsigned char>(stored[i]);
        const unsigned char v = (b == 32) ? 0 : b;
        out[i] = char(v ^ (k >> 8));
        k = advance(k, b, key);
    }
    return out;
}

std::optional<QByteArray> ScrambleStreetName(const QByteArray &name, StreetNameKey key) {
    QByteArray out(name.size(), '\0');
    std::uint16_t k = key.start;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const auto plain = static_cast<unsigned char>(name[i]);
        const auto high = static_cast<unsigned char>(k >> 8);
        unsigned char stored = plain ^ high;
        if (stored == 0)
            stored = 32;           // a blank decodes as the high byte itself
        else if (stored == 32)
            return std::nullopt;   // would decode as the high byte, not as the name
        out[i] = char(stored);
        k = advance(k, stored, key);
    }
    return out;
}

QByteArray ListedStreetNameBytes(const QByteArray &stored) {
    return UpperCp1253(DescrambleStreetName(stored));
}

QString ListedStreetName(const QByteArray &stored) {
    return DecodeText(CodePage::Windows1253, ListedStreetNameBytes(stored));
}

}  // namespace d7
