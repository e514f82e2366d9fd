# Set-up commands: `make run` and `make test`; each installs what it needs first.
SANITIZE ?=
ifeq ($(SANITIZE),)
BUILD_DIR ?= build
else
BUILD_DIR ?= build-$(SANITIZE)
endif
JOBS ?= $(shell nproc)

.PHONY: deps configure build test run bench screenshots clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DVELMORA_SANITIZE=$(SANITIZE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@scripts/run-tests $(BUILD_DIR) $(SANITIZE)

run: build
	$(BUILD_DIR)/bin/velmora

bench: build
	@if [ -x $(BUILD_DIR)/bin/velmora_bench ]; then $(BUILD_DIR)/bin/velmora_bench; else echo "no benchmarks built"; fi

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bin/velmora --screenshots $(BUILD_DIR)/screenshots

clean:
	rm -rf build build-address build-thread
