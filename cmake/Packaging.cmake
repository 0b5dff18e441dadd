# Installation and the Debian package. Included at the end of the top-level
# CMakeLists.txt, once the `quadrel` target exists:
#   cmake --install build [--prefix DIR]      the program, desktop entry and icons
#   cd build && cpack -G DEB                  quadrel_<version>_<arch>.deb
include(GNUInstallDirs)

set(QUADREL_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS quadrel quadrel-desktop RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUADREL_PACKAGING_DIR}/quadrel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUADREL_PACKAGING_DIR}/quadrel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${QUADREL_PACKAGING_DIR}/quadrel.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${QUADREL_PACKAGING_DIR}/invalid.quadrel.Quadrel.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The manual page and the changelog compressed as Debian wants them (gzip -9,
# without a time stamp, so that every build makes the same bytes); the
# desktop program shares the manual page of `quadrel`.
find_program(QUADREL_GZIP gzip REQUIRED)
set(QUADREL_DOC_DIR ${CMAKE_CURRENT_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${QUADREL_DOC_DIR}/quadrel.1.gz ${QUADREL_DOC_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUADREL_DOC_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${QUADREL_PACKAGING_DIR}/quadrel.1
          ${QUADREL_PACKAGING_DIR}/changelog ${QUADREL_DOC_DIR}
  COMMAND ${QUADREL_GZIP} -9nf ${QUADREL_DOC_DIR}/quadrel.1 ${QUADREL_DOC_DIR}/changelog
  COMMAND ${CMAKE_COMMAND} -E create_symlink quadrel.1.gz ${QUADREL_DOC_DIR}/quadrel-desktop.1.gz
  DEPENDS ${QUADREL_PACKAGING_DIR}/quadrel.1 ${QUADREL_PACKAGING_DIR}/changelog
  VERBATIM)
add_custom_target(quadrel_docs ALL DEPENDS ${QUADREL_DOC_DIR}/quadrel.1.gz ${QUADREL_DOC_DIR}/changelog.gz)
install(FILES ${QUADREL_DOC_DIR}/quadrel.1.gz ${QUADREL_DOC_DIR}/quadrel-desktop.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUADREL_PACKAGING_DIR}/copyright ${QUADREL_DOC_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quadrel)

set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})

set(CPACK_PACKAGE_NAME quadrel)
set(CPACK_PACKAGE_VENDOR "Quadrel developers")
set(CPACK_PACKAGE_CONTACT "Quadrel developers <dev@quadrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "map sheet drafting for mine planning and survey offices")
# The long description of the package, wrapped as Debian's control files want it.
set(CPACK_PACKAGE_DESCRIPTION [=[
Quadrel writes the furniture of a map sheet as a DXF drawing: the
coordinate grid with its labels and axis titles, tick marks, borders,
cutting marks, a north arrow and a title block with a graphic scale bar.
Sheet parameters and title block texts are kept in plain-text data files
and edited on data-entry forms; Quadrel works out the sheet size from the
chosen scales before it draws.]=])
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The limits report is set in "Courier New"; Liberation Mono has its metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)

# dpkg-shlibdeps (dpkg-dev) names the libraries the program links, with their
# versions; CPack finds the program with `file`. Qt loads its platform plugins
# at run time, so shlibdeps cannot see them and qt6-qpa-plugins is named here.
find_program(QUADREL_DPKG_SHLIBDEPS dpkg-shlibdeps)
find_program(QUADREL_FILE file)
if(QUADREL_DPKG_SHLIBDEPS AND QUADREL_FILE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), \
libqt6printsupport6 (>= 6.4), libqt6svg6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, \
libstdc++6 (>= 11), libgcc-s1 (>= 3.0), libc6 (>= 2.34)")
endif()

# Source packages would otherwise sweep up build folders and the git store.
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/" "/build/" "/build-[^/]*/" "/\\.cache/")

include(CPack)
