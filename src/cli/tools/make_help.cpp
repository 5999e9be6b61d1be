// Writes the help pages shipped with the program into the folder given as the only argument:
// the main page and one description page per help topic of the method catalogue.

#include <exception>
#include <filesystem>
#include <iostream>

#include "core/stats/help_writer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quorvel_make_help FOLDER\n";
        return 1;
    }
    try {
        quorvel::WriteHelpPages(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
