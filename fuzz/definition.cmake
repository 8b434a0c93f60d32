# The window definition text: parser and writer, without Qt.
fauneta_add_fuzzer(fuzz_definition
  ${CMAKE_CURRENT_LIST_DIR}/definition/FuzzDefinition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/definition/DefinitionCheck.h
  ${PROJECT_SOURCE_DIR}/widgets/DefinitionText.cpp
  ${PROJECT_SOURCE_DIR}/widgets/DfmValue.cpp
  ${PROJECT_SOURCE_DIR}/widgets/Errors.cpp
  ${PROJECT_SOURCE_DIR}/widgets/Cp1252.cpp)
