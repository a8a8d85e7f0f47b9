<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>AddItemCommand</name>
    <message>
        <source>kopiering af %1</source>
        <translation>copy %1</translation>
    </message>
    <message>
        <source>tilføjelse af %1</source>
        <translation>add %1</translation>
    </message>
</context>
<context>
    <name>AutomakeItems</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Pre-create items</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Number of items</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>&amp;Make items</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Number of items must be:
greater than 0 and less than 1000</translation>
    </message>
    <message>
        <source>oprettelse af %1 nye genstande</source>
        <translation>creation of %1 new items</translation>
    </message>
</context>
<context>
    <name>CommonSetup</name>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Default folders</translation>
    </message>
    <message>
        <source>OSTREL_FRONT_PICTURE_PATH</source>
        <translation>Folder for pictures of the front:</translation>
    </message>
    <message>
        <source>OSTREL_BACK_PICTURE_PATH</source>
        <translation>Folder for pictures of the back:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Picture folder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Folder for picture 2:</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Picture folder:</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Receipt folder:</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Document folder:</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>The folder the file dialog starts in when you insert a picture.</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>The folder the file dialog starts in when you insert a receipt.</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>The folder the file dialog starts in when you insert a document.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Browse...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;rowse...</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bro&amp;wse...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Choose the picture folder</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Choose the receipt folder</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Choose the document folder</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Filen er for stor (%1 MB).</source>
        <translation>The file is too large (%1 MB).</translation>
    </message>
    <message>
        <source>Kolonne %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>%1 er valgt til både kolonne %2 og %3</source>
        <translation>%1 is chosen for both column %2 and column %3</translation>
    </message>
    <message>
        <source>Et felt i anførselstegn slutter ikke før filens slutning</source>
        <translation>A field in quotes does not end before the end of the file</translation>
    </message>
    <message>
        <source>Rækken har %1 felter, overskriften %2</source>
        <translation>The row has %1 fields, the header %2</translation>
    </message>
    <message>
        <source>%1: %2 står ikke i listen</source>
        <translation>%1: %2 is not in the list</translation>
    </message>
    <message>
        <source>%1 skal være et helt tal fra 0 til %2: %3</source>
        <translation>%1 must be a whole number from 0 to %2: %3</translation>
    </message>
    <message>
        <source>%1 er ikke et tal: %2</source>
        <translation>%1 is not a number: %2</translation>
    </message>
    <message>
        <source>%1 skal være fra 0 til %2: %3</source>
        <translation>%1 must be from 0 to %2: %3</translation>
    </message>
    <message>
        <source>%1 er ingen dato (dd.mm.åååå): %2</source>
        <translation>%1 is not a date (dd.mm.yyyy): %2</translation>
    </message>
    <message>
        <source>%1 har tegnet %2, som registret ikke kan gemme</source>
        <translation>%1 has the character %2, which the register cannot store</translation>
    </message>
    <message>
        <source>%1: &quot;;&quot; er skiftet til &quot;,&quot;, som registret kan gemme</source>
        <translation>%1: &quot;;&quot; is replaced by &quot;,&quot;, which the register can store</translation>
    </message>
    <message>
        <source>%1: linjeskift er skiftet til mellemrum</source>
        <translation>%1: line breaks are replaced by spaces</translation>
    </message>
    <message>
        <source>%1 er afkortet til %2 tegn</source>
        <translation>%1 is shortened to %2 characters</translation>
    </message>
    <message>
        <source>%1 mangler</source>
        <translation>%1 is missing</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Indlæs CSV-fil</source>
        <translation>Import CSV file</translation>
    </message>
    <message>
        <source>Fil: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Encoding:</translation>
    </message>
    <message>
        <source>Komma (,)</source>
        <translation>Comma (,)</translation>
    </message>
    <message>
        <source>Semikolon (;)</source>
        <translation>Semicolon (;)</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Separator:</translation>
    </message>
    <message>
        <source>Første række er &amp;overskrifter</source>
        <translation>First row holds the &amp;headings</translation>
    </message>
    <message>
        <source>Vælg for hver kolonne det felt, den skal gå til, eller lad den blive ignoreret. Herunder de første rækker, som de vil blive læst:</source>
        <translation>Choose for each column the field it goes to, or leave it ignored. Below are the first rows as they will be read:</translation>
    </message>
    <message>
        <source>&amp;Indlæs</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>(ignoreres)</source>
        <translation>(ignored)</translation>
    </message>
    <message>
        <source>%1 rækker: %2 kan indlæses, %3 med problemer, %4 ændres</source>
        <translation>%1 rows: %2 can be imported, %3 with problems, %4 changed</translation>
    </message>
    <message>
        <source>Række %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>Række %1 (ændres): %2</source>
        <translation>Row %1 (changed): %2</translation>
    </message>
    <message>
        <source>... og %1 mere</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>Indlæs uden de %1 rækker med problemer</source>
        <translation>Import without the %1 rows with problems</translation>
    </message>
    <message>
        <source>&amp;Indlæs %1 rækker</source>
        <translation>&amp;Import %1 rows</translation>
    </message>
</context>
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
    <message>
        <source>ITEM_COUNT</source>
        <translation>No.;</translation>
    </message>
    <message>
        <source>EXPORT_NOT_SAVED_TITLE</source>
        <translation>Export not saved</translation>
    </message>
    <message>
        <source>EXPORT_NOT_SAVED</source>
        <translation>The export could not be saved to %1:
%2

An earlier file of the same name has not been changed.</translation>
    </message>
    <message>
        <source>Låsen blev sat %1, for %2 timer og %3 minutter siden.</source>
        <translation>The lock was set on %1, %2 hours and %3 minutes ago.</translation>
    </message>
    <message>
        <source>Overtager du låsen, kan den anden kopis senere gemninger overskrive dine ændringer.</source>
        <translation>If you take over the lock, later saves by the other copy may overwrite your changes.</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Skrivebeskyttet</source>
        <translation>Read-only</translation>
    </message>
    <message>
        <source>Overtag låsen</source>
        <translation>Take over the lock</translation>
    </message>
    <message>
        <source>Låsen kunne ikke overtages: %1</source>
        <translation>The lock could not be taken over: %1</translation>
    </message>
    <message>
        <source>Låsen er overtaget fra: %1</source>
        <translation>The lock was taken over from: %1</translation>
    </message>
    <message>
        <source>DB_FILE_CANNOT_BE_READ</source>
        <translation>The file cannot be read (%1).</translation>
    </message>
    <message>
        <source>DB_FILE_TOO_LARGE</source>
        <translation>The file is larger than the program can hold (over %1 MB).</translation>
    </message>
    <message>
        <source>DB_FILE_NO_MEMORY</source>
        <translation>There is not enough memory to read the file.</translation>
    </message>
    <message>
        <source>DB_NOT_A_REGISTER</source>
        <translation>The file is not a register of this edition of the program.</translation>
    </message>
    <message>
        <source>DB_LINE_ERROR</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>DB_LINE_TOO_LONG</source>
        <translation>the line is longer than %1 characters.</translation>
    </message>
    <message>
        <source>DB_COLUMN_NOT_A_NUMBER</source>
        <translation>the column &quot;%1&quot; does not hold a number.</translation>
    </message>
    <message>
        <source>Der er ingen mønter uden vurdering.</source>
        <translation>There are no coins without a valuation.</translation>
    </message>
</context>
<context>
    <name>DeleteItemCommand</name>
    <message>
        <source>sletning af %1</source>
        <translation>delete %1</translation>
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
    <name>EditConflictDialog</name>
    <message>
        <source>Ændret på en anden arbejdsplads</source>
        <translation>Changed on another workstation</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads, mens du rettede den. Intet er overskrevet. Felterne med * er forskellige.</source>
        <translation>%1 was changed on another workstation while you were editing it. Nothing has been overwritten. The fields marked * differ.</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Din udgave</source>
        <translation>Your version</translation>
    </message>
    <message>
        <source>Den anden arbejdsplads</source>
        <translation>The other workstation</translation>
    </message>
    <message>
        <source>Behold &amp;deres</source>
        <translation>Keep &amp;theirs</translation>
    </message>
    <message>
        <source>Behold &amp;min</source>
        <translation>Keep &amp;mine</translation>
    </message>
    <message>
        <source>&amp;Ret igen</source>
        <translation>&amp;Edit again</translation>
    </message>
</context>
<context>
    <name>EditItemCommand</name>
    <message>
        <source>flytning af %1 til &apos;%2&apos;</source>
        <translation>move %1 to &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ændring af %1</source>
        <translation>edit %1</translation>
    </message>
