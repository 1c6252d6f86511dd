#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pictures {

// Writes `bytes` as the whole file at `path`; tells on stderr and returns false when it cannot.
bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

} // namespace pictures
