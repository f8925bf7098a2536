# The word lists of the languages beside English are made at build time, into
# bin/languages/CODE.txt with a summary CODE.summary of the words kept and left
# out and the same words as tiles in CODE.tiles, which loads without splitting, by tools/make-word-lists.sh from Debian's tanglet-data and witalian: the
# largest are far too big to keep in git. Where those packages or Python are
# missing, the lists are not made, with a note; nor in a cross build (Windows),
# whose tests run under an emulator and leave the languages to the native one.
set(ANAGROVE_LANGUAGE_CODES es fr de pl ca nl pt pt-BR it)
set(ANAGROVE_LANGUAGE_DIR ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/languages)
set(tanglet /usr/share/tanglet/gamedata)
set(italian /usr/share/dict/italian)
find_package(Python3 COMPONENTS Interpreter QUIET)
if(CMAKE_CROSSCOMPILING)
  set(ANAGROVE_LANGUAGE_LISTS OFF)
  return()
endif()
if(NOT Python3_Interpreter_FOUND OR NOT EXISTS ${tanglet}/es/words OR NOT EXISTS ${italian})
  message(STATUS "tanglet-data, witalian or Python 3 not found: only the English word lists are made")
  set(ANAGROVE_LANGUAGE_LISTS OFF)
  return()
endif()
set(ANAGROVE_LANGUAGE_LISTS ON)

set(lists)
foreach(code ${ANAGROVE_LANGUAGE_CODES})
  if(code STREQUAL "it")
    set(source ${italian})
  elseif(code STREQUAL "pt-BR")
    set(source ${tanglet}/pt_BR/words)
  else()
    set(source ${tanglet}/${code}/words)
  endif()
  set(list ${ANAGROVE_LANGUAGE_DIR}/${code}.txt)
  add_custom_command(OUTPUT ${list} ${ANAGROVE_LANGUAGE_DIR}/${code}.summary
    COMMAND ${CMAKE_COMMAND} -E env PYTHON=${Python3_EXECUTABLE}
            sh ${PROJECT_SOURCE_DIR}/tools/make-word-lists.sh --language ${code} ${ANAGROVE_LANGUAGE_DIR}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/make-word-lists.sh
            ${PROJECT_SOURCE_DIR}/tools/make-language-list.py
            ${PROJECT_SOURCE_DIR}/data/alphabets/${code}.txt ${source}
    COMMENT "Making the word list of language ${code}"
    VERBATIM)
  set(tiles ${ANAGROVE_LANGUAGE_DIR}/${code}.tiles)
  add_custom_command(OUTPUT ${tiles}
    COMMAND anagrove-make-tiles ${PROJECT_SOURCE_DIR}/data/alphabets/${code}.txt ${list} ${tiles}
    DEPENDS anagrove-make-tiles ${list} ${PROJECT_SOURCE_DIR}/data/alphabets/${code}.txt
    COMMENT "Making the tile file of language ${code}"
    VERBATIM)
  list(APPEND lists ${list} ${tiles})
endforeach()
add_custom_target(anagrove_language_lists ALL DEPENDS ${lists})
