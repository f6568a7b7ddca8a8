// How a long piece of work reports its progress and is told to stop.
#pragma once

#include <functional>

namespace d7 {

// Told how far a long piece of work is (0 to 1); false asks it to stop.
using Proceed = std::function<bool(double done)>;

// The stretch [from, to] of a larger piece of work; always goes on when the
// whole has no callback.
inline Proceed PartOf(const Proceed &whole, double from, double to) {
    return [whole, from, to](double done) { return !whole || whole(from + (to - from) * done); };
}

}  // namespace d7
