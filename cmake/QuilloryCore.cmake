# The layers without Qt: every algorithm and file format. Qt headers are not
# on their include paths, so a Qt include in core code does not compile.
# The program's build and the fuzzing build both take them from here.
#
# Each layer sees its own folder and the folders of the layers it links,
# nothing else: its include root is a folder of the build holding one link
# to its source folder, so an include of a layer it does not link fails to
# compile.
cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH QUILLORY_ROOT)

# The folder whose only entry `folder` leads to src/<folder>.
function(quillory_include_root folder out)
  set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${QUILLORY_ROOT}/src/${folder} ${root}/${folder} SYMBOLIC)
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# A core layer made of src/<folder>, seeing the layers it is given.
function(quillory_core_layer name folder)
  add_library(${name} STATIC)
  quillory_include_root(${folder} root)
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARGN})
  target_compile_options(${name} PRIVATE -Wall -Wextra)
  add_subdirectory(${QUILLORY_ROOT}/src/${folder}
                   ${CMAKE_BINARY_DIR}/src/${folder})
endfunction()

quillory_core_layer(quillory_base base)
quillory_core_layer(quillory_editor editor quillory_base)
quillory_core_layer(quillory_insert insert quillory_editor)
quillory_core_layer(quillory_designer designer quillory_insert)
quillory_core_layer(quillory_projects projects quillory_base)
quillory_core_layer(quillory_platform platform quillory_insert)
quillory_core_layer(quillory_tools tools quillory_editor quillory_platform)
# The shell's core: start-up, files, sessions, plug-ins; it sees every layer.
quillory_core_layer(quillory_core app quillory_designer quillory_projects
                    quillory_tools)
