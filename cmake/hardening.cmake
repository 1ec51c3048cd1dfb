# Hardened code generation and linking, where the compiler and the binary
# format support it: GCC and Clang, ELF and (with MinGW's linker defaults:
# address randomisation, no execution of data) PE.
option(DUPLIMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# WebAssembly keeps return addresses out of reach of the program's memory
# and loads one module at a fixed place: no stack protector, no PIE.
if(CMAKE_SYSTEM_NAME STREQUAL "Emscripten")
    return()
endif()

# Position-independent executables: -fPIE/-fPIC when compiling, -pie when linking.
include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED AND NOT WIN32)
    message(WARNING "The linker cannot make position-independent executables:\n${pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(-fstack-protector-strong)
    # MinGW keeps the stack protector's and the checked calls' code in
    # libssp: linked in, so that no DLL of it is needed beside the program.
    if(MINGW)
        link_libraries(-l:libssp.a)
    endif()
    if(DUPLIMO_SANITIZE)
        set(sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        add_compile_options(${sanitize_flags})
        add_link_options(${sanitize_flags})
    else()
        # Checked libc calls need optimisation, so not in Debug builds; and
        # not where the toolchain or the flags given already ask for them,
        # at whatever level.
        include(CheckCXXSourceCompiles)
        set(CMAKE_REQUIRED_FLAGS -O2)
        check_cxx_source_compiles("#ifdef _FORTIFY_SOURCE\n#error set\n#endif\nint main() {}" DUPLIMO_ADD_FORTIFY_SOURCE)
        unset(CMAKE_REQUIRED_FLAGS)
        if(DUPLIMO_ADD_FORTIFY_SOURCE)
            add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
        endif()
    endif()
elseif(DUPLIMO_SANITIZE)
    message(FATAL_ERROR "DUPLIMO_SANITIZE needs GCC or Clang")
endif()

if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    add_link_options(-Wl,-z,relro,-z,now -Wl,-z,noexecstack)
endif()
