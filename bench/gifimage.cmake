# The picture control: load to composed frame 1, first paint, per-tick cost
# (core and control with its repaint, with the ratio target), CPU of a window while one picture
# animates and while none does. Runs offscreen.
add_executable(bench_gifimage ${CMAKE_CURRENT_LIST_DIR}/GifImageBench.cpp)
find_package(GIF REQUIRED)  # the generated animations
target_link_libraries(bench_gifimage PRIVATE fauneta_gifimage GIF::GIF benchmark::benchmark)
target_include_directories(bench_gifimage PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(bench_gifimage PRIVATE FAUNETA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
  FAUNETA_BENCH_DATA_DIR="${FAUNETA_BENCH_DATA_DIR}")
