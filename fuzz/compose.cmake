# libFuzzer target for the composer and the placement, checked against a
# reference compositor; clang with ASan + UBSan. Run it with fuzz/compose/run.sh.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_executable(fuzz_compose
    ${CMAKE_CURRENT_LIST_DIR}/compose/FuzzCompose.cpp
    ${CMAKE_CURRENT_LIST_DIR}/compose/ComposeCheck.h
    ${PROJECT_SOURCE_DIR}/gif/GifComposer.cpp
    ${PROJECT_SOURCE_DIR}/gif/GifDecoder.cpp
    ${PROJECT_SOURCE_DIR}/gif/Lzw.cpp)
  target_include_directories(fuzz_compose PRIVATE ${PROJECT_SOURCE_DIR})
  set(_fuzz_compose_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(fuzz_compose PRIVATE ${_fuzz_compose_flags} -g -O2)
  target_link_options(fuzz_compose PRIVATE ${_fuzz_compose_flags})
else()
  message(STATUS "fuzz_compose needs clang (configure with CXX=clang++-14)")
endif()
