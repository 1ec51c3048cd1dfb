# Makes the Windows installer: puts what it installs in STAGE, then packs it
# with NSIS into OUTFILE. Run by the target installer:
#   cmake -DPROGRAM=duplimo.exe -DQT=<Qt for Windows> -DQT_FILES=<bin/...dll;plugins/...dll;...>
#         -DRUNTIME=<dll;...>
#         -DSOURCE=<source tree> -DSTAGE=<folder> -DVERSION=x.y.z
#         -DSTRIP=<strip> -DCOMPILER=<g++> -DMAKENSIS=<makensis> -DOUTFILE=<setup.exe>
#         -P installer.cmake
# Every file is listed by name, in a fixed order, so that the same inputs
# give the same installer, byte for byte.
set(win32 ${SOURCE}/win32)

# The licences name the Qt they ship, by the version of Debian's source it
# was built from (in Qt's folder's name, build_qt.sh), and the compiler.
string(REGEX MATCH "qt-windows-(.+)-[0-9a-f]+$" qt_folder "${QT}")
set(qt_source "${CMAKE_MATCH_1}")
file(READ ${win32}/licencias/terceros.txt thirds)
execute_process(COMMAND ${COMPILER} -dumpversion OUTPUT_VARIABLE gcc OUTPUT_STRIP_TRAILING_WHITESPACE)
string(REGEX MATCH "^[0-9]+" gcc "${gcc}")
foreach(named "versión ${qt_source}" "GCC ${gcc}")
    string(FIND "${thirds}" "${named}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "licencias/terceros.txt does not name the ${named} that the installer ships")
    endif()
endforeach()

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/licencias)
file(COPY ${PROGRAM} ${RUNTIME} DESTINATION ${STAGE})
# Qt's libraries beside the program, its plugins in their folders there.
foreach(file ${QT_FILES})
    get_filename_component(folder ${file} DIRECTORY)
    string(REGEX REPLACE "^(bin|plugins)/?" "" folder "${folder}")
    file(COPY ${QT}/${file} DESTINATION ${STAGE}/${folder})
endforeach()
file(GLOB licences ${win32}/licencias/*.txt)
file(COPY ${licences} DESTINATION ${STAGE}/licencias)
file(COPY_FILE ${win32}/qt_options.txt ${STAGE}/licencias/opciones-qt.txt)
# The libraries without their debugging information (Debian's compiler run
# time carries it), keeping the time stamps in their headers.
file(GLOB_RECURSE libraries ${STAGE}/*.dll)
foreach(library ${libraries})
    execute_process(COMMAND ${STRIP} --strip-debug --preserve-dates ${library} COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The lines that install and uninstall each file, and the size in KiB.
file(GLOB_RECURSE files RELATIVE ${STAGE} ${STAGE}/*)
list(SORT files)
set(install "!macro Install\n")
set(uninstall "!macro Uninstall\n")
set(folders)
set(bytes 0)
set(folder "-")
foreach(file ${files})
    get_filename_component(dir ${file} DIRECTORY)
    if(NOT "${dir}" STREQUAL "${folder}")
        set(folder "${dir}")
        set(windows_dir)
        if(dir)
            string(REPLACE "/" "\\" windows_dir "\\${dir}")
            list(APPEND folders ${windows_dir})
        endif()
        string(APPEND install "    SetOutPath \"$INSTDIR${windows_dir}\"\n")
    endif()
    string(REPLACE "/" "\\" windows_file "${file}")
    string(APPEND install "    File \"${STAGE}/${file}\"\n")
    string(APPEND uninstall "    Delete \"$INSTDIR\\${windows_file}\"\n")
    file(SIZE ${STAGE}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
foreach(dir ${folders})
    string(APPEND uninstall "    RMDir \"$INSTDIR${dir}\"\n")
endforeach()
string(APPEND install "!macroend\n")
string(APPEND uninstall "!macroend\n")
math(EXPR kib "(${bytes} + 1023) / 1024")
get_filename_component(work ${STAGE} DIRECTORY)
file(WRITE ${work}/installer-files.nsh "${install}${uninstall}")

string(REGEX MATCHALL "[0-9]+" numbers ${VERSION})
list(APPEND numbers 0 0 0 0)
list(SUBLIST numbers 0 4 numbers)
list(JOIN numbers "." version4)
execute_process(COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8
        -DVERSION=${VERSION} -DVERSION4=${version4} -DSTAGE=${STAGE} -DFILES=${work}/installer-files.nsh
        -DSIZE=${kib} -DICON=${SOURCE}/window/pictures/icono.ico -DPICTURES=${SOURCE}/window/pictures -DOUTFILE=${OUTFILE}
        ${win32}/duplimo.nsi
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "makensis failed")
endif()
