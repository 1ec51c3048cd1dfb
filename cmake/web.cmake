# The web build: the logic's tests and the soak on the headless front end,
# run by node.
if(BUILD_TESTING)
    enable_testing()
    add_subdirectory(tests/shared)
    add_subdirectory(tests/headless)
endif()
