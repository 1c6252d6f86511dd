// Writes the circuit pictures as BMP files: tvorka1_diagram_gen OUTDIR
#include "pictures/bmp.h"
#include "window/diagrams/diagrams.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    for (const diagrams::Diagram& diagram : {diagrams::monostable(), diagrams::astable()}) {
        const std::vector<std::uint8_t> bytes = diagrams::encodeBmp(diagrams::draw(diagram));
        const std::filesystem::path path = dir / diagram.fileName;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
