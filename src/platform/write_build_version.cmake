# Writes OUTPUT, a header with the version VERSION and the commit of the git
# work tree SOURCE_DIR (empty when there is none). The file is rewritten only
# when its content changes, so a build without a new commit compiles nothing.
find_program(GIT_EXECUTABLE git)
set(commit "")
if(GIT_EXECUTABLE)
  execute_process(
    COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} rev-parse --short HEAD
    OUTPUT_VARIABLE commit
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    set(commit "")
  endif()
endif()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT [[
// Generated at build time by write_build_version.cmake.
#pragma once
#include <string_view>
namespace tz {
inline constexpr std::string_view kVersion = "@VERSION@";
inline constexpr std::string_view kCommit = "@commit@";
}  // namespace tz
]] @ONLY)
