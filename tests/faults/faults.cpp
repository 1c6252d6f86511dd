#include "faults/faults.h"

#include "runtime/core/controls.h"

#include <cstdlib>
#include <new>

namespace faults {

namespace {

class FaultyControl final : public runtime::NativeControl {
public:
    FaultyControl(std::unique_ptr<runtime::NativeControl> inner, std::string name, FaultyPlatform& platform)
        : inner_(std::move(inner))
        , name_(std::move(name))
        , platform_(platform) {}

    runtime::NativeControl& inner() const { return *inner_; }

    runtime::Status setValue(bool value) override {
        if (const std::optional<runtime::Status> planned = platform_.take(name_, "Value", value))
            return *planned;
        return inner_->setValue(value);
    }
    runtime::Status setVisible(bool visible) override {
        if (const std::optional<runtime::Status> planned = platform_.take(name_, "Visible", visible))
            return *planned;
        return inner_->setVisible(visible);
    }
    void connect(runtime::Event event, std::function<void()> raise) override {
        inner_->connect(event, std::move(raise));
    }

private:
    std::unique_ptr<runtime::NativeControl> inner_;
    std::string name_;
    FaultyPlatform& platform_;
};

class FaultyWindow final : public runtime::NativeWindow {
public:
    FaultyWindow(std::unique_ptr<runtime::NativeWindow> inner, FaultyPlatform& platform)
        : inner_(std::move(inner))
        , platform_(platform) {}

    std::unique_ptr<runtime::NativeControl> create(const runtime::ControlEntry& entry) override {
        return std::make_unique<FaultyControl>(inner_->create(entry), runtime::displayName(entry), platform_);
    }
    void nameAfter(runtime::NativeControl& control, runtime::NativeControl& label,
                   std::string_view caption) override {
        inner_->nameAfter(unwrap(control), unwrap(label), caption);
    }
    void setTabOrder(std::span<runtime::NativeControl* const> order) override {
        std::vector<runtime::NativeControl*> inner;
        for (runtime::NativeControl* control : order)
            inner.push_back(&unwrap(*control));
        inner_->setTabOrder(inner);
    }
    void focusFirst() override { inner_->focusFirst(); }
    void show() override { inner_->show(); }

private:
    std::unique_ptr<runtime::NativeWindow> inner_;
    FaultyPlatform& platform_;
};

} // namespace

std::unique_ptr<runtime::NativeWindow> FaultyPlatform::createWindow(const runtime::AppDescriptor& descriptor,
                                                                    const runtime::ControlEntry& form) {
    return std::make_unique<FaultyWindow>(inner_.createWindow(descriptor, form), *this);
}

std::optional<runtime::Status> FaultyPlatform::take(std::string_view control, std::string_view property,
                                                    bool value) {
    if (!planned_ || planned_->control != control || planned_->property != property ||
        planned_->value != value)
        return std::nullopt;
    if (planned_->skip-- > 0)
        return std::nullopt;
    const PlannedFailure failure = *planned_;
    planned_.reset();
    if (failure.outOfMemory)
        throw std::bad_alloc();
    return failure.status;
}

runtime::NativeControl& unwrap(runtime::NativeControl& control) {
    if (auto* faulty = dynamic_cast<FaultyControl*>(&control))
        return faulty->inner();
    return control;
}

std::optional<PlannedFailure> parse(int argc, char** argv) {
    if (argc < 5)
        return std::nullopt;
    const bool outOfMemory = argc > 5 && std::string(argv[5]) == "bad_alloc";
    clicks.assign(argv + 5 + outOfMemory, argv + argc);
    return PlannedFailure{.control = argv[1],
                          .property = argv[2],
                          .value = std::string(argv[3]) == "true",
                          .skip = std::atoi(argv[4]),
                          .status = runtime::statusFailed,
                          .outOfMemory = outOfMemory};
}

} // namespace faults
