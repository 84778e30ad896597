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

# Installed directly, the desktop learns the file types at once.
find_program(update_mime update-mime-database)
if(update_mime AND NOT EXISTS ${PREFIX}/${DATADIR}/mime/application/x-squinx-case.xml)
    message(FATAL_ERROR "make install left the MIME database without the case type")
endif()

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

# The next start brings copies nobody changed up to this release: one that
# matches the pristine copy of what was shipped last, and one from the first
# release, known by its sum. An edited quiz stays as the user left it.
set(home ${PREFIX}/home/squinx)
set(shipped ${PREFIX}/${DATADIR}/squinx)
file(WRITE ${home}/Deutsch.lan "as shipped before\n")
file(WRITE ${home}/.shipped/Deutsch.lan "as shipped before\n")
file(WRITE ${home}/English.lan "as the first release shipped it\n")
file(REMOVE ${home}/.shipped/English.lan)
file(MD5 ${home}/English.lan first_release)
file(APPEND ${shipped}/.earlier-shipped.md5 "${first_release}  ./English.lan\n")
file(APPEND ${home}/quiz/quiz_en.sqs "Explain=my own words\n")
file(READ ${home}/quiz/quiz_en.sqs edited_quiz)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${PREFIX}/home --unset=DISPLAY
                        ${PREFIX}/${BINDIR}/squinx --version
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the installed squinx --version failed (${status}): ${err}")
endif()
foreach(lan Deutsch.lan English.lan)
    file(MD5 ${home}/${lan} now)
    file(MD5 ${shipped}/${lan} wanted)
    if(NOT now STREQUAL wanted)
        message(FATAL_ERROR "the unchanged ${lan} in the working folder was not brought up to date")
    endif()
endforeach()
file(READ ${home}/quiz/quiz_en.sqs quiz_now)
if(NOT quiz_now STREQUAL edited_quiz)
    message(FATAL_ERROR "the user's edited quiz was overwritten")
endif()
