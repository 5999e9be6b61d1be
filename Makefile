# The only commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
DATA_DIR ?= $(BUILD_DIR)/data
JOBS ?= $(shell nproc)

.PHONY: all setup configure build test run bench clean

all: build

setup:
	@scripts/setup.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

configure: setup $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	$(BUILD_DIR)/Quorvel_3r10

bench: build
	$(BUILD_DIR)/bench/quorvel_bench

clean:
	rm -rf $(BUILD_DIR)
