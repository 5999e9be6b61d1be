#include "core/util/format.h"

#include <langinfo.h>
#include <locale.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <vector>

#include "core/util/error.h"

namespace quorvel {

char LocaleDecimalSeparator() {
    locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (loc == static_cast<locale_t>(0)) return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    char separator = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
    freelocale(loc);
    return separator;
}

TFormatSettings& FormatSettings() {
    static TFormatSettings settings{LocaleDecimalSeparator()};
    return settings;
}

namespace {

constexpr std::array<uint64_t, 10> PowersOfTen = {1,      10,      100,      1000,      10000,
                                                  100000, 1000000, 10000000, 100000000, 1000000000};

// The magnitude times 10^decimals rounded to an integer as printf rounds it (the exact binary
// value, ties to even), when that integer is small enough for a double to hold every integer
// near it. The product's rounding error is found exactly with a fused multiply-add, so the
// rounding is decided on the exact value.
std::optional<uint64_t> ScaledExactly(double magnitude, int decimals) {
    const double scale = static_cast<double>(PowersOfTen[static_cast<size_t>(decimals)]);
    const double product = magnitude * scale;
    if (!(product < 0x1p52)) return std::nullopt;  // too large, infinite or not a number
    const double error = std::fma(magnitude, scale, -product);
    const double whole = std::floor(product);
    const double half = whole + 0.5;
    const auto n = static_cast<uint64_t>(whole);
    if (product > half || (product == half && error > 0)) return n + 1;
    if (product < half || error < 0) return n;
    return n + (n & 1);
}

// Tables format thousands of reals with a few decimals; this writes them without the general
// conversion, with the same digits.
bool FormatFixedQuickly(double value, int decimals, std::string& text) {
    if (decimals >= static_cast<int>(PowersOfTen.size())) return false;
    const std::optional<uint64_t> scaled = ScaledExactly(std::fabs(value), decimals);
    if (!scaled) return false;
    const uint64_t power = PowersOfTen[static_cast<size_t>(decimals)];
    // Most table values fit 32 bits scaled, where dividing is several times quicker.
    const bool narrow = *scaled <= std::numeric_limits<uint32_t>::max();
    const uint64_t whole =
        narrow ? static_cast<uint32_t>(*scaled) / static_cast<uint32_t>(power) : *scaled / power;
    char buffer[48];
    char* out = buffer;
    if (std::signbit(value)) *out++ = '-';
    out = std::to_chars(out, buffer + sizeof buffer, whole).ptr;
    if (decimals > 0) {
        *out++ = FormatSettings().DecimalSeparator;
        uint64_t fraction = *scaled - whole * power;
        for (int i = decimals - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += decimals;
    }
    AssignShort(text, buffer, out);
    return true;
}

}  // namespace

void AssignFixed(std::string& text, double value, int decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 40) decimals = 40;
    if (FormatFixedQuickly(value, decimals, text)) return;
    // to_chars rounds exactly as printf does, without its cost.
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    AssignShort(text, buffer, error == std::errc() ? end : buffer);
    for (char& c : text) {
        if (c == '.') c = FormatSettings().DecimalSeparator;
    }
}

std::string FormatFixed(double value, int decimals) {
    std::string text;
    AssignFixed(text, value, decimals);
    return text;
}

namespace {

struct Directive {
    int index = -1;
    bool leftAlign = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

[[noreturn]] void ThrowBadFormat(std::string_view pattern) {
    throw ConvertError("Format '" + std::string(pattern) + "' invalid or incompatible with argument");
}

// Counts code points so that widths and truncation work on Cyrillic UTF-8 text.
size_t CodePoints(std::string_view text) {
    size_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++count;
    }
    return count;
}

std::string FirstCodePoints(std::string_view text, size_t limit) {
    size_t count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == limit) return std::string(text.substr(0, i));
            ++count;
        }
    }
    return std::string(text);
}

