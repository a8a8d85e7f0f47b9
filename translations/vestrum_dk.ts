<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>AddItemCommand</name>
    <message>
        <source>kopiering af %1</source>
        <translation>kopiering af %1</translation>
    </message>
    <message>
        <source>tilføjelse af %1</source>
        <translation>tilføjelse af %1</translation>
    </message>
</context>
<context>
    <name>AutomakeItems</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Opret varer på forhånd</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Antal varer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>&amp;Opret varer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Antal varer skal være:
større end 0 og mindre end 1000</translation>
    </message>
    <message>
        <source>oprettelse af %1 nye genstande</source>
        <translation>oprettelse af %1 nye genstande</translation>
    </message>
</context>
<context>
    <name>CommonSetup</name>
    <message>
        <source>CommonSetupDialogTitle</source>
        <translation>Standardmapper</translation>
    </message>
    <message>
        <source>OSTREL_FRONT_PICTURE_PATH</source>
        <translation>Mappe til billeder af forsider:</translation>
    </message>
    <message>
        <source>OSTREL_BACK_PICTURE_PATH</source>
        <translation>Mappe til billeder af bagsider:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Mappe til billeder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Mappe til billede 2:</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Mappe til billeder:</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Mappe til kvitteringer:</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Mappe til dokumenter:</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>Mappen, som filvalget starter i, når du indsætter et billede.</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Mappen, som filvalget starter i, når du indsætter en kvittering.</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Mappen, som filvalget starter i, når du indsætter et dokument.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Gennemse...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>Genne&amp;mse...</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Gennem&amp;se...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Anvend</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Vælg mappe til billeder</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Vælg mappe til kvitteringer</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Vælg mappe til dokumenter</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>Filen er for stor (%1 MB).</source>
        <translation>Filen er for stor (%1 MB).</translation>
    </message>
    <message>
        <source>Kolonne %1</source>
        <translation>Kolonne %1</translation>
    </message>
    <message>
        <source>%1 er valgt til både kolonne %2 og %3</source>
        <translation>%1 er valgt til både kolonne %2 og %3</translation>
    </message>
    <message>
        <source>Et felt i anførselstegn slutter ikke før filens slutning</source>
        <translation>Et felt i anførselstegn slutter ikke før filens slutning</translation>
    </message>
    <message>
        <source>Rækken har %1 felter, overskriften %2</source>
        <translation>Rækken har %1 felter, overskriften %2</translation>
    </message>
    <message>
        <source>%1: %2 står ikke i listen</source>
        <translation>%1: %2 står ikke i listen</translation>
    </message>
    <message>
        <source>%1 skal være et helt tal fra 0 til %2: %3</source>
        <translation>%1 skal være et helt tal fra 0 til %2: %3</translation>
    </message>
    <message>
        <source>%1 er ikke et tal: %2</source>
        <translation>%1 er ikke et tal: %2</translation>
    </message>
    <message>
        <source>%1 skal være fra 0 til %2: %3</source>
        <translation>%1 skal være fra 0 til %2: %3</translation>
    </message>
    <message>
        <source>%1 er ingen dato (dd.mm.åååå): %2</source>
        <translation>%1 er ingen dato (dd.mm.åååå): %2</translation>
    </message>
    <message>
        <source>%1 har tegnet %2, som registret ikke kan gemme</source>
        <translation>%1 har tegnet %2, som registret ikke kan gemme</translation>
    </message>
    <message>
        <source>%1: &quot;;&quot; er skiftet til &quot;,&quot;, som registret kan gemme</source>
        <translation>%1: &quot;;&quot; er skiftet til &quot;,&quot;, som registret kan gemme</translation>
    </message>
    <message>
        <source>%1: linjeskift er skiftet til mellemrum</source>
        <translation>%1: linjeskift er skiftet til mellemrum</translation>
    </message>
    <message>
        <source>%1 er afkortet til %2 tegn</source>
        <translation>%1 er afkortet til %2 tegn</translation>
    </message>
    <message>
        <source>%1 mangler</source>
        <translation>%1 mangler</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Indlæs CSV-fil</source>
        <translation>Indlæs CSV-fil</translation>
    </message>
    <message>
        <source>Fil: %1</source>
        <translation>Fil: %1</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Tegnsæt:</translation>
    </message>
    <message>
        <source>Komma (,)</source>
        <translation>Komma (,)</translation>
    </message>
    <message>
        <source>Semikolon (;)</source>
        <translation>Semikolon (;)</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>&amp;Skilletegn:</source>
        <translation>&amp;Skilletegn:</translation>
    </message>
    <message>
        <source>Første række er &amp;overskrifter</source>
        <translation>Første række er &amp;overskrifter</translation>
    </message>
    <message>
        <source>Vælg for hver kolonne det felt, den skal gå til, eller lad den blive ignoreret. Herunder de første rækker, som de vil blive læst:</source>
        <translation>Vælg for hver kolonne det felt, den skal gå til, eller lad den blive ignoreret. Herunder de første rækker, som de vil blive læst:</translation>
    </message>
    <message>
        <source>&amp;Indlæs</source>
        <translation>&amp;Indlæs</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>(ignoreres)</source>
        <translation>(ignoreres)</translation>
    </message>
    <message>
        <source>%1 rækker: %2 kan indlæses, %3 med problemer, %4 ændres</source>
        <translation>%1 rækker: %2 kan indlæses, %3 med problemer, %4 ændres</translation>
    </message>
    <message>
        <source>Række %1: %2</source>
        <translation>Række %1: %2</translation>
    </message>
    <message>
        <source>Række %1 (ændres): %2</source>
        <translation>Række %1 (ændres): %2</translation>
    </message>
    <message>
        <source>... og %1 mere</source>
        <translation>... og %1 mere</translation>
    </message>
    <message>
        <source>Indlæs uden de %1 rækker med problemer</source>
        <translation>Indlæs uden de %1 rækker med problemer</translation>
    </message>
    <message>
        <source>&amp;Indlæs %1 rækker</source>
        <translation>&amp;Indlæs %1 rækker</translation>
    </message>
</context>
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
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.;</translation>
    </message>
    <message>
        <source>EXPORT_NOT_SAVED_TITLE</source>
        <translation>Eksporten blev ikke gemt</translation>
    </message>
    <message>
        <source>EXPORT_NOT_SAVED</source>
        <translation>Eksporten kunne ikke gemmes i %1:
%2

En tidligere fil med samme navn er ikke ændret.</translation>
    </message>
    <message>
        <source>Låsen blev sat %1, for %2 timer og %3 minutter siden.</source>
        <translation>Låsen blev sat %1, for %2 timer og %3 minutter siden.</translation>
    </message>
    <message>
        <source>Overtager du låsen, kan den anden kopis senere gemninger overskrive dine ændringer.</source>
        <translation>Overtager du låsen, kan den anden kopi senere overskrive dine ændringer, når den gemmer.</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>Skrivebeskyttet</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Overtag låsen</source>
        <translation>Overtag låsen</translation>
    </message>
    <message>
        <source>Låsen kunne ikke overtages: %1</source>
        <translation>Låsen kunne ikke overtages: %1</translation>
    </message>
    <message>
        <source>Låsen er overtaget fra: %1</source>
        <translation>Låsen er overtaget fra: %1</translation>
    </message>
    <message>
        <source>DB_FILE_CANNOT_BE_READ</source>
        <translation>Filen kan ikke læses (%1).</translation>
    </message>
    <message>
        <source>DB_FILE_TOO_LARGE</source>
        <translation>Filen er større, end programmet kan rumme (over %1 MB).</translation>
    </message>
    <message>
        <source>DB_FILE_NO_MEMORY</source>
        <translation>Der er ikke hukommelse nok til at læse filen.</translation>
    </message>
    <message>
        <source>DB_NOT_A_REGISTER</source>
        <translation>Filen er ikke et register for denne udgave af programmet.</translation>
    </message>
    <message>
        <source>DB_LINE_ERROR</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>DB_LINE_TOO_LONG</source>
        <translation>linjen er længere end %1 tegn.</translation>
    </message>
    <message>
        <source>DB_COLUMN_NOT_A_NUMBER</source>
        <translation>kolonnen &quot;%1&quot; indeholder ikke et tal.</translation>
    </message>
    <message>
        <source>Der er ingen mønter uden vurdering.</source>
        <translation>Der er ingen mønter uden vurdering.</translation>
    </message>
</context>
<context>
    <name>DeleteItemCommand</name>
    <message>
        <source>sletning af %1</source>
        <translation>sletning af %1</translation>
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
        <translation>Ændret på en anden arbejdsplads</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads, mens du rettede den. Intet er overskrevet. Felterne med * er forskellige.</source>
        <translation>%1 er ændret på en anden arbejdsplads, mens du rettede den. Intet er overskrevet. Felterne med * er forskellige.</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Din udgave</source>
        <translation>Din udgave</translation>
    </message>
    <message>
        <source>Den anden arbejdsplads</source>
        <translation>Den anden arbejdsplads</translation>
    </message>
    <message>
        <source>Behold &amp;deres</source>
        <translation>Behold &amp;deres</translation>
    </message>
    <message>
        <source>Behold &amp;min</source>
        <translation>Behold &amp;min</translation>
    </message>
    <message>
        <source>&amp;Ret igen</source>
        <translation>&amp;Ret igen</translation>
    </message>
</context>
<context>
    <name>EditItemCommand</name>
    <message>
        <source>flytning af %1 til &apos;%2&apos;</source>
        <translation>flytning af %1 til &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ændring af %1</source>
        <translation>ændring af %1</translation>
    </message>
</context>
<context>
    <name>ExternalViewers</name>
    <message>
        <source>LAUNCH_REFUSED_OPTION</source>
        <translation>&quot;%1&quot; åbnes ikke: en tekst, der begynder med &quot;-&quot;, gives aldrig videre til et andet program.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_NOT_ABSOLUTE</source>
        <translation>&quot;%1&quot; åbnes ikke: det valgte program får kun en webadresse (http, https eller mailto) eller den fulde sti til en fil.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_MISSING</source>
        <translation>Filen &quot;%1&quot; findes ikke.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_NOT_A_FILE</source>
        <translation>&quot;%1&quot; åbnes ikke: det er ikke en fil.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_PROGRAM</source>
        <translation>&quot;%1&quot; åbnes ikke: det er et program, et script eller en fil markeret som kørbar, og programmer startes aldrig fra registeret.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_ADDRESS</source>
        <translation>&quot;%1&quot; åbnes ikke: kun adresser, der begynder med http, https eller mailto, åbnes, og ingen mail, der vedhæfter filer.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
