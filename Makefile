# Thin wrapper around CMake: `make test` and `make run` work on a fresh Debian/Ubuntu machine.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
# Warnings are errors in CI (which sets CI=true) and warnings elsewhere.
WERROR ?= $(if $(CI),ON,OFF)
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test screenshot clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DDISTANCIA_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/distancia-lnb

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

screenshot:
	scripts/screenshot

clean:
	rm -rf $(BUILD_DIR)
