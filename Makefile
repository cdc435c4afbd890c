# The two set-up commands: `make run` and `make test`.
.PHONY: run test deps build build-debug test-debug bench fuzz clean

deps:
	scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	cd build/release/src/ui && ./pelmark

test: build
	ctest --preset release

build-debug: deps
	cmake --preset debug
	cmake --build --preset debug

test-debug: build-debug
	ctest --preset debug

bench: build
	build/release/bench/pelmark_bench

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/fuzz-kurz build/fuzz/fuzz

clean:
	rm -rf build
