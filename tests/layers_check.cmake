# No include runs back up the layers: the plain layers (numbers and sheets,
# calculations, construction, report texts, supply) include neither the
# registry that composes them nor anything of the windows, nor Qt.
set(upward "design\\.h|designs\\.h|panel_layout\\.h|language\\.h|U[a-z0-9]+\\.h|tab_builders\\.h|binding\\.h")
set(failures "")
foreach(dir core calc construction report supply)
  file(GLOB sources "${SOURCE_DIR}/${dir}/*.cpp" "${SOURCE_DIR}/${dir}/*.h")
  foreach(f IN LISTS sources)
    get_filename_component(name "${f}" NAME)
    # Writing a report file is the one Qt Core piece of report/.
    if(name MATCHES "^(report_file|translations)\\.")
      continue()
    endif()
    file(STRINGS "${f}" lines REGEX "^#include")
    foreach(l IN LISTS lines)
      if(l MATCHES "\"(${upward})\"" OR l MATCHES "<Q[A-Za-z]*>")
        string(APPEND failures "  ${dir}/${name}: ${l}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "includes that run back up:\n${failures}")
endif()
