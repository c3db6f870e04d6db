# Desktop integration: the launcher entry, the icon in the hicolor theme (the SVG and PNGs drawn from it at
# build time), the file types, the AppStream description.
set(desktop_id org.veltra.Veltra)
set(desktop_dir ${PROJECT_SOURCE_DIR}/res/desktop)

add_executable(icon_render ${PROJECT_SOURCE_DIR}/tools/icon_render/main.cpp)
target_link_libraries(icon_render PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(icon_render PROPERTIES AUTOMOC OFF AUTORCC OFF)

set(app_icon ${PROJECT_SOURCE_DIR}/res/icons/app.svg)
set(icon_pngs)
foreach(size 16 24 32 48 64 128 256)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${desktop_id}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    # In the sanitizer build the toolkit's own allocations must not fail the build step.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:icon_render> ${app_icon} ${png} ${size}
    DEPENDS icon_render ${app_icon} VERBATIM)
  list(APPEND icon_pngs ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(veltra_icons ALL DEPENDS ${icon_pngs})

install(FILES ${app_icon} DESTINATION share/icons/hicolor/scalable/apps RENAME ${desktop_id}.svg)
install(FILES ${desktop_dir}/${desktop_id}.desktop DESTINATION share/applications)
install(FILES ${desktop_dir}/${desktop_id}.mime.xml DESTINATION share/mime/packages RENAME veltra.xml)
install(FILES ${desktop_dir}/${desktop_id}.metainfo.xml DESTINATION share/metainfo)
