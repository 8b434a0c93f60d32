# The picture control TGIFImage on the widget layer's windowless base: the
# decoder, the composition and animation core, and the interval timer on Qt.
add_library(fauneta_gifimage STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GIFImage.cpp ${CMAKE_CURRENT_LIST_DIR}/GIFImage.h)
target_include_directories(fauneta_gifimage PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(fauneta_gifimage PUBLIC fauneta_widgets fauneta_gifcompose fauneta_timer_qt)