</context>
<context>
    <name>InsuranceReport</name>
    <message>
        <source>Forsikringsopgørelse</source>
        <translation>Forsikringsopgørelse</translation>
    </message>
    <message>
        <source>Der kunne ikke begyndes på en ny side.</source>
        <translation>Der kunne ikke begyndes på en ny side.</translation>
    </message>
    <message>
        <source>Side %1 af %2</source>
        <translation>Side %1 af %2</translation>
    </message>
    <message>
        <source>Købsværdi</source>
        <translation>Købsværdi</translation>
    </message>
    <message>
        <source>Ejer</source>
        <translation>Ejer</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Forsikringsselskab</source>
        <translation>Forsikringsselskab</translation>
    </message>
    <message>
        <source>Policenummer</source>
        <translation>Policenummer</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Dato</source>
        <translation>Dato</translation>
    </message>
    <message>
        <source>Omfang</source>
        <translation>Omfang</translation>
    </message>
    <message>
        <source>Ordnet efter</source>
        <translation>Ordnet efter</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>Genstande</source>
        <translation>Genstande</translation>
    </message>
    <message>
        <source>Stykker</source>
        <translation>Stykker</translation>
    </message>
    <message>
        <source>Købsværdien er %1 gange %2.</source>
        <translation>Købsværdien er %1 gange %2.</translation>
    </message>
    <message>
        <source>Filtrets træf</source>
        <translation>Filtrets træf</translation>
    </message>
    <message>
        <source>Hele registret</source>
        <translation>Hele registret</translation>
    </message>
    <message>
        <source>Stk.</source>
        <translation>Stk.</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>Indhold</source>
        <translation>Indhold</translation>
    </message>
    <message>
        <source>%1 (mangler)</source>
        <translation>%1 (mangler)</translation>
    </message>
    <message>
        <source>%1 kan ikke læses</source>
        <translation>%1 kan ikke læses</translation>
    </message>
    <message>
        <source>I alt for %1</source>
        <translation>I alt for %1</translation>
    </message>
    <message>
        <source>PDF-filen kunne ikke påbegyndes.</source>
        <translation>PDF-filen kunne ikke påbegyndes.</translation>
    </message>
    <message>
        <source>Forsikringsopgørelsen kunne ikke gemmes i %1:
%2</source>
        <translation>Forsikringsopgørelsen kunne ikke gemmes i %1:
%2</translation>
    </message>
</context>
<context>
    <name>InsuranceReportDialog</name>
    <message>
        <source>Hele registret</source>
        <translation>Hele registret</translation>
    </message>
    <message>
        <source>Filtrets træf</source>
        <translation>Filtrets træf</translation>
    </message>
    <message>
        <source>&amp;Ejer:</source>
        <translation>&amp;Ejer:</translation>
    </message>
    <message>
        <source>&amp;Adresse:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Forsikringsselskab:</source>
        <translation>&amp;Forsikringsselskab:</translation>
    </message>
    <message>
        <source>&amp;Policenummer:</source>
        <translation>&amp;Policenummer:</translation>
    </message>
    <message>
        <source>O&amp;mfang:</source>
        <translation>O&amp;mfang:</translation>
    </message>
    <message>
        <source>O&amp;rdnet efter:</source>
        <translation>O&amp;rdnet efter:</translation>
    </message>
    <message>
        <source>Medtag:</source>
        <translation>Medtag:</translation>
    </message>
    <message>
        <source>&amp;Lav opgørelse...</source>
        <translation>&amp;Lav opgørelse...</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Tæller siderne...</source>
        <translation>Tæller siderne...</translation>
    </message>
    <message>
        <source>Side %1 af %2</source>
        <translation>Side %1 af %2</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>en genstand uden navn</source>
        <translation>en genstand uden navn</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Gen&amp;tag</source>
        <translation>Gen&amp;tag</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>TotalPrice</source>
        <translation>Pris i alt</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>TEXT_NOT_INSERTED_CHARACTER</source>
        <translation>Teksten blev ikke indsat, fordi den indeholder tegnet %1, som databasen ikke kan gemme.</translation>
    </message>
    <message>
        <source>SHOWPHOTO</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation> - indsæt...</translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation> - indsæt...</translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation> - indsæt...</translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Billedgalleri</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_REG_NUMBER</source>
        <translation>Billedets registreringsnummer.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_REG_NUMBER</source>
        <translation>Her skriver du billedets registreringsnummer, fx fra et katalog eller en udstilling. Nummeret skal være et heltal.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_ESTIMATED_PRICE</source>
        <translation>Skriv den pris, du anslår billedet er værd. Beløbet bruges i rapporten og i udskrifterne.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_SALESPRICE</source>
        <translation>Skriv billedets salgspris. Rapporten viser summen af salgspriserne for hver gruppe.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_DOCUMENT</source>
        <translation>Link til et dokument om billedet.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_DOCUMENT</source>
        <translation>Her kan du knytte et dokument til billedet, fx en beskrivelse, en faktura eller et ægthedsbevis. Tryk på knappen ved siden af for at vælge filen.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_ESTIMATED_PRICE</source>
        <translation>Den pris, du anslår billedet er værd.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_SALESPRICE</source>
        <translation>Den pris, billedet sælges til.</translation>
    </message>
    <message>
        <source>OSTREL_DIALOG_TITLE</source>
        <translation>Mønt</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Antal eksemplarer af mønten.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_DOCUMENT</source>
        <translation>Link til et dokument om mønten, fx et ægthedsbevis.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_QUALITY</source>
        <translation>Møntens kvalitet (bevaringsgrad), fx 1+.</translation>
    </message>
    <message>
        <source>WHATSHIS_OSTREL_QUALITY</source>
        <translation>Skriv møntens kvalitet efter den gradering, du bruger, fx 0, 01, 1+, 1 eller 2. Kvaliteten har stor betydning for møntens værdi.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_BACKSIDE_PICTURE</source>
        <translation>Link til et billede af møntens bagside.</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Vælg en billedfil med møntens bagside.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Vis billedet af møntens bagside.</translation>
    </message>
    <message>
        <source>PRICE_DECIMAL_POINT</source>
        <translation>Skriv decimaler med punktum, fx 12.50. Et komma bliver til punktum.</translation>
    </message>
    <message>
        <source>LINK_PATH_NOT_STORABLE</source>
        <translation>Filen kan ikke knyttes til posten, fordi stien indeholder tegnet %1, som databasen ikke kan gemme:
%2</translation>
    </message>
    <message>
        <source>LINK_PATH_TOO_LONG</source>
        <translation>Filen kan ikke knyttes til posten, fordi stien er længere end %1 tegn:
