#include "core/stakes/regulars_file.h"

#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

TRegularsFileContent LoadRegularsFile(const std::filesystem::path& path) {
    const std::string bytes = ReadFileBytes(path);
    TRegularsFileContent content;
    const size_t count = bytes.size() / RegularRecordSize;
    content.Regulars.reserve(count);
    std::vector<std::string> problems;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t i = 0; i < count; ++i) {
        TRegular regular = ReadRegular(data + i * RegularRecordSize);
        if (auto problem = RegularRecordProblem(regular)) {
            problems.push_back(Format("Запись %d: %s", {static_cast<int>(i + 1), *problem}));
            continue;
        }
        content.Regulars.push_back(regular);
    }
    if (bytes.size() % RegularRecordSize != 0) {
        problems.push_back(
            Format("Размер файла (%d байт) не кратен размеру записи (%d байта)!",
                   {static_cast<long long>(bytes.size()), static_cast<int>(RegularRecordSize)}));
    }
    for (const std::string& problem : problems)
        content.Problem = content.Problem ? *content.Problem + "\r" + problem : problem;
    return content;
}

void SaveRegularsFile(const std::filesystem::path& path, const std::vector<TRegular>& regulars) {
    std::string bytes(regulars.size() * RegularRecordSize, '\0');
    auto* data = reinterpret_cast<uint8_t*>(bytes.data());
    for (size_t i = 0; i < regulars.size(); ++i)
        WriteRegular(data + i * RegularRecordSize, regulars[i]);
    WriteFileSafely(path, bytes);
}

}  // namespace quorvel
