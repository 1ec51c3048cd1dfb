// The real message box behind Runtime::msgbox.
#pragma once

#include "toolkit/convert.h"

#include <cstdint>

class QWidget;

namespace tk::qt {

// Shows a modal message box with Spanish buttons; returns IDOK, IDYES or IDNO.
std::int16_t show_message_box(QWidget* owner, const Text& prompt, std::int16_t style, const Text& title);

}  // namespace tk::qt
