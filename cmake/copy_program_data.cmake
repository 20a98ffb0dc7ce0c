cmake_minimum_required(VERSION 3.25)
# Lays the program's data files into the program directory. Language.ini is only put there when
# missing, so that a language chosen with Settings survives a rebuild.
file(GLOB entries RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(entry IN LISTS entries)
  if(entry STREQUAL "Language.ini")
    if(NOT EXISTS "${DESTINATION}/Language.ini")
      file(COPY "${SOURCE}/Language.ini" DESTINATION "${DESTINATION}")
    endif()
  else()
    file(COPY "${SOURCE}/${entry}" DESTINATION "${DESTINATION}")
  endif()
endforeach()
