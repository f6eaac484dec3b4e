# One place for the flags every target of ours is built with.
add_library(molvanex_flags INTERFACE)
target_compile_options(molvanex_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override -Werror)
target_compile_definitions(molvanex_flags INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)
# g++ 12's optimiser reports false overlaps inside libstdc++'s string operations (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(molvanex_flags INTERFACE -Wno-restrict)
endif()
if(MOLVANEX_SANITIZE)
    target_compile_options(molvanex_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
    target_link_options(molvanex_flags INTERFACE -fsanitize=address,undefined)
endif()
