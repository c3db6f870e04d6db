# The installed tree: programs in bin/, the design modules in lib/veltra/modules/ (each module installs
# itself, see modules/CMakeLists.txt), the data in share/veltra/. The programs find all of it relative to
# their own folder, so any prefix works.
install(TARGETS veltra veltra-cli drawhost RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/help/ DESTINATION share/veltra/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/res/pictures/ DESTINATION share/veltra/pictures)
install(FILES ${PROJECT_SOURCE_DIR}/samples/sample_bridge.json ${PROJECT_SOURCE_DIR}/samples/sample_bridge.BRF
        DESTINATION share/veltra/samples)
include(VeltraManPages)
include(VeltraDesktop)
include(VeltraPackage)
