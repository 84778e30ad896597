# The drawing commands run as a user runs them, in a scratch working folder
# holding what the program reads: exit statuses, messages and files.
#   cmake -DSQUINX=<program> -DDATA=<data folder> -DWORK=<scratch> [-DNO_DISPLAY=ON] -P ChartCommands.cmake
set(CASE sixth-nerve-palsy-right.sd)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${DATA}/English.lan ${DATA}/texturen.dat ${DATA}/cases/${CASE} ${DATA}/cases/${CASE}.muscles
     DESTINATION ${WORK})

# Without a display the program runs with none named at all.
if(NO_DISPLAY)
    set(prefix env -u DISPLAY -u WAYLAND_DISPLAY)
endif()

# Runs the program with the arguments after `status` and fails unless it ends with that status.
function(expect status)
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

# Runs --measure with the arguments after `language` (English or German, as
# the desktop asks) and `folder` (under the scratch folder) and keeps what it
# printed in `output`; fails unless it succeeds.
function(measure language folder)
    set(locale C)
    if(language STREQUAL German)
        set(locale de_DE.UTF-8)
    endif()
    execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=${locale}
                            ${SQUINX} --measure ${ARGN}
                    WORKING_DIRECTORY ${WORK}/${folder} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "squinx --measure ${ARGN}: exit status ${result}\n${errors}")
    endif()
    set(output "${out}" PARENT_SCOPE)
endfunction()

# Whether a file begins as its kind must: SVG's root element, PDF's header,
# PNG's signature.
function(expect_kind name)
    if(name MATCHES "svg$")
        file(READ ${WORK}/${name} start LIMIT 200)
        set(valid FALSE)
        if(start MATCHES "^<\\?xml[^>]*>[ \r\n]*<svg ")
            set(valid TRUE)
        endif()
    else()
        file(READ ${WORK}/${name} start LIMIT 4 HEX)
        if(name MATCHES "pdf$")
            string(COMPARE EQUAL "${start}" "25504446" valid)
        else()
            string(COMPARE EQUAL "${start}" "89504e47" valid)
        endif()
    endif()
    if(NOT valid)
        message(FATAL_ERROR "${name} does not begin as its kind of file must")
    endif()
endfunction()

# Two copies of the case: one alone, one beside a muscle file that is refused.
file(MAKE_DIRECTORY ${WORK}/plain ${WORK}/refused)
configure_file(${WORK}/${CASE} ${WORK}/plain/${CASE} COPYONLY)
configure_file(${WORK}/${CASE} ${WORK}/refused/${CASE} COPYONLY)
file(WRITE ${WORK}/refused/${CASE}.muscles "Squinx muscle strengths 1\nright.LR=250\n")

# --nine draws off-screen, with a display or none: the sheet of the view
# at the default window size (975 x 486 pixels with the default settings).
expect(0 --nine --eccentricity 20 ${CASE} nine.png)
expect_kind(nine.png)
file(READ ${WORK}/nine.png size OFFSET 16 LIMIT 8 HEX)
if(NOT size STREQUAL "000003cf000001e6")
    message(FATAL_ERROR "--nine: the sheet is not 975 x 486 pixels (PNG header ${size})")
endif()

# A refused muscle file beside the case: reported, and the case is drawn
# with normal strengths, as the message says and the window does.
expect(0 --nine refused/${CASE} refused.png)
string(REGEX MATCHALL "squinx: [^\n]*refused/${CASE}[^\n]*normal strength" reports "${errors}")
list(LENGTH reports count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "--nine: the refusal is not reported once:\n${errors}")
endif()
expect(0 --nine plain/${CASE} plain.png)
file(READ ${WORK}/plain.png plain)
file(READ ${WORK}/refused.png refused)
if(NOT plain STREQUAL refused)
    message(FATAL_ERROR "--nine does not draw the case without its refused muscle file")
endif()

# Without the iris texture the window warns and draws the iris without a
# pattern; so does --nine, once.
file(MAKE_DIRECTORY ${WORK}/textureless)
file(COPY ${DATA}/English.lan ${WORK}/${CASE} DESTINATION ${WORK}/textureless)
execute_process(COMMAND ${prefix} ${SQUINX} --nine ${CASE} out.png WORKING_DIRECTORY ${WORK}/textureless
                RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT errors MATCHES "^squinx: texturen.dat: the iris texture could not be loaded[^\n]*\n$"
   OR NOT EXISTS ${WORK}/textureless/out.png)
    message(FATAL_ERROR "--nine without the iris texture: exit status ${result}\n${errors}")
endif()

expect(1 --nine ${CASE} gone/out.png)
expect_no_file(gone)
expect(2 --nine ${CASE} out.svg)
expect_no_file(out.svg)

