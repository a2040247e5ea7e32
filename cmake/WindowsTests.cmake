# Windows test programs (run under Wine by the native build's ctest) and the benchmark.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(TESSELLON_TEST_OUTPUT ${CMAKE_BINARY_DIR}/tests)

# In-process tests of the kit.
add_executable(kit_tests
  tests/wine/KitTestMain.cpp
  tests/wine/KitTestSupport.cpp
  tests/wine/HoldersTest.cpp
  tests/wine/PngWindowTest.cpp
  tests/wine/ChildControlsTest.cpp
  tests/wine/LoadDialogTest.cpp
  tests/wine/FormControlsTest.cpp
  assets/frames.rc
  assets/controls.rc)
target_link_libraries(kit_tests PRIVATE tessellon_app gtest)
target_include_directories(kit_tests PRIVATE ${TESSELLON_RC_INCLUDES})

# The whole program driven from outside, and the child the fatal path is raised in.
add_library(tessellon_probe SHARED tests/e2e/ProbeLibrary.cpp)
set_target_properties(tessellon_probe PROPERTIES PREFIX "" RUNTIME_OUTPUT_DIRECTORY ${TESSELLON_TEST_OUTPUT})
add_executable(startup_child tests/e2e/StartupChild.cpp)
add_dependencies(startup_child tessellon_probe)
target_link_libraries(startup_child PRIVATE tessellon_app)
target_link_options(startup_child PRIVATE -mwindows)

add_executable(program_tests tests/e2e/ProgramTest.cpp tests/e2e/CalculatorTest.cpp tests/e2e/ProcessDriver.cpp
  tests/e2e/UserInput.cpp)
target_link_libraries(program_tests PRIVATE gtest_main ${TESSELLON_SYSTEM_LIBS})
target_include_directories(program_tests PRIVATE ${CMAKE_SOURCE_DIR})
# Where the program under test was built, as the host sees it (Wine shows the host's root as Z:).
target_compile_definitions(program_tests PRIVATE TESSELLON_EXE_HOST_PATH="$<TARGET_FILE:Tessellon>")
add_dependencies(program_tests Tessellon startup_child)

# The splash's frame cost and memory, measured.
add_executable(splash_bench benchmarks/SplashBench.cpp assets/frames.rc assets/controls.rc)
target_link_libraries(splash_bench PRIVATE tessellon_app psapi)
target_include_directories(splash_bench PRIVATE ${TESSELLON_RC_INCLUDES})

# The click sound's cost to the window, measured.
add_executable(button_bench benchmarks/ButtonBench.cpp assets/controls.rc)
target_link_libraries(button_bench PRIVATE tessellon_app)
target_include_directories(button_bench PRIVATE ${TESSELLON_RC_INCLUDES})

set_target_properties(kit_tests startup_child program_tests splash_bench button_bench PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${TESSELLON_TEST_OUTPUT})
foreach(t kit_tests startup_child program_tests splash_bench button_bench)
  target_compile_options(${t} PRIVATE ${TESSELLON_WARNINGS} -Wno-missing-field-initializers)
endforeach()

# Drives the program through its main path for ./run's screenshots on a virtual display.
add_executable(tour_driver tools/tour/TourDriver.cpp tests/e2e/ProcessDriver.cpp tests/e2e/UserInput.cpp)
target_include_directories(tour_driver PRIVATE ${CMAKE_SOURCE_DIR})
target_link_options(tour_driver PRIVATE -municode)
set_target_properties(tour_driver PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TESSELLON_TEST_OUTPUT})
