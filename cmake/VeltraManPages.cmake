# Manual pages veltra(1), veltra-cli(1), drawhost(1), made at build time from each program's --help.
set(veltra_man_pages)
foreach(entry "veltra|桥梁设计数据外壳" "veltra-cli|桥梁设计数据外壳的命令行" "drawhost|桥梁图形的绘图程序")
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 program)
  list(GET entry 1 summary)
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/make-man.sh $<TARGET_FILE:${program}> ${program} ${summary}
            ${PROJECT_VERSION} ${page}
    DEPENDS ${program} ${PROJECT_SOURCE_DIR}/cmake/make-man.sh
    COMMENT "Manual page ${program}(1)" VERBATIM)
  list(APPEND veltra_man_pages ${page})
endforeach()
add_custom_target(veltra_man_pages ALL DEPENDS ${veltra_man_pages})
install(FILES ${veltra_man_pages} DESTINATION share/man/man1)
