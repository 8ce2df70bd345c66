# Set-up, build and test in one place; every target installs what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

# Windows and OpenGL need a display; without one the tests get a virtual one.
WITH_DISPLAY = $(if $(DISPLAY)$(WAYLAND_DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

FUZZ_SECONDS ?= 60
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

.PHONY: all deps configure build test run bench fuzz sanitize package package-check screenshot clean

all: build

deps:
	@./tools/install-deps.sh

configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps
	$(MAKE) build
	cd $(BUILD_DIR) && $(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

run: deps
	$(MAKE) build
	@./tools/run.sh $(BUILD_DIR)

bench: deps
	$(MAKE) build CMAKE_FLAGS="$(CMAKE_FLAGS) -DLOMAREK_BUILD_BENCH=ON"
	@./tools/bench.sh $(BUILD_DIR)

# The whole test suite, GUI tests included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer.
sanitize: deps
	$(MAKE) build BUILD_DIR=build-sanitize BUILD_TYPE=RelWithDebInfo \
	  CMAKE_FLAGS="-DCMAKE_CXX_FLAGS='$(SANITIZE_FLAGS)' -DCMAKE_EXE_LINKER_FLAGS='$(SANITIZE_FLAGS)'"
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  $(WITH_DISPLAY) ctest --output-on-failure -j $(JOBS)

# Each fuzzer for FUZZ_SECONDS seconds, from the seed corpus in the repository.
fuzz: deps
	$(MAKE) build BUILD_DIR=build-fuzz BUILD_TYPE=RelWithDebInfo \
	  CMAKE_FLAGS="-DCMAKE_CXX_COMPILER=clang++ -DLOMAREK_BUILD_GUI=OFF -DLOMAREK_BUILD_TESTS=OFF -DLOMAREK_BUILD_FUZZ=ON"
	@./tools/fuzz.sh build-fuzz $(FUZZ_SECONDS)

# The Debian package, built from a release build.
package: deps
	$(MAKE) build BUILD_DIR=build-package BUILD_TYPE=Release CMAKE_FLAGS="-DLOMAREK_BUILD_TESTS=OFF"
	cd build-package && cpack

# Builds the package and checks what it holds and its desktop entry and metadata.
package-check: package
	@./tools/check-package.sh build-package

screenshot: deps
	$(MAKE) build
	@./tools/screenshot.sh $(BUILD_DIR)

clean:
	rm -rf build-package $(BUILD_DIR) build-sanitize build-fuzz build-bench
