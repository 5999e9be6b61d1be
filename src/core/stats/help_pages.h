#pragma once

#include <filesystem>
#include <string>

#include "stats/stat_method.h"

namespace quorvel {

// The file name of a method's description page, e.g. "Filters_1049_POSx.htm": one page per
// class, named by the class's help topic with the parameter filled in.
std::string MethodHelpPageName(const TStatMethod& entry);

// The description page of a method among the pages shipped in the program's "help" folder;
// empty when that page is not there (the description window then shows an empty page).
std::filesystem::path MethodHelpPage(const TStatMethod& entry, const std::filesystem::path& programDir);

}  // namespace quorvel
