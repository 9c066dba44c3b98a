# What a user downloads: one folder holding the program, its example chain
# beside it, the README and the licence, and on Linux the man page and the
# logon examples. `cmake --install` and the CPack archives share this layout.

if(NOT WIN32 AND ORDOVAN_MAN)
  find_program(SCDOC_EXECUTABLE scdoc)
  if(NOT SCDOC_EXECUTABLE)
    message(FATAL_ERROR "scdoc is needed for the man page: install it (Debian: scdoc), "
                        "or configure with -DORDOVAN_MAN=OFF")
  endif()
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/ordovan.1
    COMMAND ${SCDOC_EXECUTABLE} < ${CMAKE_SOURCE_DIR}/doc/ordovan.1.scd > ${CMAKE_BINARY_DIR}/ordovan.1
    DEPENDS ${CMAKE_SOURCE_DIR}/doc/ordovan.1.scd
    COMMENT "Building the man page ordovan.1"
    VERBATIM)
  add_custom_target(ordovan_man ALL DEPENDS ${CMAKE_BINARY_DIR}/ordovan.1)
endif()

install(TARGETS ordovan RUNTIME DESTINATION .)
install(FILES examples/ordovan-${ORDOVAN_PLATFORM}.ini DESTINATION . RENAME ordovan.ini)
install(FILES README.md LICENSE DESTINATION .)
if(NOT WIN32)
  if(ORDOVAN_MAN)
    install(FILES ${CMAKE_BINARY_DIR}/ordovan.1 DESTINATION .)
  endif()
  install(FILES examples/autostart/ordovan.desktop DESTINATION examples/autostart)
  install(FILES examples/systemd/ordovan.service DESTINATION examples/systemd)
endif()

string(TOLOWER "${PROJECT_NAME}" ORDOVAN_PACKAGE_NAME)
if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(ORDOVAN_PACKAGE_SYSTEM win64)
else()
  set(CPACK_GENERATOR TGZ)
  string(TOLOWER "${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}" ORDOVAN_PACKAGE_SYSTEM)
endif()
set(CPACK_PACKAGE_NAME ${ORDOVAN_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "The Ordovan authors")
set(ORDOVAN_PACKAGE_FILE_NAME "${ORDOVAN_PACKAGE_NAME}-${PROJECT_VERSION}-${ORDOVAN_PACKAGE_SYSTEM}")
set(CPACK_PACKAGE_FILE_NAME ${ORDOVAN_PACKAGE_FILE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
