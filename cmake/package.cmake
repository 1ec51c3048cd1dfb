# A Debian package of the game (cpack -G DEB, or the package target), with
# the documentation that Debian asks of every package.
set(duplimo_doc ${CMAKE_INSTALL_DATADIR}/doc/duplimo)
find_program(GZIP gzip REQUIRED)
# Compressed without a name or time stamp, so that builds are reproducible.
foreach(page changelog duplimo.6)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${GZIP} -9nc ${duplimo_data}/${page} > ${page}.gz
        DEPENDS ${duplimo_data}/${page}
        VERBATIM)
endforeach()
add_custom_target(documentation ALL DEPENDS changelog.gz duplimo.6.gz)
install(FILES ${duplimo_data}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${duplimo_doc})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/duplimo.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
# A stripped binary keeps no compiler notes either.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND [[${CMAKE_STRIP}]] --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${DUPLIMO_INSTALL_BINDIR}/duplimo\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duplimo)
set(CPACK_PACKAGE_VENDOR "KAVREL Soluciones")
set(CPACK_PACKAGE_CONTACT "KAVREL Soluciones <duplimo@kavrel.example>")
# Staged with DESTDIR, so that the install step sees the final prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Every time in the package is the source's, not the build's.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/source_date_epoch.cmake)
set(CPACK_DUPLIMO_SOURCE_DIR ${PROJECT_SOURCE_DIR})
# Debian's modes whatever the umask.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_modes.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/package_modes.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish catalogue, which the program loads; dpkg-shlibdeps adds the
# libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# The counters' serif face, and the platform plugin for Wayland sessions.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "juego de parejas / game of pairs
Duplimo es un juego de parejas para el escritorio: sesenta cartas boca
abajo esconden treinta parejas de dibujos. En cada turno se destapan dos;
un reloj y dos contadores llevan la cuenta de la partida.
.
Duplimo is a game of pairs for the desktop: sixty face-down cards hide
thirty pairs of pictures. Turn two per turn; a clock and two counters keep
the score. The game speaks Spanish.")
include(CPack)

option(DUPLIMO_PACKAGE_TEST "Build the Debian package in the test run, check it and rebuild it elsewhere (needs dpkg-dev, file, lintian, appstream-compose; faketime and locales to vary the rebuild further)" OFF)
if(DUPLIMO_PACKAGE_TEST AND BUILD_TESTING)
    add_test(NAME package_build
        COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake -B ${CMAKE_BINARY_DIR}/package)
    add_test(NAME package_contents
        COMMAND ${PROJECT_SOURCE_DIR}/tests/check_package.sh ${CMAKE_BINARY_DIR}/package ${PROJECT_VERSION} ${DUPLIMO_APP_ID})
    # A second build of the game and the package, configured as this one,
    # must give the same bytes.
    add_test(NAME package_reproducible
        COMMAND ${PROJECT_SOURCE_DIR}/tests/check_package_reproducible.sh ${PROJECT_SOURCE_DIR} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/package
            -G ${CMAKE_GENERATOR} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
            "-DCMAKE_CXX_FLAGS=${CMAKE_CXX_FLAGS}" -DDUPLIMO_X11=${DUPLIMO_X11})
    set_tests_properties(package_build PROPERTIES FIXTURES_SETUP package LABELS package)
    set_tests_properties(package_contents PROPERTIES FIXTURES_REQUIRED package LABELS package)
    set_tests_properties(package_reproducible PROPERTIES FIXTURES_REQUIRED package LABELS package PROCESSORS 2)
endif()
