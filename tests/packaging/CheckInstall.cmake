# Installs the build into a fresh prefix and checks that every file the
# desktop and the shell look for is there.
#   cmake -DBUILD=<build folder> -DPREFIX=<folder to install into> -DBINDIR=... -DPROGRAM=...
#         -DDATADIR=... -DMANDIR=... -P CheckInstall.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(expected
    ${BINDIR}/squinx
    ${PROGRAM}
    ${DATADIR}/squinx/English.lan
    ${DATADIR}/squinx/quiz/quiz_en.sqs
    ${DATADIR}/applications/squinx.desktop
    ${DATADIR}/mime/packages/squinx.xml
    ${DATADIR}/metainfo/invalid.squinx.Squinx.metainfo.xml
    ${MANDIR}/man1/squinx.1
    ${DATADIR}/icons/hicolor/scalable/apps/squinx.svg)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/squinx.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "make install left out ${file}")
    endif()
endforeach()

# The icons are pictures of the size their folder names.
file(READ ${PREFIX}/${DATADIR}/icons/hicolor/48x48/apps/squinx.png head LIMIT 24 HEX)
string(SUBSTRING "${head}" 32 16 size)
if(NOT size STREQUAL "0000003000000030")
    message(FATAL_ERROR "the 48x48 icon is not 48 x 48 pixels: ${head}")
endif()

# The installed command, called from another folder: a relative name means
# the caller's file, while the quiz's cases come from the working folder the
# launcher prepares.
set(caller ${PREFIX}/caller)
file(MAKE_DIRECTORY ${caller})
file(WRITE ${caller}/own.sqs "[QUESTION]\nQuestion=Q\nFile=cases/orthophoria.sd\nAnswerBox=TEXT\nAnswer=ortho,1\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${PREFIX}/home --unset=DISPLAY
                        ${PREFIX}/${BINDIR}/squinx --check-quiz own.sqs
                WORKING_DIRECTORY ${caller} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the installed squinx --check-quiz failed (${status}): ${out}${err}")
endif()
