#pragma once

// Qt's side of the runtime: a widget for the window and one for each control.

#include "runtime/core/native.h"

#include <QList>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

namespace runtime::qt {

class OptionButtonWidget;

class QtControl final : public NativeControl {
public:
    QtControl(ControlClass kind, QWidget& widget)
        : kind_(kind)
        , widget_(&widget) {}

    ControlClass kind() const { return kind_; }
    QWidget* widget() const { return widget_; } // null once the widget is gone

    Status setValue(bool value) override;
    Status setVisible(bool visible) override;
    void connect(Event event, std::function<void()> raise) override;

private:
    ControlClass kind_;
    QPointer<QWidget> widget_;
};

class QtWindow final : public NativeWindow {
public:
    explicit QtWindow(std::unique_ptr<QWidget> widget)
        : widget_(std::move(widget)) {}

    QWidget& widget() const { return *widget_; }

    std::unique_ptr<NativeControl> create(const ControlEntry& entry) override;
    void nameAfter(NativeControl& control, NativeControl& label, std::string_view caption) override;
    void setTabOrder(std::span<NativeControl* const> order) override;
    void focusFirst() override;
    void show() override { widget_->show(); }

private:
    QList<OptionButtonWidget*> options_; // the window's one group of option buttons, in tab order
    std::vector<QWidget*> tabOrder_;
    std::unique_ptr<QWidget> widget_; // destroyed first, with every control's widget
};

} // namespace runtime::qt
