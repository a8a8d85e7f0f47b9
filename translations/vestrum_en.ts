<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>DBItemCollection</name>
    <message>
        <source>FILE_ALLREADY_OPEN_WARNING</source>
        <translation>Database in use</translation>
    </message>
    <message>
        <source>DB_OPEN_BY_ANOTHER_USER</source>
        <translation>Another user has the database open, so it is opened read-only. Locked by: </translation>
    </message>
    <message>
        <source>LOCK_FILE_CAN_NOT_BE_CREATED</source>
        <translation>The lock file %1 could not be created. The database opens for writing, but others can open it at the same time.</translation>
    </message>
    <message>
        <source>DB_NOT_SAVED_TITLE</source>
        <translation>Database not saved</translation>
    </message>
    <message>
        <source>DB_NOT_SAVED</source>
        <translation>The database could not be saved to %1:
%2

The file on disk has not been changed, and your changes are still open in the program.</translation>
    </message>
    <message>
        <source>READ ONLY</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>READ ONLY MODE - No Save</source>
        <translation>The database is open read-only because another user has it open. The changes have not been saved.</translation>
    </message>
    <message>
        <source>Kan ikke gemme gruppe fil:</source>
        <translation>Cannot save group file: </translation>
    </message>
    <message>
        <source>Kan ikke gemme lokale fil:</source>
        <translation>Cannot save location file: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_LEVERAND_FIL:</source>
        <translation>Cannot save supplier file: </translation>
    </message>
    <message>
        <source>KAN_IKKE_GEMME_FIELDS_FIL:</source>
        <translation>Cannot save field name file: </translation>
    </message>
    <message>
        <source>Fil fejl</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>CAN_NOT_DELETE_LOCK_FILE:</source>
        <translation>Cannot delete the lock file: </translation>
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
        <translation>Group</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Fabrikat</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Produkt model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Pris</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>Vurd.</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Billede</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Kvitt.</source>
        <translation>Receipt</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rum</source>
        <translation>Room</translation>
    </message>
    <message>
        <source>Beskrivelse</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Leverandør</source>
        <translation>Supplier</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Serie no.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Www</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Dok.</source>
        <translation>Doc.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>DISK_FULL</source>
        <translation>The disk is full.</translation>
    </message>
</context>
<context>
    <name>captionstr</name>
    <message>
        <source>TOVIK_CAPTION_TEXT</source>
        <translation>Tovik - home contents register</translation>
    </message>
    <message>
        <source>PELLIN_CAPTION_TEXT</source>
        <translation>Pellin - picture register</translation>
    </message>
    <message>
        <source>OSTREL_CAPTION_TEXT</source>
        <translation>Ostrel - coin register</translation>
    </message>
    <message>
        <source>BREVANE_CAPTION_TEXT</source>
        <translation>Brevane - stock register</translation>
    </message>
</context>
</TS>
