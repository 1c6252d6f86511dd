#pragma once

// The circuit mode: which option button is selected, and the diagram shown follows it.

namespace runtime {
class Form;
}

int Form_Load(runtime::Form& form);
int Option1_Click(runtime::Form& form);
int Option2_Click(runtime::Form& form);
