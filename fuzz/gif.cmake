# The GIF decoder: any bytes, with the options steered by the last byte.
fauneta_add_fuzzer(fuzz_gif
  ${CMAKE_CURRENT_LIST_DIR}/gif/FuzzGif.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gif/GifCheck.h
  ${PROJECT_SOURCE_DIR}/gif/GifDecoder.cpp
  ${PROJECT_SOURCE_DIR}/gif/Lzw.cpp)
