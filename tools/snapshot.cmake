# fauneta_snapshot: renders the seven windows offscreen to PNG files.
add_executable(fauneta_snapshot ${CMAKE_CURRENT_LIST_DIR}/snapshot.cpp)
target_link_libraries(fauneta_snapshot PRIVATE fauneta_forms)
