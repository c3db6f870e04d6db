# The installed tree: programs in bin/, the design modules in lib/veltra/modules/ (each module installs
# itself, see modules/CMakeLists.txt), the data in share/veltra/. The programs find all of it relative to
# their own folder, so any prefix works.
install(TARGETS veltra veltra-cli drawhost RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/help/ DESTINATION share/veltra/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/pictures/ DESTINATION share/veltra/pictures)
install(FILES ${PROJECT_SOURCE_DIR}/samples/sample_bridge.json ${PROJECT_SOURCE_DIR}/samples/sample_bridge.BRF
        DESTINATION share/veltra/samples)
# The component library template: the sample bridge's standard members, made by veltra-cli at build time.
set(library_template ${CMAKE_BINARY_DIR}/library/STANDARD.BCL)
add_custom_command(OUTPUT ${library_template}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/library
  COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/make-library-template.sh $<TARGET_FILE:veltra-cli>
          ${PROJECT_SOURCE_DIR}/samples ${library_template}
  DEPENDS veltra-cli veltra_modules ${PROJECT_SOURCE_DIR}/cmake/make-library-template.sh
          ${PROJECT_SOURCE_DIR}/samples/sample_bridge.json ${PROJECT_SOURCE_DIR}/samples/sample_bridge.BRF
  COMMENT "Component library template" VERBATIM)
add_custom_target(veltra_library_template ALL DEPENDS ${library_template})
install(FILES ${library_template} DESTINATION share/veltra/library)

include(VeltraManPages)
include(VeltraDesktop)
include(VeltraPackage)
