# Installation into a prefix laid out by GNUInstallDirs and InstallDirs.cmake, and an uninstall
# target that takes back what the last install wrote.
#
# Run as a script (cmake -P) by the uninstall target, this same file does the removing, so that
# the rules for putting files in and taking them out stay side by side.
if(CMAKE_SCRIPT_MODE_FILE)
    if(NOT EXISTS "${BNG_MANIFEST}")
        message(FATAL_ERROR "Nothing to uninstall: ${BNG_MANIFEST} does not exist; "
                            "it is written by cmake --install.")
    endif()
    file(STRINGS "${BNG_MANIFEST}" installed)
    set(folders)
    foreach(file IN LISTS installed)
        if(IS_SYMLINK "${file}" OR EXISTS "${file}")
            message(STATUS "Removing: ${file}")
            file(REMOVE "${file}")
        endif()
        get_filename_component(folder "${file}" DIRECTORY)
        list(APPEND folders "${folder}")
    endforeach()
    # Shared folders such as bin or share/applications stay; only the game's own folders go,
    # and only once nothing else is left in them.
    list(REMOVE_DUPLICATES folders)
    foreach(folder IN LISTS folders)
        while(folder MATCHES "/brannoch-number-guess(/|$)" AND IS_DIRECTORY "${folder}")
            file(GLOB left LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
            if(left)
                break()
            endif()
            message(STATUS "Removing: ${folder}")
            file(REMOVE_RECURSE "${folder}")
            get_filename_component(folder "${folder}" DIRECTORY)
        endwhile()
    endforeach()
    return()
endif()

install(TARGETS brannoch-number-guess RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The sound module is the game's own, loaded at the first cue from the game's library folder.
install(TARGETS brannoch-number-guess-sound LIBRARY DESTINATION ${BNG_INSTALL_MODULEDIR})

list(TRANSFORM BNG_RUNTIME_MEDIA PREPEND "${PROJECT_SOURCE_DIR}/media/" OUTPUT_VARIABLE bng_media)
install(FILES ${bng_media} DESTINATION ${BNG_INSTALL_MEDIADIR})
foreach(file IN LISTS BNG_SPOKEN_MEDIA)
    get_filename_component(language "${file}" DIRECTORY)
    install(FILES "${PROJECT_SOURCE_DIR}/media/${file}"
            DESTINATION ${BNG_INSTALL_MEDIADIR}/${language})
endforeach()

install(FILES "${BNG_DESKTOP_ENTRY}"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${BNG_METAINFO}" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size file IN ZIP_LISTS BNG_ICON_SIZES BNG_ICON_FILES)
    install(FILES "${PROJECT_SOURCE_DIR}/media/${file}"
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${BNG_APP_ID}.png)
endforeach()
install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION ${CMAKE_INSTALL_DOCDIR} OPTIONAL)
install(FILES "${PROJECT_SOURCE_DIR}/dist/copyright" DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES "${PROJECT_SOURCE_DIR}/dist/brannoch-number-guess.6"
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND} -DBNG_MANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt
            -P ${CMAKE_CURRENT_LIST_FILE}
    COMMENT "Removing the files listed in install_manifest.txt"
    VERBATIM)
