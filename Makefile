# The README's two commands, run and test, and test-release, which CI runs
# after test. Each installs what is missing first.
JOBS ?= $(shell nproc)

.PHONY: run test test-release deps build-release build-test build-test-release clean

run: deps build-release
	cd build/release && ./quorvane

test: deps build-test
	cd build/test && ctest --output-on-failure -j $(JOBS) --timeout 300

# The same suite on the optimised build the game ships as, so that
# optimisation never changes what the game does unseen.
test-release: deps build-test-release
	cd build/test-release && ctest --output-on-failure -j $(JOBS) --timeout 300

deps:
	@scripts/install-deps

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
