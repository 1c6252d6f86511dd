// Finds where a picture appears, pixel for pixel, in a screenshot: the one place where the
// top-left WIDTH x HEIGHT of PICTURE is exactly there.
// Usage: find_picture SCREENSHOT PICTURE WIDTH HEIGHT
// Prints "X Y" and exits 0; exits 1 when it is nowhere, 2 when it is in more than one place.

#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: find_picture SCREENSHOT PICTURE WIDTH HEIGHT\n");
        return 3;
    }
    const QImage screen = QImage(argv[1]).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(argv[2]).convertToFormat(QImage::Format_RGB32);
    const int w = std::atoi(argv[3]);
    const int h = std::atoi(argv[4]);
    if (screen.isNull() || picture.isNull() || w <= 0 || h <= 0 || w > picture.width() ||
        h > picture.height()) {
        std::fprintf(stderr, "find_picture: cannot read the images or the size is wrong\n");
        return 3;
    }
    const auto rowBytes = static_cast<std::size_t>(w) * 4;
    auto matchesAt = [&](int x, int y) {
        for (int row = 0; row < h; ++row)
            if (std::memcmp(screen.constScanLine(y + row) + x * 4, picture.constScanLine(row), rowBytes) != 0)
                return false;
        return true;
    };
    int found = 0, fx = 0, fy = 0;
    for (int y = 0; y + h <= screen.height(); ++y)
        for (int x = 0; x + w <= screen.width(); ++x)
            if (matchesAt(x, y) && found++ == 0) {
                fx = x;
                fy = y;
            }
    if (found == 0)
        return 1;
    std::printf("%d %d\n", fx, fy);
    return found == 1 ? 0 : 2;
}
