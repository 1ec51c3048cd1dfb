# Run by cpack before it packs, on the staged tree (CPACK_PRE_BUILD_SCRIPTS),
# and after, on the packages (CPACK_POST_BUILD_SCRIPTS): what it made under
# the umask gets Debian's modes, so that the package is the same whatever
# the umask.
set(rwxr_xr_x OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(NOT DEFINED CPACK_PACKAGE_FILES)
    # Directories made while staging keep the umask's mode, which
    # CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS does not override.
    file(CHMOD_RECURSE ${CPACK_TEMPORARY_DIRECTORY} DIRECTORY_PERMISSIONS ${rwxr_xr_x})
    return()
endif()

# A .deb is an ar archive whose member headers carry the mode of the file
# each member was written to: 600 under umask 077. Each 60-byte header holds
# the mode at byte 40 (8 bytes) and the size at byte 48 (10 bytes); members
# start at even offsets after the 8-byte signature.
set(mode ${CPACK_TOPLEVEL_DIRECTORY}/ar-mode)
file(WRITE ${mode} "100644  ")
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    file(SIZE ${deb} end)
    set(at 8)
    while(at LESS end)
        file(READ ${deb} header OFFSET ${at} LIMIT 60)
        string(SUBSTRING "${header}" 48 10 size)
        string(STRIP "${size}" size)
        if(NOT size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${deb}: no ar member header at ${at}")
        endif()
        math(EXPR mode_at "${at} + 40")
        execute_process(COMMAND dd of=${deb} bs=1 seek=${mode_at} conv=notrunc status=none
            INPUT_FILE ${mode} COMMAND_ERROR_IS_FATAL ANY)
        math(EXPR at "${at} + 60 + ${size} + ${size} % 2")
    endwhile()
endforeach()
