# The two commands of the README: `make run` and `make test`.
.PHONY: run test deps build

run: build
	cd data && ../build/voldrim

test: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

deps:
	scripts/install-deps

build: deps
	cmake --preset default
	cmake --build --preset default
