# What `cmake --install` puts under the prefix, in the standard layout. An
# installed program finds its word lists and help page in ../share/anagrove
# beside its bin directory.
include(GNUInstallDirs)

if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "Anagrove looks for its word lists in ../share/anagrove beside the program; "
                  "installed with bin=${CMAKE_INSTALL_BINDIR} and share=${CMAKE_INSTALL_DATADIR} "
                  "it will not find them.")
endif()

set(ANAGROVE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/anagrove)

install(TARGETS anagrove-find RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/standard.txt data/extended.txt DESTINATION ${ANAGROVE_INSTALL_DATADIR})
install(FILES dist/anagrove-find.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES LICENSE data/COPYING.word-lists DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(TARGET anagrove)
  install(TARGETS anagrove RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES src/ui/anagrove-help.html DESTINATION ${ANAGROVE_INSTALL_DATADIR})
  install(FILES dist/org.anagrove.Anagrove.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES dist/org.anagrove.Anagrove.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES dist/org.anagrove.Anagrove.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()
