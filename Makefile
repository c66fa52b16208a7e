# Quillory: `make run` starts the editor, `make test` runs every test,
# `make test-asan` runs them again under AddressSanitizer and UBSan,
# `make fuzz` runs every fuzz target for FUZZ_SECONDS each.
BUILD ?= build
PACKAGE_BUILD ?= build-package
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 30
FUZZ_SEED ?= 0
FUZZ_CXX ?= clang++-14

.PHONY: all setup configure build run test test-asan bench package fuzz clean

all: build

setup:
	@scripts/setup-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-quillory $(BUILD)/quillory

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: setup
	@scripts/test-asan $(ASAN_BUILD) $(JOBS)

bench: build
	@scripts/run-benchmarks $(BUILD)

# A Debian package of the installed program, in $(PACKAGE_BUILD): only what
# the package holds is built, with Debian's hardening flags (which CMake
# reads from the environment when it first configures the folder).
package: setup
	DEB_BUILD_MAINT_OPTIONS=hardening=+all; export DEB_BUILD_MAINT_OPTIONS; \
	CFLAGS="$$(dpkg-buildflags --get CFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja $(CMAKE_FLAGS) \
	  -DQUILLORY_BUILD_TESTS=OFF -DQUILLORY_BUILD_BENCH=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package

# The core alone, built with clang's libFuzzer and sanitizers; no Qt.
$(FUZZ_BUILD)/build.ninja:
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=$(FUZZ_CXX)

fuzz: setup $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_SEED=$(FUZZ_SEED) scripts/run-fuzzers $(FUZZ_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD)
