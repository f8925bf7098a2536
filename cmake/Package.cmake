# A Debian package of what `cmake --install` installs: run `cpack -G DEB` in a
# (release) build directory, or tools/package.
set(maintainer "The Anagrove developers <developers@anagrove.org>")
set(ANAGROVE_MAINTAINER "${maintainer}"
    CACHE STRING "The Debian package's maintainer, as Name <address>")
if(ANAGROVE_MAINTAINER MATCHES "@users\\.noreply\\.invalid>$") # the old placeholder
  set(ANAGROVE_MAINTAINER "${maintainer}" CACHE STRING "" FORCE)
endif()
if(NOT ANAGROVE_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$")
  message(FATAL_ERROR "ANAGROVE_MAINTAINER must read Name <address>, not \"${ANAGROVE_MAINTAINER}\"")
endif()

set(CPACK_PACKAGE_NAME anagrove)
set(CPACK_PACKAGE_VENDOR "The Anagrove developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "word finder for letter-tile word games")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Anagrove lists every word of an English word list that can be laid with the"
  "letter tiles you hold, blank tiles included, within word-length limits or as"
  "exact anagrams. Words are scored with the letter values of popular tile games"
  "or with values of your own and sorted alphabetically, by score or by length;"
  "a selected word opens in an online dictionary or thesaurus."
  "The package also holds anagrove-find, the same search from a terminal.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY anagrove)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# xz, as dpkg-deb compresses by default: the language lists and their tile
# files make the package 35 MB instead of gzip's 52 MB.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ANAGROVE_MAINTAINER}")
# A word finder plays no game itself: like the dictionary tools and word lists
# it goes in text, with its programs in /usr/bin (the games section would want
# /usr/games and /usr/share/games).
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ANAGROVE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries that the programs link come from dpkg-shlibdeps. Qt loads its
# windowing plug-ins at run time, so they are named here, and so is a font of
# Arial's widths, which the fixed layout is made for (the wider default sans
# font would clip captions). xdg-utils opens the lookups in the browser.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET anagrove)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-qpa-plugins, fonts-liberation2 | fonts-liberation | fonts-urw-base35")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
endif()

# The files that only a Debian package has: its changelog, the licences in the
# machine-readable form and the one lintian override, in the component
# "debian", which `cmake --install` leaves out and the package holds.
set(CPACK_DEBIAN_PACKAGE_VERSION ${PROJECT_VERSION})
configure_file(dist/debian/changelog.in ${ANAGROVE_DIST_DIR}/changelog.Debian @ONLY)
anagrove_gzip(anagrove_debian_changelog ${ANAGROVE_DIST_DIR}/changelog.Debian)
install(FILES ${ANAGROVE_DIST_DIR}/changelog.Debian.gz dist/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES dist/debian/lintian-overrides RENAME anagrove
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT debian EXCLUDE_FROM_ALL)
# The package ships every language: it is not made from a build that lacks a list.
set(missing_lists "")
foreach(code ${ANAGROVE_LANGUAGE_CODES})
  string(APPEND missing_lists "
    if(NOT EXISTS \"${ANAGROVE_LANGUAGE_DIR}/${code}.txt\")
      list(APPEND missing ${code})
    endif()")
endforeach()
install(CODE "set(missing \"\")${missing_lists}
  if(missing)
    message(FATAL_ERROR \"The Debian package ships every language, but this build has no \"
      \"word list of \${missing} in ${ANAGROVE_LANGUAGE_DIR}: install tanglet-data, \"
      \"witalian and python3, configure and build again.\")
  endif()" COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_COMPONENTS_ALL Unspecified debian)

include(CPack)
