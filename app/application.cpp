#include "app/application.h"

#include "mode/circuit_mode.h"
#include "window/form1.h"

#include <tvorka1/version.h>
#include <tvorka1Icon.h>

namespace app {

namespace {

using runtime::Event;

// The event table of Form1: these three bindings and no others.
constexpr runtime::EventBinding form1Events[] = {
    runtime::bind(runtime::formItself, Event::Load, Form_Load),
    runtime::bind(form1::Option1, Event::Click, Option1_Click),
    runtime::bind(form1::Option2, Event::Click, Option2_Click),
};
static_assert(runtime::eachBoundOnce(form1Events));

constexpr runtime::FormModule objects[] = {
    {.name = "Form1", .definition = form1::definition, .events = form1Events},
};

} // namespace

constexpr runtime::AppDescriptor descriptor{
    .name = tvorka1::version::name,
    .version = tvorka1::version::number,
    .icon = artwork::tvorka1Icon,
    .desktopEntry = tvorka1::version::desktopFileName,
    .helpFile = "",
    .startUpObject = objects[0],
    .threading = runtime::Threading::SingleThreaded,
    .objects = objects,
};

} // namespace app
