<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>DBItemCollection</name>
    <message>
        <source>FILE_ALLREADY_OPEN_WARNING</source>
        <translation>Databasen er i bruk</translation>
    </message>
    <message>
        <source>DB_OPEN_BY_ANOTHER_USER</source>
        <translation>En annen bruker har databasen åpen, så den åpnes skrivebeskyttet. Låst av: </translation>
    </message>
    <message>
        <source>LOCK_FILE_CAN_NOT_BE_CREATED</source>
        <translation>Låsefilen %1 kunne ikke opprettes. Databasen åpnes med skrivetilgang, men andre kan åpne den samtidig.</translation>
    </message>
    <message>
        <source>DB_NOT_SAVED_TITLE</source>
        <translation>Databasen ble ikke lagret</translation>
    </message>
    <message>
        <source>DB_NOT_SAVED</source>
        <translation>Databasen kunne ikke lagres i %1:
%2

Filen på disken er ikke endret, og endringene dine er fortsatt åpne i programmet.</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>Databasen er åpnet skrivebeskyttet fordi en annen bruker har den åpen. Endringene er ikke lagret.</translation>
    </message>
    <message>
        <source>Kan ikke gemme gruppe fil:</source>
        <translation>Kan ikke lagre gruppefil: </translation>
    </message>
    <message>
        <source>Kan ikke gemme lokale fil:</source>
        <translation>Kan ikke lagre lokalefil: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
        <translation>Kan ikke lagre leverandørfil: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
        <translation>Kan ikke lagre fil med feltnavn: </translation>
    </message>
    <message>
        <source>Fil fejl</source>
        <translation>Filfeil</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Feil</translation>
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
        <translation>Produktmodell</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antall</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Pris</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Verdi</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Bilde</translation>
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
        <translation>Rom</translation>
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
        <translation>Disken er full.</translation>
    </message>
</context>
<context>
    <name>captionstr</name>
    <message>
        <source>TOVIK_CAPTION_TEXT</source>
        <translation>Tovik - innboregistrering</translation>
    </message>
    <message>
        <source>PELLIN_CAPTION_TEXT</source>
        <translation>Pellin - bilderegistrering</translation>
    </message>
    <message>
        <source>OSTREL_CAPTION_TEXT</source>
        <translation>Ostrel - myntregistrering</translation>
    </message>
    <message>
        <source>BREVANE_CAPTION_TEXT</source>
        <translation>Brevane - lagerregistrering</translation>
    </message>
</context>
</TS>
