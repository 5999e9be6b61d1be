# The only commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
DATA_DIR ?= $(BUILD_DIR)/data
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all setup configure build test test-desktop test-cluster test-asan test-tsan fuzz run bench screenshots package test-package clean install \
        uninstall \
        check check-layers format format-check

all: build

setup:
	@scripts/setup.sh

# Extra CMake settings for the main build, e.g. CMAKE_ARGS=-DQUORVEL_WERROR=ON (as CI builds).
CMAKE_ARGS ?=
$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

configure: setup $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The desktop journeys: the real window on virtual X screens (Xvfb, 1240 x 720 and 1024 x 700) with
# openbox as window manager, driven by key presses and clicks through X (xdotool); a screenshot of
# every step under $(BUILD_DIR)/journeys/<journey>/.
test-desktop: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target desktop_journeys
	bash tests/desktop/run-journeys.sh $(BUILD_DIR)

# The back-test scripts on real engines: GNU parallel over real ssh logins (one sharing this file
# system, one in a private mount namespace) and a real one-node Slurm, all started on 127.0.0.1
# inside $(BUILD_DIR)/cluster and stopped again; needs root. About two minutes.
test-cluster: build
	@scripts/setup.sh cluster
	bash tests/cluster/run-cluster.sh $(BUILD_DIR)

# The core and command-line tests under AddressSanitizer and UndefinedBehaviorSanitizer, in
# their own build folder; any report fails the run.
ASAN_BUILD_DIR ?= build-asan
test-asan: setup
	cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_BUILD_GUI=OFF -DQUORVEL_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
	  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The tests that work out scenario passes on several threads (parallel back-tests, shards and
# merges, core and command line), built with ThreadSanitizer in their own build folder; any
# report of a data race fails the run. Only what those tests need is built, lightly optimised.
TSAN_BUILD_DIR ?= build-tsan
test-tsan: setup
	cmake -S . -B $(TSAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=None -DQUORVEL_BUILD_GUI=OFF \
	  -DQUORVEL_BUILD_BENCH=OFF -DQUORVEL_BUILD_FUZZ=OFF \
	  -DCMAKE_CXX_FLAGS="-O1 -g1 -fsanitize=thread -fno-omit-frame-pointer" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread"
	cmake --build $(TSAN_BUILD_DIR) -j $(JOBS) --target threaded_tests
	cd $(TSAN_BUILD_DIR) && TSAN_OPTIONS=halt_on_error=1:exitcode=66:second_deadlock_stack=1 ./tests/threaded_tests

# Every fuzz target for FUZZ_SECONDS each, from its seeds and past findings; a crash, leak or
# undefined behaviour stops with its input kept in $(FUZZ_BUILD_DIR)/crashes. Each target's log
# is kept in $(FUZZ_BUILD_DIR)/logs, and the runs each one made are listed at the end.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/setup.sh fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DQUORVEL_BUILD_FUZZ=ON -DQUORVEL_BUILD_GUI=OFF -DQUORVEL_BUILD_TESTS=OFF -DQUORVEL_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD_DIR)/crashes $(FUZZ_BUILD_DIR)/logs
	@for target in $(FUZZ_BUILD_DIR)/fuzz/*_fuzz; do \
	  name=$$(basename $$target _fuzz); corpus=$(FUZZ_BUILD_DIR)/corpus/$$name; mkdir -p $$corpus; \
	  cp -n fuzz/seeds/$$name/* fuzz/regressions/$$name/* $$corpus/ 2>/dev/null || true; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
	    -artifact_prefix=$(FUZZ_BUILD_DIR)/crashes/$$name- $$corpus > $(FUZZ_BUILD_DIR)/logs/$$name.log 2>&1 \
	    || { tail -n 60 $(FUZZ_BUILD_DIR)/logs/$$name.log; exit 1; }; \
	  grep -h '^Done' $(FUZZ_BUILD_DIR)/logs/$$name.log; \
	done
	@echo "== runs per target"; for log in $(FUZZ_BUILD_DIR)/logs/*.log; do \
	  printf '%-16s %s\n' $$(basename $$log .log) "$$(grep -h '^Done' $$log | cut -d' ' -f2-)"; done

# The first run imports the sample archive into the data directory, so there is real data to see.
run: build
	@mkdir -p $(DATA_DIR)
	@test -s $(DATA_DIR)/Quorvel_3r10.ldr || $(BUILD_DIR)/quorvel --data-dir $(DATA_DIR) import samples/cash3.csv
	$(BUILD_DIR)/Quorvel_3r10 --data-dir $(DATA_DIR)

# A picture of every tab, window and dialog, in Russian and English, at the default window size
# and on a 1366 x 768 screen, under build/screenshots/gallery with an index.html showing them all.
screenshots: build
	QT_QPA_PLATFORM=offscreen:configfile=tests/gui/offscreen_screen.json $(BUILD_DIR)/tests/screenshot_gallery $(BUILD_DIR)/screenshots/gallery

# The Debian package (CPack) of the installed layout, in the build folder, and its test: what
# dpkg-deb shows of it, and the command line run from the package unpacked into a scratch root.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

test-package: build
	bash tests/scripts/package_test.sh $(BUILD_DIR) samples

# Every benchmark, three times each; the medians are what to read and compare
# (scripts/bench-compare runs two builds side by side). BENCH_ARGS narrows or changes a run,
# e.g. BENCH_ARGS=--benchmark_filter=StatTable.
BENCH_FLAGS = --benchmark_min_time=0.05 --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
BENCH_ARGS ?=
bench: build
	$(BUILD_DIR)/bench/quorvel_bench $(BENCH_FLAGS) $(BENCH_ARGS)
	@test ! -x $(BUILD_DIR)/bench/quorvel_gui_bench || $(BUILD_DIR)/bench/quorvel_gui_bench $(BENCH_FLAGS) $(BENCH_ARGS)

# Installs both programs, their language modules, help and systems, launchers and a desktop entry.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Removes what the last install put in place; the users' data folders are never touched.
uninstall:
	@test -f $(BUILD_DIR)/install_manifest.txt || { echo "Nothing installed from $(BUILD_DIR)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD_DIR)/install_manifest.txt
	@sed -e 's|/[^/]*$$||' $(BUILD_DIR)/install_manifest.txt | sort -ru | xargs -d '\n' rmdir -p --ignore-fail-on-non-empty 2>/dev/null || true

# Source checks: the include layers, and the formatting of every C++ file.
# Tracked and new files alike, but only those that still exist.
SOURCES = $(shell git ls-files -co --exclude-standard 'src/*.h' 'src/*.cpp' 'tests/*.h' 'tests/*.cpp' \
                  'bench/*.h' 'bench/*.cpp' 'fuzz/*.h' 'fuzz/*.cpp' | while read f; do [ -f "$$f" ] && echo "$$f"; done)
check: check-layers format-check

check-layers:
	@scripts/check-layers

format-check: setup
	@clang-format --dry-run --Werror $(SOURCES) && echo "format-check: $(words $(SOURCES)) files formatted"

format: setup
	clang-format -i $(SOURCES)

clean:
	rm -rf $(BUILD_DIR)
