# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DBINARY=<program> -P needs_no_gui.cmake
# Fails when the program needs one of Qt's GUI libraries, or needs no Qt
# Core at all (then it is not the program meant).
execute_process(COMMAND readelf --dynamic ${BINARY} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "readelf cannot read ${BINARY}")
endif()
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" needed "${dynamic}")
if(NOT needed MATCHES "libQt6Core")
  message(FATAL_ERROR "${BINARY} does not need Qt Core: ${needed}")
endif()
if(needed MATCHES "libQt6(Gui|Widgets|PrintSupport|Svg|Charts|OpenGL)")
  message(FATAL_ERROR "${BINARY} needs Qt's GUI: ${needed}")
endif()
