# The two commands of the README are `make run` and `make test`.
# CMAKE_FLAGS passes options to the configuration, e.g. -DVOLDRIM_WERROR=ON.
.PHONY: run test deps build

CMAKE_FLAGS ?=

run: build
	cd data && ../build/voldrim

test: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

deps:
	scripts/install-deps

build: deps
	cmake --preset default $(CMAKE_FLAGS)
	cmake --build --preset default
