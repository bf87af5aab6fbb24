#pragma once

#include <array>

namespace report {

enum class Alignment { Left = 1, Centred = 2, Right = 3 };

// The 21 tab stops (0 to 20) a report places its texts on: positions in inches from the left
// edge, with the side of the text that sits on the position.
struct TabStops {
    static constexpr int Count = 21;

    std::array<double, Count> position{};
    std::array<int, Count> alignment;

    TabStops() { alignment.fill(static_cast<int>(Alignment::Left)); }
    static bool exists(int tab) { return tab >= 0 && tab < Count; }
    // Tabs 1 to 20 go back to 0, left; tab 0 keeps what it has.
    void reset() {
        for (int tab = 1; tab < Count; ++tab) {
            position[tab] = 0;
            alignment[tab] = static_cast<int>(Alignment::Left);
        }
    }
};

}  // namespace report
