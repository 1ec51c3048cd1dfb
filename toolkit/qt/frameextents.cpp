// Frame extents: from the shown window; before the first show, asked of the
// X11 window manager (_NET_REQUEST_FRAME_EXTENTS) where the build has xcb,
// or of the platform's native window elsewhere.
#include "toolkit/qt/frameextents.h"

#include <QGuiApplication>
#include <QRect>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#if defined(DUPLIMO_X11) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#endif

namespace tk::qt {

namespace {

#if defined(DUPLIMO_X11) && QT_CONFIG(xcb)

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t intern(xcb_connection_t* c, const char* name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window property of type ATOM or CARDINAL.
Reply<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr));
}

bool supported(xcb_connection_t* c, xcb_window_t root, xcb_atom_t feature)
{
    const auto list = property(c, root, intern(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (!list || list->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(list.get()));
    const int n = xcb_get_property_value_length(list.get()) / 4;
    return std::find(atoms, atoms + n, feature) != atoms + n;
}

QMargins ask_window_manager(QWidget* widget)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c)
        return {};
    const auto window = static_cast<xcb_window_t>(widget->winId());
    const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
    const xcb_atom_t request = intern(c, "_NET_REQUEST_FRAME_EXTENTS");
    if (!tree || !supported(c, tree->root, request))
        return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);

    // The answer is a property that the window manager sets on the window;
    // it usually comes within a round trip or two.
    const xcb_atom_t extents = intern(c, "_NET_FRAME_EXTENTS");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto reply = property(c, window, extents, XCB_ATOM_CARDINAL);
        if (reply && reply->format == 32 && xcb_get_property_value_length(reply.get()) == 16) {
            const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
            const double ratio = widget->devicePixelRatioF();
            auto dip = [ratio](std::uint32_t px) { return static_cast<int>(px / ratio + 0.5); };
            return QMargins(dip(v[0]), dip(v[2]), dip(v[1]), dip(v[3]));  // left, right, top, bottom
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return {};
}

#else

QMargins ask_window_manager(QWidget*) { return {}; }

#endif

// Where the platform draws or sizes the frame itself (Windows, macOS,
// offscreen), its native window knows the frame as soon as it exists.
QMargins ask_platform(QWidget* widget)
{
    widget->winId();
    const QWindow* window = widget->windowHandle();
    return window ? window->frameMargins() : QMargins();
}

constexpr const char* cache_property = "tk_frame_extents";

}  // namespace

QMargins frame_extents(QWidget* window)
{
    if (window->isVisible()) {
        const QRect outer = window->frameGeometry(), inner = window->geometry();
        return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                        outer.bottom() - inner.bottom());
    }
    const QVariant cached = window->property(cache_property);
    if (cached.isValid()) {
        const QRect m = cached.toRect();
        return QMargins(m.left(), m.top(), m.width(), m.height());
    }
    // An X11 window has a frame only once the window manager has framed it.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    const QMargins margins = x11 ? ask_window_manager(window) : ask_platform(window);
    window->setProperty(cache_property, QRect(margins.left(), margins.top(), margins.right(), margins.bottom()));
    return margins;
}

}  // namespace tk::qt
