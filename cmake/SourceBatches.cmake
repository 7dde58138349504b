# Source batches for the checking build: a library's .cpp files compiled a
# few at a time, each batch one translation unit that includes its files.
# Most of what a GUI or command file costs to compile is the same headers
# loaded again; in batches of eight, the GUI library, dpmrtool's commands
# and the core suites of a folder compile in a third to a half of the time.
# Only the checking build batches (the programs users run keep one object per
# file, and so does the core, whose one-file rebuild `make test` waits for).
#
# CMake's own unity build names the files by absolute path, which differs
# from one checkout folder to the next and would make every batch miss the
# compiler cache in a clean clone. These batches include their files by a
# path relative to the batch, the same in every clone.
#
#   dpmr_source_batches(OUT_VAR NAME SOURCES...)
# sets OUT_VAR to SOURCES with the .cpp files replaced by the batches (in the
# checking build; unchanged elsewhere). Headers and resources stay as they are.
set(DPMR_BATCH_SIZE 8)

function(dpmr_source_batches out_var name)
  if(NOT CMAKE_BUILD_TYPE STREQUAL "Check")
    set(${out_var} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/batches)
  set(sources ${ARGN})
  list(SORT sources)
  set(result)
  set(batch)
  foreach(source ${sources})
    if(source MATCHES "\\.cpp$")
      list(APPEND batch ${source})
    else()
      list(APPEND result ${source})
    endif()
  endforeach()
  set(index 0)
  list(LENGTH batch left)
  while(left GREATER 0)
    set(text "// ${name}, batch ${index}: made by cmake/SourceBatches.cmake\n")
    foreach(n RANGE 1 ${DPMR_BATCH_SIZE})
      if(left EQUAL 0)
        break()
      endif()
      list(POP_FRONT batch source)
      file(RELATIVE_PATH relative ${dir} ${source})
      string(APPEND text "#include \"${relative}\"\n")
      math(EXPR left "${left} - 1")
    endforeach()
    # Written only when it changes, so that a new configure rebuilds nothing.
    set(file ${dir}/${name}_${index}.cpp)
    set(old "")
    if(EXISTS ${file})
      file(READ ${file} old)
    endif()
    if(NOT old STREQUAL text)
      file(WRITE ${file} "${text}")
    endif()
    list(APPEND result ${file})
    math(EXPR index "${index} + 1")
  endwhile()
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()
