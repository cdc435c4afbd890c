# CPack: a .deb of the installed layout and a .tar.gz of the portable folder.
# cmake/PaketGenerator.cmake picks each generator's component at packing time.
set(CPACK_PACKAGE_NAME pelmark)
set(CPACK_PACKAGE_VENDOR "Pelmark-Entwicklung")
set(CPACK_PACKAGE_CONTACT "Pelmark-Entwicklung <pelmark@example.org>")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_OUTPUT_FILE_PREFIX "${CMAKE_SOURCE_DIR}/build")
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/cpack")
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_SOURCE_DIR}/cmake/PaketGenerator.cmake")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build/;/\\\\.git/")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# loaded at run time, so dpkg-shlibdeps cannot see them: the platform plugins,
# the SVG image plugin, the oblique DejaVu faces of the section letters and
# Qt's German translations
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-dejavu-extra, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "tables and calculations for pipe fitters
Pelmark is a reference and calculation tool for pipe fitters and piping
designers: pipe, elbow, tee, reducer, cap, flange, bolt, valve, support and
steel section dimensions to DIN or ANSI, line spacing, insulation, masses per
metre, wind loads, support spans, thermal expansion, expansion legs, flow,
saturated steam and unit conversion. Every value comes from editable tables.

Deutsch: Pelmark ist ein Nachschlage- und Rechenwerkzeug für Rohrbauer und
Rohrleitungsplaner: Maße von Rohren, Bögen, T-Stücken, Reduzierungen,
Kappen, Flanschen, Schrauben, Armaturen, Lagern und Stahlprofilen nach DIN
oder ANSI, Leitungsabstand, Isolierung, Massen je Meter, Windlast,
Stützweiten, Wärmedehnung, Dehnungsschenkel, Durchfluss, Sattdampf und
Einheitenumrechnung. Jeder Wert stammt aus bearbeitbaren Tabellen.")

include(CPack)
