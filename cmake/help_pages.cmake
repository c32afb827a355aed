# The help pages (English and German): copied beside the program in the
# build tree, so that the program finds them there as it does when installed.
set(VELL_HELP_PAGES
  ${PROJECT_SOURCE_DIR}/docs/help/vellmaster-help-en.html
  ${PROJECT_SOURCE_DIR}/docs/help/vellmaster-help-de.html)

# Copies the pages into help/ beside TARGET's executable in the build tree.
function(vell_help_pages_beside target)
  set(copies)
  foreach(page ${VELL_HELP_PAGES})
    get_filename_component(page_name ${page} NAME)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/help/${page_name})
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${page} ${copy}
      DEPENDS ${page}
      COMMENT "Help page ${page_name}")
    list(APPEND copies ${copy})
  endforeach()
  add_custom_target(${target}-help ALL DEPENDS ${copies})
  add_dependencies(${target} ${target}-help)
endfunction()
