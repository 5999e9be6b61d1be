#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvel {

class TStatList;

// A scenario line: options, seven filter steps and a comment, nine fields joined by "|".
constexpr int ScriptStepCount = 7;
constexpr int ScriptFieldCount = ScriptStepCount + 2;

// Shown for a mode index outside its table.
inline constexpr const char* ScriptErrorText = "# ERROR #";

// How a line builds its start list before the filter steps.
enum ScriptListMode : uint8_t { ListModeFull = 0, ListModeExcl = 1, ListModeCurr = 2 };
constexpr int ScriptListModeCount = 3;
// What a line stakes after the filter steps.
enum ScriptStakeMode : uint8_t {
    StakeModeRand = 0,
    StakeModeFirst = 1,
    StakeModeLast = 2,
    StakeModeAll = 3,
    StakeModeSysA = 4,
    StakeModeSysC = 5,
    StakeModeStop = 6,
    StakeModeSkip = 7,
    StakeModeNone = 8,
};
constexpr int ScriptStakeModeCount = 9;

// Code, line-dialog text and scenario-list text of a mode; ScriptErrorText outside the table.
std::string ListModeCode(int mode);
std::string ListModeLongText(int mode);
std::string ListModeShortText(int mode);
std::string StakeModeCode(int mode);
std::string StakeModeLongText(int mode);
std::string StakeModeShortText(int mode);

struct TScriptOptions {
    int32_t DrawsExclude = 0;  // N of "EXCL", kept for every mode
    uint8_t ListMode = ListModeFull;
    uint8_t StakeMode = StakeModeRand;
    bool ClearStakes = false;    // "CLR"
    bool NewStakesOnly = false;  // "NEX"
    bool operator==(const TScriptOptions&) const = default;
};

// Unknown or missing parts fall back to the defaults; nothing here fails.
TScriptOptions StrToScriptOptions(std::string_view text);
// "EXCL:5#ALL#CLR#NEX": the form stored in the line.
std::string ScriptOptionsToStr(const TScriptOptions& options);
// "EXCL:5#ALL#NEX": the form of stake comments and logs (N only for "EXCL", never "CLR").
std::string ScriptOptionsToShortStr(const TScriptOptions& options);
// "Исключить 5 тиражей; Все; Удалить ставки; Только новые ставки": the "Опции" column.
std::string ScriptOptionsDisplayText(const TScriptOptions& options);

// Field 1..9 of a line, trimmed; empty when the line has fewer fields. Runs of "|" count as
// one separator, which is why an empty step is written as a blank.
std::string ScriptLineField(std::string_view line, int field);
std::string ScriptLineOptions(std::string_view line);
std::string ScriptLineComment(std::string_view line);
// Step 1..7 of a line.
std::string ScriptLineStep(std::string_view line, int step);
bool IsScriptSeparator(std::string_view line);

// Steps are written trimmed, a blank one as " "; a blank comment is left out, so the line then
// ends with "|". A "|" inside a field is not escaped: it splits the field when read back.
std::string MakeScriptLine(const TScriptOptions& options,
                           const std::array<std::string, ScriptStepCount>& steps, std::string_view comment);

// The cells of a scenario list row: "Комментарии", "Опции", "Фильтр 1".."Фильтр 7". Steps are
// parsed and printed again, so they show normalised; a separator shows empty cells.
using ScriptListRow = std::array<std::string, ScriptFieldCount>;
ScriptListRow ScriptListCells(std::string_view line, const TStatList& catalogue);
inline constexpr std::array<const char*, ScriptFieldCount> ScriptListCaptions = {
    "Комментарии", "Опции",    "Фильтр 1", "Фильтр 2", "Фильтр 3",
    "Фильтр 4",    "Фильтр 5", "Фильтр 6", "Фильтр 7",
};

}  // namespace quorvel
