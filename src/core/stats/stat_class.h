#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace quorvel {

class TCustomStat;
class TStatList;

// Feature bits of a method and the letters the method lists show for them.
enum StatFeature : uint8_t {
    FeaturePositional = 1,  // S: values depend on the positions in the draw
    FeatureFullSet = 2,     // N: full-set file and norm columns
    FeatureOtherDraw = 4,   // D: compares a draw with an earlier one
    FeaturePeriods = 8,     // P: period methods
    FeatureGraph = 16,      // G: has a graph value
};

constexpr int StatGroupCount = 13;
// "{ num } Числа тиража"; "#ERROR#" for a group outside 0..12.
std::string GroupText(int group);
std::string GroupShortName(int group);
std::string GroupTitle(int group);
// The letters S, N, D, P, G of the set bits, in that order.
std::string FeatureLetters(uint8_t flags);

// What the catalogue knows of a statistic class before any instance exists.
struct TStatClass {
    using ParamRangeFn = std::pair<int, int> (*)(const TStatList& owner);
    using TitleFn = std::string (*)(int param);
    using CreateFn = std::unique_ptr<TCustomStat> (*)(const TStatClass& statClass, const TStatList& owner,
                                                      int param);

    int Position = 0;  // place in the registration table, 1..143
    const char* ClassName = "";
    std::string CodeFormat;  // already filled with the class's own k
    std::string TitleFormat;
    std::string HelpTopic;  // empty: the code pattern
    int Group = 0;
    uint8_t Flags = 0;
    bool Available = true;
    bool Selectable = true;
    bool Graph = false;
    bool NumericValues = true;
    ParamRangeFn ParamRange = nullptr;  // none: one entry with parameter 0
    TitleFn TitleOverride = nullptr;
    CreateFn Create = nullptr;

    uint8_t DisplayFlags() const;
    bool HasParamRange() const { return ParamRange != nullptr; }
    bool SupportsFullSet() const { return (Flags & FeatureFullSet) != 0; }
    std::string HelpTopicFormat() const { return HelpTopic.empty() ? CodeFormat : HelpTopic; }
    std::string Code(int param) const;
    std::string Title(int param) const;
};

}  // namespace quorvel
