#include "platform/window_frame.h"

#include <QGuiApplication>
#include <QWidget>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace platform {

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The 32-bit values of a window property; empty when it is not set.
std::vector<std::uint32_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<std::uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

}  // namespace

std::optional<QMargins> AnnouncedFrame(QWidget* window)
{
    // Some platforms that draw without a display (offscreen) answer as X11 without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr || xcb_connection_has_error(connection) != 0)
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;

    // A window manager that supports it sets the frame's extents on a window that is not mapped
    // yet when asked to, so the window can be placed by its real frame before it is ever seen.
    const xcb_atom_t request = atomNamed(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atomNamed(connection, "_NET_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported =
        property(connection, root, atomNamed(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (request == XCB_ATOM_NONE || std::find(supported.begin(), supported.end(), request) == supported.end())
        return std::nullopt;

    const auto native = static_cast<xcb_window_t>(window->winId());
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = native;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
        reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // Left, right, top, bottom, in device pixels; a window manager answers within milliseconds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
    for (;;) {
        const std::vector<std::uint32_t> sides = property(connection, native, extents, XCB_ATOM_CARDINAL);
        if (sides.size() == 4) {
            const qreal ratio = window->devicePixelRatioF();
            const auto logical = [ratio](std::uint32_t pixels) { return qRound(pixels / ratio); };
            return QMargins(logical(sides[0]), logical(sides[2]), logical(sides[1]), logical(sides[3]));
        }
        if (std::chrono::steady_clock::now() > deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

}  // namespace platform
