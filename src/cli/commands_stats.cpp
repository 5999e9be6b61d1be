#include "commands_stats.h"

#include <ostream>

#include "app/workspace.h"
#include "stats/stat_class.h"

namespace quorvel::cli {

// The catalogue one entry a line (code;group;features;title), or with --list the method list
// as the statistics tab shows it.
int RunMethods(Workspace& workspace, std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const TStatList& stats = workspace.Stats();
    if (args.size() == 1 && args[0] == "--list") {
        for (const auto& item : stats.MethodList(false))
            out << item.Text << "\n";
        return 0;
    }
    if (!args.empty()) {
        err << "Неверные параметры команды; см. quorvel --help\n";
        return 1;
    }
    for (const TStatMethod& entry : stats.Items) {
        out << entry.Code() << ";" << entry.StatClass->Group << ";"
            << FeatureLetters(entry.StatClass->DisplayFlags()) << ";" << entry.DisplayName() << "\n";
    }
    return 0;
}

}  // namespace quorvel::cli
