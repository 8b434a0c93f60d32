# The Qt platform of the interval timer (gif/TimerEx), on the widget layer:
# its EOutOfResources for a refused timer, its HandleException for errors.
add_library(fauneta_timer_qt STATIC
  ${CMAKE_CURRENT_LIST_DIR}/QtTimerPlatform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtTimerPlatform.h)
target_link_libraries(fauneta_timer_qt PUBLIC fauneta_timer fauneta_widgets Qt6::Core)
target_include_directories(fauneta_timer_qt PUBLIC ${PROJECT_SOURCE_DIR})
