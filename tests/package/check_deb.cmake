# Builds the Debian package from an already built tree, unpacks it into a
# scratch root and checks that it is complete and that its program runs.
foreach(v BUILD_DIR SCRATCH VERSION)
  if(NOT DEFINED ${v})
    message(FATAL_ERROR "${v} not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH}/out ${SCRATCH}/root)

# A private output directory: a parallel `make package` cannot clobber it.
execute_process(COMMAND cpack -G DEB -B ${SCRATCH}/out
                WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cpack failed (${rc}):\n${out}\n${err}")
endif()
file(GLOB debs ${SCRATCH}/out/*.deb)
list(LENGTH debs n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "expected one .deb, found ${n}: ${debs}")
endif()

execute_process(COMMAND dpkg-deb --field ${debs} Package Version Depends
                RESULT_VARIABLE rc OUTPUT_VARIABLE fields)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --field failed")
endif()
message(STATUS "control fields:\n${fields}")
if(NOT fields MATCHES "Package: kelvora\n")
  message(FATAL_ERROR "wrong package name")
endif()
if(NOT fields MATCHES "Version: ${VERSION}")
  message(FATAL_ERROR "package version is not ${VERSION}")
endif()
# Computed by dpkg-shlibdeps from the binaries: an empty list means it did not run.
if(NOT fields MATCHES "Depends:[^\n]*libqt6widgets6" OR NOT fields MATCHES "Depends:[^\n]*libc6")
  message(FATAL_ERROR "Depends lacks the Qt Widgets or C library package")
endif()

execute_process(COMMAND dpkg-deb --contents ${debs}
                RESULT_VARIABLE rc OUTPUT_VARIABLE contents)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --contents failed")
endif()
foreach(f
    ./usr/bin/kelvora
    ./usr/bin/kelvora-cli
    ./usr/share/applications/kelvora.desktop
    ./usr/share/icons/hicolor/scalable/apps/kelvora.svg
    ./usr/share/metainfo/io.example.kelvora.metainfo.xml
    ./usr/share/mime/packages/kelvora.xml
    ./usr/share/man/man1/kelvora-cli.1.gz)
  string(FIND "${contents}" " ${f}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "package lacks ${f}; contents:\n${contents}")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb -x ${debs} ${SCRATCH}/root RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -x failed")
endif()
execute_process(COMMAND ${SCRATCH}/root/usr/bin/kelvora-cli --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE ver ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the packaged kelvora-cli --version failed (${rc}): ${err}")
endif()
if(NOT ver MATCHES "kelvora-cli")
  message(FATAL_ERROR "unexpected --version output: ${ver}")
endif()

# The manual must be a real page made from --help, not an empty shell.
execute_process(COMMAND gzip -dc ${SCRATCH}/root/usr/share/man/man1/kelvora-cli.1.gz
                OUTPUT_VARIABLE man RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT man MATCHES "\\.TH \"?KELVORA-CLI" OR NOT man MATCHES "decimal")
  message(FATAL_ERROR "manual page is not the generated one:\n${man}")
endif()
# Accented help text must survive as UTF-8, not as "??".
if(man MATCHES "\\?\\?" OR NOT man MATCHES "Cálculo")
  message(FATAL_ERROR "manual page lost its accents:\n${man}")
endif()
message(STATUS "packaged kelvora-cli --version: ${ver}")
file(REMOVE_RECURSE ${SCRATCH})
