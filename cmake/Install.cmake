# Installation as a desktop program, and a Debian package built with CPack.
# The program itself lives in lib/squinx, finds its data in share/squinx and
# prepares from it the per-user working folder it reads its files from;
# bin/squinx starts it.

install(TARGETS squinx RUNTIME DESTINATION ${CMAKE_INSTALL_LIBDIR}/squinx)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/squinx)
# The program knows the unchanged copies of the first release by these sums.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/earlier-shipped.md5 DESTINATION ${CMAKE_INSTALL_DATADIR}/squinx
        RENAME .earlier-shipped.md5)

configure_file(${PROJECT_SOURCE_DIR}/packaging/squinx-launcher.sh.in ${PROJECT_BINARY_DIR}/packaging/squinx @ONLY)
install(PROGRAMS ${PROJECT_BINARY_DIR}/packaging/squinx DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/packaging/squinx.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/squinx-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME squinx.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/squinx.1.in ${PROJECT_BINARY_DIR}/packaging/squinx.1 @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/squinx.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# Where the project's pictures are published; the default names no real host.
set(SQUINX_WEB_BASE_URL "https://squinx.invalid" CACHE STRING "Web address the AppStream screenshot is taken from")
set(SQUINX_METAINFO ${PROJECT_BINARY_DIR}/packaging/invalid.squinx.Squinx.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/squinx.metainfo.xml.in ${SQUINX_METAINFO} @ONLY)
install(FILES ${SQUINX_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The application icon, which the file types name as their generic icon, as
# pictures of the usual sizes rendered from the one drawing.
set(SQUINX_ICON_SVG ${PROJECT_SOURCE_DIR}/src/resources/images/app/strabi.svg)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_pictures)
foreach(size 16 22 24 32 48 64 128 256)
    set(picture ${PROJECT_BINARY_DIR}/packaging/icons/${size}/squinx.png)
    add_custom_command(OUTPUT ${picture}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/packaging/icons/${size}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${picture} ${SQUINX_ICON_SVG}
        DEPENDS ${SQUINX_ICON_SVG} VERBATIM)
    list(APPEND icon_pictures ${picture})
    install(FILES ${picture} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(icons ALL DEPENDS ${icon_pictures})
install(FILES ${SQUINX_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME squinx.svg)

# A direct install tells the desktop of the new file types, launcher and
# icons at once; a package leaves that to the system's own triggers.
install(CODE "set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
        foreach(refresh "update-mime-database;${share}/mime"
                        "update-desktop-database;-q;${share}/applications"
                        "gtk-update-icon-cache;-q;-t;-f;${share}/icons/hicolor")
            list(GET refresh 0 tool)
            find_program(tool_path ${tool})
            if(tool_path)
                list(REMOVE_AT refresh 0)
                execute_process(COMMAND ${tool_path} ${refresh} RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
                if(failed)
                    message(STATUS "${tool} could not refresh its cache; the desktop sees the change after its next refresh")
                endif()
            endif()
            unset(tool_path CACHE)
        endforeach()
    endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME squinx)
set(CPACK_PACKAGE_VENDOR "Squinx contributors")
set(CPACK_PACKAGE_CONTACT "Squinx contributors <squinx@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching simulator of a squinting patient")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libwxgtk3.2-1, libwxgtk-gl3.2-1, wx3.2-i18n, libgl1, libglu1-mesa, libgl1-mesa-dri, libcairo2, libpango-1.0-0, libpangocairo-1.0-0")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
