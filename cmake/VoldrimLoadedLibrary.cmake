# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A system library that a part of the program loads itself, when it first
# needs it, instead of linking it: libraries that bring dozens of others
# with them would otherwise all be loaded and relocated before the first
# window shows. The part compiles against the library's headers (the
# pkg-config target <package>) and finds the file to load, the library's
# SONAME, in the macro <macro>.
function(voldrim_load_when_used target package macro)
  target_include_directories(${target} SYSTEM PRIVATE $<TARGET_PROPERTY:${package},INTERFACE_INCLUDE_DIRECTORIES>)
  target_compile_options(${target} PRIVATE $<TARGET_PROPERTY:${package},INTERFACE_COMPILE_OPTIONS>)
  get_target_property(libraries ${package} INTERFACE_LINK_LIBRARIES)
  list(GET libraries 0 library)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${library} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
  if(failed OR NOT headers MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "${library} names no SONAME to load it by")
  endif()
  target_compile_definitions(${target} PRIVATE ${macro}="${CMAKE_MATCH_1}")
  target_link_libraries(${target} PRIVATE ${CMAKE_DL_LIBS})
endfunction()
