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
