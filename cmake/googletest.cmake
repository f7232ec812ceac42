# Builds GoogleTest from its sources for a target that has no installed copy
# (a cross build for Windows): Debian's googletest package ships them in
# /usr/src/googletest. It defines the same GTest:: targets as find_package.
set(ZEPIRO_GTEST_SOURCE /usr/src/googletest
    CACHE PATH "GoogleTest sources, built when no installed GoogleTest is found")
if(NOT EXISTS ${ZEPIRO_GTEST_SOURCE}/CMakeLists.txt)
  return()
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(${ZEPIRO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its own warning flags are its own business: ours (errors included) stay off it.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
set(GTest_FOUND TRUE)
