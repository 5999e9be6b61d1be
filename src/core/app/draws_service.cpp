#include "core/app/draws_service.h"

#include <algorithm>

#include "core/archive/draws_file.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

void DrawsService::LoadDraws() {
    BusyScope busy(p_.Busy, p_.Host, "Загрузка файла тиражей...");
    try {
        DrawsFileContent content = LoadDrawsFile(p_.Dir.DrawsPath());
        archive_.Assign(std::move(content.Draws));
        if (content.ReadError)
            p_.Host.ShowError(ActionError("Ошибка чтения файла тиражей!\r\r%s", *content.ReadError));
    } catch (const std::exception& e) {
        p_.Host.ShowError(ActionError("Ошибка чтения файла тиражей!\r\r%s", e.what()));
    }
    RefreshDraws(false);
}

bool DrawsService::SaveDraws() {
    bool saved = true;
    {
        BusyScope busy(p_.Busy, p_.Host, "Сохранение файла тиражей...");
        try {
            SaveDrawsFile(p_.Dir.DrawsPath(), archive_.Draws());
        } catch (const std::exception& e) {
            p_.Host.ShowError(ActionError("Ошибка записи в файл тиражей!\r\r%s", e.what()));
            saved = false;
        }
    }
    RefreshDraws(true);
    return saved;
}

TDraw DrawsService::NewDrawTemplate() const {
    TDraw draw;
    draw.Number = archive_.NextDrawNumber(0);
    return draw;
}

bool DrawsService::AddDraw(const TDraw& draw) {
    archive_.Append(draw);
    bool saved = SaveDraws();
    RecalcViews();
    return saved;
}

bool DrawsService::ReplaceDraw(int index, const TDraw& draw) {
    try {
        archive_.ReplaceAt(index, draw);
    } catch (const std::exception& e) {
        p_.Host.ShowError(e.what());
        return false;
    }
    bool saved = SaveDraws();
    RecalcViews();
    return saved;
}

bool DrawsService::DeleteDrawsAtRows(const std::vector<int>& rows) {
    if (rows.empty() || !ConfirmDelete(p_.Host, static_cast<int>(rows.size()))) return false;
    {
        BusyScope busy(p_.Busy, p_.Host, "Удаление выделенных тиражей....");
        // The list shows the archive as it was before the first deletion, so every number is
        // read first; then one draw goes per selected row, from the bottom row up.
        std::vector<int> sorted = rows;
        std::sort(sorted.begin(), sorted.end());
        std::vector<int> numbers;
        for (int row : sorted) {
            if (row >= 0 && row < archive_.Count()) numbers.push_back(archive_.DrawAtRow(row).Number);
        }
        try {
            for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
                archive_.DeleteDrawAt(archive_.IndexOfNumber(*it));
            }
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
        }
    }
    bool saved = SaveDraws();
    RecalcViews();
    return saved;
}

std::optional<DrawsImportResult> DrawsService::ImportDraws(const std::filesystem::path& file) {
    DrawsImportResult result;
    {
        BusyScope busy(p_.Busy, p_.Host, Format("Импорт тиражей из файла \"%s\"...", {PathText(file)}));
        std::vector<std::string> lines;
        try {
            lines = ReadDrawsTextFile(file);
        } catch (const std::exception& e) {
            p_.Host.ShowError(e.what());
            return std::nullopt;
        }
        result = ImportDrawLines(archive_, lines);
    }
    if (result.OutOfRange > 0) {
        p_.Host.ShowWarning(
            Format("Не импортировано строк: %d. В них есть значения вне диапазона от 0 до 9, "
                   "такой тираж не может быть добавлен в архив.",
                   {result.OutOfRange}));
    }
    if (result.Added > 0 && !SaveDraws()) return std::nullopt;
    RefreshDraws(true);
    return result;
}

bool DrawsService::ExportDraws(const std::filesystem::path& file) {
    BusyScope busy(p_.Busy, p_.Host, Format("Экспорт тиражей в файл \"%s\"...", {PathText(file)}));
    try {
        WriteDrawsTextFile(file, ExportDrawLines(archive_.Draws()));
        return true;
    } catch (const std::exception& e) {
        p_.Host.ShowError(e.what());
        return false;
    }
}

void DrawsService::SetDrawsOffset(int offset) {
    if (!archive_.SetOffset(offset)) return;
    RefreshDraws(false);
    RecalcViews();
}

void DrawsService::RefreshDraws(bool force) {
    p_.Listeners.TellAll([&](WorkspaceListener& listener) { listener.ArchiveRefreshed(force); });
}

void DrawsService::RecalcViews() {
    p_.Listeners.TellAll([&](WorkspaceListener& listener) { listener.RecalcViews(); });
}

}  // namespace quorvel
