# quillory_core: every algorithm and file format, without Qt. Qt headers are
# not on its include path, so a Qt include in core code does not compile.
# The program's build and the fuzzing build both take it from here.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH QUILLORY_ROOT)

add_library(quillory_core STATIC)
target_include_directories(quillory_core PUBLIC ${QUILLORY_ROOT}/src)
target_compile_options(quillory_core PRIVATE -Wall -Wextra)

foreach(subsystem base app designer editor insert platform projects tools)
  add_subdirectory(${QUILLORY_ROOT}/src/${subsystem}
                   ${CMAKE_BINARY_DIR}/src/${subsystem})
endforeach()
