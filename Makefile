# Two commands for a new user: `make run` and `make test`.
BUILD   ?= build
JOBS    ?= $(shell nproc)
XVFB     = xvfb-run -a -s "-screen 0 1280x1024x24"
export GDK_BACKEND = x11

.PHONY: deps configure build run test bench clean screenshot

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	@cd $(BUILD) && $(XVFB) ctest --output-on-failure -j$(JOBS)

bench: configure
	@cmake --build $(BUILD) --target bench-build -j$(JOBS)
	@scripts/run-benchmarks.sh $(BUILD)

screenshot: build
	@scripts/screenshot.sh $(BUILD) docs/images/main-window.png

clean:
	@rm -rf $(BUILD)
