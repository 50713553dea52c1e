# Install rules and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

# The program reads decoders.ini from its working directory; the desktop entry
# starts it in the folder that holds the sample.
set(FM_SAMPLE_DIR ${CMAKE_INSTALL_FULL_DATADIR}/function-mapping)

install(TARGETS function-mapping RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/sample/decoders.ini
    DESTINATION ${CMAKE_INSTALL_DATADIR}/function-mapping)

if(UNIX AND NOT APPLE)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/function-mapping.desktop.in
        ${PROJECT_BINARY_DIR}/function-mapping.desktop @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/function-mapping.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size IN LISTS FM_ICON_SIZES)
        install(FILES ${FM_ICON_THEME_DIR}/${size}x${size}/apps/function-mapping.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

set(CPACK_PACKAGE_NAME function-mapping)
set(CPACK_PACKAGE_VENDOR "Function Mapping maintainers")
set(CPACK_PACKAGE_CONTACT "Function Mapping maintainers <function-mapping@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Map decoder functions to their outputs")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop tool that shows the function outputs of the decoder types listed in a decoders.ini file and computes the matching CV values. A sample decoders.ini is included.")
# The desktop entry names absolute paths under CMAKE_INSTALL_PREFIX, so the
# package installs there too; configure with -DCMAKE_INSTALL_PREFIX=/usr for a
# package meant for a distribution.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps works out the Qt 5 runtime packages from the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
