# Set-up, build and test in one place; every target installs what is missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

# Windows and OpenGL need a display; without one the tests get a virtual one.
WITH_DISPLAY = $(if $(DISPLAY)$(WAYLAND_DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24")

.PHONY: all deps configure build test run bench clean

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

clean:
	rm -rf $(BUILD_DIR)
