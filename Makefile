# One entry point. `make test` and `make demo` install whatever is missing on a Debian machine first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_COMMON = -DVELKOR_WERROR=ON
CROSS   = $(BUILD)/cross
NATIVE  = $(BUILD)/native
ASAN    = $(BUILD)/native-asan
EXE     = $(CROSS)/Velkor400_Setup.exe

.PHONY: configure-cross configure-native configure-asan all deps setup native asan cross test test-native test-win32 demo clean

all: setup

deps:
	@tools/install-deps

configure-cross:
	@cmake -S . -B $(CROSS) -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake \
	      -DCMAKE_BUILD_TYPE=MinSizeRel $(CMAKE_COMMON)

configure-native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug $(CMAKE_COMMON)

configure-asan:
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DVELKOR_SANITIZE=ON $(CMAKE_COMMON)

setup: deps configure-cross
	cmake --build $(CROSS) -j $(JOBS) --target Velkor400_Setup
	@echo "installer: $(EXE)"

native: deps configure-native
	cmake --build $(NATIVE) -j $(JOBS)

asan: deps configure-asan
	cmake --build $(ASAN) -j $(JOBS)

cross: deps configure-cross
	cmake --build $(CROSS) -j $(JOBS)

test-native: native asan
	ctest --test-dir $(NATIVE) --output-on-failure
	ctest --test-dir $(ASAN) --output-on-failure

# Win32 tests share one prefix, one registry and one display: they run one after another.
test-win32: cross
	tools/with-display ctest --test-dir $(CROSS) --output-on-failure --timeout 300

test: test-native test-win32

demo: deps configure-cross
	cmake --build $(CROSS) -j $(JOBS) --target Velkor400_Setup e2e_demo
	tools/demo $(EXE) $(CROSS)/tests/e2e/e2e_demo.exe

clean:
	rm -rf $(BUILD)
