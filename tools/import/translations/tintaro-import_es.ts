<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>importer::ImportDialog</name>
    <message>
        <location filename="../import_dialog.cpp" line="25"/>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.bmp *.svg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.gif *.bmp *.svg)</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="40"/>
        <source>Add to Tintaro</source>
        <translation>Añadir a Tintaro</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="44"/>
        <source>Choose a set of the book, or type the name of a new one.</source>
        <translation>Elija una colección del libro o escriba el nombre de una nueva.</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="47"/>
        <source>Choose pictures…</source>
        <translation>Elegir imágenes…</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="49"/>
        <source>%v of %m pictures</source>
        <translation>%v de %m imágenes</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="53"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="55"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="58"/>
        <source>Set:</source>
        <translation>Colección:</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="61"/>
        <source>Pictures to add, in page order:</source>
        <translation>Imágenes para añadir, en el orden de las páginas:</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="101"/>
        <source>Choose pictures</source>
        <translation>Elegir imágenes</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="116"/>
        <source>Choose a set or type a name for a new one (%1).</source>
        <translation>Elija una colección o escriba el nombre de una nueva (%1).</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="130"/>
        <source>%1 of %2 pictures added to the set %3.</source>
        <translation>%1 de %2 imágenes añadidas a la colección %3.</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="162"/>
        <source>Added: %1</source>
        <translation>Añadida: %1</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="162"/>
        <source>Not added: %1</source>
        <translation>No añadida: %1</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="163"/>
        <source>%1: added</source>
        <translation>%1: añadida</translation>
    </message>
    <message>
        <location filename="../import_dialog.cpp" line="164"/>
        <source>%1: the importer could not be run</source>
        <translation>%1: no se pudo ejecutar el importador</translation>
    </message>
</context>
</TS>
