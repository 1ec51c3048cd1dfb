// The faces the window asks for, as the system has them.
#pragma once

#include <QFont>
#include <QString>

namespace tk::qt {

// A regular font of face at points: by default (face empty) the toolkit's
// own face, on Windows the one Windows gives dialogs and elsewhere
// Liberation Sans, metric-compatible with the face the window's
// eight-point captions were laid out for; and where the system lacks a
// face, a stand-in of the same metrics (Liberation Serif for Times New
// Roman).
QFont font_of(const QString& face, double points);

}  // namespace tk::qt
