# Install rules and the Debian package (cpack -G DEB).
include(GNUInstallDirs)

# The program reads decoders.ini from its working directory. The desktop entry
# runs a launcher that starts it in the user's own data folder, on a copy of
# the sample installed here.
set(FM_SAMPLE_DIR ${CMAKE_INSTALL_FULL_DATADIR}/function-mapping)

install(TARGETS function-mapping function-mapping-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/sample/decoders.ini
    DESTINATION ${CMAKE_INSTALL_DATADIR}/function-mapping)

set(CPACK_PACKAGE_NAME function-mapping)
set(CPACK_PACKAGE_VENDOR "Function Mapping maintainers")
# Debian wants the maintainer's address in the control file, as in the
# changelog's trailer; without a real one both keep the changelog's placeholder.
if(FM_BUG_ADDRESS)
    set(CPACK_PACKAGE_CONTACT "Function Mapping maintainers <${FM_BUG_ADDRESS}>")
    set(FM_UPSTREAM_CONTACT "Upstream-Contact: ${CPACK_PACKAGE_CONTACT}\n")
    list(APPEND man_contact "Report bugs to: ${FM_BUG_ADDRESS}")
else()
    set(CPACK_PACKAGE_CONTACT "Function Mapping maintainers <function-mapping@example.org>")
endif()
# The home page, and the screenshot there, only where there is one.
if(FM_HOMEPAGE)
    set(FM_METAINFO_HOMEPAGE "  <url type=\"homepage\">${FM_HOMEPAGE}</url>
  <screenshots>
    <screenshot type=\"default\">
      <caption>The grid for the first sample decoder type</caption>
      <image>${FM_HOMEPAGE}/screenshot.png</image>
    </screenshot>
  </screenshots>\n")
    list(APPEND man_contact "Function Mapping home page: <${FM_HOMEPAGE}>")
else()
    # Newer AppStream validators (Debian 13's) require a home page, as Debian
    # requires the maintainer's address: there alone a placeholder stands.
    set(FM_METAINFO_HOMEPAGE "  <url type=\"homepage\">https://example.org/function-mapping</url>\n")
endif()
if(man_contact)
    list(JOIN man_contact "\n.br\n" man_contact)
    set(FM_MAN_BUGS ".SH \"REPORTING BUGS\"\n${man_contact}\n")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Map decoder functions to their outputs")
# Lines of at most 80 characters, as Debian's extended description wants them.
set(CPACK_PACKAGE_DESCRIPTION "A desktop tool that shows the function outputs of the decoder types listed
in a decoders.ini file and computes the matching CV values. The menu entry
starts it on the user's own copy of the included sample list.
function-mapping-check reports the lines of such a list that the tool ignores
or reads otherwise than they look.")

if(UNIX AND NOT APPLE)
    set(FM_APP_ID org.example.function_mapping)
    set(FM_LAUNCHER ${CMAKE_INSTALL_FULL_LIBEXECDIR}/function-mapping/launch)
    set(FM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/function-mapping)
    set(fm_out ${PROJECT_BINARY_DIR}/packaging)

    # The installed launcher, and one for the tests that starts the program
    # built here on the sample in the source tree.
    set(FM_LAUNCH_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}/function-mapping)
    set(FM_LAUNCH_SAMPLE_DIR ${FM_SAMPLE_DIR})
    configure_file(${PROJECT_SOURCE_DIR}/packaging/launch.in ${fm_out}/launch @ONLY)
    set(FM_LAUNCH_PROGRAM $<TARGET_FILE:function-mapping>)
    set(FM_LAUNCH_SAMPLE_DIR ${PROJECT_SOURCE_DIR}/sample)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/launch.in ${fm_out}/launch-from-build.in @ONLY)
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/launch-from-build INPUT ${fm_out}/launch-from-build.in)

    # The licence's own text, as a paragraph of the copyright file.
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE FM_LICENSE_TEXT)
    string(REGEX REPLACE "^.*\n\n(Permission)" "\\1" FM_LICENSE_TEXT "${FM_LICENSE_TEXT}")
    string(STRIP "${FM_LICENSE_TEXT}" FM_LICENSE_TEXT)
    string(REPLACE "\n\n" "\n.\n" FM_LICENSE_TEXT "${FM_LICENSE_TEXT}")
    string(REPLACE "\n" "\n " FM_LICENSE_TEXT " ${FM_LICENSE_TEXT}")
    foreach(file function-mapping.desktop function-mapping.1 function-mapping-check.1 copyright)
        configure_file(${PROJECT_SOURCE_DIR}/packaging/${file}.in ${fm_out}/${file} @ONLY)
    endforeach()
    configure_file(${PROJECT_SOURCE_DIR}/packaging/function-mapping.metainfo.xml.in
        ${fm_out}/${FM_APP_ID}.metainfo.xml @ONLY)

    # Compressed for good and without a time stamp, as Debian wants them.
    find_program(GZIP gzip REQUIRED)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog ${fm_out}/changelog COPYONLY)
    foreach(file function-mapping.1 function-mapping-check.1 changelog)
        add_custom_command(OUTPUT ${fm_out}/${file}.gz
            COMMAND ${GZIP} -9nc ${fm_out}/${file} > ${fm_out}/${file}.gz
            DEPENDS ${fm_out}/${file}
            VERBATIM)
    endforeach()
    add_custom_target(package-docs ALL
        DEPENDS ${fm_out}/function-mapping.1.gz ${fm_out}/function-mapping-check.1.gz ${fm_out}/changelog.gz)

    install(PROGRAMS ${fm_out}/launch DESTINATION ${CMAKE_INSTALL_LIBEXECDIR}/function-mapping)
    install(FILES ${fm_out}/function-mapping.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${fm_out}/${FM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${fm_out}/function-mapping.1.gz ${fm_out}/function-mapping-check.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${fm_out}/copyright ${fm_out}/changelog.gz DESTINATION ${FM_DOC_DIR})
    foreach(size IN LISTS FM_ICON_SIZES)
        install(FILES ${FM_ICON_THEME_DIR}/${size}x${size}/apps/function-mapping.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

# The desktop entry names absolute paths under CMAKE_INSTALL_PREFIX, so the
# package installs there too; configure with -DCMAKE_INSTALL_PREFIX=/usr for a
# package meant for a distribution.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FM_HOMEPAGE}")
# dpkg-shlibdeps works out the Qt 5 runtime packages from the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-open, which the menu's "Edit decoder list" opens the user's list with.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
# notify-send, which shows the action's failures where standard error goes unseen.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS libnotify-bin)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The package gets a stripped copy; the build tree keeps its debug information.
set(CPACK_STRIP_FILES ON)
include(CPack)
