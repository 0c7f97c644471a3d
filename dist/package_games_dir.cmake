# Run by cpack after it has installed the game into its staging folder, before
# it builds the package: Debian's policy puts games in /usr/games, so the
# program moves there from /usr/bin. The game finds its help text and sound in
# ../share/quib from either folder.
file(GLOB_RECURSE found LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER found INCLUDE REGEX "/usr/bin/quib$")
if(NOT found)
  message(FATAL_ERROR "The package's staging folder holds no usr/bin/quib")
endif()
foreach(program IN LISTS found)
  get_filename_component(bin "${program}" DIRECTORY)
  get_filename_component(usr "${bin}" DIRECTORY)
  file(MAKE_DIRECTORY "${usr}/games")
  file(RENAME "${program}" "${usr}/games/quib")
  file(GLOB left "${bin}/*")
  if(NOT left)
    file(REMOVE_RECURSE "${bin}")
  endif()
endforeach()
