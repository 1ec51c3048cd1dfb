// The real message box behind Runtime::msgbox.
#pragma once

#include "toolkit/convert.h"

#include <cstdint>
#include <vector>

class QWidget;

namespace tk::qt {

// Shows a modal message box with Spanish buttons, placed where it hides
// none of keep_in_view; returns IDOK, IDYES or IDNO. The owner keeps the
// box for the next message of its kind.
std::int16_t show_message_box(QWidget* owner, const Text& prompt, std::int16_t style, const Text& title,
                              const std::vector<QWidget*>& keep_in_view);

}  // namespace tk::qt
