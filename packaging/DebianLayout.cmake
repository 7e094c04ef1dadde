# Run by CPack on the staged files before it packs them into the .deb:
# Debian's policy wants man pages and the changelog compressed with
# `gzip -9n` (no name or time stamp, so the package builds reproducibly),
# and the changelog beside the copyright file.
set(root "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${root}/share/doc/${CPACK_PACKAGE_NAME}")
file(COPY_FILE "${CPACK_ZENTROVA_CHANGELOG}" "${doc}/changelog")
file(GLOB pages "${root}/share/man/man1/*.1")
foreach(file IN LISTS pages ITEMS "${doc}/changelog")
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip ${file} failed: ${status}")
  endif()
endforeach()
