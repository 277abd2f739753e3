# Included from the top level: the rcc and lrelease rules must live in the
# directory of kesp_core to feed its sources.
set(KESP_RES_SRC ${PROJECT_SOURCE_DIR}/resources)
set(KESP_RES_BIN ${PROJECT_BINARY_DIR}/resources)

# Four resource modules, each registering itself when the library loads:
# images, qss, i18n (second translator) and resources (first translator,
# map pages).  Translations are compiled from .ts by lrelease at build time.

set(_ts_first
  ${KESP_RES_SRC}/translations/transEnglish.ts
  ${KESP_RES_SRC}/translations/transSimpleChinese.ts)
set(_ts_second
  ${KESP_RES_SRC}/i18n/en_US.ts
  ${KESP_RES_SRC}/i18n/zh_CN.ts)

# Folders whose tr() texts the catalogues hold; tst_translation_coverage
# scans the same ones.  `cmake --build build --target update_translations`
# brings both catalogues up to date with the sources (new texts come in
# unfinished, without guessed translations, which lrelease would ship).
set(KESP_TR_SOURCE_DIRS app terminals instruments positioning utilities forms)
set(KESP_LUPDATE_OPTIONS -I ${PROJECT_SOURCE_DIR} -locations none
  -disable-heuristic sametext -disable-heuristic similartext -disable-heuristic number)
add_custom_target(update_translations
  COMMAND Qt6::lupdate ${KESP_LUPDATE_OPTIONS} ${KESP_TR_SOURCE_DIRS} -ts ${_ts_first}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  VERBATIM)

set(_qm_dir ${KESP_RES_BIN}/qm)
file(MAKE_DIRECTORY ${_qm_dir})
set(_qm_files)
foreach(_ts IN LISTS _ts_first _ts_second)
  get_filename_component(_base ${_ts} NAME_WE)
  set(_qm ${_qm_dir}/${_base}.qm)
  add_custom_command(OUTPUT ${_qm}
    COMMAND Qt6::lrelease -silent ${_ts} -qm ${_qm}
    DEPENDS ${_ts} Qt6::lrelease
    VERBATIM)
  list(APPEND _qm_files ${_qm})
endforeach()

# rcc run by hand so generated inputs (the .qm files) are proper dependencies.
function(kesp_rcc name qrc)
  set(_out ${KESP_RES_BIN}/qrc_${name}.cpp)
  add_custom_command(OUTPUT ${_out}
    COMMAND Qt6::rcc --name ${name} --output ${_out} ${qrc}
    DEPENDS ${qrc} ${ARGN} Qt6::rcc
    VERBATIM)
  target_sources(kesp_core PRIVATE ${_out})
endfunction()

