# Desktop integration, the command-line manual and the Debian package.
# The executables carry their own install(TARGETS) rules; this adds the rest.
include(GNUInstallDirs)

set(KELVORA_DATA ${PROJECT_SOURCE_DIR}/data)
install(FILES ${KELVORA_DATA}/kelvora.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KELVORA_DATA}/kelvora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${KELVORA_DATA}/io.example.kelvora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The design-file type application/x-kelvora (*.kelvora); the shared-mime-info
# trigger rebuilds the database when the package is installed.
install(FILES ${KELVORA_DATA}/kelvora.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The manual is generated from the program's own --help and --version, so it
# cannot drift from the options the program really accepts.
find_program(HELP2MAN help2man)
find_program(GZIP gzip)
if(HELP2MAN AND GZIP)
  set(KELVORA_MAN ${PROJECT_BINARY_DIR}/man/kelvora-cli.1)
  add_custom_command(
    OUTPUT ${KELVORA_MAN}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    # The help text is UTF-8 Portuguese; in the C locale help2man mangles it.
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr --locale=C.UTF-8
            --name=calcula\ transformadores\ e\ reatores\ pela\ linha\ de\ comando
            --section=1 --output=${KELVORA_MAN} $<TARGET_FILE:kelvora-cli>
    # -n: no timestamp in the archive, so rebuilding gives the same bytes.
    COMMAND ${GZIP} -9nf ${KELVORA_MAN}
    DEPENDS kelvora-cli
    COMMENT "Generating the kelvora-cli manual page"
    VERBATIM)
  add_custom_target(kelvora_man ALL DEPENDS ${KELVORA_MAN}.gz)
  install(FILES ${KELVORA_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man or gzip not found: the kelvora-cli manual page is not built")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VENDOR "Kelvora")
set(CPACK_PACKAGE_CONTACT "Kelvora <kelvora@kelvora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Projeto de transformadores e reatores")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kelvora.example/")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Projeto de transformadores e reatores
 Calcula transformadores de alimentação, de modulação (válvulas e
 transistores) e reatores de filtro, com relatório de cada projeto.
 Inclui o programa de linha de comando kelvora-cli.")
# The Qt runtime dependencies are read from the binaries, not listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)

if(BUILD_TESTING)
  add_subdirectory(tests/package)
endif()
