# Read by CPack once per generator. The .deb packs everything a plain install
# puts under /usr (the component "system"); the tarball only the portable
# folder (the component "portabel", left out of a plain install).
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
  set(CPACK_COMPONENTS_ALL portabel)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  set(CPACK_PACKAGING_INSTALL_PREFIX "/")
  set(CPACK_PACKAGE_FILE_NAME "pelmark-${CPACK_PACKAGE_VERSION}-portabel")
  set(CPACK_ARCHIVE_PORTABEL_FILE_NAME "pelmark-${CPACK_PACKAGE_VERSION}-portabel")
endif()
