#include "app/application.h"
#include "runtime/core/startup.h"

int main() {
    runtime::start(app::descriptor);
}
