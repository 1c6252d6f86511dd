#pragma once

// The runtime's control classes as the program sees them: each class's name in the definition, the
// interface its handlers call, and the events it raises. What a control looks like and does on
// screen is the backend's (runtime/core/native.h).

#include "runtime/core/definition.h"
#include "runtime/core/native.h"
#include "runtime/core/object.h"
#include "runtime/core/status.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace runtime {

// The name as the error report gives it: "Picture1", or "Text1(2)" for an array element.
std::string displayName(std::string_view name, int index = noIndex);
inline std::string displayName(const ControlEntry& entry) {
    return displayName(entry.name, entry.index);
}

class Control : public Object {
public:
    Control(const ControlEntry& entry, std::unique_ptr<NativeControl> native);

    const ControlEntry& entry() const { return entry_; }
    const std::string& displayName() const { return displayName_; }
    NativeControl& native() const { return *native_; }

private:
    const ControlEntry& entry_;
    std::string displayName_;
    std::unique_ptr<NativeControl> native_;
};

class OptionButton : public Control {
public:
    static constexpr ControlClass kind = ControlClass::OptionButton;
    static constexpr std::string_view interfaceName = "_OptionButton";
    static constexpr bool raises(Event event) { return event == Event::Click; }
    using Control::Control;

    // True selects the button, clears the others of its group and raises its Click before returning.
    Status setValue(bool value) { return native().setValue(value); }
};

class PictureBox : public Control {
public:
    static constexpr ControlClass kind = ControlClass::PictureBox;
    static constexpr std::string_view interfaceName = "_PictureBox";
    static constexpr bool raises(Event) { return false; }
    using Control::Control;

    Status setVisible(bool visible) { return native().setVisible(visible); }
};

// A class that the program's handlers never call and that raises nothing the program binds.
template <ControlClass K>
class PassiveControl : public Control {
public:
    static constexpr ControlClass kind = K;
    static constexpr bool raises(Event) { return false; }
    using Control::Control;
};

using Label = PassiveControl<ControlClass::Label>;
using TextBox = PassiveControl<ControlClass::TextBox>;
using ComboBox = PassiveControl<ControlClass::ComboBox>;

// The window itself raises Load, once, after its controls are made.
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

// A member of the window through which a handler fetches a control of class C: the places of its
// elements, by Index, settled when the program is compiled. It is a literal type of fixed size, so
// it has room for the largest array a definition may hold; Form1's largest has five elements.
inline constexpr std::size_t maxArrayElements = 8;

template <class C>
struct Member {
    std::string_view name;
    std::array<Place, maxArrayElements> places{};
    std::size_t count = 0;
};

// A member by name. A name that the definition lacks, names a control of another class, or an
// array with a gap in its numbering is no constant expression, so the program does not compile.
template <class C>
consteval Member<C> member(WindowDefinition d, std::string_view name) {
    Member<C> m{.name = name};
    if (const std::optional<Place> single = placeOf(d, name))
        m.places[m.count++] = *single;
    else
        for (int index = 0; const std::optional<Place> element = placeOf(d, name, index); ++index) {
            if (m.count == maxArrayElements)
                throw "a control array larger than a member holds";
            m.places[m.count++] = *element;
        }
    if (m.count == 0)
        throw "no control of that name";
    for (const ControlEntry& e : d)
        if (e.name == name && static_cast<std::size_t>(std::max(e.index, 0)) >= m.count)
            throw "a control array with a gap in its numbering";
    for (std::size_t i = 0; i < m.count; ++i)
        if (d[m.places[i]].kind != C::kind)
            throw "a member of another class";
    return m;
}

// The window itself, which answers to "Form" in the event table.
inline constexpr Member<FormClass> formItself{.name = "Form", .places = {windowPlace}, .count = 1};

// A row of an event table. An event that the control's class does not raise, or a control array
// (which would need an Index argument no handler takes), is no constant expression.
template <class C>
consteval EventBinding bind(Member<C> control, Event event, Handler handler) {
    if (!C::raises(event))
        throw "an event that the control's class does not raise";
    if (control.count != 1)
        throw "a control array: no handler takes an Index";
    return {control.places[0], event, handler};
}

// No event of a control is bound twice.
constexpr bool eachBoundOnce(std::span<const EventBinding> events) {
    for (const EventBinding& b : events)
        if (std::count_if(events.begin(), events.end(), [&b](const EventBinding& o) {
                return o.place == b.place && o.event == b.event;
            }) != 1)
            return false;
    return true;
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
