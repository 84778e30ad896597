# Copies the shipped data into the working folder. Files already there are
# left alone: they may be the user's own edits of a shipped case or quiz.
file(MAKE_DIRECTORY ${TARGET})
file(GLOB_RECURSE shipped RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(rel ${shipped})
    if(NOT EXISTS ${TARGET}/${rel})
        get_filename_component(dir ${TARGET}/${rel} DIRECTORY)
        file(MAKE_DIRECTORY ${dir})
        file(COPY_FILE ${SOURCE}/${rel} ${TARGET}/${rel})
    endif()
endforeach()
