# Composition and animation of the picture control: plain C++, no Qt, so the
# pixels and the frame clock's rules are tested without a display.
add_library(fauneta_gifcompose STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GifComposer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GifComposer.h
  ${CMAKE_CURRENT_LIST_DIR}/GifAnimation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GifAnimation.h)
target_include_directories(fauneta_gifcompose PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(fauneta_gifcompose PUBLIC fauneta_gifcore)
# A tick composes a frame: keep it fast in debug-info builds too.
target_compile_options(fauneta_gifcompose PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O3>)
