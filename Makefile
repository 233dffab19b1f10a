# SPDX-License-Identifier: GPL-3.0-or-later
# Thin wrapper around CMake: `make test` and `make run` work on a fresh Debian/Ubuntu machine.
# Only they (and the targets that need extra tools) install packages; `make
# build` uses what is there.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# Warnings are errors in CI (which sets CI=true) and warnings elsewhere.
WERROR ?= $(if $(CI),ON,OFF)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test check-sanitize fuzz bench screenshot clean windows \
        test-windows wasm-build test-core-wasm web run-web test-web package bench-windows \
        bench-web test-debian13 web-test-deps

all: build

deps:
	scripts/install-deps test

# Whether the build makes the tests too: `make run` needs none of them.
TESTING ?= ON

configure:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DDISTANCIA_WERROR=$(WERROR) \
	    -DBUILD_TESTING=$(TESTING)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run:
	scripts/install-deps
	$(MAKE) build TESTING=OFF
	$(BUILD_DIR)/qt/distancia-lnb

test:
	scripts/install-deps test
	$(MAKE) build TESTING=ON
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
check-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DDISTANCIA_WERROR=$(WERROR) \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# libFuzzer on both fuzz targets, FUZZ_SECONDS each; new inputs go to the build folder.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = numeric_text window_events
fuzz:
	scripts/install-deps fuzz
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DDISTANCIA_FUZZ=ON -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link"
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	for target in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_DIR)/corpus/$$target && \
	    $(FUZZ_DIR)/tests/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) \
	        $(FUZZ_DIR)/corpus/$$target tests/fuzz/corpus/$$target || exit 1; \
	done

# Release builds of the programs and the benchmarks: each measures into its
# JSON file in bench/, and the table of all that was measured (printed, and
# written to bench/results.md) is made from those files.
BENCH_DIR ?= build-bench
BENCH_REPORT = python3 bench/report.py $$(ls bench/linux.json bench/windows.json bench/web.json 2>/dev/null)
bench:
	scripts/install-deps bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DDISTANCIA_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target distancia-lnb core_bench window_bench bare_window design_texts_window
	python3 bench/measure.py linux $(BENCH_DIR) bench/linux.json
	$(BENCH_REPORT)

bench-windows: windows
	scripts/install-deps bench
	cmake -S . -B $(WINDOWS_DIR) -DDISTANCIA_BENCH=ON
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target bare_window design_texts_window
	python3 bench/measure.py windows $(WINDOWS_DIR) bench/windows.json
	$(BENCH_REPORT)

# The page in Debian's Chromium: what the first visit transfers, the first
# paint against a static page of the same words, fonts and drawings, and a
# keystroke.
bench-web: web web-test-deps
	node bench/web.mjs bench/web.json 40
	$(BENCH_REPORT)

screenshot:
	scripts/screenshot

# The Debian package, built with Debian's hardening flags: dist/linux/ gets it.
PACKAGE_DIR ?= build-package
package:
	scripts/install-deps package
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DCMAKE_CXX_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CPPFLAGS) \
	        $$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	mkdir -p dist/linux
	cd $(PACKAGE_DIR) && cpack -B $(CURDIR)/dist/linux
	rm -rf dist/linux/_CPack_Packages

# The native Windows program and its installer, cross-built with MinGW-w64 and
# NSIS: dist/windows/ gets both. Their tests run under Wine on a virtual X
# display.
WINDOWS_DIR ?= build-windows
windows:
	scripts/install-deps windows
	cmake -S . -B $(WINDOWS_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	    -DCMAKE_BUILD_TYPE=MinSizeRel -DDISTANCIA_WERROR=$(WERROR) -DDISTANCIA_BENCH=OFF
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	mkdir -p dist/windows
	cp $(WINDOWS_DIR)/win32/distancia-lnb.exe $(WINDOWS_DIR)/distancia-lnb-*-setup.exe dist/windows/

test-windows: windows
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure -j $(JOBS)

# The core compiled to WebAssembly with Debian's emscripten, without
# exceptions: its suite, run under Node, and the web page. Emscripten's linker
# needs Node to find Debian's acorn; Node must not take the module's fetch for
# its own.
WASM_DIR ?= build-wasm
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
WEB_PORT ?= 8000
wasm-build:
	scripts/install-deps web
	$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WASM_DIR) -DCMAKE_BUILD_TYPE=MinSizeRel \
	    -DDISTANCIA_WERROR=$(WERROR) \
	    -DCMAKE_CROSSCOMPILING_EMULATOR="$$(command -v node);--no-experimental-fetch"
	$(EMSCRIPTEN_ENV) cmake --build $(WASM_DIR) -j $(JOBS)

test-core-wasm: wasm-build
	ctest --test-dir $(WASM_DIR) --output-on-failure -j $(JOBS)

# The page as static files in WEB_DIST: nothing to run on a server, nothing
# but the build's own tools to make it (no browser, no npm). The core draws
# the first view into index.html as the page is built; the service worker
# lists every file.
WEB_DIST ?= dist/web
web: wasm-build
	rm -rf $(WEB_DIST)
	mkdir -p $(dir $(WEB_DIST))
	cp -r $(WASM_DIR)/page $(WEB_DIST)
	python3 web/build/service_worker.py web/sw.js.in $(WEB_DIST)

run-web: web
	@echo "Distancia LNB: http://127.0.0.1:$(WEB_PORT)/"
	cd $(WEB_DIST) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# What the page's tests and bench drive it with: Debian's Chromium through
# playwright-core (npm, pinned in package-lock.json; no browser is downloaded).
web-test-deps:
	scripts/install-deps web-test
	npm ci --no-audit --no-fund

# The page in Debian's Chromium, headless; and the page built afresh with no
# browser and no npm within reach.
test-web: web web-test-deps
	node --test tests/web/

# The README's commands on a fresh minimal Debian 13, in a clean clone of
# this checkout (scripts/debian13): the tests, the page and its tests.
test-debian13:
	scripts/install-deps debian13
	scripts/debian13 'make test && make web && make test-web'

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR) $(PACKAGE_DIR) \
	    $(WASM_DIR) dist node_modules build-debian13
