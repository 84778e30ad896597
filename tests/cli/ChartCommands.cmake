# The drawing commands run as a user runs them, in a scratch working folder
# holding what the program reads: exit statuses, messages and files.
#   cmake -DSQUINX=<program> -DDATA=<data folder> -DWORK=<scratch> [-DNO_DISPLAY=ON] -P ChartCommands.cmake
set(CASE sixth-nerve-palsy-right.sd)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DATA}/English.lan ${DATA}/texturen.dat ${DATA}/cases/${CASE} ${DATA}/cases/${CASE}.muscles
     DESTINATION ${WORK})

# Runs the program with the arguments after `status` and fails unless it ends with that status.
function(expect status)
    if(NO_DISPLAY)
        set(prefix env -u DISPLAY -u WAYLAND_DISPLAY)
    endif()
    execute_process(COMMAND ${prefix} ${SQUINX} ${ARGN} WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
    if(NOT result EQUAL status)
        message(FATAL_ERROR "squinx ${ARGN}: exit status ${result}, not ${status}\n${errors}")
    endif()
    set(errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_no_file name)
    if(EXISTS ${WORK}/${name})
        message(FATAL_ERROR "${name} was left behind")
    endif()
endfunction()

# One line in the program's words, with the way out, and nothing from the toolkit.
function(expect_display_message pattern)
    if(NOT errors MATCHES "^squinx: ${pattern} needs a display, and [^\n]*; on a server, run squinx under xvfb-run\n$")
        message(FATAL_ERROR "no clear message without a display:\n${errors}")
    endif()
endfunction()

if(NO_DISPLAY)
    foreach(option --hess --nine)
        expect(1 ${option} ${CASE} out.png)
        expect_display_message("${option} draws with the toolkit and")
        expect_no_file(out.png)
    endforeach()
    expect(1 ${CASE})
    expect_display_message("the window")
    # A display that is named but cannot be opened.
    set(prefix env -u WAYLAND_DISPLAY DISPLAY=:31999)
    foreach(arguments "--hess;${CASE};out.png" "${CASE}")
        execute_process(COMMAND ${prefix} ${SQUINX} ${arguments} WORKING_DIRECTORY ${WORK}
                        RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
        if(NOT result EQUAL 1 OR NOT errors MATCHES "the display \":31999\" cannot be opened; on a server, run squinx under xvfb-run\n$"
           OR errors MATCHES "GTK")
            message(FATAL_ERROR "squinx ${arguments} on an unreachable display: exit status ${result}\n${errors}")
        endif()
    endforeach()
    expect_no_file(out.png)
    return()
endif()

expect(0 --hess ${CASE} hess.svg)
file(READ ${WORK}/hess.svg svg)
string(REGEX MATCHALL "<ellipse" points "${svg}")
list(LENGTH points count)
# Targets and plots of both fields, less the six plots the paretic right eye
# cannot fixate (to the patient's right), which get crosses and a caption.
if(NOT count EQUAL 62)
    message(FATAL_ERROR "hess.svg holds ${count} points, not 2 fields x 2 x 17 - 6")
endif()
string(FIND "${svg}" "cannot fixate" caption)
if(caption EQUAL -1)
    message(FATAL_ERROR "hess.svg does not say where the eye cannot fixate")
endif()
expect(0 --hess ${CASE} hess.png)
expect(0 --nine --eccentricity 20 ${CASE} nine.png)
foreach(picture hess.png nine.png)
    file(READ ${WORK}/${picture} signature LIMIT 4 HEX)
    if(NOT signature STREQUAL "89504e47")
        message(FATAL_ERROR "${picture} is no PNG picture")
    endif()
endforeach()

# A refused muscle file beside the case: reported, and the case is drawn
# with normal strengths, as the message says and the window does.
configure_file(${WORK}/${CASE} ${WORK}/refused.sd COPYONLY)
file(WRITE ${WORK}/refused.sd.muscles "Squinx muscle strengths 1\nright.LR=250\n")
foreach(arguments "--hess;refused.sd;refused.svg" "--nine;refused.sd;refused.png")
    expect(0 ${arguments})
    string(REGEX MATCHALL "squinx: [^\n]*refused.sd[^\n]*normal strength" reports "${errors}")
    list(LENGTH reports count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "squinx ${arguments}: the refusal is not reported once:\n${errors}")
    endif()
endforeach()
file(READ ${WORK}/refused.svg svg)
string(REGEX MATCHALL "<ellipse" points "${svg}")
list(LENGTH points count)
if(NOT count EQUAL 68)
    message(FATAL_ERROR "refused.svg holds ${count} points, not 2 fields x 2 x 17")
endif()

expect(1 --hess missing.sd out.svg)
if(NOT errors MATCHES "missing.sd: not a case file")
    message(FATAL_ERROR "no clear message for a missing case:\n${errors}")
endif()
expect(1 --nine ${CASE} gone/out.png)
expect_no_file(out.svg)
expect_no_file(gone)
expect(2 --nine ${CASE} out.svg)
expect(2 --hess ${CASE} out.svg --eccentricity 20)
expect_no_file(out.svg)
