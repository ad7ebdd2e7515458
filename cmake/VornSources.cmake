# Each folder's sources are found by globbing, so a new file needs no edit of
# the shared build files.
function(vorn_collect_sources out)
  set(all)
  foreach(dir ${ARGN})
    file(GLOB found CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
    list(APPEND all ${found})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()
