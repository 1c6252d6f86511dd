#include "generators/diagrams/diagrams.h"

namespace diagrams {
namespace {

constexpr Role P = Role::Part;

} // namespace

Diagram astable() {
    Diagram d{"astable.bmp", 329, 328, timerBlock({-6, 1}, "U1")};
    // One line per part of the circuit; clang-format would break them apart.
    // clang-format off
    const Element circuit[] = {
        SupplyTerminal{{154, 12}, 22}, Text{"5-15V", &fonts::boldSmall, {162, 9}, P},
        vwire(154, 12, 92), dot(154, 52),                             // supply wire
        hwire(52, 53, 94, 244),                                       // supply bar
        vwire(94, 52, 123), hwire(122, 123, 94, 103),                 // reset wire into pin 4
        vwire(244, 52, 61), Resistor{{240, 72, 248, 103}, 62, 114},   // R1, fed from the supply bar
        Text{"R1", &fonts::label, {255, 75}, Role::Label},
        vwire(244, 115, 150), dot(244, 142), hwire(142, 143, 207, 244), // discharge node with pin 7
        Resistor{{240, 163, 248, 193}, 151, 204},                     // R2
        Text{"R2", &fonts::label, {255, 165}, Role::Label},
        vwire(244, 205, 213), hwire(213, 213, 244, 234), dot(234, 213), // threshold node
        hwire(202, 203, 207, 234), vwire(234, 202, 243),              // pin 6 down through it
        hwire(243, 243, 234, 94), vwire(94, 243, 203),                // loop, over the pin-1 wire
        hwire(202, 203, 76, 103), dot(94, 203),                       // pin 2 line from C1
        Capacitor{{51, 192, 51, 213}, {57, 192, 57, 213}, 33, 75},    // C1
        Text{"C1", &fonts::label, {44, 180}, Role::Label},
        hwire(202, 203, 24, 32), vwire(24, 202, 263), hwire(263, 263, 24, 154), dot(154, 263), // C1 return
        hwire(122, 123, 207, 304), dot(304, 123),                     // output, over R1's wire
        Text{"Izlaz", &fonts::boldSmall, {295, 109}, P},
        vwire(154, 231, 303),                                         // ground wire
        hwire(302, 303, 144, 164), hwire(307, 308, 149, 159), hwire(312, 313, 153, 155), // ground bars
        Text{"Astabil", &fonts::title, {17, 117}, P},
    };
    // clang-format on
    d.elements.insert(d.elements.end(), std::begin(circuit), std::end(circuit));
    return d;
}

} // namespace diagrams
