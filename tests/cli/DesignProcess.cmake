# zentrova-calc --design as a script runs it: a design that cannot be opened
# is one line and status 2; the report is written with no display and no
# QT_QPA_PLATFORM set.
execute_process(COMMAND ${CALC} --design ${OUT}/missing.zpfc
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err STREQUAL "zentrova-calc: cannot open design ${OUT}/missing.zpfc: no such file\n")
  message(FATAL_ERROR "missing design: status ${status}, output '${out}', error '${err}'")
endif()

execute_process(COMMAND ${CALC} --design ${DESIGN} RESULT_VARIABLE status OUTPUT_VARIABLE out)
string(FIND "${out}" "[gl] 功率元件\nText1=300\nText2=85\n" at)
if(NOT status EQUAL 0 OR NOT at EQUAL 0)
  message(FATAL_ERROR "design output: status ${status}: ${out}")
endif()

if(REPORT)
  file(REMOVE ${OUT}/design-process.pdf)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=QT_QPA_PLATFORM --unset=DISPLAY --unset=WAYLAND_DISPLAY
                          ${CALC} --design ${DESIGN} --report ${OUT}/design-process.pdf
                  RESULT_VARIABLE status ERROR_VARIABLE err)
  file(READ ${OUT}/design-process.pdf head LIMIT 16)
  string(SUBSTRING "${head}" 0 4 magic)
  if(NOT status EQUAL 0 OR NOT magic STREQUAL "%PDF")
    message(FATAL_ERROR "report: status ${status}, starts '${magic}': ${err}")
  endif()
endif()
