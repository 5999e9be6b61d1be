#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quorvel {

// One cell of an exported list as the list paints it.
struct TSheetCell {
    std::string Text;
    uint32_t Background = 0xFFFFFF;  // RGB
    bool Bold = false;
};

// A list as shown: the tab caption, the column captions and widths, the rows.
struct TSheet {
    std::string Title;
    std::vector<std::string> Captions;
    std::vector<double> Widths;  // in characters; missing columns keep the default
    std::vector<std::vector<TSheetCell>> Rows;
};

// Whether a cell text is a number to the spreadsheet ("12", "-3", "0.250", "16,5"): such cells
// are stored as numbers and keep their decimals through the cell format.
bool SheetNumber(const std::string& text, double& value, int& decimals);
// A sheet name the spreadsheet accepts: at most 31 characters, none of []:*?/\, not empty.
std::string SheetName(const std::string& title);
// Writes the sheet as an .xlsx workbook, replacing the file only once the workbook is whole.
// Throws Error with the reason.
void WriteXlsx(const std::filesystem::path& file, const TSheet& sheet);

}  // namespace quorvel
