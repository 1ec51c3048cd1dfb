# Windows: the program's icon, version and manifest, no console window, no
# time stamp in the binary; and the installer (`cmake --build . --target
# installer`): the program with the Qt libraries and plugins it loads, the
# compiler's run time and the licences, packed by NSIS.
set(duplimo_win32 ${PROJECT_SOURCE_DIR}/win32)
set(DUPLIMO_ICON ${PROJECT_SOURCE_DIR}/window/pictures/icono.ico)
set(DUPLIMO_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/duplimo.manifest)
configure_file(${duplimo_win32}/duplimo.manifest.in ${DUPLIMO_MANIFEST} @ONLY)
configure_file(${duplimo_win32}/duplimo.rc.in duplimo.rc @ONLY)
target_sources(duplimo PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/duplimo.rc)
set_target_properties(duplimo PROPERTIES WIN32_EXECUTABLE ON)
if(MINGW)
    # Linked without the time of the build, and stripped where released.
    target_link_options(duplimo PRIVATE -Wl,--no-insert-timestamp $<$<CONFIG:Release,MinSizeRel>:-s>)
endif()

# What the program loads at run time beside Qt: the compiler's libraries.
set(duplimo_runtime)
foreach(library libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${library}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "The compiler's ${library} was not found")
    endif()
    list(APPEND duplimo_runtime ${path})
endforeach()

# Everything the installer packs, so that it is made again when any of it
# changes: Qt's libraries and the plugins the program loads (by their place
# under Qt's prefix), the compiler's libraries, the licences, the icon and
# the wizard's sidebars.
set(duplimo_qt_files bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll
    plugins/platforms/qwindows.dll plugins/styles/qmodernwindowsstyle.dll)
list(TRANSFORM duplimo_qt_files PREPEND ${QT6_INSTALL_PREFIX}/ OUTPUT_VARIABLE duplimo_qt_paths)
file(GLOB duplimo_licences CONFIGURE_DEPENDS ${duplimo_win32}/licencias/*.txt)
file(GLOB duplimo_sidebars CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/window/pictures/asistente_*.bmp)

find_program(MAKENSIS makensis)
if(MAKENSIS)
    set(duplimo_setup ${CMAKE_BINARY_DIR}/Duplimo-${PROJECT_VERSION}-setup.exe)
    add_custom_command(OUTPUT ${duplimo_setup}
        COMMAND ${CMAKE_COMMAND}
            -DPROGRAM=$<TARGET_FILE:duplimo> -DQT=${QT6_INSTALL_PREFIX} "-DQT_FILES=${duplimo_qt_files}"
            "-DRUNTIME=${duplimo_runtime}" -DSOURCE=${PROJECT_SOURCE_DIR} -DSTAGE=${CMAKE_BINARY_DIR}/installer
            -DVERSION=${PROJECT_VERSION} -DSTRIP=${CMAKE_STRIP} -DCOMPILER=${CMAKE_CXX_COMPILER} -DMAKENSIS=${MAKENSIS}
            -DOUTFILE=${duplimo_setup}
            -P ${duplimo_win32}/installer.cmake
        DEPENDS duplimo ${duplimo_qt_paths} ${duplimo_runtime} ${duplimo_licences} ${DUPLIMO_ICON} ${duplimo_sidebars}
            ${duplimo_win32}/installer.cmake ${duplimo_win32}/duplimo.nsi ${duplimo_win32}/qt_options.txt
        VERBATIM)
    add_custom_target(installer DEPENDS ${duplimo_setup})
endif()

# The tests, built for Windows, run under Wine.
if(BUILD_TESTING AND CMAKE_CROSSCOMPILING)
    find_program(WINE wine REQUIRED)
    set(dll_dirs ${QT6_INSTALL_PREFIX}/bin)
    foreach(library ${duplimo_runtime})
        get_filename_component(dir ${library} DIRECTORY)
        list(APPEND dll_dirs ${dir})
    endforeach()
    list(REMOVE_DUPLICATES dll_dirs)
    list(JOIN dll_dirs ":" dll_dirs)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/windows/wine_run.sh ${CMAKE_BINARY_DIR}/wine "${dll_dirs}")
endif()
