#include "core/stakes/rating.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "core/util/codepage.h"
#include "core/util/endian.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/rounding.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

std::string FoldedComment(const ShortString<StakeCommentCapacity>& comment) {
    return LowerCase(Cp1251ToUtf8(comment.Bytes()));
}

// Sums kept in 32 bits wrap instead of overflowing, as the stored field does.
int32_t AddWrapping(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

template <typename T>
int Sign(T value) {
    return (value > 0) - (value < 0);
}

template <typename T>
int CompareValues(T a, T b) {
    return (a > b) - (a < b);
}

// The sign of round((a - b) / 100), the difference of two amounts in hundredths.
int CompareHundredths(Money a, Money b) {
    Money difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) return CompareValues(a, b);
    return Sign(DivideHalfEven(difference, 100));
}

// Locale order with regard to case: letters first without case, then lower case before upper.
int CompareCommentKeys(const std::string& foldedA, const std::string& textA, const std::string& foldedB,
                       const std::string& textB) {
    if (int c = foldedA.compare(foldedB); c != 0) return Sign(c);
    return -Sign(textA.compare(textB));
}

std::string QuoteCsv(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string AverageMatchesText(const TRatingRow& row) {
    return Format("%.3f", {static_cast<double>(row.MatchesTotal) / row.Stakes});
}

std::string AverageProfitText(const TRatingRow& row) {
    return MoneyToStr(DivideHalfEven(row.Profit, row.Stakes), 2);
}

}  // namespace

void WriteRatingRecord(uint8_t* out, const TRatingRow& row) {
    using namespace rating_layout;
    out[Comment] = row.Comment.Length;
    std::copy(row.Comment.Chars.begin(), row.Comment.Chars.end(), out + Comment + 1);
    WriteInt32Le(out + Stakes, row.Stakes);
    WriteInt32Le(out + MatchesTotal, row.MatchesTotal);
    for (int i = 0; i < RatingMatchClasses; ++i)
        WriteInt32Le(out + MatchCounts + 4 * i, row.MatchCounts[static_cast<size_t>(i)]);
    WriteInt64Le(out + Profit, row.Profit);
}

TRatingRow ReadRatingRecord(const uint8_t* in) {
    using namespace rating_layout;
    TRatingRow row;
    row.Comment.Length = in[Comment];
    std::copy_n(in + Comment + 1, StakeCommentCapacity, row.Comment.Chars.begin());
    row.Stakes = ReadInt32Le(in + Stakes);
    row.MatchesTotal = ReadInt32Le(in + MatchesTotal);
    for (int i = 0; i < RatingMatchClasses; ++i)
        row.MatchCounts[static_cast<size_t>(i)] = ReadInt32Le(in + MatchCounts + 4 * i);
    row.Profit = ReadInt64Le(in + Profit);
    return row;
}

const std::array<int, RatingMatchClasses> MatchCombinations = {729, 243, 27, 1};
const std::array<double, RatingMatchClasses> MatchShares = {729 / 1000.0, 243 / 1000.0, 27 / 1000.0,
                                                            1 / 1000.0};

const std::array<const char*, RatingColumnCount> RatingColumnCaptions = {
    "Комментарий", "Ставок", "Угадано", "Среднее", "Профит", "Ср. профит", "0",
    "1",           "2",      "3",       "E0",      "E1",     "E2",         "E3"};

const std::array<const char*, RatingEffModeCount> RatingEffModeCaptions = {
    "Ожидаемые значения совпадений", "Абсолютные значения эффективности",
    "Относительные значения эффективности"};

std::array<std::string, RatingColumnCount> RatingRowTexts(const TRatingRow& row, int effMode) {
    std::array<std::string, RatingColumnCount> texts;
    if (effMode < 0 || effMode >= RatingEffModeCount) effMode = 1;
    try {
        texts[0] = row.Comment.Text();
        texts[1] = std::to_string(row.Stakes);
        texts[2] = std::to_string(row.MatchesTotal);
        texts[4] = MoneyToStr(row.Profit, 2);
        for (int i = 0; i < RatingMatchClasses; ++i)
            texts[static_cast<size_t>(6 + i)] = std::to_string(row.MatchCounts[static_cast<size_t>(i)]);
        if (row.Stakes == 0) return texts;
        texts[3] = AverageMatchesText(row);
        texts[5] = AverageProfitText(row);
        for (size_t i = 0; i < RatingMatchClasses; ++i) {
            const double count = row.MatchCounts[i];
            std::string& text = texts[10 + i];
            switch (effMode) {
                case 0:
                    // stakes x p(i) in exact arithmetic, so that a half rounds to even as it should
                    text = Format("%.d", {DivideHalfEven(int64_t{row.Stakes} * MatchCombinations[i], 1000)});
                    break;
                case 1:
                    text = Format("%.3f%%", {count * 100 / row.Stakes - MatchShares[i] * 100});
                    break;
                default:
                    text = Format("%.3f%%", {count * 100 / (row.Stakes * MatchShares[i])});
                    break;
            }
        }
    } catch (const std::exception&) {
        texts = {};
        texts[0] = "# bad data #";
    }
    return texts;
}

