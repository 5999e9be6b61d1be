#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

// A settings file of "[Section]" headers and "Key=Value" lines, held whole in memory.
// Every line the program does not understand (comments, unknown keys, garbage) is kept in
// place, so a file written back differs only in the keys that were set. Section and key
// names compare without regard to ASCII case; with duplicates the first one counts.
class TIniFile {
public:
    TIniFile() = default;

    // A missing file gives an empty copy; a file that exists but cannot be read throws Error.
    static TIniFile Load(const std::filesystem::path& path);
    // Code page 1251 with CR LF, written crash-safely; throws Error and keeps the old file.
    void Save(const std::filesystem::path& path) const;

    bool ValueExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // Only a plain decimal 32-bit integer is read; anything else gives the default.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def) const;
    // An integer, non-zero being true; a value that is not an integer gives the default.
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // A decimal number with "." or "," as the point and an optional exponent.
    long double ReadFloat(std::string_view section, std::string_view key, long double def) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // "." as the point, up to 18 significant digits, no trailing zeros.
    void WriteFloat(std::string_view section, std::string_view key, long double value);

    // Removes every header of that section with all its lines.
    void EraseSection(std::string_view section);

    // The lines as they will be written (UTF-8, without line ends).
    std::vector<std::string> Lines() const;

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        LineKind Kind = LineKind::Other;
        std::string Text;   // the line as read or as last written
        std::string Name;   // trimmed section or key name
        std::string Value;  // trimmed value of a key line
    };

    static Line ParseLine(std::string text);
    // Index of the first line of that key under any header of that section, or lines_.size().
    size_t FindKey(std::string_view section, std::string_view key) const;

    std::vector<Line> lines_;
};

}  // namespace quorvel
