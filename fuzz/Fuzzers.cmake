# Every fuzzer once: its name (fuzz/<name>.cpp), the core libraries of the
# reader it drives and its seeds, as globs from the source root. SEED_LINES
# makes each line of the files a seed, once with '0' and once with '1' before
# it. Included by fuzz/CMakeLists.txt, which builds the fuzzers with libFuzzer
# for `make fuzz`, and by tests/fuzz, which replays the seeds in the unit tests;
# each defines squinx_fuzzer() for its own purpose.

# The seed files of one fuzzer, globbed anew whenever the build runs.
#   squinx_fuzz_seed_files(out SEEDS globs... | SEED_LINES globs...)
function(squinx_fuzz_seed_files out)
    cmake_parse_arguments(S "" "" "SEEDS;SEED_LINES" ${ARGN})
    set(files)
    foreach(pattern ${S_SEEDS} ${S_SEED_LINES})
        file(GLOB matched CONFIGURE_DEPENDS ${SQUINX_ROOT}/${pattern})
        list(APPEND files ${matched})
    endforeach()
    list(SORT files)
    set(${out} ${files} PARENT_SCOPE)
endfunction()

squinx_fuzzer(fuzz_language_file LIBS lang_core SEEDS data/*.lan)
squinx_fuzzer(fuzz_format_check LIBS lang_core SEED_LINES data/*.lan)
squinx_fuzzer(fuzz_settings_file LIBS settings_core SEEDS fuzz/seeds/settings/*)
squinx_fuzzer(fuzz_case_file LIBS model_core settings_core SEEDS data/cases/*.sd)
squinx_fuzzer(fuzz_muscle_file LIBS model_core settings_core SEEDS data/cases/*.muscles)
squinx_fuzzer(fuzz_iris_texture LIBS view_core SEEDS data/texturen.dat)
squinx_fuzzer(fuzz_recording_device LIBS playback_core SEEDS tests/data/playback/*)
squinx_fuzzer(fuzz_recording_own LIBS playback_core SEEDS tests/data/playback/*)
squinx_fuzzer(fuzz_question_file LIBS quiz_core SEEDS data/quiz/*.sqs tests/data/quiz/*.sqs)
squinx_fuzzer(fuzz_quiz_check LIBS cli_core SEEDS data/quiz/*.sqs tests/data/quiz/*.sqs)
squinx_fuzzer(fuzz_command_line LIBS cli_core SEEDS fuzz/seeds/command-line/*)
