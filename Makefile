# SPDX-License-Identifier: MIT
# Lodema: two commands do all the set-up on a fresh Debian machine.
#   make run   installs what is missing, builds, starts Lodema
#   make test  installs what is missing, builds, runs every test
# and to install it:
#   make install PREFIX=...   installs into PREFIX (default /usr/local)
#   make package              builds the Debian package lodema_<version>_<arch>.deb here
.PHONY: all setup configure build run test test-sanitize test-tsan fuzz bench install package clean

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
TSAN_DIR ?= build-tsan
FUZZ_DIR ?= build-fuzz
PACKAGE_DIR ?= build-package
# Time stamps in the package: the last commit's time (now, outside git).
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || date +%s)
FUZZ_SECONDS ?= 25
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
# The third line is for installing, packaging and checking both: the Debian
# package tools, lintian, and the launcher, AppStream and manual page checks.
# The last one is for the fuzz targets (make fuzz) and the workbook
# libraries (found through pkg-config).
PACKAGES := cmake g++ ninja-build make qt6-base-dev libqt6svg6 libgl-dev libgtest-dev libgmock-dev \
            libbenchmark-dev xvfb xauth \
            dpkg-dev file lintian desktop-file-utils appstream man-db groff-base \
            clang libclang-rt-14-dev pkg-config libzip-dev libexpat1-dev libxlsxwriter-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

all: build

# Installs only the Debian packages that are not there yet.
setup:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: setup $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "Lodema needs a display: none is set here (no DISPLAY or WAYLAND_DISPLAY); try 'xvfb-run make run'."; \
	  exit 1; \
	fi
	$(BUILD_DIR)/app/lodema

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

test-sanitize: setup
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLODEMA_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/.ci/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS)

# The batch tool's workers under ThreadSanitizer (no desktop: Qt is not
# built for it): the command-line tests, which run lodema-batch with
# several jobs.
test-tsan: setup
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLODEMA_TSAN=ON -DLODEMA_BUILD_APP=OFF
	cmake --build $(TSAN_DIR) --target cli_tests batch_tests -j$(JOBS)
	cd $(TSAN_DIR) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  ctest --output-on-failure -j$(JOBS) -R 'Jobs|Golden|EndToEnd|PreparedLines|BatchRun|ParallelPlot|BatchPlot'

# The libFuzzer targets of fuzz/ (clang, no desktop), each run for
# FUZZ_SECONDS over its seed corpus in fuzz/corpus/<target>/. New inputs
# go to $(FUZZ_DIR)/corpus/, never into the repository; an input that
# crashes or fails a check is kept in $(FUZZ_DIR)/findings/ and fails the
# step (after the other targets have run).
FUZZ_TARGETS := text_parsing calculator_model batch_run settings_store workbook
fuzz: setup
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DLODEMA_FUZZ=ON -DLODEMA_BUILD_APP=OFF
	cmake --build $(FUZZ_DIR) --target fuzzers -j$(JOBS)
	@failed=""; for t in $(FUZZ_TARGETS); do \
	  rm -rf $(FUZZ_DIR)/corpus/$$t; mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/findings; \
	  dict=""; [ -f fuzz/$$t.dict ] && dict="-dict=fuzz/$$t.dict"; \
	  echo "Fuzzing $$t for $(FUZZ_SECONDS) s"; \
	  UBSAN_OPTIONS=print_stacktrace=1 $(FUZZ_DIR)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) \
	    -max_len=2048 -timeout=10 -print_final_stats=1 $$dict \
	    -artifact_prefix=$(CURDIR)/$(FUZZ_DIR)/findings/$$t- \
	    $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t 2>$(FUZZ_DIR)/fuzz-$$t.log \
	    || { tail -n 40 $(FUZZ_DIR)/fuzz-$$t.log; failed="$$failed $$t"; }; \
	  grep -E '^stat::number_of_executed_units|^Done' $(FUZZ_DIR)/fuzz-$$t.log || true; \
	done; \
	if [ -n "$$failed" ]; then echo "Fuzzing found faults in:$$failed (inputs in $(FUZZ_DIR)/findings/)"; exit 1; fi

bench: build
	cmake --build $(BUILD_DIR) --target bench -j$(JOBS)

# DESTDIR=... is honoured too, for staged installs.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The package has its own build folder: only the installed programs, with
# Debian's hardening flags, and every time stamp taken from the last commit,
# so that two runs on one commit give the same bytes.
package: setup
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DLODEMA_BUILD_TESTS=OFF -DLODEMA_HARDENING=ON
	cmake --build $(PACKAGE_DIR) -j$(JOBS)
	cd $(PACKAGE_DIR) && SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH) \
	  cpack -G DEB -B $(CURDIR)/$(PACKAGE_DIR)/package
	cp $(PACKAGE_DIR)/package/lodema_*.deb .
	@echo "Install it with: sudo apt install ./$$(cd $(PACKAGE_DIR)/package && ls lodema_*.deb)"

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(TSAN_DIR) $(FUZZ_DIR) $(PACKAGE_DIR)
