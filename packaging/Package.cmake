# The Debian package, made by CPack (cpack -G DEB in the build folder): its control data, the
# copyright and change log that Debian asks of every package, and the installed layout under /usr.

# The change log's date in the form Debian uses (RFC 2822), from the release date.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${GLIMMERSET_RELEASE_DATE} 12:00:00"
  OUTPUT_VARIABLE GLIMMERSET_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(debian/changelog.in debian/changelog @ONLY)
set(GLIMMERSET_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${GLIMMERSET_CHANGELOG}
  COMMAND ${GZIP_PROGRAM} -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog > ${GLIMMERSET_CHANGELOG}
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
  COMMENT "Compressing the change log")
add_custom_target(glimmerset_changelog ALL DEPENDS ${GLIMMERSET_CHANGELOG})
install(FILES debian/copyright ${GLIMMERSET_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/glimmerset)
install(FILES debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME glimmerset)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimmerset)
set(CPACK_PACKAGE_VENDOR Marlock)
set(CPACK_PACKAGE_CONTACT "Marlock <marlock@glimmerset.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word search puzzles to solve, play, make and print")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
file(READ debian/description CPACK_DEBIAN_PACKAGE_DESCRIPTION)
# The libraries the programs link are found by dpkg-shlibdeps; the fonts the window names are added.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Capture starts gImageReader unless another OCR program is chosen; printing goes through CUPS;
# the title and the option panel's fonts have these stand-ins.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gimagereader-qt5, cups, fonts-dancingscript, fonts-texgyre")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
