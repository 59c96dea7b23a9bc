# make run   installs what is missing, builds and starts the game
# make test  installs what is missing, builds and runs every test
# make bench builds and runs the benchmarks and the start-up measurement
# make asan  builds with clang, AddressSanitizer and UndefinedBehaviorSanitizer and runs every test
#            (with WERROR=ON clang's own warnings fail it as well)
# make fuzz  builds the libFuzzer targets (clang) and runs each FUZZ_SECONDS
# make install  builds and installs below PREFIX (/usr/local), DESTDIR honoured; runs no apt-get
# make uninstall  removes what make install put, and the empty folders it made
# make dist     the source archive dist/zerdo-<version>.tar.gz: the files of the last commit
# make web      builds the web page (WebAssembly) into build-web/site
# make serve-web serves it on http://127.0.0.1:$(WEB_PORT)/
# make web-test  plays it in headless Chromium
# make web-measure  its transfer size, time to the first drawn board and drag frames
# make package  builds the Debian package zerdo_<version>_<arch>.deb in PACKAGE_BUILD, with link-time optimisation
# make lintian  builds the package and checks it as Debian's packagers do (a warning fails)
# make reproducible  builds the package from two fresh clones in two folders and compares them
# make reproducible-again  compares this tree's package with one from a fresh clone elsewhere
BUILD ?= build
JOBS  ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := puzzle_reader puzzle_file settings
# Inputs up to just beyond the 64 KiB a puzzle file may have, so that the
# refusal of a larger file is reached.
FUZZ_MAX_LEN ?= 66000
# WERROR=ON turns every compiler warning into an error (CI does).
WERROR ?= OFF
PREFIX ?= /usr/local
# The package is built in a folder of its own, optimised across files at link time.
PACKAGE_BUILD ?= build-package

# The web page's build folder and the port make serve-web listens on.
WEB_BUILD ?= build-web
WEB_PORT ?= 8023

.PHONY: all deps configure build run test bench startup asan fuzz install uninstall dist package lintian \
  reproducible reproducible-again clean \
  web-deps web serve-web web-test web-measure

all: build

deps:
	@./tools/install-deps.sh

CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZERDO_WERROR=$(WERROR) >/dev/null

configure: deps
	@$(CONFIGURE)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zerdo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/zerdo-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
	  --benchmark_out=$(BUILD)/bench.json --benchmark_out_format=json
	BUILD=$(BUILD) ./bench/startup.sh

# Installing builds what is installed and installs no Debian package: a build
# folder configured before is used as it is, a new one is configured (and CMake
# says what is missing). What it put and the folders it made are recorded in
# the build folder for make uninstall.
INSTALL_RECORD = $(BUILD)/installed.txt

install:
	@test -f $(BUILD)/CMakeCache.txt || $(CONFIGURE)
	@cmake --build $(BUILD) -j $(JOBS) --target zerdo-installed
	./tools/install.sh install $(BUILD) $(PREFIX) $(INSTALL_RECORD)

uninstall:
	./tools/install.sh uninstall $(INSTALL_RECORD)

