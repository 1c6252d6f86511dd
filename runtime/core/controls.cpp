#include "runtime/core/controls.h"

namespace runtime {

std::string displayName(std::string_view name, int index) {
    std::string shown(name);
    if (index != noIndex)
        shown += '(' + std::to_string(index) + ')';
    return shown;
}

Control::Control(const ControlEntry& entry, std::unique_ptr<NativeControl> native)
    : entry_(entry)
    , displayName_(runtime::displayName(entry))
    , native_(std::move(native)) {}

} // namespace runtime
