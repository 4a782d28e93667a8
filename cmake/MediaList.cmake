# Reads media/media.txt for the build and the media generator. Sets BNG_ICON_SIZES,
# BNG_ICON_FILES (each icons/brannoch-SIZE.png, under media/), BNG_RUNTIME_MEDIA (every cue's
# face and sound) and BNG_SPOKEN_MEDIA (every cue's sound in each language of BNG_LANGUAGES,
# LANGUAGE/SOUND under media/), and writes MediaList.h, which gives C++ the same through the
# target bng_media_list.
set(bng_media_list "${CMAKE_CURRENT_LIST_DIR}/../media/media.txt")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${bng_media_list}")
file(STRINGS "${bng_media_list}" bng_media_lines REGEX "^[a-z]")

set(BNG_ICON_SIZES)
set(BNG_ICON_FILES)
set(BNG_RUNTIME_MEDIA)
set(BNG_SPOKEN_MEDIA)
set(bng_icons)
set(bng_cues)
foreach(line IN LISTS bng_media_lines)
    separate_arguments(fields UNIX_COMMAND "${line}")
    list(POP_FRONT fields kind)
    if(kind STREQUAL "icons")
        foreach(size IN LISTS fields)
            set(file icons/brannoch-${size}.png)
            list(APPEND BNG_ICON_SIZES ${size})
            list(APPEND BNG_ICON_FILES ${file})
            string(APPEND bng_icons "    {${size}, \"${file}\"},\n")
        endforeach()
    elseif(kind STREQUAL "cue")
        list(LENGTH fields count)
        if(NOT count EQUAL 3)
            message(FATAL_ERROR "media/media.txt: a cue takes a name, a face and a sound: ${line}")
        endif()
        list(GET fields 0 name)
        list(GET fields 1 face)
        list(GET fields 2 sound)
        list(APPEND BNG_RUNTIME_MEDIA ${face} ${sound})
        foreach(language IN LISTS BNG_LANGUAGES)
            list(APPEND BNG_SPOKEN_MEDIA ${language}/${sound})
        endforeach()
        string(SUBSTRING "${name}" 0 1 initial)
        string(SUBSTRING "${name}" 1 -1 rest)
        string(TOUPPER "${initial}" initial)
        string(APPEND bng_cues
            "inline constexpr CueMedia ${initial}${rest}Media{\"${face}\", \"${sound}\"};\n")
    else()
        message(FATAL_ERROR "media/media.txt: unknown line: ${line}")
    endif()
endforeach()

file(CONFIGURE OUTPUT "${CMAKE_BINARY_DIR}/generated/MediaList.h" @ONLY CONTENT [[
// Made by the build from media/media.txt, which is the place to change.
#pragma once

namespace media {

// An icon file under media/, and its width and height in pixels.
struct IconFile {
    int size;
    const char* name;
};
inline constexpr IconFile IconFiles[] = {
@bng_icons@};

// A cue's face and sound, by their bare names.
struct CueMedia {
    const char* face;
    const char* sound;
};
@bng_cues@
} // namespace media
]])
add_library(bng_media_list INTERFACE)
target_include_directories(bng_media_list INTERFACE "${CMAKE_BINARY_DIR}/generated")
