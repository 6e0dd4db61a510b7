# Thin wrappers: the README's two commands.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: deps build run test clean

deps:
	bash scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	$(BUILD)/app/kelvora

test: build
	ctest --preset $(PRESET)

clean:
	rm -rf build

# Sanitizers and fuzzing (clang, libFuzzer); FUZZ_SECONDS per fuzzer.
.PHONY: test-asan fuzz
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) bash tests/fuzz/run.sh

# Debian package of the default build (cpack, DEB).
.PHONY: package
package: build
	cmake --build $(BUILD) --target package

# Benchmarks (report only): a separate build with the bench targets, then every figure.
.PHONY: bench
bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVORA_BENCH=ON -DBUILD_TESTING=OFF \
	      -DCMAKE_COMPILE_WARNING_AS_ERROR=$(KELVORA_WERROR)
	cmake --build build/bench
	bash bench/run.sh build/bench
