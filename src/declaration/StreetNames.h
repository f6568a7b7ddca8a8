// Street names are kept scrambled in the reference data. The three numbers of
// the scrambling live here, beside the routine that undoes it; the reference
// builder uses the same numbers to scramble.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace d7 {

struct StreetNameKey {
    std::uint16_t start;
    std::uint16_t multiplier;
    std::uint16_t increment;
};
// With multiplier 1 the key's high byte starts at 0xA5 and drifts up slowly,
// staying clear of the values that would turn a capital letter, digit or
// blank into an unstorable blank: every census name of the country scrambles.
inline constexpr StreetNameKey kStreetNameKey{0xA5C3, 0x0001, 0x002B};

// Stored bytes to the code-page 1253 bytes of the name. A stored blank decodes
// as the key's high byte alone, while the key still advances by 32.
QByteArray DescrambleStreetName(const QByteArray &stored, StreetNameKey key = kStreetNameKey);

// The stored bytes that descramble to the name, or nothing when no such bytes
// exist (a position whose only encoding would be a blank).
std::optional<QByteArray> ScrambleStreetName(const QByteArray &name, StreetNameKey key = kStreetNameKey);

// A stored name as the lists show it: descrambled and in capitals, as the
// code-page bytes (for ordering) and as text.
QByteArray ListedStreetNameBytes(const QByteArray &stored);
QString ListedStreetName(const QByteArray &stored);

}  // namespace d7
