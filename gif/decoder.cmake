# The GIF decoder core: plain C++, no Qt, so it is tested and fuzzed without a display.
add_library(fauneta_gifcore STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GifDecoder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GifDecoder.h
  ${CMAKE_CURRENT_LIST_DIR}/Lzw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Lzw.h)
target_include_directories(fauneta_gifcore PUBLIC ${PROJECT_SOURCE_DIR})
# The decoder is the load-time hot path: optimise it even in debug-info builds.
target_compile_options(fauneta_gifcore PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O3>)
