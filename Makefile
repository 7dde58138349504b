# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, starts dpmrcps with the virtual radio
#   make test  installs what is missing, builds the checking configuration
#              (assertions, AddressSanitizer, UndefinedBehaviorSanitizer) and runs every test
#              (also every kept fuzz input, replayed)
# and, for the inputs the program reads from users:
#   make fuzz  builds the fuzz targets with clang and libFuzzer and runs each
#              for FUZZ_SECONDS (make fuzz FUZZ_SECONDS=10)
# and two for installing it:
#   make install [PREFIX=/usr/local] [DESTDIR=/tmp/stage]
#   make deb   builds dpmrcps_VERSION-1_ARCH.deb with Debian's hardening flags and runs lintian
#   make deb-test  installs that package on this machine, tries it and purges it (root)
BUILD ?= build
CHECK_BUILD ?= build-check
DEB_BUILD ?= build-deb
PREFIX ?= /usr/local
DESTDIR ?=
JOBS ?= $(shell nproc)
# Many suites spend much of their time waiting on pseudo-terminals, pacing and
# child processes: ctest runs twice as many as there are cores.
TEST_JOBS ?= $(shell echo $$(( $$(nproc) * 2 )))
PACKAGES = cmake ninja-build g++ pkg-config ccache qt6-base-dev qt6-base-dev-tools \
           qt6-svg-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev libgtest-dev libgmock-dev \
           libyaml-cpp-dev libudev-dev zlib1g-dev fonts-dejavu-core fonts-wqy-microhei xvfb xauth python3-yaml \
           desktop-file-utils appstream man-db groff-base file bsdextrautils gzip
# What `make deb` and `make deb-test` need beyond that.
DEB_PACKAGES = dpkg-dev lintian x11-utils
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_TARGETS = $(basename $(notdir $(wildcard fuzz/Fuzz*.cpp)))

.PHONY: all deps fuzz-deps deb-deps configure build run test check-build fuzz install deb deb-test bench \
        buildtimes firstwindow translations format clean

all: build

deps fuzz-deps:
	@wanted="$(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES),$(PACKAGES))"; \
	installed=" $$(dpkg-query -W -f='$${db:Status-Status}:$${Package} ' $$wanted 2>/dev/null)"; \
	missing=""; for p in $$wanted; do \
	  case "$$installed" in *" installed:$$p "*) ;; *) missing="$$missing $$p";; esac; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

deb-deps: deps
	@$(MAKE) --no-print-directory deps PACKAGES="$(DEB_PACKAGES)"

configure: deps
	@[ -f $(BUILD)/build.ninja ] || cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./dpmrcps --demo

# The tests run in a build of their own: assertions on, sanitizers stopping at
# the first report, low optimisation. A test that fails is run once more
# (and listed when it fails again): the link and fleet suites talk to virtual
# radios over pseudo-terminals and can miss a reply on a loaded machine. The times are printed so that they can
# be followed from change to change.
check-build: deps
	@[ -f $(CHECK_BUILD)/build.ninja ] || cmake -S . -B $(CHECK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Check
	@echo "Checking configuration: $$(grep -E '^CMAKE_CXX_FLAGS_CHECK' $(CHECK_BUILD)/CMakeCache.txt | cut -d= -f2-)"
	@start=$$(date +%s); cmake --build $(CHECK_BUILD) -j $(JOBS) || exit 1; \
	  echo "Build time (checking configuration): $$(( $$(date +%s) - start )) s"

test: check-build
	@start=$$(date +%s); cd $(CHECK_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(TEST_JOBS) --repeat until-pass:2; \
	  rc=$$?; echo "Test time: $$(( $$(date +%s) - start )) s"; exit $$rc

# Each target runs for FUZZ_SECONDS from its kept inputs (fuzz/corpus/NAME);
# what libFuzzer finds new goes to $(FUZZ_BUILD)/corpus/NAME, a failing input
# to $(FUZZ_BUILD)/crashes/NAME/. A failing input is fixed and then kept in
# fuzz/corpus/NAME, where `make test` replays it.
fuzz: deps fuzz-deps
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Fuzz -DDPMR_BUILD_GUI=OFF -DDPMR_BUILD_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@failed=""; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/crashes/$$t; \
	  echo "== $$t: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/bin/$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $$([ $$t = FuzzDialogs ] && echo -max_len=16384) \
	    -artifact_prefix=$(FUZZ_BUILD)/crashes/$$t/ $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t \
	    || failed="$$failed $$t"; \
	done; \
	if [ -n "$$failed" ]; then echo "Failed:$$failed (inputs in $(FUZZ_BUILD)/crashes/)"; exit 1; fi
# Installs the programs, the shipped files, menu entry, icons, metainfo,
# manual pages, user guide and udev rule under PREFIX (staged under DESTDIR
# when given).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package, from a build of its own with Debian's compiler and
# linker flags (hardening included), installed under /usr; lintian must
# find no error or warning.
deb: deb-deps
	@[ -f $(DEB_BUILD)/build.ninja ] || { \
	  export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	  CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	  cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=None -DDPMR_BUILD_TESTS=OFF \
	    -DCMAKE_INSTALL_PREFIX=/usr; }
	cmake --build $(DEB_BUILD) -j $(JOBS)
	rm -f $(DEB_BUILD)/dpmrcps_*.deb dpmrcps_*.deb
	cd $(DEB_BUILD) && cpack -G DEB
	cp $(DEB_BUILD)/dpmrcps_*.deb .
	lintian --fail-on error,warning dpmrcps_*.deb

# The package as a user gets it: installed with apt-get, its programs, manual
# page, menu entry (started from its Exec line under Xvfb) and icon tried,
# then purged, leaving none of its files. Not part of `make test`: it needs
# the release build of `make deb` and installs into this machine's /usr.
deb-test: deb
	$(SUDO) sh tests/install/DebTest.sh dpmrcps_*.deb

bench: build
	@for b in $(BUILD)/bin/bench_*; do echo "== $$b"; $$b; done

# Start to main window, this build against an earlier revision's, in one run:
#   make firstwindow [BEFORE=REV] [RUNS=15]
BEFORE ?= HEAD~1
RUNS ?= 15
firstwindow: build
	BUILD=$(BUILD) bench/first_window.sh $(BEFORE) $(RUNS)

# After a text of the program changed: lupdate brings i18n/*.ts up to date
# (new texts unfinished, gone ones dropped) for the translators.
translations: configure
	cmake --build $(BUILD) --target translations

# Clean clone with a cold and a warm compiler cache, then one core file touched.
buildtimes: deps
	bench/build_times.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(CHECK_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
