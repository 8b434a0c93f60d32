# The Qt platform of the interval timer, beside the picture control that uses
# it: on the widget layer (its EOutOfResources for a refused timer, its
# HandleException for errors), so it is part of the control's face, not of
# the Qt-free timer core.
add_library(fauneta_timer_qt STATIC
  ${CMAKE_CURRENT_LIST_DIR}/QtTimerPlatform.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QtTimerPlatform.h)
target_link_libraries(fauneta_timer_qt PUBLIC fauneta_timer fauneta_widgets Qt6::Core)
target_include_directories(fauneta_timer_qt PUBLIC ${PROJECT_SOURCE_DIR})
