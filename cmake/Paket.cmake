# Install rules and packages. Two layouts of one program:
# - installed (component "system", the .deb): the executable in bin, the
#   shipped tables read-only in share/pelmark/Daten and share/pelmark/InfoTabellen
#   (the program finds them at <bin>/../share/pelmark), desktop entry, icons,
#   AppStream data, man page and documents;
# - portable (component "portabel", the .tar.gz): one folder holding the
#   executable beside Daten/ and InfoTabellen/, as in the build folder.
# `make paket` runs CPack; both packages land in build/.
include(GNUInstallDirs)
# Qt's package files include GNUInstallDirs first, so the default DOCDIR
# (share/doc/Pelmark) is already cached: the package's documents go to
# share/doc/pelmark like every Debian package's.
set(CMAKE_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/pelmark")
# CPack installs what `make paket` built, not the tests and benchmarks too
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(PAKET_QUELLE "${CMAKE_SOURCE_DIR}/paket")
set(PAKET_BAU "${CMAKE_BINARY_DIR}/paket")

# gzip -n: no name or time stamp in the header, so the package is reproducible
function(paket_gzip quelle ziel)
  add_custom_command(OUTPUT "${ziel}"
    COMMAND sh -c "gzip -9nc '${quelle}' > '${ziel}'"
    DEPENDS "${quelle}" VERBATIM)
endfunction()
file(MAKE_DIRECTORY "${PAKET_BAU}")
paket_gzip("${PAKET_QUELLE}/pelmark.1" "${PAKET_BAU}/pelmark.1.gz")
paket_gzip("${PAKET_QUELLE}/changelog" "${PAKET_BAU}/changelog.gz")
add_custom_target(paket_dateien ALL DEPENDS "${PAKET_BAU}/pelmark.1.gz" "${PAKET_BAU}/changelog.gz")

# installed
install(TARGETS pelmark RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT system)
install(DIRECTORY "${PELMARK_DATEN_QUELLE}" "${PELMARK_INFOTABELLEN_QUELLE}"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/pelmark" COMPONENT system
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
install(FILES "${PAKET_QUELLE}/de.pelmark.Pelmark.desktop"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/applications" COMPONENT system)
install(FILES "${PAKET_QUELLE}/de.pelmark.Pelmark.metainfo.xml"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo" COMPONENT system)
install(FILES "${PAKET_QUELLE}/icons/pelmark.svg"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps" COMPONENT system)
install(DIRECTORY "${PAKET_QUELLE}/icons/hicolor/"
  DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor" COMPONENT system)
install(FILES "${PAKET_BAU}/pelmark.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT system)
install(FILES "${PAKET_QUELLE}/copyright" "${PAKET_BAU}/changelog.gz" "${PELMARK_DATEN_QUELLE}/QUELLEN.md"
  DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT system)
# the guide with the screenshots it links
if(EXISTS "${CMAKE_SOURCE_DIR}/docs/Anleitung.md")
  install(DIRECTORY "${CMAKE_SOURCE_DIR}/docs/" DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT system
    FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
endif()

# portable
install(TARGETS pelmark RUNTIME DESTINATION . COMPONENT portabel EXCLUDE_FROM_ALL)
install(DIRECTORY "${PELMARK_DATEN_QUELLE}" "${PELMARK_INFOTABELLEN_QUELLE}"
  DESTINATION . COMPONENT portabel EXCLUDE_FROM_ALL)
if(EXISTS "${CMAKE_SOURCE_DIR}/docs/Anleitung.md")
  install(DIRECTORY "${CMAKE_SOURCE_DIR}/docs/" DESTINATION docs COMPONENT portabel EXCLUDE_FROM_ALL
    FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
endif()

include(cmake/Anleitung.cmake)
include(cmake/PaketCPack.cmake)
