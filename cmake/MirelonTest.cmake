# mirelon_add_test(NAME SOURCES ... LIBS ... [XVFB])
# One GoogleTest executable, registered with CTest test by test. XVFB runs it under a virtual
# display (the GUI tests) under LANG=ja_JP.UTF-8, as one test; the core tests never need one.

# The GUI tests run as a Japanese user runs the program (scripts/install-deps generates the
# locale); GTK's print dialogs offer only "print to file", so no test waits for a print service.
set(MIRELON_DISPLAY_ENVIRONMENT env LANG=ja_JP.UTF-8 LC_ALL= GTK_PRINT_BACKENDS=file)

function(mirelon_add_test name)
  set(display xvfb-run -a -s "-screen 0 1280x1024x24")
  cmake_parse_arguments(ARG "XVFB" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES} "${CMAKE_SOURCE_DIR}/tests/support/${MIRELON_PLATFORM_DIR}/host.cpp")
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}/src" "${CMAKE_SOURCE_DIR}/tests")
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    MIRELON_TEST_DATA="${MIRELON_TEST_DATA}"
    MIRELON_POSTAL_DATA="${MIRELON_POSTAL_DATA}")
  if(ARG_XVFB AND CMAKE_CROSSCOMPILING_EMULATOR)
    # Under the emulator (wine) each case runs on a display of its own, registered by name, so
    # that a case the emulator cannot run can be left out by name: the display and the locale
    # go before the emulator. One case at a time: wine's programs share one desktop, whose
    # foreground window takes the keys that any of them sends.
    set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR
                 ${MIRELON_DISPLAY_ENVIRONMENT} ${display} ${CMAKE_CROSSCOMPILING_EMULATOR})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 PROPERTIES RESOURCE_LOCK emulator_desktop)
  elseif(ARG_XVFB)
    # One display for the whole executable: starting Xvfb per test would cost more than the tests.
    add_test(NAME ${name} COMMAND ${MIRELON_DISPLAY_ENVIRONMENT} ${display} $<TARGET_FILE:${name}>)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
