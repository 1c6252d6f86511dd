// Writes the pixels of a stored picture or icon as C++, so that the program hands them to the
// window system at start without decoding anything. Plain C++, so that a build for another
// platform runs it where it builds.
// Usage: tvorka1_ready_pixels picture|picture-runs|icon FILE NAME OUTBASE  (writes OUTBASE.h, .cpp)
//   picture: a 24-bit uncompressed BMP, as opaque rows (Rgb32);
//   picture-runs: the same as runs of one colour (Rgb32Runs);
//   icon: each size of an ICO, the image with the most colours, its mask made transparent (Argb32).
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Image {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // 0xAARRGGBB, rows top first
};

unsigned get16(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}
std::uint32_t get32(const Bytes& b, std::size_t at) {
    return get16(b, at) | std::uint32_t(get16(b, at + 2)) << 16;
}
std::int32_t getSigned32(const Bytes& b, std::size_t at) {
    return static_cast<std::int32_t>(get32(b, at));
}

// Rows of a device-independent bitmap are stored bottom first, each padded to 4 bytes.
std::size_t stride(int width, int bits) {
    return (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
}

// A DIB at `at` (its 40-byte header): 24 bits a pixel for a picture; 1, 4 or 8 with a colour
// table, or 32, for an icon, whose height counts its mask too.
std::optional<Image> readDib(const Bytes& b, std::size_t at, std::optional<std::size_t> pixelsAt,
                             bool withMask) {
    if (get32(b, at) != 40 || get32(b, at + 16) != 0) // BITMAPINFOHEADER, BI_RGB
        return std::nullopt;
    Image image{getSigned32(b, at + 4), getSigned32(b, at + 8), {}};
    const int bits = static_cast<int>(get16(b, at + 14));
    if (withMask)
        image.height /= 2;
    if (image.width <= 0 || image.height <= 0)
        return std::nullopt;
    const std::size_t colours = bits <= 8 ? (get32(b, at + 32) ? get32(b, at + 32) : 1u << bits) : 0;
    const std::size_t table = at + 40;
    const std::size_t data = pixelsAt.value_or(table + 4 * colours);
    const std::size_t mask = data + stride(image.width, bits) * image.height;
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const std::size_t row = data + stride(image.width, bits) * (image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t argb = 0;
            if (bits == 24 || bits == 32) {
                const std::size_t p = row + static_cast<std::size_t>(x) * (bits / 8);
                argb = 0xFF000000u | b.at(p + 2) << 16 | b.at(p + 1) << 8 | b.at(p);
            } else if (bits == 1 || bits == 4 || bits == 8) {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                const unsigned index = (b.at(row + bit / 8) >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
                if (index >= colours)
                    return std::nullopt;
                argb = 0xFF000000u | (get32(b, table + 4 * index) & 0xFFFFFF);
            } else {
                return std::nullopt;
            }
            if (withMask) {
                const std::size_t maskRow = mask + stride(image.width, 1) * (image.height - 1 - y);
                if (b.at(maskRow + x / 8) >> (7 - x % 8) & 1)
                    argb = 0; // transparent
            }
            image.pixels[static_cast<std::size_t>(y) * image.width + x] = argb;
        }
    }
    return image;
}

std::optional<Image> readBmp(const Bytes& b) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || get16(b, 28) != 24)
        return std::nullopt;
    return readDib(b, 14, get32(b, 10), false);
}

// Every size of the icon, largest first, each from its image with the most bits a pixel.
std::vector<Image> readIco(const Bytes& b) {
    if (b.size() < 6 || get16(b, 0) != 0 || get16(b, 2) != 1)
        return {};
    std::map<int, std::pair<unsigned, Image>, std::greater<>> best; // by size: bits, image
    for (unsigned i = 0; i < get16(b, 4); ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::optional<Image> image = readDib(b, get32(b, entry + 12), std::nullopt, true);
        if (!image)
            return {};
        const unsigned bits = get16(b, get32(b, entry + 12) + 14);
        auto& slot = best[image->width];
        if (bits > slot.first)
            slot = {bits, *image};
    }
    std::vector<Image> images;
    for (auto& [size, found] : best)
        images.push_back(std::move(found.second));
    return images;
}

// Pairs of words: how many pixels in a row have one colour, then the colour.
std::vector<std::uint32_t> inRuns(const std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint32_t> words;
    for (std::size_t at = 0, end; at < pixels.size(); at = end) {
        for (end = at + 1; end < pixels.size() && pixels[end] == pixels[at]; ++end) {
        }
        words.insert(words.end(), {static_cast<std::uint32_t>(end - at), pixels[at]});
    }
    return words;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string kind = argc == 5 ? argv[1] : "";
    if (kind != "picture" && kind != "picture-runs" && kind != "icon") {
        std::fprintf(stderr, "usage: tvorka1_ready_pixels picture|picture-runs|icon FILE NAME OUTBASE\n");
        return 2;
    }
    const bool icon = kind == "icon", runs = kind == "picture-runs";
    const std::string name = argv[3], base = argv[4];
    std::ifstream in(argv[2], std::ios::binary);
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<Image> images;
    try {
        if (icon)
            images = readIco(bytes);
        else if (std::optional<Image> picture = readBmp(bytes))
            images.push_back(std::move(*picture));
    } catch (const std::out_of_range&) {
        images.clear(); // a file shorter than its headers say
    }
    if (images.empty()) {
        std::fprintf(stderr, "tvorka1_ready_pixels: cannot read %s\n", argv[2]);
        return 1;
    }

    const std::string note = "// Generated by tvorka1_ready_pixels from " +
                             std::filesystem::path(argv[2]).filename().string() + "; do not edit.\n";
    const std::string count = std::to_string(images.size());
    std::ofstream header(base + ".h", std::ios::trunc), source(base + ".cpp", std::ios::trunc);
    header << note << "#pragma once\n\n#include \"runtime/core/definition.h\"\n\nnamespace artwork {\n"
           << "extern const runtime::Pixels " << name << "[" << count << "];\n}\n";
    source << note << "#include \"" << std::filesystem::path(base).filename().string()
           << ".h\"\n\nnamespace {\n\n";
    for (std::size_t i = 0; i < images.size(); ++i) {
        source << "alignas(64) constexpr std::uint32_t data" << i << "[] = {";
        const std::vector<std::uint32_t> words = runs ? inRuns(images[i].pixels) : images[i].pixels;
        for (std::size_t p = 0; p < words.size(); ++p) {
            char word[16];
            std::snprintf(word, sizeof word, "0x%xu,", words[p]);
            source << (p % 8 ? " " : "\n    ") << word;
        }
        source << "\n};\n";
    }
    const char* format = icon   ? "runtime::PixelFormat::Argb32"
                         : runs ? "runtime::PixelFormat::Rgb32Runs"
                                : "runtime::PixelFormat::Rgb32";
    source << "\n} // namespace\n\nnamespace artwork {\nconst runtime::Pixels " << name << "[" << count
           << "] = {\n";
    for (std::size_t i = 0; i < images.size(); ++i)
        source << "    {" << images[i].width << ", " << images[i].height << ", " << format << ", data" << i
               << "},\n";
    source << "};\n}\n";
    header.close();
    source.close();
    if (!header || !source) {
        std::fprintf(stderr, "tvorka1_ready_pixels: cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
