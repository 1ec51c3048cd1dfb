# Installs BUILD_DIR into a fresh PREFIX and checks the installed tree:
#   cmake -DBUILD_DIR=... -DCONFIG=... -DPREFIX=... -DAPP_ID=... -DBINDIR=... -DDATADIR=... -DICON_SIZES=16;32;... -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
unset(ENV{DESTDIR})

# The build tree's files with their times, but for the install prefix, the
# manifest that cmake --install itself writes, and what other tests may be
# writing meanwhile: ctest's logs and the package.
function(build_tree_files out)
    file(GLOB_RECURSE files LIST_DIRECTORIES false ${BUILD_DIR}/*)
    set(stamped)
    foreach(file IN LISTS files)
        file(RELATIVE_PATH path ${BUILD_DIR} ${file})
        if(NOT file MATCHES "^${PREFIX}/" AND NOT path MATCHES "^(Testing|package)/|^install_manifest[^/]*\\.txt$")
            file(TIMESTAMP ${file} time "%s")
            list(APPEND stamped "${file}@${time}")
        endif()
    endforeach()
    set(${out} "${stamped}" PARENT_SCOPE)
endfunction()

build_tree_files(before)
execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --config ${CONFIG} --prefix ${PREFIX}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "install failed: ${result}")
endif()
# Installing writes nothing into the build tree, which may belong to
# another user and which a package build may be installing from meanwhile.
build_tree_files(after)
list(REMOVE_ITEM after ${before})
if(after)
    message(FATAL_ERROR "install wrote into the build tree: ${after}")
endif()

set(binary ${PREFIX}/${BINDIR}/duplimo)
set(desktop ${PREFIX}/${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${PREFIX}/${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
set(icons ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size ${ICON_SIZES})
    list(APPEND icons ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${binary} ${desktop} ${metainfo} ${icons})
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
# Each icon is as large as the folder it is in says.
foreach(size ${ICON_SIZES})
    file(READ ${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png ihdr OFFSET 16 LIMIT 8 HEX)
    string(SUBSTRING "${ihdr}" 0 8 width)
    string(SUBSTRING "${ihdr}" 8 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "the ${size}x${size} icon is ${width}x${height}")
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
