#pragma once

// A seam for tests only: makes a chosen property set fail with a chosen status. Nothing in the
// shipped program's command line or environment reaches it.

#include "runtime/status.h"

#include <optional>
#include <string>

namespace runtime::testing {

struct PlannedFailure {
    std::string control;  // as the error report names it, e.g. "Picture1"
    std::string property; // "Value", "Visible"
    bool value = true;
    int skip = 0; // matching sets to let through before the failing one
    Status status{};
};

void planFailure(PlannedFailure failure);
void clearPlannedFailure();

// The status a set should return instead of doing its work, if one is planned for it.
std::optional<Status> takePlannedFailure(std::string_view control, std::string_view property, bool value);

} // namespace runtime::testing
