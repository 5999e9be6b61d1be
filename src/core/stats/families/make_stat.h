#pragma once

#include <memory>

#include "core/stats/custom_stat.h"

namespace quorvel {

// The creation function every registration row carries: a new instance of the class.
template <typename Stat>
std::unique_ptr<TCustomStat> Make(const TStatClass& statClass, const TStatList& owner, int param) {
    return std::make_unique<Stat>(statClass, owner, param);
}

}  // namespace quorvel
