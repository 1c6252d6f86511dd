#pragma once

#include "generators/pictures/indexed.h"

#include <cstdint>
#include <vector>

namespace pictures {

// An ICO file of the images in order, each as a device-independent bitmap with its palette and
// transparency mask.
std::vector<std::uint8_t> encodeIco(const std::vector<IndexedImage>& images);

} // namespace pictures
