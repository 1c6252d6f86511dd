#pragma once

// The letters of the diagrams, drawn by hand in the pixel font.

#include "generators/pictures/font.h"

namespace diagrams::fonts {

extern const pictures::Font small;     // regular, capitals 7 high: pin names and the note
extern const pictures::Font tiny;      // regular, 5 high: pin numbers and the timer's type
extern const pictures::Font label;     // regular, 9 high: part names
extern const pictures::Font boldSmall; // bold, capitals 7 high: supply, output and trigger labels
extern const pictures::Font title;     // bold, capitals 12 high: the circuit name

} // namespace diagrams::fonts
