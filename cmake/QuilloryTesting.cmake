find_package(GTest REQUIRED)
include(GoogleTest)

# A GoogleTest program over core code; no display, no Qt.
function(quillory_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quillory_core quillory_test_folder
                                        GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# A GoogleTest program that builds real windows offscreen.
function(quillory_ui_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quillory_ui quillory_test_support
                                        GTest::gtest)
  add_dependencies(${name} quillory_data)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# A script that drives the real binary under Xvfb.
function(quillory_e2e_test name script)
  add_test(NAME ${name}
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script}
                   $<TARGET_FILE:quillory> ${CMAKE_BINARY_DIR})
  # NOTE: e2e scripts pick a free Xvfb display by looking, which two
  # scripts started at once can both pick; they take turns.
  set_tests_properties(${name} PROPERTIES TIMEOUT 180 LABELS e2e
                                          RESOURCE_LOCK xvfb_display)
endfunction()
