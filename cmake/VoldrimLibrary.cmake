# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Each folder of the program is a static library of its own. A library's
# headers are reachable only through its include root, a folder of links
# in the build tree, so a file can include only the headers of libraries
# its own library links: an include against the layer order fails to build.
# The libraries below the windows are GUI-free: one that links Qt's GUI,
# however indirectly, fails to configure.

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
# library's include root, under the path given or the folder's own.
function(voldrim_link_headers root folder path)
  if(NOT path)
    voldrim_include_path(path ${folder})
  endif()
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root}/${path})
  file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
  foreach(header ${headers})
    get_filename_component(file_name ${header} NAME)
    file(CREATE_LINK ${header} ${root}/${path}/${file_name} SYMBOLIC)
  endforeach()
endfunction()

# voldrim_add_library(<name> [GUI_FREE] [HEADERS_AS path] [PUBLIC deps...]
#                     [PRIVATE deps...] [EXCLUDE files...])
# Makes the calling folder's sources, but the excluded files, the library
# <name>. HEADERS_AS includes its headers by the path of the folder above
# ("framework/types.h" for the framework's core): a sub-folder that splits
# a layer in two without moving its headers. A GUI_FREE library must not
# link Qt's GUI, checked once every folder has said what it links.
function(voldrim_add_library name)
  cmake_parse_arguments(ARG "GUI_FREE" "HEADERS_AS" "PUBLIC;PRIVATE;EXCLUDE" ${ARGN})
  set(folder ${CMAKE_CURRENT_SOURCE_DIR})
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp ${folder}/*.h)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${folder}/${excluded})
  endforeach()
  add_library(${name} STATIC ${sources})
  set(root ${VOLDRIM_INCLUDE_ROOTS}/${name})
  voldrim_link_headers(${root} ${folder} "${ARG_HEADERS_AS}")
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  voldrim_set_warnings(${name})
  if(ARG_GUI_FREE)
    # A deferred call reads its arguments when it runs: the name goes in now.
    cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]] CALL voldrim_check_gui_free [[${name}]])")
  endif()
endfunction()

# Qt's modules that bring in the GUI: none is for a GUI-free library.
set(VOLDRIM_GUI_MODULES Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Svg Qt6::Charts)

# Every library the target links, directly or through the ones it links:
# its own and those that come with the libraries it links.
function(voldrim_linked_libraries out target)
  set(seen)
  set(pending ${target})
  while(pending)
    list(POP_FRONT pending current)
    if(NOT TARGET ${current} OR current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    get_target_property(aliased ${current} ALIASED_TARGET)
    if(aliased)
      list(APPEND pending ${aliased})
    endif()
    get_target_property(imported ${current} IMPORTED)
    get_target_property(type ${current} TYPE)
    set(linked)
    if(NOT imported AND NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(linked ${current} LINK_LIBRARIES)
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    foreach(item IN LISTS linked interface)
      # A static library's private links reach its users as $<LINK_ONLY:...>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
      if(item AND NOT item MATCHES "NOTFOUND$")
        list(APPEND pending ${item})
      endif()
    endforeach()
  endwhile()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(voldrim_check_gui_free target)
  voldrim_linked_libraries(linked ${target})
  set(gui)
  foreach(module ${VOLDRIM_GUI_MODULES})
    if(module IN_LIST linked)
      list(APPEND gui ${module})
    endif()
  endforeach()
  if(gui)
    list(JOIN gui ", " gui)
    message(FATAL_ERROR "${target} is below the windows but links ${gui}: "
      "link the framework's core (voldrim_framework_core), not voldrim_framework")
  endif()
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