int ReadNumber(std::string_view pattern, size_t& pos) {
    int value = 0;
    while (pos < pattern.size() && pattern[pos] >= '0' && pattern[pos] <= '9') {
        value = value * 10 + (pattern[pos] - '0');
        if (value > 100000) ThrowBadFormat(pattern);
        ++pos;
    }
    return value;
}

Directive ParseDirective(std::string_view pattern, size_t& pos) {
    Directive d;
    size_t start = pos;
    int number = ReadNumber(pattern, pos);
    if (pos < pattern.size() && pattern[pos] == ':' && pos > start) {
        d.index = number;
        ++pos;
        start = pos;
    } else {
        pos = start;
    }
    if (pos < pattern.size() && pattern[pos] == '-') {
        d.leftAlign = true;
        ++pos;
    }
    start = pos;
    int width = ReadNumber(pattern, pos);
    if (pos > start) d.width = width;
    if (pos < pattern.size() && pattern[pos] == '.') {
        ++pos;
        d.precision = ReadNumber(pattern, pos);
    }
    if (pos >= pattern.size()) ThrowBadFormat(pattern);
    d.type = static_cast<char>(pattern[pos] | 0x20);  // letters are case-insensitive
    ++pos;
    return d;
}

std::string FormatInteger(int64_t value, const Directive& d, std::string_view pattern) {
    std::string digits;
    bool negative = value < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    if (d.type == 'x') {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
        digits = buffer;
        negative = false;
    } else if (d.type == 'd' || d.type == 'u') {
        digits = std::to_string(magnitude);
    } else {
        ThrowBadFormat(pattern);
    }
    if (d.precision > 0 && static_cast<int>(digits.size()) < d.precision) {
        digits.insert(0, static_cast<size_t>(d.precision) - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
}

std::string FormatOne(const Directive& d, const FormatArg& arg, std::string_view pattern) {
    const auto& value = arg.Value();
    switch (d.type) {
        case 'd':
        case 'u':
        case 'x':
            if (!std::holds_alternative<int64_t>(value)) ThrowBadFormat(pattern);
            return FormatInteger(std::get<int64_t>(value), d, pattern);
        case 'f': {
            double real;
            if (std::holds_alternative<double>(value)) {
                real = std::get<double>(value);
            } else if (std::holds_alternative<int64_t>(value)) {
                real = static_cast<double>(std::get<int64_t>(value));
            } else {
                ThrowBadFormat(pattern);
            }
            return FormatFixed(real, d.precision < 0 ? 2 : d.precision);
        }
        case 's': {
            if (!std::holds_alternative<std::string>(value)) ThrowBadFormat(pattern);
            const std::string& text = std::get<std::string>(value);
            return d.precision >= 0 ? FirstCodePoints(text, static_cast<size_t>(d.precision)) : text;
        }
        default:
            ThrowBadFormat(pattern);
    }
}

void AppendAligned(std::string& out, const std::string& text, const Directive& d) {
    size_t length = CodePoints(text);
    size_t width = d.width > 0 ? static_cast<size_t>(d.width) : 0;
    if (length >= width) {
        out += text;
    } else if (d.leftAlign) {
        out += text;
        out.append(width - length, ' ');
    } else {
        out.append(width - length, ' ');
        out += text;
    }
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args) {
    const std::vector<FormatArg> list(args);
    std::string out;
    out.reserve(pattern.size() + 16);
    size_t next = 0;
    size_t pos = 0;
    while (pos < pattern.size()) {
        char c = pattern[pos++];
        if (c != '%') {
            out += c;
            continue;
        }
        if (pos < pattern.size() && pattern[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        Directive d = ParseDirective(pattern, pos);
        // An explicit index moves the running argument position, as later plain
        // directives continue after it.
        if (d.index >= 0) next = static_cast<size_t>(d.index);
        if (next >= list.size()) ThrowBadFormat(pattern);
        AppendAligned(out, FormatOne(d, list[next], pattern), d);
        ++next;
    }
    return out;
}

}  // namespace quorvel