# The Hess chart needs no display: drawn into each kind of file, with the
# case's muscles (a refused muscle file is reported once, and that case is
# drawn as the same case without one).
if(NO_DISPLAY)
    foreach(kind svg pdf png)
        expect(0 --hess ${CASE} hess.${kind})
        expect_kind(hess.${kind})
    endforeach()
    expect(0 --hess plain/${CASE} plain.svg)
    expect(0 --hess refused/${CASE} refused.svg)
    string(REGEX MATCHALL "squinx: [^\n]*refused/${CASE}[^\n]*normal strength" reports "${errors}")
    list(LENGTH reports count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "--hess: the refused muscle file is not reported once:\n${errors}")
    endif()
    file(READ ${WORK}/plain.svg plain)
    file(READ ${WORK}/refused.svg refused)
    file(READ ${WORK}/hess.svg palsy)
    if(NOT plain STREQUAL refused OR plain STREQUAL palsy)
        message(FATAL_ERROR "--hess does not draw the case with its muscles, or without refused ones")
    endif()

    # --measure prints what the view shows: the primary deviation, and each
    # eye's movement on alternate cover, which the primary deviation's prism
    # before the paretic eye stops.
    measure(English "" ${CASE})
    if(NOT output MATCHES "\nDeviation +10\\.5° 18\\.5 PD eso +0\\.0° +0\\.0°\n"
       OR NOT output MATCHES "\nAlternate cover +R 10\\.5°, L 15\\.6°\n")
        message(FATAL_ERROR "--measure does not show the palsy's deviation:\n${output}")
    endif()
    measure(English "" --prism right:18:out ${CASE})
    if(NOT output MATCHES "\nAlternate cover +R 0\\.[0-4]°, L 0\\.[0-4]°\n")
        message(FATAL_ERROR "--measure: the prism does not stop the alternate cover movement:\n${output}")
    endif()
    measure(English "" --table --tsv ${CASE})
    string(REGEX MATCHALL "[^\n]*\n" rows "${output}")
    list(LENGTH rows count)
    if(NOT count EQUAL 10 OR NOT output MATCHES "^gaze_right\tgaze_up\t"
       OR NOT output MATCHES "\n\\+25\\.0\t\\+25\\.0\tL\t")
        message(FATAL_ERROR "--measure --table --tsv: not a header and nine rows, up and right first:\n${output}")
    endif()
    # Written into a full disk, the table is cut short: a failure, said so.
    if(EXISTS /dev/full)
        execute_process(COMMAND env -u DISPLAY ${SQUINX} --measure ${CASE} WORKING_DIRECTORY ${WORK}
                        OUTPUT_FILE /dev/full RESULT_VARIABLE result ERROR_VARIABLE errors)
        if(NOT result EQUAL 1 OR NOT errors MATCHES "could not be written")
            message(FATAL_ERROR "--measure into a full disk: exit status ${result}\n${errors}")
        endif()
    endif()
    # On a first run the desktop's language, as the window chooses it.
    file(MAKE_DIRECTORY ${WORK}/german)
    file(COPY ${DATA}/English.lan ${DATA}/Deutsch.lan ${WORK}/${CASE} ${WORK}/${CASE}.muscles DESTINATION ${WORK}/german)
    measure(German german ${CASE})
    if(NOT output MATCHES "\nAbweichung +10,5° 18,5 pdpt eso")
        message(FATAL_ERROR "--measure does not speak the desktop's language:\n${output}")
    endif()
    # No language file at all: one line, and no chart.
    file(MAKE_DIRECTORY ${WORK}/speechless)
    file(COPY ${WORK}/${CASE} DESTINATION ${WORK}/speechless)
    execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY ${SQUINX} --hess ${CASE} out.svg
                    WORKING_DIRECTORY ${WORK}/speechless RESULT_VARIABLE result ERROR_VARIABLE errors)
    if(NOT result EQUAL 1 OR NOT errors MATCHES "^squinx: no language file [^\n]*\n$" OR EXISTS ${WORK}/speechless/out.svg)
        message(FATAL_ERROR "--hess without a language file: exit status ${result}\n${errors}")
    endif()

    expect(1 ${CASE})
    expect_display_message("the window")
    # A display that is named but cannot be opened: the window says so, and
    # --nine, which draws off-screen, does not need it.
    execute_process(COMMAND env -u WAYLAND_DISPLAY DISPLAY=:31999 ${SQUINX} ${CASE} WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
    if(NOT result EQUAL 1 OR NOT errors MATCHES "the display \":31999\" cannot be opened; on a server, run squinx under xvfb-run\n$"
       OR errors MATCHES "GTK")
        message(FATAL_ERROR "the window on an unreachable display: exit status ${result}\n${errors}")
    endif()
    execute_process(COMMAND env -u WAYLAND_DISPLAY DISPLAY=:31999 ${SQUINX} --nine ${CASE} unreachable.png
                    WORKING_DIRECTORY ${WORK} RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
    if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
        message(FATAL_ERROR "--nine on an unreachable display: exit status ${result}\n${errors}")
    endif()
    expect(1 --hess missing.sd out.svg)
    if(NOT errors MATCHES "missing.sd: not a case file")
        message(FATAL_ERROR "no clear message for a missing case:\n${errors}")
    endif()
    expect(1 --hess ${CASE} gone/out.pdf)
    expect_no_file(gone)
    expect(2 --hess ${CASE} out.svg --eccentricity 20)
    expect_no_file(out.svg)
endif()

