#include "runtime/core/status.h"

#include <cstdio>

namespace runtime {

namespace {

std::string errorText(Status status, std::string_view what) {
    char code[48];
    std::snprintf(code, sizeof code, "0x%08X (%d)", static_cast<unsigned>(status.code), status.code);
    return "run-time error " + std::string(code) + ": " + std::string(what);
}

} // namespace

RuntimeError::RuntimeError(Status status, std::string_view control, std::string_view interface,
                           std::string_view property)
    : std::runtime_error(errorText(status, "setting " + std::string(interface) + "." + std::string(property) +
                                               " on " + std::string(control) + " failed"))
    , status_(status)
    , control_(control)
    , interface_(interface)
    , property_(property) {}

RuntimeError::RuntimeError(Status status, std::string_view control)
    : std::runtime_error(
          errorText(status, "the control array element " + std::string(control) + " does not exist"))
    , status_(status)
    , control_(control) {}

void raiseFailedCall(Status status, std::string_view control, std::string_view interface,
                     std::string_view property) {
    throw RuntimeError(status, control, interface, property);
}

void raiseMissingElement(std::string_view element) {
    throw RuntimeError(statusNoSuchElement, element);
}

} // namespace runtime
