# Wraps CMake. `make test` is what CI runs.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
WINDOWS_DIR ?= build-windows
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build test test-windows run bench package format clean

all: build

deps:
	scripts/install-deps.sh

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

test: deps build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)
	@if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && \
	    { command -v wine64 >/dev/null 2>&1 || command -v wine >/dev/null 2>&1; }; then \
	    $(MAKE) --no-print-directory test-windows; \
	else \
	    echo "MinGW-w64 or Wine missing: the Windows build is not tested (make deps installs them)"; \
	fi

# The Windows build of everything that needs no Qt, cross-compiled with
# MinGW-w64 and tested under Wine, then compared with the Linux build.
test-windows: build
	scripts/fetch-pugixml-source.sh $(WINDOWS_DIR)/third-party
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DTANDEM_BUILD_GUI=OFF \
	    -DTANDEM_PUGIXML_SOURCE_DIR=$(CURDIR)/$(WINDOWS_DIR)/third-party/pugixml-1.13/src
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS)
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure
	scripts/compare-windows-build.sh $(BUILD_DIR)/cli/tandem-append $(WINDOWS_DIR)/cli/tandem-append.exe \
	    $(CURDIR)/$(WINDOWS_DIR)/wineprefix

run: deps build
	$(BUILD_DIR)/app/tandem

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTANDEM_BUILD_TESTS=OFF -DTANDEM_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) --parallel $(JOBS)
	$(BENCH_DIR)/bench/tandem_bench
	$(BENCH_DIR)/bench/tandem_scan_bench

package: build
	cd $(BUILD_DIR) && cpack

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(WINDOWS_DIR)
