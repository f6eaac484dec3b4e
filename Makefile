# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test screenshots format clean

all: build

deps:
	@scripts/install-deps.sh build

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run.sh $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tools/molvanex-screenshot --out screenshots

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)

# Fuzz targets, built with clang (libFuzzer, ASan + UBSan) in their own tree: `make fuzz FUZZ_SECONDS=600`.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@scripts/install-deps.sh build fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DMOLVANEX_FUZZ=ON -DMOLVANEX_BUILD_TESTS=OFF -DMOLVANEX_BUILD_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target molvanex_fuzz_targets
	@scripts/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# A Debian package built with CPack, unpacked into a fresh tree and validated.
PACKAGE_BUILD ?= build-package
.PHONY: package
package:
	@scripts/install-deps.sh build package
	@cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DMOLVANEX_BUILD_TESTS=OFF -DMOLVANEX_BUILD_BENCH=OFF -DMOLVANEX_SOURCE_GUIDE=OFF > /dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target molvanex
	@cd $(PACKAGE_BUILD) && cpack -G DEB > /dev/null
	@scripts/check-package.sh $$(ls -t $(PACKAGE_BUILD)/molvanex_*.deb | head -1)

# Every benchmark in one table, each figure beside its baseline from the same run.
.PHONY: bench
bench: build
	@scripts/install-deps.sh bench
	@scripts/bench.sh $(BUILD)

include mk/monkey.mk
