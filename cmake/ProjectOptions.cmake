# Warnings and sanitizers as INTERFACE targets, linked PRIVATE by every target of ours.
add_library(brisvane_warnings INTERFACE)
add_library(Brisvane::warnings ALIAS brisvane_warnings)
target_compile_options(brisvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
  -Woverloaded-virtual -Wconversion -Wsign-conversion -Wnull-dereference -Wdouble-promotion
  -Wimplicit-fallthrough)

add_library(brisvane_sanitizers INTERFACE)
add_library(Brisvane::sanitizers ALIAS brisvane_sanitizers)
if(BRISVANE_SANITIZE)
  target_compile_options(brisvane_sanitizers INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(brisvane_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

if(BRISVANE_BUILD_FUZZ)
  # Coverage feedback for libFuzzer in all our code; the fuzz targets link the fuzzer itself.
  target_compile_options(brisvane_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Everything of ours links these two.
function(brisvane_target_defaults target)
  target_link_libraries(${target} PRIVATE Brisvane::warnings Brisvane::sanitizers)
endfunction()
