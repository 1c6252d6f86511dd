#include "app/application.h"
#include "runtime/startup.h"

int main() {
    runtime::start(app::descriptor);
}
