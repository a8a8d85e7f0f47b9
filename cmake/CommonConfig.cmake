# One place for the warnings and Qt's strictness defines; every target links vestrum_common.
add_library(vestrum_common INTERFACE)
target_compile_features(vestrum_common INTERFACE cxx_std_17)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(vestrum_common INTERFACE -Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual)
endif()
target_compile_definitions(vestrum_common INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_DISABLE_DEPRECATED_BEFORE=0x060000)

option(VESTRUM_SANITIZE "Build with address and undefined-behaviour sanitizers" OFF)
if(VESTRUM_SANITIZE)
    target_compile_options(vestrum_common INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                    -fno-sanitize-recover=undefined)
    target_link_options(vestrum_common INTERFACE -fsanitize=address,undefined)
endif()
