// The real program with one property set made to fail, built only for the tests. On Linux it also
// tells on stdout what a user would see (qt_observer.cpp); on Windows the test program watches it.
// Usage: fault_host CONTROL PROPERTY VALUE SKIP [bad_alloc] [CLICK...]

#include "app/application.h"
#include "faults/faults.h"
#include "runtime/core/startup.h"

#include <cstdio>

int main(int argc, char** argv) {
    const std::optional<faults::PlannedFailure> planned = faults::parse(argc, argv);
    if (!planned) {
        std::fprintf(stderr, "usage: fault_host CONTROL PROPERTY VALUE SKIP [bad_alloc] [CLICK...]\n");
        return 2;
    }
    static faults::FaultyPlatform platform(runtime::nativePlatform());
    platform.plan(*planned);
    runtime::start(app::descriptor, platform);
}
