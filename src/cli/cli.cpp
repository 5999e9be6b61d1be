#include "cli.h"

#include <ostream>

#include "app/version.h"

namespace quorvel::cli {

namespace {

constexpr const char* Usage =
    "Использование: quorvel [--data-dir КАТАЛОГ] КОМАНДА [ПАРАМЕТРЫ]\n"
    "\n"
    "  --version        номер версии программы\n"
    "  --help           эта справка\n";

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        out << Usage;
        return args.empty() ? 1 : 0;
    }
    if (args[0] == "--version") {
        out << "quorvel " << ProgramVersion << "\n";
        return 0;
    }
    err << "Неизвестная команда: " << args[0] << "\n" << Usage;
    return 1;
}

}  // namespace quorvel::cli
