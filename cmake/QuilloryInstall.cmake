# An installed program: the executable in bin/, its data in share/quillory
# and the browser module in lib/quillory (where the program looks when no
# data sits beside the executable), and what the desktop needs to offer it.
set(app_files ${CMAKE_SOURCE_DIR}/resources/app)
install(TARGETS quillory RUNTIME DESTINATION bin)
install(TARGETS quillory_web LIBRARY DESTINATION lib/quillory)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION share/quillory)
install(FILES ${app_files}/quillory.desktop DESTINATION share/applications)
install(FILES ${app_files}/io.github.quillory.Quillory.metainfo.xml
        DESTINATION share/metainfo)
install(FILES ${app_files}/quillory-mime.xml
        DESTINATION share/mime/packages RENAME quillory.xml)
install(FILES ${app_files}/quillory.svg
        DESTINATION share/icons/hicolor/scalable/apps)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ${app_files}/icons/quillory-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME quillory.png)
endforeach()

# `make package`: a Debian package whose dependencies dpkg-shlibdeps reads
# from the installed binaries (Qt 6, QScintilla, QtWebEngine).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillory)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "source editor for web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits HTML, JavaScript, CSS and PHP files with colouring, tag completion,\n\
insertion aids, a form designer, HTML Tidy and PHP commands and a preview.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quillory developers <quillory@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plug-ins the toolkit loads at run time, which no binary links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "tidy, php-cli")
include(CPack)
