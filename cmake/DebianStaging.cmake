# Run by CPack on the package's staging folder just before it is packed: what Debian adds to a
# plain install, as its packaging tools would.
set(root "${CPACK_TEMPORARY_DIRECTORY}")
set(usr "${root}${CPACK_PACKAGING_INSTALL_PREFIX}")
set(doc "${usr}/share/doc/${CPACK_PACKAGE_NAME}")
set(readable OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The changelog and the manual pages compressed with gzip at its best, without the name and time
# stamp that would make two builds of the same files differ.
execute_process(COMMAND gzip -9nc "${CPACK_BNG_DEBIAN}/changelog"
                OUTPUT_FILE "${doc}/changelog.Debian.gz" COMMAND_ERROR_IS_FATAL ANY)
file(CHMOD "${doc}/changelog.Debian.gz" PERMISSIONS ${readable})
file(GLOB_RECURSE pages "${usr}/share/man/*")
foreach(page IN LISTS pages)
    if(NOT page MATCHES "\\.gz$")
        execute_process(COMMAND gzip -9nf "${page}" COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()

file(MAKE_DIRECTORY "${usr}/share/lintian/overrides")
file(COPY_FILE "${CPACK_BNG_DEBIAN}/lintian-overrides"
     "${usr}/share/lintian/overrides/${CPACK_PACKAGE_NAME}")
file(CHMOD "${usr}/share/lintian/overrides/${CPACK_PACKAGE_NAME}" PERMISSIONS ${readable})

file(GLOB_RECURSE files LIST_DIRECTORIES false "${root}/*")
set(elf)
foreach(file IN LISTS files)
    file(READ "${file}" magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        list(APPEND elf "${file}")
    endif()
endforeach()

# Programs and modules stripped as dh_strip does: of their symbols and of the sections that only
# name the compiler.
execute_process(COMMAND "${CPACK_BNG_STRIP}" --remove-section=.comment --remove-section=.note
                        ${elf} COMMAND_ERROR_IS_FATAL ANY)

# Depends gets the packages of the shared libraries that every program and module in the package
# links to, from dpkg-shlibdeps. CPack's own call to it would also add maintainer scripts that run
# ldconfig, taking the sound module's folder under /usr/lib for one of the linker's.
# dpkg-shlibdeps reads debian/control in the folder it runs in, and knows the package's root by
# its DEBIAN folder; neither is packed.
set(shlibdeps "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
file(WRITE "${shlibdeps}/debian/control" "")
file(MAKE_DIRECTORY "${root}/DEBIAN")
execute_process(COMMAND dpkg-shlibdeps -O ${elf} WORKING_DIRECTORY "${shlibdeps}"
                OUTPUT_VARIABLE linked OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${shlibdeps}" "${root}/DEBIAN")
string(REGEX REPLACE "^shlibs:Depends=" "" linked "${linked}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${linked}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
