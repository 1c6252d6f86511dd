#include "generators/diagrams/diagrams.h"

namespace diagrams {
namespace {

constexpr Role P = Role::Part;

// Tells the student that the push-button is optional and may be left out of the circuit.
constexpr std::string_view note = "Dugme je opcionalno, ako ga ne zelite samo ga izostavite sa sheme!";

} // namespace

Diagram monostable() {
    Diagram d{"monostable.bmp", 329, 342, timerBlock({0, 0}, "U2")};
    // One line per part of the circuit; clang-format would break them apart.
    // clang-format off
    const Element circuit[] = {
        // Dashed box round the push-button first, so that the button's wires pass over its dashes.
        vbar(P, 80, 211, 222), vbar(P, 80, 231, 242), vbar(P, 80, 252, 262), // box, left side
        vbar(P, 120, 211, 222), vbar(P, 120, 231, 242), vbar(P, 120, 252, 262), // box, right side
        hbar(P, 211, 212, 89, 110), hbar(P, 261, 262, 90, 111),       // box, top and bottom

        SupplyTerminal{{160, 21}, 31}, Text{"5-15V", &fonts::boldSmall, {168, 17}, P},
        vwire(160, 21, 91), dot(160, 61), dot(160, 81),               // supply wire
        hwire(61, 62, 160, 199), Resistor{{209, 57, 241, 66}, 200, 251}, // R1, fed from the supply
        Text{"R1", &fonts::label, {211, 46}, Role::Label},
        hwire(61, 62, 252, 260), vwire(260, 61, 163), dot(260, 142),  // timing line
        Capacitor{{250, 178, 270, 179}, {250, 184, 270, 185}, 164, 203}, // C1
        Text{"C1", &fonts::label, {277, 174}, Role::Label},
        vwire(260, 204, 252), hwire(251, 252, 260, 160),              // C1 to ground
        hwire(81, 82, 160, 100), vwire(100, 81, 122), hwire(121, 122, 100, 109), // reset wire into pin 4
        hwire(121, 122, 213, 290), dot(290, 121),                     // output, over the timing line
        Text{"Izlaz", &fonts::boldSmall, {271, 108}, P},
        hwire(141, 142, 213, 260), dot(220, 142),                     // pin 7 to the timing line
        hwire(201, 202, 213, 220), vwire(220, 202, 142),              // pin 6 up to pin 7
        dot(40, 202), hwire(201, 202, 40, 109), dot(100, 202),        // trigger input into pin 2
        Text{"Trigger", &fonts::boldSmall, {24, 188}, P},
        vwire(160, 230, 302), dot(160, 252), dot(160, 272),           // ground wire
        hwire(301, 302, 150, 170), hwire(306, 307, 155, 165), hwire(311, 312, 158, 161), // ground bars

        // Push-button: two open contacts on x 100, worked by the plunger on x 92.
        vwire(100, 202, 216), vbar(P, 100, 217, 226),                 // down to the upper contact
        Ring{{97, 227, 103, 233}, P}, Ring{{97, 251, 103, 257}, P},   // the contacts
        vbar(P, 100, 258, 268), vwire(100, 269, 272), hwire(271, 272, 100, 160), // on to the ground wire
        vbar(P, 92, 227, 256), Bar{{87, 233, 92, 250}, Role::Fill},   // plunger and its bar
        Disc{{86, 218, 94, 225}, Role::Knob},                         // knob

        Text{"Monostabil", &fonts::title, {9, 116}, P},
        Text{note, &fonts::small, {11, 319}, P},
        hbar(Role::Rule, 338, 338, 5, 317),
    };
    // clang-format on
    d.elements.insert(d.elements.end(), std::begin(circuit), std::end(circuit));
    return d;
}

} // namespace diagrams
