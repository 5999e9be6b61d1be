#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "core/export/xlsx_sheet.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"
#include "support/temp_dir.h"

using namespace quorvel;

namespace {

// One part of the workbook's zip container, read by an independent reader.
std::string ZipEntry(const std::filesystem::path& file, const std::string& entry) {
    const std::string command =
        "python3 -c \"import zipfile,sys; sys.stdout.write(zipfile.ZipFile(sys.argv[1])"
        ".read(sys.argv[2]).decode())\" '" +
        file.string() + "' '" + entry + "'";
    std::string text;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

}  // namespace

TEST(XlsxSheet, NumbersAreTheTextsThatReadAsNumbers) {
    double value = 0;
    int decimals = -1;
    ASSERT_TRUE(SheetNumber("12", value, decimals));
    EXPECT_EQ(value, 12);
    EXPECT_EQ(decimals, 0);
    ASSERT_TRUE(SheetNumber("-0.250", value, decimals));
    EXPECT_EQ(value, -0.25);
    EXPECT_EQ(decimals, 3);
    ASSERT_TRUE(SheetNumber("16,5", value, decimals));
    EXPECT_EQ(value, 16.5);
    ASSERT_TRUE(SheetNumber("0", value, decimals));
    ASSERT_TRUE(SheetNumber("0.00", value, decimals));
    EXPECT_EQ(decimals, 2);
    // Texts that merely look numeric stay texts, so nothing the list shows changes.
    for (const char* text :
         {"", "-", "007", "1;2;3", "1e5", "12 %", "1.", ".5", "1.2.3", "01.08.2025 23:34", "3-7"})
        EXPECT_FALSE(SheetNumber(text, value, decimals)) << text;
}

TEST(XlsxSheet, SheetNamesFollowTheSpreadsheetRules) {
    EXPECT_EQ(SheetName("Статистика"), "Статистика");
    EXPECT_EQ(SheetName("a[b]:c*d?e/f\\g"), "abcdefg");
    EXPECT_EQ(SheetName("  "), "Sheet1");
    // 31 characters, counted as characters: a Cyrillic title is not cut inside a letter.
    const std::string longTitle(40, 'x');
    EXPECT_EQ(SheetName(longTitle).size(), 31u);
    std::string cyrillic;
    for (int i = 0; i < 40; ++i)
        cyrillic += "я";
    EXPECT_EQ(SheetName(cyrillic).size(), 62u);
}

TEST(XlsxSheet, WorkbookHoldsTextsNumbersWidthsAndColours) {
    test::TempDir dir;
    TSheet sheet;
    sheet.Title = "Статистика";
    sheet.Captions = {"Значение", "Кол-во", "Кол-во %"};
    sheet.Widths = {12, 8, 10};
    sheet.Rows = {{{"7", 0xFF0000}, {"5"}, {"16.66667"}}, {{"Итого:", 0xFFFFFF, true}, {"30"}, {"-"}}};
    const auto file = dir / "stats.xlsx";
    WriteXlsx(file, sheet);
    EXPECT_EQ(ReadFileBytes(file).substr(0, 2), "PK");
    EXPECT_FALSE(std::filesystem::exists(dir / "stats.xlsx.~xlsx"));

    const std::string workbook = ZipEntry(file, "xl/workbook.xml");
    EXPECT_NE(workbook.find("name=\"Статистика\""), std::string::npos) << workbook;
    const std::string strings = ZipEntry(file, "xl/sharedStrings.xml");
    for (const char* text : {"Значение", "Кол-во %", "Итого:", "-"})
        EXPECT_NE(strings.find(text), std::string::npos) << text;
    EXPECT_EQ(strings.find(">7<"), std::string::npos);  // numbers are not strings
    const std::string cells = ZipEntry(file, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(std::regex_search(cells, std::regex(R"(<c r="A2"[^>]*><v>7</v>)"))) << cells;
    EXPECT_TRUE(std::regex_search(cells, std::regex(R"(<c r="C2"[^>]*><v>16.66667</v>)")));
    EXPECT_TRUE(std::regex_search(cells, std::regex(R"(<col min="1" max="1" width="12)")));
    const std::string styles = ZipEntry(file, "xl/styles.xml");
    EXPECT_NE(styles.find("FFFF0000"), std::string::npos);
    EXPECT_NE(styles.find("0.00000"), std::string::npos);  // the decimals the list shows
}

TEST(XlsxSheet, AFailedExportLeavesThePreviousFile) {
    test::TempDir dir;
    const auto file = dir / "kept.xlsx";
    WriteFileSafely(file, "previous");
    std::filesystem::create_directory(dir / "kept.xlsx.~xlsx");  // the scratch name is taken
    TSheet sheet;
    sheet.Captions = {"A"};
    EXPECT_THROW(WriteXlsx(file, sheet), std::exception);
    EXPECT_EQ(ReadFileBytes(file), "previous");
    EXPECT_THROW(WriteXlsx(dir / "missing" / "x.xlsx", sheet), Error);
}
