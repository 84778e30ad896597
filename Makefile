# Two commands for a new user: `make run` and `make test`.
BUILD   ?= build
JOBS    ?= $(shell nproc)
XVFB     = xvfb-run -a -s "-screen 0 1280x1024x24"
export GDK_BACKEND = x11

PREFIX  ?= /usr/local

# `make test` runs the unit tests a second time under AddressSanitizer and
# UndefinedBehaviorSanitizer, in a build folder of their own.
ASAN_BUILD   ?= build-asan
# `make fuzz`: libFuzzer with clang, FUZZ_SECONDS for each reader; not part of CI.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
# `make mutants`: faults planted one at a time in the toolkit-free libraries,
# in a build folder of their own; MUTANTS_FILES narrows it to some sources
# (paths under src/, e.g. "charts/HessLayout quiz/"), the budgets are seconds,
# MUTANTS_LIMIT keeps the same sample of so many mutants per file from run to run.
MUTANTS_BUILD       ?= build-mutants
MUTANTS_FILES       ?=
MUTANTS_BUDGET      ?= 5400
MUTANTS_FILE_BUDGET ?= 600
MUTANTS_LIMIT       ?= 0
# `make windows`: Squinx.exe cross-built with MinGW-w64, packed as a zip and
# an installer; `make test-windows` runs the unit tests and the command line
# under Wine. The toolkit is cross-built once into a cache (see README).
WINDOWS_BUILD ?= build-windows

.PHONY: deps configure build run test test-asan test-asan-gui bench fuzz mutants clean screenshot install package format format-check windows test-windows

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD)

# Windows sharing one display compete for focus: GUI tests run side by side
# only on displays of their own.
GUI_CTEST = $(CURDIR)/scripts/ctest-on-displays.sh $(JOBS) -L gui --no-tests=error --output-on-failure

test: build format-check
	@cd $(BUILD) && ctest -L unit --no-tests=error --output-on-failure -j$(JOBS)
	@cd $(BUILD) && $(GUI_CTEST)
	@$(MAKE) --no-print-directory test-asan-gui

# Only the unit-test executables are built here; any sanitizer report aborts
# its test, and leaks count as reports, but for the font caches that
# fontconfig keeps for the process's life beneath the chart's text. Line
# tables are all a report needs, and build in 14 % less time than full debug
# information.
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DSQUINX_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD) --target unit-tests -j$(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest -L unit --no-tests=error --output-on-failure -j$(JOBS)

# The GUI tests under the sanitizers as well, a suite to a process, with only
# the leaks that GTK and the libraries beneath it, fontconfig and Mesa keep by
# design suppressed.
# Mesa draws on the test's own thread: LeakSanitizer's stop-the-world has
# crashed now and then on its render threads, and still does, rarely, on the
# threads left running; the script reruns the tests whose end it crashed.
test-asan-gui: test-asan
	@cmake --build $(ASAN_BUILD) --target gui_tests -j$(JOBS)
	@cd $(ASAN_BUILD) && env LP_NUM_THREADS=0 ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp:print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 CTEST_RUNNER=$(CURDIR)/scripts/ctest-retrying-tracer-crashes.sh $(GUI_CTEST)

bench: configure
	@cmake --build $(BUILD) --target bench-build -j$(JOBS)
	@scripts/run-benchmarks.sh $(BUILD)

fuzz:
	@scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The report is also left in $(MUTANTS_BUILD)/report.txt.
mutants:
	@nice -n 10 scripts/mutants.py --build $(MUTANTS_BUILD) --budget $(MUTANTS_BUDGET) \
		--file-budget $(MUTANTS_FILE_BUDGET) --limit $(MUTANTS_LIMIT) --jobs $(JOBS) --files $(MUTANTS_FILES)

windows:
	@JOBS=$(JOBS) scripts/windows/build.sh $(WINDOWS_BUILD) windows-package
	@ls $(WINDOWS_BUILD)/Squinx-*-windows-x64.zip $(WINDOWS_BUILD)/Squinx-*-windows-x64-setup.exe

test-windows:
	@JOBS=$(JOBS) scripts/windows/test.sh $(WINDOWS_BUILD) $(BUILD)

screenshot: build
	@scripts/screenshots.sh $(BUILD)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	@cd $(BUILD) && cpack -G DEB

# One style for every source: `make format` applies it, `make test` checks it.
SOURCES = git ls-files -z '*.cpp' '*.h'

format: deps
	@$(SOURCES) | xargs -0 clang-format -i

format-check: deps
	@$(SOURCES) | xargs -0 clang-format --dry-run -Werror

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(MUTANTS_BUILD) $(WINDOWS_BUILD)
