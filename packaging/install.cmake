# The installed layout: the programs with everything they look for beside themselves
# (language modules, help pages, ready systems) in lib/quorvel-3r10, launchers in bin that give
# each user a data folder of their own, and a desktop entry with its icon.
set(QUORVEL_PROGRAM_DIR lib/quorvel-3r10)
install(TARGETS quorvel RUNTIME DESTINATION ${QUORVEL_PROGRAM_DIR})
if(QUORVEL_BUILD_GUI)
  install(TARGETS Quorvel_3r10 RUNTIME DESTINATION ${QUORVEL_PROGRAM_DIR})
endif()
file(GLOB QUORVEL_TS_FILES ${PROJECT_SOURCE_DIR}/translations/*.ts)
foreach(ts ${QUORVEL_TS_FILES})
  get_filename_component(module ${ts} NAME_WE)
  install(FILES ${CMAKE_BINARY_DIR}/${module}.lng DESTINATION ${QUORVEL_PROGRAM_DIR})
endforeach()
install(DIRECTORY ${CMAKE_BINARY_DIR}/Systems DESTINATION ${QUORVEL_PROGRAM_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/help DESTINATION ${QUORVEL_PROGRAM_DIR} OPTIONAL)

foreach(program quorvel Quorvel_3r10)
  if(program STREQUAL "quorvel")
    set(launcher quorvel)
  else()
    set(launcher quorvel-3r10)
  endif()
  set(PROGRAM ${program})
  configure_file(${CMAKE_CURRENT_LIST_DIR}/launcher.sh ${CMAKE_BINARY_DIR}/launchers/${launcher} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${launcher} DESTINATION bin)
endforeach()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/quorvel-3r10.svg DESTINATION share/icons/hicolor/scalable/apps)
# The entry names the launcher by its full path, which is known only when installing.
install(CODE "
  set(LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/bin/quorvel-3r10\")
  configure_file(\"${CMAKE_CURRENT_LIST_DIR}/quorvel-3r10.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/launchers/quorvel-3r10.desktop\" @ONLY)
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/share/applications\" TYPE FILE
       FILES \"${CMAKE_BINARY_DIR}/launchers/quorvel-3r10.desktop\")
")

# Manual pages: the command line's made from its own help text when it is built, the desktop
# program's written by hand; and bash completion for the command line.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/quorvel.1
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/manpage.sh $<TARGET_FILE:quorvel> ${CMAKE_BINARY_DIR}/quorvel.1
  DEPENDS quorvel ${CMAKE_CURRENT_LIST_DIR}/manpage.sh VERBATIM)
add_custom_target(quorvel_manpage ALL DEPENDS ${CMAKE_BINARY_DIR}/quorvel.1)
install(FILES ${CMAKE_BINARY_DIR}/quorvel.1 ${CMAKE_CURRENT_LIST_DIR}/quorvel-3r10.1 DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/quorvel.bash-completion DESTINATION share/bash-completion/completions
        RENAME quorvel)

# The AppStream description software centres show; its screenshots are pictures of the gallery
# (make screenshots) as published on the program's site.
configure_file(${CMAKE_CURRENT_LIST_DIR}/quorvel-3r10.metainfo.xml
               ${CMAKE_BINARY_DIR}/launchers/example.quorvel.Quorvel3r10.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/launchers/example.quorvel.Quorvel3r10.metainfo.xml DESTINATION share/metainfo)
