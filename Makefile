# Top-level entry points. Every target installs missing packages first, so a
# fresh Debian 12 machine needs nothing else. The window's tests draw on
# virtual X displays, each test on one of its own under a window manager
# (tests/run-on-own-display).
JOBS       ?= $(shell nproc)
TEST_DIR   ?= build/test
BENCH_DIR  ?= build/bench
APP_DIR    ?= build/app

.PHONY: deps test-deps test bench run display-check clean

deps:
	@scripts/install-deps

# The tests also read exported drawings with an independent DXF reader and
# write the exports under a decimal-comma locale.
test-deps:
	@scripts/install-deps --test

# The output of the X server and window manager of a failed window test goes
# to $(TEST_DIR)/$(DISPLAYS_LOG); when a window test program could not start
# the toolkit, it is printed after the failed run, so the server's side of
# the failure is on record too.
DISPLAYS_LOG ?= own-display-servers.log
TOOLKIT_START_FAILED = the toolkit did not start on display

test: test-deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DKLX_SANITIZE=ON -DKLX_BUILD_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && rm -f $(DISPLAYS_LOG) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  NO_AT_BRIDGE=1 GDK_BACKEND=x11 KLX_DISPLAYS_LOG=$$PWD/$(DISPLAYS_LOG) \
	  ctest --output-on-failure -j $(JOBS) \
	  || { status=$$?; \
	       if grep -qs "$(TOOLKIT_START_FAILED)" Testing/Temporary/LastTest.log; then \
	         echo "A window test program could not start the toolkit. The X servers and window managers of the failed tests ($(TEST_DIR)/$(DISPLAYS_LOG)):"; \
	         cat $(DISPLAYS_LOG); \
	       fi; \
	       exit $$status; }

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DKLX_BUILD_TESTS=OFF -DKLX_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	$(BENCH_DIR)/bench/klx_bench $(BENCH_ARGS)

# `make run ARGS=path/to/project.klx` opens a project at start-up. Without a
# display it stops at once, before installing or building anything (the check
# is run's only prerequisite, so even `make -j` starts nothing else first).
run: display-check
	@scripts/install-deps
	cmake -S . -B $(APP_DIR) -DCMAKE_BUILD_TYPE=Release -DKLX_BUILD_TESTS=OFF
	cmake --build $(APP_DIR) -j $(JOBS) --target klx
	$(APP_DIR)/src/klx $(ARGS)

display-check:
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run: no X display (DISPLAY is not set), so the KLX window cannot open."; \
	  echo "Run it from a desktop session, or on a virtual display: xvfb-run -a make run"; \
	  exit 1; \
	fi
	@if command -v xwininfo >/dev/null && ! xwininfo -root >/dev/null 2>&1; then \
	  echo "make run: the X display $$DISPLAY cannot be opened, so the KLX window cannot open."; \
	  exit 1; \
	fi

clean:
	rm -rf build
