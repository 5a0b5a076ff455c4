# The two set-up commands of the README: `make run` and `make test`. Each installs what it needs (as root, from
# Debian's package registry), configures and builds. `make check` is what CI runs besides the tests.
BUILD ?= build
SAN_BUILD ?= build-sanitize
CLANG_BUILD ?= build-clang
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

EDITOR_PACKAGES = cmake ninja-build g++ qt6-base-dev libgl-dev
TEST_PACKAGES = $(EDITOR_PACKAGES) libgtest-dev libgmock-dev libbenchmark-dev
CHECK_PACKAGES = $(TEST_PACKAGES) git clang-14 libclang-rt-14-dev clang-format-14

# A shell command that installs the packages of $(1) that are not installed yet.
install = missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing; \
	fi

.PHONY: editor run test test-sanitize check layer-check format-check clang-build bench-once fuzz bench

# Only the editor and its data: no tests, no benchmarks.
editor:
	@$(call install,$(EDITOR_PACKAGES))
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS) --target corvane

# The editor is a desktop program: without a display it says so and stops, before installing or building.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "The editor needs a desktop session, and this shell has none (neither DISPLAY nor WAYLAND_DISPLAY is set)."; \
	  echo "Run 'make run' in a terminal of your desktop, or over 'ssh -X' from a machine that has one."; \
	  echo "To try it on a virtual screen instead, and look at it in a picture:"; \
	  echo "  apt-get install -y xvfb imagemagick"; \
	  echo "  Xvfb :99 -screen 0 1280x1024x24 &"; \
	  echo "  DISPLAY=:99 make run &"; \
	  echo "  DISPLAY=:99 import -window root corvane.png    # once the editor is up"; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory editor
	./$(BUILD)/bin/corvane

# Every target: the editor, the tests, the benchmarks and the picture tool; then every test.
test:
	@$(call install,$(TEST_PACKAGES))
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_TESTS=ON -DCORVANE_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The tests under the address (leaks included) and undefined-behaviour sanitizers.
test-sanitize:
	@$(call install,$(TEST_PACKAGES))
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANE_SANITIZE=ON -DCORVANE_TESTS=ON \
	  -DCORVANE_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j $(JOBS)

check: layer-check format-check clang-build bench-once fuzz

# No source file includes a header of a layer it may not use (the layers are listed in the script).
layer-check:
	sh tools/check-layers.sh src

# Every tracked C++ file as clang-format 14 would write it.
format-check:
	@$(call install,$(CHECK_PACKAGES))
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror || \
	  { echo "FORMAT CHECK FAILED: run clang-format-14 -i on the files named above"; exit 1; }

# Every target built by clang with warnings as errors.
clang-build:
	@$(call install,$(CHECK_PACKAGES))
	cmake -S . -B $(CLANG_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCORVANE_TESTS=ON -DCORVANE_BENCH=ON -DCMAKE_CXX_FLAGS=-Werror
	cmake --build $(CLANG_BUILD) -j $(JOBS)

# Each benchmark of the clang build once, to see that it runs (timings belong to `make bench`).
bench-once: clang-build
	./$(CLANG_BUILD)/bench/bench_platform --benchmark_min_time=0
	QT_QPA_PLATFORM=offscreen ./$(CLANG_BUILD)/bench/bench_editor --benchmark_min_time=0

# The fuzz configuration (every target instrumented), then a bounded run of the profile target seeded with the
# game files of the tests. A crash, a leak or a broken invariant stops the run and fails the check.
fuzz:
	@$(call install,$(CHECK_PACKAGES))
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCORVANE_TESTS=ON -DCORVANE_BENCH=ON -DCORVANE_FUZZ=ON -DCMAKE_CXX_FLAGS=-Werror
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	rm -rf $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes && mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes
	@echo "Fuzzing the profile functions for $(FUZZ_SECONDS) s (log: $(FUZZ_BUILD)/fuzz.log)"
	@if $(FUZZ_BUILD)/tests/fuzz_profile -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/ $(FUZZ_BUILD)/corpus tests/fixtures >$(FUZZ_BUILD)/fuzz.log 2>&1; then \
	  grep '^stat::' $(FUZZ_BUILD)/fuzz.log; \
	else \
	  tail -n 80 $(FUZZ_BUILD)/fuzz.log; \
	  echo "FUZZ FAILED: fuzz_profile found an input that breaks the profile functions:" $(FUZZ_BUILD)/crashes/*; \
	  echo "Reproduce with: $(FUZZ_BUILD)/tests/fuzz_profile <that file>"; \
	  exit 1; \
	fi

bench:
	@$(call install,$(TEST_PACKAGES))
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_TESTS=ON -DCORVANE_BENCH=ON
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target bench_platform bench_editor
	./$(RELEASE_BUILD)/bench/bench_platform
	QT_QPA_PLATFORM=offscreen ./$(RELEASE_BUILD)/bench/bench_editor
