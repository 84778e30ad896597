# Builds a MIME database from the program's type description alone, as the
# desktop does on installation, and checks that each ending maps to its type.
#   cmake -DXMLLINT=... -DUPDATE_MIME_DATABASE=... -DMIME_XML=... -DWORK=... -P CheckMimeTypes.cmake
execute_process(COMMAND ${XMLLINT} --noout ${MIME_XML} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${MIME_XML} is not well-formed XML")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
file(COPY ${MIME_XML} DESTINATION ${WORK}/packages)
# With the database's parent folder on the search path, anything said on
# stderr is a complaint about the description.
get_filename_component(data_folder ${WORK} DIRECTORY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${data_folder} ${UPDATE_MIME_DATABASE} ${WORK}
                RESULT_VARIABLE status ERROR_VARIABLE complaints)
if(NOT status EQUAL 0 OR complaints)
    message(FATAL_ERROR "update-mime-database refused the description: ${complaints}")
endif()

file(READ ${WORK}/globs2 globs)
foreach(entry "application/x-squinx-case:*.sd" "application/x-squinx-recording:*.stx"
              "application/x-squinx-quiz:*.sqs")
    string(FIND "${globs}" "${entry}\n" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${entry} is missing from the database:\n${globs}")
    endif()
endforeach()
# The device's export is plain text and must stay so.
string(FIND "${globs}" "*.txt" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "the description claims *.txt:\n${globs}")
endif()
