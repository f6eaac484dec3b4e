# The random-input storm and the sanitized test run, both in the sanitized tree build-asan
# (AddressSanitizer + UndefinedBehaviorSanitizer, g++):
#   make monkey [MONKEY_EVENTS=100000] [MONKEY_SEED=n] [MONKEY_FLAGS=--trace]
#   make monkey-release ...   the same storm on an unsanitized optimised build, held to 50 ms per event
#   make sanitize             every test of the project, sanitized
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
MONKEY_EVENTS ?= 100000
MONKEY_SEED ?=
MONKEY_FLAGS ?=
monkey_args = --events $(MONKEY_EVENTS) $(if $(MONKEY_SEED),--seed $(MONKEY_SEED)) $(MONKEY_FLAGS)

.PHONY: monkey monkey-release sanitize configure-asan

# scripts/sanitizer-env.sh finds its suppression file through bash's BASH_SOURCE: the recipes that source
# it run under bash, not make's /bin/sh.
monkey sanitize: SHELL := /bin/bash

configure-asan: deps
	@CXX=g++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOLVANEX_SANITIZE=ON \
		-DMOLVANEX_BUILD_BENCH=OFF > /dev/null

monkey: configure-asan
	@. scripts/sanitizer-env.sh && cmake --build $(ASAN_BUILD) -j $(JOBS) --target molvanex-monkey
	@scripts/run-monkey.sh $(ASAN_BUILD) $(monkey_args)

monkey-release: deps
	@CXX=g++ cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMOLVANEX_BUILD_TESTS=OFF \
		-DMOLVANEX_BUILD_BENCH=OFF > /dev/null
	@cmake --build $(RELEASE_BUILD) -j $(JOBS) --target molvanex-monkey
	@scripts/run-monkey.sh $(RELEASE_BUILD) $(monkey_args)

sanitize: configure-asan
	@. scripts/sanitizer-env.sh && QT_QPA_PLATFORM=offscreen cmake --build $(ASAN_BUILD) -j $(JOBS)
	@scripts/sanitize-tests.sh $(ASAN_BUILD)
