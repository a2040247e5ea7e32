# Native tests of the pure rules, with sanitizers, plus the Windows test programs run under Wine
# when a Windows test build is named.
find_package(GTest REQUIRED)
include(GoogleTest)

set(TESSELLON_SANITIZERS -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
target_compile_options(tessellon_rules PRIVATE ${TESSELLON_SANITIZERS})

add_executable(native_tests
  tests/native/KitRulesTest.cpp
  tests/native/ChildRulesTest.cpp
  tests/native/StartupRulesTest.cpp
  tests/native/SplashSequenceTest.cpp
  tests/native/TileCalculationTest.cpp
  tests/native/ControlLooksTest.cpp)
target_link_libraries(native_tests PRIVATE tessellon_rules GTest::gtest_main)
target_compile_options(native_tests PRIVATE -Wall -Wextra -Wno-missing-field-initializers ${TESSELLON_SANITIZERS})
target_link_options(native_tests PRIVATE ${TESSELLON_SANITIZERS})
gtest_discover_tests(native_tests TEST_PREFIX "native.")

# The Windows test programs, built by the cross build, each run as one test under Wine.
set(TESSELLON_WINE_TEST_DIR "" CACHE PATH "Folder of the Windows test build whose programs run under Wine")
if(TESSELLON_WINE_TEST_DIR)
  set(wine_exec ${CMAKE_SOURCE_DIR}/tools/wine-exec)
  set(western_locale_tests "CalculatorUnderAWesternLocale.*")
  add_test(NAME wine.kit_tests COMMAND ${wine_exec} ${TESSELLON_WINE_TEST_DIR}/kit_tests.exe)
  add_test(NAME wine.program_tests
           COMMAND ${wine_exec} ${TESSELLON_WINE_TEST_DIR}/program_tests.exe --gtest_filter=-${western_locale_tests})
  # Wine takes a process's code page from the Unix locale it starts under, so this one runs apart.
  add_test(NAME wine.program_tests.western_locale
           COMMAND env TESSELLON_LANG=C.UTF-8 ${wine_exec} ${TESSELLON_WINE_TEST_DIR}/program_tests.exe
                   --gtest_filter=${western_locale_tests})
  set_tests_properties(wine.kit_tests wine.program_tests wine.program_tests.western_locale PROPERTIES TIMEOUT 300)
endif()
