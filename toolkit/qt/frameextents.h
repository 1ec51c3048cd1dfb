// The window manager's frame around a top-level window.
#pragma once

#include <QMargins>

class QWidget;

namespace tk::qt {

// The frame around window, in device-independent pixels. Before the window
// is first shown, the X11 window manager or else the platform is asked what
// it will add; zero where none says, as on Wayland, where the compositor
// draws the frame (or Qt does, once the window is shown).
QMargins frame_extents(QWidget* window);

}  // namespace tk::qt
