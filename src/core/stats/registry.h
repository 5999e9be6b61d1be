#pragma once

#include <vector>

#include "core/stats/stat_class.h"

namespace quorvel {

// The statistic classes in the order of the registration table.
const std::vector<TStatClass>& RegisteredClasses();

// Each family adds its classes with their places in the table.
void RegisterNumbersFamily(std::vector<TStatClass>& classes);
void RegisterSumsFamily(std::vector<TStatClass>& classes);
void RegisterDifferencesFamily(std::vector<TStatClass>& classes);
void RegisterChannelsFamily(std::vector<TStatClass>& classes);
void RegisterMatrixFamily(std::vector<TStatClass>& classes);
void RegisterSegmentsFamily(std::vector<TStatClass>& classes);
void RegisterSequencesFamily(std::vector<TStatClass>& classes);
void RegisterRepeatsFamily(std::vector<TStatClass>& classes);
void RegisterValueCombsFamily(std::vector<TStatClass>& classes);
void RegisterDivavFamily(std::vector<TStatClass>& classes);
void RegisterSeriesFamily(std::vector<TStatClass>& classes);
void RegisterTransitionsFamily(std::vector<TStatClass>& classes);
void RegisterShreddingFamily(std::vector<TStatClass>& classes);

}  // namespace quorvel
