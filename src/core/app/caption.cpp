#include "app/caption.h"

#include "app/version.h"

namespace quorvel {

std::string MainCaption() {
    return std::string(ProgramTitle) + " версия " + ProgramVersion;
}

}  // namespace quorvel
