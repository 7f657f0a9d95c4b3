# SPDX-License-Identifier: MIT
# Strict warnings as errors for every target of the project, and the
# optional sanitizer build.
add_compile_options(
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror)

if(ZEMBRA_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

add_compile_definitions(QT_NO_CONTEXTLESS_CONNECT QT_NO_KEYWORDS
                        QT_DISABLE_DEPRECATED_UP_TO=0x060400)
