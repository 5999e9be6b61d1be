#include "core/combos/generation.h"

#include <array>

#include "core/combos/comb_files.h"
#include "core/model/lists.h"
#include "core/model/text_forms.h"
#include "core/util/text.h"

namespace quorvel {

std::string CombsGenerateModeText(int mode) {
    switch (mode) {
        case 0:
            return "Полный список (все возможные для данного лото варианты)";
        case 1:
            return "Мои числа - должно присутствовать любое из указанных";
        case 2:
            return "Мои числа - комбинации только из списка указанных";
        case 3:
            return "Мои числа - исключить комбинации с любым из указанных";
        case 4:
            return "Загрузить список из заранее подготовленного CSV-файла";
        default:
            return {};
    }
}

TByteArray MyNumbers(std::string_view text) {
    TByteArray numbers;
    for (std::string_view word : SplitWords(text, ",;")) {
        word = TrimBlanks(word);
        // "7;" or "7; ;8" holds no number after the 7, not a 0.
        if (word.empty()) continue;
        int value = StrToValue(word);
        if (value >= 0 && value <= 255) ByteListAdd(numbers, static_cast<uint8_t>(value));
    }
    return numbers;
}

bool MyNumbersMissing(const TCombsGenerateParams& params) {
    if (params.Mode < 1 || params.Mode > 3) return false;
    const TByteArray numbers = MyNumbers(params.Parameters);
    return std::none_of(numbers.begin(), numbers.end(), [](uint8_t n) { return IsValidValue(n); });
}

TCombsArray GenerateCombs(const TCombsGenerateParams& params) {
    if (params.Mode == 4) return ReadCombsFile(params.Parameters);

    std::array<bool, ValueCount> mine{};
    if (params.Mode >= 1 && params.Mode <= 3) {
        // Numbers above 9 are kept in the set but can never match a value.
        for (uint8_t n : MyNumbers(params.Parameters)) {
            if (IsValidValue(n)) mine[n] = true;
        }
    }
    auto admits = [&](const TComb& comb) {
        int hits = mine[comb.Values[0]] + mine[comb.Values[1]] + mine[comb.Values[2]];
        switch (params.Mode) {
            case 1:
                return hits > 0;
            case 2:
                return hits == PositionCount;
            case 3:
                return hits == 0;
            default:
                return true;
        }
    };

    TCombsArray combs;
    combs.reserve(CombinationCount);
    for (int a = ValueMin; a <= ValueMax; ++a) {
        for (int b = ValueMin; b <= ValueMax; ++b) {
            for (int c = ValueMin; c <= ValueMax; ++c) {
                TComb comb{{static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c)}};
                if (admits(comb)) combs.push_back(comb);
            }
        }
    }
    return combs;
}

}  // namespace quorvel
