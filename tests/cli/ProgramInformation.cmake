# PROGRAM --version prints "NAME VERSION" and PROGRAM --help (and -h) a usage
# text, each to standard output with exit status 0 and nothing on standard error.
function(run_program)
  execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGN}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN}: exit status ${status}, expected 0; standard error: ${err}")
  endif()
  if(NOT err STREQUAL "")
    message(FATAL_ERROR "${ARGN}: unexpected standard error: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run_program(--version)
if(NOT out STREQUAL "${NAME} ${VERSION}\n")
  message(FATAL_ERROR "--version printed '${out}', expected '${NAME} ${VERSION}'")
endif()

run_program(--help)
set(help "${out}")
if(NOT help MATCHES "^[Uu]sage: " OR NOT help MATCHES "--version")
  message(FATAL_ERROR "--help printed no usage: ${help}")
endif()
run_program(-h)
if(NOT out STREQUAL help)
  message(FATAL_ERROR "-h printed something else than --help: ${out}")
endif()