</context>
<context>
    <name>ExternalViewers</name>
    <message>
        <source>LAUNCH_REFUSED_OPTION</source>
        <translation>&quot;%1&quot; is not opened: a text beginning with &quot;-&quot; is never handed to another program.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_NOT_ABSOLUTE</source>
        <translation>&quot;%1&quot; is not opened: the chosen program only gets a web address (http, https or mailto) or the full path of a file.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_MISSING</source>
        <translation>The file &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_NOT_A_FILE</source>
        <translation>&quot;%1&quot; is not opened: it is not a file.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_PROGRAM</source>
        <translation>&quot;%1&quot; is not opened: it is a program, a script or a file marked as executable, and programs are never started from the register.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_ADDRESS</source>
        <translation>&quot;%1&quot; is not opened: only addresses beginning with http, https or mailto are opened, and no mail that attaches files.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>InsuranceReport</name>
    <message>
        <source>Forsikringsopgørelse</source>
        <translation>Insurance report</translation>
    </message>
    <message>
        <source>Der kunne ikke begyndes på en ny side.</source>
        <translation>A new page could not be started.</translation>
    </message>
    <message>
        <source>Side %1 af %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Købsværdi</source>
        <translation>Purchase value</translation>
    </message>
    <message>
        <source>Ejer</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Forsikringsselskab</source>
        <translation>Insurer</translation>
    </message>
    <message>
        <source>Policenummer</source>
        <translation>Policy number</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Omfang</source>
        <translation>Scope</translation>
    </message>
    <message>
        <source>Ordnet efter</source>
        <translation>Sorted by</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Genstande</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>Stykker</source>
        <translation>Pieces</translation>
    </message>
    <message>
        <source>Købsværdien er %1 gange %2.</source>
        <translation>The purchase value is %1 times %2.</translation>
    </message>
    <message>
        <source>Filtrets træf</source>
        <translation>The filter&apos;s hits</translation>
    </message>
    <message>
        <source>Hele registret</source>
        <translation>The whole register</translation>
    </message>
    <message>
        <source>Stk.</source>
        <translation>Pcs.</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Indhold</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>%1 (mangler)</source>
        <translation>%1 (missing)</translation>
    </message>
    <message>
        <source>%1 kan ikke læses</source>
        <translation>%1 cannot be read</translation>
    </message>
    <message>
        <source>I alt for %1</source>
        <translation>Total for %1</translation>
    </message>
    <message>
        <source>PDF-filen kunne ikke påbegyndes.</source>
        <translation>The PDF file could not be started.</translation>
    </message>
    <message>
        <source>Forsikringsopgørelsen kunne ikke gemmes i %1:
%2</source>
        <translation>The insurance report could not be saved in %1:
%2</translation>
    </message>
</context>
<context>
    <name>InsuranceReportDialog</name>
    <message>
        <source>Hele registret</source>
        <translation>The whole register</translation>
    </message>
    <message>
        <source>Filtrets træf</source>
        <translation>The filter&apos;s hits</translation>
    </message>
    <message>
        <source>&amp;Ejer:</source>
        <translation>&amp;Owner:</translation>
    </message>
    <message>
        <source>&amp;Adresse:</source>
        <translation>&amp;Address:</translation>
    </message>
    <message>
        <source>&amp;Forsikringsselskab:</source>
        <translation>&amp;Insurer:</translation>
    </message>
    <message>
        <source>&amp;Policenummer:</source>
        <translation>&amp;Policy number:</translation>
    </message>
    <message>
        <source>O&amp;mfang:</source>
        <translation>S&amp;cope:</translation>
    </message>
    <message>
        <source>O&amp;rdnet efter:</source>
        <translation>&amp;Sorted by:</translation>
    </message>
    <message>
        <source>Medtag:</source>
        <translation>Include:</translation>
    </message>
    <message>
        <source>&amp;Lav opgørelse...</source>
        <translation>&amp;Make report...</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Tæller siderne...</source>
        <translation>Counting the pages...</translation>
    </message>
    <message>
        <source>Side %1 af %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>en genstand uden navn</source>
        <translation>an unnamed item</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Gen&amp;tag</source>
        <translation>&amp;Redo</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>TotalPrice</source>
        <translation>Total price</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>TEXT_NOT_INSERTED_CHARACTER</source>
        <translation>The text was not inserted because it contains the character %1, which the database cannot store.</translation>
    </message>
    <message>
        <source>SHOWPHOTO</source>
        <translation> - show</translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation> - insert...</translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation> - show</translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation> - insert...</translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation> - show</translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation> - insert...</translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation> - show</translation>
    </message>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Picture gallery</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_REG_NUMBER</source>
        <translation>The registration number of the picture.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_REG_NUMBER</source>
        <translation>Enter the registration number of the picture here, for example from a catalogue or an exhibition. The number must be a whole number.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_ESTIMATED_PRICE</source>
        <translation>Enter the price you estimate the picture to be worth. The amount is used in the report and in printouts.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_SALESPRICE</source>
        <translation>Enter the sale price of the picture. The report shows the total of the sale prices for each group.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_DOCUMENT</source>
        <translation>Link to a document about the picture.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_DOCUMENT</source>
        <translation>Here you can link a document to the picture, such as a description, an invoice or a certificate of authenticity. Press the button next to it to choose the file.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_ESTIMATED_PRICE</source>
        <translation>The price you estimate the picture to be worth.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_SALESPRICE</source>
        <translation>The price the picture is sold for.</translation>
    </message>
    <message>
        <source>OSTREL_DIALOG_TITLE</source>
        <translation>Coin</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Number of specimens of the coin.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_DOCUMENT</source>
        <translation>Link to a document about the coin, such as a certificate of authenticity.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_QUALITY</source>
        <translation>The grade of the coin, such as VF or EF.</translation>
    </message>
    <message>
        <source>WHATSHIS_OSTREL_QUALITY</source>
        <translation>Enter the grade of the coin in the scale you use, such as UNC, EF, VF or F. The grade has a great effect on the value of the coin.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_BACKSIDE_PICTURE</source>
        <translation>Link to a picture of the reverse of the coin.</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Choose a picture file showing the reverse of the coin.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Show the picture of the reverse of the coin.</translation>
    </message>
    <message>
        <source>PRICE_DECIMAL_POINT</source>
        <translation>Write decimals with a point, for example 12.50. A comma is taken as a point.</translation>
    </message>
    <message>
        <source>LINK_PATH_NOT_STORABLE</source>
        <translation>The file cannot be linked to the item because its path contains the character %1, which the database cannot store:
%2</translation>
    </message>
    <message>
        <source>LINK_PATH_TOO_LONG</source>
        <translation>The file cannot be linked to the item because its path is longer than %1 characters:
