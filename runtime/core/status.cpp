#include "runtime/core/status.h"

#include <cstdio>
#include <new>

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

RuntimeError::RuntimeError(Status status, Text text)
    : std::runtime_error(errorText(status, text.what))
    , status_(status) {}

RuntimeError RuntimeError::from(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return {statusOutOfMemory, Text{"out of memory"}};
    } catch (const std::exception& error) {
        return {statusFailed, Text{error.what()}};
    } catch (...) {
        return {statusFailed, Text{"an unknown failure"}};
    }
}

void raiseFailedCall(Status status, std::string_view control, std::string_view interface,
                     std::string_view property) {
    throw RuntimeError(status, control, interface, property);
}

void raiseMissingElement(std::string_view element) {
    throw RuntimeError(statusNoSuchElement, element);
}

} // namespace runtime
