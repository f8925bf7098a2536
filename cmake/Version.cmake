# The version and release date of this build, from project() and
# ANAGROVE_RELEASE_DATE, in the forms that the programs, the manual pages, the
# metadata and the package need. The programs read the version from a generated
# header: link anagrove::version and include "anagrove_version.h".

if(NOT ANAGROVE_RELEASE_DATE MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
  message(FATAL_ERROR "ANAGROVE_RELEASE_DATE must be YYYY-MM-DD, not \"${ANAGROVE_RELEASE_DATE}\"")
endif()

# Days since 1970-01-01 of the civil date (the proleptic Gregorian calendar),
# so that string(TIMESTAMP) can write the date in every format wanted.
function(anagrove_epoch_seconds out year month day)
  set(y ${year})
  if(month LESS_EQUAL 2)
    math(EXPR y "${year} - 1")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR yoe "${y} - ${era} * 400")
  math(EXPR mp "(${month} + 9) % 12")
  math(EXPR doy "(153 * ${mp} + 2) / 5 + ${day} - 1")
  math(EXPR doe "${yoe} * 365 + ${yoe} / 4 - ${yoe} / 100 + ${doy}")
  math(EXPR days "${era} * 146097 + ${doe} - 719468")
  math(EXPR seconds "${days} * 86400")
  set(${out} ${seconds} PARENT_SCOPE)
endfunction()

# CMAKE_MATCH_n are from the check above; leading zeros are read as decimal.
math(EXPR _anagrove_month "${CMAKE_MATCH_2} + 0")
math(EXPR _anagrove_day "${CMAKE_MATCH_3} + 0")
anagrove_epoch_seconds(_anagrove_epoch ${CMAKE_MATCH_1} ${_anagrove_month} ${_anagrove_day})
set(_anagrove_saved_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${_anagrove_epoch})
string(TIMESTAMP ANAGROVE_RELEASE_MONTH "%B %Y" UTC)                      # manual pages
string(TIMESTAMP ANAGROVE_RELEASE_RFC2822 "%a, %d %b %Y 00:00:00 +0000" UTC) # changelog
set(ENV{SOURCE_DATE_EPOCH} "${_anagrove_saved_epoch}")

set(ANAGROVE_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/anagrove_version.h.in
               ${ANAGROVE_GENERATED_DIR}/anagrove_version.h @ONLY)
add_library(anagrove_version INTERFACE)
add_library(anagrove::version ALIAS anagrove_version)
target_include_directories(anagrove_version INTERFACE ${ANAGROVE_GENERATED_DIR})
