# Install rules: the two programs, the desktop integration files, the manual pages, the help
# page and the Debian package's documentation. Included from the top level after the targets
# are defined. The paths follow GNUInstallDirs, so `cmake --install build --prefix /usr` lays
# out what the package ships.
include(GNUInstallDirs)

set(KESTA_APP_ID org.kesta.Kesta)
set(KESTA_MAINTAINER "KESTA developers <kesta@example.org>")
set(KESTA_DATA_DIR ${PROJECT_SOURCE_DIR}/data)

foreach(program kesta kesta-report)
    if(TARGET ${program})
        # Bind every symbol at start-up so that the relocations can be made read-only
        # (Debian's hardening); a link option only, the code is built as before.
        target_link_options(${program} PRIVATE LINKER:-z,now)
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        # A stripped install (the package's) also drops the compiler's .comment section.
        if(CMAKE_OBJCOPY)
            install(CODE "if(CMAKE_INSTALL_DO_STRIP)
                execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\"
                    COMMAND_ERROR_IS_FATAL ANY)
            endif()")
        endif()
    endif()
endforeach()

# Desktop entry, AppStream metadata and the set-up file type.
install(FILES ${KESTA_DATA_DIR}/${KESTA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KESTA_DATA_DIR}/${KESTA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KESTA_DATA_DIR}/${KESTA_APP_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${KESTA_APP_ID}.xml)

# Icons: the scalable one and the sizes kept rendered in the repository.
install(FILES ${KESTA_DATA_DIR}/icons/${KESTA_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
    install(FILES ${KESTA_DATA_DIR}/icons/${size}x${size}/${KESTA_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Gzip'd at build time with no name or time stamp in the header (-n), so that the same sources
# always give the same bytes; Debian wants manual pages and changelogs compressed.
find_program(KESTA_GZIP gzip)
set(KESTA_GZ_DIR ${PROJECT_BINARY_DIR}/gz)
set(KESTA_GZ_FILES)
function(kesta_gzip source output)
    add_custom_command(OUTPUT ${KESTA_GZ_DIR}/${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${KESTA_GZ_DIR}
        COMMAND sh -c "\"$1\" -9nc \"$2\" > \"$3\"" kesta-gzip ${KESTA_GZIP} ${source}
                ${KESTA_GZ_DIR}/${output}
        DEPENDS ${source}
        COMMENT "Compressing ${output}"
        VERBATIM)
    set(KESTA_GZ_FILES ${KESTA_GZ_FILES} ${KESTA_GZ_DIR}/${output} PARENT_SCOPE)
endfunction()

set(KESTA_MAN_PAGES ${KESTA_DATA_DIR}/man/kesta.1 ${KESTA_DATA_DIR}/man/kesta-report.1)
if(KESTA_GZIP)
    foreach(page ${KESTA_MAN_PAGES})
        get_filename_component(name ${page} NAME)
        kesta_gzip(${page} ${name}.gz)
        install(FILES ${KESTA_GZ_DIR}/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endforeach()
    kesta_gzip(${KESTA_DATA_DIR}/debian/changelog changelog.gz)
    install(FILES ${KESTA_GZ_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
    add_custom_target(kesta_compressed_docs ALL DEPENDS ${KESTA_GZ_FILES})
else()
    message(STATUS "gzip not found: manual pages and changelog are installed uncompressed")
    install(FILES ${KESTA_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${KESTA_DATA_DIR}/debian/changelog DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

# Documentation: the help page and the machine-readable copyright file.
configure_file(${KESTA_DATA_DIR}/debian/copyright.in ${PROJECT_BINARY_DIR}/copyright @ONLY)
install(FILES ${KESTA_DATA_DIR}/help/report-help.html ${PROJECT_BINARY_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Registers the help page with doc-base; written at install time, when the prefix is known.
install(CODE "set(KESTA_DOCDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DOCDIR}\")
    configure_file(\"${KESTA_DATA_DIR}/debian/report-help.doc-base.in\"
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/doc-base/kesta-report-help\"
        @ONLY)")

# Example set-up files, as many as data/examples holds (none is fine).
file(GLOB KESTA_EXAMPLES CONFIGURE_DEPENDS ${KESTA_DATA_DIR}/examples/*.kesta)
if(KESTA_EXAMPLES)
    install(FILES ${KESTA_EXAMPLES} DESTINATION ${CMAKE_INSTALL_DATADIR}/kesta/examples)
endif()

# The Debian package: `cmake --build build --target package` writes kesta_1.0.0_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kesta)
set(CPACK_PACKAGE_VENDOR "KESTA developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KESTA_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bowhunting set-up calculator")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KESTA_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Courier New, in which the report is shown and printed, is Liberation Mono on Debian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The synopsis line comes from CPACK_PACKAGE_DESCRIPTION_SUMMARY; this is the long text.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "KESTA checks one bowhunting set-up (arrow, bow, broadhead and the
hunter's accuracy) and writes a plain-text report: momentum and kinetic
energy, the broadhead's cutting resistance and soft-tissue penetration,
dynamic spine, shaft deflection and front-of-centre balance, damage area,
the maximum hunting distance for six game categories, the distances at
which game can react to the shot, penetration through ribs, and the game
animals for which the set-up is sufficient, marginal or not recommended.
.
The package holds the window (kesta), which prints the report and keeps
every input between runs, and kesta-report, which writes the same report
on the command line for scripts and machines without a display.")
include(CPack)
