# `cmake --install build --prefix PREFIX`: the program and what it reads beside itself under
# PREFIX/share/vestrum, a command per edition in PREFIX/bin, and the desktop's menu entries, icons and
# AppStream descriptions. The marker file tells the program it is installed: it then keeps the user's
# registers in the user's documents and never writes into PREFIX.
include(GNUInstallDirs)
set(VESTRUM_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/vestrum)
set(VESTRUM_EDITIONS Tovik Pellin Ostrel Brevane)

install(TARGETS vestrum RUNTIME DESTINATION ${VESTRUM_SHARE_DIR})
install(FILES ${vestrum_qm_files} DESTINATION ${VESTRUM_SHARE_DIR})
install(FILES ${VESTRUM_INSTALL_DIR}/qt_dk.qm ${VESTRUM_INSTALL_DIR}/qt_no.qm DESTINATION ${VESTRUM_SHARE_DIR}
        OPTIONAL)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${VESTRUM_SHARE_DIR})

foreach(edition ${VESTRUM_EDITIONS})
    string(TOLOWER ${edition} id)
    install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/dk.tarnvold.${id}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
    install(FILES ${CMAKE_SOURCE_DIR}/desktop/icons/dk.tarnvold.${id}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    configure_file(${CMAKE_SOURCE_DIR}/desktop/dk.tarnvold.${id}.metainfo.xml.in
                   ${CMAKE_BINARY_DIR}/desktop/dk.tarnvold.${id}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/desktop/dk.tarnvold.${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()

# What depends on the prefix given to `cmake --install` is made at install time.
install(CODE "
    set(root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
    set(share \"\${root}/${VESTRUM_SHARE_DIR}\")
    file(WRITE \"\${share}/${VESTRUM_INSTALLED_MARKER}\" \"Installed by cmake --install: the user's registers live in the documents folder.\\n\")
    file(MAKE_DIRECTORY \"\${root}/${CMAKE_INSTALL_BINDIR}\" \"\${root}/${CMAKE_INSTALL_DATADIR}/applications\")
    file(RELATIVE_PATH to_share \"\${root}/${CMAKE_INSTALL_BINDIR}\" \"\${share}\")
    foreach(edition ${VESTRUM_EDITIONS})
        string(TOLOWER \${edition} id)
        file(REMOVE \"\${share}/\${edition}\" \"\${root}/${CMAKE_INSTALL_BINDIR}/\${id}\")
        file(CREATE_LINK vestrum \"\${share}/\${edition}\" SYMBOLIC)
        file(CREATE_LINK \"\${to_share}/\${edition}\" \"\${root}/${CMAKE_INSTALL_BINDIR}/\${id}\" SYMBOLIC)
        set(VESTRUM_BINDIR \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
        configure_file(\"${CMAKE_SOURCE_DIR}/desktop/dk.tarnvold.\${id}.desktop.in\"
                       \"\${root}/${CMAKE_INSTALL_DATADIR}/applications/dk.tarnvold.\${id}.desktop\" @ONLY)
        message(STATUS \"Installing: \${root}/${CMAKE_INSTALL_BINDIR}/\${id} and its menu entry\")
    endforeach()
")
