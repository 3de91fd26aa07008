# The installed product: one prefix holding
#   bin/kvhost                      the host program (and bin/kvsheet, the engine's command-line tool)
#   lib/libkvmodule.so, lib/libkv*  the module and the platform and core libraries
#   share/karvel/library            the sample library
#   share/karvel/install            texts, icons and the bundled sheets
#   share/karvel/scenarios          the sample scenarios kvhost runs
# Every binary finds its libraries through RPATH $ORIGIN/../lib and its data from its own
# place (core's settings look for ../share/karvel beside the program), so the prefix can be
# moved or unpacked anywhere. Plain bin/lib/share folders, not the multiarch library folder,
# keep $ORIGIN/../lib true under every prefix.

set(_kv_install_programs kvhost kvsheet-cli)
set(_kv_install_libraries kvmodule kvcore kvbase kvwin kvhostapi kvsheet kvsheetwin kvrender)

foreach(target IN LISTS _kv_install_programs _kv_install_libraries)
  if(TARGET ${target})
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/../lib")
  endif()
endforeach()
foreach(target IN LISTS _kv_install_programs)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION bin)
  endif()
endforeach()
foreach(target IN LISTS _kv_install_libraries)
  if(TARGET ${target})
    install(TARGETS ${target} LIBRARY DESTINATION lib)
  endif()
endforeach()

# The generators of the bundled pictures, previews and sheets stay in the source tree.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/library/ DESTINATION share/karvel/library
        PATTERN "*.py" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/install/ DESTINATION share/karvel/install
        PATTERN "*.py" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/scenarios/ DESTINATION share/karvel/scenarios)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION share/doc/karvel)

# cpack -G DEB: a Debian package of the same layout under /usr.
set(CPACK_PACKAGE_NAME karvel)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_VENDOR "Karvel")
set(CPACK_PACKAGE_CONTACT "Karvel developers <dev@karvel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Dialog and spreadsheet module of a steel-construction design package, with its host program")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The package's dependencies are read from the binaries by dpkg-shlibdeps (scripts/deps
# installs dpkg-dev); the product's own libraries are found through $ORIGIN/../lib in the
# staging tree, not asked of the system.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core")
include(CPack)
