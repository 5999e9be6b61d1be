#pragma once

#include <filesystem>
#include <string>

#include "core/stats/stat_method.h"

namespace quorvel {

// The pages carry the number of the language they are written in. Every page exists in
// Russian, the built-in language, so a page missing in another language falls back to it.
constexpr int HelpPagesLanguage = 1049;
constexpr int EnglishHelpLanguage = 1033;
// The languages the generator writes the pages in, the fallback first.
constexpr int HelpLanguages[] = {HelpPagesLanguage, EnglishHelpLanguage};

// The folder of the help pages beside the program.
std::filesystem::path HelpFolder(const std::filesystem::path& programDir);

// The file name of a method's description page, e.g. "Filters_1049_POSx.htm": one page per
// class, named by the class's help topic with the parameter filled in. Throws ConvertError
// when the topic pattern does not take the parameter.
std::string MethodHelpPageName(const TStatMethod& entry, int language = HelpPagesLanguage);

// The description page of a method among the pages shipped in the program's "help" folder, in
// the language when it is there, else the Russian one; empty when neither is there (the
// description window then shows an empty page).
std::filesystem::path MethodHelpPage(const TStatMethod& entry, const std::filesystem::path& programDir,
                                     int language = HelpPagesLanguage);

// The address of a method's page ("file://..."); empty when the page is not there.
std::string HelpUrl(const TStatMethod& entry, const std::filesystem::path& programDir,
                    int language = HelpPagesLanguage);

// The main page of the help: the workflows and the index of all methods. It is named like
// the help file of the language ("Pelmor_RUS", "Pelmor_ENU"), as a page.
std::string HelpMainPageName(int language = HelpPagesLanguage);
// The main page in the program's "help" folder, in the language when it is there, else the
// Russian one; empty when neither is there.
std::filesystem::path HelpMainPage(const std::filesystem::path& programDir, int language = HelpPagesLanguage);

}  // namespace quorvel
