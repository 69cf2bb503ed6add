# The release a Windows user downloads: `cmake --build <build> --target package` writes one ZIP of the install
# tree, named for the library's version and the target (qel_ogl-0.1.0-x86_64.zip). It holds the DLLs with the C++
# runtime DLLs, the interposer in its own folder, the info tool, the headers, the import libraries, the CMake
# package, the README and the documentation pages; scripts/check_package.py checks it against
# cmake/package-contents.txt.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION .)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION docs FILES_MATCHING PATTERN "*.md")

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QEL_RELEASE_TARGET x86_64)
else()
    set(QEL_RELEASE_TARGET i686)
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME qel_ogl)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME qel_ogl-${PROJECT_VERSION}-${QEL_RELEASE_TARGET})
# The archive's top folder is the install prefix itself.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
