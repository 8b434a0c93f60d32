# Load + compose every frame, side by side with wuffs, giflib and Qt's reader,
# with the ratio targets printed at the end. wuffs is a peer from the shared
# bench-peers folder, compiled here in a C translation unit of its own; the
# program never links it. Without that folder its rows are left out.
find_package(GIF REQUIRED)
add_executable(bench_gif_compose ${CMAKE_CURRENT_LIST_DIR}/gif_compose.cpp ${CMAKE_CURRENT_LIST_DIR}/BenchGifs.h
  ${CMAKE_CURRENT_LIST_DIR}/Ratios.h)
target_link_libraries(bench_gif_compose PRIVATE fauneta_gifcore fauneta_gifcompose GIF::GIF Qt6::Gui benchmark::benchmark)
target_include_directories(bench_gif_compose PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_definitions(bench_gif_compose PRIVATE FAUNETA_BENCH_DATA_DIR="${FAUNETA_BENCH_DATA_DIR}")
target_compile_options(bench_gif_compose PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O3>)
if(EXISTS ${FAUNETA_BENCH_PEERS}/wuffs/wuffs-v0.4.c)
  add_library(bench_wuffs_peer STATIC ${CMAKE_CURRENT_LIST_DIR}/wuffs_peer.c)
  target_include_directories(bench_wuffs_peer PRIVATE ${FAUNETA_BENCH_PEERS}/wuffs)
  # Its own flags: C, fully optimised, none of the project's warnings.
  target_compile_options(bench_wuffs_peer PRIVATE -O3 -w)
  target_link_libraries(bench_gif_compose PRIVATE bench_wuffs_peer)
  target_compile_definitions(bench_gif_compose PRIVATE FAUNETA_HAVE_WUFFS)
else()
  message(STATUS "bench: no wuffs peer in ${FAUNETA_BENCH_PEERS}; its rows are left out")
endif()
