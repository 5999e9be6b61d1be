#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/stats/custom_stat.h"

namespace quorvel {

// How many of the 1000 combinations carry each value of a method: the norm of the statistics
// table rests on it. Kept per method in "Prefetchs" as 12-byte records (four key words and the
// count), ascending by key, then a trailer of the smallest count, the largest count and 0.
struct FullSetRecord {
    std::array<uint16_t, 4> Key{};
    int32_t Count = 0;
};

struct FullSetData {
    std::vector<FullSetRecord> Records;
    int32_t MinCount = 0;
    int32_t MaxCount = 0;
};

constexpr size_t FullSetRecordSize = 12;

std::filesystem::path FullSetPath(const std::filesystem::path& dataDir, const std::string& code);

// Nothing for a missing or empty file; Error for a file that is not a whole number of records
// with a trailer.
std::optional<FullSetData> ReadFullSetFile(const std::filesystem::path& path);
void WriteFullSetFile(const std::filesystem::path& path, const FullSetData& data);

// Evaluates the method over the full combination set.
FullSetData BuildFullSet(TCustomStat& stat);

}  // namespace quorvel
