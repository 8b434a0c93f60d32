# fauneta_formedit: sets a property of a window definition file (pictures, icon).
add_executable(fauneta_formedit ${CMAKE_CURRENT_LIST_DIR}/formedit.cpp)
target_link_libraries(fauneta_formedit PRIVATE fauneta_gifimage)
