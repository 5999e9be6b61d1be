#include "core/app/caption.h"

#include "core/util/version.h"

namespace quorvel {

std::string MainCaption() {
    return std::string(ProgramTitle) + " версия " + ProgramVersion;
}

}  // namespace quorvel
