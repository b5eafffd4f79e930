# lumivex_add_test(NAME SOURCES src... [GUI])
# One QtTest executable per class or close group, registered with ctest.
# GUI tests run on the offscreen platform; every test keeps its files in
# QStandardPaths' test locations (see tests/TestEnvironment.h).
function(lumivex_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE specula_core Qt5::Test ${ARG_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  # A home of each test's own: Qt's test folders (~/.qttest/share, where the trash lives too)
  # then belong to one test of one build, so tests run side by side, or two checkouts testing
  # at once, never wipe or fill each other's settings and files.
  set(env "QT_QPA_PLATFORM=offscreen" "LUMIVEX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
          "HOME=${CMAKE_BINARY_DIR}/test-home/${name}")
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/test-home/${name})
  # The sanitizers make a test a few times slower.
  if(LUMIVEX_SANITIZE)
    set(timeout 1200)
  else()
    set(timeout 300)
  endif()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${timeout})
endfunction()
