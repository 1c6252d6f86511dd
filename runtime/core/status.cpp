#include "runtime/core/status.h"

#include <cstdio>

namespace runtime {

namespace {

std::string describe(Status status, std::string_view control, std::string_view interface,
                     std::string_view property) {
    char code[48];
    std::snprintf(code, sizeof code, "0x%08X (%d)", static_cast<unsigned>(status.code), status.code);
    return "run-time error " + std::string(code) + ": setting " + std::string(interface) + "." +
           std::string(property) + " on " + std::string(control) + " failed";
}

} // namespace

RuntimeError::RuntimeError(Status status, std::string_view control, std::string_view interface,
                           std::string_view property)
    : std::runtime_error(describe(status, control, interface, property))
    , status_(status)
    , control_(control)
    , interface_(interface)
    , property_(property) {}

void raiseFailedCall(Status status, std::string_view control, std::string_view interface,
                     std::string_view property) {
    throw RuntimeError(status, control, interface, property);
}

} // namespace runtime
