#include "core/app/log_deletion.h"

#include "core/stakes/stakes_check.h"

namespace quorvel {

void DeleteLogFiles(UiHost& host, BusyState& busy, const std::vector<std::filesystem::path>& files) {
    if (files.empty()) {
        host.ShowInfo("Файлы журналов не найдены!");
        return;
    }
    TDeleteReport report;
    {
        BusyScope scope(busy, host, "Поиск файлов журналов...");
        report = DeleteFiles(files);
    }
    if (report.Success)
        host.ShowInfo(report.Text);
    else
        host.ShowWarning(report.Text);
}

}  // namespace quorvel
