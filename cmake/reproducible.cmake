# Reproducible builds: the same source gives the same binary wherever it is
# built. Paths in debug information and __FILE__ are relative to the source
# and build trees; the build tree's mapping comes last, so that it wins where
# the build tree lies inside the source tree.
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-ffile-prefix-map=a=b DUPLIMO_HAS_FILE_PREFIX_MAP)
if(DUPLIMO_HAS_FILE_PREFIX_MAP)
    add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
# moc's output includes each header by its path from the include directories,
# not from the build tree, which may lie anywhere.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)
