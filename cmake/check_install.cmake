# Installs BUILD_DIR into a fresh PREFIX and checks the installed tree:
#   cmake -DBUILD_DIR=... -DCONFIG=... -DPREFIX=... -DAPP_ID=... -DBINDIR=... -DDATADIR=... -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
unset(ENV{DESTDIR})
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --config ${CONFIG} --prefix ${PREFIX}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()

set(binary ${PREFIX}/${BINDIR}/duplimo)
set(desktop ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
foreach(file ${binary} ${desktop} ${metainfo}
        ${PREFIX}/${DATADIR}/icons/hicolor/16x16/apps/${APP_ID}.png
        ${PREFIX}/${DATADIR}/icons/hicolor/32x32/apps/${APP_ID}.png)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

# The installed names must agree with what the desktop file and the
# metainfo refer to.
file(STRINGS ${desktop} lines)
foreach(expected "Exec=${binary}" "Icon=${APP_ID}")
    if(NOT expected IN_LIST lines)
        message(FATAL_ERROR "${desktop} lacks ${expected}")
    endif()
endforeach()
file(READ ${metainfo} xml)
foreach(expected
        "<id>${APP_ID}</id>"
        "<launchable type=\"desktop-id\">${APP_ID}.desktop</launchable>"
        "<binary>duplimo</binary>")
    string(FIND "${xml}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${metainfo} lacks ${expected}")
    endif()
endforeach()
