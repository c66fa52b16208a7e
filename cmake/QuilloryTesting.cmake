find_package(GTest REQUIRED)
include(GoogleTest)

# The programs a test may run, linked into one folder that is the whole
# PATH of every test: the machine's browsers and other programs stay out
# of sight, so a test passes whatever else is installed.
set(QUILLORY_TEST_TOOLS ${CMAKE_BINARY_DIR}/test-tools)
file(REMOVE_RECURSE ${QUILLORY_TEST_TOOLS})
file(MAKE_DIRECTORY ${QUILLORY_TEST_TOOLS})
foreach(tool
    sh bash env cat cp mv rm ln ls mkdir mkfifo mktemp rmdir chmod chown touch stat
    whoami nohup setsid flock md5sum sha256sum base64 expr yes ss unshare ip
    readlink realpath dirname basename head tail wc cut tr sort uniq od cmp
    diff seq sleep timeout true false test printf echo date id tee xargs find
    grep sed awk mawk kill pkill pgrep ps nproc which file sync du tar gzip
    Xvfb xauth xdotool xwininfo xprop openbox import convert compare identify
    tidy php python3 perl curl pdfinfo pdftoppm pdftotext
    xdg-mime xdg-open xdg-settings gio update-mime-database
    update-desktop-database desktop-file-validate appstreamcli
    cmake ctest dpkg dpkg-deb dpkg-query fakeroot)
  find_program(tool_path ${tool} NO_CACHE)
  if(tool_path)
    file(CREATE_LINK ${tool_path} ${QUILLORY_TEST_TOOLS}/${tool} SYMBOLIC)
  endif()
  unset(tool_path)
endforeach()
set(QUILLORY_HERMETIC ${CMAKE_SOURCE_DIR}/tests/support/hermetic
                      ${QUILLORY_TEST_TOOLS})

# Every test program runs through the hermetic wrapper.
function(quillory_hermetic target)
  set_target_properties(${target} PROPERTIES
                        CROSSCOMPILING_EMULATOR "${QUILLORY_HERMETIC}")
endfunction()

# A GoogleTest program over core code; no display, no Qt.
function(quillory_core_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quillory_core quillory_test_folder
                                        GTest::gtest_main)
  quillory_hermetic(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST)
endfunction()

# A GoogleTest program that builds real windows offscreen.
function(quillory_ui_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE quillory_ui quillory_test_support
                                        GTest::gtest)
  add_dependencies(${name} quillory_data)
  quillory_hermetic(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# A script that drives the real binary under Xvfb.
function(quillory_e2e_test name script)
  add_test(NAME ${name}
           COMMAND ${QUILLORY_HERMETIC} bash ${CMAKE_CURRENT_SOURCE_DIR}/${script}
                   $<TARGET_FILE:quillory> ${CMAKE_BINARY_DIR})
  # NOTE: e2e scripts pick a free Xvfb display by looking, which two
  # scripts started at once can both pick; they take turns.
  set_tests_properties(${name} PROPERTIES TIMEOUT 180 LABELS e2e
                                          RESOURCE_LOCK xvfb_display)
endfunction()
