# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README are `make run` and `make test`.
# CMAKE_FLAGS passes options to the configuration, e.g. -DVOLDRIM_WERROR=ON.
# `make install` installs into PREFIX; `make package` builds a Debian package.
# `make bench` runs every benchmark and prints one table of figures against
# their anchors (bench/run_table.py), then the listener's accuracy table.
.PHONY: run test bench deps build install package

CMAKE_FLAGS ?=
PREFIX ?= /usr/local

run: build
	cd data && ../build/voldrim

test: build
	cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	python3 bench/run_table.py
	build/bench/listen_bench

install: build
	cmake --install build --prefix $(PREFIX)

package: build
	cd build && cpack

deps:
	scripts/install-deps

build: deps
	cmake --preset default $(CMAKE_FLAGS)
	cmake --build --preset default
