#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "core/archive/draw_archive.h"
#include "core/stats/stat_list.h"
#include "core/util/error.h"
#include "core/util/safe_file.h"

namespace quorvel::fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Memory-backed where the system has it: the crash-safe writes flush every file, which on a
// disk would take most of a run's time.
inline std::filesystem::path FolderPath() {
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    return base / ("quorvel-fuzz-" + std::to_string(::getpid()));
}

// A folder of this process for the files a target reads and writes, since readers of files take
// a path; it goes when the process ends normally.
inline const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        std::filesystem::create_directories(FolderPath());
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(FolderPath(), ignored);
        });
        return FolderPath();
    }();
    return folder;
}

// The input written to a file of that name in the folder, replacing what an earlier input left.
inline std::filesystem::path AsFile(const uint8_t* data, size_t size, const char* name) {
    const std::filesystem::path path = Folder() / name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// A broken promise of the code under test: libFuzzer keeps the input that led here.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Expect(bool condition, const char* what) {
    if (!condition) Fail(what);
}

// The system's own Error is a clear refusal of a bad input. Anything else escaping a reader (an
// out-of-range index, a failed allocation, a library's exception) is a fault, and goes on to
// end the run as a crash.
template <typename F>
bool Refusing(F read) {
    try {
        read();
        return true;
    } catch (const Error&) {
        return false;
    }
}

// Forty draws with every value at every position, for readers whose content is used on draws.
inline const DrawArchive& SmallArchive() {
    static const DrawArchive archive = [] {
        DrawArchive made;
        for (int i = 0; i < 40; ++i) {
            TDraw draw;
            draw.Number = i + 1;
            draw.Values = {static_cast<uint8_t>(i % 10), static_cast<uint8_t>(i * 3 % 10),
                           static_cast<uint8_t>(i * 7 / 3 % 10)};
            draw.DateText.SetText("01.01.2024 12:00");
            made.Append(draw);
        }
        return made;
    }();
    return archive;
}

// The catalogue of every method over the small archive, made once per process.
inline TStatList& Catalogue() {
    static TStatList catalogue = [] {
        TStatList list(Folder() / "catalogue.ini");
        list.SetDraws(&SmallArchive().Draws());
        list.Rebuild();
        return list;
    }();
    return catalogue;
}

}  // namespace quorvel::fuzz
