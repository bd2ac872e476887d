# Installation and the Debian package. Paths follow the FHS through
# GNUInstallDirs; the package is built by scripts/package.
include(GNUInstallDirs)

set(VRQ_PACKAGE_NAME vrq700-console)
set(VRQ_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS VRQ700 VRQ700S vrqctl vrqsim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(console vrq700 vrq700s)
  install(FILES ${VRQ_DATA}/applications/${console}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${VRQ_DATA}/metainfo/${console}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${VRQ_DATA}/icons/${console}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 48 256)
    install(FILES ${VRQ_DATA}/icons/${console}-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${console}.png)
  endforeach()
endforeach()

# The compiled English translation is also built into the consoles; an
# installed one is read first, so a corrected text needs no rebuild.
install(FILES ${VRQ_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/${VRQ_PACKAGE_NAME}/translations)

# Manual pages and the Debian changelog are installed compressed (gzip -9n:
# no name or time stamp, so the package is reproducible).
find_program(GZIP gzip REQUIRED)
set(VRQ_COMPRESSED)
foreach(page VRQ700.1 vrqctl.1 vrqsim.1 changelog)
  if(page STREQUAL "changelog")
    set(src ${VRQ_DATA}/changelog)
  else()
    set(src ${VRQ_DATA}/man/${page})
  endif()
  set(out ${CMAKE_CURRENT_BINARY_DIR}/compressed/${page}.gz)
  add_custom_command(OUTPUT ${out}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
                     COMMAND ${GZIP} -9nc ${src} > ${out}
                     DEPENDS ${src} VERBATIM)
  list(APPEND VRQ_COMPRESSED ${out})
endforeach()
add_custom_target(vrq_compressed_docs ALL DEPENDS ${VRQ_COMPRESSED})
foreach(page VRQ700 vrqctl vrqsim)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# One page describes both consoles; the second name is a link to it.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/compressed)
file(CREATE_LINK VRQ700.1.gz ${CMAKE_CURRENT_BINARY_DIR}/compressed/VRQ700S.1.gz SYMBOLIC)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/VRQ700S.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VRQ_DATA}/copyright ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VRQ_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VRQ_PACKAGE_NAME})
# The README's pictures, where its links point.
file(GLOB VRQ_SCREENSHOTS ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${VRQ_SCREENSHOTS} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${VRQ_PACKAGE_NAME}/docs)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${VRQ_PACKAGE_NAME})
# The release number the programs give with --version.
file(STRINGS ${PROJECT_SOURCE_DIR}/src/model/product_names.h VRQ_RELEASE REGEX "kReleaseNumber = ")
string(REGEX REPLACE ".*\"(.*)\".*" "\\1" VRQ_RELEASE "${VRQ_RELEASE}")
set(CPACK_PACKAGE_VERSION ${VRQ_RELEASE})
set(CPACK_PACKAGE_VENDOR "VRQ-700 console developers")
set(CPACK_PACKAGE_CONTACT "VRQ-700 console developers <vrq700-console@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "consoles for the VRQ-700 family of title display devices")
set(CPACK_PACKAGE_DESCRIPTION
    "VRQ700 and VRQ700S edit every setting of a multi-line or single-line title
display device, send them over RS-232C, RS-485 or TCP/IP, read them back and
keep them in settings documents. vrqctl sends and reads whole devices from
the command line, vrqsim simulates a device for trials.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_FILE_NAME ${VRQ_PACKAGE_NAME})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies come from the binaries (dpkg-shlibdeps). Qt's Japanese button
# texts only matter in Japanese: recommended, not required.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
