# The interval timer core: plain C++ threads, no Qt. The window system is
# reached through TTimerPlatform (the Qt one, for the picture control, is in timer-qt.cmake).
find_package(Threads REQUIRED)
add_library(fauneta_timer STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TimerEx.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TimerEx.h)
target_include_directories(fauneta_timer PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(fauneta_timer PUBLIC Threads::Threads)
