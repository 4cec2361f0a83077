# Creates the user's files in the program directory, only when they are missing: a user's
# database and settings are never overwritten.
#   -DDATA_DIR=... -DBIN_DIR=... [-DDEMO_UNCHECKED=ON]
# DEMO_UNCHECKED leaves the demo plans unchecked: an installed program has no demo site.
if(NOT EXISTS ${BIN_DIR}/zorv.db)
  set(sql ${DATA_DIR}/zorv.sql)
  file(READ ${sql} schema)
  if(EXISTS ${DATA_DIR}/demo-plans.sql)
    file(READ ${DATA_DIR}/demo-plans.sql demo)
    string(APPEND schema "\n" "${demo}")
    if(DEMO_UNCHECKED)
      string(APPEND schema "\nUPDATE rule SET isdo = 0;\n")
    endif()
  endif()
  file(WRITE ${BIN_DIR}/zorv.db.sql "${schema}")
  execute_process(COMMAND sqlite3 ${BIN_DIR}/zorv.db.tmp ".read ${BIN_DIR}/zorv.db.sql"
                  RESULT_VARIABLE failed)
  file(REMOVE ${BIN_DIR}/zorv.db.sql)
  if(failed)
    file(REMOVE ${BIN_DIR}/zorv.db.tmp)
    message(FATAL_ERROR "could not create zorv.db")
  endif()
  file(RENAME ${BIN_DIR}/zorv.db.tmp ${BIN_DIR}/zorv.db)
endif()
if(NOT EXISTS ${BIN_DIR}/zorvqi.ini)
  # The settings file is GBK on disk; the shipped one is kept in UTF-8 for editing.
  execute_process(COMMAND iconv -f UTF-8 -t CP936 ${DATA_DIR}/zorvqi.ini
                  OUTPUT_FILE ${BIN_DIR}/zorvqi.ini RESULT_VARIABLE failed)
  if(failed)
    file(REMOVE ${BIN_DIR}/zorvqi.ini)
    message(FATAL_ERROR "could not create zorvqi.ini")
  endif()
endif()
