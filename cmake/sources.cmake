# Each folder's sources are picked up by pattern so a new unit needs no list edit.
function(vrq_sources out dir)
  file(GLOB found CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
  set(${out} ${found} PARENT_SCOPE)
endfunction()