void TRating::Clear() {
    rows_.clear();
    RebuildIndex();
}

void TRating::Assign(std::vector<TRatingRow> rows) {
    rows_ = std::move(rows);
    RebuildIndex();
}

void TRating::RebuildIndex() {
    index_.clear();
    for (size_t i = 0; i < rows_.size(); ++i)
        index_.emplace(FoldedComment(rows_[i].Comment), i);
    lastComment_.clear();
    lastRow_ = SIZE_MAX;
}

size_t TRating::FindOrAppend(const ShortString<StakeCommentCapacity>& comment) {
    auto [it, added] = index_.emplace(FoldedComment(comment), rows_.size());
    if (added) {
        TRatingRow row;
        row.Comment = comment;
        rows_.push_back(row);
    }
    return it->second;
}

bool TRating::AddStake(const TStakeRecord& stake) {
    const int matches = stake.Matches.Count;
    if (matches < 0 || matches >= RatingMatchClasses) return false;
    const std::string_view bytes = stake.Comment.Bytes();
    if (lastRow_ >= rows_.size() || bytes != lastComment_) {
        lastRow_ = FindOrAppend(stake.Comment);
        lastComment_.assign(bytes);
    }
    TRatingRow& row = rows_[lastRow_];
    row.Stakes = AddWrapping(row.Stakes, 1);
    row.MatchesTotal = AddWrapping(row.MatchesTotal, matches);
    row.MatchCounts[static_cast<size_t>(matches)] =
        AddWrapping(row.MatchCounts[static_cast<size_t>(matches)], 1);
    row.Profit += stake.Profit;
    return true;
}

int CompareRatingRows(const TRatingRow& a, const TRatingRow& b, int column) {
    if (a.Stakes == 0 || b.Stakes == 0) return 0;
    switch (column) {
        case 0: {
            const std::string textA = a.Comment.Text();
            const std::string textB = b.Comment.Text();
            return CompareCommentKeys(LowerCase(textA), textA, LowerCase(textB), textB);
        }
        case 1:
            return CompareValues(a.Stakes, b.Stakes);
        case 2:
            return CompareValues(a.MatchesTotal, b.MatchesTotal);
        case 3: {
            const double difference = static_cast<double>(a.MatchesTotal) / a.Stakes -
                                      static_cast<double>(b.MatchesTotal) / b.Stakes;
            return Sign(RoundHalfEven(difference * 100));
        }
        case 4:
            return CompareHundredths(a.Profit, b.Profit);
        case 5:
            return CompareHundredths(DivideHalfEven(a.Profit, a.Stakes), DivideHalfEven(b.Profit, b.Stakes));
        case 6:
        case 7:
        case 8:
        case 9:
            return CompareValues(a.MatchCounts[static_cast<size_t>(column - 6)],
                                 b.MatchCounts[static_cast<size_t>(column - 6)]);
        default:
            return 0;
    }
}

void TRating::Reorder(const std::vector<size_t>& order) {
    std::vector<TRatingRow> rows;
    rows.reserve(order.size());
    for (size_t from : order)
        rows.push_back(rows_.at(from));
    if (rows.size() != rows_.size()) throw std::invalid_argument("a rating order must name every row once");
    rows_ = std::move(rows);
    RebuildIndex();
}

