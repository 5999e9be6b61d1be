#include "cli/commands_archive.h"

#include <algorithm>
#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "core/app/workspace.h"
#include "core/model/text_forms.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/text.h"

namespace quorvel::cli {

namespace {

bool ExpectArgs(const std::vector<std::string>& args, size_t min, size_t max, std::ostream& err) {
    if (!NoOptionsLeft(args, err)) return false;
    if (args.size() >= min && args.size() <= max) return true;
    err << Text("Неверное число параметров команды; см. quorvel --help") << "\n";
    RefuseWords();
    return false;
}

}  // namespace

int RunImport(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!ExpectArgs(args, 1, 1, err)) return 1;
    auto result = workspace.Draws().ImportDraws(args[0]);
    if (!result) return 1;
    out << Format(Text("Добавлено тиражей: %d"), {result->Added}) << "\n";
    out << MessageText(workspace.Archive().SizeText()) << "\n";
    return 0;
}

int RunExport(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!ExpectArgs(args, 1, 1, err)) return 1;
    if (!workspace.Draws().ExportDraws(args[0])) return 1;
    out << Format(Text("Выгружено тиражей: %d"), {workspace.Archive().Count()}) << "\n";
    return 0;
}

int RunInfo(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    int offset = 0;
    if (args.size() == 2 && args[0] == "--offset") {
        auto value = ParseInt32(args[1]);
        if (!value || *value < 0 || *value > workspace.Archive().MaxOffset()) {
            err << Format(Text("Смещение должно быть целым числом от 0 до %d"),
                          {workspace.Archive().MaxOffset()})
                << "\n";
            return 1;
        }
        offset = *value;
    } else if (!ExpectArgs(args, 0, 0, err)) {
        return 1;
    }
    workspace.Draws().SetDrawsOffset(offset);
    const DrawArchive& archive = workspace.Archive();
    out << MessageText(archive.SizeText()) << "\n" << MessageText(archive.NextDrawText()) << "\n";
    if (std::string values = archive.NextValuesText(); !values.empty()) out << values << "\n";
    return 0;
}

int RunAdd(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!ExpectArgs(args, 2, 3, err)) return 1;
    auto number = ParseInt32(args[0]);
    if (!number || *number < 1) {
        err << Text("Номер тиража должен быть целым числом от 1 до 2147483647") << "\n";
        return 1;
    }
    TDraw draw;
    draw.Number = *number;
    const std::optional<TComb> values = ParseTypedComb(args[1]);
    if (!values) {
        err << Text("Введена некорректная комбинация!") << "\n";
        return 1;
    }
    draw.Values = values->Values;
    if (args.size() == 3) {
        try {
            draw.DateText.SetText(DrawDateToStr(StrToDrawDate(args[2])));
        } catch (const Error& e) {
            err << MessageText(e.what()) << "\n";
            return 1;
        }
    }
    if (!workspace.Draws().AddDraw(draw)) return 1;
    out << MessageText(DrawToStr(draw)) << "\n";
    return 0;
}

int RunDelete(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) return ExpectArgs(args, 1, 1, err) ? 0 : 1;
    // Each number stands for one selected row: a number given twice removes two draws.
    std::vector<int> rows;
    DrawArchive& archive = workspace.Archive();
    for (const std::string& text : args) {
        auto number = ParseInt32(text);
        int row = -1;
        for (int r = 0; number && r < archive.Count(); ++r) {
            if (archive.DrawAtRow(r).Number == *number &&
                std::find(rows.begin(), rows.end(), r) == rows.end()) {
                row = r;
                break;
            }
        }
        if (row < 0) {
            err << Format(Text("Тираж № %s не найден в архиве"), {text}) << "\n";
            return 1;
        }
        rows.push_back(row);
    }
    int before = archive.Count();
    if (!workspace.Draws().DeleteDrawsAtRows(rows)) {
        if (before == archive.Count()) err << Text("Удаление отменено") << "\n";
        return 1;
    }
    out << Format(Text("Удалено тиражей: %d"), {before - archive.Count()}) << "\n";
    return 0;
}

}  // namespace quorvel::cli
