#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "stats/stat_list.h"

namespace quorvel::fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The readers of files take a path: the input is written to a file of this process first.
inline std::filesystem::path AsFile(const uint8_t* data, size_t size, const char* name) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("quorvel-fuzz-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// Any exception is a clear refusal of a bad input, which is what the readers must give.
template <typename F>
void Refusing(F read) {
    try {
        read();
    } catch (const std::exception&) {
    }
}

// The catalogue of every method over an empty archive, made once per process.
inline TStatList& Catalogue() {
    static TDrawsArray draws;
    static TStatList catalogue = [] {
        TStatList list("unused.ini");
        list.SetDraws(&draws);
        list.Rebuild();
        return list;
    }();
    return catalogue;
}

}  // namespace quorvel::fuzz
