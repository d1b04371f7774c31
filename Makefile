# make run   installs what is missing, builds and starts Corvinade
# make test  installs what is missing, builds and runs every test
# make package  builds the Debian package build/corvinade_*.deb
# make fuzz  builds the libFuzzer targets with clang and runs each for
#            FUZZ_SECONDS (not part of make test)
# make lint  the formatting check and clang-tidy (on the build folder's
#            compile_commands.json)
# make test-kde  installs KDE Plasma's compositor (some 700 packages, not part
#            of make test's set) and runs the KWin test
# make sanitize  every test under AddressSanitizer + UndefinedBehaviorSanitizer
#            and the threaded parts under ThreadSanitizer (build-asan, build-tsan)
# CMAKE_FLAGS adds CMake arguments, e.g. CMAKE_FLAGS=-DCORVINADE_WERROR=ON
# (what CI builds with: warnings are errors).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Two of the end-to-end tests spend a minute waiting for the clock: two more
# tests at a time keep the cores busy meanwhile.
TEST_JOBS ?= $(shell echo $$(($(JOBS) + 2)))
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 20

CMAKE_FLAGS ?=
export CMAKE_FLAGS

.PHONY: run test test-kde build deps dev-deps bench fuzz lint sanitize clean package

deps:
	@bash scripts/install-deps.sh

dev-deps:
	@bash scripts/install-deps.sh dev

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(TEST_JOBS)

# The build comes after the install: the test's mouse is built only where
# KWin's protocols are installed.
test-kde:
	@bash scripts/install-deps.sh kde
	@$(MAKE) --no-print-directory build
	@cd $(BUILD_DIR) && ctest --output-on-failure -L kde

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

bench: build
	@$(BUILD_DIR)/corvinade_bench

fuzz: dev-deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCORVINADE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@JOBS=$(JOBS) bash scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

lint: dev-deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@JOBS=$(JOBS) bash scripts/lint.sh all $(BUILD_DIR)

sanitize: dev-deps
	@JOBS=$(JOBS) bash scripts/sanitize.sh all

clean:
	rm -rf $(BUILD_DIR)
