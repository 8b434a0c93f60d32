# gifdump: decodes a GIF with our decoder and writes every frame as a PNG, the
# composed picture after each frame and a summary: to check the decoder against
# conformance suites and to debug a file. A developer tool, not part of the
# program (Qt only writes the PNGs).
add_executable(gifdump ${CMAKE_CURRENT_LIST_DIR}/gifdump/main.cpp)
target_link_libraries(gifdump PRIVATE fauneta_gifcore fauneta_gifcompose Qt6::Gui)
