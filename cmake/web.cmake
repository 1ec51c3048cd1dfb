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
    -sASYNCIFY=1 "-sASYNCIFY_IMPORTS=['page_box']")
set_target_properties(duplimo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${site} LINK_DEPENDS ${web}/library.js)

# The pictures, as the desktop game has them: the card pictures by number.
set(pictures ${PROJECT_SOURCE_DIR}/window/pictures)
set(site_files ${site}/duplimo.css)
add_custom_command(OUTPUT ${site}/duplimo.css
    COMMAND ${CMAKE_COMMAND} -E copy ${web}/duplimo.css ${site}/duplimo.css
    DEPENDS ${web}/duplimo.css)
foreach(picture iniciar_32 detener_32 salir_32 icono_16 icono_32)
    add_custom_command(OUTPUT ${site}/pictures/${picture}.png
        COMMAND ${CMAKE_COMMAND} -E copy ${pictures}/${picture}.png ${site}/pictures/${picture}.png
        DEPENDS ${pictures}/${picture}.png)
    list(APPEND site_files ${site}/pictures/${picture}.png)
endforeach()
file(GLOB cards RELATIVE ${pictures}/cards CONFIGURE_DEPENDS ${pictures}/cards/*.png)
foreach(card ${cards})
    string(SUBSTRING ${card} 0 2 number)
    add_custom_command(OUTPUT ${site}/pictures/cards/${number}.png
        COMMAND ${CMAKE_COMMAND} -E copy ${pictures}/cards/${card} ${site}/pictures/cards/${number}.png
        DEPENDS ${pictures}/cards/${card})
    list(APPEND site_files ${site}/pictures/cards/${number}.png)
endforeach()
add_custom_target(site ALL DEPENDS duplimo ${site}/index.html ${site}/layout.css ${site_files})

# A short game played in Chromium, headless, through its driver; Chromium's
# screenshot of a box over the board is left in web-play.png.
if(BUILD_TESTING)
    find_program(SYSTEM_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(CHROMIUM chromium NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(CHROMEDRIVER chromedriver NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    add_test(NAME web_play_chromium
        COMMAND ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/web/play_in_chromium.py ${site} ${CMAKE_BINARY_DIR}/web-play.png)
    # The light and dark palettes and forced colours, at 100 %, 200 % and on
    # a phone, measured on Chromium's screenshots.
    add_test(NAME web_palettes_chromium
        COMMAND ${SYSTEM_PYTHON3} ${PROJECT_SOURCE_DIR}/tests/web/palettes_in_chromium.py ${site})
    set_tests_properties(web_play_chromium web_palettes_chromium PROPERTIES LABELS web TIMEOUT 180
        ENVIRONMENT "DUPLIMO_CHROMIUM=${CHROMIUM};DUPLIMO_CHROMEDRIVER=${CHROMEDRIVER}")
endif()
