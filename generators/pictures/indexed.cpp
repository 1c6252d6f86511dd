#include "generators/pictures/indexed.h"

namespace pictures {

IndexedImage scaled(const IndexedImage& image, int factor) {
    IndexedImage out{image.size * factor, image.bits, {}, image.palette};
    for (int y = 0; y < out.size; ++y)
        for (int x = 0; x < out.size; ++x)
            out.pixels.push_back(image.at(x / factor, y / factor));
    return out;
}

IndexedImage centred(const IndexedImage& image, int size) {
    IndexedImage out{size, image.bits, std::vector<int>(static_cast<std::size_t>(size * size), transparent),
                     image.palette};
    const int offset = (size - image.size) / 2;
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size; ++x)
            out.pixels[static_cast<std::size_t>((y + offset) * size + x + offset)] = image.at(x, y);
    return out;
}

} // namespace pictures
