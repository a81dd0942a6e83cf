# The Debian package, made from the build by `cpack -G DEB`: both programs and
# q5300-cli's renderer, the printer's udev rule, the menu entry with its icons and the label file types,
# the AppStream metainfo and q5300-cli's bash completion, under /usr. Its scripts reload the udev
# rules and the MIME database.
include(GNUInstallDirs)

set(debian ${PROJECT_SOURCE_DIR}/packaging/debian)
set(Q5300_PACKAGE_MAINTAINER "Q5300 maintainers <q5300@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

# The changelog and the manual pages go compressed, without a name or a time in
# the gzip header, so that the package is the same from the same sources.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(packed ${CMAKE_CURRENT_BINARY_DIR}/packaging)
set(packed_files)
foreach(source debian/changelog man/q5300.1 man/q5300-cli.1)
  get_filename_component(name ${source} NAME)
  add_custom_command(
    OUTPUT ${packed}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packed}
    COMMAND ${GZIP_PROGRAM} -9nc ${PROJECT_SOURCE_DIR}/packaging/${source} > ${packed}/${name}.gz
    DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${source}
    VERBATIM)
  list(APPEND packed_files ${packed}/${name}.gz)
endforeach()
add_custom_target(q5300_packed_docs ALL DEPENDS ${packed_files})
install(FILES ${debian}/copyright ${packed}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${packed}/q5300.1.gz ${packed}/q5300-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# What software centres show of the window program (AppStream).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/io.github.q5300.q5300.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME q5300)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${Q5300_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control program for the Q5300 marking printer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Composes jobs of one- and two-line markings for tubes, heat-shrink tubes and\n"
       "labels, previews them as the printer lays them out, predicts every printed\n"
       "length and prints them on the Q5300 over USB. Label files (.qxk, .qxu) are\n"
       "saved and opened, page texts imported from CSV files. q5300-cli does the same\n"
       "jobs from the command line for scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The homepage the metainfo names; its id's domain, io.github.q5300.
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://q5300.github.io/)
# The libraries the programs link come from dpkg-shlibdeps; what they load at
# run time (the window system plugins, the fonts of Hangul and of the symbols'
# neighbours, the spreadsheet and USB libraries q5300-cli loads when first
# needed) is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-nanum, fonts-dejavu-core, libzip4, libexpat1, libusb-1.0-0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${debian}/postinst ${debian}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
