# Run by cpack before it packs: the times in the package (its members, its files) are taken
# from SOURCE_DATE_EPOCH, which is set here, unless given, to the date of the commit built, or
# where the sources are no checkout, to the day of the release.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_AMPLORA_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
    RESULT_VARIABLE git_status)
  if(NOT git_status EQUAL 0 OR commit_time STREQUAL "")
    set(commit_time "${CPACK_AMPLORA_RELEASE_EPOCH}")
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${commit_time}")
endif()
