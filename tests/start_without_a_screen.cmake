# The program started with no display variable, and with one that names no
# server: each time it fails with status 1 and a Spanish message.
#   cmake -DPROGRAM=path/to/duplimo -P start_without_a_screen.cmake
function(expect_failure case)
    execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET TIMEOUT 30)
    if(NOT status EQUAL 1 OR NOT err MATCHES "Duplimo necesita una pantalla gráfica")
        message(FATAL_ERROR "${case}: status ${status}, said:\n${err}")
    endif()
endfunction()

unset(ENV{QT_QPA_PLATFORM})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{DISPLAY})
if(CMAKE_HOST_UNIX AND NOT CMAKE_HOST_APPLE)
    expect_failure("no display variable")
endif()
set(ENV{QT_QPA_PLATFORM} xcb)
set(ENV{DISPLAY} :65535)
expect_failure("no X server on the display")
