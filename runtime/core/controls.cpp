#include "runtime/core/controls.h"

namespace runtime {

std::string displayName(const ControlEntry& entry) {
    std::string name(entry.name);
    if (entry.index != noIndex) {
        name += '(';
        name += std::to_string(entry.index);
        name += ')';
    }
    return name;
}

Control::Control(const ControlEntry& entry, std::unique_ptr<NativeControl> native)
    : entry_(entry)
    , displayName_(runtime::displayName(entry))
    , native_(std::move(native)) {}

} // namespace runtime
