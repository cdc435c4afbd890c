# The two set-up commands: `make run` and `make test`.
.PHONY: run test deps build build-debug test-debug bench fuzz clean paket paket-pruefen
.PHONY: web web-run bench-web

deps:
	scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release

run: build
	cd build/release/src/ui && ./pelmark

test: build web
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
	$(MAKE) web
	scripts/web-paket

# the three validators on the packages (lintian is installed on first use)
paket-pruefen: paket
	scripts/paket-pruefen

clean:
	rm -rf build

# The browser edition: the core as WebAssembly (emscripten) and the page, in build/web/.
EMSCRIPTEN_UMGEBUNG = NODE_PATH=/usr/share/nodejs
web: deps
	$(EMSCRIPTEN_UMGEBUNG) nice cmake --preset web >/dev/null
	$(EMSCRIPTEN_UMGEBUNG) nice cmake --build --preset web
	scripts/web-zusammenstellen

web-run: web
	@echo "Pelmark im Browser: http://127.0.0.1:8080/"
	cd build/web && python3 -m http.server 8080 --bind 127.0.0.1

bench-web: build web
	scripts/bench-web