void TRating::Sort(int column, bool descending) {
    const size_t n = rows_.size();
    if (column < 0 || n < 2) return;
    // The comparison is not an ordering (a row without stakes equals every row), so the sort
    // must be one that stays within bounds for any comparison: a merge sort, which also keeps
    // equal rows in their order.
    std::vector<std::string> folded, texts;
    if (column == 0) {
        for (const TRatingRow& row : rows_) {
            texts.push_back(row.Comment.Text());
            folded.push_back(LowerCase(texts.back()));
        }
    }
    // A run sorts after every check, so what the comparison reads is laid out compactly first.
    // The share of matches, the default order, is divided once per row; the rounding of the
    // difference to hundredths of a percent only asks whether it leaves (-0.5, 0.5], as
    // RoundHalfEven would answer.
    std::vector<char> counted(n);
    std::vector<double> shares;
    for (size_t i = 0; i < n; ++i)
        counted[i] = rows_[i].Stakes != 0;
    if (column == 3) {
        for (const TRatingRow& row : rows_)
            shares.push_back(row.Stakes != 0 ? static_cast<double>(row.MatchesTotal) / row.Stakes : 0);
    }
    auto compare = [&](size_t x, size_t y) {
        if (!counted[x] || !counted[y]) return 0;
        int c = 0;
        if (column == 0) {
            c = CompareCommentKeys(folded[x], texts[x], folded[y], texts[y]);
        } else if (column == 3) {
            const double difference = (shares[x] - shares[y]) * 100;
            c = difference > 0.5 ? 1 : (difference < -0.5 ? -1 : 0);
        } else {
            c = CompareRatingRows(rows_[x], rows_[y], column);
        }
        return descending ? -c : c;
    };
    std::vector<size_t> order(n), merged(n);
    std::iota(order.begin(), order.end(), size_t{0});
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t low = 0; low < n; low += 2 * width) {
            const size_t middle = std::min(low + width, n);
            const size_t high = std::min(low + 2 * width, n);
            size_t i = low, j = middle, k = low;
            while (i < middle && j < high)
                merged[k++] = compare(order[j], order[i]) < 0 ? order[j++] : order[i++];
            while (i < middle)
                merged[k++] = order[i++];
            while (j < high)
                merged[k++] = order[j++];
        }
        order.swap(merged);
    }
    // Most sorts of a run find the rows already in order.
    if (std::is_sorted(order.begin(), order.end())) return;
    std::vector<TRatingRow> sorted;
    sorted.reserve(n);
    std::vector<size_t> newPlace(n);
    for (size_t i = 0; i < n; ++i) {
        sorted.push_back(std::move(rows_[order[i]]));
        newPlace[order[i]] = i;
    }
    rows_ = std::move(sorted);
    // The comments stay what they were: the index only follows the rows to their new places,
    // which spares folding every comment again after each of a scenario's many sorts.
    for (auto& entry : index_)
        entry.second = newPlace[entry.second];
    lastRow_ = SIZE_MAX;
}

TRatingFileContent LoadRatingFile(const std::filesystem::path& path) {
    TRatingFileContent content;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return content;
    const std::string bytes = ReadFileBytes(path);
    const size_t whole = bytes.size() / RatingRecordSize;
    content.Rows.reserve(whole);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    for (size_t i = 0; i < whole; ++i)
        content.Rows.push_back(ReadRatingRecord(data + i * RatingRecordSize));
    if (bytes.size() % RatingRecordSize != 0) {
        content.Problem = Format(
            "Файл \"%s\" обрезан: после %d полных записей осталось %d лишних байт.",
            {PathText(path), static_cast<int>(whole), static_cast<int>(bytes.size() % RatingRecordSize)});
    }
    return content;
}

void SaveRatingFile(const std::filesystem::path& path, const std::vector<TRatingRow>& rows) {
    std::string bytes(rows.size() * RatingRecordSize, '\0');
    auto* data = reinterpret_cast<uint8_t*>(bytes.data());
    for (size_t i = 0; i < rows.size(); ++i)
        WriteRatingRecord(data + i * RatingRecordSize, rows[i]);
    WriteFileSafely(path, bytes);
}

std::vector<std::string> RatingCsvLines(const std::vector<TRatingRow>& rows) {
    std::vector<std::string> lines;
    lines.reserve(rows.size() + 1);
    std::vector<std::string> fields;
    for (const char* caption : RatingColumnCaptions)
        fields.push_back(QuoteCsv(caption));
    lines.push_back(Join(fields, ";"));
    for (const TRatingRow& row : rows) {
        fields = {QuoteCsv(row.Comment.Text()),     std::to_string(row.Stakes),
                  std::to_string(row.MatchesTotal), row.Stakes != 0 ? AverageMatchesText(row) : std::string(),
                  MoneyToStr(row.Profit, 2),        row.Stakes != 0 ? AverageProfitText(row) : std::string()};
        for (int32_t count : row.MatchCounts)
            fields.push_back(std::to_string(count));
        lines.push_back(Join(fields, ";"));
    }
    return lines;
}

std::optional<std::string> RatingToScriptLine(std::string_view comment) {
    std::string lineComment;
    std::string text;
    if (const size_t at = comment.find('@'); at != std::string_view::npos) {
        lineComment = TrimBlanks(comment.substr(0, at));
        text = TrimBlanks(comment.substr(at + 1));
    } else {
        text = comment;
    }
    for (size_t pos = 0; (pos = text.find(" + ", pos)) != std::string::npos; ++pos)
        text.replace(pos, 3, "|");
    // Options and seven steps, an empty step being written as a blank.
    while (SplitWords(text, "|").size() <= 7)
        text += "| ";
    text += "|" + lineComment;
    // Read back as a scenario line reads its fields: runs of "|" collapse, each field trimmed.
    const std::vector<std::string_view> fields = SplitWords(text, "|");
    for (size_t step = 1; step <= 7 && step < fields.size(); ++step) {
        if (!TrimBlanks(fields[step]).empty()) return text;
    }
    return std::nullopt;
}

}  // namespace quorvel