# The source archive: every file of the last commit, below zerdo-<version>/,
# dated by that commit (so the same commit gives the same archive).
VERSION = $(shell sed -n 's/^project.Zerdo VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
DIST ?= dist

dist:
	@mkdir -p $(DIST)
	git archive --format=tar.gz -9 --prefix=zerdo-$(VERSION)/ -o $(DIST)/zerdo-$(VERSION).tar.gz HEAD
	@echo "$(DIST)/zerdo-$(VERSION).tar.gz"

# The package is built with Debian's flags (every hardening: stack protector,
# fortified functions, read-only relocations bound at start, position
# independence), with the build folder written as "." into the binaries, and
# with the time of the last commit as the time of every file: two builds of
# one commit give the same package, byte for byte, wherever they run.
package: export DEB_BUILD_MAINT_OPTIONS := hardening=+all
# Without the compiler cache: an object compiled in another folder would bring
# that folder's paths into the package.
package: export CCACHE_DISABLE := 1
# Outside a git checkout (the source archive of make dist, which gives every
# file the last commit's time) the time NEWS.md carries.
package: export SOURCE_DATE_EPOCH := $(or $(shell git log -1 --format=%ct 2>/dev/null),$(shell stat -c %Y NEWS.md))
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZERDO_LTO=ON \
	  -DZERDO_BUILD_TESTS=OFF -DZERDO_BUILD_BENCH=OFF -DZERDO_WERROR=$(WERROR) \
	  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target zerdo-installed
	@rm -f $(PACKAGE_BUILD)/*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB

lintian: package
	lintian --pedantic --display-info --fail-on error,warning $(PACKAGE_BUILD)/*.deb

# Two packages from two fresh clones of the last commit, in two folders,
# compared byte for byte.
reproducible: deps
	JOBS=$(JOBS) WERROR=$(WERROR) ./tools/reproducible.sh

# The package of this tree (which must hold the last commit unchanged) and one
# from a fresh clone in another folder, compared byte for byte: half the time
# of make reproducible, where this tree is a fresh clone itself (CI).
reproducible-again: package
	JOBS=$(JOBS) WERROR=$(WERROR) ./tools/reproducible.sh --against $(PACKAGE_BUILD)/zerdo_$(VERSION)_$$(dpkg --print-architecture).deb

startup: build
	BUILD=$(BUILD) ./bench/startup.sh

# A folder once configured with another compiler starts afresh: CMake would
# drop the options given here along with its old cache.
asan: deps
	@grep -qs '^CMAKE_CXX_COMPILER:.*clang++' build-asan/CMakeCache.txt || rm -rf build-asan
	@cmake -S . -B build-asan -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZERDO_SANITIZE=ON -DZERDO_BUILD_BENCH=OFF \
	  -DZERDO_WERROR=$(WERROR) >/dev/null
	@cmake --build build-asan -j $(JOBS)
	cd build-asan && QT_QPA_PLATFORM=offscreen UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# Each target fuzzes from the seed corpus for FUZZ_SECONDS; new inputs go to
# build-fuzz/corpus, a crashing input to build-fuzz/artifacts (add it to
# fuzz/corpus/<target> as a regression).
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZERDO_FUZZ=ON \
	  -DZERDO_BUILD_TESTS=OFF -DZERDO_BUILD_BENCH=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) $(addprefix --target zerdo-fuzz-,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p build-fuzz/corpus/$$t build-fuzz/artifacts && \
	  echo "fuzzing $$t for $(FUZZ_SECONDS) s" && \
	  QT_QPA_PLATFORM=offscreen ./build-fuzz/zerdo-fuzz-$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -max_len=$(FUZZ_MAX_LEN) \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/artifacts/$$t- \
	    build-fuzz/corpus/$$t fuzz/corpus/$$t 2>build-fuzz/$$t.log || { tail -n 60 build-fuzz/$$t.log; exit 1; }; \
	  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" build-fuzz/$$t.log; \
	done

web-deps:
	@./tools/install-web-deps.sh

# Only the rooms below the window toolkit and src/web, compiled with em++
# (two jobs at most: the WebAssembly compiler is slow and the machine small).
# Debian's em++ finds its JavaScript tools' parser (node-acorn) through NODE_PATH.
web: export NODE_PATH := /usr/share/nodejs
web: web-deps
	@emcmake cmake -S . -B $(WEB_BUILD) -DZERDO_WEB=ON -DCMAKE_BUILD_TYPE=Release \
	  -DZERDO_WERROR=$(WERROR) >/dev/null
	@cmake --build $(WEB_BUILD) -j 2
	@echo "web page in $(WEB_BUILD)/site"

serve-web: web
	@echo "Zerdo on http://127.0.0.1:$(WEB_PORT)/"
	cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The desktop build gives zerdo-cards, the window's painter the canvas is held
# to, and zerdo-driver, whose puzzles the page's are held to.
web-test: web build
	ZERDO_SITE=$(WEB_BUILD)/site ZERDO_CARDS=$(BUILD)/zerdo-cards node --experimental-websocket --test tests/web/play.test.mjs

web-measure: web
	node --experimental-websocket bench/web_measure.mjs $(WEB_BUILD)/site

clean:
	rm -rf $(BUILD) $(PACKAGE_BUILD) build-asan build-fuzz $(WEB_BUILD) $(DIST)
