#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/model/short_string.h"
#include "core/stakes/stake_record.h"
#include "core/util/money.h"

namespace quorvel {

constexpr size_t RatingRecordSize = 288;
constexpr int RatingMatchClasses = 4;  // stakes with 0, 1, 2 and 3 matches

namespace rating_layout {
constexpr size_t Comment = 0;
constexpr size_t Stakes = 256;
constexpr size_t MatchesTotal = 260;
constexpr size_t MatchCounts = 264;
constexpr size_t Profit = 280;
}  // namespace rating_layout
static_assert(rating_layout::MatchCounts + 4 * RatingMatchClasses == rating_layout::Profit);
static_assert(rating_layout::Profit + sizeof(Money) == RatingRecordSize);

// The track record of one stake comment: every checked stake made under it, summed.
struct TRatingRow {
    ShortString<StakeCommentCapacity> Comment;
    int32_t Stakes = 0;
    int32_t MatchesTotal = 0;
    std::array<int32_t, RatingMatchClasses> MatchCounts{};
    Money Profit = 0;
    bool operator==(const TRatingRow&) const = default;
};

void WriteRatingRecord(uint8_t* out, const TRatingRow& row);
TRatingRow ReadRatingRecord(const uint8_t* in);

// The chance that a combination drawn at random has exactly i matching positions, and the
// number of the 1000 combinations that do: 729, 243, 27 and 1.
extern const std::array<int, RatingMatchClasses> MatchCombinations;
extern const std::array<double, RatingMatchClasses> MatchShares;

// The rating list: captions, and which column the list starts sorted by.
constexpr int RatingColumnCount = 14;
extern const std::array<const char*, RatingColumnCount> RatingColumnCaptions;
constexpr int RatingDefaultSortColumn = 3;  // "Среднее", descending
constexpr int RatingEffModeCount = 3;
extern const std::array<const char*, RatingEffModeCount> RatingEffModeCaptions;

// The texts of a row in the list; the efficiency columns in the given mode (0 expected counts,
// 1 absolute, 2 relative; another number counts as 1).
std::array<std::string, RatingColumnCount> RatingRowTexts(const TRatingRow& row, int effMode);

// The rows in memory. Rows are found by their comment without regard to case.
class TRating {
public:
    const std::vector<TRatingRow>& Rows() const { return rows_; }
    int Count() const { return static_cast<int>(rows_.size()); }
    bool Empty() const { return rows_.empty(); }
    void Clear();
    void Assign(std::vector<TRatingRow> rows);

    // Adds a checked stake to the row of its comment, appending a row for a new comment. A
    // stake not checked, or with matches beyond 3 (only a damaged file has those), is ignored.
    // Returns whether the stake was added.
    bool AddStake(const TStakeRecord& stake);

    // Sorts by a column of the list (nothing for a negative column or fewer than two rows).
    // Rows with no stakes compare equal to every row, as do the efficiency columns; equal rows
    // keep their order.
    void Sort(int column, bool descending);
    // Puts the rows in the given order: order[i] is the row that becomes row i.
    void Reorder(const std::vector<size_t>& order);

private:
    void RebuildIndex();
    size_t FindOrAppend(const ShortString<StakeCommentCapacity>& comment);

    std::vector<TRatingRow> rows_;
    // The comment in lower case to the first row carrying it.
    std::unordered_map<std::string, size_t> index_;
    // The raw comment of the last stake added and its row: stakes come in runs of one comment.
    std::string lastComment_;
    size_t lastRow_ = SIZE_MAX;
};

// Compares two rows by a list column as the sort does: negative, 0 or positive.
int CompareRatingRows(const TRatingRow& a, const TRatingRow& b, int column);

// The rating file: the rows one after another. A file whose length is not a whole number of
// rows loads its whole rows and names the rest in Problem.
struct TRatingFileContent {
    std::vector<TRatingRow> Rows;
    std::optional<std::string> Problem;
};
TRatingFileContent LoadRatingFile(const std::filesystem::path& path);
// Written whole and crash-safely.
void SaveRatingFile(const std::filesystem::path& path, const std::vector<TRatingRow>& rows);

// The CSV export: the fourteen captions, then per row the comment and nine numbers, all joined
// by ";"; UTF-8 lines, the caller writes them in code page 1251 with CR LF.
std::vector<std::string> RatingCsvLines(const std::vector<TRatingRow>& rows);

// The scenario line that a rating row's comment describes: the text after "@" (the variant)
// with its parts as fields and the text before it as the line's comment. Nothing when no filter
// step would be left, as for a stake made by hand.
std::optional<std::string> RatingToScriptLine(std::string_view comment);

}  // namespace quorvel
