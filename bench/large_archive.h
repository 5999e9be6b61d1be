#pragma once

#include <filesystem>

#include "core/archive/draw_archive.h"

namespace quorvel::bench {

// The number of draws of the large benchmark archive: about as many as a real archive holds
// after a quarter of a century of three draws a day.
inline constexpr int LargeArchiveDraws = 27000;

// The large archive: random values, rising numbers and dates. Written once as a delimited text
// file beside the benchmarks and imported from it, as a user's archive would be.
const DrawArchive& LargeArchive();
std::filesystem::path LargeArchiveFile();

}  // namespace quorvel::bench
