# The X11 part of the widget layer: asking the window manager for the frame
# before the first show. It needs Qt's xcb platform and the xcb headers;
# without them the window is centred by what Qt itself knows.
#   DUPLIMO_X11=AUTO  use it where both are found (the default)
#   DUPLIMO_X11=ON    require it
#   DUPLIMO_X11=OFF   leave it out
set(DUPLIMO_X11 AUTO CACHE STRING "Ask the X11 window manager for the frame before the first show: AUTO, ON or OFF")
set_property(CACHE DUPLIMO_X11 PROPERTY STRINGS AUTO ON OFF)
if(NOT DUPLIMO_X11 MATCHES "^(AUTO|ON|OFF)$")
    message(FATAL_ERROR "DUPLIMO_X11 is AUTO, ON or OFF, not ${DUPLIMO_X11}")
endif()

set(DUPLIMO_WITH_X11 OFF)
if(NOT DUPLIMO_X11 STREQUAL "OFF" AND QT_FEATURE_xcb)
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(XCB QUIET IMPORTED_TARGET xcb)
    endif()
    if(XCB_FOUND)
        set(DUPLIMO_WITH_X11 ON)
    endif()
endif()
if(DUPLIMO_X11 STREQUAL "ON" AND NOT DUPLIMO_WITH_X11)
    message(FATAL_ERROR "DUPLIMO_X11=ON, but Qt has no xcb platform or pkg-config finds no xcb")
endif()
message(STATUS "X11 frame extents before the first show: ${DUPLIMO_WITH_X11}")
