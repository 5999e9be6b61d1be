#include "core/util/text.h"

#include <charconv>

namespace quorvel {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<int32_t> ParseInt32(std::string_view text) {
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    if (text.empty() || text[0] == '+') return std::nullopt;
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitWords(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> words;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t start = text.find_first_not_of(separators, pos);
        if (start == std::string_view::npos) break;
        size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) end = text.size();
        words.push_back(text.substr(start, end - start));
        pos = end;
    }
    return words;
}

std::vector<std::string_view> SplitEvery(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> words;
    size_t start = 0;
    while (true) {
        size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) {
            words.push_back(text.substr(start));
            return words;
        }
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += separator;
        out += parts[i];
    }
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c + 32);
        } else if ((c == 0xD0 || c == 0xD1) && i + 1 < text.size()) {
            // Cyrillic capitals: U+0410..U+042F and U+0400..U+040F.
            auto next = static_cast<unsigned char>(text[i + 1]);
            unsigned code = ((c & 0x1F) << 6) | (next & 0x3F);
            if (code >= 0x410 && code <= 0x42F)
                code += 0x20;
            else if (code >= 0x400 && code <= 0x40F)
                code += 0x50;
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    return LowerCase(a) == LowerCase(b);
}

std::string HtmlEscaped(std::string_view text) {
    std::string html;
    for (char c : text) {
        if (c == '&')
            html += "&amp;";
        else if (c == '<')
            html += "&lt;";
        else if (c == '>')
            html += "&gt;";
        else if (c == '"')
            html += "&quot;";
        else
            html += c;
    }
    return html;
}

}  // namespace quorvel
