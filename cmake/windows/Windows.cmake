# The Windows executables: each carries the icon, its version and the manifest
# as resources, and the desktop program opens no console window. The icon is
# drawn from the SVG at build time (rsvg-convert from librsvg2-bin, icotool from
# icoutils).
enable_language(RC)
find_program(ANAGROVE_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ANAGROVE_ICOTOOL icotool REQUIRED)

set(ANAGROVE_WINDOWS_DIR ${ANAGROVE_GENERATED_DIR}/windows)
set(ANAGROVE_WINDOWS_ICON ${ANAGROVE_WINDOWS_DIR}/anagrove.ico)
set(ANAGROVE_WINDOWS_MANIFEST ${PROJECT_SOURCE_DIR}/dist/windows/anagrove.manifest)
string(SUBSTRING ${ANAGROVE_RELEASE_DATE} 0 4 ANAGROVE_RELEASE_YEAR)

# The sizes Windows picks from for menus, the taskbar, Explorer's views and the
# Start menu; the largest is stored as PNG.
set(_anagrove_icon_svg ${PROJECT_SOURCE_DIR}/dist/org.anagrove.Anagrove.svg)
set(_anagrove_icon_commands "")
set(_anagrove_icon_pngs "")
foreach(size 16 20 24 32 40 48 64 256)
  set(png ${ANAGROVE_WINDOWS_DIR}/icon-${size}.png)
  list(APPEND _anagrove_icon_commands
       COMMAND ${ANAGROVE_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${_anagrove_icon_svg})
  if(size EQUAL 256)
    list(APPEND _anagrove_icon_pngs -r ${png})
  else()
    list(APPEND _anagrove_icon_pngs ${png})
  endif()
endforeach()
add_custom_command(OUTPUT ${ANAGROVE_WINDOWS_ICON}
  ${_anagrove_icon_commands}
  COMMAND ${ANAGROVE_ICOTOOL} -c -o ${ANAGROVE_WINDOWS_ICON} ${_anagrove_icon_pngs}
  DEPENDS ${_anagrove_icon_svg}
  COMMENT "Drawing the Windows icon"
  VERBATIM)
add_custom_target(anagrove_windows_icon DEPENDS ${ANAGROVE_WINDOWS_ICON})

# anagrove_windows_resources(<target> <description>): the resources of
# <target>.exe, described in its properties as <description>.
function(anagrove_windows_resources target description)
  set(ANAGROVE_FILE_NAME ${target})
  set(ANAGROVE_FILE_DESCRIPTION "${description}")
  set(rc ${ANAGROVE_WINDOWS_DIR}/${target}.rc)
  configure_file(${PROJECT_SOURCE_DIR}/dist/windows/anagrove.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
  set_source_files_properties(${rc} TARGET_DIRECTORY ${target}
    PROPERTIES OBJECT_DEPENDS "${ANAGROVE_WINDOWS_ICON};${ANAGROVE_WINDOWS_MANIFEST}")
  add_dependencies(${target} anagrove_windows_icon)
endfunction()

anagrove_windows_resources(anagrove-find "Anagrove word finder (command line)")
if(TARGET anagrove)
  anagrove_windows_resources(anagrove "Anagrove word finder")
  set_target_properties(anagrove PROPERTIES WIN32_EXECUTABLE ON)
endif()

# The portable zip's marker file, under the name the program looks for, which
# is read from its declaration so that it is written once; its text, with
# Windows line ends, says what the file is for.
set(_anagrove_marker_header ${PROJECT_SOURCE_DIR}/src/app/data_files.h)
file(STRINGS ${_anagrove_marker_header} _anagrove_marker REGEX "kPortableMarkerName = \"")
string(REGEX REPLACE ".*kPortableMarkerName = \"([^\"]+)\".*" "\\1" ANAGROVE_PORTABLE_MARKER
       "${_anagrove_marker}")
if(NOT ANAGROVE_PORTABLE_MARKER MATCHES "^[A-Za-z0-9._-]+$")
  message(FATAL_ERROR "No kPortableMarkerName = \"...\" in ${_anagrove_marker_header}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_anagrove_marker_header})
set(ANAGROVE_PORTABLE_DIR ${ANAGROVE_WINDOWS_DIR}/portable)
file(REMOVE_RECURSE ${ANAGROVE_PORTABLE_DIR})
configure_file(${PROJECT_SOURCE_DIR}/dist/windows/portable-marker.txt
               ${ANAGROVE_PORTABLE_DIR}/${ANAGROVE_PORTABLE_MARKER} @ONLY NEWLINE_STYLE CRLF)
