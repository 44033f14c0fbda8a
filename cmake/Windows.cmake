# The program for 64-bit Windows (included by CMakeLists.txt for a Windows build, made by
# scripts/windows.sh): a program of the GUI subsystem with its icon and version, the files it
# needs beside it, the installer and the portable archive.
#
# AERVIK_QT_TRANSLATIONS names the folder of Qt's own translations to take qtbase_ru.qm from
# (Debian's qt6-translations-l10n by default).

set_target_properties(norda-aervik PROPERTIES WIN32_EXECUTABLE ON)
# The icon rendered from the SVG artwork, and the version of the project.
set(AERVIK_ICON ${PROJECT_BINARY_DIR}/artwork/icon.ico)
string(REPLACE "." "," AERVIK_VERSION_COMMAS "${PROJECT_VERSION}.0")
configure_file(packaging/windows/norda-aervik.rc.in ${PROJECT_BINARY_DIR}/generated/norda-aervik.rc
               @ONLY)
target_sources(norda-aervik PRIVATE ${PROJECT_BINARY_DIR}/generated/norda-aervik.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/generated/norda-aervik.rc PROPERTIES
                            OBJECT_DEPENDS ${AERVIK_ICON})

# What goes beside the program: Qt's libraries and the plugins it loads (the Windows platform
# and the native style), the compiler's runtime, Qt's Russian texts, and qt.conf, which tells
# Qt that its files are there.
get_target_property(qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(qt_bin ${qt_core} DIRECTORY)
get_filename_component(qt_prefix ${qt_bin} DIRECTORY)
set(AERVIK_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH "Qt's own translations")
set(runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  list(APPEND runtime ${found})
endforeach()
install(TARGETS norda-aervik RUNTIME DESTINATION .)
install(FILES ${qt_bin}/Qt6Core.dll ${qt_bin}/Qt6Gui.dll ${qt_bin}/Qt6Widgets.dll ${runtime}
        DESTINATION .)
install(FILES ${qt_prefix}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_prefix}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
install(FILES ${AERVIK_QT_TRANSLATIONS}/qtbase_ru.qm DESTINATION translations)
install(FILES packaging/windows/qt.conf DESTINATION .)
# The runtime as shipped carries its symbols (libstdc++-6.dll is 23 MB of them).
install(CODE "
  foreach(dll ${runtime})
    get_filename_component(name \${dll} NAME)
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${name}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")

# The installer (makensis of Debian's nsis) and the portable archive, from the files installed
# into dist/.
set(dist ${PROJECT_BINARY_DIR}/dist)
set(installer ${PROJECT_BINARY_DIR}/norda-aervik-${PROJECT_VERSION}-setup.exe)
set(portable ${PROJECT_BINARY_DIR}/norda-aervik-${PROJECT_VERSION}-windows.zip)
add_custom_command(
  OUTPUT ${installer} ${portable}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${dist}
  COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --prefix ${dist} --strip
  COMMAND makensis -V2 -DVERSION=${PROJECT_VERSION} -DDIST=${dist} -DOUTFILE=${installer}
          -DICON=${AERVIK_ICON} ${PROJECT_SOURCE_DIR}/packaging/windows/norda-aervik.nsi
  COMMAND ${CMAKE_COMMAND} -E rm -f ${portable}
  COMMAND ${CMAKE_COMMAND} -E chdir ${dist} ${CMAKE_COMMAND} -E tar cf ${portable}
          --format=zip .
  DEPENDS norda-aervik packaging/windows/norda-aervik.nsi packaging/windows/qt.conf
  VERBATIM)
add_custom_target(installer DEPENDS ${installer} ${portable})
