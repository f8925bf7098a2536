# What `cmake --install` puts under the prefix, in the standard layout. An
# installed program finds its word lists and help page in ../share/anagrove
# beside its bin directory.
include(GNUInstallDirs)

if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "Anagrove looks for its word lists in ../share/anagrove beside the program; "
                  "installed with bin=${CMAKE_INSTALL_BINDIR} and share=${CMAKE_INSTALL_DATADIR} "
                  "it will not find them.")
endif()

set(ANAGROVE_HOMEPAGE "https://github.com/anagrove/anagrove"
    CACHE STRING "The project's home page and repository, named by the metadata and the package")
set(ANAGROVE_SCREENSHOT_URL "${ANAGROVE_HOMEPAGE}/raw/main/docs/screenshot.png"
    CACHE STRING "Where software centres fetch the screenshot (docs/screenshot.png)")

set(ANAGROVE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/anagrove)
set(ANAGROVE_DIST_DIR ${PROJECT_BINARY_DIR}/dist)

# anagrove_gzip(<target> <file>...): <file>.gz, compressed as Debian wants
# manual pages and changelogs (best compression, no name or time stamp), built
# with <target>.
function(anagrove_gzip target)
  set(outputs "")
  foreach(file ${ARGN})
    add_custom_command(OUTPUT ${file}.gz COMMAND gzip -9nkf ${file} DEPENDS ${file} VERBATIM)
    list(APPEND outputs ${file}.gz)
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()

# The manual pages carry the version and its month.
set(manual_pages "")
foreach(page anagrove-find.1 anagrove.1)
  if(page STREQUAL "anagrove.1" AND NOT TARGET anagrove)
    continue()
  endif()
  configure_file(dist/${page} ${ANAGROVE_DIST_DIR}/${page} @ONLY)
  list(APPEND manual_pages ${ANAGROVE_DIST_DIR}/${page})
endforeach()
anagrove_gzip(anagrove_manual_pages ${manual_pages})
list(TRANSFORM manual_pages APPEND .gz)

install(TARGETS anagrove-find RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/standard.txt data/extended.txt DESTINATION ${ANAGROVE_INSTALL_DATADIR})
# The alphabets, and whatever the build made in languages/ (each list with its
# summary and any file made from it), lie in share/anagrove as beside the program.
install(FILES ${alphabet_files} DESTINATION ${ANAGROVE_INSTALL_DATADIR}/alphabets)
if(ANAGROVE_LANGUAGE_LISTS)
  install(DIRECTORY ${ANAGROVE_LANGUAGE_DIR}/ DESTINATION ${ANAGROVE_INSTALL_DATADIR}/languages)
endif()
install(FILES ${manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE data/COPYING.word-lists DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET anagrove)
  configure_file(dist/org.anagrove.Anagrove.metainfo.xml.in
                 ${ANAGROVE_DIST_DIR}/org.anagrove.Anagrove.metainfo.xml @ONLY)
  install(TARGETS anagrove RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/anagrove-help.html
          DESTINATION ${ANAGROVE_INSTALL_DATADIR})
  install(FILES dist/org.anagrove.Anagrove.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES dist/org.anagrove.Anagrove.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${ANAGROVE_DIST_DIR}/org.anagrove.Anagrove.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# Bash completion for anagrove-find, where bash-completion looks for it: the
# directory its pkg-config file names, taken relative to its prefix so that it
# lands under ours; share/bash-completion/completions without it.
set(ANAGROVE_COMPLETIONS_DIR ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
find_package(PkgConfig QUIET)
if(PKG_CONFIG_FOUND)
  pkg_get_variable(completions_dir bash-completion completionsdir)
  pkg_get_variable(completions_prefix bash-completion prefix)
  if(completions_dir AND completions_prefix)
    string(FIND "${completions_dir}" "${completions_prefix}/" at)
    if(at EQUAL 0)
      string(LENGTH "${completions_prefix}/" skip)
      string(SUBSTRING "${completions_dir}" ${skip} -1 ANAGROVE_COMPLETIONS_DIR)
    endif()
  endif()
endif()
# The script is written from anagrove-find's option table.
if(TARGET anagrove-find-completion)
  set(completion ${ANAGROVE_DIST_DIR}/anagrove-find.bash)
  add_custom_command(OUTPUT ${completion} COMMAND anagrove-find-completion ${completion}
                     DEPENDS anagrove-find-completion VERBATIM)
  add_custom_target(anagrove_find_completion ALL DEPENDS ${completion})
  install(FILES ${completion} DESTINATION ${ANAGROVE_COMPLETIONS_DIR} RENAME anagrove-find)
endif()
