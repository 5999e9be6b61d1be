#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/game.h"
#include "core/model/lists.h"
#include "core/stats/stat_method.h"
#include "core/util/money.h"

namespace quorvel {

// One row of the prize table: the prize for a stake with that many matches.
struct ProfitRow {
    uint8_t Overlap = 0;
    Money Profit = 0;
    bool operator==(const ProfitRow&) const = default;
};

// Coefficients of the weight column of the statistics table.
struct WeightCoefficients {
    double Count = 0;
    double Deviation = -1;
    double Level = 1;
    bool UsePercents = false;
    bool UseAbsValues = false;
    bool operator==(const WeightCoefficients&) const = default;
};

// The analysis settings, edited as one record by the parameters dialog.
struct TConfigData {
    int32_t MatrixCols = 3;
    int32_t ChannelSize = 2;
    Money Cost = 0;
    int32_t MaxStake = 3;
    std::vector<ProfitRow> Profits;
    WeightCoefficients Weights;
    TSegmentTable MatrixSegments = StrToSegments({});  // an empty text gives segment 1 everywhere
    bool operator==(const TConfigData&) const = default;
};

// Limits that keep a hand-edited settings file from breaking the program.
constexpr int32_t MatrixColsMax = 10;
constexpr int32_t ChannelSizeMax = 255;
constexpr int32_t MaxStakeMin = 3;
constexpr int32_t ProfitRowsMax = 1000;
constexpr int32_t FormulaDigitsMin = 1;
constexpr int32_t FormulaDigitsMax = 5;
constexpr size_t CombsGenerateParametersMax = 255;

inline constexpr const char* DefaultFormula1 = "(n1+n2)/n3";
inline constexpr const char* DefaultFormula2 = "(n1+n3)/n2";
inline constexpr const char* DefaultFormula3 = "(n2+n3)/n1";
constexpr uint8_t DefaultFormulaDigits = 2;

// The statistic engine's list: the analysis settings and, around them, the method catalogue.
// Every load and save opens the settings file, handles its own keys and leaves the rest of
// the file as it was. Errors of the file propagate as Error; a load that fails keeps the
// values it had.
class TStatList {
public:
    explicit TStatList(std::filesystem::path settingsPath) : settingsPath_(std::move(settingsPath)) {}

    const std::filesystem::path& SettingsPath() const { return settingsPath_; }

    void LoadCombsGenerate();
    void LoadSettings();
    void LoadShredding();
    void SaveSettings() const;
    void SaveCombsGenerate() const;
    void SaveShredding() const;

    // A scenario run keeps the user's weights aside and lets each filter step bring its own.
    void BackupWeights() { SavedWeights = Config.Weights; }
    void RestoreWeights() { Config.Weights = SavedWeights; }
    void ApplyWeights(bool overrideFlag, const WeightCoefficients& stepWeights);

    // The money a stake of that many values brings with that many matches, its cost taken
    // off; a negative match count means the stake was not checked and only costs. Throws
    // Error when the amount does not fit the money type (only a hand-edited cost can do that).
    Money StakeResult(int valuesCount, int matches) const;

    // The archive every method instance reads; set by the owner before the catalogue is used.
    void SetDraws(const TDrawsArray* draws) { draws_ = draws; }
    const TDrawsArray& Draws() const { return draws_ != nullptr ? *draws_ : emptyDraws_; }

    // The catalogue: one entry per available class, or one per parameter of a ranged class.
    void Rebuild();
    int Count() const { return static_cast<int>(Items.size()); }
    bool IsShown(int i) const { return ShowAll || Items[static_cast<size_t>(i)].Favourite; }
    std::string ListText(int i, bool withFeatures) const;
    void SelectAll();
    void NormalizeFavourites();
    std::string FavouritesText() const;
    void ParseFavourites(std::string_view text);
    // The first entry with that code (letter case ignored), or -1.
    int IndexOfCode(std::string_view code) const;

    // The names file: favourites, list options and the user's own names of the entries.
    // Failures return the message to show ("Ошибка загрузки списка фильтров!..."); values
    // already taken stay.
    std::optional<std::string> LoadNames(const std::filesystem::path& file, bool withFavourites);
    std::optional<std::string> SaveNames(const std::filesystem::path& file, bool withFavourites,
                                         bool allNames) const;
    std::string NamesSection() const { return "STRINGS_" + LanguageAbbreviation; }

    // The texts of a method list (statistics list, or the graph list when graphs is set) with
    // the entry each carries: available, selectable and shown entries, alphabetical when
    // Ordered, else in catalogue order.
    struct MethodListItem {
        int Entry;
        std::string Text;
    };
    std::vector<MethodListItem> MethodList(bool graphs) const;
    // Whether the entry is in that list, without making its texts.
    bool IsOffered(int entry, bool graphs) const;

    // A new instance for a chosen entry; -1 (nothing chosen) fails with the message naming
    // the list.
    std::unique_ptr<TCustomStat> CreateSelected(int entry, std::string_view listName) const;

    std::vector<TStatMethod> Items;
    bool Ordered = false;
    bool ShowGroupName = true;
    bool ShowMethodFlags = true;
    bool ShowAll = true;
    std::string LanguageAbbreviation = "RUS";

    TConfigData Config;
    WeightCoefficients SavedWeights;
    uint8_t CombsGenerateMode = 0;
    std::string CombsGenerateParameters;
    std::string Formula1 = DefaultFormula1;
    std::string Formula2 = DefaultFormula2;
    std::string Formula3 = DefaultFormula3;
    uint8_t Formula1Digits = DefaultFormulaDigits;
    uint8_t Formula2Digits = DefaultFormulaDigits;
    uint8_t Formula3Digits = DefaultFormulaDigits;

private:
    std::filesystem::path settingsPath_;
    const TDrawsArray* draws_ = nullptr;
    TDrawsArray emptyDraws_;
};

}  // namespace quorvel
