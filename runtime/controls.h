#pragma once

// The records through which the program reaches the window and its controls. A record owns no
// widget: Qt's parent owns that, and a set on a widget that is gone fails with a status.

#include "runtime/definition.h"
#include "runtime/object.h"
#include "runtime/status.h"

#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace runtime {

class Control : public Object {
public:
    Control(const ControlEntry& entry, QWidget& widget);

    const ControlEntry& entry() const { return entry_; }
    // The name as the error report gives it: "Picture1", or "Text1(2)" for an array element.
    const std::string& displayName() const { return displayName_; }
    QWidget* widget() const; // null once the widget is gone

protected:
    // Runs the checks common to every set: a widget that is gone, or a failure a test has planned.
    Status precheck(std::string_view property, bool value) const;

private:
    const ControlEntry& entry_;
    std::string displayName_;
    QPointer<QWidget> widget_;
};

class OptionButton : public Control {
public:
    static constexpr ControlClass kind = ControlClass::OptionButton;
    static constexpr std::string_view interfaceName = "_OptionButton";
    using Control::Control;

    // True selects the button, clears the others of its group and raises its Click before returning.
    Status setValue(bool value);
};

class PictureBox : public Control {
public:
    static constexpr ControlClass kind = ControlClass::PictureBox;
    static constexpr std::string_view interfaceName = "_PictureBox";
    using Control::Control;

    Status setVisible(bool visible);
};

class Label : public Control {
public:
    static constexpr ControlClass kind = ControlClass::Label;
    using Control::Control;
};

class TextBox : public Control {
public:
    static constexpr ControlClass kind = ControlClass::TextBox;
    using Control::Control;
};

class ComboBox : public Control {
public:
    static constexpr ControlClass kind = ControlClass::ComboBox;
    using Control::Control;
};

// A member of the window through which a handler fetches a control of class C.
template <class C>
struct Member {
    std::string_view name;
};

// A boolean property of class C and its setter.
template <class C>
struct BoolProperty {
    std::string_view name;
    Status (C::*setter)(bool);
};

inline constexpr BoolProperty<OptionButton> Value{"Value", &OptionButton::setValue};
inline constexpr BoolProperty<PictureBox> Visible{"Visible", &PictureBox::setVisible};

// The window object: its top-level widget and a record for every control.
class Form : public Object {
public:
    Form(const WindowObject& object, std::unique_ptr<QWidget> window);

    const WindowObject& object() const { return object_; }
    QWidget& window() const { return *window_; }

    // A new reference to the named control.
    template <class C>
    Ref<C> fetch(Member<C> member, int index = noIndex) const {
        Control& control = find(member.name, index, C::kind);
        return Ref<C>::share(static_cast<C&>(control));
    }

    // The control's record without taking a reference, for looking at it.
    const Control* peek(std::string_view name, int index = noIndex) const;
    const std::vector<Ref<Control>>& controls() const { return controls_; }

    void add(Ref<Control> control) { controls_.push_back(std::move(control)); }

private:
    ~Form() override;
    Control* lookup(std::string_view name, int index) const;
    Control& find(std::string_view name, int index, ControlClass kind) const;

    const WindowObject& object_;
    std::unique_ptr<QWidget> window_;
    std::vector<Ref<Control>> controls_;
};

} // namespace runtime
