# SPDX-License-Identifier: MIT
# Strict warnings as errors for every target of the project, and the
# optional sanitizer build.
add_compile_options(
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)

# GCC 12 reports impossible overlaps in inlined std::basic_string copies at -O2
# (GCC bug 105329); the warning carries no information there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wno-restrict)
endif()

if(ZEMBRA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# QT_NO_CONTEXTLESS_CONNECT only takes effect from Qt 6.7: on Debian 12's Qt
# 6.4 it checks nothing, and a context object in every connect() is a habit
# kept by review. It stays so that a newer Qt enforces it.
add_compile_definitions(QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS
                        QT_DISABLE_DEPRECATED_UP_TO=0x060400)

# Hardening of the optimised builds that get installed and packaged; the
# WebAssembly sandbox has no such options. mingw-w64 links Windows programs,
# which have no RELRO, and brings the stack protector's and the fortified
# functions' runtime (libssp) only when the link asks for the protector too.
if(NOT EMSCRIPTEN)
    add_compile_options($<$<CONFIG:Release,RelWithDebInfo>:-D_FORTIFY_SOURCE=2>
                        -fstack-protector-strong)
    if(WIN32)
        # Stripped, as Windows programs ship: their symbols would double them.
        add_link_options(-fstack-protector-strong $<$<CONFIG:Release,MinSizeRel>:-s>)
    else()
        add_link_options(-Wl,-z,relro,-z,now)
    endif()
endif()
