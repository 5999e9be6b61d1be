#include "core/combos/comb_files.h"

#include <optional>

#include "core/model/text_forms.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

// A list file line that is not a combination is skipped without a word, so no exception is
// spent on it.
std::optional<TComb> ListFileLineComb(std::string_view line) {
    auto words = SplitWords(line, ",;");
    if (words.size() != PositionCount) return std::nullopt;
    TComb comb;
    for (int p = 0; p < PositionCount; ++p) {
        int value = StrToValue(words[p]);
        if (!IsValidValue(value)) return std::nullopt;
        comb.Values[p] = static_cast<uint8_t>(value);
    }
    return comb;
}

}  // namespace

TCombsArray ReadCombsFile(const std::filesystem::path& path) {
    TCombsArray combs;
    combs.reserve(CombinationCount);
    for (const std::string& line : ReadTextFile(path)) {
        if (auto comb = ListFileLineComb(line)) combs.push_back(*comb);
    }
    return combs;
}

void WriteCombsFile(const std::filesystem::path& path, std::span<const TComb> combs) {
    // The lines are plain ASCII, identical in code page 1251.
    std::string bytes;
    bytes.reserve(combs.size() * 7);
    for (const TComb& comb : combs) {
        bytes += CombToStr(comb);
        bytes += "\r\n";
    }
    WriteFileSafely(path, bytes);
}

std::string CombsReadErrorText(std::string_view file, std::string_view reason) {
    return Format("Ошибка чтения файла \"%s\"!\r\r%s", {file, reason});
}

std::string CombsWriteErrorText(std::string_view file, std::string_view reason) {
    return Format("Ошибка записи в файл \"%s\"!\r\r%s", {file, reason});
}

std::string CombsToClipboardText(std::span<const TComb> combs) {
    std::string text;
    text.reserve(combs.size() * 10);
    for (size_t i = 0; i < combs.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += CombToPaddedStr(combs[i]);
    }
    return text;
}

TCombsArray ParseClipboardText(std::string_view text) {
    TCombsArray combs;
    for (const std::string& line : SplitLines(text)) {
        // Text copied from an editor or a spreadsheet often carries empty lines; they hold
        // no combination and are no mistake of the user.
        if (TrimBlanks(line).empty()) continue;
        combs.push_back(StrToComb(line));
    }
    return combs;
}

}  // namespace quorvel
