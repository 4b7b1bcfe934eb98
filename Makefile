# Brenvik: `make run` to start the calculator, `make test` to run every test headless.
# Both install the Debian packages they need first (see scripts/install-deps.sh).

BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots clean

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

# Pictures of the real windows for the README, rendered headless.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/brenvik-screenshots docs

clean:
	rm -rf $(BUILD_DIR)
