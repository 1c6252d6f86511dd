#include "generators/pictures/svg.h"

#include "generators/pictures/bytes.h"

#include <cstdio>
#include <string>

namespace pictures {

Bytes encodeSvg(const IndexedImage& image) {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                       std::to_string(image.size) + "\" height=\"" + std::to_string(image.size) +
                       "\" viewBox=\"0 0 " + std::to_string(image.size) + " " + std::to_string(image.size) +
                       "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.size; ++y)
        for (int x = 0; x < image.size;) {
            const int index = image.at(x, y);
            int end = x + 1;
            while (end < image.size && image.at(end, y) == index)
                ++end;
            if (index != transparent) {
                const Rgb c = image.palette[static_cast<std::size_t>(index)];
                char fill[8];
                std::snprintf(fill, sizeof fill, "#%02x%02x%02x", c.r, c.g, c.b);
                text += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                        std::to_string(end - x) + "\" height=\"1\" fill=\"" + fill + "\"/>\n";
            }
            x = end;
        }
    text += "</svg>\n";
    return Bytes(text.begin(), text.end());
}

} // namespace pictures
