#include "core/systems/system_game.h"

#include <bitset>

#include "core/model/text_forms.h"
#include "core/model/transforms.h"
#include "core/systems/system_files.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

namespace {

constexpr const char* LoadErrorText = "Ошибка загрузки комбинаций системы!\r\r%s";

int CombIndex(const TComb& comb) {
    return comb.Values[0] * 100 + comb.Values[1] * 10 + comb.Values[2];
}

std::bitset<CombinationCount> CombSet(std::span<const TComb> combs) {
    std::bitset<CombinationCount> set;
    for (const TComb& comb : combs) {
        if (IsValidValue(comb.Values[0]) && IsValidValue(comb.Values[1]) && IsValidValue(comb.Values[2]))
            set.set(static_cast<size_t>(CombIndex(comb)));
    }
    return set;
}

TSystemLoad NotFound(int numbers) {
    TSystemLoad load;
    load.Reason = SystemNotFoundReason(numbers);
    load.Message = load.Reason +
                   "\r\rПеред системной игрой необходимо предварительно загрузить системы на Ваш компьютер "
                   "через меню \"Системы\" - \"Загрузить\".";
    return load;
}

}  // namespace

std::string SystemNotFoundReason(int numbers) {
    return Format("Система для %d чисел не найдена или не загружена на компьютер!", {numbers});
}

TSystemLoad LoadSystemForNumbers(const std::filesystem::path& folder, const TByteArray& numbers) {
    const int count = static_cast<int>(numbers.size());
    if (count < SystemNumbersMin || count > SystemNumbersMax) return NotFound(count);
    const auto files = FindSystemFiles(folder, count);
    if (files.empty()) return NotFound(count);
    TSystemLoad load;
    load.Reason = PathText(files.front());
    try {
        const std::vector<TSystemLine> lines = ReadSystemFile(files.front(), count);
        if (lines.empty()) return load;
        TSystemGame game{numbers, {}, files.front()};
        game.Combs.reserve(lines.size());
        for (const TSystemLine& line : lines)
            game.Combs.push_back(TranslateSystemLine(line, numbers));
        load.Game = std::move(game);
    } catch (const std::exception& e) {
        load.Message = Format(LoadErrorText, {std::string(e.what())});
    }
    return load;
}

std::vector<TComb> SystemStakeCombs(const TSystemGame& game, std::span<const TComb> current, bool filtered) {
    const std::bitset<CombinationCount> held = filtered ? CombSet(current) : std::bitset<CombinationCount>();
    std::vector<TComb> combs;
    combs.reserve(game.Combs.size());
    for (const TComb& comb : game.Combs) {
        const TComb sorted = SortComb(comb);
        if (filtered && !held.test(static_cast<size_t>(CombIndex(sorted)))) continue;
        combs.push_back(sorted);
    }
    return combs;
}

std::vector<TStakeRecord> SystemStakeRecords(const TSystemGame& game, std::span<const TComb> current,
                                             bool filtered, const TStakeRecord& pattern) {
    TStakeRecord stake = pattern;
    stake.SelectionSize = static_cast<int32_t>(filtered ? current.size() : game.Combs.size());
    std::vector<TStakeRecord> records;
    for (const TComb& comb : SystemStakeCombs(game, current, filtered)) {
        stake.Values = CombToStakeComb(comb);
        records.push_back(stake);
    }
    return records;
}

std::string SystemStakeComment(const TSystemGame& game, bool filtered) {
    return Format(filtered ? "Системная игра для %d чисел [комбинации]: %s"
                           : "Системная игра для %d чисел [вся система]: %s",
                  {game.NumberCount(), PathText(game.File.stem())});
}

}  // namespace quorvel
