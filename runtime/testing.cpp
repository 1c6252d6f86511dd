#include "runtime/testing.h"

namespace runtime::testing {

namespace {
std::optional<PlannedFailure> planned;
}

void planFailure(PlannedFailure failure) {
    planned = std::move(failure);
}

void clearPlannedFailure() {
    planned.reset();
}

std::optional<Status> takePlannedFailure(std::string_view control, std::string_view property, bool value) {
    if (!planned || planned->control != control || planned->property != property || planned->value != value)
        return std::nullopt;
    if (planned->skip-- > 0)
        return std::nullopt;
    const Status status = planned->status;
    planned.reset();
    return status;
}

} // namespace runtime::testing
