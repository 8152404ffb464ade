# One entry point. `make test` and `make demo` install whatever is missing on a Debian machine first.
BUILD   ?= build
JOBS    ?= $(shell nproc)
CMAKE_COMMON = -DVELKOR_WERROR=ON
CROSS   = $(BUILD)/cross
NATIVE  = $(BUILD)/native
ASAN    = $(BUILD)/native-asan
FUZZ    = $(BUILD)/fuzz
EXE     = $(CROSS)/Velkor400_Setup.exe

.PHONY: test-core test-core-asan configure-fuzz test-fuzz test-release test-signing release fault-check configure-cross configure-native configure-asan all deps setup native asan cross test test-native test-win32 demo clean

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

configure-fuzz:
	@cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	      -DVELKOR_FUZZ=ON

setup: deps configure-cross
	cmake --build $(CROSS) -j $(JOBS) --target Velkor400_Setup
	@echo "installer: $(EXE)"

# The exe, signed when SIGN_PKCS12 + SIGN_PASSWORD_FILE or SIGN_CERT + SIGN_KEY are set (see tools/sign-release),
# and its SHA256SUMS.
release: setup
	tools/sign-release $(EXE) $(BUILD)/release

native: deps configure-native
	cmake --build $(NATIVE) -j $(JOBS)

asan: deps configure-asan
	cmake --build $(ASAN) -j $(JOBS)

cross: deps configure-cross
	cmake --build $(CROSS) -j $(JOBS)

test-native: test-core test-core-asan

test-core: native
	ctest --test-dir $(NATIVE) --output-on-failure

test-core-asan: asan
	ctest --test-dir $(ASAN) --output-on-failure

# Win32 tests share one prefix, one registry and one display: they run one after another.
test-win32: cross
	tools/with-display ctest --test-dir $(CROSS) --output-on-failure --timeout 300

# Fuzz targets run a fixed short time each; the release checks prove a reproducible, small exe.
test-fuzz: deps configure-fuzz
	cmake --build $(FUZZ) -j $(JOBS)
	ctest --test-dir $(FUZZ) --output-on-failure

test-release: cross
	tools/check-reproducible $(EXE) $(BUILD)/cross-repro

# Signs with a throwaway authority and proves the signed exe; the Wine run gets its own prefix and display.
test-signing: cross
	tools/check-signing $(EXE) $(BUILD)/signing

# Every tier runs even when an earlier one fails, so that one red test never hides the others' results.
TIERS = test-core test-core-asan test-win32 test-fuzz test-release test-signing
test:
	@failed=; for tier in $(TIERS); do \
	  $(MAKE) --no-print-directory $$tier || failed="$$failed $$tier"; \
	done; \
	if [ -n "$$failed" ]; then echo "make test: FAILED:$$failed"; exit 1; fi; \
	echo "make test: every tier passed ($(TIERS))"

# Not part of `make test`: each fault of tools/faults.list built and run against its tiers, most of an hour.
fault-check: deps
	tools/fault-check tools/faults.list docs/fault-table.md

demo: deps configure-cross
	cmake --build $(CROSS) -j $(JOBS) --target Velkor400_Setup e2e
	tools/demo $(EXE) $(CROSS)/tests/bin

clean:
	rm -rf $(BUILD)
