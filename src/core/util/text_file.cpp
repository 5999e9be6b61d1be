#include "core/util/text_file.h"

#include "core/util/codepage.h"
#include "core/util/safe_file.h"

namespace quorvel {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        char c = text[pos];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, pos - start));
            pos += (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') ? 2 : 1;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::vector<std::string> ReadTextFile(const std::filesystem::path& path) {
    return SplitLines(Cp1251ToUtf8(ReadFileBytes(path)));
}

void WriteTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += Utf8ToCp1251(line);
        bytes += "\r\n";
    }
    WriteFileSafely(path, bytes);
}

}  // namespace quorvel
