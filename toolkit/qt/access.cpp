// Accessible names that follow what a control shows.
#include "toolkit/qt/access.h"

#include <QLabel>

namespace tk::qt {

void name_as_shown(QLabel* label)
{
    // With no name of its own an empty label would be read out as its
    // frame's title; a blank name reads as the nothing that is shown.
    label->setAccessibleName(label->text().isEmpty() ? QStringLiteral(" ") : label->text());
}

}  // namespace tk::qt
