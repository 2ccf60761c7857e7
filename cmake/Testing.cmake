# GoogleTest is built from Debian's sources so the same version serves the
# native build (with sanitizers) and the mingw cross builds.
enable_testing()
set(GOOGLETEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

if(WIN32)
  add_library(windows_test_support STATIC
    ${PROJECT_SOURCE_DIR}/tests/support/WindowQueries.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/DialogDriver.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/HistoryKeys.cpp
  )
  target_include_directories(windows_test_support PUBLIC ${PROJECT_SOURCE_DIR}/tests/support)
  target_link_libraries(windows_test_support PUBLIC wingui GTest::gtest user32 advapi32)
  add_library(windows_test_main STATIC ${PROJECT_SOURCE_DIR}/tests/support/WindowsTestMain.cpp)
  target_link_libraries(windows_test_main PUBLIC GTest::gtest windows_test_support)
endif()

# One ctest entry per test program: under Wine every start costs a second or
# more, so a whole gtest executable runs as one test.
function(menuwright_add_gtest name)
  add_executable(${name} ${ARGN})
  if(WIN32)
    target_link_libraries(${name} PRIVATE windows_test_main)
    target_link_options(${name} PRIVATE -mconsole)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
  endif()
  # Each program reports every test it ran, skips included, for the
  # suite's summary (scripts/test-summary); the brief output keeps the log short.
  set(results "${CMAKE_BINARY_DIR}/test-results/")
  if(WIN32)
    set(results "Z:${results}")
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1 "--gtest_output=xml:${results}")
  # The longest program here takes under a minute; one that hangs before
  # its first test (where the test watchdog cannot see it) fails soon.
  set_tests_properties(${name} PROPERTIES TIMEOUT 240)
endfunction()
