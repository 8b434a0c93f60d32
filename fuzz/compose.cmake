# libFuzzer target for the composer and the placement, checked against a
# reference compositor; clang with ASan + UBSan. Run it with fuzz/compose/run.sh.
# Coverage guides by the code under test only: the reference and the checks
# (FuzzCompose.cpp) are left uninstrumented, which keeps runs several times faster.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_executable(fuzz_compose
    ${CMAKE_CURRENT_LIST_DIR}/compose/FuzzCompose.cpp
    ${CMAKE_CURRENT_LIST_DIR}/compose/ComposeCheck.h
    ${PROJECT_SOURCE_DIR}/gif/GifComposer.cpp
    ${PROJECT_SOURCE_DIR}/gif/GifDecoder.cpp
    ${PROJECT_SOURCE_DIR}/gif/Lzw.cpp)
  target_include_directories(fuzz_compose PRIVATE ${PROJECT_SOURCE_DIR})
  set(_fuzz_compose_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(fuzz_compose PRIVATE ${_fuzz_compose_san} -g -O2)
  set_source_files_properties(${PROJECT_SOURCE_DIR}/gif/GifComposer.cpp ${PROJECT_SOURCE_DIR}/gif/GifDecoder.cpp
    ${PROJECT_SOURCE_DIR}/gif/Lzw.cpp TARGET_DIRECTORY fuzz_compose PROPERTIES COMPILE_OPTIONS -fsanitize=fuzzer-no-link)
  target_link_options(fuzz_compose PRIVATE -fsanitize=fuzzer ${_fuzz_compose_san})
else()
  message(STATUS "fuzz_compose needs clang (configure with CXX=clang++-14)")
endif()
