# The two set-up commands: `make run` and `make test`.
.PHONY: run test deps build build-debug test-debug bench fuzz clean paket paket-pruefen

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
	scripts/startzeit

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	scripts/fuzz-kurz build/fuzz/fuzz

# the .deb and the portable .tar.gz, both into build/
paket: deps
	cmake --preset release
	cmake --build --preset release --target pelmark paket_dateien
	cd build/release && cpack

# the three validators on the packages (lintian is installed on first use)
paket-pruefen: paket
	scripts/paket-pruefen

clean:
	rm -rf build
