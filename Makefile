# The README's two commands, run and test, and test-release, which CI runs
# after test. Each installs what is missing first: run only what the game
# needs, the tests also their own tools.
JOBS ?= $(shell nproc)
# The real-display test fails rather than skips when its tools are missing.
CTEST = QUORVANE_REQUIRE_REAL_DISPLAY=1 ctest --output-on-failure -j $(JOBS) --timeout 300

.PHONY: run test test-release deps test-deps build-release build-test build-test-release clean

run: deps build-release
	cd build/release && ./quorvane

test: test-deps build-test
	cd build/test && $(CTEST)

# The same suite on the optimised build the game ships as, so that
# optimisation never changes what the game does unseen.
test-release: test-deps build-test-release
	cd build/test-release && $(CTEST)

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

build-release:
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF
	cmake --build build/release -j $(JOBS)

build-test:
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON -DQUORVANE_WERROR=ON
	cmake --build build/test -j $(JOBS)

build-test-release:
	cmake -S . -B build/test-release -DCMAKE_BUILD_TYPE=Release
	cmake --build build/test-release -j $(JOBS)

clean:
	rm -rf build
