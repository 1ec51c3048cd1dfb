# The time the package's files carry: SOURCE_DATE_EPOCH where it is set,
# else the last commit's time in a git checkout, else the date of the
# changelog's latest entry. cpack includes this file before it packs (it is
# CPACK_PROJECT_CONFIG_FILE); run as a script it prints the time:
#   cmake -DSOURCE_DIR=... -P source_date_epoch.cmake
cmake_minimum_required(VERSION 3.25)

function(duplimo_source_date_epoch source_dir out)
    if(DEFINED ENV{SOURCE_DATE_EPOCH})
        set(${out} $ENV{SOURCE_DATE_EPOCH} PARENT_SCOPE)
        return()
    endif()
    find_program(DUPLIMO_GIT git)
    if(DUPLIMO_GIT)
        # Only a checkout of this tree itself, not of a tree it lies in.
        execute_process(COMMAND ${DUPLIMO_GIT} -C ${source_dir} rev-parse --show-prefix
            RESULT_VARIABLE status OUTPUT_VARIABLE prefix OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(status EQUAL 0 AND prefix STREQUAL "")
            execute_process(COMMAND ${DUPLIMO_GIT} -C ${source_dir} log -1 --format=%ct
                RESULT_VARIABLE status OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
            if(status EQUAL 0 AND epoch MATCHES "^[0-9]+$")
                set(${out} ${epoch} PARENT_SCOPE)
                return()
            endif()
        endif()
    endif()
    # An entry ends " -- Name <address>  Mon, 07 Dec 2026 12:00:00 +0100".
    file(STRINGS ${source_dir}/data/changelog trailers REGEX "^ -- .*>  ")
    list(GET trailers 0 latest)
    string(REGEX REPLACE "^ -- .*>  " "" date "${latest}")
    execute_process(COMMAND date -d "${date}" +%s
        RESULT_VARIABLE status OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0 OR NOT epoch MATCHES "^[0-9]+$")
        message(FATAL_ERROR "no date in the changelog's latest entry: ${latest}")
    endif()
    set(${out} ${epoch} PARENT_SCOPE)
endfunction()

if(CPACK_GENERATOR)
    duplimo_source_date_epoch(${CPACK_DUPLIMO_SOURCE_DIR} epoch)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
elseif(CMAKE_SCRIPT_MODE_FILE)
    duplimo_source_date_epoch(${SOURCE_DIR} epoch)
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${epoch})
endif()
