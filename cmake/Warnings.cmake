# One place for the flags every target of ours is built with.
add_library(molvanex_flags INTERFACE)
target_compile_options(molvanex_flags INTERFACE
    -Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override -Werror)
target_compile_definitions(molvanex_flags INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_KEYWORDS)
if(MOLVANEX_SANITIZE)
    target_compile_options(molvanex_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
    target_link_options(molvanex_flags INTERFACE -fsanitize=address,undefined)
endif()
