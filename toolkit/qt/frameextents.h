// The window manager's frame around a top-level window.
#pragma once

#include <QMargins>

class QWidget;

namespace tk::qt {

// The frame around window, in device-independent pixels. Before the window
// is first shown the window manager is asked what it will add; zero where
// there is no window manager or it does not say.
QMargins frame_extents(QWidget* window);

}  // namespace tk::qt
