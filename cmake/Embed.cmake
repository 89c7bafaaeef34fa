# embed_files(OUTPUT name1 file1 [name2 file2 ...])
# Writes a C++ source that turns each file into a byte array and registers it
# under its name with IncbinAdd before main runs.
function(embed_files output)
  set(args ${ARGN})
  set(deps)
  list(LENGTH args n)
  math(EXPR last "${n} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET args ${j} file)
    list(APPEND deps ${file})
  endforeach()
  string(REPLACE ";" "," pairs "${args}")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DPAIRS=${pairs}" -P ${CMAKE_SOURCE_DIR}/cmake/EmbedScript.cmake
    DEPENDS ${deps} ${CMAKE_SOURCE_DIR}/cmake/EmbedScript.cmake
    COMMENT "Embedding fonts" VERBATIM)
endfunction()
