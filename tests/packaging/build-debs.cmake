# Test fixture: makes the Debian packages of the build tree BUILD_DIR with
# CPACK into OUT_DIR, emptied first so no stale package is ever tested.
foreach(var CPACK BUILD_DIR OUT_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "build-debs.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUT_DIR}")
file(MAKE_DIRECTORY "${OUT_DIR}")
execute_process(
  COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT_DIR}"
  WORKING_DIRECTORY "${BUILD_DIR}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}); see ${OUT_DIR}/_CPack_Packages")
endif()
file(GLOB debs "${OUT_DIR}/*.deb")
message(STATUS "Packages: ${debs}")
