#pragma once

// The page's side of the window and its controls.

#include "runtime/core/native.h"
#include "runtime/web/page.h"

#include <vector>

namespace runtime::web {

class WebControl final : public NativeControl {
public:
    WebControl(ControlClass kind, page::Node node)
        : kind_(kind)
        , node_(node) {}

    page::Node node() const { return node_; }

    Status setValue(bool value) override;
    Status setVisible(bool visible) override;
    void connect(Event event, std::function<void()> raise) override;

private:
    ControlClass kind_;
    page::Node node_;
    std::function<void()> click_;
};

class WebWindow final : public NativeWindow {
public:
    explicit WebWindow(page::Node node)
        : node_(node) {}

    std::unique_ptr<NativeControl> create(const ControlEntry& entry) override;
    void nameAfter(NativeControl& control, NativeControl& label, std::string_view caption) override;
    void setTabOrder(std::span<NativeControl* const> order) override;
    void focusFirst() override;
    void show() override;

private:
    page::Node node_;
    std::vector<page::Node> tabOrder_;
    bool focusOnShow_ = false;
};

} // namespace runtime::web
