#include "cli/cli_sheet.h"
#include "cli/cli_language.h"

#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel::cli {

bool SaveSheet(UiHost& host, const std::string& file, const TSheet& sheet) {
    try {
        WriteXlsx(file, sheet);
        return true;
    } catch (const std::exception& e) {
        host.ShowError(
            Format(Text("Ошибка записи в файл \"%s\"!\r\r%s"), {PathText(file), std::string(e.what())}));
        return false;
    }
}

}  // namespace quorvel::cli
