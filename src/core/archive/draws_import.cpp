#include "core/archive/draws_import.h"

#include <unordered_set>

#include "core/model/text_forms.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

bool IsBlank(char c) {
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

std::string QuotedField(std::string_view line, size_t& pos) {
    std::string field;
    ++pos;  // the opening quote
    while (pos < line.size()) {
        char c = line[pos++];
        if (c != '"') {
            field += c;
        } else if (pos < line.size() && line[pos] == '"') {
            field += '"';
            ++pos;
        } else {
            return field;
        }
    }
    return field;  // no closing quote: the rest of the line
}

std::string PlainField(std::string_view line, size_t& pos) {
    size_t start = pos;
    while (pos < line.size() && static_cast<unsigned char>(line[pos]) > ' ' && line[pos] != ';')
        ++pos;
    return std::string(line.substr(start, pos - start));
}

void SkipBlanks(std::string_view line, size_t& pos) {
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
}

std::string QuoteDate(std::string_view date) {
    std::string quoted = "\"";
    for (char c : date) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// The draw a line describes, or nothing for a line of another shape.
std::optional<TDraw> DrawOfFields(const std::vector<std::string>& fields, int archiveCount, bool& inRange) {
    if (fields.size() != 4 && fields.size() != 5) return std::nullopt;
    const size_t first = fields.size() - 4;
    TDraw draw;
    draw.Number = fields.size() == 5 ? StrToValue(fields[0]) : archiveCount + 1;
    draw.DateText.SetBytes(std::string_view(fields[first]).substr(0, DrawDateLength));
    inRange = true;
    for (int p = 0; p < PositionCount; ++p) {
        int value = StrToValue(fields[first + 1 + p]);
        inRange = inRange && IsValidValue(value);
        draw.Values[p] = static_cast<uint8_t>(value);
    }
    return draw;
}

}  // namespace

std::vector<std::string> SplitDrawFields(std::string_view line) {
    // A NUL byte ends the line; everything after it is not text.
    line = line.substr(0, line.find('\0'));
    std::vector<std::string> fields;
    size_t pos = 0;
    SkipBlanks(line, pos);
    while (pos < line.size()) {
        fields.push_back(line[pos] == '"' ? QuotedField(line, pos) : PlainField(line, pos));
        SkipBlanks(line, pos);
        if (pos < line.size() && line[pos] == ';') {
            if (pos + 1 == line.size()) fields.emplace_back();
            ++pos;
            SkipBlanks(line, pos);
        }
    }
    return fields;
}

DrawsImportResult ImportDrawLines(DrawArchive& archive, const std::vector<std::string>& lines) {
    DrawsImportResult result;
    // A set answers "is this number present" in constant time; a scan per line would make a
    // large import quadratic.
    std::unordered_set<int32_t> present;
    present.reserve(archive.Draws().size() + lines.size());
    for (const TDraw& draw : archive.Draws())
        present.insert(draw.Number);
    for (const std::string& line : lines) {
        if (TrimBlanks(line).empty()) continue;
        bool inRange = false;
        std::optional<TDraw> draw = DrawOfFields(SplitDrawFields(line), archive.Count(), inRange);
        if (!draw || draw->Number <= 0 || present.contains(draw->Number)) continue;
        if (!inRange) {
            ++result.OutOfRange;
            continue;
        }
        archive.Append(*draw);
        present.insert(draw->Number);
        ++result.Added;
    }
    return result;
}

std::vector<std::string> ExportDrawLines(const TDrawsArray& draws) {
    std::vector<std::string> lines;
    lines.reserve(draws.size());
    for (const TDraw& draw : draws) {
        lines.push_back(std::to_string(draw.Number) + ";" + QuoteDate(draw.DateText.Bytes()) + ";" +
                        std::to_string(draw.Values[0]) + ";" + std::to_string(draw.Values[1]) + ";" +
                        std::to_string(draw.Values[2]));
    }
    return lines;
}

std::vector<std::string> ReadDrawsTextFile(const std::filesystem::path& path) {
    return SplitLines(ReadFileBytes(path));
}

void WriteDrawsTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    WriteFileSafely(path, bytes);
}

}  // namespace quorvel
