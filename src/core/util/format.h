#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace quorvel {

// Process-wide number conventions; the decimal separator comes from the user's locale
// once and may be set by tests and the command line.
struct TFormatSettings {
    char DecimalSeparator = '.';
};

TFormatSettings& FormatSettings();
char LocaleDecimalSeparator();

class FormatArg {
public:
    FormatArg(int v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(long v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(long long v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(unsigned v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(unsigned long v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(double v) : value_(v) {}
    FormatArg(long double v) : value_(static_cast<double>(v)) {}
    FormatArg(const char* v) : value_(std::string(v)) {}
    FormatArg(std::string v) : value_(std::move(v)) {}
    FormatArg(std::string_view v) : value_(std::string(v)) {}

    const std::variant<int64_t, double, std::string>& Value() const { return value_; }

private:
    std::variant<int64_t, double, std::string> value_;
};

// The system's general formatting: %d, %u, %x, %s, %f with an optional argument index
// ("%1:s"), left alignment ("-"), width and precision ("%.2d" pads with zeros, "%.3f"
// prints three decimals with the user's decimal separator), and "%%".
// A directive that does not fit its argument throws ConvertError.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args);

// Fixed-point text of a real with the given decimals, correctly rounded, using the
// process-wide decimal separator.
std::string FormatFixed(double value, int decimals);
// The same, written over an existing text (a table rewrites thousands of cells).
void AssignFixed(std::string& text, double value, int decimals);

// Replaces the text with a few characters built on the stack; emptied and appended to, which
// for the handful of a number is quicker than assign or resize (a table writes thousands).
inline void AssignShort(std::string& text, const char* first, const char* last) {
    text.clear();
    text.append(first, static_cast<size_t>(last - first));
}

}  // namespace quorvel
