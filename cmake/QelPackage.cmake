# The config package that `cmake --install` writes beside the DLLs, import libraries and headers, so that a host
# project finds the library with
#
#     find_package(qel_ogl CONFIG REQUIRED)
#     target_link_libraries(app PRIVATE qel_ogl::qel_ogl)   # qel_ogl::qel_core comes with it
#
# and copies what the program needs at run time beside it: ${qel_ogl_RUNTIME_DLLS} names both DLLs and the C++
# runtime DLLs that they were built with (generator expressions, for a custom command).
include(CMakePackageConfigHelpers)

set(QEL_PACKAGE_DIR lib/cmake/qel_ogl)
# The install tree's runtime DLLs of the compiler, relative to its prefix; none with MSVC.
set(QEL_PACKAGE_RUNTIME_DLLS)
foreach(dll IN LISTS QEL_RUNTIME_DLLS)
    get_filename_component(name ${dll} NAME)
    list(APPEND QEL_PACKAGE_RUNTIME_DLLS bin/${name})
endforeach()

install(EXPORT qel_ogl_targets
    NAMESPACE qel_ogl::
    FILE qel_ogl-targets.cmake
    DESTINATION ${QEL_PACKAGE_DIR})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/qel_ogl-config.cmake.in
    ${CMAKE_BINARY_DIR}/package-config/qel_ogl-config.cmake
    INSTALL_DESTINATION ${QEL_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/package-config/qel_ogl-config-version.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/package-config/qel_ogl-config.cmake ${CMAKE_BINARY_DIR}/package-config/qel_ogl-config-version.cmake
    DESTINATION ${QEL_PACKAGE_DIR})
