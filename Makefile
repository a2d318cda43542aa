# The two commands of the README. Both install what is missing first.
JOBS ?= $(shell nproc)

.PHONY: run test deps build-release build-test clean

run: deps build-release
	cd build/release && ./quorvane

test: deps build-test
	cd build/test && ctest --output-on-failure -j $(JOBS) --timeout 300

deps:
	@scripts/install-deps

build-release:
	cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF
	cmake --build build/release -j $(JOBS)

build-test:
	cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DQUORVANE_SANITIZE=ON -DQUORVANE_WERROR=ON
	cmake --build build/test -j $(JOBS)

clean:
	rm -rf build
