# Brenvik: `make run` to start the calculator, `make test` to run every test headless.
# Both install the Debian packages they need first (see scripts/install-deps.sh).

BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all deps robustness-deps bench-deps bench configure build run test package screenshots fuzz sanitize memcheck robustness clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/src/app/brenvik

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# A Debian package of the program, in $(BUILD_DIR)/.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Pictures of the real windows for the README, rendered headless.
screenshots: build
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 $(BUILD_DIR)/tools/brenvik-screenshots docs
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/tools/brenvik-screenshots docs @2x

# Measurements (not tests): see docs/BENCHMARKS.md.
bench-deps:
	@scripts/install-deps.sh bench

bench: deps bench-deps
	bench/run.sh

# Robustness runs (CI runs them all after `make test`): libFuzzer targets for
# FUZZ_SECONDS each, the test suite under ASan and UBSan, a session under valgrind.
robustness-deps:
	@scripts/install-deps.sh robustness

fuzz: robustness-deps
	scripts/fuzz.sh

sanitize: robustness-deps
	scripts/sanitize.sh

memcheck: build robustness-deps
	BUILD_DIR=$(BUILD_DIR) scripts/memcheck.sh

robustness: fuzz memcheck sanitize

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz
