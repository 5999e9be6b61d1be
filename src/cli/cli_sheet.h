#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/export/xlsx_sheet.h"
#include "core/util/ui_host.h"

namespace quorvel::cli {

// A list of the command line as a spreadsheet: captions, then one row of texts per line.
template <size_t N>
TSheet TextSheet(const std::string& title, const std::array<const char*, N>& captions,
                 const std::vector<std::array<std::string, N>>& rows) {
    TSheet sheet;
    sheet.Title = title;
    for (const char* caption : captions)
        sheet.Captions.emplace_back(caption);
    for (const auto& row : rows) {
        std::vector<TSheetCell> cells;
        for (const std::string& text : row)
            cells.push_back({text});
        sheet.Rows.push_back(std::move(cells));
    }
    return sheet;
}

// Writes the workbook; a failure is shown through the host. Returns whether it was written.
bool SaveSheet(UiHost& host, const std::string& file, const TSheet& sheet);

}  // namespace quorvel::cli
