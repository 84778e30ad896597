# Installation as a desktop program, and a Debian package built with CPack.
# The program itself lives in lib/squinx; bin/squinx is a launcher that
# prepares the per-user working folder the program reads its files from.
include(GNUInstallDirs)

set(SQUINX_SHARE_SUBDIR ${CMAKE_INSTALL_DATADIR}/squinx)
set(SQUINX_PROGRAM_SUBDIR ${CMAKE_INSTALL_LIBDIR}/squinx/squinx)

install(TARGETS squinx RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR}/squinx)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/squinx)

configure_file(${PROJECT_SOURCE_DIR}/packaging/squinx-launcher.sh.in ${PROJECT_BINARY_DIR}/packaging/squinx @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/squinx DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/squinx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/resources/images/app/strabi.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME squinx.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME squinx)
set(CPACK_PACKAGE_VENDOR "Squinx contributors")
set(CPACK_PACKAGE_CONTACT "Squinx contributors <squinx@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching simulator of a squinting patient")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libwxgtk3.2-1, libwxgtk-gl3.2-1, libgl1, libglu1-mesa, libgl1-mesa-dri")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
