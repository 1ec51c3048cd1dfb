# Build settings for Emscripten, for every target of the web build.
# Exceptions as JavaScript implements them: WebAssembly's own abort
# binaryen once Asyncify is on. Every object needs them, or its catch
# clauses are dropped.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)
# Debian's emcc runs its JavaScript optimiser with node, which finds the
# packaged acorn only on Debian's module path.
find_path(DUPLIMO_NODE_MODULES acorn/package.json PATHS /usr/share/nodejs /usr/lib/nodejs NO_CMAKE_FIND_ROOT_PATH
    DOC "node's module folder holding acorn, for emcc")
if(DUPLIMO_NODE_MODULES)
    set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${DUPLIMO_NODE_MODULES})
endif()
# emcmake hands node a flag for threads that node 20, where they are
# standard, refuses.
list(REMOVE_ITEM CMAKE_CROSSCOMPILING_EMULATOR --experimental-wasm-threads)
