// Accessible names that follow what a control shows.
#pragma once

class QLabel;

namespace tk::qt {

// Gives a label its shown text as its accessible name.
void name_as_shown(QLabel* label);

}  // namespace tk::qt
