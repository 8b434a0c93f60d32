# The widget layer on Qt 6 Widgets: application object, forms, controls,
# menus, window definitions (reader, writer, class registry), exceptions.
add_library(fauneta_widgets STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SysUtils.cpp ${CMAKE_CURRENT_LIST_DIR}/SysUtils.h
  ${CMAKE_CURRENT_LIST_DIR}/Classes.cpp ${CMAKE_CURRENT_LIST_DIR}/Classes.h
  ${CMAKE_CURRENT_LIST_DIR}/Properties.cpp ${CMAKE_CURRENT_LIST_DIR}/Properties.h
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionReader.cpp ${CMAKE_CURRENT_LIST_DIR}/DefinitionReader.h
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.cpp ${CMAKE_CURRENT_LIST_DIR}/DefinitionWriter.h
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionEditor.cpp ${CMAKE_CURRENT_LIST_DIR}/DefinitionEditor.h
  ${CMAKE_CURRENT_LIST_DIR}/Controls.cpp ${CMAKE_CURRENT_LIST_DIR}/Controls.h
  ${CMAKE_CURRENT_LIST_DIR}/ControlSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/ControlSupport.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgrammaticChange.h
  ${CMAKE_CURRENT_LIST_DIR}/Label.cpp ${CMAKE_CURRENT_LIST_DIR}/Label.h
  ${CMAKE_CURRENT_LIST_DIR}/Bevel.cpp ${CMAKE_CURRENT_LIST_DIR}/Bevel.h
  ${CMAKE_CURRENT_LIST_DIR}/Image.cpp ${CMAKE_CURRENT_LIST_DIR}/Image.h
  ${CMAKE_CURRENT_LIST_DIR}/Button.cpp ${CMAKE_CURRENT_LIST_DIR}/Button.h
  ${CMAKE_CURRENT_LIST_DIR}/Edit.cpp ${CMAKE_CURRENT_LIST_DIR}/Edit.h
  ${CMAKE_CURRENT_LIST_DIR}/ListBox.cpp ${CMAKE_CURRENT_LIST_DIR}/ListBox.h
  ${CMAKE_CURRENT_LIST_DIR}/RichEdit.cpp ${CMAKE_CURRENT_LIST_DIR}/RichEdit.h
  ${CMAKE_CURRENT_LIST_DIR}/ComboBox.cpp ${CMAKE_CURRENT_LIST_DIR}/ComboBox.h
  ${CMAKE_CURRENT_LIST_DIR}/GroupBox.cpp ${CMAKE_CURRENT_LIST_DIR}/GroupBox.h
  ${CMAKE_CURRENT_LIST_DIR}/Menus.cpp ${CMAKE_CURRENT_LIST_DIR}/Menus.h
  ${CMAKE_CURRENT_LIST_DIR}/FormClass.cpp ${CMAKE_CURRENT_LIST_DIR}/FormClass.h
  ${CMAKE_CURRENT_LIST_DIR}/Form.cpp ${CMAKE_CURRENT_LIST_DIR}/Form.h
  ${CMAKE_CURRENT_LIST_DIR}/MessageBox.cpp ${CMAKE_CURRENT_LIST_DIR}/MessageBox.h
  ${CMAKE_CURRENT_LIST_DIR}/Application.cpp ${CMAKE_CURRENT_LIST_DIR}/Application.h
  ${CMAKE_CURRENT_LIST_DIR}/Dispatch.cpp ${CMAKE_CURRENT_LIST_DIR}/Dispatch.h
  ${CMAKE_CURRENT_LIST_DIR}/StandardClasses.cpp ${CMAKE_CURRENT_LIST_DIR}/StandardClasses.h)
target_include_directories(fauneta_widgets PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(fauneta_widgets PUBLIC fauneta_deftext fauneta_text Qt6::Widgets)
