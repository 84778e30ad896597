# Copies the shipped data into the working folder without touching files the
# user made there (case files, settings, recordings).
file(MAKE_DIRECTORY ${TARGET})
file(GLOB_RECURSE shipped RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(rel ${shipped})
    get_filename_component(dir ${TARGET}/${rel} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SOURCE}/${rel} ${TARGET}/${rel} ONLY_IF_DIFFERENT)
endforeach()
