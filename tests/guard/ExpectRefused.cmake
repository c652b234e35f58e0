# cmake -DBUILD_DIR=<build folder> -DGUARD=<name> -P ExpectRefused.cmake
# Passes when <name>_control builds and <name>_refused does not: the header the second one
# adds is out of its library's reach. No compiler's wording is read.
foreach(kind control refused)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${GUARD}_${kind}
                  RESULT_VARIABLE result_${kind} OUTPUT_VARIABLE log_${kind} ERROR_VARIABLE log_${kind})
endforeach()
if(NOT result_control EQUAL 0)
  message(FATAL_ERROR "${GUARD}_control does not build, so the guard proves nothing:\n${log_control}")
endif()
if(result_refused EQUAL 0)
  message(FATAL_ERROR "${GUARD}_refused built: the header it adds is within its library's reach")
endif()
message(STATUS "${GUARD}: the header is out of reach")
