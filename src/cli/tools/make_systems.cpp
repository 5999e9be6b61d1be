// Writes the ready systems shipped with the program into the folder given as the only
// argument: a complete system for every count of numbers from 4 to 10, with its description.

#include <exception>
#include <filesystem>
#include <iostream>

#include "core/systems/system_catalogue.h"
#include "core/systems/system_files.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quorvel_make_systems FOLDER\n";
        return 1;
    }
    using namespace quorvel;
    const std::filesystem::path folder = argv[1];
    try {
        std::filesystem::create_directories(folder);
        // A fixed date keeps the shipped files identical from build to build.
        constexpr int64_t Created = 1735689600;  // 2025-01-01 00:00:00 UTC
        for (const TShippedSystem& system : ShippedSystems()) {
            TSystemInfo info;
            info.Id = system.Key.Id;
            info.Numbers = static_cast<uint8_t>(system.Key.Numbers);
            info.Block = static_cast<uint8_t>(system.Key.Block);
            info.Title = system.Title;
            info.Author = ShippedSystemsAuthor;
            info.Description = system.Description;
            info.Created = Created;
            WriteSystemFile(folder / SystemFileName(system.Key), system.Lines, Created);
            StoreSystemDescription(folder, info);
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
