#include "core/stats/stat_method.h"

#include "core/stats/custom_stat.h"
#include "core/util/error.h"
#include "core/util/format.h"

namespace quorvel {

constexpr int ShreddingGroup = 12;

std::string TStatMethod::DisplayName() const {
    if (StatClass->Group != ShreddingGroup) return Name();
    try {
        return Format(Name(), {Formula});
    } catch (const ConvertError&) {
        return Name();  // a custom name with stray directives stays as typed
    }
}

std::unique_ptr<TCustomStat> TStatMethod::CreateStat(const TStatList& owner) const {
    return StatClass->Create(*StatClass, owner, Param);
}

}  // namespace quorvel
