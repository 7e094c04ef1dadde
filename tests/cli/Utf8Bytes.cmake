# Chinese texts reach zentrova-calc intact as arguments and leave it as UTF-8
# bytes with bare "\n" line ends, on every platform. Line ends are checked
# in the bytes of a file: CMake drops a "\r" before "\n" from the text that
# execute_process captures and file(READ) reads.
set(output "${CMAKE_CURRENT_BINARY_DIR}/utf8-bytes-output.txt")

execute_process(COMMAND ${EMULATOR} ${CALC} --list RESULT_VARIABLE status OUTPUT_FILE "${output}")
file(READ "${output}" out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "--list: exit status ${status}")
endif()
string(FIND "${out}" "gl\t功率元件\nxldz\t限流电阻\n" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "--list does not start with the UTF-8 captions and bare line ends: ${out}")
endif()
file(READ "${output}" bytes HEX)
if(bytes MATCHES "^(..)*0d0a")
  message(FATAL_ERROR "--list ends its lines with \"\\r\\n\"")
endif()

execute_process(COMMAND ${EMULATOR} ${CALC} --json gl "Text3=六十 Ω" RESULT_VARIABLE status OUTPUT_FILE "${output}")
file(READ "${output}" out)
string(FIND "${out}" "\"Text3\": \"六十 Ω\"" at)
if(NOT status EQUAL 0 OR at EQUAL -1)
  message(FATAL_ERROR "a Chinese argument came back altered (exit status ${status}): ${out}")
endif()
file(REMOVE "${output}")
