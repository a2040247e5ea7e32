# The Windows program, its test programs and its benchmark.
enable_language(RC)
option(TESSELLON_BUILD_TESTS "Build the Windows test programs and benchmark" OFF)
set(TESSELLON_DIST_DIR "" CACHE PATH "Where Tessellon.exe goes (default: the build folder)")

set(TESSELLON_WARNINGS -Wall -Wextra -Wno-cast-function-type)
set(TESSELLON_SYSTEM_LIBS gdiplus ole32 uuid comctl32 winmm msimg32 gdi32 user32 kernel32)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

# The layered PNG window kit.
add_library(tessellon_kit STATIC
  pngkit/GdiplusHolders.cpp
  pngkit/TextConversion.cpp
  pngkit/KitInit.cpp
  pngkit/ImageLoading.cpp
  pngkit/ImageDrawing.cpp
  pngkit/ChildPainting.cpp
  pngkit/ChildProcedures.cpp
  pngkit/Composition.cpp
  pngkit/LoadDialog.cpp
  pngkit/PngWindow.cpp)
target_link_libraries(tessellon_kit PUBLIC tessellon_rules ${TESSELLON_SYSTEM_LIBS})
target_compile_options(tessellon_kit PRIVATE ${TESSELLON_WARNINGS})

# Windows from definitions, start-up and life cycle, the program's windows and its assets.
add_library(tessellon_app STATIC
  forms/Form.cpp
  forms/FormRuntime.cpp
  forms/controls/CustomControlWindow.cpp
  forms/controls/SubclassedControl.cpp
  forms/controls/GroupBox.cpp
  forms/controls/GradientLabel.cpp
  forms/controls/EditBox.cpp
  forms/controls/PictureButton.cpp
  forms/controls/StatusBar.cpp
  forms/controls/ControlFactory.cpp
  startup/Program.cpp
  startup/ExternalRoutines.cpp
  startup/StartupSequence.cpp
  splash/SplashWindow.cpp
  calculator/CalculatorWindow.cpp
  calculator/CalculatorCommands.cpp
  calculator/GbkText.cpp
  assets/Assets.cpp)
target_link_libraries(tessellon_app PUBLIC tessellon_kit)
target_compile_options(tessellon_app PRIVATE ${TESSELLON_WARNINGS})

# Resource scripts name their files relative to these folders.
set(TESSELLON_RC_INCLUDES ${CMAKE_SOURCE_DIR}/assets ${CMAKE_SOURCE_DIR}/startup)
# The resource compiler's inputs are not seen by the dependency scanner: name them, so a
# regenerated asset rebuilds what embeds it.
file(GLOB TESSELLON_FRAME_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/frames/*.png)
file(GLOB TESSELLON_CONTROL_ASSET_FILES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/assets/buttons/*.gif ${CMAKE_SOURCE_DIR}/assets/sounds/*.wav)
set_source_files_properties(assets/frames.rc PROPERTIES OBJECT_DEPENDS "${TESSELLON_FRAME_FILES}")
set_source_files_properties(assets/controls.rc PROPERTIES OBJECT_DEPENDS "${TESSELLON_CONTROL_ASSET_FILES}")
set_source_files_properties(startup/Tessellon.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/assets/icon/tessellon.ico;${CMAKE_SOURCE_DIR}/startup/Tessellon.manifest")

# A GUI program of the product: wide entry point, stripped in release, placed in the dist folder.
function(tessellon_gui_program name library)
  add_executable(${name} WIN32 ${ARGN})
  target_link_libraries(${name} PRIVATE ${library})
  target_compile_options(${name} PRIVATE ${TESSELLON_WARNINGS})
  target_link_options(${name} PRIVATE -municode $<$<CONFIG:Release>:-s>)
  if(TESSELLON_DIST_DIR)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSELLON_DIST_DIR})
  endif()
endfunction()

tessellon_gui_program(Tessellon tessellon_app startup/main.cpp startup/Tessellon.rc assets/frames.rc assets/controls.rc)
target_include_directories(Tessellon PRIVATE ${TESSELLON_RC_INCLUDES})

# A kit window to look at and try: a picture, a button and an edit box as kit children.
tessellon_gui_program(KitDemo tessellon_kit kitdemo/KitDemo.cpp kitdemo/DemoPictures.cpp)

if(TESSELLON_BUILD_TESTS)
  include(cmake/WindowsTests.cmake)
endif()
