#include "core/systems/system_lines.h"

#include <algorithm>

#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

// A system index is written with digits only; a sign would already have been a separator.
std::optional<int> ParseIndex(std::string_view word) {
    if (word.empty() || word.size() > 9) return std::nullopt;
    if (!std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return ParseInt32(word);
}

TSystemLine ParseLine(const std::vector<std::string_view>& words, int numbers, int lineNumber,
                      const std::string& source) {
    if (words.size() < SystemCombLength)
        throw Error(Format("Строка %d файла \"%s\": меньше трех чисел!", {lineNumber, source}));
    TSystemLine line{};
    for (size_t p = 0; p < line.size(); ++p) {
        const auto index = ParseIndex(words[p]);
        if (!index) {
            throw Error(Format("Строка %d файла \"%s\": значение \"%s\" не является целым числом!",
                               {lineNumber, source, words[p]}));
        }
        if (*index < 1 || *index > numbers) {
            throw Error(Format("Строка %d файла \"%s\": номер %d вне диапазона от 1 до %d!",
                               {lineNumber, source, *index, numbers}));
        }
        line[p] = *index;
    }
    return line;
}

}  // namespace

std::vector<TSystemLine> ParseSystemLines(const std::vector<std::string>& lines, int numbers,
                                          const std::string& source) {
    std::vector<TSystemLine> result;
    result.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto words = SplitWords(lines[i], SystemSeparators);
        if (words.empty()) continue;
        result.push_back(ParseLine(words, numbers, static_cast<int>(i) + 1, source));
    }
    return result;
}

std::string SystemLineText(const TSystemLine& line) {
    return Format("%.2d %.2d %.2d", {line[0], line[1], line[2]});
}

TComb TranslateSystemLine(const TSystemLine& line, const TByteArray& numbers) {
    TComb comb;
    for (size_t p = 0; p < line.size(); ++p)
        comb.Values[p] = numbers[static_cast<size_t>(line[p] - 1)];
    return comb;
}

TNormalizedSystem NormalizeSystemText(std::string_view text) {
    TNormalizedSystem result;
    for (const std::string& raw : SplitLines(text)) {
        const auto words = SplitWords(raw, SystemSeparators);
        if (words.size() != SystemCombLength) continue;
        TSystemLine line{};
        bool numeric = true;
        for (size_t p = 0; p < line.size() && numeric; ++p) {
            const auto index = ParseIndex(words[p]);
            numeric = index.has_value();
            if (numeric) line[p] = *index;
        }
        if (!numeric) continue;
        const auto [low, high] = std::minmax_element(line.begin(), line.end());
        result.Smallest = result.Combs.empty() ? *low : std::min(result.Smallest, *low);
        result.Largest = result.Combs.empty() ? *high : std::max(result.Largest, *high);
        result.Combs.push_back(line);
        result.Lines.push_back(SystemLineText(line));
    }
    return result;
}

std::vector<TSystemLine> CompleteSystem(int numbers) {
    std::vector<TSystemLine> lines;
    for (int a = 1; a <= numbers; ++a) {
        for (int b = a + 1; b <= numbers; ++b) {
            for (int c = b + 1; c <= numbers; ++c)
                lines.push_back({a, b, c});
        }
    }
    return lines;
}

}  // namespace quorvel
