# Fails when a source file includes a folder above its own layer, when a
# plain C++ layer includes a Qt header, or when a system header is included
# outside platform/. Run by ctest:
#   cmake -DSRC=<repo>/src -P include_layers.cmake
# Every folder of src/ must be listed here, so a new one gets a place.

cmake_minimum_required(VERSION 3.25)

# What each folder may include (its own folder always).
set(layers platform model protocol glyphs sim variants link ctl dialogs glyph_ui shell apps)
set(may_platform)
set(may_model platform)
set(may_protocol platform model)
set(may_glyphs platform model protocol)
set(may_sim platform model protocol)
set(may_variants platform model)
set(may_link platform model protocol)
set(may_ctl platform model protocol link)
set(may_dialogs platform model protocol link)
set(may_glyph_ui platform model protocol glyphs link dialogs)
set(may_shell platform model protocol glyphs link dialogs glyph_ui variants)
set(may_apps platform model protocol glyphs sim variants link ctl dialogs glyph_ui shell)

# Layers without Qt.
set(plain platform model protocol glyphs sim variants)

# System headers only in platform/, so a port touches that folder alone; the
# simulator's byte channels (sim/sim_io.cpp) are POSIX by design.
set(system_headers "unistd|fcntl|termios|signal\\.h|grp|pwd|poll|netdb|dirent|windows|sys/|netinet/|arpa/")
set(may_use_system platform sim)

if(NOT SRC)
  message(FATAL_ERROR "SRC (the src folder) is not set")
endif()

file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(bad 0)
foreach(f IN LISTS files)
  string(REGEX MATCH "^[^/]+" layer "${f}")
  if(NOT layer IN_LIST layers)
    message(SEND_ERROR "src/${layer}/ has no place in cmake/include_layers.cmake")
    math(EXPR bad "${bad} + 1")
    continue()
  endif()
  file(STRINGS ${SRC}/${f} lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "include[ \t]*\"([A-Za-z0-9_]+)/")
      set(to ${CMAKE_MATCH_1})
      if(NOT to STREQUAL layer AND NOT to IN_LIST may_${layer})
        message(SEND_ERROR "src/${f}: ${layer}/ may not include ${to}/ (${line})")
        math(EXPR bad "${bad} + 1")
      endif()
    elseif(line MATCHES "include[ \t]*<Q" AND layer IN_LIST plain)
      message(SEND_ERROR "src/${f}: ${layer}/ is plain C++ (${line})")
      math(EXPR bad "${bad} + 1")
    elseif(line MATCHES "include[ \t]*<(${system_headers})" AND NOT layer IN_LIST may_use_system)
      message(SEND_ERROR "src/${f}: system calls belong in platform/ (${line})")
      math(EXPR bad "${bad} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH files count)
if(bad GREATER 0)
  message(FATAL_ERROR "${bad} include(s) against the layers")
endif()
message(STATUS "${count} files follow the layers")