file(GLOB _images CONFIGURE_DEPENDS ${KESP_RES_SRC}/images/*)
kesp_rcc(images ${KESP_RES_SRC}/images.qrc ${_images})
file(GLOB _qss CONFIGURE_DEPENDS ${KESP_RES_SRC}/qss/*)
kesp_rcc(qss ${KESP_RES_SRC}/qss.qrc ${_qss})
file(GLOB _property_icons CONFIGURE_DEPENDS ${KESP_RES_SRC}/property_icons/*)
kesp_rcc(property_icons ${KESP_RES_SRC}/property_icons.qrc ${_property_icons}) # the converter's icons

# The converter's currency flags come from the system's package as well.
set(KESP_FLAGS_DIR /usr/share/iso-flags-svg/country-4x3 CACHE PATH "Directory of the 4:3 country flags (<code>.svg)")
set(_flag_codes au bg br ca ch cn cz dk eu gb hk hu id il in is jp kr mx my no nz ph pl ro se sg th tr us za)
set(_img_qrc ${KESP_RES_BIN}/img.qrc)
set(_img_body "<RCC>\n  <qresource prefix=\"/img\">\n")
set(_img_deps)
foreach(_c IN LISTS _flag_codes)
  if(NOT EXISTS ${KESP_FLAGS_DIR}/${_c}.svg)
    message(FATAL_ERROR "Flag ${_c}.svg missing in ${KESP_FLAGS_DIR} (Debian package iso-flags-svg)")
  endif()
  string(APPEND _img_body "    <file alias=\"${_c}.svg\">${KESP_FLAGS_DIR}/${_c}.svg</file>\n")
  list(APPEND _img_deps ${KESP_FLAGS_DIR}/${_c}.svg)
endforeach()
string(APPEND _img_body "  </qresource>\n</RCC>\n")
file(WRITE ${_img_qrc}.in "${_img_body}")
configure_file(${_img_qrc}.in ${_img_qrc} COPYONLY)
kesp_rcc(img ${_img_qrc} ${_img_deps})

set(_i18n_qrc ${KESP_RES_BIN}/i18n.qrc)
file(WRITE ${_i18n_qrc}.in
"<RCC>\n  <qresource prefix=\"/i18n\">\n    <file alias=\"en_US.qm\">${_qm_dir}/en_US.qm</file>\n    <file alias=\"zh_CN.qm\">${_qm_dir}/zh_CN.qm</file>\n  </qresource>\n</RCC>\n")
configure_file(${_i18n_qrc}.in ${_i18n_qrc} COPYONLY)
kesp_rcc(i18n ${_i18n_qrc} ${_qm_dir}/en_US.qm ${_qm_dir}/zh_CN.qm)

# The map library comes from the system's package, never from this tree.
set(KESP_LEAFLET_DIR /usr/share/javascript/leaflet CACHE PATH "Directory of leaflet.js and leaflet.css")
file(GLOB _html CONFIGURE_DEPENDS ${KESP_RES_SRC}/html/*)
set(_res_qrc ${KESP_RES_BIN}/resources.qrc)
set(_res_body "<RCC>\n  <qresource prefix=\"/\">\n    <file alias=\"transEnglish.qm\">${_qm_dir}/transEnglish.qm</file>\n    <file alias=\"transSimpleChinese.qm\">${_qm_dir}/transSimpleChinese.qm</file>\n  </qresource>\n  <qresource prefix=\"/html\">\n    <file alias=\"more.html\">${KESP_RES_SRC}/web/more.html</file>\n  </qresource>\n")
set(_res_deps ${_qm_dir}/transEnglish.qm ${_qm_dir}/transSimpleChinese.qm ${KESP_RES_SRC}/web/more.html)
if(_html)
  string(APPEND _res_body "  <qresource prefix=\"/html/images\">\n")
  foreach(_f IN LISTS _html)
    get_filename_component(_n ${_f} NAME)
    string(APPEND _res_body "    <file alias=\"${_n}\">${_f}</file>\n")
    list(APPEND _res_deps ${_f})
  endforeach()
  foreach(_n leaflet.js leaflet.css)
    if(EXISTS ${KESP_LEAFLET_DIR}/${_n})
      string(APPEND _res_body "    <file alias=\"${_n}\">${KESP_LEAFLET_DIR}/${_n}</file>\n")
      list(APPEND _res_deps ${KESP_LEAFLET_DIR}/${_n})
    endif()
  endforeach()
  string(APPEND _res_body "  </qresource>\n  <qresource prefix=\"/html/images/images\">\n")
  foreach(_n marker-icon.png marker-icon-2x.png marker-shadow.png layers.png layers-2x.png)
    if(EXISTS ${KESP_LEAFLET_DIR}/images/${_n})
      string(APPEND _res_body "    <file alias=\"${_n}\">${KESP_LEAFLET_DIR}/images/${_n}</file>\n")
      list(APPEND _res_deps ${KESP_LEAFLET_DIR}/images/${_n})
    endif()
  endforeach()
  string(APPEND _res_body "  </qresource>\n")
endif()
string(APPEND _res_body "</RCC>\n")
file(WRITE ${_res_qrc}.in "${_res_body}")
configure_file(${_res_qrc}.in ${_res_qrc} COPYONLY)
kesp_rcc(resources ${_res_qrc} ${_res_deps})
