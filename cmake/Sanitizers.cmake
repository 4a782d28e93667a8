# Sanitizer build variant (BNG_SANITIZE): AddressSanitizer, with LeakSanitizer, and
# UndefinedBehaviorSanitizer on every target. -O1 keeps the build and the suite quick under them
# while keeping stack traces readable.
option(BNG_SANITIZE "Build with AddressSanitizer, LeakSanitizer and UBSan, for the test suite"
       OFF)

if(BNG_SANITIZE)
    set(bng_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=all)
    add_compile_options(${bng_sanitize_flags} -fno-omit-frame-pointer -O1 -g)
    add_link_options(${bng_sanitize_flags})

    # Every program built from here on carries the sanitizer options, so tests need no
    # environment of their own, and neither do the programs they start.
    add_library(bng_sanitizer_defaults OBJECT ${PROJECT_SOURCE_DIR}/tests/sanitizer/defaults.cpp)
    target_compile_definitions(bng_sanitizer_defaults PRIVATE
        BNG_LSAN_SUPPRESSIONS="${PROJECT_SOURCE_DIR}/tests/sanitizer/lsan.supp")
    link_libraries(bng_sanitizer_defaults)
endif()
