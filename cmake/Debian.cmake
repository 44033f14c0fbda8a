# Installation on Debian and the Debian package (included by CMakeLists.txt for Linux).
include(GNUInstallDirs)
set(AERVIK_METAINFO_ID example.tervax.norda_aervik)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/norda-aervik)
install(TARGETS norda-aervik RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped installation (the package's) also drops the compiler's notes, as dh_strip does.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    set(program \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/norda-aervik\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \${program} COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES app/desktop/norda-aervik.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME norda-aervik.svg)
install(FILES packaging/norda-aervik.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME ${AERVIK_METAINFO_ID}.metainfo.xml)
install(FILES packaging/copyright DESTINATION ${docdir})

# The changelog and the manual page are shipped compressed, without name or time stamp in the
# gzip header, so the same sources give the same package.
set(compressed)
foreach(source changelog norda-aervik.1)
  set(output ${PROJECT_BINARY_DIR}/packaging/${source}.gz)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/${source}
            ${PROJECT_BINARY_DIR}/packaging/${source}
    COMMAND gzip -9nf ${PROJECT_BINARY_DIR}/packaging/${source}
    DEPENDS packaging/${source}
    VERBATIM)
  list(APPEND compressed ${output})
endforeach()
add_custom_target(packaging_docs ALL DEPENDS ${compressed})
install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${docdir})
install(FILES ${PROJECT_BINARY_DIR}/packaging/norda-aervik.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME norda-aervik)
set(CPACK_PACKAGE_VENDOR "Tervax")
set(CPACK_PACKAGE_CONTACT "Tervax configurator support <support@tervax.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Climate configurator for electrical enclosures")
file(READ packaging/description.txt CPACK_PACKAGE_DESCRIPTION)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/description.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY norda-aervik)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; what is loaded at run time has to be named: the
# platform plugins, the fonts the captions are sized for (DejaVu Sans Condensed stands in for
# Tahoma and comes only with fonts-dejavu-extra) and Qt's own Russian texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra, qt6-translations-l10n")
include(CPack)

