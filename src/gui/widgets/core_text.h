#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quorvel::gui {

// The core writes its captions in the built-in language: column captions, method titles,
// list entries. These give them in the interface language, from the language module's
// contexts "Columns", "Methods" and "Lists"; a text the module does not know stays as it is,
// as a name the user gave does. A text with numbers in it is looked up with %1, %2... in their
// places ("Совпадений: %1").
QString ColumnText(std::string_view caption);
QString ListEntryText(std::string_view entry);
// Entries the core joins with "; " (a scenario line's options), each translated.
QString ListEntriesText(std::string_view entries);
// A chart series' name: a method's title, or a name the core gives a line ("Среднее значение").
QString SeriesText(const std::string& title);
// The main window's caption, "Quorvel 3r10 версия 1.0" in the interface language.
QString MainCaptionText();
// A method as the method lists show it, "{ num } Числа тиража [ N ]", with the title and the
// group's name translated and the code and letters kept.
QString MethodText(const std::string& listText);

}  // namespace quorvel::gui
