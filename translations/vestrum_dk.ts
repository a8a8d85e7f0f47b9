<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>DBItemCollection</name>
    <message>
        <source>FILE_ALLREADY_OPEN_WARNING</source>
        <translation>Databasen er i brug</translation>
    </message>
    <message>
        <source>DB_OPEN_BY_ANOTHER_USER</source>
        <translation>En anden bruger har databasen åben, så den åbnes skrivebeskyttet. Låst af: </translation>
    </message>
    <message>
        <source>LOCK_FILE_CAN_NOT_BE_CREATED</source>
        <translation>Låsefilen %1 kunne ikke oprettes. Databasen åbnes med skriveadgang, men andre kan åbne den samtidig.</translation>
    </message>
    <message>
        <source>DB_NOT_SAVED_TITLE</source>
        <translation>Databasen blev ikke gemt</translation>
    </message>
    <message>
        <source>DB_NOT_SAVED</source>
        <translation>Databasen kunne ikke gemmes i %1:
%2

Filen på disken er ikke ændret, og dine ændringer er stadig åbne i programmet.</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åbnet skrivebeskyttet, fordi en anden bruger har den åben. Ændringerne er ikke gemt.</translation>
    </message>
    <message>
        <source>Kan ikke gemme gruppe fil:</source>
        <translation>Kan ikke gemme gruppefil: </translation>
    </message>
    <message>
        <source>Kan ikke gemme lokale fil:</source>
        <translation>Kan ikke gemme lokalefil: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
        <translation>Kan ikke gemme leverandørfil: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
        <translation>Kan ikke gemme fil med feltnavne: </translation>
    </message>
    <message>
        <source>Fil fejl</source>
        <translation>Filfejl</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>CAN_NOT_DELETE_LOCK_FILE:</source>
        <translation>Kan ikke slette låsefilen: </translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ItemListView</name>
    <message>
        <source>Gruppe</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Fabrikat</translation>
    </message>
    <message>
        <source>Produkt model</source>
        <translation>Produktmodel</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Vurd.</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Billede</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Kvitt.</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Rum</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Beskrivelse</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Leverandør</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Serie no.</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Www</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Dok.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>DISK_FULL</source>
        <translation>Disken er fuld.</translation>
    </message>
</context>
<context>
    <name>captionstr</name>
    <message>
        <source>TOVIK_CAPTION_TEXT</source>
        <translation>Tovik - indboregistrering</translation>
    </message>
    <message>
        <source>PELLIN_CAPTION_TEXT</source>
        <translation>Pellin - billedregistrering</translation>
    </message>
    <message>
        <source>OSTREL_CAPTION_TEXT</source>
        <translation>Ostrel - møntregistrering</translation>
    </message>
    <message>
        <source>BREVANE_CAPTION_TEXT</source>
        <translation>Brevane - lagerregistrering</translation>
    </message>
</context>
</TS>
