#include "generators/diagrams/diagrams.h"

namespace diagrams {
namespace {

constexpr Role P = Role::Part;
constexpr Role L = Role::Label;
constexpr Anchor End = Anchor::End;
constexpr Direction Up = Direction::Up;

// Pins follow the NE555 pin-out: 1 GND, 2 TR, 3 Q, 4 R, 5 CV, 6 TH, 7 DC, 8 VCC.
const Element timer[] = {
    vbar(P, 160, 92, 112),                     // pin 8, up from the top edge
    vbar(P, 160, 212, 229),                    // pin 1, down from the bottom edge
    hbar(P, 121, 122, 110, 123),               // pin 4, out from the inversion ring
    hbar(P, 161, 162, 110, 130),               // pin 5, ends open
    hbar(P, 201, 202, 110, 130),               // pin 2
    hbar(P, 121, 122, 190, 208),               // pin 3
    hbar(P, 141, 142, 190, 208),               // pin 7
    hbar(P, 201, 202, 190, 208),               // pin 6
    Fade{{209, 121, 212, 122}, P, Role::Wire}, // right-hand stubs turn into their wires
    Fade{{209, 141, 212, 142}, P, Role::Wire},
    Fade{{209, 201, 212, 202}, P, Role::Wire},
    Panel{{130, 112, 190, 212}, 1},
    Disc{{125, 119, 130, 124}, Role::Ground}, // the inversion ring stands in front of the body's edge
    Ring{{124, 118, 131, 125}, P},
    Text{"R", &fonts::small, {135, 118}, L},
    Text{"CV", &fonts::small, {135, 158}, L},
    Text{"TR", &fonts::small, {135, 198}, L},
    Text{"Q", &fonts::small, {185, 118}, L, Direction::Across, End},
    Text{"DC", &fonts::small, {185, 138}, L, Direction::Across, End},
    Text{"TH", &fonts::small, {185, 198}, L, Direction::Across, End},
    Text{"VCC", &fonts::small, {157, 133}, L, Up},
    Text{"GND", &fonts::small, {157, 205}, L, Up},
    Text{"4", &fonts::tiny, {116, 115}, L},
    Text{"5", &fonts::tiny, {116, 155}, L},
    Text{"2", &fonts::tiny, {116, 195}, L},
    Text{"3", &fonts::tiny, {201, 115}, L},
    Text{"7", &fonts::tiny, {201, 135}, L},
    Text{"6", &fonts::tiny, {201, 195}, L},
    Text{"8", &fonts::tiny, {154, 101}, L, Up},
    Text{"1", &fonts::tiny, {154, 225}, L, Up},
    Text{"NE555", &fonts::tiny, {192, 224}, L},
};

} // namespace

std::vector<Element> timerBlock(Point by, std::string_view name) {
    std::vector<Element> block;
    for (const Element& element : timer)
        block.push_back(moved(element, by));
    block.push_back(moved(Text{name, &fonts::label, {192, 90}, L}, by));
    return block;
}

} // namespace diagrams
