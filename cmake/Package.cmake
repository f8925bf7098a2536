# A Debian package of what `cmake --install` installs: run `cpack -G DEB` in a
# (release) build directory, or tools/package.
set(ANAGROVE_MAINTAINER "The Anagrove developers <anagrove@users.noreply.invalid>"
    CACHE STRING "The Debian package's maintainer, as Name <address>")

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
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ANAGROVE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
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

include(CPack)
