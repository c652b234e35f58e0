# The Debian package (scripts/package): what `cmake --install` puts below /usr, with its
# dependencies computed from the shared libraries the executables link to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvante)
set(CPACK_PACKAGE_VENDOR "Tessaly Studios")
set(CPACK_PACKAGE_CONTACT "ORVANTE developers <orvante@tessaly-studios.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "MEL script editor and Maya UI window designer")
# The synopsis line comes from the summary; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "ORVANTE is a desktop workbench for authors of MEL, the scripting language of Autodesk Maya: a MEL editor with MEL colouring, a visual designer of Maya UI windows that exports them as MEL, an icon editor and a project explorer. orvante-cli runs its headless parts from a terminal.")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The desktop refreshes its file types, menu and icons through these packages' triggers on the
# folders below, which this package activates when it is installed, upgraded or removed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
