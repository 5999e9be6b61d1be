#include "core/util/ini_file.h"

#include <charconv>
#include <optional>
#include <system_error>

#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"
#include "core/util/text_file.h"

namespace quorvel {

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool IsBlankLine(std::string_view text) {
    return TrimBlanks(text).empty();
}

std::string FloatToText(long double value) {
    char buffer[64];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 18);
    if (error != std::errc()) return "0";
    return std::string(buffer, end);
}

std::optional<long double> TextToFloat(std::string_view raw) {
    std::string text(TrimBlanks(raw));
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    std::string_view digits = text;
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    // from_chars would also take "inf" and "nan", which no one types as a coefficient.
    size_t first = (!digits.empty() && digits[0] == '-') ? 1 : 0;
    if (first >= digits.size() || !(digits[first] == '.' || (digits[first] >= '0' && digits[first] <= '9'))) {
        return std::nullopt;
    }
    long double value = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

// A value is one line: a line break inside it would turn its rest into a line of its own.
std::string OneLine(std::string_view value) {
    std::string out(TrimBlanks(value));
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

TIniFile::Line TIniFile::ParseLine(std::string text) {
    Line line;
    std::string_view trimmed = TrimBlanks(text);
    if (!trimmed.empty() && trimmed[0] == '[') {
        size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.Kind = LineKind::Section;
            line.Name = TrimBlanks(trimmed.substr(1, close - 1));
        }
    } else if (!trimmed.empty() && trimmed[0] != ';' && trimmed[0] != '#') {
        size_t equals = trimmed.find('=');
        if (equals != std::string_view::npos) {
            std::string_view name = TrimBlanks(trimmed.substr(0, equals));
            if (!name.empty()) {
                line.Kind = LineKind::Key;
                line.Name = name;
                line.Value = TrimBlanks(trimmed.substr(equals + 1));
            }
        }
    }
    line.Text = std::move(text);
    return line;
}

TIniFile TIniFile::Load(const std::filesystem::path& path) {
    TIniFile file;
    std::error_code error;
    auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) return file;
    // A directory reads as no bytes without any error; it must not pass for an empty file.
    if (status.type() == std::filesystem::file_type::directory) {
        throw Error("Не удалось открыть файл \"" + PathText(path) + "\": это каталог.");
    }
    for (std::string& text : ReadTextFile(path))
        file.lines_.push_back(ParseLine(std::move(text)));
    return file;
}

void TIniFile::Save(const std::filesystem::path& path) const {
    WriteTextFile(path, Lines());
}

std::vector<std::string> TIniFile::Lines() const {
    std::vector<std::string> out;
    out.reserve(lines_.size());
    for (const Line& line : lines_)
        out.push_back(line.Text);
    return out;
}

size_t TIniFile::FindKey(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.Kind == LineKind::Section) {
            inSection = SameName(line.Name, section);
        } else if (inSection && line.Kind == LineKind::Key && SameName(line.Name, key)) {
            return i;
        }
    }
    return lines_.size();
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindKey(section, key) < lines_.size();
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
    size_t index = FindKey(section, key);
    return index < lines_.size() ? lines_[index].Value : std::string(def);
}

int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, int32_t def) const {
    size_t index = FindKey(section, key);
    if (index == lines_.size()) return def;
    return ParseInt32(lines_[index].Value).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

long double TIniFile::ReadFloat(std::string_view section, std::string_view key, long double def) const {
    size_t index = FindKey(section, key);
    if (index == lines_.size()) return def;
    return TextToFloat(lines_[index].Value).value_or(def);
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = OneLine(value);
    size_t index = FindKey(section, key);
    if (index < lines_.size()) {
        Line& line = lines_[index];
        line.Text = line.Name + "=" + text;
        line.Value = std::move(text);
        return;
    }
    Line added{LineKind::Key, std::string(key) + "=" + text, std::string(key), text};
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].Kind != LineKind::Section || !SameName(lines_[i].Name, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && lines_[end].Kind != LineKind::Section)
            ++end;
        // The blank lines that separate this section from the next stay after the new key.
        while (end > i + 1 && IsBlankLine(lines_[end - 1].Text))
            --end;
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(end), std::move(added));
        return;
    }
    if (!lines_.empty() && !IsBlankLine(lines_.back().Text)) lines_.push_back(ParseLine(""));
    lines_.push_back(ParseLine("[" + std::string(section) + "]"));
    lines_.push_back(std::move(added));
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteFloat(std::string_view section, std::string_view key, long double value) {
    WriteString(section, key, FloatToText(value));
}

void TIniFile::EraseSection(std::string_view section) {
    std::vector<Line> kept;
    bool erasing = false;
    for (Line& line : lines_) {
        if (line.Kind == LineKind::Section) erasing = SameName(line.Name, section);
        if (!erasing) kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
}

}  // namespace quorvel
