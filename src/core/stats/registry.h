#pragma once

#include <vector>

#include "stats/stat_class.h"

namespace quorvel {

// The statistic classes in the order of the registration table.
const std::vector<TStatClass>& RegisteredClasses();

// Each family adds its classes with their places in the table.
void RegisterNumbersFamily(std::vector<TStatClass>& classes);

}  // namespace quorvel
