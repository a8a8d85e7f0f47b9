# The data side of output/ (no widgets): it goes into vestrum_core; the dialogs stay in vestrum_gui.
file(GLOB output_core_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/output/*Data.cpp ${CMAKE_SOURCE_DIR}/output/*Data.h
    ${CMAKE_SOURCE_DIR}/output/PrintSettings.cpp ${CMAKE_SOURCE_DIR}/output/PrintSettings.h
    ${CMAKE_SOURCE_DIR}/output/ListPrinting.cpp ${CMAKE_SOURCE_DIR}/output/ListPrinting.h
    ${CMAKE_SOURCE_DIR}/output/ReportLines.cpp ${CMAKE_SOURCE_DIR}/output/ReportLines.h
    ${CMAKE_SOURCE_DIR}/output/Labels.cpp ${CMAKE_SOURCE_DIR}/output/Labels.h
    ${CMAKE_SOURCE_DIR}/output/LabelProfiles.cpp ${CMAKE_SOURCE_DIR}/output/LabelProfiles.h
    ${CMAKE_SOURCE_DIR}/output/LabelDrawing.cpp ${CMAKE_SOURCE_DIR}/output/LabelDrawing.h
    ${CMAKE_SOURCE_DIR}/output/InsuranceReport.cpp ${CMAKE_SOURCE_DIR}/output/InsuranceReport.h)
