# The interval timer: hand-over and tick cost, CPU of paused workers.
add_executable(bench_timer ${CMAKE_CURRENT_LIST_DIR}/TimerBench.cpp)
target_link_libraries(bench_timer PRIVATE fauneta_timer_qt benchmark::benchmark)
