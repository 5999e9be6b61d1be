#include "core/export/xlsx_sheet.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <map>

#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

// The formats of one workbook, made once per distinct look.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook* book) : book_(book) {}
    lxw_format* Get(uint32_t background, bool bold, int decimals) {
        const auto key = std::make_tuple(background, bold, decimals);
        auto it = formats_.find(key);
        if (it != formats_.end()) return it->second;
        lxw_format* format = workbook_add_format(book_);
        if (background != 0xFFFFFF) {
            format_set_bg_color(format, static_cast<lxw_color_t>(background));
            format_set_pattern(format, LXW_PATTERN_SOLID);
        }
        if (bold) format_set_bold(format);
        if (decimals > 0)
            format_set_num_format(format, ("0." + std::string(static_cast<size_t>(decimals), '0')).c_str());
        formats_.emplace(key, format);
        return format;
    }

private:
    lxw_workbook* book_;
    std::map<std::tuple<uint32_t, bool, int>, lxw_format*> formats_;
};

void Check(lxw_error error) {
    if (error != LXW_NO_ERROR) throw Error(lxw_strerror(error));
}

void WriteCell(lxw_worksheet* sheet, FormatCache& formats, int row, int column, const TSheetCell& cell) {
    double number = 0;
    int decimals = 0;
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    if (SheetNumber(cell.Text, number, decimals)) {
        Check(worksheet_write_number(sheet, r, c, number, formats.Get(cell.Background, cell.Bold, decimals)));
    } else if (!cell.Text.empty()) {
        Check(worksheet_write_string(sheet, r, c, cell.Text.c_str(),
                                     formats.Get(cell.Background, cell.Bold, 0)));
    } else if (cell.Background != 0xFFFFFF) {
        Check(worksheet_write_blank(sheet, r, c, formats.Get(cell.Background, cell.Bold, 0)));
    }
}

}  // namespace

bool SheetNumber(const std::string& text, double& value, int& decimals) {
    if (text.empty() || text.size() > 20) return false;
    std::string plain = text;
    const size_t point = plain.find_first_of(".,");
    if (point != std::string::npos) plain[point] = '.';
    // Leading zeros ("007") and a lone sign are names, not numbers.
    const size_t digits = plain[0] == '-' ? 1 : 0;
    if (plain.size() == digits) return false;
    if (plain.size() > digits + 1 && plain[digits] == '0' && plain[digits + 1] != '.') return false;
    for (size_t i = digits; i < plain.size(); ++i) {
        if (i != point && (plain[i] < '0' || plain[i] > '9')) return false;
    }
    if (point == digits || point + 1 == plain.size()) return false;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size()) return false;
    decimals = point == std::string::npos ? 0 : static_cast<int>(plain.size() - point - 1);
    return true;
}

std::string SheetName(const std::string& title) {
    std::string name;
    for (char c : title) {
        if (std::string_view("[]:*?/\\").find(c) == std::string_view::npos) name += c;
    }
    name = std::string(TrimBlanks(name));
    // 31 characters, not bytes: the cut must not split a UTF-8 sequence.
    size_t characters = 0;
    size_t end = 0;
    while (end < name.size() && characters < 31) {
        const auto lead = static_cast<unsigned char>(name[end]);
        end += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        ++characters;
    }
    name.resize(std::min(end, name.size()));
    return name.empty() ? "Sheet1" : name;
}

void WriteXlsx(const std::filesystem::path& file, const TSheet& sheet) {
    std::filesystem::path temporary = file;
    temporary += ".~xlsx";
    lxw_workbook* book = workbook_new(temporary.c_str());
    if (book == nullptr) throw Error("Невозможно создать файл \"" + PathText(temporary) + "\"!");
    try {
        lxw_worksheet* worksheet = workbook_add_worksheet(book, SheetName(sheet.Title).c_str());
        if (worksheet == nullptr) throw Error("Невозможно создать лист книги!");
        FormatCache formats(book);
        for (size_t column = 0; column < sheet.Captions.size(); ++column) {
            const TSheetCell caption{sheet.Captions[column], 0xF0F0F0, true};
            WriteCell(worksheet, formats, 0, static_cast<int>(column), caption);
        }
        for (size_t column = 0; column < sheet.Widths.size(); ++column)
            Check(worksheet_set_column(worksheet, static_cast<lxw_col_t>(column),
                                       static_cast<lxw_col_t>(column), sheet.Widths[column], nullptr));
        worksheet_freeze_panes(worksheet, 1, 0);
        for (size_t row = 0; row < sheet.Rows.size(); ++row) {
            for (size_t column = 0; column < sheet.Rows[row].size(); ++column)
                WriteCell(worksheet, formats, static_cast<int>(row) + 1, static_cast<int>(column),
                          sheet.Rows[row][column]);
        }
    } catch (...) {
        workbook_close(book);
        std::filesystem::remove(temporary);
        throw;
    }
    errno = 0;
    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) {
        // The library's own text names only its step; the system's reason tells the user why.
        const int reason = errno;
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw Error(std::string(lxw_strerror(closed)) +
                    (reason != 0 ? ": " + std::string(std::strerror(reason)) : ""));
    }
    // The finished workbook takes the file's place in one step.
    std::string bytes = ReadFileBytes(temporary);
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    WriteFileSafely(file, bytes);
}

}  // namespace quorvel
