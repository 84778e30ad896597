# Squinx.exe's resources (icon, version, manifest), and the portable zip and
# the installer that `make windows` builds: Squinx.exe with the shipped data
# in the folder "data" beside it.
enable_language(RC)
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ZIP zip REQUIRED)
find_program(MAKENSIS makensis REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(windows_packaging ${PROJECT_SOURCE_DIR}/packaging/windows)
set(windows_out ${PROJECT_BINARY_DIR}/packaging)

# The icon: the application's drawing at the sizes Explorer and the title bar ask for.
set(SQUINX_ICON_SVG ${PROJECT_SOURCE_DIR}/src/resources/images/app/strabi.svg)
set(SQUINX_ICO ${windows_out}/squinx.ico)
set(icon_pictures)
foreach(size 16 20 24 32 40 48 64 256)
    set(picture ${windows_out}/icon-${size}.png)
    add_custom_command(OUTPUT ${picture}
        COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${picture} ${SQUINX_ICON_SVG}
        DEPENDS ${SQUINX_ICON_SVG} VERBATIM)
    list(APPEND icon_pictures ${picture})
endforeach()
add_custom_command(OUTPUT ${SQUINX_ICO}
    COMMAND ${Python3_EXECUTABLE} ${windows_packaging}/make-ico.py ${SQUINX_ICO} ${icon_pictures}
    DEPENDS ${windows_packaging}/make-ico.py ${icon_pictures} VERBATIM)
add_custom_target(windows-icon DEPENDS ${SQUINX_ICO})

if(NOT PROJECT_VERSION_PATCH)
    set(PROJECT_VERSION_PATCH 0)
endif()
set(SQUINX_RC_VERSION "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(SQUINX_MANIFEST_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(SQUINX_MANIFEST ${windows_out}/squinx.manifest)
configure_file(${windows_packaging}/squinx.manifest.in ${SQUINX_MANIFEST} @ONLY)
configure_file(${windows_packaging}/squinx.rc.in ${windows_out}/squinx.rc @ONLY)
set_source_files_properties(${windows_out}/squinx.rc PROPERTIES OBJECT_DEPENDS "${SQUINX_ICO};${SQUINX_MANIFEST}")
target_sources(squinx PRIVATE ${windows_out}/squinx.rc)
add_dependencies(squinx windows-icon)
set_target_properties(squinx PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Squinx)

# The zip unpacks to one folder holding the program and its data; the
# installer takes the same folder.
set(SQUINX_PACKAGE_NAME Squinx-${PROJECT_VERSION}-windows-x64)
set(stage_root ${PROJECT_BINARY_DIR}/stage)
set(stage ${stage_root}/${SQUINX_PACKAGE_NAME})
set(SQUINX_ZIP ${PROJECT_BINARY_DIR}/${SQUINX_PACKAGE_NAME}.zip)
set(SQUINX_SETUP ${PROJECT_BINARY_DIR}/${SQUINX_PACKAGE_NAME}-setup.exe)
add_custom_target(windows-package
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage_root} ${SQUINX_ZIP} ${SQUINX_SETUP}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_STRIP} -o ${stage}/Squinx.exe $<TARGET_FILE:squinx>
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/data ${stage}/data
    # The program's start-up seeding knows the first release's unchanged copies by these sums.
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/earlier-shipped.md5
            ${stage}/data/.earlier-shipped.md5
    COMMAND ${CMAKE_COMMAND} -E chdir ${stage_root} ${ZIP} -q -r -X ${SQUINX_ZIP} ${SQUINX_PACKAGE_NAME}
    COMMAND ${MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage} -DICON=${SQUINX_ICO}
            -DOUTFILE=${SQUINX_SETUP} ${windows_packaging}/squinx.nsi
    DEPENDS squinx
    COMMENT "Packing ${SQUINX_PACKAGE_NAME}.zip and ${SQUINX_PACKAGE_NAME}-setup.exe"
    VERBATIM)
