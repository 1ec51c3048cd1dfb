# Hardened code generation and linking for every target.
option(DUPLIMO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

# Position-independent executables: -fPIE/-fPIC when compiling, -pie when linking.
include(CheckPIESupported)
check_pie_supported(OUTPUT_VARIABLE pie_output LANGUAGES CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
    message(WARNING "The linker cannot make position-independent executables:\n${pie_output}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
add_link_options(-Wl,-z,relro,-z,now -Wl,-z,noexecstack)

if(DUPLIMO_SANITIZE)
    set(sanitize_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_compile_options(${sanitize_flags})
    add_link_options(${sanitize_flags})
else()
    # Checked libc calls need optimisation, so not in Debug builds.
    add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>)
endif()