%2</translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Fejl ved søgning</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Der blev ikke fundet nogen post, der passer til søgningen.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>NO_DATE</source>
        <translation>(ingen dato)</translation>
    </message>
    <message>
        <source>TOOLTIP_TEXT_CUT</source>
        <translation>Højst %1 tegn gemmes i databasen; en længere tekst bliver afkortet.</translation>
    </message>
    <message>
        <source>Alle filer</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>Billeder</source>
        <translation>Billeder</translation>
    </message>
    <message>
        <source>Kvitteringer</source>
        <translation>Kvitteringer</translation>
    </message>
    <message>
        <source>Dokumenter</source>
        <translation>Dokumenter</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før varen gemmes.</source>
        <translation>Udfyld feltet &apos;%1&apos;, før varen gemmes.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før billedet gemmes.</source>
        <translation>Udfyld feltet &apos;%1&apos;, før billedet gemmes.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før mønten gemmes.</source>
        <translation>Udfyld feltet &apos;%1&apos;, før mønten gemmes.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før genstanden gemmes.</source>
        <translation>Udfyld feltet &apos;%1&apos;, før genstanden gemmes.</translation>
    </message>
    <message>
        <source>Feltet &apos;%1&apos; skal være et tal fra 0 til %2.</source>
        <translation>Feltet &apos;%1&apos; skal være et tal fra 0 til %2.</translation>
    </message>
    <message>
        <source>Feltet &apos;%1&apos; skal være et helt tal fra %2 til %3.</source>
        <translation>Feltet &apos;%1&apos; skal være et helt tal fra %2 til %3.</translation>
    </message>
    <message>
        <source>Vælg en værdi i feltet &apos;%1&apos;, før varen gemmes.</source>
        <translation>Vælg en værdi i feltet &apos;%1&apos;, før varen gemmes.</translation>
    </message>
    <message>
        <source>Ugyldig værdi</source>
        <translation>Ugyldig værdi</translation>
    </message>
    <message>
        <source>Ret det, og prøv igen.</source>
        <translation>Ret det, og prøv igen.</translation>
    </message>
    <message>
        <source>Slettet på en anden arbejdsplads</source>
        <translation>Slettet på en anden arbejdsplads</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads. Det, du har skrevet, står stadig her; når du gemmer, kan du gemme det som en ny post eller kassere det.</source>
        <translation>%1 er slettet på en anden arbejdsplads. Det, du har skrevet, står stadig her; når du gemmer, kan du gemme det som en ny post eller kassere det.</translation>
    </message>
    <message>
        <source>Posten er slettet på en anden arbejdsplads. Vil du gemme det, der står her, som en ny post, eller kassere det?</source>
        <translation>Posten er slettet på en anden arbejdsplads. Vil du gemme det, der står her, som en ny post, eller kassere det?</translation>
    </message>
    <message>
        <source>Gem som &amp;ny post</source>
        <translation>Gem som &amp;ny post</translation>
    </message>
    <message>
        <source>&amp;Kassér</source>
        <translation>&amp;Kassér</translation>
    </message>
    <message>
        <source>&amp;Annullér</source>
        <translation>&amp;Annullér</translation>
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
        <translation>Den gruppe, posten hører til.</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME</source>
        <translation>Postens navn.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Fabrikat:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT</source>
        <translation>Fabrikat eller mærke.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>&amp;Model:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND</source>
        <translation>Model eller typebetegnelse.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Antal:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER_OF_ITEMS</source>
        <translation>Det antal stykker, posten omfatter.</translation>
    </message>
    <message>
        <source>stk</source>
        <translation>stk.</translation>
    </message>
    <message>
        <source>&amp;Pris (1 stk):</source>
        <translation>&amp;Pris (1 stk.):</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE</source>
        <translation>Købsprisen for ét stk.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TODAY</source>
        <translation>Hvad det hele er værd i dag.</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>&amp;Købsdato:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE</source>
        <translation>Købsdatoen.</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Lokale/rum:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCATION</source>
        <translation>Det lokale eller rum, hvor tingen står.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>&amp;Leverandør:</translation>
    </message>
    <message>
        <source>TOOLTIP_SUPPLIER</source>
        <translation>Den butik eller leverandør, tingen er købt hos.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>&amp;Ekstra oplysninger:</translation>
    </message>
    <message>
        <source>TOOLTIP_ADDRESS</source>
        <translation>Adresse eller andre oplysninger.</translation>
    </message>
    <message>
        <source>TOOLTIP_SERIALNO</source>
        <translation>Serienummeret.</translation>
    </message>
    <message>
        <source>&amp;Beskrivelse:</source>
        <translation>&amp;Beskrivelse:</translation>
    </message>
    <message>
        <source>TOOLTIP_DESCRIPTION</source>
        <translation>En fri beskrivelse.</translation>
    </message>
    <message>
        <source>ww&amp;w (link til web):</source>
        <translation>ww&amp;w (link til web):</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW</source>
        <translation>En webadresse med oplysninger om tingen.</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_WWW_BTN</source>
        <translation>Åbn webadressen i browseren.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>&amp;Billede (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_PHOTOLINK</source>
        <translation>Stien til en billedfil.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>&amp;Indsæt billede</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_IMAGE_BTN</source>
        <translation>Vælg en billedfil og knyt den til posten.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;Vis billede</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Åbn billedet i billedvisningsprogrammet.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Kvittering (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT</source>
        <translation>Stien til en fil med kvitteringen.</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_RECEIPT_BTN</source>
        <translation>Vælg en fil med kvitteringen og knyt den til posten.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>Åbn kvitteringen.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>Dok&amp;ument (link til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT</source>
        <translation>Stien til et dokument, fx en manual.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Indsæt &amp;dokument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Vælg et dokument og knyt det til posten.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Vis d&amp;okument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Åbn dokumentet.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>&amp;Billede</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Kvittering</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&lt; Forrig&amp;e</translation>
    </message>
    <message>
        <source>TOOLTIP_PREV_BTN</source>
        <translation>Vis den forrige post i databasen.</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>N&amp;æste &gt;</translation>
    </message>
    <message>
        <source>TOOLTIP_NEXT_BTN</source>
        <translation>Vis den næste post i databasen.</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Opret en ny, tom post.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Kopie&amp;r</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Lav en kopi af posten; kopien tilføjes, når du gemmer.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Gem posten uden at lukke vinduet.</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Gemmer de indtastede værdier i posten og opdaterer listen i hovedvinduet. Vinduet forbliver åbent, så du kan fortsætte med en ny post eller en kopi. Husk at gemme databasen med Fil &gt; Gem.</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Tøm felterne og skift til søgning.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>&amp;Søg</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søg efter en post, der passer til de udfyldte felter.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Søg &amp;igen</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_AGAIN_BTN</source>
        <translation>Find den næste post, der passer til søgningen.</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Udskriv posten.</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis som HT&amp;ML</translation>
    </message>
    <message>
        <source>TOOLTIP_VIEW_AS_HTML_BTN</source>
        <translation>Vis posten som en HTML-side.</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Genstand</source>
        <translation>Genstand</translation>
    </message>
    <message>
        <source>kr   I alt</source>
        <translation>kr   I alt</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (i alt):</source>
        <translation>&amp;Vurderet pris (i alt):</translation>
    </message>
    <message>
        <source>&amp;Serienummer:</source>
        <translation>&amp;Serienummer:</translation>
    </message>
    <message>
        <source>In&amp;dsæt kvittering</source>
        <translation>In&amp;dsæt kvittering</translation>
    </message>
    <message>
        <source>Vis kvi&amp;ttering</source>
        <translation>Vis kvi&amp;ttering</translation>
    </message>
    <message>
        <source>N&amp;y</source>
        <translation>N&amp;y</translation>
    </message>
    <message>
        <source>N&amp;ulstil</source>
        <translation>N&amp;ulstil</translation>
    </message>
    <message>
        <source>Udskri&amp;v</source>
        <translation>Udskri&amp;v</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Error</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Gruppe %1 (ikke i gruppelisten)</source>
        <translation>Gruppe %1 (ikke i gruppelisten)</translation>
    </message>
    <message>
        <source>Poster: %1   Stk.: %2   Pris i alt: %3   Værdi i dag: %4</source>
        <translation>Poster: %1   Stk.: %2   Pris i alt: %3   Værdi i dag: %4</translation>
    </message>
    <message>
        <source>%1 (%2 af %3)</source>
        <translation>%1 (%2 af %3)</translation>
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
    <message>
        <source>LIST_HELP_PELLIN</source>
        <translation>Listen viser dine billeder ordnet i grupper. Dobbeltklik på et billede for at redigere dets oplysninger eller på en gruppe for at registrere et nyt billede i gruppen. Klik i kolonnen Billede for at se selve billedet.</translation>
    </message>
    <message>
        <source>LIST_HELP_OSTREL</source>
        <translation>Listen viser dine mønter ordnet i grupper. Dobbeltklik på en mønt for at redigere den eller på en gruppe for at registrere en ny mønt i gruppen. Klik i billedkolonnerne for at se møntens forside og bagside.</translation>
    </message>
    <message>
        <source>LIST_HELP_1</source>
        <translation>Listen viser databasens poster ordnet i grupper. Dobbeltklik på en post for at redigere den eller på en gruppe for at oprette en ny post i gruppen. Klik i kolonnen Billede, Kvitt., Www eller Dok. for at åbne det, der er knyttet til posten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NB!</source>
        <translation>Bemærk</translation>
    </message>
    <message>
        <source>Ingen URL tilknyttet valgte inventar</source>
        <translation>Der er ikke knyttet nogen webadresse til den valgte post.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Grupper mangler</source>
        <translation>Grupper mangler</translation>
    </message>
    <message>
        <source>Nogle poster har et gruppenummer, der ikke findes i gruppelisten. De vises nederst under deres gruppenummer.</source>
        <translation>Nogle poster har et gruppenummer, der ikke findes i gruppelisten. De vises nederst under deres gruppenummer.</translation>
    </message>
</context>
<context>
    <name>LabelDrawing</name>
    <message>
        <source>Stregkoden kan ikke laves: ikke nok hukommelse.</source>
        <translation>Stregkoden kan ikke laves: ikke nok hukommelse.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan ikke laves som stregkode: %2</source>
        <translation>&quot;%1&quot; kan ikke laves som stregkode: %2</translation>
    </message>
    <message>
        <source>Der kan ikke tegnes på siden.</source>
        <translation>Der kan ikke tegnes på siden.</translation>
    </message>
    <message>
        <source>Siderne kan ikke afsluttes.</source>
        <translation>Siderne kan ikke afsluttes.</translation>
    </message>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>Etiketterne kan ikke udskrives:
%1</source>
        <translation>Etiketterne kan ikke udskrives:
%1</translation>
    </message>
    <message>
        <source>%1 etiketter udskrevet</source>
        <translation>%1 etiketter udskrevet</translation>
    </message>
    <message>
        <source>Etiketter udskrives kun for grupper og lokaler.</source>
        <translation>Etiketter udskrives kun for grupper og lokaler.</translation>
    </message>
</context>
<context>
    <name>LabelProfiles</name>
    <message>
        <source>Etiketprinter (printerens eget sprog)</source>
        <translation>Etiketprinter (printerens eget sprog)</translation>
    </message>
    <message>
        <source>Hyldeetiket 50 x 25 mm, Code 128</source>
        <translation>Hyldeetiket 50 x 25 mm, Code 128</translation>
    </message>
    <message>
        <source>A4-ark 3 x 8 (70 x 37 mm), Code 128</source>
        <translation>A4-ark 3 x 8 (70 x 37 mm), Code 128</translation>
    </message>
    <message>
        <source>Smal tape 24 x 12 mm, DataMatrix</source>
        <translation>Smal tape 24 x 12 mm, DataMatrix</translation>
    </message>
    <message>
        <source>Møntholder 2 x 2 tommer, QR</source>
        <translation>Møntholder 2 x 2 tommer, QR</translation>
    </message>
    <message>
        <source>Etiketten skal være mellem 5 og 1000 mm bred og høj.</source>
        <translation>Etiketten skal være mellem 5 og 1000 mm bred og høj.</translation>
    </message>
    <message>
        <source>Skriftens størrelse skal være mellem 3 og 72 punkter.</source>
        <translation>Skriftens størrelse skal være mellem 3 og 72 punkter.</translation>
    </message>
    <message>
        <source>Et ark skal have mellem 1 og 100 rækker og kolonner.</source>
        <translation>Et ark skal have mellem 1 og 100 rækker og kolonner.</translation>
    </message>
    <message>
        <source>Etiketterne fylder mere end arket.</source>
        <translation>Etiketterne fylder mere end arket.</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Nummer</translation>
    </message>
</context>
<context>
    <name>LabelSetupDialog</name>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>&amp;Ny</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>Printerens eget sprog: formatfilerne i Setup sendes til etiketprinteren</source>
        <translation>Printerens eget sprog: formatfilerne i Setup sendes til etiketprinteren</translation>
    </message>
    <message>
        <source>Tegnet med stregkode: til enhver printer eller en PDF-fil</source>
        <translation>Tegnet med stregkode: til enhver printer eller en PDF-fil</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Nummeret (serienummeret med 6 cifre)</source>
        <translation>Nummeret (serienummeret med 6 cifre)</translation>
    </message>
    <message>
        <source>Nummeret, ellers serienummeret som det står</source>
        <translation>Nummeret, ellers serienummeret som det står</translation>
    </message>
    <message>
        <source>Tegnet etiket</source>
        <translation>Tegnet etiket</translation>
    </message>
    <message>
        <source>Størrelse (bredde x højde):</source>
        <translation>Størrelse (bredde x højde):</translation>
    </message>
    <message>
        <source>Stregkode:</source>
        <translation>Stregkode:</translation>
    </message>
    <message>
        <source>Stregkoden indeholder:</source>
        <translation>Stregkoden indeholder:</translation>
    </message>
    <message>
        <source>Skriftstørrelse:</source>
        <translation>Skriftstørrelse:</translation>
    </message>
    <message>
        <source>Ark med flere etiketter</source>
        <translation>Ark med flere etiketter</translation>
    </message>
    <message>
        <source>Rækker:</source>
        <translation>Rækker:</translation>
    </message>
    <message>
        <source>Kolonner:</source>
        <translation>Kolonner:</translation>
    </message>
    <message>
        <source>Arkets bredde:</source>
        <translation>Arkets bredde:</translation>
    </message>
    <message>
        <source>Arkets højde:</source>
        <translation>Arkets højde:</translation>
    </message>
    <message>
        <source>Venstre margen:</source>
        <translation>Venstre margen:</translation>
    </message>
    <message>
        <source>Øverste margen:</source>
        <translation>Øverste margen:</translation>
    </message>
    <message>
        <source>Afstand vandret:</source>
        <translation>Afstand vandret:</translation>
    </message>
    <message>
        <source>Afstand lodret:</source>
        <translation>Afstand lodret:</translation>
    </message>
    <message>
        <source>Brugte etiketter på arket:</source>
        <translation>Brugte etiketter på arket:</translation>
    </message>
    <message>
        <source>De valgte felter udskrives i denne rækkefølge; træk for at flytte dem</source>
        <translation>De valgte felter udskrives i denne rækkefølge; træk for at flytte dem</translation>
    </message>
    <message>
        <source>Felter på etiketten</source>
        <translation>Felter på etiketten</translation>
    </message>
    <message>
        <source>Eksempel</source>
        <translation>Eksempel</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Profil:</source>
        <translation>Profil:</translation>
    </message>
    <message>
        <source>Navn:</source>
        <translation>Navn:</translation>
    </message>
    <message>
        <source>Ny profil</source>
        <translation>Ny profil</translation>
    </message>
    <message>
        <source>Ny profil %1</source>
        <translation>Ny profil %1</translation>
    </message>
    <message>
        <source>Etiketten laves af printeren ud fra formatfilen.</source>
        <translation>Etiketten laves af printeren ud fra formatfilen.</translation>
    </message>
    <message>
        <source>Profilen skal have et navn.</source>
        <translation>Profilen skal have et navn.</translation>
    </message>
    <message>
        <source>To profiler hedder &quot;%1&quot;.</source>
        <translation>To profiler hedder &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>Labels</name>
    <message>
        <source>Etiketter</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>Printerkøen &quot;%1&quot; kan ikke nås: programmet er bygget uden CUPS.</source>
        <translation>Printerkøen &quot;%1&quot; kan ikke nås: programmet er bygget uden CUPS.</translation>
    </message>
    <message>
        <source>Der findes ingen printerkø ved navn &quot;%1&quot;.</source>
        <translation>Der findes ingen printerkø ved navn &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Printeren &quot;%1&quot; afviste etiketterne.</source>
        <translation>Printeren &quot;%1&quot; afviste etiketterne.</translation>
    </message>
    <message>
        <source>Ingen forbindelse til printeren %1.</source>
        <translation>Ingen forbindelse til printeren %1.</translation>
    </message>
    <message>
        <source>Enheden %1 findes ikke.</source>
        <translation>Enheden %1 findes ikke.</translation>
    </message>
    <message>
        <source>Enheden %1 kan ikke åbnes.</source>
        <translation>Enheden %1 kan ikke åbnes.</translation>
    </message>
    <message>
        <source>Printeren %1 tog ikke imod alle etiketter.</source>
        <translation>Printeren %1 tog ikke imod alle etiketter.</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uden navn)</translation>
    </message>
    <message>
        <source>intet serienummer</source>
        <translation>intet serienummer</translation>
    </message>
    <message>
        <source>serienummeret &quot;%1&quot; er ikke et tal</source>
        <translation>serienummeret &quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>serienummeret &quot;%1&quot; er for langt til stregkoden</source>
        <translation>serienummeret &quot;%1&quot; er for langt til stregkoden</translation>
    </message>
    <message>
        <source>... og %1 flere</source>
        <translation>... og %1 flere</translation>
    </message>
    <message>
        <source>Disse emner får ingen etiket, fordi deres serienummer ikke kan bruges som nummer:</source>
        <translation>Disse poster får ingen etiket, fordi deres serienummer ikke kan bruges som nummer:</translation>
    </message>
    <message>
        <source>Etiketformatet %1 findes ikke eller kan ikke læses.
Intet er sendt til printeren.</source>
        <translation>Etiketformatet %1 findes ikke eller kan ikke læses.
Intet er sendt til printeren.</translation>
    </message>
    <message>
        <source>Etiketformatet %1 er tomt.
Intet er sendt til printeren.</source>
        <translation>Etiketformatet %1 er tomt.
Intet er sendt til printeren.</translation>
    </message>
    <message>
        <source>Etiketfilen %1 kan ikke skrives:
%2
Intet er sendt til printeren.</source>
        <translation>Etiketfilen %1 kan ikke skrives:
%2
Intet er sendt til printeren.</translation>
    </message>
    <message>
        <source>Skriv i den navnet på en printerkø, en netværksprinter som socket://192.168.1.50:9100 eller en enhed som /dev/usb/lp0.</source>
        <translation>Skriv i den navnet på en printerkø, en netværksprinter som socket://192.168.1.50:9100 eller en enhed som /dev/usb/lp0.</translation>
    </message>
    <message>
        <source>Printerfilen %1 findes ikke.</source>
        <translation>Printerfilen %1 findes ikke.</translation>
    </message>
    <message>
        <source>Printerfilen %1 nævner ingen printer.</source>
        <translation>Printerfilen %1 nævner ingen printer.</translation>
    </message>
    <message>
        <source>Printerfilen %1 nævner ingen printer, som kan bruges: &quot;%2&quot;.</source>
        <translation>Printerfilen %1 nævner ingen printer, som kan bruges: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Etiketterne er ikke udskrevet.</source>
        <translation>Etiketterne er ikke udskrevet.</translation>
    </message>
    <message>
        <source>%1 etiketter sendt til printeren</source>
        <translation>%1 etiketter sendt til printeren</translation>
    </message>
    <message>
        <source>Filen %1 kan ikke skrives:
%2</source>
        <translation>Filen %1 kan ikke skrives:
%2</translation>
    </message>
</context>
<context>
    <name>ListFilterField</name>
    <message>
        <source>Filtrér listen (Ctrl+L)</source>
        <translation>Filtrér listen (Ctrl+L)</translation>
    </message>
    <message>
        <source>Viser kun poster, der indeholder alle de skrevne ord</source>
        <translation>Viser kun poster, der indeholder alle de skrevne ord</translation>
    </message>
</context>
<context>
    <name>LocationImportCommand</name>
    <message>
        <source>indlæsning af scannerfilen</source>
        <translation>indlæsning af scannerfilen</translation>
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
        <translation>Linje</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Lagernummer</source>
        <translation>Lagernummer</translation>
    </message>
    <message>
        <source>Navn</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Placering</source>
        <translation>Placering</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antal</translation>
    </message>
    <message>
        <source>Virkning eller problem</source>
        <translation>Virkning eller problem</translation>
    </message>
    <message>
        <source>Indlæst scannerfil</source>
        <translation>Indlæst scannerfil</translation>
    </message>
    <message>
        <source>Opdatér placeringer</source>
        <translation>Opdater lagerplaceringer</translation>
    </message>
    <message>
        <source>Scannerfil: %1</source>
        <translation>Scannerfil: %1</translation>
    </message>
    <message>
        <source>%1 linjer: %2 gode, %3 med problemer</source>
        <translation>%1 linjer: %2 gode, %3 med problemer</translation>
    </message>
    <message>
        <source>Linjer med problemer bliver aldrig anvendt.</source>
        <translation>Linjer med problemer bliver aldrig anvendt.</translation>
    </message>
    <message>
        <source>&amp;Gem oversigt...</source>
        <translation>&amp;Gem oversigt...</translation>
    </message>
    <message>
        <source>&amp;Udskriv oversigt...</source>
        <translation>&amp;Udskriv oversigt...</translation>
    </message>
    <message>
        <source>&amp;Anvend</source>
        <translation>&amp;Anvend</translation>
    </message>
    <message>
        <source>&amp;Anvend de %1 gode linjer...</source>
        <translation>&amp;Anvend de %1 gode linjer...</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>%1 linjer har problemer og bliver ikke anvendt.
Vil du anvende de %2 gode linjer?</source>
        <translation>%1 linjer har problemer og bliver ikke anvendt.
Vil du anvende de %2 gode linjer?</translation>
    </message>
    <message>
        <source>Anvend de &amp;gode</source>
        <translation>Anvend de &amp;gode</translation>
    </message>
    <message>
        <source>Gem oversigt</source>
        <translation>Gem oversigt</translation>
    </message>
    <message>
        <source>Tekst (*.txt)</source>
        <translation>Tekst (*.txt)</translation>
    </message>
    <message>
        <source>Oversigten blev ikke gemt i %1:
%2</source>
        <translation>Oversigten blev ikke gemt i %1:
%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tarnvold program error</source>
        <translation>Programfejl</translation>
    </message>
    <message>
        <source>Ingen program associeret med filer af denne type %1</source>
        <translation>Der er ikke knyttet noget program til filer af denne type: %1</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>Styresystemet mangler hukommelse eller ressourcer.</translation>
    </message>
    <message>
        <source>The specified file was not found (please, check write permissions).</source>
        <translation>Den angivne fil blev ikke fundet (kontrollér skriverettighederne).</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Den angivne sti blev ikke fundet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Filen er i brug af et andet program (delingsfejl).</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>Filtypens tilknytning til et program er ufuldstændig eller ugyldig.</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. This error will also be returned if you attempt to print a file that is not printable.</source>
        <translation>Der er intet program tilknyttet den angivne filtype. Fejlen opstår også, hvis du forsøger at udskrive en fil, der ikke kan udskrives.</translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation>Det angivne programbibliotek (DLL) blev ikke fundet.</translation>
    </message>
    <message>
        <source>HTML fejl</source>
        <translation>HTML-fejl</translation>
    </message>
    <message>
        <source>Could not display help (%1), error: %2</source>
        <translation>Kunne ikke vise hjælpen (%1), fejl: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>Program (%1) ikke fundet.
Hint: Vælg ønsket program til at vise aktuelle fil type,
via Opsætning menu.
Kalder istedet program associeret med filen %2</source>
        <translation>Programmet (%1) blev ikke fundet.
Tip: Vælg i menuen Opsætning, hvilket program der skal vise denne filtype.
Åbner i stedet filen %2 med det program, den er knyttet til.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>SAVE_CURRENT_DB_QUESTION</source>
        <translation>Databasen er blevet ændret. Vil du gemme ændringerne?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>Gem &amp;ikke</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>FileError</source>
        <translation>Filfejl</translation>
    </message>
    <message>
        <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
        <translation>Databasefilen kan ikke åbnes. Den findes ikke, kan ikke læses eller hører til en anden udgave af programmet.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
        <translation>%1 indlæst: %2 poster på %3 sek.</translation>
    </message>
    <message>
        <source>BrevaneHelpAbout</source>
        <translation>&amp;Om Brevane...</translation>
    </message>
    <message>
        <source>PellinHelpAbout</source>
        <translation>&amp;Om Pellin...</translation>
    </message>
    <message>
        <source>OstrelHelpAbout</source>
        <translation>&amp;Om Ostrel...</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>ITEMS_SAVED_DB_MESSAGE</source>
        <translation>%1 gemt: %2 poster på %3 sek.</translation>
    </message>
    <message>
        <source>BackupCurrentDB</source>
        <translation>Sikkerhedskopiér databasen</translation>
    </message>
    <message>
        <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
        <translation>Der blev ikke valgt nogen fil, så der er ikke taget en sikkerhedskopi.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
        <translation>Det nye sprog træder i kraft, næste gang programmet startes.</translation>
    </message>
    <message>
        <source>NOTEPAD_NOT_FOUND</source>
        <translation>Versionsnoterne kunne ikke vises, fordi teksteditoren ikke kunne startes.</translation>
    </message>
    <message>
        <source>About Brevane</source>
        <translation>Om Brevane</translation>
    </message>
    <message>
        <source>AboutBrevaneDetails</source>
        <translation>Brevane - lagerregistrering
En del af Vestrum-familien af registre.
Version 3.0
Hold styr på den lille virksomheds lager med stregkodeetiketter og lagerbevægelser fra scanneren.</translation>
    </message>
    <message>
        <source>About Pellin</source>
        <translation>Om Pellin</translation>
    </message>
    <message>
        <source>AboutPellinDetails</source>
        <translation>Pellin - billedregistrering
En del af Vestrum-familien af registre.
Version 3.0
Registrér din billedsamling med titler, priser og links til billedfilerne.</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>Om Ostrel</translation>
    </message>
    <message>
        <source>AboutOstrelDetails</source>
        <translation>Ostrel - møntregistrering
En del af Vestrum-familien af registre.
Version 3.0
Registrér din møntsamling med årstal, metal, katalognummer, kvalitet og billeder af forside og bagside.</translation>
    </message>
    <message>
        <source>About Tovik</source>
        <translation>Om Tovik</translation>
    </message>
    <message>
        <source>AboutTovikDetails</source>
        <translation>Tovik - indboregistrering
En del af Vestrum-familien af registre.
Version 3.0
Registrér indboet i dit hjem med priser, kvitteringer, billeder og dokumenter.</translation>
    </message>
    <message>
        <source>&amp;Fil</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>FILE_NEW</source>
        <translation>&amp;Ny</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_NEW</source>
        <translation>Opretter en ny, tom database. Er den åbne database ændret, bliver du først spurgt, om ændringerne skal gemmes.</translation>
    </message>
    <message>
        <source>FILE_OPEN</source>
        <translation>Å&amp;bn...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_OPEN</source>
        <translation>Åbner en eksisterende database (filtyperne .tvk, .txt og .db). Listerne over grupper, lokaler og leverandører hentes fra mapperne ved siden af databasefilen.</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>Opdater &amp;lagerplaceringer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Indlæser lagerbevægelser fra en fil fra stregkodescanneren og opdaterer varernes antal og placering. Filen sikkerhedskopieres med dato og klokkeslæt, og databasen gemmes bagefter.</translation>
    </message>
    <message>
        <source>FILE_SAVE</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE</source>
        <translation>Gemmer databasen i den åbne fil. Har databasen endnu ikke et filnavn, bliver du bedt om at vælge et.</translation>
    </message>
    <message>
        <source>FILE_SAVE_AS</source>
        <translation>Gem &amp;som...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE_AS</source>
        <translation>Gemmer databasen under et nyt filnavn. Listerne over grupper, lokaler, leverandører og feltnavne gemmes i mapper ved siden af den nye fil.</translation>
    </message>
    <message>
        <source>BACKUP...</source>
        <translation>Sikkerheds&amp;kopi...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_BACKUP</source>
        <translation>Gemmer en kopi af databasen og dens lister i en fil, du vælger. Den åbne database beholder sit filnavn, og dens ændringer regnes stadig for ikke gemt.</translation>
    </message>
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Gem som &amp;HTML</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Gem som &amp;XML</translation>
    </message>
    <message>
        <source>SAVE_SETTINGS</source>
        <translation>Gem &amp;indstillinger</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVESETTINGS</source>
        <translation>Gemmer vinduets størrelse og placering, kolonnebredderne og om alle grupper er foldet ud. Indstillingerne bruges, næste gang programmet startes.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Udskriv stregkode&amp;etiketter...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Udskriver stregkodeetiketter på etiketprinteren. Er en vare markeret, udskrives dens etiket; er en gruppe markeret, udskrives en etiket for hver vare i gruppen.</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>&amp;Udskriv...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Udskriver en liste over posterne i databasen. Kolonner, sortering og filtre vælges under Opsætning &gt; Udskrivning.</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Rediger</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>BrevaneEdit</source>
        <translation>&amp;Rediger vare...</translation>
    </message>
    <message>
        <source>BrevaneEditDelete</source>
        <translation>&amp;Slet vare</translation>
    </message>
    <message>
        <source>BrevaneEditSearch</source>
        <translation>Sø&amp;g...</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>&amp;Rediger genstand...</translation>
    </message>
    <message>
        <source>OstrelEdit</source>
        <translation>&amp;Rediger mønt...</translation>
    </message>
    <message>
        <source>OstrelEditDelete</source>
        <translation>&amp;Slet mønt</translation>
    </message>
    <message>
        <source>OstrelEditSearc</source>
        <translation>Sø&amp;g...</translation>
    </message>
    <message>
        <source>PellinEdit</source>
        <translation>&amp;Rediger billede...</translation>
    </message>
    <message>
        <source>PellinEditDelete</source>
        <translation>&amp;Slet billede</translation>
    </message>
    <message>
        <source>PellinEditSearc</source>
        <translation>Sø&amp;g...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Åbner den markerede post i redigeringsvinduet, hvor alle felter kan ændres. Er en gruppe eller ingenting markeret, oprettes i stedet en ny post.</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Åbner søgevinduet. Udfyld et eller flere felter, og tryk på Søg for at finde den første post, der passer; Søg igen finder den næste.</translation>
    </message>
    <message>
        <source>Precreate items in Brevane</source>
        <translation>O&amp;pret varer på forhånd...</translation>
    </message>
    <message>
        <source>&amp;Vis</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Vis &amp;alle</source>
        <translation>Vis &amp;alle</translation>
    </message>
    <message>
        <source>VIEW_ALL_HTML_TABLE</source>
        <translation>Vis alle som HTML-&amp;tabel</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Vis alle som &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML</source>
        <translation>Vis mønter uden &amp;vurdering som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML</source>
        <translation>Viser de mønter, der endnu ikke har en vurderet pris, som en HTML-side i browseren. Så kan du let se, hvilke mønter der mangler en vurdering.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>Vis alle som &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis &amp;markeret som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Viser den markerede post som en HTML-side med alle felter og billeder. Siden åbnes i det program, der er tilknyttet HTML-filer.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_OSTREL</source>
        <translation>Vis billede af &amp;forside</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Vis billede af &amp;bagside</translation>
    </message>
    <message>
        <source>PELLIN_SHOW_PICTURE</source>
        <translation>Vis &amp;billede</translation>
    </message>
    <message>
        <source>PELLIN_SHOW_PICTURE2</source>
        <translation>Vis billede &amp;2</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>Vis &amp;billede</translation>
    </message>
    <message>
        <source>VIS_KVITTERING</source>
        <translation>Vis &amp;kvittering</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Viser billedet, der er knyttet til den markerede post. Billedfiler vises i postens vindue; andre filer åbnes med det valgte billedvisningsprogram.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Viser billedet af den markerede mønts bagside. Billedfiler vises i møntens vindue; andre filer åbnes med det tilknyttede program.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_RECEIPT</source>
        <translation>Viser kvitteringen eller det ekstra billede, der er knyttet til den markerede post. Billedfiler vises i postens vindue; andre filer, fx PDF, åbnes med det tilknyttede program.</translation>
    </message>
    <message>
        <source>VIS_WWW</source>
        <translation>Vis &amp;webside</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_URL</source>
        <translation>Åbner den webadresse, der er knyttet til den markerede post. Adressen åbnes med det valgte internetprogram eller med standardbrowseren.</translation>
    </message>
    <message>
        <source>VIS_DOCUMENT</source>
        <translation>Vis &amp;dokument</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
        <translation>Åbner det dokument, der er knyttet til den markerede post, fx en manual eller et garantibevis. Dokumentet åbnes med det program, der er tilknyttet filtypen.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Viser en oversigt med antal, købspris og vurderet værdi for hver gruppe og for hele databasen. Oversigten kan udskrives.</translation>
    </message>
    <message>
        <source>&amp;Opsætning</source>
        <translation>&amp;Opsætning</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Udskrivning...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Lokaler/rum...</translation>
    </message>
    <message>
        <source>LEVERANDØRER</source>
        <translation>Le&amp;verandører...</translation>
    </message>
    <message>
        <source>SetupDefaultDirectories</source>
        <translation>Stan&amp;dardmapper...</translation>
    </message>
    <message>
        <source>LANGUAGE_MENU</source>
        <translation>&amp;Sprog</translation>
    </message>
    <message>
        <source>DANISH_LANG...</source>
        <translation>&amp;Dansk...</translation>
    </message>
    <message>
        <source>NORWAY_LANG...</source>
        <translation>&amp;Norsk...</translation>
    </message>
    <message>
        <source>ENGLISH_LANG...</source>
        <translation>&amp;Engelsk...</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Hjælp...</source>
        <translation>&amp;Hjælp...</translation>
    </message>
    <message>
        <source>&amp;Tutorial...</source>
        <translation>&amp;Kom godt i gang...</translation>
    </message>
    <message>
        <source>&amp;Links...</source>
        <translation>&amp;Links...</translation>
    </message>
    <message>
        <source>&amp;ErrorHandling...</source>
        <translation>&amp;Fejlhåndtering...</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Værktøjer</translation>
    </message>
    <message>
        <source>Print afbrudt</source>
        <translation>Udskrivningen blev afbrudt</translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 gemt, antal: %3, tid: %4 sek. </translation>
    </message>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 gemt, antal: %3, tid: %4 sek. </translation>
    </message>
    <message>
        <source>Møntholder-etiketter...</source>
        <translation>Møntholder-etiketter...</translation>
    </message>
    <message>
        <source>Etiketter...</source>
        <translation>Etiketter...</translation>
    </message>
    <message>
        <source>Udskriver etiketter for de valgte rækker med den valgte etiketprofil</source>
        <translation>Udskriver etiketter for de valgte rækker med den valgte etiketprofil</translation>
    </message>
    <message>
        <source>&amp;Etiketter...</source>
        <translation>&amp;Etiketter...</translation>
    </message>
    <message>
        <source>Programmet blev afsluttet med ændringer, der ikke var gemt. De blev skrevet i:
%1

Åbn dem nu (gem dem derefter for at beholde dem), slet dem, eller spørg igen ved næste start?</source>
        <translation>Programmet blev afsluttet med ændringer, der ikke var gemt. De blev skrevet i:
%1

Åbn dem nu (gem dem derefter for at beholde dem), slet dem, eller spørg igen ved næste start?</translation>
    </message>
    <message>
        <source>&amp;Åbn</source>
        <translation>&amp;Åbn</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>&amp;Senere</source>
        <translation>&amp;Senere</translation>
    </message>
    <message>
        <source>Scannerfilen %1 indeholder ingen linjer.</source>
        <translation>Scannerfilen %1 indeholder ingen linjer.</translation>
    </message>
    <message>
        <source>Den samme scannerfil blev indlæst %1.
Vil du indlæse den igen?</source>
        <translation>Den samme scannerfil blev indlæst %1.
Vil du indlæse den igen?</translation>
    </message>
    <message>
        <source>&amp;Indlæs igen</source>
        <translation>&amp;Indlæs igen</translation>
    </message>
    <message>
        <source>Registret er ændret siden kontrollen; indlæs filen igen.</source>
        <translation>Registret er ændret siden kontrollen; indlæs filen igen.</translation>
    </message>
    <message>
        <source>Databasen blev ikke gemt, så scannerfilen %1 bliver liggende.</source>
        <translation>Databasen blev ikke gemt, så scannerfilen %1 bliver liggende.</translation>
    </message>
    <message>
        <source>Indlæsningen kunne ikke noteres i %1:
%2</source>
        <translation>Indlæsningen kunne ikke noteres i %1:
%2</translation>
    </message>
    <message>
        <source>%1 af %2 linjer fra %3 er anvendt</source>
        <translation>%1 af %2 linjer fra %3 er anvendt</translation>
    </message>
    <message>
        <source>Oversigt over indlæsningen...</source>
        <translation>Oversigt over indlæsningen...</translation>
    </message>
    <message>
        <source>Vælg billedfremviser</source>
        <translation>Vælg billedfremviser</translation>
    </message>
    <message>
        <source>Billedfremviser (*.exe)</source>
        <translation>Billedfremviser (*.exe)</translation>
    </message>
    <message>
        <source>Vælg webbrowser</source>
        <translation>Vælg webbrowser</translation>
    </message>
    <message>
        <source>Webbrowser (*.exe)</source>
        <translation>Webbrowser (*.exe)</translation>
    </message>
    <message>
        <source>TovikEditDelete</source>
        <translation>&amp;Slet genstand</translation>
    </message>
    <message>
        <source>TovikEditSearch</source>
        <translation>Sø&amp;g...</translation>
    </message>
    <message>
        <source>&amp;Grupper...</source>
        <translation>&amp;Grupper...</translation>
    </message>
    <message>
        <source>&amp;Billedfremviser...</source>
        <translation>&amp;Billedfremviser...</translation>
    </message>
    <message>
        <source>&amp;Webbrowser...</source>
        <translation>&amp;Webbrowser...</translation>
    </message>
    <message>
        <source>&amp;Versionsnoter...</source>
        <translation>&amp;Versionsnoter...</translation>
    </message>
    <message>
        <source>Hvad er &amp;dette?</source>
        <translation>Hvad er &amp;dette?</translation>
    </message>
    <message>
        <source>&amp;Om Tovik...</source>
        <translation>&amp;Om Tovik...</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>Udskriver...</translation>
    </message>
    <message>
        <source>Printing (page %1)...</source>
        <translation>Udskriver (side %1)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Udskrivning færdig</translation>
    </message>
    <message>
        <source>Gem register som</source>
        <translation>Gem register som</translation>
    </message>
    <message>
        <source>Registeret, du brugte sidst, kan ikke åbnes:
%1

Hvis registeret ligger på et netværksdrev eller en USB-nøgle, så tilslut drevet og vælg »Prøv igen«. Programmet husker stien, indtil du åbner et andet register.</source>
        <translation>Registeret, du brugte sidst, kan ikke åbnes:
%1

Hvis registeret ligger på et netværksdrev eller en USB-nøgle, så tilslut drevet og vælg »Prøv igen«. Programmet husker stien, indtil du åbner et andet register.</translation>
    </message>
    <message>
        <source>&amp;Prøv igen</source>
        <translation>&amp;Prøv igen</translation>
    </message>
    <message>
        <source>Åbn et &amp;andet…</source>
        <translation>Åbn et &amp;andet…</translation>
    </message>
    <message>
        <source>&amp;Nyt register</source>
        <translation>&amp;Nyt register</translation>
    </message>
    <message>
        <source>Åbn &amp;eksemplet</source>
        <translation>Åbn &amp;eksemplet</translation>
    </message>
    <message>
        <source>%1 findes allerede.
Vil du erstatte den?</source>
        <translation>%1 findes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
        <source>&amp;Erstat</source>
        <translation>&amp;Erstat</translation>
    </message>
    <message>
        <source>%1 er slettet; %2 bringer den tilbage.</source>
        <translation>%1 er slettet; %2 bringer den tilbage.</translation>
    </message>
    <message>
        <source>CSV-filer (*.csv);;Tekstfiler (*.txt);;Alle filer (*)</source>
        <translation>CSV-filer (*.csv);;Tekstfiler (*.txt);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Eksportér som CSV-fil</source>
        <translation>Eksportér som CSV-fil</translation>
    </message>
    <message>
        <source>CSV-eksport</source>
        <translation>CSV-eksport</translation>
    </message>
    <message>
        <source>%1 kunne ikke skrives:
%2</source>
        <translation>%1 kunne ikke skrives:
%2</translation>
    </message>
    <message>
        <source>Indlæs CSV-fil</source>
        <translation>Indlæs CSV-fil</translation>
    </message>
    <message>
        <source>%1 kunne ikke læses:
%2</source>
        <translation>%1 kunne ikke læses:
%2</translation>
    </message>
    <message>
        <source>%1 er tom.</source>
        <translation>%1 er tom.</translation>
    </message>
    <message>
        <source>%1 har ingen rækker at indlæse, kun en overskrift.</source>
        <translation>%1 har ingen rækker at indlæse, kun en overskrift.</translation>
    </message>
    <message>
        <source>indlæsning af %1</source>
        <translation>indlæsning af %1</translation>
    </message>
    <message>
        <source>%1 rækker fra %2 er indlæst, %3 med problemer er sprunget over</source>
        <translation>%1 rækker fra %2 er indlæst, %3 med problemer er sprunget over</translation>
    </message>
    <message>
        <source>%1 rækker fra %2 er indlæst</source>
        <translation>%1 rækker fra %2 er indlæst</translation>
    </message>
    <message>
        <source>Eks&amp;portér</source>
        <translation>Eks&amp;portér</translation>
    </message>
    <message>
        <source>&amp;CSV-fil...</source>
        <translation>&amp;CSV-fil...</translation>
    </message>
    <message>
        <source>In&amp;dlæs</source>
        <translation>In&amp;dlæs</translation>
    </message>
    <message>
        <source>Filtrér</source>
        <translation>Filtrér</translation>
    </message>
    <message>
        <source>Der er ingen genstande at tage med i opgørelsen.</source>
        <translation>Der er ingen genstande at tage med i opgørelsen.</translation>
    </message>
    <message>
        <source>Gem forsikringsopgørelsen som</source>
        <translation>Gem forsikringsopgørelsen som</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Nyt register</source>
        <translation>Nyt register</translation>
    </message>
    <message>
        <source>Forsikringsopgørelsen er gemt i %1 (%2 sider).</source>
        <translation>Forsikringsopgørelsen er gemt i %1 (%2 sider).</translation>
    </message>
    <message>
        <source>Forsikringsopgørelse (PDF)...</source>
        <translation>Forsikringsopgørelse (PDF)...</translation>
    </message>
    <message>
        <source>Skriver en PDF til forsikringsselskabet: hver genstand med billede, kvittering og værdi, rum for rum, med totaler</source>
        <translation>Skriver en PDF til forsikringsselskabet: hver genstand med billede, kvittering og værdi, rum for rum, med totaler</translation>
    </message>
    <message>
        <source>Åbn register på server...</source>
        <translation>Åbn register på server...</translation>
    </message>
    <message>
        <source>Åbner et register på en databaseserver, som flere arbejdspladser bruger på samme tid. Ændringer gemmes på serveren, mens du arbejder.</source>
        <translation>Åbner et register på en databaseserver, som flere arbejdspladser bruger på samme tid. Ændringer gemmes på serveren, mens du arbejder.</translation>
    </message>
    <message>
        <source>Kopiér registret til en server...</source>
        <translation>Kopiér registret til en server...</translation>
    </message>
    <message>
        <source>Opretter registret i en tom database på en server med alle poster og lister; derefter arbejder vinduet på serveren. Filen bliver, som den er.</source>
        <translation>Opretter registret i en tom database på en server med alle poster og lister; derefter arbejder vinduet på serveren. Filen bliver, som den er.</translation>
    </message>
    <message>
        <source>Åbn register på server</source>
        <translation>Åbn register på server</translation>
    </message>
    <message>
        <source>Databasen rummer intet register. Brug »Kopiér registret til en server…« for at lægge et register der.</source>
        <translation>Databasen rummer intet register. Brug »Kopiér registret til en server…« for at lægge et register der.</translation>
    </message>
    <message>
        <source>Registret på serveren kan ikke åbnes:</source>
        <translation>Registret på serveren kan ikke åbnes:</translation>
    </message>
    <message>
        <source>Kopiér registret til en server</source>
        <translation>Kopiér registret til en server</translation>
    </message>
    <message>
        <source>Databasen rummer allerede et register. Vælg en tom database, eller åbn registret med »Åbn register på server…«.</source>
        <translation>Databasen rummer allerede et register. Vælg en tom database, eller åbn registret med »Åbn register på server…«.</translation>
    </message>
    <message>
        <source>Registret blev ikke kopieret til %1. Der er intet oprettet på serveren.</source>
        <translation>Registret blev ikke kopieret til %1. Der er intet oprettet på serveren.</translation>
    </message>
    <message>
        <source>Registret er kopieret til %1, og vinduet arbejder nu på serveren. Filen %2 er ikke ændret.</source>
        <translation>Registret er kopieret til %1, og vinduet arbejder nu på serveren. Filen %2 er ikke ændret.</translation>
    </message>
    <message>
        <source>%1: forbundet</source>
        <translation>%1: forbundet</translation>
    </message>
    <message>
        <source>%1: forbindelsen er tabt, prøver igen …</source>
        <translation>%1: forbindelsen er tabt, prøver igen …</translation>
    </message>
    <message>
        <source>%1: offline</source>
        <translation>%1: offline</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt</source>
        <translation>Ændringen er ikke gemt</translation>
    </message>
    <message>
        <source>Ændringerne står allerede på serveren %1: de gemmes, mens du arbejder.</source>
        <translation>Ændringerne står allerede på serveren %1: de gemmes, mens du arbejder.</translation>
    </message>
    <message>
        <source>Registret er gemt som %1. Vinduet arbejder fortsat på registret på serveren %2.</source>
        <translation>Registret er gemt som %1. Vinduet arbejder fortsat på registret på serveren %2.</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren %1, så ændringen er ikke gemt. Det, du har skrevet, står stadig i vinduet: gem igen, når statuslinjen siger, at serveren er forbundet.</source>
        <translation>Der er ingen forbindelse til serveren %1, så ændringen er ikke gemt. Det, du har skrevet, står stadig i vinduet: gem igen, når statuslinjen siger, at serveren er forbundet.</translation>
    </message>
    <message>
        <source>Ændret på en anden arbejdsplads</source>
        <translation>Ændret på en anden arbejdsplads</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads, mens du rettede den.</source>
        <translation>%1 er slettet på en anden arbejdsplads, mens du rettede den.</translation>
    </message>
    <message>
        <source>&amp;Gem min igen</source>
        <translation>&amp;Gem min igen</translation>
    </message>
    <message>
        <source>&amp;Lad den være slettet</source>
        <translation>&amp;Lad den være slettet</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads, efter at du slettede den her.</source>
        <translation>%1 er ændret på en anden arbejdsplads, efter at du slettede den her.</translation>
    </message>
    <message>
        <source>Behold &amp;deres</source>
        <translation>Behold &amp;deres</translation>
    </message>
    <message>
        <source>&amp;Slet den alligevel</source>
        <translation>&amp;Slet den alligevel</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads, mens du ændrede den.</source>
        <translation>%1 er slettet på en anden arbejdsplads, mens du ændrede den.</translation>
    </message>
    <message>
        <source>%1 er netop ændret på en anden arbejdsplads. Vinduet viser stadig det, du havde; gemmer du, viser programmet begge udgaver, så du kan vælge.</source>
        <translation>%1 er netop ændret på en anden arbejdsplads. Vinduet viser stadig det, du havde; gemmer du, viser programmet begge udgaver, så du kan vælge.</translation>
    </message>
    <message>
        <source>&amp;Behold det, jeg har</source>
        <translation>&amp;Behold det, jeg har</translation>
    </message>
    <message>
        <source>&amp;Vis deres udgave</source>
        <translation>&amp;Vis deres udgave</translation>
    </message>
    <message>
        <source>Listerne er gemt på denne computer, men ikke på serveren:</source>
        <translation>Listerne er gemt på denne computer, men ikke på serveren:</translation>
    </message>
    <message>
        <source>Kan ikke fortrydes</source>
        <translation>Kan ikke fortrydes</translation>
    </message>
    <message>
        <source>Kan ikke gentages</source>
        <translation>Kan ikke gentages</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Rapport (samlet oversigt)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Sum for alle poster efter gruppe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>&amp;Udskriv</translation>
    </message>
    <message>
        <source>Udskriv rapporten over inventargrupperne</source>
        <translation>Udskriv rapporten over grupperne</translation>
    </message>
    <message>
        <source>REPORT_GROUP_LINE_TEXT</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>PELLIN_GROUP_LINE_TEXT</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>REPORT_TOTAL_TEXT</source>
        <translation>I alt</translation>
    </message>
    <message>
        <source>REPORT_COUNT_TEXT</source>
        <translation>Antal poster: %1</translation>
    </message>
    <message>
        <source>TOVIK_REPORT_HEADER_TEXT</source>
        <translation>Gruppe                    Stk.  Købspris  Vurderet</translation>
    </message>
    <message>
        <source>PELLIN_REPORT_HEADER_TEXT</source>
        <translation>Gruppe                      Anslået Salgspris</translation>
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
    <name>ServerAddress</name>
    <message>
        <source>Ugyldig serveradresse: %1</source>
        <translation>Ugyldig serveradresse: %1</translation>
    </message>
    <message>
        <source>%1 på %2</source>
        <translation>%1 på %2</translation>
    </message>
</context>
<context>
    <name>ServerConnectionDialog</name>
    <message>
        <source>tom: denne computer</source>
        <translation>tom: denne computer</translation>
    </message>
    <message>
        <source>tom: fra ~/.pgpass</source>
        <translation>tom: fra ~/.pgpass</translation>
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
        <translation>&amp;Bruger:</translation>
    </message>
    <message>
        <source>&amp;Adgangskode:</source>
        <translation>&amp;Adgangskode:</translation>
    </message>
    <message>
        <source>Adgangskoden bruges kun til denne forbindelse og gemmes ingen steder.</source>
        <translation>Adgangskoden bruges kun til denne forbindelse og gemmes ingen steder.</translation>
    </message>
    <message>
        <source>F&amp;orbind</source>
        <translation>F&amp;orbind</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Skriv navnet på databasen på serveren.</source>
        <translation>Skriv navnet på databasen på serveren.</translation>
    </message>
</context>
<context>
    <name>ServerRegister</name>
    <message>
        <source>PostgreSQL-driveren til Qt (QPSQL) er ikke installeret.</source>
        <translation>PostgreSQL-driveren til Qt (QPSQL) er ikke installeret.</translation>
    </message>
    <message>
        <source>Kan ikke forbinde til %1:
%2</source>
        <translation>Kan ikke forbinde til %1:
%2</translation>
    </message>
    <message>
        <source>Ingen server valgt.</source>
        <translation>Ingen server valgt.</translation>
    </message>
    <message>
        <source>Forbindelsen til serveren er afbrudt: %1</source>
        <translation>Forbindelsen til serveren er afbrudt: %1</translation>
    </message>
    <message>
        <source>serveren svarer ikke</source>
        <translation>serveren svarer ikke</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren.</source>
        <translation>Der er ingen forbindelse til serveren.</translation>
    </message>
    <message>
        <source>Databasen %1 har allerede et register.</source>
        <translation>Databasen %1 har allerede et register.</translation>
    </message>
    <message>
        <source>Registret kunne ikke kopieres til serveren:
%1</source>
        <translation>Registret kunne ikke kopieres til serveren:
%1</translation>
    </message>
    <message>
        <source>Databasen %1 har intet register.</source>
        <translation>Databasen %1 har intet register.</translation>
    </message>
    <message>
        <source>Registret på serveren er fra en nyere udgave af programmet.</source>
        <translation>Registret på serveren er fra en nyere udgave af programmet.</translation>
    </message>
    <message>
        <source>Registret på serveren hører til en anden udgave af programmet.</source>
        <translation>Registret på serveren hører til en anden udgave af programmet.</translation>
    </message>
    <message>
        <source>Registret kunne ikke læses fra serveren:
%1</source>
        <translation>Registret kunne ikke læses fra serveren:
%1</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: der er ingen forbindelse til serveren. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>Ændringen er ikke gemt: der er ingen forbindelse til serveren. Prøv igen, når forbindelsen er tilbage.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: forbindelsen til serveren er afbrudt. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>Ændringen er ikke gemt: forbindelsen til serveren er afbrudt. Prøv igen, når forbindelsen er tilbage.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: et antal ville blive mindre end nul.</source>
        <translation>Ændringen er ikke gemt: et antal ville blive mindre end nul.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: %1</source>
        <translation>Ændringen er ikke gemt: %1</translation>
    </message>
    <message>
        <source>Ændringerne er ikke gemt: en anden arbejdsplads har ændret &apos;%1&apos; imens. Alle ændringer er taget tilbage.</source>
        <translation>Ændringerne er ikke gemt: en anden arbejdsplads har ændret &apos;%1&apos; imens. Alle ændringer er taget tilbage.</translation>
    </message>
    <message>
        <source>Posten &apos;%1&apos; har et negativt antal (%2); ret det, før registret kopieres.</source>
        <translation>Posten &apos;%1&apos; har et negativt antal (%2); ret det, før registret kopieres.</translation>
    </message>
    <message>
        <source>Posten findes ikke på serveren.</source>
        <translation>Posten findes ikke på serveren.</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren, så intet er ændret. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>Der er ingen forbindelse til serveren, så intet er ændret. Prøv igen, når forbindelsen er tilbage.</translation>
    </message>
    <message>
        <source>Serveren kunne ikke spørges, så intet er ændret: %1</source>
        <translation>Serveren kunne ikke spørges, så intet er ændret: %1</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads siden. For ikke at skrive hen over den ændring er intet ændret; posten viser nu den udgave, der står på serveren.</source>
        <translation>%1 er ændret på en anden arbejdsplads siden. For ikke at skrive hen over den ændring er intet ændret; posten viser nu den udgave, der står på serveren.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Kan ikke kopiere eksempeldata til din mappe:
%1</source>
        <translation>Kan ikke kopiere eksempeldata til din mappe:
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
        <translation>Åbn scannerfil</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Scannerfil (*.txt *.loc)</translation>
    </message>
    <message>
        <source>File: does not exist</source>
        <translation>Filen findes ikke:</translation>
    </message>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Filen %1 kan ikke åbnes til læsning</translation>
    </message>
    <message>
        <source>%1: %2 → %3 stk.</source>
        <translation>%1: %2 → %3 stk.</translation>
    </message>
    <message>
        <source>%1 → %2: %3 af %4</source>
        <translation>%1 → %2: %3 af %4</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 → %2: %3 af %4, nyt lagernummer %5</source>
        <translation>%1 → %2: %3 af %4, nyt lagernummer %5</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en I-linje har 4)</source>
        <translation>Forkert antal felter: %1 (en I-linje har 4)</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en F-linje har 5)</source>
        <translation>Forkert antal felter: %1 (en F-linje har 5)</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en S-linje har 3 eller 4)</source>
        <translation>Forkert antal felter: %1 (en S-linje har 3 eller 4)</translation>
    </message>
    <message>
        <source>Ukendt linjeart &quot;%1&quot; (I, F eller S)</source>
        <translation>Ukendt linjeart &quot;%1&quot; (I, F eller S)</translation>
    </message>
    <message>
        <source>Lagernummeret &quot;%1&quot; indeholder &quot;#&quot;</source>
        <translation>Lagernummeret &quot;%1&quot; indeholder &quot;#&quot;</translation>
    </message>
    <message>
        <source>Lagernummeret &quot;%1&quot; er ikke et tal</source>
        <translation>Lagernummeret &quot;%1&quot; er ikke et tal</translation>
    </message>
    <message>
        <source>Placeringen &quot;%1&quot; findes ikke (listen har %2)</source>
        <translation>Placeringen &quot;%1&quot; findes ikke (listen har %2)</translation>
    </message>
    <message>
        <source>Antallet &quot;%1&quot; er ikke et helt tal</source>
        <translation>Antallet &quot;%1&quot; er ikke et helt tal</translation>
    </message>
    <message>
        <source>Antallet 0 ændrer intet</source>
        <translation>Antallet 0 ændrer intet</translation>
    </message>
    <message>
        <source>Antallet skal være over 0, ikke %1</source>
        <translation>Antallet skal være over 0, ikke %1</translation>
    </message>
    <message>
        <source>Lagernummer %1 findes ikke på %2</source>
        <translation>Lagernummer %1 findes ikke på %2</translation>
    </message>
    <message>
        <source>Lagernummer %1 findes ikke</source>
        <translation>Lagernummer %1 findes ikke</translation>
    </message>
    <message>
        <source>Lagernummer %1 står på %2 placeringer; brug en flytning (F)</source>
        <translation>Lagernummer %1 står på %2 placeringer; brug en flytning (F)</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke trække %2 fra</source>
        <translation>For få på lager: %1 stk., kan ikke trække %2 fra</translation>
    </message>
    <message>
        <source>Antallet bliver for stort</source>
        <translation>Antallet bliver for stort</translation>
    </message>
    <message>
        <source>Samme placering: %1</source>
        <translation>Samme placering: %1</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke flytte %2</source>
        <translation>For få på lager: %1 stk., kan ikke flytte %2</translation>
    </message>
    <message>
        <source>Står allerede på %1</source>
        <translation>Står allerede på %1</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke dele %2 fra</source>
        <translation>For få på lager: %1 stk., kan ikke dele %2 fra</translation>
    </message>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Filen %1 kunne ikke kopieres til %2</translation>
    </message>
    <message>
        <source>Filen %1 er ændret, siden den blev læst; den bliver liggende.</source>
        <translation>Filen %1 er ændret, siden den blev læst; den bliver liggende.</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke slettes: %2</source>
        <translation>Filen %1 kunne ikke slettes: %2</translation>
    </message>
    <message>
        <source>Lagerændring</source>
        <translation>Lagerændring</translation>
    </message>
    <message>
        <source>Flytning</source>
        <translation>Flytning</translation>
    </message>
    <message>
        <source>Ny placering</source>
        <translation>Ny placering</translation>
    </message>
    <message>
        <source>Opdeling</source>
        <translation>Opdeling</translation>
    </message>
    <message>
        <source>Ukendt</source>
        <translation>Ukendt</translation>
    </message>
    <message>
        <source>Scannerfil: %1</source>
        <translation>Scannerfil: %1</translation>
    </message>
    <message>
        <source>Kontrolleret: %1</source>
        <translation>Kontrolleret: %1</translation>
    </message>
    <message>
        <source>Linjer: %1, gode: %2, med problemer: %3</source>
        <translation>Linjer: %1, gode: %2, med problemer: %3</translation>
    </message>
    <message>
        <source>linje %1</source>
        <translation>linje %1</translation>
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
    <message>
        <source>Unavngivet</source>
        <translation>Unavngivet</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>TOOLTIP_PRINT_TEXTFIELD_LENGTH</source>
        <translation>Antal tegn, feltet fylder i udskriften.</translation>
    </message>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Vælg data til udskrivning</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Mulige felter</translation>
    </message>
    <message>
        <source>Felter som pt. ikke udskrives</source>
        <translation>Felter, der ikke udskrives nu</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Valgte felter</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>Disse felter udskrives (rækkefølgen ligger fast)</translation>
    </message>
    <message>
        <source>&amp;Tilføj &gt;&gt;</source>
        <translation>&amp;Tilføj &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Fje&amp;rn</source>
        <translation>&lt;&lt; Fje&amp;rn</translation>
    </message>
    <message>
        <source>Felt længde i udskrift</source>
        <translation>Feltlængde i udskrift</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sortering efter</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Diverse</translation>
    </message>
    <message>
        <source>Udskriv kun gruppe</source>
        <translation>Udskriv kun gruppe</translation>
    </message>
    <message>
        <source>Udskriv kun </source>
        <translation>Udskriv kun </translation>
    </message>
    <message>
        <source>Felt separator i udskrift</source>
        <translation>Feltseparator i udskrift</translation>
    </message>
    <message>
        <source>Bestemmer den karakter som adskiller felterne i udskriften</source>
        <translation>Det tegn, der adskiller felterne i udskriften</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Løbenummer</translation>
    </message>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>&apos;Adressefeltets længde&apos; skal være et tal fra 1 til %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>&apos;Beskrivelsesfeltets længde&apos; skal være et tal fra 1 til %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig værdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Ret det, og prøv igen.</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>SETUP_LIST_FILE</source>
        <translation>Listen gemmes i filen: %1</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Opsætning</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Her vedligeholdes en af databasens lister: grupper, lokaler eller leverandører. Tingene kender en gruppe eller et lokale på dets nummer (pladsen i listen), så et navn kan rettes, men kun det sidste ubrugte navn kan slettes. Gem eller OK skriver listen; Fortryd lægger alt tilbage, som det var, da vinduet blev åbnet.</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>Listens navne i nummerorden; vælg et navn for at rette det</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>Navnene i listen. Det første navn har nummer 0, det næste nummer 1 osv. Tingene i databasen peger på navnene med disse numre.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>Det valgte navn; ret det og tryk Gem, eller skriv et nyt navn og tryk Tilføj</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Skriv et nyt navn og tryk Tilføj for at sætte det sidst i listen, eller ret det valgte navn og tryk Gem. Semikolon og tegn, som listens fil ikke kan gemme, kan ikke bruges.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Gem det rettede navn og skriv listen til filen</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Slet det sidste navn i listen, når ingen ting bruger det</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>&amp;Tilføj</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Sæt navnet i feltet sidst i listen</translation>
    </message>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Udskriv stregkode&amp;etiket</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Udskriv en stregkodeetiket med det valgte lagersteds nummer</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Udskriver en stregkodeetiket til det valgte lagersted på etiketprinteren. Etiketten bærer lagerstedets nummer, som stregkodelæseren bruger ved flytning af varer.</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>Udskriv &amp;etiket</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Udskriv en stregkodeetiket med det valgte navns nummer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Fortryd</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Ugyldig indtastning</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>Listen er fuld: den kan højst rumme %1 navne.</translation>
    </message>
    <message>
        <source>SETUP_NAME_EMPTY</source>
        <translation>Skriv et navn i feltet først: et navn i listen kan ikke være tomt.</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>Dette navn er allerede anvendt.</translation>
    </message>
    <message>
        <source>SETUP_NAME_NOT_STORABLE</source>
        <translation>Navnet indeholder tegnet %1, som listens fil ikke kan gemme.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Fejl</translation>
    </message>
    <message>
        <source>SETUP_DELETE_NOT_LAST</source>
        <translation>Kun det sidste navn i listen kan slettes: tingene kender navnene på deres nummer, så alle ting under de efterfølgende navne ville få det forrige navn.

&quot;%1&quot; bruges af %2 ting. Giv det i stedet et nyt navn.</translation>
    </message>
    <message>
        <source>SETUP_DELETE_IN_USE</source>
        <translation>&quot;%1&quot; bruges af %2 ting og kan ikke slettes. Flyt dem først til et andet navn, eller giv det et nyt navn.</translation>
    </message>
    <message>
        <source>Fil fejl</source>
        <translation>Filfejl</translation>
    </message>
    <message>
        <source>SETUP_CANNOT_RESTORE</source>
        <translation>Listens fil kunne ikke lægges tilbage, som den var, da vinduet blev åbnet; den beholder de sidst gemte navne.

%1</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Opsætningsfejl</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Intet navn er valgt i listen.</translation>
    </message>
</context>
</TS>
