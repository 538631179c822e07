# What the generators that read the dialog layouts share: the text of an
# XML string as the dialog shows it, the same text as a C++ literal, and
# writing a generated file only when its content changed (so nothing that
# depends on it is rebuilt for nothing).

# The text's semicolons stand as <semicolon> (CMake would split lists at
# them); they stay so here.
function(xml_unescape var text)
  string(REPLACE "&lt<semicolon>" "<" text "${text}")
  string(REPLACE "&gt<semicolon>" ">" text "${text}")
  string(REPLACE "&quot<semicolon>" "\"" text "${text}")
  string(REPLACE "&apos<semicolon>" "'" text "${text}")
  string(REPLACE "&amp<semicolon>" "&" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

function(cpp_literal var text)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  set(${var} "\"${text}\"" PARENT_SCOPE)
endfunction()

function(write_if_changed file content)
  file(WRITE "${file}.new" "${content}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${file}.new" "${file}")
  file(REMOVE "${file}.new")
endfunction()
