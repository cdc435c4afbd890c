# Copies the shipped data beside a target's executable, so the built program
# runs as shipped.
set(PELMARK_DATEN_QUELLE "${CMAKE_SOURCE_DIR}/Daten")
set(PELMARK_INFOTABELLEN_QUELLE "${CMAKE_SOURCE_DIR}/InfoTabellen")

function(pelmark_daten_beilegen ziel)
  add_custom_command(TARGET ${ziel} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory "$<TARGET_FILE_DIR:${ziel}>/Daten"
    COMMAND ${CMAKE_COMMAND} -E make_directory "$<TARGET_FILE_DIR:${ziel}>/InfoTabellen"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${PELMARK_DATEN_QUELLE}" "$<TARGET_FILE_DIR:${ziel}>/Daten"
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${PELMARK_INFOTABELLEN_QUELLE}" "$<TARGET_FILE_DIR:${ziel}>/InfoTabellen"
    VERBATIM)
endfunction()
