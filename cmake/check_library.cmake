# Fails when the shipped library differs from its source table: fly.dll must hold its heading record,
# then the table's rows in order, the first nine columns of each, every line ended by CR LF.
# Run: cmake -DLIBRARY=<fly.dll> -DTABLE=<aircraft.csv> -P check_library.cmake
cmake_policy(SET CMP0007 NEW)
file(READ "${TABLE}" table)
file(READ "${LIBRARY}" library)  # read without its carriage returns
# The notes column may hold semicolons, which a CMake list would split on; the nine fields hold none.
string(REPLACE ";" "," table "${table}")
string(REGEX REPLACE "\n$" "" table "${table}")
string(REPLACE "\n" ";" rows "${table}")
list(POP_FRONT rows)  # the table's own column names

string(REGEX MATCH "^[^\n]*\n" expected "${library}")
set(missing "")
foreach(row IN LISTS rows)
  string(REGEX MATCH "^[^,]*(,[^,]*)(,[^,]*)(,[^,]*)(,[^,]*)(,[^,]*)(,[^,]*)(,[^,]*)(,[^,]*)" record "${row}")
  string(APPEND expected "${record}\n")
  string(FIND "${library}" "\n${record}\n" at)
  if(at EQUAL -1)
    string(APPEND missing "  ${record}\n")
  endif()
endforeach()
if(NOT library STREQUAL expected)
  message(FATAL_ERROR "${LIBRARY} is not its heading record and the rows of ${TABLE} in order. "
                      "Rows of the table it does not hold:\n${missing}")
endif()

# Each of the lines carries one carriage return.
list(LENGTH rows count)
string(LENGTH "${expected}" length)
math(EXPR crlfSize "${length} + ${count} + 1")
file(SIZE "${LIBRARY}" size)
if(NOT size EQUAL crlfSize)
  message(FATAL_ERROR "${LIBRARY} has ${size} bytes, but ${crlfSize} with CR LF line ends")
endif()
