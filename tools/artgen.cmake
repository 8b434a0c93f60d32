# artgen: draws every picture of the program (creature sprites, rating bars,
# icon, decorative pictures). A build tool: giflib encodes its GIFs and Qt
# writes its bitmaps; neither giflib nor this code reaches the program.
find_package(GIF REQUIRED)

add_library(fauneta_artgen_core STATIC
  artgen/Gif.cpp artgen/Gif.h
  artgen/Raster.cpp artgen/Raster.h
  artgen/Creature.h artgen/Kit.cpp artgen/Kit.h artgen/Looks.cpp
  artgen/PlanLegged.cpp artgen/PlanOther.cpp
  artgen/Sprites.cpp artgen/Sprites.h
  artgen/Pictures.cpp artgen/Pictures.h
  artgen/Embed.cpp artgen/Embed.h)
target_link_libraries(fauneta_artgen_core PUBLIC GIF::GIF fauneta_catalogue fauneta_deftext)
target_include_directories(fauneta_artgen_core PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/artgen ${PROJECT_SOURCE_DIR})

add_executable(fauneta_artgen artgen/main.cpp)
target_link_libraries(fauneta_artgen PRIVATE fauneta_artgen_core Qt6::Gui)
# Not beside the program: it is not shipped.
set_target_properties(fauneta_artgen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# The run-time folders beside the executable. The generator leaves unchanged
# files untouched, so a stamp tells the build it ran.
set(_art_files)
foreach(n RANGE 0 151)
  string(LENGTH "${n}" _len)
  if(_len EQUAL 1)
    set(n "00${n}")
  elseif(_len EQUAL 2)
    set(n "0${n}")
  endif()
  list(APPEND _art_files ${FAUNETA_OUT_DIR}/Imagens/${n}.gif)
endforeach()
foreach(r RANGE 1 6)
  list(APPEND _art_files ${FAUNETA_OUT_DIR}/Dados/${r}.bmp)
endforeach()
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/artwork/files.stamp
  BYPRODUCTS ${_art_files}
  COMMAND fauneta_artgen files ${FAUNETA_OUT_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/artwork/files.stamp
  DEPENDS fauneta_artgen
  COMMENT "Drawing the creature sprites and rating bars"
  VERBATIM)

# The decorative pictures and the icon, as plain files, for embedding in the
# window definitions (artgen embed ...).
set(FAUNETA_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(_deco_files)
foreach(f treinador.gif pokemart.gif tmhm.gif sobre-grande.gif sobre-mascote.gif icone.ico)
  list(APPEND _deco_files ${FAUNETA_ARTWORK_DIR}/${f})
endforeach()
add_custom_command(
  OUTPUT ${FAUNETA_ARTWORK_DIR}/pictures.stamp
  BYPRODUCTS ${_deco_files}
  COMMAND fauneta_artgen pictures ${FAUNETA_ARTWORK_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${FAUNETA_ARTWORK_DIR}/pictures.stamp
  DEPENDS fauneta_artgen
  COMMENT "Drawing the decorative pictures and the icon"
  VERBATIM)
add_custom_target(fauneta_artwork ALL
  DEPENDS ${CMAKE_BINARY_DIR}/artwork/files.stamp ${FAUNETA_ARTWORK_DIR}/pictures.stamp)

# A contact sheet of everything, on request: cmake --build <b> --target fauneta_artwork_sheet
add_custom_target(fauneta_artwork_sheet
  COMMAND fauneta_artgen sheet ${FAUNETA_ARTWORK_DIR}/sheet.png
  DEPENDS fauneta_artgen
  COMMENT "Contact sheet: ${FAUNETA_ARTWORK_DIR}/sheet.png"
  VERBATIM)

# The generator makes the run-time folders, so it installs them beside the program.
install(DIRECTORY ${FAUNETA_OUT_DIR}/Imagens ${FAUNETA_OUT_DIR}/Dados DESTINATION ${FAUNETA_INSTALL_APPDIR})

# Puts the icon into every window definition and each decorative picture into
# its control, in the source tree (forms/*.form), through the definition writer:
#   cmake --build <b> --target fauneta_embed_artwork
# Run it after changing the pictures or adding a window; commit the forms.
add_custom_target(fauneta_embed_artwork
  COMMAND fauneta_artgen embed-all ${PROJECT_SOURCE_DIR}/forms
  DEPENDS fauneta_artgen
  COMMENT "Embedding the icon and the decorative pictures in forms/*.form"
  VERBATIM)
