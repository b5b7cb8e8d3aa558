# The files beside the programs (man pages, the sample book, the Debian copyright file) and the
# Debian package.
set(MIRELON_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/mirelon")

# Man pages and the change log are installed compressed, as Debian wants them.
add_custom_target(mirelon_compressed_docs ALL)
function(mirelon_install_compressed file destination)
  set(compressed "${CMAKE_BINARY_DIR}/compressed/${file}.gz")
  get_filename_component(folder "${compressed}" DIRECTORY)
  add_custom_command(OUTPUT "${compressed}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${folder}"
    COMMAND gzip -9nc "${CMAKE_SOURCE_DIR}/docs/${file}" > "${compressed}"
    DEPENDS "${CMAKE_SOURCE_DIR}/docs/${file}" VERBATIM)
  target_sources(mirelon_compressed_docs PRIVATE "${compressed}")
  install(FILES "${compressed}" DESTINATION "${destination}")
endfunction()
mirelon_install_compressed(man/mirelon.1 "${CMAKE_INSTALL_MANDIR}/man1")
mirelon_install_compressed(man/mirelon-tool.1 "${CMAKE_INSTALL_MANDIR}/man1")
mirelon_install_compressed(changelog "${MIRELON_DOC_DIR}")
install(FILES examples/sample.csv examples/sample_nos.csv examples/sample_nen.csv
        DESTINATION "${MIRELON_DOC_DIR}/examples")
install(FILES docs/copyright DESTINATION "${MIRELON_DOC_DIR}")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirelon)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Ovrin Applications")
set(CPACK_PACKAGE_CONTACT "Ovrin Applications <mirelon@ovrin.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "address book for Japanese New-Year greeting cards")
# CPack puts the summary first and indents every line of this text itself.
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Mirelon keeps up to 1000 addressees of New-Year greeting cards (nengajo): the\n"
  "address side a card needs and, for every year, whether a card was sent and\n"
  "received. It reads and writes the Shift-JIS CSV file family of the sibling\n"
  "address-printing program, prints a list table and looks postal codes up.\n"
  ".\n"
  "mirelon-tool reads, writes, lists and checks books from the command line.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows name the IPA fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, fonts-ipafont-mincho")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
