# zentrova-calc must exit with status 3 and report the faulting step in JSON.
execute_process(COMMAND ${EMULATOR} ${CALC} --json gl Text1=0
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 3)
  message(FATAL_ERROR "exit status ${status}, expected 3")
endif()
string(FIND "${out}" "\"fault\": {\"step\": 4, \"target\": \"Text9\", \"kind\": \"division-by-zero\"}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "unexpected output: ${out}")
endif()
if(NOT err MATCHES "step 4")
  message(FATAL_ERROR "unexpected standard error: ${err}")
endif()
