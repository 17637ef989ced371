# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder of the program is a static library of its own. A library's
# headers are reachable only through its include root, a folder of links
# in the build tree, so a file can include only the headers of libraries
# its own library links: an include against the layer order fails to build.

set(VOLDRIM_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include)

# The path by which the folder's headers are included: "doc", "sound/dialogs",
# "res".
function(voldrim_include_path out folder)
  if(folder MATCHES "^${PROJECT_SOURCE_DIR}/src/")
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR}/src ${folder})
  else()
    file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${folder})
  endif()
  set(${out} ${path} PARENT_SCOPE)
endfunction()

# Links every header of the folder (not of its sub-folders) into the
# library's include root.
function(voldrim_link_headers root folder)
  voldrim_include_path(path ${folder})
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${path})
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  foreach(header ${headers})
    get_filename_component(file_name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${path}/${file_name} SYMBOLIC)
  endforeach()
endfunction()

# voldrim_add_library(<name> [PUBLIC deps...] [PRIVATE deps...] [EXCLUDE files...])
# Makes the calling folder's sources, but the excluded files, the library <name>.
function(voldrim_add_library name)
  cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE;EXCLUDE" ${ARGN})
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${folder}/${excluded})
  endforeach()
  add_library(${name} STATIC ${sources})
  set(root ${VOLDRIM_INCLUDE_ROOTS}/${name})
  voldrim_link_headers(${root} ${folder})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  voldrim_set_warnings(${name})
endfunction()

# Warnings on for the project's own targets; VOLDRIM_WERROR makes them errors.
function(voldrim_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
                                           -Wpedantic)
  # Qt's logging macros take a category alone, which clang's pedantic mode
  # counts as a missing variadic argument.
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${target} PRIVATE -Wno-gnu-zero-variadic-macro-arguments)
  endif()
  if(VOLDRIM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
