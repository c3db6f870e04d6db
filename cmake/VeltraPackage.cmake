# The Debian package (scripts/package.sh runs it): every installed file under /usr, dependencies from the
# shared libraries the programs and modules link, plus the CJK fonts the windows and drawings need and the
# toolkit's platform plugins (loaded at run time, so no library link shows them).
set(doc_dir share/doc/veltra)
set(changelog_gz ${CMAKE_BINARY_DIR}/debian/changelog.gz)  # a native package's name for it
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/debian
  COMMAND sh -c "gzip -9n < '${PROJECT_SOURCE_DIR}/res/debian/changelog' > '${changelog_gz}'"
  DEPENDS ${PROJECT_SOURCE_DIR}/res/debian/changelog VERBATIM)
add_custom_target(veltra_changelog ALL DEPENDS ${changelog_gz})
install(FILES ${changelog_gz} ${PROJECT_SOURCE_DIR}/res/debian/copyright DESTINATION ${doc_dir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Veltra maintainers <maintainers@veltra.example.org>")
# CPack puts the summary first and indents the description below it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design-data shell for highway-bridge CAD")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Veltra keeps the design data of a highway bridge in one project database
(.vlt): general information, the route at the bridge site, spans and
supports, superstructure and substructure members, expansion joints and
drawings. It imports road alignments, runs design modules and engineering
calculators, keeps component libraries (.BCL) and hands drawings to a
drawing host. veltra-cli does the same work without windows.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://veltra.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-qpa-plugins, qml6-module-quick3d, qml6-module-qtquick, libgl1-mesa-dri")
include(CPack)
