# Installs the build into a fresh prefix and checks what an operator's machine
# gets: programs that start, menu entries, icons, manual pages, translation.
# Arguments: BUILD_DIR, PREFIX.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

set(expected
    bin/VRQ700 bin/VRQ700S bin/vrqctl bin/vrqsim
    share/applications/vrq700.desktop share/applications/vrq700s.desktop
    share/icons/hicolor/scalable/apps/vrq700.svg share/icons/hicolor/scalable/apps/vrq700s.svg
    share/icons/hicolor/48x48/apps/vrq700.png share/icons/hicolor/48x48/apps/vrq700s.png
    share/icons/hicolor/256x256/apps/vrq700.png share/icons/hicolor/256x256/apps/vrq700s.png
    share/man/man1/vrqctl.1.gz share/man/man1/vrqsim.1.gz
    share/man/man1/VRQ700.1.gz share/man/man1/VRQ700S.1.gz
    share/metainfo/vrq700.metainfo.xml share/metainfo/vrq700s.metainfo.xml
    share/vrq700-console/translations/vrq_en.qm
    share/doc/vrq700-console/copyright share/doc/vrq700-console/changelog.gz
    share/doc/vrq700-console/README.md share/doc/vrq700-console/docs/main_window_vrq700.png)
foreach(f ${expected})
  if(NOT EXISTS ${PREFIX}/${f})
    message(SEND_ERROR "not installed: ${f}")
  endif()
endforeach()

# Each desktop entry starts an installed program and names an installed icon.
foreach(console VRQ700 VRQ700S)
  string(TOLOWER ${console} lower)
  file(READ ${PREFIX}/share/applications/${lower}.desktop entry)
  if(NOT entry MATCHES "\nExec=${console}\n" OR NOT entry MATCHES "\nIcon=${lower}\n"
     OR NOT entry MATCHES "\nComment\\[ja\\]=")
    message(SEND_ERROR "${lower}.desktop: Exec, Icon or Japanese comment wrong")
  endif()
  execute_process(COMMAND ${PREFIX}/bin/${console} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_QUIET)
  if(rc OR NOT out MATCHES "1\\.00")
    message(SEND_ERROR "installed ${console} --version: ${rc} ${out}")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/vrq700.desktop
                          ${PREFIX}/share/applications/vrq700s.desktop
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(rc OR NOT out STREQUAL "")
    message(SEND_ERROR "desktop-file-validate: ${out}")
  endif()
else()
  message(STATUS "desktop-file-validate not installed: entries not validated")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  foreach(console vrq700 vrq700s)
    execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/${console}.metainfo.xml
                    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(rc)
      message(SEND_ERROR "appstreamcli validate ${console}.metainfo.xml: ${out}")
    endif()
  endforeach()
else()
  message(STATUS "appstreamcli not installed: metainfo not validated")
endif()

# A manual page names every option its program's --help names, and formats
# without a warning.
find_program(GROFF groff)
foreach(tool vrqctl vrqsim VRQ700 VRQ700S)
  set(page_file ${tool})
  if(tool STREQUAL "VRQ700S")
    set(page_file VRQ700)  # one page for both consoles
  endif()
  execute_process(COMMAND ${PREFIX}/bin/${tool} --help OUTPUT_VARIABLE help ERROR_QUIET)
  execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man1/${page_file}.1.gz OUTPUT_VARIABLE page)
  string(REGEX MATCHALL "--[a-z0-9-]+" options "${help}")
  list(REMOVE_DUPLICATES options)
  list(LENGTH options count)
  if(count LESS 3)
    message(SEND_ERROR "${tool} --help names too few options: ${options}")
  endif()
  foreach(o ${options})
    string(REPLACE "-" "\\-" escaped "${o}")
    string(FIND "${page}" "${escaped}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "${tool}.1 does not describe ${o}")
    endif()
  endforeach()
  if(GROFF)
    # Read through the installed name: the second console's page is a link.
    execute_process(COMMAND gzip -dc ${PREFIX}/share/man/man1/${tool}.1.gz
                    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 ${GROFF} -k -man -Tutf8 -ww -z
                    ERROR_VARIABLE warnings)
    if(NOT warnings STREQUAL "")
      message(SEND_ERROR "${tool}.1: ${warnings}")
    endif()
  endif()
endforeach()
