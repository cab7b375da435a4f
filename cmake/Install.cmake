# Installation and the Debian package: the two programs, the menu entry, the icon and the manual
# pages. `cmake --install build/release --prefix DIR`; `cpack` in a build folder makes the .deb.
include(GNUInstallDirs)

install(TARGETS vorlane vorlane-search RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/vorlane.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/vorlane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/man/vorlane.1 ${CMAKE_SOURCE_DIR}/data/man/vorlane-search.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestralune")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "find a string in the text of many files")
set(CPACK_PACKAGE_DESCRIPTION
    "Vorlane lists every file of a folder that holds a string, with each matching line and its number, and opens them in its editor. Around the search: picture preview and conversion, an FTP client, an HTML viewer, a resource explorer for Windows executables and other tools. French interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Vorlane developers <vorlane@localhost>")
# The libraries come from dpkg-shlibdeps; Qt's platform plugins and the media back end are
# loaded at run time, so dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, gstreamer1.0-plugins-good")
# Stand-ins for the caption fonts: a metric twin of Arial and a script face for the brush script.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, fonts-urw-base35")
include(CPack)
