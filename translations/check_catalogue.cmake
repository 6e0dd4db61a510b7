# Fails when a .ts catalogue is behind its sources: lupdate is run on the
# sources into a copy of the catalogue, and every message that is new, no
# longer in the code, or not translated (unfinished or empty) is named.
#   cmake -DLUPDATE=... -DTS=kelvora_en.ts -DSOURCES=list.lst -DWORK=dir
#         "-DOPTIONS=..." -P check_catalogue.cmake
foreach(v LUPDATE TS SOURCES WORK)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "check_catalogue: ${v} not given")
  endif()
endforeach()
file(MAKE_DIRECTORY "${WORK}")
get_filename_component(name "${TS}" NAME)
set(copy "${WORK}/${name}")
file(COPY_FILE "${TS}" "${copy}")
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND "${LUPDATE}" ${options} "@${SOURCES}" -ts "${copy}"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}):\n${out}${err}")
endif()

file(READ "${copy}" updated)
set(problems "")
# One <message> at a time: its source, and the state of its translation.
# The characters that CMake's lists treat specially are kept aside first.
string(REPLACE ";" "&#59;" text "${updated}")
string(REPLACE "[" "&#91;" text "${text}")
string(REPLACE "]" "&#93;" text "${text}")
string(REPLACE "</message>" "</message>;" chunks "${text}")
foreach(chunk IN LISTS chunks)
  if(NOT chunk MATCHES "<source>([^<]*)</source>")
    continue()
  endif()
  set(source "${CMAKE_MATCH_1}")
  string(REPLACE "&#59;" ";" source "${source}")
  string(REPLACE "&#91;" "[" source "${source}")
  string(REPLACE "&#93;" "]" source "${source}")
  if(chunk MATCHES "type=\"(vanished|obsolete)\"")
    string(APPEND problems "  no longer in the code: ${source}\n")
  elseif(chunk MATCHES "type=\"unfinished\"" OR chunk MATCHES "<translation[^>]*></translation>")
    string(APPEND problems "  not translated: ${source}\n")
  endif()
endforeach()
file(READ "${TS}" original)
if(problems STREQUAL "" AND NOT original STREQUAL updated)
  string(APPEND problems "  the catalogue differs from what lupdate writes for the code\n")
endif()
if(NOT problems STREQUAL "")
  message(FATAL_ERROR "${TS} is out of date with the code:\n${problems}"
          "Update it (cmake --build --preset default --target update_translations), "
          "translate, and build again.")
endif()
message(STATUS "${TS}: every message translated and in the code")
