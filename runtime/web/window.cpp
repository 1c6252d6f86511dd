// Each control class as the page's own element, and the window's keyboard order.

#include "runtime/web/window.h"

#include "runtime/core/controls.h"
#include "runtime/web/colours.h"

#include <cstdlib>

namespace runtime::web {

namespace {

// CSS pixels are at 96 to the inch, 15 twips each, whatever the device's pixels.
page::Box box(const TwipRect& r) {
    return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}

page::Node make(const ControlEntry& entry, page::Node window) {
    const std::string id = displayName(entry);
    switch (entry.kind) {
    case ControlClass::OptionButton:
        return page::optionButton(window, id, entry.caption, box(entry.rect));
    case ControlClass::PictureBox: {
        const Pixels empty{};
        const Pixels& p = entry.picture ? *entry.picture : empty;
        return page::pictureBox(window, id, entry.accessibleName, entry.description, box(entry.rect), p);
    }
    case ControlClass::Label: {
        const page::Node label = page::label(window, id, entry.caption, box(entry.rect));
        // On a stored colour, a system colour among them, which follows the page from light to dark.
        if (const std::optional<ColourValue> background = entry.backColour)
            page::paintBackground(label, cssColour(*background));
        return label;
    }
    case ControlClass::TextBox:
        return page::textBox(window, id, entry.caption, box(entry.rect));
    case ControlClass::ComboBox:
        return page::comboBox(window, id, entry.caption, box(entry.rect));
    case ControlClass::Form:
        break;
    }
    std::abort(); // the definition's checks keep the window to its first entry
}

} // namespace

Status WebControl::setValue(bool value) {
    if (!page::exists(node_))
        return statusControlGone;
    const bool was = page::checked(node_);
    page::setChecked(node_, value);
    // Selected from code, the button raises Click as a click does.
    if (value && !was && click_)
        click_();
    return statusOk;
}

Status WebControl::setVisible(bool visible) {
    if (!page::exists(node_))
        return statusControlGone;
    page::setHidden(node_, !visible);
    return statusOk;
}

// Click, which only option buttons raise, comes when the button becomes selected: by the mouse, the
// keyboard or a set of Value, synchronously inside the selecting call.
void WebControl::connect(Event event, std::function<void()> raise) {
    if (event != Event::Click || kind_ != ControlClass::OptionButton)
        return;
    click_ = raise;
    page::onSelected(node_, std::move(raise));
}

std::unique_ptr<NativeControl> WebWindow::create(const ControlEntry& entry) {
    return std::make_unique<WebControl>(entry.kind, make(entry, node_));
}

void WebWindow::nameAfter(NativeControl& control, NativeControl& label, std::string_view) {
    page::labelBy(static_cast<WebControl&>(control).node(), static_cast<WebControl&>(label).node());
}

void WebWindow::setTabOrder(std::span<NativeControl* const> order) {
    for (NativeControl* control : order)
        tabOrder_.push_back(static_cast<WebControl*>(control)->node());
    page::order(tabOrder_);
}

// A hidden element takes no focus: the focus goes in once the window shows.
void WebWindow::focusFirst() {
    focusOnShow_ = true;
}

void WebWindow::show() {
    page::show(node_);
    if (focusOnShow_)
        page::focusFirst(tabOrder_);
}

} // namespace runtime::web
