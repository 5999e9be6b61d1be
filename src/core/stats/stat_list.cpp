#include "core/stats/stat_list.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/util/error.h"
#include "core/util/ini_file.h"

namespace quorvel {

namespace {

constexpr std::string_view GlobalSection = "GLOBAL";
constexpr std::string_view StakesSection = "STAKES";
constexpr std::string_view WeightsSection = "CDL";
constexpr std::string_view ShreddingSection = "SHREDDING";

constexpr int32_t DefaultMatrixCols = 3;
constexpr int32_t DefaultChannelSize = 2;

// The stored text is code page 1251, one byte per character, so the limit counts characters,
// not the bytes of their UTF-8 form.
std::string CutToCharacters(std::string text, size_t limit) {
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (characters == limit) {
            text.resize(i);
            break;
        }
        ++characters;
    }
    return text;
}

std::string ProfitKey(size_t row, const char* field) {
    return "Profit_" + std::to_string(row) + "_" + field;
}

Money ReadMoney(const TIniFile& ini, std::string_view section, std::string_view key, Money def) {
    return ParseMoney(ini.ReadString(section, key, MoneyToStorageText(def))).value_or(def);
}

int32_t ReadInRange(const TIniFile& ini, std::string_view section, std::string_view key, int32_t def,
                    int32_t low, int32_t high) {
    int32_t value = ini.ReadInteger(section, key, def);
    return (value >= low && value <= high) ? value : def;
}

// A coefficient beyond the range of a double (a hand-edited "1E400") would become infinite and
// turn every weight into the error value: it keeps the default instead.
double ReadWeight(const TIniFile& ini, std::string_view key, double def) {
    const long double value = ini.ReadFloat(WeightsSection, key, def);
    return std::fabs(value) <= std::numeric_limits<double>::max() ? static_cast<double>(value) : def;
}

uint8_t ReadDigits(const TIniFile& ini, std::string_view key) {
    int32_t value = ini.ReadInteger(ShreddingSection, key, DefaultFormulaDigits);
    return static_cast<uint8_t>(std::clamp(value, FormulaDigitsMin, FormulaDigitsMax));
}

}  // namespace

void TStatList::LoadCombsGenerate() {
    const TIniFile ini = TIniFile::Load(settingsPath_);
    CombsGenerateMode = static_cast<uint8_t>(ReadInRange(ini, GlobalSection, "CombsGenerateMode", 0, 0, 255));
    CombsGenerateParameters = CutToCharacters(ini.ReadString(GlobalSection, "CombsGenerateParameters", ""),
                                              CombsGenerateParametersMax);
}

void TStatList::LoadSettings() {
    const TIniFile ini = TIniFile::Load(settingsPath_);
    Config.MatrixCols = ReadInRange(ini, GlobalSection, "MatrixCols", DefaultMatrixCols, 1, MatrixColsMax);
    Config.MatrixSegments = StrToSegments(ini.ReadString(GlobalSection, "MatrixSegments", ""));
    // Channel families divide by the channel size.
    Config.ChannelSize =
        ReadInRange(ini, GlobalSection, "ChannelSize", DefaultChannelSize, 1, ChannelSizeMax);
    Config.Cost = ReadMoney(ini, StakesSection, "Cost", 0);
    Config.MaxStake = std::max(ini.ReadInteger(StakesSection, "MaxStake", MaxStakeMin), MaxStakeMin);

    // The row count comes from the file, so it is bounded before anything is allocated.
    int32_t rowCount = std::clamp(ini.ReadInteger(StakesSection, "Profits", 0), 0, ProfitRowsMax);
    std::vector<ProfitRow> profits(static_cast<size_t>(rowCount));
    for (size_t row = 0; row < profits.size(); ++row) {
        profits[row].Overlap =
            static_cast<uint8_t>(ReadInRange(ini, StakesSection, ProfitKey(row, "Overlap"), 0, 0, 255));
        profits[row].Profit = ReadMoney(ini, StakesSection, ProfitKey(row, "Profit"), 0);
    }
    Config.Profits = std::move(profits);

    WeightCoefficients weights;
    weights.Count = ReadWeight(ini, "Count", weights.Count);
    weights.Deviation = ReadWeight(ini, "Deviation", weights.Deviation);
    weights.Level = ReadWeight(ini, "Level", weights.Level);
    weights.UsePercents = ini.ReadInteger(WeightsSection, "UsePercents", 0) > 0;
    weights.UseAbsValues = ini.ReadInteger(WeightsSection, "UseAbsValues", 0) > 0;
    Config.Weights = weights;
}

