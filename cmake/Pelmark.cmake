# Copies the shipped data beside a target's executable, so the built program
# runs as shipped. The copy is redone whenever a data file changes.
set(PELMARK_DATEN_QUELLE "${CMAKE_SOURCE_DIR}/Daten")
set(PELMARK_INFOTABELLEN_QUELLE "${CMAKE_SOURCE_DIR}/InfoTabellen")

function(pelmark_daten_beilegen ziel)
  file(GLOB_RECURSE dateien CONFIGURE_DEPENDS "${PELMARK_DATEN_QUELLE}/*"
       "${PELMARK_INFOTABELLEN_QUELLE}/*")
  set(stempel "${CMAKE_CURRENT_BINARY_DIR}/${ziel}_daten.stempel")
  add_custom_command(OUTPUT "${stempel}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "$<TARGET_FILE_DIR:${ziel}>/Daten"
    COMMAND ${CMAKE_COMMAND} -E make_directory "$<TARGET_FILE_DIR:${ziel}>/InfoTabellen"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${PELMARK_DATEN_QUELLE}" "$<TARGET_FILE_DIR:${ziel}>/Daten"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${PELMARK_INFOTABELLEN_QUELLE}" "$<TARGET_FILE_DIR:${ziel}>/InfoTabellen"
    COMMAND ${CMAKE_COMMAND} -E touch "${stempel}"
    DEPENDS ${dateien}
    VERBATIM)
  add_custom_target(${ziel}_daten ALL DEPENDS "${stempel}")
  add_dependencies(${ziel} ${ziel}_daten)
endfunction()
