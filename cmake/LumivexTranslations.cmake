# The languages the program is translated into and how their sources are extracted. Included by
# resources/ (which compiles and installs the translations) and by the test that checks them, so
# both run lupdate the same way.
#
# The texts in the code and the forms are Simplified Chinese, the source language. The codes are
# those of the language menu, in its order after the source language; "zh" is Traditional
# Chinese.
set(LUMIVEX_LANGUAGES en zh fr it ja ko ru de es pt nl pl uk lt hu)
# The subsystem folders whose code and forms hold user-visible texts.
set(LUMIVEX_TRANSLATED_DIRS app capture scene calibration config media)
# No source locations in the .ts files: line numbers would change with every edit elsewhere and
# make the files conflict between branches for no gain.
set(LUMIVEX_LUPDATE_OPTIONS
  -I ${PROJECT_SOURCE_DIR} -no-obsolete -locations none -source-language zh_CN)
set(LUMIVEX_TS_DIR ${PROJECT_SOURCE_DIR}/resources/lang)
