# Installation under a reverse-DNS application id, and checks of the
# installed tree and of the desktop metadata.
include(GNUInstallDirs)

set(DUPLIMO_APP_ID com.kavrel.Duplimo)
set(duplimo_data ${PROJECT_SOURCE_DIR}/data)
set(duplimo_pictures ${PROJECT_SOURCE_DIR}/window/pictures)

# No $ORIGIN run path: only libraries found outside the system directories
# at link time are searched for at run time.
set_target_properties(duplimo PROPERTIES INSTALL_RPATH "" INSTALL_RPATH_USE_LINK_PATH ON)
# On Linux a game goes where Debian keeps games (/usr/games, /usr/local/games).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(DUPLIMO_INSTALL_BINDIR games)
else()
    set(DUPLIMO_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
endif()
install(TARGETS duplimo RUNTIME DESTINATION ${DUPLIMO_INSTALL_BINDIR})
# The menu entry names the binary by its installed path, since the games
# directory is not in every PATH (root's, for one).
configure_file(${CMAKE_CURRENT_LIST_DIR}/install_desktop_entry.cmake.in install_desktop_entry.cmake @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/install_desktop_entry.cmake)
install(FILES ${duplimo_data}/${DUPLIMO_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
set(DUPLIMO_ICON_SIZES 16 32 48 64 128 256)
foreach(size ${DUPLIMO_ICON_SIZES})
    install(FILES ${duplimo_pictures}/icono_${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${DUPLIMO_APP_ID}.png)
endforeach()
install(FILES ${duplimo_pictures}/icono.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${DUPLIMO_APP_ID}.svg)

if(BUILD_TESTING AND NOT WIN32)
    add_test(NAME install_tree
        COMMAND ${CMAKE_COMMAND}
            -DBUILD_DIR=${CMAKE_BINARY_DIR}
            -DCONFIG=$<CONFIG>
            -DPREFIX=${CMAKE_BINARY_DIR}/install-test
            -DAPP_ID=${DUPLIMO_APP_ID}
            -DBINDIR=${DUPLIMO_INSTALL_BINDIR}
            -DDATADIR=${CMAKE_INSTALL_DATADIR}
            "-DICON_SIZES=${DUPLIMO_ICON_SIZES}"
            -P ${CMAKE_CURRENT_LIST_DIR}/check_install.cmake)

    find_program(APPSTREAMCLI appstreamcli)
    if(APPSTREAMCLI)
        # Valid, with not even a pedantic remark but on what cannot be mended
        # here: the id's capital letters, which it keeps; the homepage, which
        # the game has not got; and, before AppStream 1.0, the developer tag
        # that 1.0 brought in place of developer_name.
        execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
        string(REGEX MATCH "[0-9]+(\\.[0-9]+)+" appstream_version "${appstream_version}")
        set(allowed "cid-contains-uppercase-letter|url-homepage-missing")
        if(appstream_version VERSION_LESS 1.0)
            string(APPEND allowed "|unknown-tag developer")
        endif()
        add_test(NAME metadata_appstream
            COMMAND sh -c "! \"$0\" validate --pedantic --no-net --no-color \"$1\" | grep -E '^[EWIP]: ' | grep -Ev \"$2\""
                ${APPSTREAMCLI} ${duplimo_data}/${DUPLIMO_APP_ID}.metainfo.xml ": (${allowed})( |$)")
    endif()
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    if(DESKTOP_FILE_VALIDATE)
        add_test(NAME metadata_desktop
            COMMAND ${DESKTOP_FILE_VALIDATE} ${duplimo_data}/duplimo.desktop)
    endif()
endif()
