#pragma once

#include <QString>
#include <string>

namespace quorvel::language {

// A message of the core (an error, a warning, a question) in the interface language. Each
// paragraph (the core breaks them with CR CR) is looked up alone in the context "Messages":
// as it is; then with the contents of its quoted parts and its numbers as %1, %2... in their
// order ("Система \"%1\" для %2 чисел"); then, when it has several lines (a list of draws, one
// a line), line by line, each line as a paragraph; then, when it has ": " outside quotes, as
// its label so made and one more placeholder for the rest, which is kept as it is ("Не удалось
// открыть файл \"%1\": %2"). A paragraph the module does not know stays as it is.
QString MessageText(const std::string& text);

}  // namespace quorvel::language
