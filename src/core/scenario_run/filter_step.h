#pragma once

#include "core/scenario/filter_item.h"
#include "core/scenario/scenario_log.h"

namespace quorvel {

class Workspace;

// Runs one filter variant on the combination list: computes the step's statistics table,
// walks it by the selection rule until a stop condition holds, filters, and rolls back a
// filtering that emptied the list. Log lines go to the sink (none: the log is off). A step
// that cannot run throws Error with its message; a stop request ends the walk at once.
// The caller has backed up the weights (TStatList::BackupWeights) for steps without their own.
void RunFilterPart(Workspace& workspace, const TFilterPart& part, ScenarioLogSink* log);

}  // namespace quorvel