void TStatList::LoadShredding() {
    const TIniFile ini = TIniFile::Load(settingsPath_);
    Formula1 = ini.ReadString(ShreddingSection, "Formula1", DefaultFormula1);
    Formula2 = ini.ReadString(ShreddingSection, "Formula2", DefaultFormula2);
    Formula3 = ini.ReadString(ShreddingSection, "Formula3", DefaultFormula3);
    Formula1Digits = ReadDigits(ini, "Formula1Digits");
    Formula2Digits = ReadDigits(ini, "Formula2Digits");
    Formula3Digits = ReadDigits(ini, "Formula3Digits");
}

void TStatList::SaveSettings() const {
    TIniFile ini = TIniFile::Load(settingsPath_);
    ini.WriteInteger(GlobalSection, "MatrixCols", Config.MatrixCols);
    ini.WriteString(GlobalSection, "MatrixSegments", SegmentsToStr(Config.MatrixSegments));
    ini.WriteInteger(GlobalSection, "ChannelSize", Config.ChannelSize);
    ini.WriteString(StakesSection, "Cost", MoneyToStorageText(Config.Cost));
    ini.WriteInteger(StakesSection, "MaxStake", Config.MaxStake);
    ini.WriteInteger(StakesSection, "Profits", static_cast<int32_t>(Config.Profits.size()));
    for (size_t row = 0; row < Config.Profits.size(); ++row) {
        ini.WriteInteger(StakesSection, ProfitKey(row, "Overlap"), Config.Profits[row].Overlap);
        ini.WriteString(StakesSection, ProfitKey(row, "Profit"),
                        MoneyToStorageText(Config.Profits[row].Profit));
    }
    ini.WriteFloat(WeightsSection, "Count", Config.Weights.Count);
    ini.WriteFloat(WeightsSection, "Deviation", Config.Weights.Deviation);
    ini.WriteFloat(WeightsSection, "Level", Config.Weights.Level);
    ini.WriteBool(WeightsSection, "UsePercents", Config.Weights.UsePercents);
    ini.WriteBool(WeightsSection, "UseAbsValues", Config.Weights.UseAbsValues);
    ini.Save(settingsPath_);
}

void TStatList::SaveCombsGenerate() const {
    TIniFile ini = TIniFile::Load(settingsPath_);
    ini.WriteInteger(GlobalSection, "CombsGenerateMode", CombsGenerateMode);
    ini.WriteString(GlobalSection, "CombsGenerateParameters",
                    CutToCharacters(CombsGenerateParameters, CombsGenerateParametersMax));
    ini.Save(settingsPath_);
}

void TStatList::SaveShredding() const {
    TIniFile ini = TIniFile::Load(settingsPath_);
    ini.WriteString(ShreddingSection, "Formula1", Formula1);
    ini.WriteString(ShreddingSection, "Formula2", Formula2);
    ini.WriteString(ShreddingSection, "Formula3", Formula3);
    ini.WriteInteger(ShreddingSection, "Formula1Digits", Formula1Digits);
    ini.WriteInteger(ShreddingSection, "Formula2Digits", Formula2Digits);
    ini.WriteInteger(ShreddingSection, "Formula3Digits", Formula3Digits);
    ini.Save(settingsPath_);
}

void TStatList::ApplyWeights(bool overrideFlag, const WeightCoefficients& stepWeights) {
    Config.Weights = overrideFlag ? stepWeights : SavedWeights;
}

Money TStatList::StakeResult(int valuesCount, int matches) const {
    // Beyond two million values even the count of stakes would not fit: only a damaged file
    // holds such a count.
    if (valuesCount > 2000000) throw Error("Сумма выигрыша ставки выходит за допустимые пределы!");
    int64_t stakes = 1;
    if (valuesCount > 3) stakes = int64_t{valuesCount} * valuesCount * valuesCount;
    Money cost = 0;
    Money result = 0;
    bool overflow =
        __builtin_mul_overflow(stakes, Config.Cost, &cost) || __builtin_sub_overflow(Money{0}, cost, &result);
    if (!overflow && matches >= 0) {
        for (const ProfitRow& row : Config.Profits) {
            if (row.Overlap != matches) continue;
            overflow = __builtin_add_overflow(result, row.Profit, &result);
            break;
        }
    }
    if (overflow) throw Error("Сумма выигрыша ставки выходит за допустимые пределы!");
    return result;
}

}  // namespace quorvel
