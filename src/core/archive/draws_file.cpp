#include "core/archive/draws_file.h"

#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

DrawsFileContent LoadDrawsFile(const std::filesystem::path& path) {
    DrawsFileContent content;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return content;
    const std::string bytes = ReadFileBytes(path);
    const size_t whole = bytes.size() / DrawRecordSize;
    content.Draws.reserve(whole);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t i = 0; i < whole; ++i)
        content.Draws.push_back(ReadDrawRecord(data + i * DrawRecordSize));
    if (bytes.size() % DrawRecordSize != 0) {
        content.ReadError = Format(
            "Файл \"%s\" обрезан: после %d полных записей осталось %d лишних байт.",
            {PathText(path), static_cast<int>(whole), static_cast<int>(bytes.size() % DrawRecordSize)});
    }
    return content;
}

void SaveDrawsFile(const std::filesystem::path& path, const TDrawsArray& draws) {
    std::string bytes(draws.size() * DrawRecordSize, '\0');
    auto* data = reinterpret_cast<uint8_t*>(bytes.data());
    for (size_t i = 0; i < draws.size(); ++i)
        WriteDrawRecord(data + i * DrawRecordSize, draws[i]);
    WriteFileSafely(path, bytes);
}

}  // namespace quorvel
