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

# The first run imports the sample archive into the data directory, so there is real data to see.
run: build
	@mkdir -p $(DATA_DIR)
	@test -s $(DATA_DIR)/Quorvel_3r10.ldr || $(BUILD_DIR)/quorvel --data-dir $(DATA_DIR) import samples/cash3.csv
	$(BUILD_DIR)/Quorvel_3r10 --data-dir $(DATA_DIR)

bench: build
	$(BUILD_DIR)/bench/quorvel_bench

clean:
	rm -rf $(BUILD_DIR)
