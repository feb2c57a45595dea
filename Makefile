# Wraps CMake. `make test` is what CI runs.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
WINDOWS_DIR ?= build-windows
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_RUNS ?= 1000000
FUZZ_SMOKE_RUNS ?= 20000
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Qt built for Windows (make windows-qt), in a cache outside the work tree.
QT_WINDOWS = $(shell scripts/build-qt-windows.sh --print-prefix 2>/dev/null)
VERSION = $(shell sed -n 's/^project.Tandem VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
WINDOWS_ZIP = $(WINDOWS_DIR)/Tandem-$(VERSION)-Windows.zip

.PHONY: diagram all deps deps-run deps-bench deps-fuzz build test test-sanitize test-fuzz fuzz fuzz-build \
    test-windows windows-qt windows-build windows-package run bench package screenshot format clean

all: build

# What each purpose needs: `make run` only the compiler, CMake and Qt;
# the test tools, cross compilers and Wine come with `make test`.
deps:
	scripts/install-deps.sh test
deps-run:
	scripts/install-deps.sh run
deps-bench:
	scripts/install-deps.sh bench
deps-fuzz:
	scripts/install-deps.sh fuzz

build:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTANDEM_BUILD_TESTS=ON
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

# Any sanitizer report ends the program that made it with exit code 86, which
# no Tandem program uses, so the test that ran it fails.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:exitcode=86:strict_string_checks=1:check_initialization_order=1 \
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=86

test: deps build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)
	$(MAKE) --no-print-directory test-sanitize
	$(MAKE) --no-print-directory test-fuzz
	@if command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && \
	    { command -v wine64 >/dev/null 2>&1 || command -v wine >/dev/null 2>&1; }; then \
	    $(MAKE) --no-print-directory test-windows; \
	else \
	    echo "MinGW-w64 or Wine missing: the Windows build is not tested (make deps installs them)"; \
	fi

# The Windows build, cross-compiled with MinGW-w64 and tested under Wine: the
# tools and their tests, compared with the Linux build; with Qt for Windows
# also the window, its test suites and the zip, which is unpacked and run.
# Wine under load now and then fails to start a program (cmd's "not
# recognized"), so a suite that fails is run once more; a fault fails twice.
test-windows: build windows-build
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure --parallel $(JOBS) --repeat until-pass:2
	scripts/compare-windows-build.sh $(BUILD_DIR)/cli/tandem-append $(WINDOWS_DIR)/cli/tandem-append.exe \
	    $(CURDIR)/$(WINDOWS_DIR)/wineprefix
	@if [ -n "$(wildcard $(QT_WINDOWS)/.complete)" ]; then \
	    $(MAKE) --no-print-directory windows-package && \
	    scripts/test-windows-zip.sh $(WINDOWS_ZIP) $(BUILD_DIR)/cli/tandem-append $(WINDOWS_DIR); \
	else \
	    echo "No Qt for Windows: the window's Windows build and zip are not tested (make windows-qt builds Qt once)"; \
	fi

# Qt for Windows, built once from the source of the host's Qt (about an hour
# on 2 cores) and kept for every later build.
windows-qt: deps
	JOBS=$(JOBS) nice scripts/build-qt-windows.sh

# With Qt for Windows the window is built too.
windows-build: deps
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
	    -DTANDEM_BUILD_GUI=$(if $(wildcard $(QT_WINDOWS)/.complete),ON,OFF) \
	    -DCMAKE_PREFIX_PATH=$(QT_WINDOWS) -DQT_HOST_PATH=/usr
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS)

# Tandem-<version>-Windows.zip: the three programs with the DLLs and plugins
# they need, checked against what they import.
windows-package:
	@test -n "$(wildcard $(QT_WINDOWS)/.complete)" || \
	    { echo "No Qt for Windows in $(QT_WINDOWS): run make windows-qt once"; exit 1; }
	$(MAKE) --no-print-directory windows-build
	rm -f $(WINDOWS_ZIP)
	cd $(WINDOWS_DIR) && cpack -G ZIP
	scripts/check-windows-zip.sh $(WINDOWS_ZIP)

# Everything that builds without the window, with AddressSanitizer and
# UndefinedBehaviorSanitizer, and its tests.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANDEM_BUILD_GUI=OFF -DTANDEM_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) --parallel $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure --parallel $(JOBS)

# The fuzz targets of fuzz/, built with clang; RUNS is how many inputs each
# target runs.
fuzz-build:
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTANDEM_BUILD_GUI=OFF -DTANDEM_BUILD_TESTS=OFF -DTANDEM_BUILD_FUZZ=ON -DTANDEM_FUZZ_RUNS=$(RUNS)
	cmake --build $(FUZZ_DIR) --parallel $(JOBS)

# A short run of every fuzz target, as part of make test.
test-fuzz: deps-fuzz
	$(MAKE) --no-print-directory fuzz-build RUNS=$(FUZZ_SMOKE_RUNS)
	ctest --test-dir $(FUZZ_DIR) --output-on-failure --parallel $(JOBS)

# A long run of every fuzz target, one after the other, with libFuzzer's
# progress shown.
fuzz: deps-fuzz
	$(MAKE) --no-print-directory fuzz-build RUNS=$(FUZZ_RUNS)
	ctest --test-dir $(FUZZ_DIR) --verbose

# `make run` builds without the tests, which need packages it does not
# install.
run: deps-run
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTANDEM_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target tandem
	$(BUILD_DIR)/app/tandem

bench: deps-bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTANDEM_BUILD_TESTS=OFF -DTANDEM_BUILD_BENCH=ON -DTANDEM_BUILD_GUI=ON
	cmake --build $(BENCH_DIR) --parallel $(JOBS)
	$(BENCH_DIR)/bench/tandem_bench
	$(BENCH_DIR)/bench/tandem_scan_bench
	$(BENCH_DIR)/bench/tandem_list_bench
	$(BENCH_DIR)/bench/tandem_startup_bench
	$(BENCH_DIR)/bench/tandem_empty_lines_bench

package: build
	cd $(BUILD_DIR) && cpack

# The README's picture of the window, from the real program, offscreen.
# The README's picture of where File 2 goes, drawn from real output.
diagram: build
	python3 scripts/placement-diagram.py $(BUILD_DIR)/cli/tandem-append docs/placement.svg

screenshot: build
	scripts/screenshot.sh $(BUILD_DIR)/app/tandem docs/window.png

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(WINDOWS_DIR) $(SANITIZE_DIR) $(FUZZ_DIR)
