#include "bench/large_archive.h"

#include <cstdio>
#include <fstream>
#include <random>

#include "core/archive/draws_import.h"

namespace quorvel::bench {

namespace {

// Three draws a day from 1 January 2000, at the hours of the real game.
std::string DateText(int index) {
    static const char* const Hours[] = {"12:29", "18:59", "23:34"};
    static const int MonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int day = index / 3;
    int year = 2000;
    auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    while (day >= (leap(year) ? 366 : 365)) {
        day -= leap(year) ? 366 : 365;
        ++year;
    }
    int month = 0;
    while (day >= MonthDays[month] + (month == 1 && leap(year) ? 1 : 0)) {
        day -= MonthDays[month] + (month == 1 && leap(year) ? 1 : 0);
        ++month;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %s", day + 1, month + 1, year, Hours[index % 3]);
    return text;
}

void WriteLargeArchiveFile(const std::filesystem::path& path) {
    std::mt19937 random(LargeArchiveDraws);
    std::uniform_int_distribution<int> digit(0, 9);
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary);
        for (int i = 0; i < LargeArchiveDraws; ++i) {
            const int a = digit(random);
            const int b = digit(random);
            const int c = digit(random);
            out << i + 1 << ";\"" << DateText(i) << "\";" << a << ';' << b << ';' << c << "\r\n";
        }
    }
    std::filesystem::rename(partial, path);
}

}  // namespace

std::filesystem::path LargeArchiveFile() {
    const std::filesystem::path path = std::filesystem::path(QUORVEL_BENCH_DATA_DIR) /
                                       ("archive_" + std::to_string(LargeArchiveDraws) + ".csv");
    if (!std::filesystem::exists(path)) WriteLargeArchiveFile(path);
    return path;
}

const DrawArchive& LargeArchive() {
    static const DrawArchive archive = [] {
        DrawArchive imported;
        ImportDrawLines(imported, ReadDrawsTextFile(LargeArchiveFile()));
        return imported;
    }();
    return archive;
}

}  // namespace quorvel::bench
