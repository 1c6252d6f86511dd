#pragma once

// The runtime's control classes. Each class is the one place for its widget type, its class
// defaults (whatever a definition entry does not store) and the events it raises. A record owns
// no widget: Qt's parent owns that, and a set on a widget that is gone fails with a status.

#include "runtime/definition.h"
#include "runtime/object.h"
#include "runtime/status.h"

#include <QPointer>
#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace runtime {

class OptionButtonWidget;
class PictureBoxWidget;

class Control : public Object {
public:
    Control(const ControlEntry& entry, QWidget& widget);

    const ControlEntry& entry() const { return entry_; }
    // The name as the error report gives it: "Picture1", or "Text1(2)" for an array element.
    const std::string& displayName() const { return displayName_; }
    QWidget* widget() const; // null once the widget is gone

    // Calls `raise` whenever the control raises `event`; a class connects only the events it raises.
    virtual void connect(Event event, std::function<void()> raise);

protected:
    // Runs the checks common to every set: a widget that is gone, or a failure a test has planned.
    Status precheck(std::string_view property, bool value) const;

private:
    const ControlEntry& entry_;
    std::string displayName_;
    QPointer<QWidget> widget_;
};

// A control whose widget is of type W, made by the class itself.
template <class W>
class ControlOf : public Control {
public:
    using Widget = W;
    using Control::Control;
    W* widget() const; // null once the widget is gone
};

class OptionButton : public ControlOf<OptionButtonWidget> {
public:
    static constexpr ControlClass kind = ControlClass::OptionButton;
    static constexpr std::string_view interfaceName = "_OptionButton";
    static constexpr bool raises(Event event) { return event == Event::Click; }
    static Widget& create(const ControlEntry& entry, QWidget& parent);
    using ControlOf::ControlOf;

    // True selects the button, clears the others of its group and raises its Click before returning.
    Status setValue(bool value);
    void connect(Event event, std::function<void()> raise) override;
};

class PictureBox : public ControlOf<PictureBoxWidget> {
public:
    static constexpr ControlClass kind = ControlClass::PictureBox;
    static constexpr std::string_view interfaceName = "_PictureBox";
    static constexpr bool raises(Event) { return false; }
    static Widget& create(const ControlEntry& entry, QWidget& parent);
    using ControlOf::ControlOf;

    Status setVisible(bool visible);
};

class Label : public ControlOf<QLabel> {
public:
    static constexpr ControlClass kind = ControlClass::Label;
    static constexpr bool raises(Event) { return false; }
    static Widget& create(const ControlEntry& entry, QWidget& parent);
    using ControlOf::ControlOf;
};

class TextBox : public ControlOf<QLineEdit> {
public:
    static constexpr ControlClass kind = ControlClass::TextBox;
    static constexpr bool raises(Event) { return false; }
    static Widget& create(const ControlEntry& entry, QWidget& parent);
    using ControlOf::ControlOf;
};

class ComboBox : public ControlOf<QComboBox> {
public:
    static constexpr ControlClass kind = ControlClass::ComboBox;
    static constexpr bool raises(Event) { return false; }
    static Widget& create(const ControlEntry& entry, QWidget& parent);
    using ControlOf::ControlOf;
};

// The window itself raises Load, once, after its controls are made (see load()).
struct FormClass {
    static constexpr ControlClass kind = ControlClass::Form;
    static constexpr bool raises(Event event) { return event == Event::Load; }
};

// Calls f.template operator()<C>() with the class C of `kind`: the one place that maps a class of
// the definition to the runtime's class.
template <class F>
constexpr decltype(auto) withClass(ControlClass kind, F&& f) {
    switch (kind) {
    case ControlClass::OptionButton:
        return f.template operator()<OptionButton>();
    case ControlClass::PictureBox:
        return f.template operator()<PictureBox>();
    case ControlClass::Label:
        return f.template operator()<Label>();
    case ControlClass::TextBox:
        return f.template operator()<TextBox>();
    case ControlClass::ComboBox:
        return f.template operator()<ComboBox>();
    case ControlClass::Form:
        break;
    }
    return f.template operator()<FormClass>();
}

// A new control of class C with its class defaults, its widget a child of `parent`.
template <class C>
Ref<Control> makeControl(const ControlEntry& entry, QWidget& parent);

constexpr bool raises(ControlClass kind, Event event) {
    return withClass(kind, [event]<class C>() { return C::raises(event); });
}

// Every row names an existing control and an event its class raises; no event is bound twice.
constexpr bool bindingsValid(WindowDefinition d, std::span<const EventBinding> events) {
    for (const EventBinding& b : events) {
        const std::optional<ControlEntry> e =
            b.control == formEntryName ? d.front() : findEntry(d, b.control);
        if (!e || !raises(e->kind, b.event))
            return false;
        if (std::count_if(events.begin(), events.end(), [&b](const EventBinding& o) {
                return o.control == b.control && o.event == b.event;
            }) != 1)
            return false;
    }
    return true;
}

// A member of the window through which a handler fetches a control of class C: where its
// elements stand among the window's controls, settled when the program is compiled.
inline constexpr std::size_t maxArrayElements = 8;

template <class C>
struct Member {
    std::string_view name;
    std::array<std::uint8_t, maxArrayElements> places{}; // by Index; place 0 is the first control
    std::size_t count = 0;
};

// A member by name. A name that the definition lacks, or names a control of another class, is
// no constant expression, so the program does not compile.
template <class C>
consteval Member<C> member(WindowDefinition d, std::string_view name) {
    Member<C> m{.name = name};
    for (std::size_t i = 1; i < d.size(); ++i) {
        if (d[i].name != name)
            continue;
        if (d[i].kind != C::kind)
            throw "a member of another class";
        const auto index = static_cast<std::size_t>(d[i].index == noIndex ? 0 : d[i].index);
        if (index >= maxArrayElements)
            throw "a control array larger than a member holds";
        m.places[index] = static_cast<std::uint8_t>(i - 1);
        ++m.count;
    }
    if (m.count == 0)
        throw "no control of that name";
    return m;
}

// A boolean property of class C and its setter.
template <class C>
struct BoolProperty {
    std::string_view name;
    Status (C::*setter)(bool);
};

inline constexpr BoolProperty<OptionButton> Value{"Value", &OptionButton::setValue};
inline constexpr BoolProperty<PictureBox> Visible{"Visible", &PictureBox::setVisible};

} // namespace runtime
