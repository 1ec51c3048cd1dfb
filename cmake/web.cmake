# The web build: the logic's tests and the soak on the headless front end,
# run by node; and the game as a folder of static files, site/.
if(BUILD_TESTING)
    enable_testing()
    add_subdirectory(tests/shared)
    add_subdirectory(tests/headless)
endif()

set(site ${CMAKE_BINARY_DIR}/site)
set(web ${PROJECT_SOURCE_DIR}/toolkit/web)

# The page's window, written from the description at build time, by a
# program node runs.
add_executable(make_page toolkit/web/make_page.cpp)
target_link_libraries(make_page PRIVATE window_policy)
target_link_options(make_page PRIVATE -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sWASM_ASYNC_COMPILATION=0)
add_custom_command(OUTPUT ${site}/index.html ${site}/layout.css
    COMMAND ${CMAKE_COMMAND} -E make_directory ${site}
    COMMAND make_page ${site}/index.html ${site}/layout.css
    DEPENDS make_page
    COMMENT "Writing the page from the window's description")

# The program: the headless window with the page as its view.
add_executable(duplimo toolkit/web/main.cpp toolkit/web/page.cpp)
target_link_libraries(duplimo PRIVATE window_headless)
target_link_options(duplimo PRIVATE
    --js-library ${web}/library.js
    -sENVIRONMENT=web
    # The program waits for a message box's answer inside a handler.
    -sASYNCIFY=1 "-sASYNCIFY_IMPORTS=['page_box']"
    # Asyncify instruments whatever might call back into the program through
    # a pointer; the C library's formatting, operator new and the run-time
    # type checks never lead to a box.
    "-sASYNCIFY_REMOVE=['__shgetc','__vfprintf_internal','printf_core','out','pop_arg','operator.new*','__cxxabiv1::*','__dynamic_cast','__cxa_can_catch']"
    # The game allocates little and seldom: the smaller allocator will do.
    -sMALLOC=emmalloc
    --pre-js ${web}/offline.js)
set_target_properties(duplimo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site}
    LINK_DEPENDS "${web}/library.js;${web}/offline.js")

# The pictures, as the desktop game has them: the card pictures by number.
set(pictures ${PROJECT_SOURCE_DIR}/window/pictures)
set(site_files ${site}/index.html ${site}/layout.css)
foreach(file duplimo.css manifest.webmanifest)
    add_custom_command(OUTPUT ${site}/${file}
        COMMAND ${CMAKE_COMMAND} -E copy ${web}/${file} ${site}/${file}
        DEPENDS ${web}/${file})
    list(APPEND site_files ${site}/${file})
endforeach()
foreach(picture iniciar_32 detener_32 salir_32 icono_16 icono_32 icono_192 icono_512)
    add_custom_command(OUTPUT ${site}/pictures/${picture}.png
        COMMAND ${CMAKE_COMMAND} -E copy ${pictures}/${picture}.png ${site}/pictures/${picture}.png
        DEPENDS ${pictures}/${picture}.png)
    list(APPEND site_files ${site}/pictures/${picture}.png)
endforeach()
# The message boxes' icons.
foreach(icon error information question warning)
    add_custom_command(OUTPUT ${site}/pictures/${icon}.svg
        COMMAND ${CMAKE_COMMAND} -E copy ${web}/pictures/${icon}.svg ${site}/pictures/${icon}.svg
        DEPENDS ${web}/pictures/${icon}.svg)
    list(APPEND site_files ${site}/pictures/${icon}.svg)
endforeach()
file(GLOB cards RELATIVE ${pictures}/cards CONFIGURE_DEPENDS ${pictures}/cards/*.png)
foreach(card ${cards})
    string(SUBSTRING ${card} 0 2 number)
    add_custom_command(OUTPUT ${site}/pictures/cards/${number}.png
        COMMAND ${CMAKE_COMMAND} -E copy ${pictures}/cards/${card} ${site}/pictures/cards/${number}.png
        DEPENDS ${pictures}/cards/${card})
    list(APPEND site_files ${site}/pictures/cards/${number}.png)
endforeach()

# The service worker that keeps all of the above for play offline.
set(kept duplimo.js duplimo.wasm)
foreach(file ${site_files})
    file(RELATIVE_PATH file ${site} ${file})
    list(APPEND kept ${file})
endforeach()
add_custom_command(OUTPUT ${site}/sw.js
    COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DTEMPLATE=${web}/sw.js -DOUT=${site}/sw.js
        -P ${PROJECT_SOURCE_DIR}/cmake/site_worker.cmake ${kept}
    DEPENDS duplimo ${site_files} ${web}/sw.js ${PROJECT_SOURCE_DIR}/cmake/site_worker.cmake
    COMMENT "Writing the service worker")
add_custom_target(site ALL DEPENDS duplimo ${site_files} ${site}/sw.js)

# A short game played in Chromium, headless, through its driver, its
# accessibility checked on the way; Chromium's screenshot of a box over the
# board is left in web-play.png.
if(BUILD_TESTING)
    find_program(SYSTEM_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(CHROMIUM chromium NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(CHROMEDRIVER chromedriver NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    # axe-core, as npm installs it from tests/web/package-lock.json
    # (npm ci --prefix tests/web); the test fails where it is missing.
    set(AXE_CORE_JS ${PROJECT_SOURCE_DIR}/tests/web/node_modules/axe-core/axe.min.js CACHE FILEPATH
        "axe-core's axe.min.js, which the browser tests run in the page")
    if(NOT EXISTS ${AXE_CORE_JS})
        message(WARNING "No axe-core at ${AXE_CORE_JS}: web_play_chromium will fail. Run npm ci --prefix tests/web")
    endif()
    add_test(NAME web_play_chromium
        COMMAND ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/web/play_in_chromium.py ${site} ${AXE_CORE_JS}
                ${CMAKE_BINARY_DIR}/web-play.png)
    # The light and dark palettes and forced colours, at 100 %, 200 % and on
    # a phone, measured on Chromium's screenshots.
    add_test(NAME web_palettes_chromium
        COMMAND ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/web/palettes_in_chromium.py ${site})
    set_tests_properties(web_play_chromium web_palettes_chromium PROPERTIES LABELS web TIMEOUT 180
        ENVIRONMENT "DUPLIMO_CHROMIUM=${CHROMIUM};DUPLIMO_CHROMEDRIVER=${CHROMEDRIVER}")
    # The site installable, played offline, asking no other origin.
    add_test(NAME web_offline_chromium
        COMMAND ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/web/offline_in_chromium.py ${site})
    set_tests_properties(web_offline_chromium PROPERTIES LABELS web TIMEOUT 120
        ENVIRONMENT "DUPLIMO_CHROMIUM=${CHROMIUM};DUPLIMO_CHROMEDRIVER=${CHROMEDRIVER}")

    # The load benchmark, a program to run, not a test: the game's page
    # against its floor, the same page without the program, in Chromium.
    #   cmake --build BUILD --target web_load
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/floor.html
        COMMAND make_page --floor ${CMAKE_BINARY_DIR}/floor.html
        DEPENDS make_page
        COMMENT "Writing the page without its program")
    add_custom_target(web_load
        COMMAND ${CMAKE_COMMAND} -E env DUPLIMO_CHROMIUM=${CHROMIUM} DUPLIMO_CHROMEDRIVER=${CHROMEDRIVER}
            ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/bench/web_load.py ${site} ${CMAKE_BINARY_DIR}/floor.html
        DEPENDS site ${CMAKE_BINARY_DIR}/floor.html
        USES_TERMINAL)
endif()
