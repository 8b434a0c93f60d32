# The Qt platform of the interval timer (gif/TimerEx). The widget layer's
# HandleException is its default error reporter; the program links it.
add_library(fauneta_timer_qt STATIC
  ${CMAKE_CURRENT_LIST_DIR}/QtTimerPlatform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtTimerPlatform.h)
target_link_libraries(fauneta_timer_qt PUBLIC fauneta_timer Qt6::Core)
target_include_directories(fauneta_timer_qt PUBLIC ${PROJECT_SOURCE_DIR})
