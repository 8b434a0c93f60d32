# The benchmark report's own programs (bench/report.sh runs them with the
# others): ShowEntry over the catalogue in the real main window, with a
# memory tour; and the bare Qt window that the program's start-up is compared
# with. Both live beside the program in <build>/out ("Imagens", "Dados").
add_executable(bench_showentry ${CMAKE_CURRENT_LIST_DIR}/ShowEntryBench.cpp)
target_link_libraries(bench_showentry PRIVATE fauneta_forms benchmark::benchmark)
set_target_properties(bench_showentry PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FAUNETA_OUT_DIR})
if(TARGET fauneta_artwork)
  add_dependencies(bench_showentry fauneta_artwork)
endif()

add_executable(bench_bare_window ${CMAKE_CURRENT_LIST_DIR}/bare_window.cpp)
target_link_libraries(bench_bare_window PRIVATE Qt6::Widgets)
target_include_directories(bench_bare_window PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(bench_bare_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${FAUNETA_OUT_DIR})
