#include "core/stats/registry.h"

#include <algorithm>

namespace quorvel {

const std::vector<TStatClass>& RegisteredClasses() {
    static const std::vector<TStatClass> classes = [] {
        std::vector<TStatClass> all;
        RegisterNumbersFamily(all);
        RegisterSumsFamily(all);
        RegisterDifferencesFamily(all);
        RegisterChannelsFamily(all);
        RegisterMatrixFamily(all);
        RegisterSegmentsFamily(all);
        RegisterSequencesFamily(all);
        RegisterRepeatsFamily(all);
        RegisterValueCombsFamily(all);
        RegisterDivavFamily(all);
        RegisterSeriesFamily(all);
        RegisterTransitionsFamily(all);
        RegisterShreddingFamily(all);
        std::stable_sort(all.begin(), all.end(),
                         [](const TStatClass& a, const TStatClass& b) { return a.Position < b.Position; });
        return all;
    }();
    return classes;
}

}  // namespace quorvel
