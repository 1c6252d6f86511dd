#pragma once

// The page as the runtime uses it: one element for the window and one for each control, told
// apart by handles. The page's own form controls do the work: focus, Tab, the option buttons'
// group, typing, and what a screen reader reads.

#include "runtime/core/definition.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace runtime::web::page {

// An element of the page. Handles are never reused, so one whose element is gone stays gone.
using Node = int;

// A rectangle in CSS pixels, of which the page has 96 to the inch.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

// The window: the page's title, and the area its controls stand on at the page's top left, hidden
// until show().
Node window(std::string_view title, Box client, double fontPoints);
void show(Node window);

// Controls, each given the id `id` and placed on `window`.
Node label(Node window, std::string_view id, std::string_view caption, Box box);
Node textBox(Node window, std::string_view id, std::string_view text, Box box);
Node comboBox(Node window, std::string_view id, std::string_view text, Box box);
Node optionButton(Node window, std::string_view id, std::string_view caption, Box box);
// The box draws `picture`, runs of one colour (Rgb32Runs), 1:1 in device pixels.
Node pictureBox(Node window, std::string_view id, std::string_view name, std::string_view description,
                Box box, const Pixels& picture);

// False once the element has left the page.
bool exists(Node node);
bool checked(Node node);
void setChecked(Node node, bool checked);
void setHidden(Node node, bool hidden);
void labelBy(Node control, Node label);
// Lays the controls out in this order, which is the order that Tab and a screen reader follow.
void order(std::span<const Node> nodes);
void focusFirst(std::span<const Node> nodes);

// Calls `selected` each time the user selects the option button.
void onSelected(Node option, std::function<void()> selected);
// A label's background, any CSS colour, with its text in a colour that reads on it, in every
// scheme the page shows.
void paintBackground(Node label, std::string_view cssColour);

// The run-time error's report: a modal dialog titled `title`. The page takes no more input; once
// the dialog closes, it says that the program has ended.
void showError(std::string_view title, std::string_view text);

} // namespace runtime::web::page
