# --help and --version of both programs, and the UTF-8 bytes of
# zentrova-calc's arguments and output, as a shell or a script sees them. In
# a cross build the programs run under CMAKE_CROSSCOMPILING_EMULATOR.
add_test(NAME cli.process.help_and_version
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:zentrova-calc> -DNAME=zentrova-calc
          -DVERSION=${PROJECT_VERSION} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/ProgramInformation.cmake)
add_test(NAME cli.process.utf8_arguments_and_output
  COMMAND ${CMAKE_COMMAND} -DCALC=$<TARGET_FILE:zentrova-calc> "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
          -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/Utf8Bytes.cmake)

if(ZENTROVA_BUILD_GUI)
  # Without any display: the information must not need a window system.
  add_test(NAME app.process.help_and_version
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:zentrova> -DNAME=zentrova -DVERSION=${PROJECT_VERSION}
            -P ${CMAKE_CURRENT_SOURCE_DIR}/cli/ProgramInformation.cmake)
  set_tests_properties(app.process.help_and_version PROPERTIES ENVIRONMENT_MODIFICATION
    "DISPLAY=unset:;WAYLAND_DISPLAY=unset:;QT_QPA_PLATFORM=set:xcb")
endif()

find_program(ZENTROVA_BASH bash)
if(UNIX AND ZENTROVA_BASH AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME cli.process.bash_completion
    COMMAND ${ZENTROVA_BASH} ${CMAKE_CURRENT_SOURCE_DIR}/cli/completion-test.bash
            ${PROJECT_SOURCE_DIR}/cli/zentrova-calc.bash $<TARGET_FILE:zentrova-calc>)
endif()
