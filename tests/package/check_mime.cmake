# The design-file type: the shared-mime-info XML must be well formed and
# compile into a database that maps *.kelvora (and the format name inside a
# renamed file) to application/x-kelvora, and the .desktop entry must open it.
foreach(v XML DESKTOP SCRATCH XMLLINT UPDATE_MIME)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "${v} not set")
  endif()
endforeach()

execute_process(COMMAND ${XMLLINT} --noout ${XML} RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "xmllint: ${XML} is not well formed:\n${err}")
endif()

# A private data directory, named in XDG_DATA_DIRS so the tool has nothing to say.
file(REMOVE_RECURSE ${SCRATCH})
set(db ${SCRATCH}/mime)
file(MAKE_DIRECTORY ${db}/packages)
file(COPY ${XML} DESTINATION ${db}/packages)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${SCRATCH} XDG_DATA_HOME=${SCRATCH}
                        ${UPDATE_MIME} ${db}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
# update-mime-database warns on stderr about what it skips (unknown elements,
# bad patterns) and still exits 0: any word from it is a fault.
if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "update-mime-database refused ${XML} (${rc}):\n${out}\n${err}")
endif()
file(READ ${db}/globs2 globs)
if(NOT globs MATCHES "\n[0-9]+:application/x-kelvora:\\*\\.kelvora\n")
  message(FATAL_ERROR "globs2 lacks *.kelvora -> application/x-kelvora:\n${globs}")
endif()
file(READ ${db}/magic magic HEX)
string(HEX "\"kelvora-projeto\"" needle) # the format name, quoted as in the document
string(FIND "${magic}" "${needle}" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the magic database lacks the format name")
endif()
if(NOT EXISTS ${db}/application/x-kelvora.xml)
  message(FATAL_ERROR "no application/x-kelvora type in the compiled database")
endif()

file(STRINGS ${DESKTOP} lines)
set(mime "")
set(exec "")
foreach(l IN LISTS lines)
  if(l MATCHES "^MimeType=(.*)$")
    set(mime "${CMAKE_MATCH_1}")
  elseif(l MATCHES "^Exec=(.*)$")
    set(exec "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT mime MATCHES "(^|;)application/x-kelvora;")
  message(FATAL_ERROR "${DESKTOP}: MimeType does not list application/x-kelvora: '${mime}'")
endif()
# %f: the desktop hands the program one local file, as `kelvora FILE` takes it.
if(NOT exec MATCHES "^kelvora %f$")
  message(FATAL_ERROR "${DESKTOP}: Exec must pass the file (%f): '${exec}'")
endif()
file(REMOVE_RECURSE ${SCRATCH})
