#include "core/app/switches.h"

#include "core/util/text.h"

namespace quorvel {

bool HasSwitch(const std::vector<std::string>& args, std::string_view name) {
    for (const std::string& arg : args) {
        for (std::string_view prefix : {"", "-", "--", "/", "\\"}) {
            std::string candidate = std::string(prefix) + std::string(name);
            if (SameTextIgnoringCase(arg, candidate)) return true;
        }
    }
    return false;
}

}  // namespace quorvel