%2</translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Search error</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>No item matching the search was found.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>NO_DATE</source>
        <translation>(no date)</translation>
    </message>
    <message>
        <source>TOOLTIP_TEXT_CUT</source>
        <translation>At most %1 characters are saved in the database; a longer text is cut.</translation>
    </message>
    <message>
        <source>Alle filer</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Billeder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Kvitteringer</source>
        <translation>Receipts</translation>
    </message>
    <message>
        <source>Dokumenter</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før varen gemmes.</source>
        <translation>Fill in the field &apos;%1&apos; before saving the stock item.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før billedet gemmes.</source>
        <translation>Fill in the field &apos;%1&apos; before saving the picture.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før mønten gemmes.</source>
        <translation>Fill in the field &apos;%1&apos; before saving the coin.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før genstanden gemmes.</source>
        <translation>Fill in the field &apos;%1&apos; before saving the item.</translation>
    </message>
    <message>
        <source>Feltet &apos;%1&apos; skal være et tal fra 0 til %2.</source>
        <translation>The field &apos;%1&apos; must be a number from 0 to %2.</translation>
    </message>
    <message>
        <source>Feltet &apos;%1&apos; skal være et helt tal fra %2 til %3.</source>
        <translation>The field &apos;%1&apos; must be a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>Vælg en værdi i feltet &apos;%1&apos;, før varen gemmes.</source>
        <translation>Choose a value in the field &apos;%1&apos; before saving the stock item.</translation>
    </message>
    <message>
        <source>Ugyldig værdi</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Ret det, og prøv igen.</source>
        <translation>Correct it and try again.</translation>
    </message>
    <message>
        <source>Slettet på en anden arbejdsplads</source>
        <translation>Deleted on another workstation</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads. Det, du har skrevet, står stadig her; når du gemmer, kan du gemme det som en ny post eller kassere det.</source>
        <translation>%1 was deleted on another workstation. What you typed is still here; when you save, you can save it as a new item or discard it.</translation>
    </message>
    <message>
        <source>Posten er slettet på en anden arbejdsplads. Vil du gemme det, der står her, som en ny post, eller kassere det?</source>
        <translation>The item was deleted on another workstation. Do you want to save what is shown here as a new item, or discard it?</translation>
    </message>
    <message>
        <source>Gem som &amp;ny post</source>
        <translation>Save as &amp;new item</translation>
    </message>
    <message>
        <source>&amp;Kassér</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>&amp;Annullér</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>ItemDialogBase</name>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type:</translation>
    </message>
    <message>
        <source>TOOLTIP_GROUP</source>
        <translation>The group the item belongs to.</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME</source>
        <translation>The name of the item.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Make:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT</source>
        <translation>Make or brand.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>Mo&amp;del:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND</source>
        <translation>Model or type designation.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Quantity:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER_OF_ITEMS</source>
        <translation>The number of pieces the item stands for.</translation>
    </message>
    <message>
        <source>stk</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>&amp;Pris (1 stk):</source>
        <translation>&amp;Price (1 pc):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE</source>
        <translation>The purchase price of one piece.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TODAY</source>
        <translation>What it is all worth today.</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>Purchase &amp;date:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE</source>
        <translation>The date of purchase.</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Location/room:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCATION</source>
        <translation>The room or place where the thing is kept.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>S&amp;upplier:</translation>
    </message>
    <message>
        <source>TOOLTIP_SUPPLIER</source>
        <translation>The shop or supplier the thing was bought from.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>E&amp;xtra information:</translation>
    </message>
    <message>
        <source>TOOLTIP_ADDRESS</source>
        <translation>Address or other information.</translation>
    </message>
    <message>
        <source>TOOLTIP_SERIALNO</source>
        <translation>The serial number.</translation>
    </message>
    <message>
        <source>&amp;Beskrivelse:</source>
        <translation>D&amp;escription:</translation>
    </message>
    <message>
        <source>TOOLTIP_DESCRIPTION</source>
        <translation>A free description.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>ww&amp;w (web link):</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW</source>
        <translation>A web address with information about the thing.</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Show &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_WWW_BTN</source>
        <translation>Open the web address in the browser.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>P&amp;icture (link to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_PHOTOLINK</source>
        <translation>The path of a picture file.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>&amp;Insert picture...</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_IMAGE_BTN</source>
        <translation>Choose a picture file and link it to the item.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;View picture</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Open the picture in the picture viewer.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Receipt (link to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT</source>
        <translation>The path of a file with the receipt.</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_RECEIPT_BTN</source>
        <translation>Choose a file with the receipt and link it to the item.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>Open the receipt.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>Doc&amp;ument (link to file):</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT</source>
        <translation>The path of a document, such as a manual.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Insert &amp;document...</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Choose a document and link it to the item.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Show d&amp;ocument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Open the document.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>&amp;Picture</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Receipt</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&lt; Pre&amp;vious</translation>
    </message>
    <message>
        <source>TOOLTIP_PREV_BTN</source>
        <translation>Show the previous item in the database.</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>Ne&amp;xt &gt;</translation>
    </message>
    <message>
        <source>TOOLTIP_NEXT_BTN</source>
        <translation>Show the next item in the database.</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Create a new, empty item.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Cop&amp;y</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Make a copy of the item; the copy is added when you save.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Save the item without closing the window.</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Stores the values you have entered in the item and updates the list in the main window. The window stays open so that you can go on with a new item or a copy. Remember to save the database with File &gt; Save.</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Clear the fields and switch to searching.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>Se&amp;arch</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Search for an item that matches the fields filled in.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Search aga&amp;in</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_AGAIN_BTN</source>
        <translation>Find the next item that matches the search.</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Print the item.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>View as HT&amp;ML</translation>
    </message>
    <message>
        <source>TOOLTIP_VIEW_AS_HTML_BTN</source>
        <translation>Show the item as an HTML page.</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Genstand</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>kr   I alt</source>
        <translation>kr   Total</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (i alt):</source>
        <translation>&amp;Valuation (total):</translation>
    </message>
    <message>
        <source>&amp;Serienummer:</source>
        <translation>&amp;Serial number:</translation>
    </message>
    <message>
        <source>In&amp;dsæt kvittering</source>
        <translation>Insert rece&amp;ipt...</translation>
    </message>
    <message>
        <source>Vis kvi&amp;ttering</source>
        <translation>Show receip&amp;t</translation>
    </message>
    <message>
        <source>N&amp;y</source>
        <translation>Ne&amp;w</translation>
    </message>
    <message>
        <source>N&amp;ulstil</source>
        <translation>R&amp;eset</translation>
    </message>
    <message>
        <source>Udskri&amp;v</source>
        <translation>&amp;Print</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Gruppe %1 (ikke i gruppelisten)</source>
        <translation>Group %1 (not in the group list)</translation>
    </message>
    <message>
        <source>Poster: %1   Stk.: %2   Pris i alt: %3   Værdi i dag: %4</source>
        <translation>Entries: %1   Pieces: %2   Total price: %3   Value today: %4</translation>
    </message>
    <message>
        <source>%1 (%2 af %3)</source>
        <translation>%1 (%2 of %3)</translation>
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
    <message>
        <source>LIST_HELP_PELLIN</source>
        <translation>The list shows your pictures sorted into groups. Double-click a picture to edit its details, or a group to register a new picture in it. Click in the Picture column to see the picture itself.</translation>
    </message>
    <message>
        <source>LIST_HELP_OSTREL</source>
        <translation>The list shows your coins sorted into groups. Double-click a coin to edit it, or a group to register a new coin in it. Click in the picture columns to see the front and back of the coin.</translation>
    </message>
    <message>
        <source>LIST_HELP_1</source>
        <translation>The list shows the items of the database sorted into groups. Double-click an item to edit it, or a group to add a new item to it. Click in the Picture, Receipt, Web or Doc. column to open what is linked to the item.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NB!</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Ingen URL tilknyttet valgte inventar</source>
        <translation>No web address is linked to the selected item.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Grupper mangler</source>
        <translation>Missing groups</translation>
    </message>
    <message>
        <source>Nogle poster har et gruppenummer, der ikke findes i gruppelisten. De vises nederst under deres gruppenummer.</source>
        <translation>Some entries have a group number that is not in the group list. They are shown at the end under their group number.</translation>
    </message>
</context>
<context>
    <name>LabelDrawing</name>
    <message>
        <source>Stregkoden kan ikke laves: ikke nok hukommelse.</source>
        <translation>The barcode cannot be made: not enough memory.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan ikke laves som stregkode: %2</source>
        <translation>&quot;%1&quot; cannot be made into a barcode: %2</translation>
    </message>
    <message>
        <source>Der kan ikke tegnes på siden.</source>
        <translation>The page cannot be drawn on.</translation>
    </message>
    <message>
        <source>Siderne kan ikke afsluttes.</source>
        <translation>The pages cannot be finished.</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Labels</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Etiketter</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Etiketterne kan ikke udskrives:
%1</source>
        <translation>The labels cannot be printed:
%1</translation>
    </message>
    <message>
        <source>%1 etiketter udskrevet</source>
        <translation>%1 labels printed</translation>
    </message>
    <message>
        <source>Etiketter udskrives kun for grupper og lokaler.</source>
        <translation>Labels are printed for groups and locations only.</translation>
    </message>
</context>
<context>
    <name>LabelProfiles</name>
    <message>
        <source>Etiketprinter (printerens eget sprog)</source>
        <translation>Label printer (the printer&apos;s own language)</translation>
    </message>
    <message>
        <source>Hyldeetiket 50 x 25 mm, Code 128</source>
        <translation>Shelf label 50 x 25 mm, Code 128</translation>
    </message>
    <message>
        <source>A4-ark 3 x 8 (70 x 37 mm), Code 128</source>
        <translation>A4 sheet 3 x 8 (70 x 37 mm), Code 128</translation>
    </message>
    <message>
        <source>Smal tape 24 x 12 mm, DataMatrix</source>
        <translation>Narrow tape 24 x 12 mm, DataMatrix</translation>
    </message>
    <message>
        <source>Møntholder 2 x 2 tommer, QR</source>
        <translation>Coin holder 2 x 2 inches, QR</translation>
    </message>
    <message>
        <source>Etiketten skal være mellem 5 og 1000 mm bred og høj.</source>
        <translation>The label must be between 5 and 1000 mm wide and high.</translation>
    </message>
    <message>
        <source>Skriftens størrelse skal være mellem 3 og 72 punkter.</source>
        <translation>The font size must be between 3 and 72 points.</translation>
    </message>
    <message>
        <source>Et ark skal have mellem 1 og 100 rækker og kolonner.</source>
        <translation>A sheet must have between 1 and 100 rows and columns.</translation>
    </message>
    <message>
        <source>Etiketterne fylder mere end arket.</source>
        <translation>The labels do not fit on the sheet.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
</context>
<context>
    <name>LabelSetupDialog</name>
    <message>
        <source>Etiketter</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Printerens eget sprog: formatfilerne i Setup sendes til etiketprinteren</source>
        <translation>The printer&apos;s own language: the format files in Setup are sent to the label printer</translation>
    </message>
    <message>
        <source>Tegnet med stregkode: til enhver printer eller en PDF-fil</source>
        <translation>Drawn with a barcode: to any printer or a PDF file</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Nummeret (serienummeret med 6 cifre)</source>
        <translation>The number (the serial number in 6 digits)</translation>
    </message>
    <message>
        <source>Nummeret, ellers serienummeret som det står</source>
        <translation>The number, or else the serial number as written</translation>
    </message>
    <message>
        <source>Tegnet etiket</source>
        <translation>Drawn label</translation>
    </message>
    <message>
        <source>Størrelse (bredde x højde):</source>
        <translation>Size (width x height):</translation>
    </message>
    <message>
        <source>Stregkode:</source>
        <translation>Barcode:</translation>
    </message>
    <message>
        <source>Stregkoden indeholder:</source>
        <translation>The barcode holds:</translation>
    </message>
    <message>
        <source>Skriftstørrelse:</source>
        <translation>Font size:</translation>
    </message>
    <message>
        <source>Ark med flere etiketter</source>
        <translation>Sheet of several labels</translation>
    </message>
    <message>
        <source>Rækker:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>Kolonner:</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>Arkets bredde:</source>
        <translation>Sheet width:</translation>
    </message>
    <message>
        <source>Arkets højde:</source>
        <translation>Sheet height:</translation>
    </message>
    <message>
        <source>Venstre margen:</source>
        <translation>Left margin:</translation>
    </message>
    <message>
        <source>Øverste margen:</source>
        <translation>Top margin:</translation>
    </message>
    <message>
        <source>Afstand vandret:</source>
        <translation>Horizontal gap:</translation>
    </message>
    <message>
        <source>Afstand lodret:</source>
        <translation>Vertical gap:</translation>
    </message>
    <message>
        <source>Brugte etiketter på arket:</source>
        <translation>Labels already used on the sheet:</translation>
    </message>
    <message>
        <source>De valgte felter udskrives i denne rækkefølge; træk for at flytte dem</source>
        <translation>The chosen fields are printed in this order; drag to move them</translation>
    </message>
    <message>
        <source>Felter på etiketten</source>
        <translation>Fields on the label</translation>
    </message>
    <message>
        <source>Eksempel</source>
        <translation>Example</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profile:</translation>
    </message>
    <message>
        <source>Navn:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ny profil</source>
        <translation>New profile</translation>
    </message>
    <message>
        <source>Ny profil %1</source>
        <translation>New profile %1</translation>
    </message>
    <message>
        <source>Etiketten laves af printeren ud fra formatfilen.</source>
        <translation>The printer makes the label from the format file.</translation>
    </message>
    <message>
        <source>Profilen skal have et navn.</source>
        <translation>The profile needs a name.</translation>
    </message>
    <message>
        <source>To profiler hedder &quot;%1&quot;.</source>
        <translation>Two profiles are called &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Etiketter</source>
        <translation>Labels</translation>
    </message>
    <message>
        <source>Printerkøen &quot;%1&quot; kan ikke nås: programmet er bygget uden CUPS.</source>
        <translation>The printer queue &quot;%1&quot; cannot be reached: the program is built without CUPS.</translation>
    </message>
    <message>
        <source>Der findes ingen printerkø ved navn &quot;%1&quot;.</source>
        <translation>There is no printer queue named &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Printeren &quot;%1&quot; afviste etiketterne.</source>
        <translation>The printer &quot;%1&quot; refused the labels.</translation>
    </message>
    <message>
        <source>Ingen forbindelse til printeren %1.</source>
        <translation>No connection to the printer %1.</translation>
    </message>
    <message>
        <source>Enheden %1 findes ikke.</source>
        <translation>The device %1 does not exist.</translation>
    </message>
    <message>
        <source>Enheden %1 kan ikke åbnes.</source>
        <translation>The device %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Printeren %1 tog ikke imod alle etiketter.</source>
        <translation>The printer %1 did not take all the labels.</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>intet serienummer</source>
        <translation>no serial number</translation>
    </message>
    <message>
        <source>serienummeret &quot;%1&quot; er ikke et tal</source>
        <translation>the serial number &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>serienummeret &quot;%1&quot; er for langt til stregkoden</source>
        <translation>the serial number &quot;%1&quot; is too long for the barcode</translation>
    </message>
    <message>
        <source>... og %1 flere</source>
        <translation>... and %1 more</translation>
    </message>
    <message>
        <source>Disse emner får ingen etiket, fordi deres serienummer ikke kan bruges som nummer:</source>
        <translation>These items get no label, because their serial number cannot be used as their number:</translation>
    </message>
    <message>
        <source>Etiketformatet %1 findes ikke eller kan ikke læses.
Intet er sendt til printeren.</source>
        <translation>The label format %1 is missing or cannot be read.
Nothing was sent to the printer.</translation>
    </message>
    <message>
        <source>Etiketformatet %1 er tomt.
Intet er sendt til printeren.</source>
        <translation>The label format %1 is empty.
Nothing was sent to the printer.</translation>
    </message>
    <message>
        <source>Etiketfilen %1 kan ikke skrives:
%2
Intet er sendt til printeren.</source>
        <translation>The label file %1 cannot be written:
%2
Nothing was sent to the printer.</translation>
    </message>
    <message>
        <source>Skriv i den navnet på en printerkø, en netværksprinter som socket://192.168.1.50:9100 eller en enhed som /dev/usb/lp0.</source>
        <translation>Write in it the name of a printer queue, a network printer such as socket://192.168.1.50:9100 or a device such as /dev/usb/lp0.</translation>
    </message>
    <message>
        <source>Printerfilen %1 findes ikke.</source>
        <translation>The printer file %1 does not exist.</translation>
    </message>
    <message>
        <source>Printerfilen %1 nævner ingen printer.</source>
        <translation>The printer file %1 names no printer.</translation>
    </message>
    <message>
        <source>Printerfilen %1 nævner ingen printer, som kan bruges: &quot;%2&quot;.</source>
        <translation>The printer file %1 names no printer that can be used: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Etiketterne er ikke udskrevet.</source>
        <translation>The labels were not printed.</translation>
    </message>
    <message>
        <source>%1 etiketter sendt til printeren</source>
        <translation>%1 labels sent to the printer</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke skrives:
%2</source>
        <translation>The file %1 cannot be written:
%2</translation>
    </message>
</context>
<context>
    <name>ListFilterField</name>
    <message>
        <source>Filtrér listen (Ctrl+L)</source>
        <translation>Filter the list (Ctrl+L)</translation>
    </message>
    <message>
        <source>Viser kun poster, der indeholder alle de skrevne ord</source>
        <translation>Shows only the entries that contain every word typed</translation>
    </message>
</context>
<context>
    <name>LocationImportCommand</name>
    <message>
        <source>indlæsning af scannerfilen</source>
        <translation>import of the scanner file</translation>
    </message>
</context>
<context>
    <name>LocationPreviewDialog</name>
    <message>
        <source>Problem: %1</source>
        <translation>Problem: %1</translation>
    </message>
    <message>
        <source>Linje</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Lagernummer</source>
        <translation>Inventory no.</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Placering</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Virkning eller problem</source>
        <translation>Effect or problem</translation>
    </message>
    <message>
        <source>Indlæst scannerfil</source>
        <translation>Imported scanner file</translation>
    </message>
    <message>
        <source>Opdatér placeringer</source>
        <translation>Update locations</translation>
    </message>
    <message>
        <source>Scannerfil: %1</source>
        <translation>Scanner file: %1</translation>
    </message>
    <message>
        <source>%1 linjer: %2 gode, %3 med problemer</source>
        <translation>%1 lines: %2 good, %3 with problems</translation>
    </message>
    <message>
        <source>Linjer med problemer bliver aldrig anvendt.</source>
        <translation>Lines with problems are never applied.</translation>
    </message>
    <message>
        <source>&amp;Gem oversigt...</source>
        <translation>&amp;Save summary...</translation>
    </message>
    <message>
        <source>&amp;Udskriv oversigt...</source>
        <translation>&amp;Print summary...</translation>
    </message>
    <message>
        <source>&amp;Anvend</source>
        <translation>&amp;Apply</translation>
    </message>
    <message>
        <source>&amp;Anvend de %1 gode linjer...</source>
        <translation>&amp;Apply the %1 good lines...</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>%1 linjer har problemer og bliver ikke anvendt.
Vil du anvende de %2 gode linjer?</source>
        <translation>%1 lines have problems and will not be applied.
Do you want to apply the %2 good lines?</translation>
    </message>
    <message>
        <source>Anvend de &amp;gode</source>
        <translation>Apply the &amp;good ones</translation>
    </message>
    <message>
        <source>Gem oversigt</source>
        <translation>Save summary</translation>
    </message>
    <message>
        <source>Tekst (*.txt)</source>
        <translation>Text (*.txt)</translation>
    </message>
    <message>
        <source>Oversigten blev ikke gemt i %1:
%2</source>
        <translation>The summary was not saved in %1:
%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tarnvold program error</source>
        <translation>Program error</translation>
    </message>
    <message>
        <source>Ingen program associeret med filer af denne type %1</source>
        <translation>No program is associated with files of this type: %1</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>The operating system is out of memory or resources.</translation>
    </message>
    <message>
        <source>The specified file was not found (please, check write permissions).</source>
        <translation>The specified file was not found (please check write permissions).</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>The specified path was not found.</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>A sharing violation occurred.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>The file name association is incomplete or invalid.</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. This error will also be returned if you attempt to print a file that is not printable.</source>
        <translation>There is no application associated with the given file name extension. This error is also reported if you try to print a file that cannot be printed.</translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation>The specified DLL was not found.</translation>
    </message>
    <message>
        <source>HTML fejl</source>
        <translation>HTML error</translation>
    </message>
    <message>
        <source>Could not display help (%1), error: %2</source>
        <translation>Could not display help (%1), error: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Program (%1) ikke fundet.
Hint: Vælg ønsket program til at vise aktuelle fil type,
via Opsætning menu.
Kalder istedet program associeret med filen %2</source>
        <translation>Program (%1) not found.
Hint: Choose the program for this type of file
in the Setup menu.
Opening the program associated with the file instead: %2</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>SAVE_CURRENT_DB_QUESTION</source>
        <translation>The database has been changed. Do you want to save the changes?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>&amp;Don&apos;t save</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>FileError</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
        <translation>The database file cannot be opened. It does not exist, cannot be read or belongs to another edition of the program.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
        <translation>%1 loaded: %2 items in %3 s</translation>
    </message>
    <message>
        <source>BrevaneHelpAbout</source>
        <translation>&amp;About Brevane...</translation>
    </message>
    <message>
        <source>PellinHelpAbout</source>
        <translation>&amp;About Pellin...</translation>
    </message>
    <message>
        <source>OstrelHelpAbout</source>
        <translation>&amp;About Ostrel...</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>ITEMS_SAVED_DB_MESSAGE</source>
        <translation>%1 saved: %2 items in %3 s</translation>
    </message>
    <message>
        <source>BackupCurrentDB</source>
        <translation>Back up the database</translation>
    </message>
    <message>
        <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
        <translation>No file was chosen, so no backup has been made.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
        <translation>The new language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <source>NOTEPAD_NOT_FOUND</source>
        <translation>The release notes could not be shown because the text editor could not be started.</translation>
    </message>
    <message>
        <source>About Brevane</source>
        <translation>About Brevane</translation>
    </message>
    <message>
        <source>AboutBrevaneDetails</source>
        <translation>Brevane - stock register
Part of the Vestrum family of registers.
Version 3.0
Keep track of a small business&apos;s stock with barcode labels and stock movements from the scanner.</translation>
    </message>
    <message>
        <source>About Pellin</source>
        <translation>About Pellin</translation>
    </message>
    <message>
        <source>AboutPellinDetails</source>
        <translation>Pellin - picture register
Part of the Vestrum family of registers.
Version 3.0
Record your picture collection with titles, prices and links to the picture files.</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>About Ostrel</translation>
    </message>
    <message>
        <source>AboutOstrelDetails</source>
        <translation>Ostrel - coin register
Part of the Vestrum family of registers.
Version 3.0
Record your coin collection with year, metal, catalogue number, grade and pictures of both sides.</translation>
    </message>
    <message>
        <source>About Tovik</source>
        <translation>About Tovik</translation>
    </message>
    <message>
        <source>AboutTovikDetails</source>
        <translation>Tovik - home contents register
Part of the Vestrum family of registers.
Version 3.0
Record the contents of your home with prices, receipts, pictures and documents.</translation>
    </message>
    <message>
        <source>&amp;Fil</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>FILE_NEW</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_NEW</source>
        <translation>Creates a new, empty database. If the open database has been changed, you are first asked whether to save the changes.</translation>
    </message>
    <message>
        <source>FILE_OPEN</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_OPEN</source>
        <translation>Opens an existing database (file types .tvk, .txt and .db). The lists of groups, locations and suppliers are read from the folders next to the database file.</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Update &amp;locations...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Reads the stock movements in a file from the barcode scanner and updates the quantities and locations of the stock items. The file is backed up with the date and time, and the database is saved afterwards.</translation>
    </message>
    <message>
        <source>FILE_SAVE</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE</source>
        <translation>Saves the database to its file. If the database has no file name yet, you are asked to choose one.</translation>
    </message>
    <message>
        <source>FILE_SAVE_AS</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE_AS</source>
        <translation>Saves the database under a new file name. The lists of groups, locations, suppliers and field names are saved in folders next to the new file.</translation>
    </message>
    <message>
        <source>BACKUP...</source>
        <translation>&amp;Back up...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_BACKUP</source>
        <translation>Saves a copy of the database and its lists to a file of your choice. The open database keeps its file name, and its changes still count as unsaved.</translation>
    </message>
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Save as &amp;HTML</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Save as &amp;XML</translation>
    </message>
    <message>
        <source>SAVE_SETTINGS</source>
        <translation>Save se&amp;ttings</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVESETTINGS</source>
        <translation>Saves the window size and position, the column widths and whether all groups are expanded. The settings are used the next time the program starts.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Print bar&amp;code labels...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Prints barcode labels on the label printer. If a stock item is selected, its label is printed; if a group is selected, one label is printed for each item in the group.</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Prints a list of the items in the database. Columns, sort order and filters are chosen under Setup &gt; Printing.</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Rediger</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>BrevaneEdit</source>
        <translation>&amp;Edit stock item...</translation>
    </message>
    <message>
        <source>BrevaneEditDelete</source>
        <translation>&amp;Delete stock item</translation>
    </message>
    <message>
        <source>BrevaneEditSearch</source>
        <translation>&amp;Search...</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>&amp;Edit item...</translation>
    </message>
    <message>
        <source>OstrelEdit</source>
        <translation>&amp;Edit coin...</translation>
    </message>
    <message>
        <source>OstrelEditDelete</source>
        <translation>&amp;Delete coin</translation>
    </message>
    <message>
        <source>OstrelEditSearc</source>
        <translation>&amp;Search...</translation>
    </message>
    <message>
        <source>PellinEdit</source>
        <translation>&amp;Edit picture...</translation>
    </message>
    <message>
        <source>PellinEditDelete</source>
        <translation>&amp;Delete picture</translation>
    </message>
    <message>
        <source>PellinEditSearc</source>
        <translation>&amp;Search...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Opens the selected item in the edit window, where all its fields can be changed. If a group or nothing is selected, a new item is created instead.</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Opens the search window. Fill in one or more fields and press Search to find the first matching item; Search again finds the next one.</translation>
    </message>
    <message>
        <source>Precreate items in Brevane</source>
        <translation>&amp;Pre-create items...</translation>
    </message>
    <message>
        <source>&amp;Vis</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Vis &amp;alle</source>
        <translation>Show &amp;all</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>View all as HTML &amp;table</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>View all as &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML</source>
        <translation>View coins without &amp;valuation as HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML</source>
        <translation>Shows the coins that have no valuation yet as an HTML page in your browser. This makes it easy to see which coins still need to be valued.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>View all as &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>View &amp;selected as HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Shows the selected item as an HTML page with all its fields and pictures. The page opens in the program associated with HTML files.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_OSTREL</source>
        <translation>View coin &amp;front</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>View coin &amp;back</translation>
    </message>
    <message>
        <source>PELLIN_SHOW_PICTURE</source>
        <translation>View &amp;picture</translation>
    </message>
    <message>
        <source>PELLIN_SHOW_PICTURE2</source>
        <translation>View picture &amp;2</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>View &amp;picture</translation>
    </message>
    <message>
        <source>VIS_KVITTERING</source>
        <translation>View re&amp;ceipt</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Shows the picture linked to the selected item. Picture files are shown in the item window; other files are opened with the chosen picture viewer.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Shows the picture of the reverse of the selected coin. Picture files are shown in the coin window; other files are opened with the associated program.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_RECEIPT</source>
        <translation>Shows the receipt or second picture linked to the selected item. Picture files are shown in the item window; other files, such as PDF, are opened with the associated program.</translation>
    </message>
    <message>
        <source>VIS_WWW</source>
        <translation>View &amp;web page</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_URL</source>
        <translation>Opens the web address linked to the selected item, with the chosen web browser or with the default browser.</translation>
    </message>
    <message>
        <source>VIS_DOCUMENT</source>
        <translation>View &amp;document</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
        <translation>Opens the document linked to the selected item, such as a manual or a guarantee. The document opens in the program associated with its file type.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Report...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Shows a summary of the quantity, purchase price and valuation of each group and of the whole database. The summary can be printed.</translation>
    </message>
    <message>
        <source>&amp;Opsætning</source>
        <translation>&amp;Setup</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Printing...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Locations/rooms...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>&amp;Suppliers...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>Default &amp;folders...</translation>
    </message>
    <message>
        <source>LANGUAGE_MENU</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>DANISH_LANG...</source>
        <translation>&amp;Danish...</translation>
    </message>
    <message>
        <source>NORWAY_LANG...</source>
        <translation>&amp;Norwegian...</translation>
    </message>
    <message>
        <source>ENGLISH_LANG...</source>
        <translation>&amp;English...</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Hjælp...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>&amp;Tutorial...</source>
        <translation>&amp;Tutorial...</translation>
    </message>
    <message>
        <source>&amp;Links...</source>
        <translation>&amp;Links...</translation>
    </message>
    <message>
        <source>&amp;ErrorHandling...</source>
        <translation>&amp;Error handling...</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Print afbrudt</source>
        <translation>Printing cancelled</translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 saved, items: %3, time: %4 s </translation>
    </message>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 saved, items: %3, time: %4 s </translation>
    </message>
    <message>
        <source>Møntholder-etiketter...</source>
        <translation>Coin holder labels...</translation>
    </message>
    <message>
        <source>Etiketter...</source>
        <translation>Labels...</translation>
    </message>
    <message>
        <source>Udskriver etiketter for de valgte rækker med den valgte etiketprofil</source>
        <translation>Prints labels for the chosen rows with the chosen label profile</translation>
    </message>
    <message>
        <source>&amp;Etiketter...</source>
        <translation>La&amp;bels...</translation>
    </message>
    <message>
        <source>Programmet blev afsluttet med ændringer, der ikke var gemt. De blev skrevet i:
%1

Åbn dem nu (gem dem derefter for at beholde dem), slet dem, eller spørg igen ved næste start?</source>
        <translation>The program was ended with unsaved changes. They were written to:
%1

Open them now (then save them to keep them), delete them, or ask again at the next start?</translation>
    </message>
    <message>
        <source>&amp;Åbn</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Senere</source>
        <translation>&amp;Later</translation>
    </message>
    <message>
        <source>Scannerfilen %1 indeholder ingen linjer.</source>
        <translation>The scanner file %1 holds no lines.</translation>
    </message>
    <message>
        <source>Den samme scannerfil blev indlæst %1.
Vil du indlæse den igen?</source>
        <translation>The same scanner file was imported on %1.
Do you want to import it again?</translation>
    </message>
    <message>
        <source>&amp;Indlæs igen</source>
        <translation>&amp;Import again</translation>
    </message>
    <message>
        <source>Registret er ændret siden kontrollen; indlæs filen igen.</source>
        <translation>The register has changed since the check; import the file again.</translation>
    </message>
    <message>
        <source>Databasen blev ikke gemt, så scannerfilen %1 bliver liggende.</source>
        <translation>The database was not saved, so the scanner file %1 is kept.</translation>
    </message>
    <message>
        <source>Indlæsningen kunne ikke noteres i %1:
%2</source>
        <translation>The import could not be recorded in %1:
%2</translation>
    </message>
    <message>
        <source>%1 af %2 linjer fra %3 er anvendt</source>
        <translation>%1 of %2 lines from %3 applied</translation>
    </message>
    <message>
        <source>Oversigt over indlæsningen...</source>
        <translation>Import summary...</translation>
    </message>
    <message>
        <source>Vælg billedfremviser</source>
        <translation>Choose a picture viewer</translation>
    </message>
    <message>
        <source>Billedfremviser (*.exe)</source>
        <translation>Picture viewer (*.exe)</translation>
    </message>
    <message>
        <source>Vælg webbrowser</source>
        <translation>Choose a web browser</translation>
    </message>
    <message>
        <source>Webbrowser (*.exe)</source>
        <translation>Web browser (*.exe)</translation>
    </message>
    <message>
        <source>TovikEditDelete</source>
        <translation>&amp;Delete item</translation>
    </message>
    <message>
        <source>TovikEditSearch</source>
        <translation>&amp;Search...</translation>
    </message>
    <message>
        <source>&amp;Grupper...</source>
        <translation>&amp;Groups...</translation>
    </message>
    <message>
        <source>&amp;Billedfremviser...</source>
        <translation>Picture &amp;viewer...</translation>
    </message>
    <message>
        <source>&amp;Webbrowser...</source>
        <translation>&amp;Web browser...</translation>
    </message>
    <message>
        <source>&amp;Versionsnoter...</source>
        <translation>&amp;Release notes...</translation>
    </message>
    <message>
        <source>Hvad er &amp;dette?</source>
        <translation>&amp;What&apos;s this?</translation>
    </message>
    <message>
        <source>&amp;Om Tovik...</source>
        <translation>&amp;About Tovik...</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Printing...</translation>
    </message>
    <message>
        <source>Printing (page %1)...</source>
        <translation>Printing (page %1)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Printing finished</translation>
    </message>
    <message>
        <source>Gem register som</source>
        <translation>Save register as</translation>
    </message>
    <message>
        <source>Registeret, du brugte sidst, kan ikke åbnes:
%1

Hvis registeret ligger på et netværksdrev eller en USB-nøgle, så tilslut drevet og vælg »Prøv igen«. Programmet husker stien, indtil du åbner et andet register.</source>
        <translation>The register you used last cannot be opened:
%1

If the register is on a network drive or a USB stick, connect it and choose &quot;Try again&quot;. The program remembers the path until you open another register.</translation>
    </message>
    <message>
        <source>&amp;Prøv igen</source>
        <translation>&amp;Try again</translation>
    </message>
    <message>
        <source>Åbn et &amp;andet…</source>
        <translation>&amp;Open another…</translation>
    </message>
    <message>
        <source>&amp;Nyt register</source>
        <translation>&amp;New register</translation>
    </message>
    <message>
        <source>Åbn &amp;eksemplet</source>
        <translation>Open the &amp;sample</translation>
    </message>
    <message>
        <source>%1 findes allerede.
Vil du erstatte den?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>&amp;Erstat</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>%1 er slettet; %2 bringer den tilbage.</source>
        <translation>%1 deleted; %2 brings it back.</translation>
    </message>
    <message>
        <source>CSV-filer (*.csv);;Tekstfiler (*.txt);;Alle filer (*)</source>
        <translation>CSV files (*.csv);;Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Eksportér som CSV-fil</source>
        <translation>Export as CSV file</translation>
    </message>
    <message>
        <source>CSV-eksport</source>
        <translation>CSV export</translation>
    </message>
    <message>
        <source>%1 kunne ikke skrives:
%2</source>
        <translation>%1 could not be written:
%2</translation>
    </message>
    <message>
        <source>Indlæs CSV-fil</source>
        <translation>Import CSV file</translation>
    </message>
    <message>
        <source>%1 kunne ikke læses:
%2</source>
        <translation>%1 could not be read:
%2</translation>
    </message>
    <message>
        <source>%1 er tom.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1 har ingen rækker at indlæse, kun en overskrift.</source>
        <translation>%1 has no rows to import, only a header.</translation>
    </message>
    <message>
        <source>indlæsning af %1</source>
        <translation>import of %1</translation>
    </message>
    <message>
        <source>%1 rækker fra %2 er indlæst, %3 med problemer er sprunget over</source>
        <translation>%1 rows from %2 imported, %3 with problems skipped</translation>
    </message>
    <message>
        <source>%1 rækker fra %2 er indlæst</source>
        <translation>%1 rows from %2 imported</translation>
    </message>
    <message>
        <source>Eks&amp;portér</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>&amp;CSV-fil...</source>
        <translation>&amp;CSV file...</translation>
    </message>
    <message>
        <source>In&amp;dlæs</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Filtrér</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Der er ingen genstande at tage med i opgørelsen.</source>
        <translation>There are no items to include in the report.</translation>
    </message>
    <message>
        <source>Gem forsikringsopgørelsen som</source>
        <translation>Save the insurance report as</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Nyt register</source>
        <translation>New register</translation>
    </message>
    <message>
        <source>Forsikringsopgørelsen er gemt i %1 (%2 sider).</source>
        <translation>The insurance report is saved in %1 (%2 pages).</translation>
    </message>
    <message>
        <source>Forsikringsopgørelse (PDF)...</source>
        <translation>Insurance report (PDF)...</translation>
    </message>
    <message>
        <source>Skriver en PDF til forsikringsselskabet: hver genstand med billede, kvittering og værdi, rum for rum, med totaler</source>
        <translation>Writes a PDF for the insurer: every item with its picture, receipt and value, room by room, with totals</translation>
    </message>
    <message>
        <source>Åbn register på server...</source>
        <translation>Open server register...</translation>
    </message>
    <message>
        <source>Åbner et register på en databaseserver, som flere arbejdspladser bruger på samme tid. Ændringer gemmes på serveren, mens du arbejder.</source>
        <translation>Opens a register on a database server that several workstations use at the same time. Changes are stored on the server as you work.</translation>
    </message>
    <message>
        <source>Kopiér registret til en server...</source>
        <translation>Copy this register to a server...</translation>
    </message>
    <message>
        <source>Opretter registret i en tom database på en server med alle poster og lister; derefter arbejder vinduet på serveren. Filen bliver, som den er.</source>
        <translation>Creates the register in an empty database on a server with all records and lists; then the window works on the server. The file stays as it is.</translation>
    </message>
    <message>
        <source>Åbn register på server</source>
        <translation>Open server register</translation>
    </message>
    <message>
        <source>Databasen rummer intet register. Brug »Kopiér registret til en server…« for at lægge et register der.</source>
        <translation>The database holds no register. Use “Copy this register to a server…” to put one there.</translation>
    </message>
    <message>
        <source>Registret på serveren kan ikke åbnes:</source>
        <translation>The register on the server cannot be opened:</translation>
    </message>
    <message>
        <source>Kopiér registret til en server</source>
        <translation>Copy this register to a server</translation>
    </message>
    <message>
        <source>Databasen rummer allerede et register. Vælg en tom database, eller åbn registret med »Åbn register på server…«.</source>
        <translation>The database already holds a register. Choose an empty database, or open that register with “Open server register…”.</translation>
    </message>
    <message>
        <source>Registret blev ikke kopieret til %1. Der er intet oprettet på serveren.</source>
        <translation>The register was not copied to %1. Nothing was created on the server.</translation>
    </message>
    <message>
        <source>Registret er kopieret til %1, og vinduet arbejder nu på serveren. Filen %2 er ikke ændret.</source>
        <translation>The register was copied to %1 and the window now works on the server. The file %2 is unchanged.</translation>
    </message>
    <message>
        <source>%1: forbundet</source>
        <translation>%1: connected</translation>
    </message>
    <message>
        <source>%1: forbindelsen er tabt, prøver igen …</source>
        <translation>%1: connection lost, reconnecting …</translation>
    </message>
    <message>
        <source>%1: offline</source>
        <translation>%1: offline</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt</source>
        <translation>The change was not saved</translation>
    </message>
    <message>
        <source>Ændringerne står allerede på serveren %1: de gemmes, mens du arbejder.</source>
        <translation>The changes are already on the server %1: they are stored as you work.</translation>
    </message>
    <message>
        <source>Registret er gemt som %1. Vinduet arbejder fortsat på registret på serveren %2.</source>
        <translation>The register was saved as %1. The window still works on the register on the server %2.</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren %1, så ændringen er ikke gemt. Det, du har skrevet, står stadig i vinduet: gem igen, når statuslinjen siger, at serveren er forbundet.</source>
        <translation>There is no connection to the server %1, so the change was not saved. What you typed is still in the window: save again when the status bar says the server is connected.</translation>
    </message>
    <message>
        <source>Ændret på en anden arbejdsplads</source>
        <translation>Changed on another workstation</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads, mens du rettede den.</source>
        <translation>%1 was deleted on another workstation while you were editing it.</translation>
    </message>
    <message>
        <source>&amp;Gem min igen</source>
        <translation>&amp;Save mine again</translation>
    </message>
    <message>
        <source>&amp;Lad den være slettet</source>
        <translation>&amp;Leave it deleted</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads, efter at du slettede den her.</source>
        <translation>%1 was changed on another workstation after you deleted it here.</translation>
    </message>
    <message>
        <source>Behold &amp;deres</source>
        <translation>Keep &amp;theirs</translation>
    </message>
    <message>
        <source>&amp;Slet den alligevel</source>
        <translation>&amp;Delete it anyway</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads, mens du ændrede den.</source>
        <translation>%1 was deleted on another workstation while you changed it.</translation>
    </message>
    <message>
        <source>%1 er netop ændret på en anden arbejdsplads. Vinduet viser stadig det, du havde; gemmer du, viser programmet begge udgaver, så du kan vælge.</source>
        <translation>%1 has just been changed on another workstation. The window still shows what you had; if you save, both versions are shown so that you can choose.</translation>
    </message>
    <message>
        <source>&amp;Behold det, jeg har</source>
        <translation>&amp;Keep what I have</translation>
    </message>
    <message>
        <source>&amp;Vis deres udgave</source>
        <translation>&amp;Show their version</translation>
    </message>
    <message>
        <source>Listerne er gemt på denne computer, men ikke på serveren:</source>
        <translation>The lists were saved on this computer, but not on the server:</translation>
    </message>
    <message>
        <source>Kan ikke fortrydes</source>
        <translation>Cannot undo</translation>
    </message>
    <message>
        <source>Kan ikke gentages</source>
        <translation>Cannot redo</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Report (summary)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Totals of all items by group</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Udskriv rapporten over inventargrupperne</source>
        <translation>Print the report of the item groups</translation>
    </message>
    <message>
        <source>REPORT_GROUP_LINE_TEXT</source>
        <translation>%1    %2 %3 %4</translation>
    </message>
    <message>
        <source>PELLIN_GROUP_LINE_TEXT</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>REPORT_TOTAL_TEXT</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>REPORT_COUNT_TEXT</source>
        <translation>Number of records: %1</translation>
    </message>
    <message>
        <source>TOVIK_REPORT_HEADER_TEXT</source>
        <translation>Group                         Qty  Purchase     Value</translation>
    </message>
    <message>
        <source>PELLIN_REPORT_HEADER_TEXT</source>
        <translation>Group                     Estimated     Sales</translation>
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
    <name>ServerAddress</name>
    <message>
        <source>Ugyldig serveradresse: %1</source>
        <translation>Invalid server address: %1</translation>
    </message>
    <message>
        <source>%1 på %2</source>
        <translation>%1 on %2</translation>
    </message>
</context>
<context>
    <name>ServerConnectionDialog</name>
    <message>
        <source>tom: denne computer</source>
        <translation>empty: this computer</translation>
    </message>
    <message>
        <source>tom: fra ~/.pgpass</source>
        <translation>empty: from ~/.pgpass</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;Port:</source>
        <translation>&amp;Port:</translation>
    </message>
    <message>
        <source>&amp;Database:</source>
        <translation>&amp;Database:</translation>
    </message>
    <message>
        <source>&amp;Bruger:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>&amp;Adgangskode:</source>
        <translation>P&amp;assword:</translation>
    </message>
    <message>
        <source>Adgangskoden bruges kun til denne forbindelse og gemmes ingen steder.</source>
        <translation>The password is used for this connection only and is stored nowhere.</translation>
    </message>
    <message>
        <source>F&amp;orbind</source>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Skriv navnet på databasen på serveren.</source>
        <translation>Enter the name of the database on the server.</translation>
    </message>
</context>
<context>
    <name>ServerRegister</name>
    <message>
        <source>PostgreSQL-driveren til Qt (QPSQL) er ikke installeret.</source>
        <translation>Qt&apos;s PostgreSQL driver (QPSQL) is not installed.</translation>
    </message>
    <message>
        <source>Kan ikke forbinde til %1:
%2</source>
        <translation>Cannot connect to %1:
%2</translation>
    </message>
    <message>
        <source>Ingen server valgt.</source>
        <translation>No server chosen.</translation>
    </message>
    <message>
        <source>Forbindelsen til serveren er afbrudt: %1</source>
        <translation>The connection to the server is lost: %1</translation>
    </message>
    <message>
        <source>serveren svarer ikke</source>
        <translation>the server does not answer</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren.</source>
        <translation>There is no connection to the server.</translation>
    </message>
    <message>
        <source>Databasen %1 har allerede et register.</source>
        <translation>The database %1 already holds a register.</translation>
    </message>
    <message>
        <source>Registret kunne ikke kopieres til serveren:
%1</source>
        <translation>The register could not be copied to the server:
%1</translation>
    </message>
    <message>
        <source>Databasen %1 har intet register.</source>
        <translation>The database %1 holds no register.</translation>
    </message>
    <message>
        <source>Registret på serveren er fra en nyere udgave af programmet.</source>
        <translation>The register on the server comes from a newer version of the program.</translation>
    </message>
    <message>
        <source>Registret på serveren hører til en anden udgave af programmet.</source>
        <translation>The register on the server belongs to another edition of the program.</translation>
    </message>
    <message>
        <source>Registret kunne ikke læses fra serveren:
%1</source>
        <translation>The register could not be read from the server:
%1</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: der er ingen forbindelse til serveren. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>The change is not saved: there is no connection to the server. Try again when the connection is back.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: forbindelsen til serveren er afbrudt. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>The change is not saved: the connection to the server is lost. Try again when the connection is back.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: et antal ville blive mindre end nul.</source>
        <translation>The change is not saved: a count would fall below zero.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: %1</source>
        <translation>The change is not saved: %1</translation>
    </message>
    <message>
        <source>Ændringerne er ikke gemt: en anden arbejdsplads har ændret &apos;%1&apos; imens. Alle ændringer er taget tilbage.</source>
        <translation>The changes are not saved: another workstation changed &apos;%1&apos; meanwhile. All changes have been taken back.</translation>
    </message>
    <message>
        <source>Posten &apos;%1&apos; har et negativt antal (%2); ret det, før registret kopieres.</source>
        <translation>The entry &apos;%1&apos; has a negative count (%2); correct it before the register is copied.</translation>
    </message>
    <message>
        <source>Posten findes ikke på serveren.</source>
        <translation>The entry is not on the server.</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren, så intet er ændret. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>There is no connection to the server, so nothing was changed. Try again when the connection is back.</translation>
    </message>
    <message>
        <source>Serveren kunne ikke spørges, så intet er ændret: %1</source>
        <translation>The server could not be asked, so nothing was changed: %1</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads siden. For ikke at skrive hen over den ændring er intet ændret; posten viser nu den udgave, der står på serveren.</source>
        <translation>%1 has been changed on another workstation since. So as not to overwrite that change, nothing was changed; the item now shows the version on the server.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Kan ikke kopiere eksempeldata til din mappe:
%1</source>
        <translation>Cannot copy the sample data to your folder:
%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>UpdateLocations</name>
    <message>
        <source>Open_Location_File</source>
        <translation>Open scanner file</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Scanner file (*.txt *.loc)</translation>
    </message>
    <message>
        <source>File: does not exist</source>
        <translation>The file does not exist:</translation>
    </message>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Cannot open the file %1 for reading</translation>
    </message>
    <message>
        <source>%1: %2 → %3 stk.</source>
        <translation>%1: %2 → %3 pcs.</translation>
    </message>
    <message>
        <source>%1 → %2: %3 af %4</source>
        <translation>%1 → %2: %3 of %4</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 → %2: %3 af %4, nyt lagernummer %5</source>
        <translation>%1 → %2: %3 of %4, new inventory number %5</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en I-linje har 4)</source>
        <translation>Wrong number of fields: %1 (an I line has 4)</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en F-linje har 5)</source>
        <translation>Wrong number of fields: %1 (an F line has 5)</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en S-linje har 3 eller 4)</source>
        <translation>Wrong number of fields: %1 (an S line has 3 or 4)</translation>
    </message>
    <message>
        <source>Ukendt linjeart &quot;%1&quot; (I, F eller S)</source>
        <translation>Unknown line kind &quot;%1&quot; (I, F or S)</translation>
    </message>
    <message>
        <source>Lagernummeret &quot;%1&quot; indeholder &quot;#&quot;</source>
        <translation>The inventory number &quot;%1&quot; contains &quot;#&quot;</translation>
    </message>
    <message>
        <source>Lagernummeret &quot;%1&quot; er ikke et tal</source>
        <translation>The inventory number &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>Placeringen &quot;%1&quot; findes ikke (listen har %2)</source>
        <translation>Location &quot;%1&quot; does not exist (the list has %2)</translation>
    </message>
    <message>
        <source>Antallet &quot;%1&quot; er ikke et helt tal</source>
        <translation>The count &quot;%1&quot; is not a whole number</translation>
    </message>
    <message>
        <source>Antallet 0 ændrer intet</source>
        <translation>A count of 0 changes nothing</translation>
    </message>
    <message>
        <source>Antallet skal være over 0, ikke %1</source>
        <translation>The count must be above 0, not %1</translation>
    </message>
    <message>
        <source>Lagernummer %1 findes ikke på %2</source>
        <translation>Inventory number %1 is not at %2</translation>
    </message>
    <message>
        <source>Lagernummer %1 findes ikke</source>
        <translation>Inventory number %1 not found</translation>
    </message>
    <message>
        <source>Lagernummer %1 står på %2 placeringer; brug en flytning (F)</source>
        <translation>Inventory number %1 is at %2 locations; use a move (F)</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke trække %2 fra</source>
        <translation>Too few in stock: %1 pcs., cannot take %2</translation>
    </message>
    <message>
        <source>Antallet bliver for stort</source>
        <translation>The count becomes too large</translation>
    </message>
    <message>
        <source>Samme placering: %1</source>
        <translation>Same location: %1</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke flytte %2</source>
        <translation>Too few in stock: %1 pcs., cannot move %2</translation>
    </message>
    <message>
        <source>Står allerede på %1</source>
        <translation>Already at %1</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke dele %2 fra</source>
        <translation>Too few in stock: %1 pcs., cannot split off %2</translation>
    </message>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Copying the file %1 to %2 failed</translation>
    </message>
    <message>
        <source>Filen %1 er ændret, siden den blev læst; den bliver liggende.</source>
        <translation>The file %1 has changed since it was read; it is kept.</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke slettes: %2</source>
        <translation>The file %1 could not be deleted: %2</translation>
    </message>
    <message>
        <source>Lagerændring</source>
        <translation>Stock change</translation>
    </message>
    <message>
        <source>Flytning</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Ny placering</source>
        <translation>New location</translation>
    </message>
    <message>
        <source>Opdeling</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Ukendt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Scannerfil: %1</source>
        <translation>Scanner file: %1</translation>
    </message>
    <message>
        <source>Kontrolleret: %1</source>
        <translation>Checked: %1</translation>
    </message>
    <message>
        <source>Linjer: %1, gode: %2, med problemer: %3</source>
        <translation>Lines: %1, good: %2, with problems: %3</translation>
    </message>
    <message>
        <source>linje %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>PROBLEM: %1</source>
        <translation>PROBLEM: %1</translation>
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
    <message>
        <source>Unavngivet</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>TOOLTIP_PRINT_TEXTFIELD_LENGTH</source>
        <translation>Number of characters the field takes up in the printout.</translation>
    </message>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Choose data to print</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Available fields</translation>
    </message>
    <message>
        <source>Felter som pt. ikke udskrives</source>
        <translation>Fields that are not printed at present</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Chosen fields</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>These fields will be printed (the order is fixed)</translation>
    </message>
    <message>
        <source>&amp;Tilføj &gt;&gt;</source>
        <translation>&amp;Add &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Fje&amp;rn</source>
        <translation>&lt;&lt; &amp;Remove</translation>
    </message>
    <message>
        <source>Felt længde i udskrift</source>
        <translation>Field width in printout</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sort by</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Miscellaneous</translation>
    </message>
    <message>
        <source>Udskriv kun gruppe</source>
        <translation>Print only group</translation>
    </message>
    <message>
        <source>Udskriv kun </source>
        <translation>Print only </translation>
    </message>
    <message>
        <source>Felt separator i udskrift</source>
        <translation>Field separator in printout</translation>
    </message>
    <message>
        <source>Bestemmer den karakter som adskiller felterne i udskriften</source>
        <translation>Sets the character that separates the fields in the printout</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Item number</translation>
    </message>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>&apos;Address field width&apos; must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>&apos;Description field width&apos; must be a number from 1 to %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Invalid value</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Correct it and try again.</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>SETUP_LIST_FILE</source>
        <translation>The list is saved in the file: %1</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Here you keep one of the database&apos;s lists: groups, locations or suppliers. Items know a group or location by its number (its place in the list), so a name can be changed, but only the last unused name can be deleted. Save or OK writes the list; Cancel puts everything back as it was when the window was opened.</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>The names of the list in number order; choose a name to change it</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>The names of the list. The first name is number 0, the next number 1 and so on. The items of the database point at the names by these numbers.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>The chosen name; change it and press Save, or type a new name and press Add</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Type a new name and press Add to put it at the end of the list, or change the chosen name and press Save. Semicolons and characters the list file cannot store cannot be used.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Save the changed name and write the list to its file</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Delete the last name of the list when no item uses it</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Put the name in the field at the end of the list</translation>
    </message>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Print barcode &amp;label</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Print a barcode label with the number of the chosen storage location</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Prints a barcode label for the chosen storage location on the label printer. The label carries the location&apos;s number, which the barcode scanner uses when stock is moved.</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>Print &amp;label</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Print a barcode label with the number of the chosen name</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>The list is full: it can hold at most %1 names.</translation>
    </message>
    <message>
        <source>SETUP_NAME_EMPTY</source>
        <translation>Type a name in the field first: a name in the list cannot be empty.</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>This name is already used.</translation>
    </message>
    <message>
        <source>SETUP_NAME_NOT_STORABLE</source>
        <translation>The name contains the character %1, which the list file cannot store.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>SETUP_DELETE_NOT_LAST</source>
        <translation>Only the last name of the list can be deleted: items know the names by their number, so every item under the later names would get the name before.

&quot;%1&quot; is used by %2 item(s). Rename it instead.</translation>
    </message>
    <message>
        <source>SETUP_DELETE_IN_USE</source>
        <translation>&quot;%1&quot; is used by %2 item(s) and cannot be deleted. Move them to another name first, or rename it.</translation>
    </message>
    <message>
        <source>Fil fejl</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>SETUP_CANNOT_RESTORE</source>
        <translation>The list file could not be put back as it was when the window was opened; it keeps the names saved last.

%1</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Setup error</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>No name is chosen in the list.</translation>
    </message>
</context>
</TS>
