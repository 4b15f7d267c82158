# The Debian package, built by `./dev package` (cpack -G DEB in the build folder). Installed
# under /usr; its run-time dependencies come from dpkg-shlibdeps on the stripped binary.
include(GNUInstallDirs)
set(vorlinde_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/vorlinde)

# The Debian changelog, compressed reproducibly as the packaging rules ask. Its latest entry
# must be the version being packaged.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^vorlinde \\(${PROJECT_VERSION}-1\\) ")
  message(FATAL_ERROR "packaging/changelog: the latest entry is not version ${PROJECT_VERSION}-1")
endif()
set(debian_changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${debian_changelog}
                   COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${debian_changelog}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
                   COMMENT "Compressing the Debian changelog")
add_custom_target(vorlinde_changelog ALL DEPENDS ${debian_changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${debian_changelog} DESTINATION ${vorlinde_doc_dir})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME vorlinde)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlinde)
set(CPACK_PACKAGE_VENDOR "The Vorlinde developers")
set(CPACK_PACKAGE_CONTACT "The Vorlinde developers <dev@vorlinde.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "simulator of a capacitor's charge through a resistor
Vorlinde is a teaching simulator of a physics practical, in French: the
charge and the discharge of a capacitor through a resistor, watched on an
oscilloscope. On a bench the student sets a DC generator, a resistor decade
box and a capacitor decade box, wires the probes of a dual-trace storage
oscilloscope on the schematic and throws the circuit's switch, then reads
the curve and its time constant R.C on the screen, live or recorded in
storage mode. It is worked with the mouse alone and saves nothing.")

include(CPack)
