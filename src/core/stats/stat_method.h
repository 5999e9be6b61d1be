#pragma once

#include <memory>
#include <string>

#include "core/stats/stat_class.h"

namespace quorvel {

class TCustomStat;
class TStatList;

// One entry of the method catalogue: a statistic class with its parameter.
struct TStatMethod {
    const TStatClass* StatClass = nullptr;
    int Param = 0;
    bool Favourite = true;
    std::string CustomName;
    std::string Formula;  // shredding methods only

    std::string Code() const { return StatClass->Code(Param); }
    std::string Title() const { return StatClass->Title(Param); }
    std::string Name() const { return CustomName.empty() ? Title() : CustomName; }
    // The name as lists show it; a shredding method's name receives its formula.
    std::string DisplayName() const;
    std::unique_ptr<TCustomStat> CreateStat(const TStatList& owner) const;
};

}  // namespace quorvel
