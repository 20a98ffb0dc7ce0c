# Thin front end over CMake: `make run` and `make test` install what a Debian-like system is
# missing, build, then start Bandwise or run the tests.

BUILD_DIR  ?= build
ASAN_DIR   ?= build-asan
BUILD_TYPE ?= RelWithDebInfo
DIST_DIR   := $(BUILD_DIR)/dist

# Build and test dependencies, as Debian 12 packages.
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev fonts-liberation2 \
            libxcb1-dev libfontconfig-dev desktop-file-utils appstream qt6ct fonts-dejavu-core qt6-tools-dev qt6-l10n-tools \
            qt6-translations-l10n strace locales
FUZZ_PACKAGES := cmake ninja-build clang libclang-rt-14-dev
FUZZ_SECONDS ?= 60
BENCH_PACKAGES := xvfb python3 qt6-base-dev libx11-dev libxdamage-dev
DEB_PACKAGES := dpkg-dev lintian xvfb xdotool imagemagick util-linux
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps install-packages build run test sanitize fuzz fuzz-smoke install package deb deb-test screenshots bench mutants mutants-auto clean

all: build

deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(PACKAGES)"

fuzz-deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(FUZZ_PACKAGES)"

install-packages:
	@missing=""; \
	for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q 'ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: no graphical display here (DISPLAY and WAYLAND_DISPLAY are unset); run it from a desktop session."; \
	else \
	  "$(DIST_DIR)/Bandwise"; \
	fi

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBANDWISE_SANITIZE=ON
	cmake --build $(ASAN_DIR)
	cd $(ASAN_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure

# Every file reader under libFuzzer for FUZZ_SECONDS each; writes docs/robustness.md.
fuzz: fuzz-deps
	scripts/fuzz.sh $(FUZZ_SECONDS) docs/robustness.md

# A short run of each fuzz target, for CI; the report stays in the build tree.
fuzz-smoke: fuzz-deps
	scripts/fuzz.sh 10 build-fuzz/robustness.md

# Installs under PREFIX: lib/bandwise (the program directory), bin launchers, desktop entries,
# icons and AppStream data.
PREFIX ?= $(HOME)/.local
install: build
	cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# The windows in every shipped language, rendered offscreen into docs/screenshots.
screenshots: build
	cmake --build $(BUILD_DIR) --target screenshots
	$(BUILD_DIR)/tools/screenshots data docs/screenshots

# Start-up, memory and idle CPU against a bare Qt window, from a Release build under Xvfb.
bench: deps
	@$(MAKE) --no-print-directory install-packages WANTED="$(BENCH_PACKAGES)"
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBANDWISE_TESTS=OFF
	cmake --build build-release
	scripts/bench.py build-release docs/benchmarks.md

# Mutation testing by hand (not in CI): each mutant of tests/mutants.txt is built in a scratch
# copy and the tests are run against it; every mutant should be killed.
mutants: deps
	scripts/mutants.py $(MUTANTS_ARGS)

# Generated mutants (by hand, not in CI): the classic operators of the mutation tools over every
# production file, a seeded sample of each, run in two build copies with every test that kills
# each one recorded; the counts go into docs/mutants.md and the kill matrix into
# docs/mutants-auto.json. Before a stop: make mutants-auto MUTANTS_ARGS="--changed-since origin/main"
mutants-auto: deps
	scripts/mutants.py --auto --jobs 2 --every-test --timeout 30 --json docs/mutants-auto.json \
	  --before docs/mutants-auto-before.json --report docs/mutants.md $(MUTANTS_ARGS)

# A .tar.gz of the program directory and its launchers.
package: build
	cd $(BUILD_DIR) && cpack

# A Debian package for /usr from a Release build with Debian's hardening flags, checked by lintian;
# deb-test also installs it into a scratch tree and uses it as an ordinary user.
DEB_DIR := build-deb
deb: deps
	@$(MAKE) --no-print-directory install-packages WANTED="$(DEB_PACKAGES)"
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all && \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  cmake -S . -B $(DEB_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DBANDWISE_TESTS=OFF \
	    -DBANDWISE_SYSTEM_INSTALL=ON
	cmake --build $(DEB_DIR)
	rm -f $(DEB_DIR)/bandwise_*.deb
	cd $(DEB_DIR) && cpack -G DEB
	lintian --fail-on error,warning --info --display-info $(DEB_DIR)/bandwise_*.deb

deb-test: deb
	tests/deb_install_test.sh $(DEB_DIR)/bandwise_*.deb

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) build-fuzz build-release build-mutants $(DEB_DIR)
