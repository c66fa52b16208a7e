# An installed program: the executable in bin/, its data in share/quillory
# and its libraries in lib/quillory (where the program looks when no data
# sits beside the executable), and what the desktop needs to offer it.
set(app_files ${CMAKE_SOURCE_DIR}/resources/app)
install(TARGETS quillory RUNTIME DESTINATION bin)
install(TARGETS quillory_web LIBRARY DESTINATION lib/quillory/browser)
install(TARGETS sort_lines html_entities
        LIBRARY DESTINATION lib/quillory/plug-ins)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION share/quillory)
install(FILES ${app_files}/quillory.desktop DESTINATION share/applications)
install(FILES ${app_files}/io.github.quillory.Quillory.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${app_files}/quillory-mime.xml
        DESTINATION share/mime/packages RENAME quillory.xml)
install(FILES ${app_files}/quillory.svg
        DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${app_files}/quillory.svg
        DESTINATION share/icons/hicolor/scalable/mimetypes
        RENAME application-x-quillory-project.svg)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${app_files}/icons/quillory-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME quillory.png)
endforeach()

# Compressed as Debian wants them: the best compression and no time stamp,
# so that two builds give the same bytes.
function(quillory_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()
set(manual ${CMAKE_BINARY_DIR}/quillory.1.gz)
set(changelog ${CMAKE_BINARY_DIR}/changelog.gz)
quillory_gzip(${app_files}/quillory.1 ${manual})
quillory_gzip(${CMAKE_SOURCE_DIR}/debian/changelog ${changelog})
add_custom_target(quillory_docs ALL DEPENDS ${manual} ${changelog})
install(FILES ${manual} DESTINATION share/man/man1)
install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright ${changelog}
        DESTINATION share/doc/quillory)

# `make package`: a Debian package whose dependencies dpkg-shlibdeps reads
# from the installed binaries (Qt 6, QScintilla, QtWebEngine).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillory)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "source editor for web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillory edits HTML, JavaScript, CSS and PHP files, up to ten at a time,
with colouring, tag completion and line numbers. Around the editor it
offers snippets, element dialogs, tag lists, a reference tree, a small
rich-text editor and a visual form designer; it checks and tidies pages
with HTML Tidy, runs PHP, previews pages and runs plug-ins, two of which
ship with it.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Seed 3366c224 maintainers <maintainers@users.noreply.c-seed-3366c224.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Plug-ins the toolkit loads at run time, which no binary links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tidy, php-cli")
include(CPack)
