# GIF decoding speed: our decoder side by side with giflib (DGifSlurp + palette
# expansion) and Qt's own reader (a peer only). giflib is a benchmark/test-only
# dependency; the program never links it.
find_package(GIF REQUIRED)
add_executable(bench_gif_decode ${CMAKE_CURRENT_LIST_DIR}/gif_decode.cpp)
target_link_libraries(bench_gif_decode PRIVATE fauneta_gifcore fauneta_gifcompose GIF::GIF Qt6::Gui benchmark::benchmark)
target_compile_definitions(bench_gif_decode PRIVATE FAUNETA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
target_compile_options(bench_gif_decode PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O3>)
