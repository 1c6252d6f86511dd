#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>

namespace runtime {

// The result of every property set: negative means failure.
struct [[nodiscard]] Status {
    std::int32_t code = 0;

    constexpr bool failed() const { return code < 0; }
    friend constexpr bool operator==(Status, Status) = default;
};

inline constexpr Status statusOk{0};
// A set on a control whose widget is already gone (E_POINTER).
inline constexpr Status statusControlGone{static_cast<std::int32_t>(0x80004003u)};
// A fetch of an element that a control array does not have.
inline constexpr Status statusNoSuchElement{static_cast<std::int32_t>(0x800A0154u)};
// Memory ran out (E_OUTOFMEMORY), and any other failure (E_FAIL).
inline constexpr Status statusOutOfMemory{static_cast<std::int32_t>(0x8007000Eu)};
inline constexpr Status statusFailed{static_cast<std::int32_t>(0x80004005u)};

// A failed property set or fetch, raised as a run-time error. Nothing in the program traps it:
// it ends the program through the report for untrapped errors.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(Status status, std::string_view control, std::string_view interface,
                 std::string_view property);
    // A fetch: `control` names the element, such as "Text1(7)".
    RuntimeError(Status status, std::string_view control);
    // Any other exception that leaves a handler: out of memory for std::bad_alloc, else a failure
    // in the exception's own words.
    static RuntimeError from(std::exception_ptr exception);

    Status status() const { return status_; }
    const std::string& control() const { return control_; }
    const std::string& interface() const { return interface_; }
    const std::string& property() const { return property_; }

private:
    struct Text {
        std::string what;
    };
    RuntimeError(Status status, Text text);

    Status status_;
    std::string control_;
    std::string interface_;
    std::string property_;
};

// Every status check goes through here.
[[noreturn]] void raiseFailedCall(Status status, std::string_view control, std::string_view interface,
                                  std::string_view property);

// `element` names the element fetched, such as "Text1(7)".
[[noreturn]] void raiseMissingElement(std::string_view element);

inline void raiseIfFailed(Status status, std::string_view control, std::string_view interface,
                          std::string_view property) {
    if (status.failed())
        raiseFailedCall(status, control, interface, property);
}

} // namespace runtime
