#include "cli/commands_significance.h"

#include <ostream>

#include "cli/cli_language.h"
#include "cli/cli_options.h"
#include "cli/console_host.h"
#include "core/app/workspace.h"
#include "core/stakes/significance.h"
#include "core/util/format.h"
#include "core/util/text_file.h"

namespace quorvel::cli {

namespace {

std::vector<std::string> ReportLines(const SignificanceReport& report) {
    std::vector<std::string> lines{HeaderLine(SignificanceColumnCaptions)};
    for (const SignificanceRow* row : RowsByP(report))
        lines.push_back(JoinCells(SignificanceRowTexts(*row)));
    return lines;
}

}  // namespace

int RunRatingSignificance(Workspace& workspace, std::vector<std::string>& args, std::ostream& out,
                          std::ostream& err) {
    const auto csv = TakeOption(args, "--csv");
    if (!NoArgsLeft(args, err)) return 1;
    StakesService& stakes = workspace.Stakes();
    SignificanceReport report;
    try {
        report = RatingSignificance(stakes.Rating(), stakes.File());
    } catch (const std::exception& e) {
        err << Format(Text("Не удалось прочитать файл ставок: %s"), {MessageText(e.what())}) << "\n";
        return 1;
    }
    const std::vector<std::string> lines = ReportLines(report);
    if (csv) {
        try {
            WriteTextFile(*csv, lines);
        } catch (const std::exception& e) {
            err << ConsoleText(
                       Format(Text("Ошибка записи в файл \"%s\"!\r\r%s"), {*csv, MessageText(e.what())}))
                << "\n";
            return 1;
        }
    }
    for (const std::string& line : lines)
        out << line << "\n";
    out << MessageText(SignificanceSummary(report)) << "\n";
    return 0;
}

}  // namespace quorvel::cli
