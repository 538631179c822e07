cmake_minimum_required(VERSION 3.25)

# Reads the dialogs' layouts and writes, for each, the widgets it holds in
# document order (kind, object name, control id, text, enclosing group box)
# as a C++ table: a front end without Qt draws the same labels and groups
# from it, and no label text is copied by hand.
#
#   cmake -DOUTPUT=<file.cpp> -DLAYOUTS="<file.ui>|..." -P GenerateDialogLayouts.cmake

include(${CMAKE_CURRENT_LIST_DIR}/LayoutText.cmake)

function(widget_kind var class)
  if(class STREQUAL "QGroupBox")
    set(kind Group)
  elseif(class STREQUAL "QLabel")
    set(kind Label)
  elseif(class MATCHES "^(QComboBox|PopupComboBox|QListWidget)$")
    set(kind List)
  elseif(class MATCHES "^(QLineEdit|Ipv4AddressEdit)$")
    set(kind Edit)
  elseif(class STREQUAL "QCheckBox")
    set(kind Check)
  elseif(class STREQUAL "QRadioButton")
    set(kind Radio)
  elseif(class STREQUAL "QPushButton")
    set(kind Button)
  elseif(class STREQUAL "QDateEdit")
    set(kind Date)
  elseif(class STREQUAL "QTimeEdit")
    set(kind Time)
  else()
    set(kind "")
  endif()
  set(${var} "${kind}" PARENT_SCOPE)
endfunction()

set(body "")
set(rows "")
string(REPLACE "|" ";" LAYOUTS "${LAYOUTS}")
foreach(file IN LISTS LAYOUTS)
  get_filename_component(layout "${file}" NAME_WE)
  file(READ "${file}" text)
  string(REPLACE ";" "<semicolon>" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")

  # Per widget: kind, name, id, text, group (index of the enclosing group
  # box, -1 for none); the stack holds the open widgets' indices, -1 for
  # the containers that are not listed.
  set(count 0)
  set(stack "")
  set(want "")
  set(title "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<widget class=\"([A-Za-z0-9_]+)\" name=\"([A-Za-z0-9_]+)\"")
      widget_kind(kind "${CMAKE_MATCH_1}")
      set(name "${CMAKE_MATCH_2}")
      if(kind STREQUAL "")
        list(APPEND stack -1)
      else()
        set(group -1)
        set(open ${stack})
        list(REVERSE open)
        foreach(index IN LISTS open)
          if(NOT index EQUAL -1 AND w${index}_kind STREQUAL "Group")
            set(group ${index})
            break()
          endif()
        endforeach()
        set(w${count}_kind ${kind})
        set(w${count}_name ${name})
        set(w${count}_id 0)
        set(w${count}_text "")
        set(w${count}_group ${group})
        list(APPEND stack ${count})
        math(EXPR count "${count} + 1")
      endif()
      set(want "")
    elseif(line MATCHES "</widget>")
      list(POP_BACK stack)
      set(want "")
    elseif(line MATCHES "<property name=\"ctrlId\"")
      set(want id)
    elseif(line MATCHES "<property name=\"(text|title)\">")
      set(want text)
    elseif(line MATCHES "<property name=\"windowTitle\">")
      set(want title)
    elseif(want STREQUAL "id" AND line MATCHES "<number>([0-9]+)</number>")
      list(GET stack -1 top)
      if(NOT top EQUAL -1)
        set(w${top}_id ${CMAKE_MATCH_1})
      endif()
      set(want "")
    elseif(want MATCHES "^(text|title)$" AND line MATCHES "<string[^>]*>(.*)</string>")
      xml_unescape(value "${CMAKE_MATCH_1}")
      string(REPLACE "<semicolon>" ";" value "${value}")
      if(want STREQUAL "title" AND title STREQUAL "")
        set(title "${value}")
      elseif(want STREQUAL "text")
        list(GET stack -1 top)
        # A list's items are no text of the list itself.
        if(NOT top EQUAL -1 AND NOT w${top}_kind STREQUAL "List")
          set(w${top}_text "${value}")
        endif()
      endif()
      set(want "")
    endif()
  endforeach()

  set(widgets "")
  if(count GREATER 0)
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
      cpp_literal(textLiteral "${w${i}_text}")
      string(APPEND widgets
        "    {LayoutWidgetKind::${w${i}_kind}, \"${w${i}_name}\", ${w${i}_id}, ${textLiteral}, ${w${i}_group}},\n")
    endforeach()
  endif()
  cpp_literal(titleLiteral "${title}")
  string(APPEND body "constexpr LayoutWidget kWidgets_${layout}[] = {\n${widgets}};\n")
  string(APPEND rows "    {\"${layout}\", ${titleLiteral}, kWidgets_${layout}},\n")
endforeach()

write_if_changed("${OUTPUT}"
"// Generated from the dialog layouts by GenerateDialogLayouts.cmake; do not edit.
#include \"models/DialogLayouts.h\"

namespace {

${body}
constexpr DialogLayout kLayouts[] = {
${rows}};

} // namespace

std::span<const DialogLayout> DialogLayouts::all()
{
    return kLayouts;
}
")
