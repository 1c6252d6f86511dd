// Writes the circuit pictures as BMP files: tvorka1_diagram_gen OUTDIR
#include "generators/diagrams/diagrams.h"
#include "generators/pictures/bmp.h"
#include "generators/pictures/file.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const diagrams::Diagram& diagram : {diagrams::monostable(), diagrams::astable()})
        if (!pictures::writeFile(dir / diagram.fileName, pictures::encodeBmp(diagrams::draw(diagram))))
            return 1;
    return 0;
}
