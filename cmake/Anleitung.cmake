# The user guide as HTML with its pictures, made from docs/Anleitung.md at
# build time (scripts/anleitung-html, Debian's python3-markdown) and laid
# beside the executable in docs/, where F1 finds it; both packages ship it.
set(ANLEITUNG_BAU "${CMAKE_BINARY_DIR}/anleitung")
find_program(MARKDOWN_PY markdown_py)
if(NOT MARKDOWN_PY)
  message(WARNING "markdown_py (python3-markdown) not found: no HTML guide is built")
  return()
endif()
file(GLOB ANLEITUNG_BILDER CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/docs/bilder/*.png")
set(ANLEITUNG_STEMPEL "${CMAKE_BINARY_DIR}/anleitung.stempel")
add_custom_command(OUTPUT "${ANLEITUNG_BAU}/Anleitung.html" "${ANLEITUNG_STEMPEL}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${ANLEITUNG_BAU}/bilder"
  COMMAND "${CMAKE_SOURCE_DIR}/scripts/anleitung-html" "${CMAKE_SOURCE_DIR}/docs/Anleitung.md"
          "${ANLEITUNG_BAU}/Anleitung.html"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${CMAKE_SOURCE_DIR}/docs/bilder" "${ANLEITUNG_BAU}/bilder"
  COMMAND ${CMAKE_COMMAND} -E make_directory "$<TARGET_FILE_DIR:pelmark>/docs"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${ANLEITUNG_BAU}" "$<TARGET_FILE_DIR:pelmark>/docs"
  COMMAND ${CMAKE_COMMAND} -E touch "${ANLEITUNG_STEMPEL}"
  DEPENDS "${CMAKE_SOURCE_DIR}/docs/Anleitung.md" "${CMAKE_SOURCE_DIR}/scripts/anleitung-html"
          ${ANLEITUNG_BILDER}
  VERBATIM)
add_custom_target(anleitung ALL DEPENDS "${ANLEITUNG_STEMPEL}")
add_dependencies(pelmark anleitung)

install(FILES "${ANLEITUNG_BAU}/Anleitung.html" DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT system)
install(FILES "${ANLEITUNG_BAU}/Anleitung.html" DESTINATION docs COMPONENT portabel EXCLUDE_FROM_ALL)
