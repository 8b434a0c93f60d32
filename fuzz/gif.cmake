# libFuzzer target for the GIF decoder: clang with ASan + UBSan, the decoder's
# sources compiled in with coverage. Run it with fuzz/gif/run.sh.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  add_executable(fuzz_gif
    ${CMAKE_CURRENT_LIST_DIR}/gif/FuzzGif.cpp
    ${PROJECT_SOURCE_DIR}/gif/GifDecoder.cpp
    ${PROJECT_SOURCE_DIR}/gif/Lzw.cpp)
  target_include_directories(fuzz_gif PRIVATE ${PROJECT_SOURCE_DIR})
  set(_fuzz_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(fuzz_gif PRIVATE ${_fuzz_flags} -g -O2)
  target_link_options(fuzz_gif PRIVATE ${_fuzz_flags})
else()
  message(STATUS "fuzz_gif needs clang (configure with CXX=clang++-14)")
endif()
