# Reads the camera dialogs' layouts and writes their drop-list items as a
# C++ table, so the core (and the command line, which has no Qt) knows what
# each position of each list means without a second copy of the lists.
#
#   cmake -DOUTPUT=<file.cpp> -DLAYOUTS="<dialog>=<file.ui>|..." -P GenerateDialogLists.cmake

include(${CMAKE_CURRENT_LIST_DIR}/LayoutText.cmake)

set(body "")
set(rows "")
string(REPLACE "|" ";" LAYOUTS "${LAYOUTS}")
foreach(layout IN LISTS LAYOUTS)
  string(REPLACE "=" ";" parts "${layout}")
  list(GET parts 0 dialog)
  list(GET parts 1 file)
  file(READ "${file}" text)
  # One line a list element; the items hold no semicolons or brackets that
  # would upset CMake's lists, which the check below makes sure of.
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(inCombo FALSE)
  set(wantId FALSE)
  set(ctrl "")
  set(items "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<widget class=\"QComboBox\"")
      set(inCombo TRUE)
      set(ctrl "")
      set(items "")
    elseif(inCombo AND line MATCHES "name=\"ctrlId\"")
      set(wantId TRUE)
    elseif(inCombo AND wantId AND line MATCHES "<number>([0-9]+)</number>")
      set(ctrl "${CMAKE_MATCH_1}")
      set(wantId FALSE)
    elseif(inCombo AND line MATCHES "<string[^>]*>(.*)</string>")
      xml_unescape(item "${CMAKE_MATCH_1}")
      if(item MATCHES "<semicolon>")
        message(FATAL_ERROR "${file}: a list item holds a semicolon: ${item}")
      endif()
      cpp_literal(literal "${item}")
      string(APPEND items "${literal}, ")
    elseif(inCombo AND line MATCHES "</widget>")
      set(inCombo FALSE)
      if(NOT ctrl STREQUAL "" AND NOT items STREQUAL "")
        set(name "kItems${dialog}_${ctrl}")
        string(APPEND body "constexpr std::string_view ${name}[] = {${items}};\n")
        string(APPEND rows "    {${dialog}, ${ctrl}, ${name}},\n")
      endif()
    endif()
  endforeach()
endforeach()

write_if_changed("${OUTPUT}"
"// Generated from the dialog layouts by GenerateDialogLists.cmake; do not edit.
#include \"models/CameraDialogLists.h\"

namespace {

${body}
constexpr DialogList kLists[] = {
${rows}};

} // namespace

std::span<const DialogList> CameraDialogLists::all()
{
    return kLists;
}
")
