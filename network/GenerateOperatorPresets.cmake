# Turns data/operator-presets.tsv into a C++ table of OperatorPresetEntry.
# Run at build time: cmake -DINPUT=<tsv> -DOUTPUT=<cpp> -P GenerateOperatorPresets.cmake
#
# The file is read whole because file(STRINGS) would split lines at the
# semicolons of the notes column; semicolons are masked before the text is
# turned into CMake lists.

cmake_policy(SET CMP0007 NEW) # keep the empty cells of a row

file(READ "${INPUT}" text)
string(REPLACE "\r" "" text "${text}")
string(REPLACE ";" "<semicolon>" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

set(expected_header "country_slot\tcountry\toperator_slot\toperator\tmms_url\tmms_apn\tmms_ip\tmms_port\tmms_account\tmms_password\tgprs_apn\tgprs_account\tgprs_password")

set(body "")
set(line_number 0)
set(last_country 0)
set(last_operator 0)
foreach(line IN LISTS lines)
  math(EXPR line_number "${line_number} + 1")
  if(line_number EQUAL 1)
    string(FIND "${line}" "${expected_header}" at)
    if(NOT at EQUAL 0)
      message(FATAL_ERROR "${INPUT}: unexpected header")
    endif()
    continue()
  endif()
  if(line STREQUAL "")
    continue()
  endif()
  string(REPLACE "\t" ";" cells "${line}")
  list(LENGTH cells count)
  if(count LESS 13)
    message(FATAL_ERROR "${INPUT}:${line_number}: ${count} columns, at least 13 expected")
  endif()
  list(GET cells 0 country_slot)
  list(GET cells 2 operator_slot)
  if(NOT country_slot MATCHES "^[0-9]+$" OR NOT operator_slot MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${INPUT}:${line_number}: slot numbers must be numbers")
  endif()
  # Rows come in slot order with no gaps, so an empty slot can only end a row.
  if(country_slot EQUAL last_country)
    math(EXPR next "${last_operator} + 1")
  else()
    math(EXPR next_country "${last_country} + 1")
    if(NOT country_slot EQUAL next_country)
      message(FATAL_ERROR "${INPUT}:${line_number}: country slot ${country_slot} out of order")
    endif()
    set(next 1)
  endif()
  if(NOT operator_slot EQUAL next)
    message(FATAL_ERROR "${INPUT}:${line_number}: operator slot ${operator_slot} out of order")
  endif()
  set(last_country ${country_slot})
  set(last_operator ${operator_slot})

  set(quoted "")
  foreach(index RANGE 1 12)
    if(index EQUAL 2)
      continue()
    endif()
    list(GET cells ${index} value)
    string(REPLACE "<semicolon>" ";" value "${value}")
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    list(APPEND quoted "\"${value}\"")
  endforeach()
  list(POP_FRONT quoted country)
  list(POP_FRONT quoted operator)
  list(JOIN quoted ", " values)
  string(APPEND body "    {${country_slot}, ${country}, ${operator_slot}, ${operator},\n     {${values}}},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Generated from network/data/operator-presets.tsv by GenerateOperatorPresets.cmake.
// Edit the data file, not this one.
#include \"network/OperatorPresetData.h\"

const OperatorPresetEntry kOperatorPresetEntries[] = {
${body}};

const std::size_t kOperatorPresetEntryCount = std::size(kOperatorPresetEntries);
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
