#include "core/stats/fullset_file.h"

#include "core/stats/evaluation.h"
#include "core/util/endian.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/version.h"

namespace quorvel {

std::filesystem::path FullSetPath(const std::filesystem::path& dataDir, const std::string& code) {
    return dataDir / "Prefetchs" / (std::string(ProgramName) + "_" + code + ".dfc");
}

std::optional<FullSetData> ReadFullSetFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    const std::string bytes = ReadFileBytes(path);
    if (bytes.empty()) return std::nullopt;
    if (bytes.size() % FullSetRecordSize != 0) {
        throw Error(Format("Файл повреждён: его длина (%d байт) не кратна длине записи",
                           {static_cast<int64_t>(bytes.size())}));
    }
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    const size_t records = bytes.size() / FullSetRecordSize - 1;
    FullSetData content;
    content.Records.resize(records);
    for (size_t r = 0; r < records; ++r) {
        const uint8_t* p = data + r * FullSetRecordSize;
        for (int w = 0; w < 4; ++w)
            content.Records[r].Key[w] = static_cast<uint16_t>(p[2 * w] | p[2 * w + 1] << 8);
        content.Records[r].Count = ReadInt32Le(p + 8);
    }
    const uint8_t* trailer = data + records * FullSetRecordSize;
    content.MinCount = ReadInt32Le(trailer);
    content.MaxCount = ReadInt32Le(trailer + 4);
    return content;
}

void WriteFullSetFile(const std::filesystem::path& path, const FullSetData& data) {
    std::string bytes((data.Records.size() + 1) * FullSetRecordSize, '\0');
    auto* out = reinterpret_cast<uint8_t*>(bytes.data());
    for (size_t r = 0; r < data.Records.size(); ++r) {
        uint8_t* p = out + r * FullSetRecordSize;
        for (int w = 0; w < 4; ++w) {
            p[2 * w] = static_cast<uint8_t>(data.Records[r].Key[w]);
            p[2 * w + 1] = static_cast<uint8_t>(data.Records[r].Key[w] >> 8);
        }
        WriteInt32Le(p + 8, data.Records[r].Count);
    }
    uint8_t* trailer = out + data.Records.size() * FullSetRecordSize;
    WriteInt32Le(trailer, data.MinCount);
    WriteInt32Le(trailer + 4, data.MaxCount);
    std::filesystem::create_directories(path.parent_path());
    WriteFileSafely(path, bytes);
}

FullSetData BuildFullSet(TCustomStat& stat) {
    TStatDrawArray table;
    EvaluateFullSet(stat, table);
    const TValueTotals totals = ValueTotals(table);
    FullSetData data;
    data.MinCount = totals.MinCount;
    data.MaxCount = totals.MaxCount;
    data.Records.reserve(table.size());
    for (const TStatDraw& entry : table)
        data.Records.push_back({entry.Key, entry.Count});
    return data;
}

}  // namespace quorvel
