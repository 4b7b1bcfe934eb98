# Brenvik: `make run` to start the calculator, `make test` to run every test headless.
# Each target first installs the Debian packages it needs (scripts/install-deps.sh).

BUILD_DIR ?= build
CMAKE_FLAGS ?=

# Every time a build writes into what it ships (headers of the Windows program and DLLs,
# entries of the archives) is the time of the commit it is built from, as compilers,
# linkers and CPack read it: the same commit gives the same bytes (make reproducible).
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

.PHONY: all configure build run test package reproducible screenshots fuzz sanitize memcheck random \
        robustness bench mutants fresh format windows windows-test clean

all: build

# Configures $(BUILD_DIR) from the default preset (CMakePresets.json names every build
# tree) when it is new, and again, afresh so that a flag left out is gone too, whenever
# CMAKE_FLAGS differ from the flags it was last configured with.
configure:
	@scripts/install-deps.sh build
	@stamp='$(BUILD_DIR)/.cmake-flags'; \
	if [ ! -f '$(BUILD_DIR)/build.ninja' ] || [ "$$(cat "$$stamp" 2>/dev/null)" != '$(CMAKE_FLAGS)' ]; then \
	  fresh=; if [ -f '$(BUILD_DIR)/CMakeCache.txt' ]; then fresh=--fresh; fi; \
	  cmake --preset default -B '$(BUILD_DIR)' $$fresh $(CMAKE_FLAGS) && \
	  printf '%s' '$(CMAKE_FLAGS)' > "$$stamp"; \
	fi

build: configure
	cmake --build $(BUILD_DIR)

run:
	@scripts/install-deps.sh run
	@$(MAKE) --no-print-directory build
	$(BUILD_DIR)/src/app/brenvik

test:
	@scripts/install-deps.sh test
	@$(MAKE) --no-print-directory build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$$(nproc)

# A Debian package of the program, in $(BUILD_DIR)/.
package:
	@scripts/install-deps.sh package
	@$(MAKE) --no-print-directory build
	cd $(BUILD_DIR) && cpack -G DEB

# The same bytes from the same commit: the commit built twice, in two checkout folders,
# and what ships compared (scripts/reproducible.sh; about 15 minutes; not part of CI).
reproducible:
	@scripts/install-deps.sh reproducible
	scripts/reproducible.sh

# Pictures of the real windows for the README, rendered headless; the dark desktop's on
# an X server under GNOME's dark theme, through its platform theme as a user gets it; and
# where there is a Windows build, the Windows program's under Wine on an X server.
DARK_DESKTOP = env -u QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark xvfb-run -a
screenshots:
	@scripts/install-deps.sh screenshots
	@$(MAKE) --no-print-directory build
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 $(BUILD_DIR)/tools/brenvik-screenshots light docs
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 $(BUILD_DIR)/tools/brenvik-screenshots light docs @2x
	$(DARK_DESKTOP) env QT_SCALE_FACTOR=1 $(BUILD_DIR)/tools/brenvik-screenshots dark docs
	$(DARK_DESKTOP) env QT_SCALE_FACTOR=2 $(BUILD_DIR)/tools/brenvik-screenshots dark docs @2x
	@if [ -f build-windows/brenvik.exe ]; then \
	  packaging/windows/debian13.sh run tests/app/check_program_under_wine.sh build-windows docs/windows-wine.png; \
	else echo "docs/windows-wine.png left as it is: no Windows build (make windows)"; fi

# Robustness runs (CI runs them all after `make test`): libFuzzer targets for
# FUZZ_SECONDS each, long random sequences, the test suite under ASan and UBSan, and a
# session under valgrind.
fuzz:
	@scripts/install-deps.sh robustness
	fuzz/run.sh

sanitize:
	@scripts/install-deps.sh robustness
	scripts/sanitize.sh

memcheck:
	@scripts/install-deps.sh robustness
	@$(MAKE) --no-print-directory build
	BUILD_DIR=$(BUILD_DIR) scripts/memcheck.sh

# The random sequence test at length: five seeds of 10,000 actions each.
random:
	@scripts/install-deps.sh test
	@$(MAKE) --no-print-directory build
	@for seed in 1 2 3 4 5; do \
	  echo "== random sequences, seed $$seed: 10000 actions"; \
	  BRENVIK_RANDOM_SEED=$$seed BRENVIK_RANDOM_ACTIONS=10000 QT_QPA_PLATFORM=offscreen \
	    $(BUILD_DIR)/tests/calculator/tst_random_sequences -silent || exit 1; \
	done

robustness: fuzz random memcheck sanitize

# The suite's power: every fault of mutants/faults.txt seeded in turn into a scratch
# copy of the tree (build-mutants/), which the suite must catch; with SAMPLE=N (and
# SEED=S), N faults drawn at random from src/ instead. Not part of CI (time).
SAMPLE ?=
SEED ?= 1
mutants:
	@scripts/install-deps.sh mutants
	mutants/run.py $(if $(SAMPLE),--sample $(SAMPLE) --seed $(SEED))

# clang-format (.clang-format; version 14, Debian 12's, as CI runs it) decides every line
# break of the C++ sources: this fails on a file it would change, and shows how. With
# FIX=1 it rewrites them instead.
FIX ?=
format:
	@scripts/install-deps.sh format
	@git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format $(if $(FIX),-i,--dry-run --Werror)

# Brenvik for Windows, cross-built with MinGW-w64 against a Qt for Windows built once from
# Debian's source package, both in a Debian 13 made once, all kept in ~/.cache/brenvik
# (about half an hour on two cores), and tested under Wine 10: the folder, ZIP and
# installer in build-windows/. windows-test (CI) runs the tests where that Debian 13 and
# Qt are there, and never makes them.
windows:
	packaging/windows/build.sh all

windows-test:
	packaging/windows/build.sh test

# Measurements (not tests): see docs/BENCHMARKS.md.
bench:
	@scripts/install-deps.sh bench
	bench/run.sh

# The two commands above tried on a fresh minimal Debian of SUITE (bookworm or trixie) in
# a chroot: make test, then make run under Xvfb; with FRESH_PACKAGES (comma-separated),
# those installed from the start, as a desktop's. As root; not part of CI.
SUITE ?= bookworm
FRESH_PACKAGES ?=
fresh:
	scripts/fresh.sh $(SUITE) $(FRESH_PACKAGES)

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz build-bench build-mutants build-fresh build-windows
