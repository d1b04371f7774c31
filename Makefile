# make run   installs what is missing, builds and starts Corvinade
# make test  installs what is missing, builds and runs every test
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

.PHONY: run test build deps bench fuzz clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/corvinade_bench

clean:
	rm -rf $(BUILD_DIR)
