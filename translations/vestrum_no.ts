<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>AddItemCommand</name>
    <message>
        <source>kopiering af %1</source>
        <translation>kopiering av %1</translation>
    </message>
    <message>
        <source>tilføjelse af %1</source>
        <translation>tilføying av %1</translation>
    </message>
</context>
<context>
    <name>AutomakeItems</name>
    <message>
        <source>AutomakeItems</source>
        <translation>Opprett varer på forhånd</translation>
    </message>
    <message>
        <source>Number of items</source>
        <translation>Antall varer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>MakeItems</source>
        <translation>&amp;Opprett varer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>Number of items must be:
Greater than 0 and less than 1000</source>
        <translation>Antall varer må være:
større enn 0 og mindre enn 1000</translation>
    </message>
    <message>
        <source>oprettelse af %1 nye genstande</source>
        <translation>oppretting av %1 nye gjenstander</translation>
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
        <translation>Mappe for bilder av forsider:</translation>
    </message>
    <message>
        <source>OSTREL_BACK_PICTURE_PATH</source>
        <translation>Mappe for bilder av baksider:</translation>
    </message>
    <message>
        <source>BILLED_PATH</source>
        <translation>Mappe for bilder:</translation>
    </message>
    <message>
        <source>KVITTERINGS_PATH</source>
        <translation>Mappe for bilde 2:</translation>
    </message>
    <message>
        <source>PICTURE_PATH</source>
        <translation>Mappe for bilder:</translation>
    </message>
    <message>
        <source>RECEIPT_PATH</source>
        <translation>Mappe for kvitteringer:</translation>
    </message>
    <message>
        <source>DOCUMENT_PATH</source>
        <translation>Mappe for dokumenter:</translation>
    </message>
    <message>
        <source>TOOL_TIP_PICTURE_PATH</source>
        <translation>Mappen som filvalget starter i når du setter inn et bilde.</translation>
    </message>
    <message>
        <source>TOOL_TIP_RECEIPT_PATH</source>
        <translation>Mappen som filvalget starter i når du setter inn en kvittering.</translation>
    </message>
    <message>
        <source>TOOL_TIP_DOCUMENT_PATH</source>
        <translation>Mappen som filvalget starter i når du setter inn et dokument.</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>&amp;Bla gjennom...</translation>
    </message>
    <message>
        <source>B&amp;rowse...</source>
        <translation>B&amp;la gjennom...</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Bla gjenno&amp;m...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>Br&amp;uk</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>ChoseAPictureDirectory</source>
        <translation>Velg mappe for bilder</translation>
    </message>
    <message>
        <source>ChoseAReceiptDirectory</source>
        <translation>Velg mappe for kvitteringer</translation>
    </message>
    <message>
        <source>ChoseADocumentDirectory</source>
        <translation>Velg mappe for dokumenter</translation>
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
        <translation>%1 er valgt for både kolonne %2 og %3</translation>
    </message>
    <message>
        <source>Et felt i anførselstegn slutter ikke før filens slutning</source>
        <translation>Et felt i anførselstegn slutter ikke før slutten av filen</translation>
    </message>
    <message>
        <source>Rækken har %1 felter, overskriften %2</source>
        <translation>Raden har %1 felt, overskriften %2</translation>
    </message>
    <message>
        <source>%1: %2 står ikke i listen</source>
        <translation>%1: %2 står ikke i listen</translation>
    </message>
    <message>
        <source>%1 skal være et helt tal fra 0 til %2: %3</source>
        <translation>%1 må være et heltall fra 0 til %2: %3</translation>
    </message>
    <message>
        <source>%1 er ikke et tal: %2</source>
        <translation>%1 er ikke et tall: %2</translation>
    </message>
    <message>
        <source>%1 skal være fra 0 til %2: %3</source>
        <translation>%1 må være fra 0 til %2: %3</translation>
    </message>
    <message>
        <source>%1 er ingen dato (dd.mm.åååå): %2</source>
        <translation>%1 er ingen dato (dd.mm.åååå): %2</translation>
    </message>
    <message>
        <source>%1 har tegnet %2, som registret ikke kan gemme</source>
        <translation>%1 har tegnet %2, som registeret ikke kan lagre</translation>
    </message>
    <message>
        <source>%1: &quot;;&quot; er skiftet til &quot;,&quot;, som registret kan gemme</source>
        <translation>%1: &quot;;&quot; er byttet ut med &quot;,&quot;, som registeret kan lagre</translation>
    </message>
    <message>
        <source>%1: linjeskift er skiftet til mellemrum</source>
        <translation>%1: linjeskift er byttet ut med mellomrom</translation>
    </message>
    <message>
        <source>%1 er afkortet til %2 tegn</source>
        <translation>%1 er forkortet til %2 tegn</translation>
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
        <translation>Importer CSV-fil</translation>
    </message>
    <message>
        <source>Fil: %1</source>
        <translation>Fil: %1</translation>
    </message>
    <message>
        <source>&amp;Tegnsæt:</source>
        <translation>&amp;Tegnsett:</translation>
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
        <translation>Første rad er &amp;overskrifter</translation>
    </message>
    <message>
        <source>Vælg for hver kolonne det felt, den skal gå til, eller lad den blive ignoreret. Herunder de første rækker, som de vil blive læst:</source>
        <translation>Velg for hver kolonne feltet den skal gå til, eller la den bli ignorert. Nedenfor ser du de første radene slik de vil bli lest:</translation>
    </message>
    <message>
        <source>&amp;Indlæs</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
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
        <translation>%1 rader: %2 kan importeres, %3 med problemer, %4 endres</translation>
    </message>
    <message>
        <source>Række %1: %2</source>
        <translation>Rad %1: %2</translation>
    </message>
    <message>
        <source>Række %1 (ændres): %2</source>
        <translation>Rad %1 (endres): %2</translation>
    </message>
    <message>
        <source>... og %1 mere</source>
        <translation>... og %1 til</translation>
    </message>
    <message>
        <source>Indlæs uden de %1 rækker med problemer</source>
        <translation>Importer uten de %1 radene med problemer</translation>
    </message>
    <message>
        <source>&amp;Indlæs %1 rækker</source>
        <translation>&amp;Importer %1 rader</translation>
    </message>
</context>
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
    <message>
        <source>ITEM_COUNT</source>
        <translation>Nr.;</translation>
    </message>
    <message>
        <source>EXPORT_NOT_SAVED_TITLE</source>
        <translation>Eksporten ble ikke lagret</translation>
    </message>
    <message>
        <source>EXPORT_NOT_SAVED</source>
        <translation>Eksporten kunne ikke lagres i %1:
%2

En tidligere fil med samme navn er ikke endret.</translation>
    </message>
    <message>
        <source>Låsen blev sat %1, for %2 timer og %3 minutter siden.</source>
        <translation>Låsen ble satt %1, for %2 timer og %3 minutter siden.</translation>
    </message>
    <message>
        <source>Overtager du låsen, kan den anden kopis senere gemninger overskrive dine ændringer.</source>
        <translation>Overtar du låsen, kan den andre kopien senere overskrive endringene dine når den lagrer.</translation>
    </message>
    <message>
        <source>Fortryd</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Skrivebeskyttet</source>
        <translation>Skrivebeskyttet</translation>
    </message>
    <message>
        <source>Overtag låsen</source>
        <translation>Overta låsen</translation>
    </message>
    <message>
        <source>Låsen kunne ikke overtages: %1</source>
        <translation>Låsen kunne ikke overtas: %1</translation>
    </message>
    <message>
        <source>Låsen er overtaget fra: %1</source>
        <translation>Låsen er overtatt fra: %1</translation>
    </message>
    <message>
        <source>DB_FILE_CANNOT_BE_READ</source>
        <translation>Filen kan ikke leses (%1).</translation>
    </message>
    <message>
        <source>DB_FILE_TOO_LARGE</source>
        <translation>Filen er større enn programmet kan romme (over %1 MB).</translation>
    </message>
    <message>
        <source>DB_FILE_NO_MEMORY</source>
        <translation>Det er ikke nok minne til å lese filen.</translation>
    </message>
    <message>
        <source>DB_NOT_A_REGISTER</source>
        <translation>Filen er ikke et register for denne utgaven av programmet.</translation>
    </message>
    <message>
        <source>DB_LINE_ERROR</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>DB_LINE_TOO_LONG</source>
        <translation>linjen er lengre enn %1 tegn.</translation>
    </message>
    <message>
        <source>DB_COLUMN_NOT_A_NUMBER</source>
        <translation>kolonnen «%1» inneholder ikke et tall.</translation>
    </message>
    <message>
        <source>Der er ingen mønter uden vurdering.</source>
        <translation>Det er ingen mynter uten verdivurdering.</translation>
    </message>
</context>
<context>
    <name>DeleteItemCommand</name>
    <message>
        <source>sletning af %1</source>
        <translation>sletting av %1</translation>
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
        <translation>Endret på en annen arbeidsplass</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads, mens du rettede den. Intet er overskrevet. Felterne med * er forskellige.</source>
        <translation>%1 er endret på en annen arbeidsplass mens du redigerte den. Ingenting er overskrevet. Feltene med * er forskjellige.</translation>
    </message>
    <message>
        <source>Felt</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Din udgave</source>
        <translation>Din versjon</translation>
    </message>
    <message>
        <source>Den anden arbejdsplads</source>
        <translation>Den andre arbeidsplassen</translation>
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
        <translation>&amp;Rediger igjen</translation>
    </message>
</context>
<context>
    <name>EditItemCommand</name>
    <message>
        <source>flytning af %1 til &apos;%2&apos;</source>
        <translation>flytting av %1 til &apos;%2&apos;</translation>
    </message>
    <message>
        <source>ændring af %1</source>
        <translation>endring av %1</translation>
    </message>
</context>
<context>
    <name>ExternalViewers</name>
    <message>
        <source>LAUNCH_REFUSED_OPTION</source>
        <translation>&quot;%1&quot; åpnes ikke: en tekst som begynner med &quot;-&quot;, gis aldri videre til et annet program.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_NOT_ABSOLUTE</source>
        <translation>&quot;%1&quot; åpnes ikke: det valgte programmet får bare en nettadresse (http, https eller mailto) eller hele banen til en fil.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_MISSING</source>
        <translation>Filen &quot;%1&quot; finnes ikke.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_NOT_A_FILE</source>
        <translation>&quot;%1&quot; åpnes ikke: det er ikke en fil.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_PROGRAM</source>
        <translation>&quot;%1&quot; åpnes ikke: det er et program, et skript eller en fil merket som kjørbar, og programmer startes aldri fra registeret.</translation>
    </message>
    <message>
        <source>LAUNCH_REFUSED_ADDRESS</source>
        <translation>&quot;%1&quot; åpnes ikke: bare adresser som begynner med http, https eller mailto, åpnes, og ingen e-post som legger ved filer.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
</context>
<context>
    <name>InsuranceReport</name>
    <message>
        <source>Forsikringsopgørelse</source>
        <translation>Forsikringsoversikt</translation>
    </message>
    <message>
        <source>Der kunne ikke begyndes på en ny side.</source>
        <translation>Kunne ikke begynne på en ny side.</translation>
    </message>
    <message>
        <source>Side %1 af %2</source>
        <translation>Side %1 av %2</translation>
    </message>
    <message>
        <source>Købsværdi</source>
        <translation>Kjøpsverdi</translation>
    </message>
    <message>
        <source>Ejer</source>
        <translation>Eier</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Forsikringsselskab</source>
        <translation>Forsikringsselskap</translation>
    </message>
    <message>
        <source>Policenummer</source>
        <translation>Polisenummer</translation>
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
        <translation>Ordnet etter</translation>
    </message>
    <message>
        <source>I alt</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>Genstande</source>
        <translation>Gjenstander</translation>
    </message>
    <message>
        <source>Stykker</source>
        <translation>Stykker</translation>
    </message>
    <message>
        <source>Købsværdien er %1 gange %2.</source>
        <translation>Kjøpsverdien er %1 ganger %2.</translation>
    </message>
    <message>
        <source>Filtrets træf</source>
        <translation>Filterets treff</translation>
    </message>
    <message>
        <source>Hele registret</source>
        <translation>Hele registeret</translation>
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
        <translation>Innhold</translation>
    </message>
    <message>
        <source>%1 (mangler)</source>
        <translation>%1 (mangler)</translation>
    </message>
    <message>
        <source>%1 kan ikke læses</source>
        <translation>%1 kan ikke leses</translation>
    </message>
    <message>
        <source>I alt for %1</source>
        <translation>Totalt for %1</translation>
    </message>
    <message>
        <source>PDF-filen kunne ikke påbegyndes.</source>
        <translation>PDF-filen kunne ikke påbegynnes.</translation>
    </message>
    <message>
        <source>Forsikringsopgørelsen kunne ikke gemmes i %1:
%2</source>
        <translation>Forsikringsoversikten kunne ikke lagres i %1:
%2</translation>
    </message>
</context>
<context>
    <name>InsuranceReportDialog</name>
    <message>
        <source>Hele registret</source>
        <translation>Hele registeret</translation>
    </message>
    <message>
        <source>Filtrets træf</source>
        <translation>Filterets treff</translation>
    </message>
    <message>
        <source>&amp;Ejer:</source>
        <translation>&amp;Eier:</translation>
    </message>
    <message>
        <source>&amp;Adresse:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Forsikringsselskab:</source>
        <translation>&amp;Forsikringsselskap:</translation>
    </message>
    <message>
        <source>&amp;Policenummer:</source>
        <translation>&amp;Polisenummer:</translation>
    </message>
    <message>
        <source>O&amp;mfang:</source>
        <translation>O&amp;mfang:</translation>
    </message>
    <message>
        <source>O&amp;rdnet efter:</source>
        <translation>O&amp;rdnet etter:</translation>
    </message>
    <message>
        <source>Medtag:</source>
        <translation>Ta med:</translation>
    </message>
    <message>
        <source>&amp;Lav opgørelse...</source>
        <translation>&amp;Lag oversikt...</translation>
    </message>
    <message>
        <source>Annuller</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Tæller siderne...</source>
        <translation>Teller sidene...</translation>
    </message>
    <message>
        <source>Side %1 af %2</source>
        <translation>Side %1 av %2</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>en genstand uden navn</source>
        <translation>en gjenstand uten navn</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Gen&amp;tag</source>
        <translation>&amp;Gjør om</translation>
    </message>
</context>
<context>
    <name>ItemDialog</name>
    <message>
        <source>TotalPrice</source>
        <translation>Totalpris</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>TEXT_NOT_INSERTED_CHARACTER</source>
        <translation>Teksten ble ikke satt inn fordi den inneholder tegnet %1, som databasen ikke kan lagre.</translation>
    </message>
    <message>
        <source>SHOWPHOTO</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>BROWSEPHOTO</source>
        <translation> - sett inn...</translation>
    </message>
    <message>
        <source>SHOWWWW</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>BROWSERECIEPT</source>
        <translation> - sett inn...</translation>
    </message>
    <message>
        <source>SHOWRECIEPT</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>BROWSEDOC</source>
        <translation> - sett inn...</translation>
    </message>
    <message>
        <source>SHOWDOC</source>
        <translation> - vis</translation>
    </message>
    <message>
        <source>PICTURE_GALLERY</source>
        <translation>Bildegalleri</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_REG_NUMBER</source>
        <translation>Registreringsnummeret til bildet.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_REG_NUMBER</source>
        <translation>Her skriver du registreringsnummeret til bildet, f.eks. fra et katalog eller en utstilling. Nummeret må være et heltall.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_ESTIMATED_PRICE</source>
        <translation>Skriv prisen du anslår at bildet er verdt. Beløpet brukes i rapporten og i utskriftene.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_SALESPRICE</source>
        <translation>Skriv salgsprisen for bildet. Rapporten viser summen av salgsprisene for hver gruppe.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_DOCUMENT</source>
        <translation>Lenke til et dokument om bildet.</translation>
    </message>
    <message>
        <source>WHATSHIS_PELLIN_DOCUMENT</source>
        <translation>Her kan du knytte et dokument til bildet, f.eks. en beskrivelse, en faktura eller et ekthetsbevis. Trykk på knappen ved siden av for å velge filen.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_ESTIMATED_PRICE</source>
        <translation>Prisen du anslår at bildet er verdt.</translation>
    </message>
    <message>
        <source>TOOLTIP_PELLIN_SALESPRICE</source>
        <translation>Prisen bildet selges for.</translation>
    </message>
    <message>
        <source>OSTREL_DIALOG_TITLE</source>
        <translation>Mynt</translation>
    </message>
    <message>
        <source>TOOLTIP_DB_NUMBEROF</source>
        <translation>Antall eksemplarer av mynten.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_DOCUMENT</source>
        <translation>Lenke til et dokument om mynten, f.eks. et ekthetsbevis.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_QUALITY</source>
        <translation>Myntens kvalitet (bevaringsgrad), f.eks. 1+.</translation>
    </message>
    <message>
        <source>WHATSHIS_OSTREL_QUALITY</source>
        <translation>Skriv myntens kvalitet etter graderingen du bruker, f.eks. 0, 01, 1+, 1 eller 2. Kvaliteten har mye å si for verdien av mynten.</translation>
    </message>
    <message>
        <source>TOOLTIP_OSTREL_BACKSIDE_PICTURE</source>
        <translation>Lenke til et bilde av baksiden av mynten.</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Velg en bildefil med baksiden av mynten.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Vis bildet av baksiden av mynten.</translation>
    </message>
    <message>
        <source>PRICE_DECIMAL_POINT</source>
        <translation>Skriv desimaler med punktum, f.eks. 12.50. Et komma blir til punktum.</translation>
    </message>
    <message>
        <source>LINK_PATH_NOT_STORABLE</source>
        <translation>Filen kan ikke knyttes til posten fordi banen inneholder tegnet %1, som databasen ikke kan lagre:
%2</translation>
    </message>
    <message>
        <source>LINK_PATH_TOO_LONG</source>
        <translation>Filen kan ikke knyttes til posten fordi banen er lengre enn %1 tegn:
%2</translation>
    </message>
    <message>
        <source>Fejl søgning</source>
        <translation>Feil ved søk</translation>
    </message>
    <message>
        <source>Search_Error</source>
        <translation>Det ble ikke funnet noen post som passer til søket.</translation>
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
        <translation>Høyst %1 tegn lagres i databasen; en lengre tekst blir avkortet.</translation>
    </message>
    <message>
        <source>Alle filer</source>
        <translation>Alle filer</translation>
    </message>
    <message>
        <source>Billeder</source>
        <translation>Bilder</translation>
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
        <translation>Fyll ut feltet «%1» før varen lagres.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før billedet gemmes.</source>
        <translation>Fyll ut feltet «%1» før bildet lagres.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før mønten gemmes.</source>
        <translation>Fyll ut feltet «%1» før mynten lagres.</translation>
    </message>
    <message>
        <source>Udfyld feltet &apos;%1&apos;, før genstanden gemmes.</source>
        <translation>Fyll ut feltet «%1» før gjenstanden lagres.</translation>
    </message>
    <message>
        <source>Feltet &apos;%1&apos; skal være et tal fra 0 til %2.</source>
        <translation>Feltet «%1» må være et tall fra 0 til %2.</translation>
    </message>
    <message>
        <source>Feltet &apos;%1&apos; skal være et helt tal fra %2 til %3.</source>
        <translation>Feltet «%1» må være et heltall fra %2 til %3.</translation>
    </message>
    <message>
        <source>Vælg en værdi i feltet &apos;%1&apos;, før varen gemmes.</source>
        <translation>Velg en verdi i feltet «%1» før varen lagres.</translation>
    </message>
    <message>
        <source>Ugyldig værdi</source>
        <translation>Ugyldig verdi</translation>
    </message>
    <message>
        <source>Ret det, og prøv igen.</source>
        <translation>Rett det, og prøv igjen.</translation>
    </message>
    <message>
        <source>Slettet på en anden arbejdsplads</source>
        <translation>Slettet på en annen arbeidsplass</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads. Det, du har skrevet, står stadig her; når du gemmer, kan du gemme det som en ny post eller kassere det.</source>
        <translation>%1 er slettet på en annen arbeidsplass. Det du har skrevet, står fortsatt her; når du lagrer, kan du lagre det som en ny post eller forkaste det.</translation>
    </message>
    <message>
        <source>Posten er slettet på en anden arbejdsplads. Vil du gemme det, der står her, som en ny post, eller kassere det?</source>
        <translation>Posten er slettet på en annen arbeidsplass. Vil du lagre det som står her, som en ny post, eller forkaste det?</translation>
    </message>
    <message>
        <source>Gem som &amp;ny post</source>
        <translation>Lagre som &amp;ny post</translation>
    </message>
    <message>
        <source>&amp;Kassér</source>
        <translation>&amp;Forkast</translation>
    </message>
    <message>
        <source>&amp;Annullér</source>
        <translation>&amp;Avbryt</translation>
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
        <translation>Gruppen som posten hører til.</translation>
    </message>
    <message>
        <source>&amp;Navn:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>TOOLTIP_NAME</source>
        <translation>Navnet på posten.</translation>
    </message>
    <message>
        <source>&amp;Fabrikat:</source>
        <translation>&amp;Fabrikat:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT</source>
        <translation>Fabrikat eller merke.</translation>
    </message>
    <message>
        <source>PRODUCT_BRAND</source>
        <translation>&amp;Modell:</translation>
    </message>
    <message>
        <source>TOOLTIP_PRODUCT_BRAND</source>
        <translation>Modell eller typebetegnelse.</translation>
    </message>
    <message>
        <source>&amp;Antal:</source>
        <translation>&amp;Antall:</translation>
    </message>
    <message>
        <source>TOOLTIP_NUMBER_OF_ITEMS</source>
        <translation>Antall stykker som posten gjelder.</translation>
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
        <translation>Innkjøpsprisen for ett stykke.</translation>
    </message>
    <message>
        <source>kr</source>
        <translation>kr</translation>
    </message>
    <message>
        <source>TOOLTIP_PRICE_TODAY</source>
        <translation>Hva det hele er verdt i dag.</translation>
    </message>
    <message>
        <source>&amp;Købsdato:</source>
        <translation>&amp;Kjøpsdato:</translation>
    </message>
    <message>
        <source>TOOLTIP_DATE</source>
        <translation>Kjøpsdatoen.</translation>
    </message>
    <message>
        <source>&amp;Lokale/rum:</source>
        <translation>&amp;Lokale/rom:</translation>
    </message>
    <message>
        <source>TOOLTIP_LOCATION</source>
        <translation>Lokalet eller rommet der tingen står.</translation>
    </message>
    <message>
        <source>&amp;Leverandør:</source>
        <translation>Le&amp;verandør:</translation>
    </message>
    <message>
        <source>TOOLTIP_SUPPLIER</source>
        <translation>Butikken eller leverandøren tingen er kjøpt hos.</translation>
    </message>
    <message>
        <source>&amp;EXTRA_INFO</source>
        <translation>&amp;Ekstra opplysninger:</translation>
    </message>
    <message>
        <source>TOOLTIP_ADDRESS</source>
        <translation>Adresse eller andre opplysninger.</translation>
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
        <translation>ww&amp;w (lenke til nett):</translation>
    </message>
    <message>
        <source>TOOLTIP_WWW</source>
        <translation>En nettadresse med opplysninger om tingen.</translation>
    </message>
    <message>
        <source>Vis &amp;www</source>
        <translation>Vis &amp;www</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_WWW_BTN</source>
        <translation>Åpne nettadressen i nettleseren.</translation>
    </message>
    <message>
        <source>&amp;Billede (link til fil):</source>
        <translation>&amp;Bilde (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_PHOTOLINK</source>
        <translation>Banen til en bildefil.</translation>
    </message>
    <message>
        <source>&amp;Indsæt billede</source>
        <translation>Sett &amp;inn bilde</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_IMAGE_BTN</source>
        <translation>Velg en bildefil og knytt den til posten.</translation>
    </message>
    <message>
        <source>&amp;Vis billede</source>
        <translation>&amp;Vis bilde</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Åpne bildet i bildevisningsprogrammet.</translation>
    </message>
    <message>
        <source>&amp;Kvittering (link til fil):</source>
        <translation>&amp;Kvittering (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_RECEIPT</source>
        <translation>Banen til en fil med kvitteringen.</translation>
    </message>
    <message>
        <source>TOOLTIP_BROWSE_RECEIPT_BTN</source>
        <translation>Velg en fil med kvitteringen og knytt den til posten.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_RECEIPT_BTN</source>
        <translation>Åpne kvitteringen.</translation>
    </message>
    <message>
        <source>&amp;DOCUMENT</source>
        <translation>Dok&amp;ument (lenke til fil):</translation>
    </message>
    <message>
        <source>TOOLTIP_DOCUMENT</source>
        <translation>Banen til et dokument, f.eks. en bruksanvisning.</translation>
    </message>
    <message>
        <source>INSERT_DOCUMENT</source>
        <translation>Sett inn d&amp;okument</translation>
    </message>
    <message>
        <source>TOOLTIP_INSERT_DOCUMENT_BTN</source>
        <translation>Velg et dokument og knytt det til posten.</translation>
    </message>
    <message>
        <source>SHOW_DOCUMENT</source>
        <translation>Vis do&amp;kument</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_DOCUMENT_BTN</source>
        <translation>Åpne dokumentet.</translation>
    </message>
    <message>
        <source>&amp;Billede</source>
        <translation>&amp;Bilde</translation>
    </message>
    <message>
        <source>&amp;Kvittering</source>
        <translation>&amp;Kvittering</translation>
    </message>
    <message>
        <source>PREVP</source>
        <translation>&lt; &amp;Forrige</translation>
    </message>
    <message>
        <source>TOOLTIP_PREV_BTN</source>
        <translation>Vis den forrige posten i databasen.</translation>
    </message>
    <message>
        <source>NEXTP</source>
        <translation>N&amp;este &gt;</translation>
    </message>
    <message>
        <source>TOOLTIP_NEXT_BTN</source>
        <translation>Vis den neste posten i databasen.</translation>
    </message>
    <message>
        <source>TOOLTIP_NEW_BTN</source>
        <translation>Opprett en ny, tom post.</translation>
    </message>
    <message>
        <source>Kopie&amp;r</source>
        <translation>Kopie&amp;r</translation>
    </message>
    <message>
        <source>TOOLTIP_COPY_BTN</source>
        <translation>Lag en kopi av posten; kopien legges til når du lagrer.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE_BTN</source>
        <translation>Lagre posten uten å lukke vinduet.</translation>
    </message>
    <message>
        <source>WHATSHIS_SAVE_BTN</source>
        <translation>Lagrer de innskrevne verdiene i posten og oppdaterer listen i hovedvinduet. Vinduet blir stående åpent, så du kan fortsette med en ny post eller en kopi. Husk å lagre databasen med Fil &gt; Lagre.</translation>
    </message>
    <message>
        <source>TOOLTIP_RESET_BTN</source>
        <translation>Tøm feltene og bytt til søk.</translation>
    </message>
    <message>
        <source>&amp;Søg</source>
        <translation>&amp;Søk</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Søk etter en post som passer til de utfylte feltene.</translation>
    </message>
    <message>
        <source>SEARCH_AGAIN</source>
        <translation>Søk &amp;igjen</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_AGAIN_BTN</source>
        <translation>Finn den neste posten som passer til søket.</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BTN</source>
        <translation>Skriv ut posten.</translation>
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
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Genstand</source>
        <translation>Gjenstand</translation>
    </message>
    <message>
        <source>kr   I alt</source>
        <translation>kr   Totalt</translation>
    </message>
    <message>
        <source>&amp;Vurderet pris (i alt):</source>
        <translation>&amp;Verdivurdering (totalt):</translation>
    </message>
    <message>
        <source>&amp;Serienummer:</source>
        <translation>&amp;Serienummer:</translation>
    </message>
    <message>
        <source>In&amp;dsæt kvittering</source>
        <translation>Sett inn &amp;kvittering</translation>
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
        <translation>N&amp;ullstill</translation>
    </message>
    <message>
        <source>Udskri&amp;v</source>
        <translation>Skri&amp;v ut</translation>
    </message>
</context>
<context>
    <name>ItemListModel</name>
    <message>
        <source>Error</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Gruppe %1 (ikke i gruppelisten)</source>
        <translation>Gruppe %1 (ikke i gruppelisten)</translation>
    </message>
    <message>
        <source>Poster: %1   Stk.: %2   Pris i alt: %3   Værdi i dag: %4</source>
        <translation>Poster: %1   Stk.: %2   Pris totalt: %3   Verdi i dag: %4</translation>
    </message>
    <message>
        <source>%1 (%2 af %3)</source>
        <translation>%1 (%2 av %3)</translation>
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
    <message>
        <source>LIST_HELP_PELLIN</source>
        <translation>Listen viser bildene dine ordnet i grupper. Dobbeltklikk på et bilde for å redigere opplysningene om det, eller på en gruppe for å registrere et nytt bilde i gruppen. Klikk i kolonnen Bilde for å se selve bildet.</translation>
    </message>
    <message>
        <source>LIST_HELP_OSTREL</source>
        <translation>Listen viser myntene dine ordnet i grupper. Dobbeltklikk på en mynt for å redigere den, eller på en gruppe for å registrere en ny mynt i gruppen. Klikk i bildekolonnene for å se forsiden og baksiden av mynten.</translation>
    </message>
    <message>
        <source>LIST_HELP_1</source>
        <translation>Listen viser postene i databasen ordnet i grupper. Dobbeltklikk på en post for å redigere den, eller på en gruppe for å opprette en ny post i gruppen. Klikk i kolonnen Bilde, Kvitt., Www eller Dok. for å åpne det som er knyttet til posten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>NB!</source>
        <translation>Merk</translation>
    </message>
    <message>
        <source>Ingen URL tilknyttet valgte inventar</source>
        <translation>Det er ikke knyttet noen nettadresse til den valgte posten.</translation>
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
        <translation>Noen poster har et gruppenummer som ikke finnes i gruppelisten. De vises nederst under gruppenummeret sitt.</translation>
    </message>
</context>
<context>
    <name>LabelDrawing</name>
    <message>
        <source>Stregkoden kan ikke laves: ikke nok hukommelse.</source>
        <translation>Strekkoden kan ikke lages: ikke nok minne.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; kan ikke laves som stregkode: %2</source>
        <translation>&quot;%1&quot; kan ikke lages som strekkode: %2</translation>
    </message>
    <message>
        <source>Der kan ikke tegnes på siden.</source>
        <translation>Det kan ikke tegnes på siden.</translation>
    </message>
    <message>
        <source>Siderne kan ikke afsluttes.</source>
        <translation>Sidene kan ikke avsluttes.</translation>
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
        <translation>Etikettene kan ikke skrives ut:
%1</translation>
    </message>
    <message>
        <source>%1 etiketter udskrevet</source>
        <translation>%1 etiketter skrevet ut</translation>
    </message>
    <message>
        <source>Etiketter udskrives kun for grupper og lokaler.</source>
        <translation>Etiketter skrives bare ut for grupper og lokaler.</translation>
    </message>
</context>
<context>
    <name>LabelProfiles</name>
    <message>
        <source>Etiketprinter (printerens eget sprog)</source>
        <translation>Etikettskriver (skriverens eget språk)</translation>
    </message>
    <message>
        <source>Hyldeetiket 50 x 25 mm, Code 128</source>
        <translation>Hylleetikett 50 x 25 mm, Code 128</translation>
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
        <translation>Myntholder 2 x 2 tommer, QR</translation>
    </message>
    <message>
        <source>Etiketten skal være mellem 5 og 1000 mm bred og høj.</source>
        <translation>Etiketten må være mellom 5 og 1000 mm bred og høy.</translation>
    </message>
    <message>
        <source>Skriftens størrelse skal være mellem 3 og 72 punkter.</source>
        <translation>Skriftstørrelsen må være mellom 3 og 72 punkter.</translation>
    </message>
    <message>
        <source>Et ark skal have mellem 1 og 100 rækker og kolonner.</source>
        <translation>Et ark må ha mellom 1 og 100 rader og kolonner.</translation>
    </message>
    <message>
        <source>Etiketterne fylder mere end arket.</source>
        <translation>Etikettene tar mer plass enn arket.</translation>
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
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>Printerens eget sprog: formatfilerne i Setup sendes til etiketprinteren</source>
        <translation>Skriverens eget språk: formatfilene i Setup sendes til etikettskriveren</translation>
    </message>
    <message>
        <source>Tegnet med stregkode: til enhver printer eller en PDF-fil</source>
        <translation>Tegnet med strekkode: til enhver skriver eller en PDF-fil</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>Nummeret (serienummeret med 6 cifre)</source>
        <translation>Nummeret (serienummeret med 6 sifre)</translation>
    </message>
    <message>
        <source>Nummeret, ellers serienummeret som det står</source>
        <translation>Nummeret, ellers serienummeret slik det står</translation>
    </message>
    <message>
        <source>Tegnet etiket</source>
        <translation>Tegnet etikett</translation>
    </message>
    <message>
        <source>Størrelse (bredde x højde):</source>
        <translation>Størrelse (bredde x høyde):</translation>
    </message>
    <message>
        <source>Stregkode:</source>
        <translation>Strekkode:</translation>
    </message>
    <message>
        <source>Stregkoden indeholder:</source>
        <translation>Strekkoden inneholder:</translation>
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
        <translation>Rader:</translation>
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
        <translation>Arkets høyde:</translation>
    </message>
    <message>
        <source>Venstre margen:</source>
        <translation>Venstre marg:</translation>
    </message>
    <message>
        <source>Øverste margen:</source>
        <translation>Øvre marg:</translation>
    </message>
    <message>
        <source>Afstand vandret:</source>
        <translation>Avstand vannrett:</translation>
    </message>
    <message>
        <source>Afstand lodret:</source>
        <translation>Avstand loddrett:</translation>
    </message>
    <message>
        <source>Brugte etiketter på arket:</source>
        <translation>Brukte etiketter på arket:</translation>
    </message>
    <message>
        <source>De valgte felter udskrives i denne rækkefølge; træk for at flytte dem</source>
        <translation>De valgte feltene skrives ut i denne rekkefølgen; dra for å flytte dem</translation>
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
        <translation>&amp;Avbryt</translation>
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
        <translation>Etiketten lages av skriveren ut fra formatfilen.</translation>
    </message>
    <message>
        <source>Profilen skal have et navn.</source>
        <translation>Profilen må ha et navn.</translation>
    </message>
    <message>
        <source>To profiler hedder &quot;%1&quot;.</source>
        <translation>To profiler heter &quot;%1&quot;.</translation>
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
        <translation>Skriverkøen &quot;%1&quot; kan ikke nås: programmet er bygget uten CUPS.</translation>
    </message>
    <message>
        <source>Der findes ingen printerkø ved navn &quot;%1&quot;.</source>
        <translation>Det finnes ingen skriverkø med navnet &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Printeren &quot;%1&quot; afviste etiketterne.</source>
        <translation>Skriveren &quot;%1&quot; avviste etikettene.</translation>
    </message>
    <message>
        <source>Ingen forbindelse til printeren %1.</source>
        <translation>Ingen forbindelse til skriveren %1.</translation>
    </message>
    <message>
        <source>Enheden %1 findes ikke.</source>
        <translation>Enheten %1 finnes ikke.</translation>
    </message>
    <message>
        <source>Enheden %1 kan ikke åbnes.</source>
        <translation>Enheten %1 kan ikke åpnes.</translation>
    </message>
    <message>
        <source>Printeren %1 tog ikke imod alle etiketter.</source>
        <translation>Skriveren %1 tok ikke imot alle etikettene.</translation>
    </message>
    <message>
        <source>(uden navn)</source>
        <translation>(uten navn)</translation>
    </message>
    <message>
        <source>intet serienummer</source>
        <translation>intet serienummer</translation>
    </message>
    <message>
        <source>serienummeret &quot;%1&quot; er ikke et tal</source>
        <translation>serienummeret &quot;%1&quot; er ikke et tall</translation>
    </message>
    <message>
        <source>serienummeret &quot;%1&quot; er for langt til stregkoden</source>
        <translation>serienummeret &quot;%1&quot; er for langt for strekkoden</translation>
    </message>
    <message>
        <source>... og %1 flere</source>
        <translation>... og %1 flere</translation>
    </message>
    <message>
        <source>Disse emner får ingen etiket, fordi deres serienummer ikke kan bruges som nummer:</source>
        <translation>Disse postene får ingen etikett fordi serienummeret deres ikke kan brukes som nummer:</translation>
    </message>
    <message>
        <source>Etiketformatet %1 findes ikke eller kan ikke læses.
Intet er sendt til printeren.</source>
        <translation>Etikettformatet %1 finnes ikke eller kan ikke leses.
Ingenting er sendt til skriveren.</translation>
    </message>
    <message>
        <source>Etiketformatet %1 er tomt.
Intet er sendt til printeren.</source>
        <translation>Etikettformatet %1 er tomt.
Ingenting er sendt til skriveren.</translation>
    </message>
    <message>
        <source>Etiketfilen %1 kan ikke skrives:
%2
Intet er sendt til printeren.</source>
        <translation>Etikettfilen %1 kan ikke skrives:
%2
Ingenting er sendt til skriveren.</translation>
    </message>
    <message>
        <source>Skriv i den navnet på en printerkø, en netværksprinter som socket://192.168.1.50:9100 eller en enhed som /dev/usb/lp0.</source>
        <translation>Skriv i den navnet på en skriverkø, en nettverksskriver som socket://192.168.1.50:9100 eller en enhet som /dev/usb/lp0.</translation>
    </message>
    <message>
        <source>Printerfilen %1 findes ikke.</source>
        <translation>Skriverfilen %1 finnes ikke.</translation>
    </message>
    <message>
        <source>Printerfilen %1 nævner ingen printer.</source>
        <translation>Skriverfilen %1 nevner ingen skriver.</translation>
    </message>
    <message>
        <source>Printerfilen %1 nævner ingen printer, som kan bruges: &quot;%2&quot;.</source>
        <translation>Skriverfilen %1 nevner ingen skriver som kan brukes: &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>Etiketterne er ikke udskrevet.</source>
        <translation>Etikettene er ikke skrevet ut.</translation>
    </message>
    <message>
        <source>%1 etiketter sendt til printeren</source>
        <translation>%1 etiketter sendt til skriveren</translation>
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
        <translation>Filtrer listen (Ctrl+L)</translation>
    </message>
    <message>
        <source>Viser kun poster, der indeholder alle de skrevne ord</source>
        <translation>Viser bare poster som inneholder alle de skrevne ordene</translation>
    </message>
</context>
<context>
    <name>LocationImportCommand</name>
    <message>
        <source>indlæsning af scannerfilen</source>
        <translation>innlesing av skannerfilen</translation>
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
        <translation>Type</translation>
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
        <translation>Plassering</translation>
    </message>
    <message>
        <source>Antal</source>
        <translation>Antall</translation>
    </message>
    <message>
        <source>Virkning eller problem</source>
        <translation>Virkning eller problem</translation>
    </message>
    <message>
        <source>Indlæst scannerfil</source>
        <translation>Innlest skannerfil</translation>
    </message>
    <message>
        <source>Opdatér placeringer</source>
        <translation>Oppdater lagerplasseringer</translation>
    </message>
    <message>
        <source>Scannerfil: %1</source>
        <translation>Skannerfil: %1</translation>
    </message>
    <message>
        <source>%1 linjer: %2 gode, %3 med problemer</source>
        <translation>%1 linjer: %2 gode, %3 med problemer</translation>
    </message>
    <message>
        <source>Linjer med problemer bliver aldrig anvendt.</source>
        <translation>Linjer med problemer blir aldri brukt.</translation>
    </message>
    <message>
        <source>&amp;Gem oversigt...</source>
        <translation>&amp;Lagre oversikt...</translation>
    </message>
    <message>
        <source>&amp;Udskriv oversigt...</source>
        <translation>&amp;Skriv ut oversikt...</translation>
    </message>
    <message>
        <source>&amp;Anvend</source>
        <translation>&amp;Bruk</translation>
    </message>
    <message>
        <source>&amp;Anvend de %1 gode linjer...</source>
        <translation>&amp;Bruk de %1 gode linjene...</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>%1 linjer har problemer og bliver ikke anvendt.
Vil du anvende de %2 gode linjer?</source>
        <translation>%1 linjer har problemer og blir ikke brukt.
Vil du bruke de %2 gode linjene?</translation>
    </message>
    <message>
        <source>Anvend de &amp;gode</source>
        <translation>Bruk de &amp;gode</translation>
    </message>
    <message>
        <source>Gem oversigt</source>
        <translation>Lagre oversikt</translation>
    </message>
    <message>
        <source>Tekst (*.txt)</source>
        <translation>Tekst (*.txt)</translation>
    </message>
    <message>
        <source>Oversigten blev ikke gemt i %1:
%2</source>
        <translation>Oversikten ble ikke lagret i %1:
%2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tarnvold program error</source>
        <translation>Programfeil</translation>
    </message>
    <message>
        <source>Ingen program associeret med filer af denne type %1</source>
        <translation>Det er ikke knyttet noe program til filer av denne typen: %1</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation>Operativsystemet mangler minne eller ressurser.</translation>
    </message>
    <message>
        <source>The specified file was not found (please, check write permissions).</source>
        <translation>Den angitte filen ble ikke funnet (kontroller skrivetillatelsene).</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Den angitte banen ble ikke funnet.</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>Filen er i bruk av et annet program (delingsbrudd).</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>Filtypens tilknytning til et program er ufullstendig eller ugyldig.</translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. This error will also be returned if you attempt to print a file that is not printable.</source>
        <translation>Det er ikke knyttet noe program til den angitte filtypen. Feilen oppstår også hvis du prøver å skrive ut en fil som ikke kan skrives ut.</translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation>Det angitte programbiblioteket (DLL) ble ikke funnet.</translation>
    </message>
    <message>
        <source>HTML fejl</source>
        <translation>HTML-feil</translation>
    </message>
    <message>
        <source>Could not display help (%1), error: %2</source>
        <translation>Kunne ikke vise hjelpen (%1), feil: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>Program (%1) ikke fundet.
Hint: Vælg ønsket program til at vise aktuelle fil type,
via Opsætning menu.
Kalder istedet program associeret med filen %2</source>
        <translation>Programmet (%1) ble ikke funnet.
Tips: Velg i menyen Oppsett hvilket program som skal vise denne filtypen.
Åpner i stedet filen %2 med programmet den er knyttet til.</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>SAVE_CURRENT_DB_QUESTION</source>
        <translation>Databasen er endret. Vil du lagre endringene?</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Gem &amp;ikke</source>
        <translation>&amp;Ikke lagre</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>FileError</source>
        <translation>Filfeil</translation>
    </message>
    <message>
        <source>ERROR_DB_FILE_CAN_NOT_BE_OPENED</source>
        <translation>Databasefilen kan ikke åpnes. Den finnes ikke, kan ikke leses eller hører til en annen utgave av programmet.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>NUMBERS_OF_ITEMS_READ_FORM_DB</source>
        <translation>%1 lest inn: %2 poster på %3 sek.</translation>
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
        <translation>%1 lagret: %2 poster på %3 sek.</translation>
    </message>
    <message>
        <source>BackupCurrentDB</source>
        <translation>Sikkerhetskopier databasen</translation>
    </message>
    <message>
        <source>NO_BACKUP_ERROR_NO_FILE_SAVED</source>
        <translation>Det ble ikke valgt noen fil, så det er ikke tatt en sikkerhetskopi.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informasjon</translation>
    </message>
    <message>
        <source>RESTART_BEFORE_LANGUAGE_CHANGED</source>
        <translation>Det nye språket tas i bruk neste gang programmet startes.</translation>
    </message>
    <message>
        <source>NOTEPAD_NOT_FOUND</source>
        <translation>Versjonsnotatene kunne ikke vises fordi tekstredigeringsprogrammet ikke kunne startes.</translation>
    </message>
    <message>
        <source>About Brevane</source>
        <translation>Om Brevane</translation>
    </message>
    <message>
        <source>AboutBrevaneDetails</source>
        <translation>Brevane - lagerregistrering
En del av Vestrum-familien av registre.
Versjon 3.0
Hold orden på lageret i den lille bedriften med strekkodeetiketter og lagerbevegelser fra strekkodeleseren.</translation>
    </message>
    <message>
        <source>About Pellin</source>
        <translation>Om Pellin</translation>
    </message>
    <message>
        <source>AboutPellinDetails</source>
        <translation>Pellin - bilderegistrering
En del av Vestrum-familien av registre.
Versjon 3.0
Registrer bildesamlingen din med titler, priser og lenker til bildefilene.</translation>
    </message>
    <message>
        <source>About Ostrel</source>
        <translation>Om Ostrel</translation>
    </message>
    <message>
        <source>AboutOstrelDetails</source>
        <translation>Ostrel - myntregistrering
En del av Vestrum-familien av registre.
Versjon 3.0
Registrer myntsamlingen din med årstall, metall, katalognummer, kvalitet og bilder av forside og bakside.</translation>
    </message>
    <message>
        <source>About Tovik</source>
        <translation>Om Tovik</translation>
    </message>
    <message>
        <source>AboutTovikDetails</source>
        <translation>Tovik - innboregistrering
En del av Vestrum-familien av registre.
Versjon 3.0
Registrer innboet i hjemmet ditt med priser, kvitteringer, bilder og dokumenter.</translation>
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
        <translation>Oppretter en ny, tom database. Er den åpne databasen endret, blir du først spurt om endringene skal lagres.</translation>
    </message>
    <message>
        <source>FILE_OPEN</source>
        <translation>Å&amp;pne...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_OPEN</source>
        <translation>Åpner en eksisterende database (filtypene .tvk, .txt og .db). Listene over grupper, lokaler og leverandører hentes fra mappene ved siden av databasefilen.</translation>
    </message>
    <message>
        <source>UPDATE_LOCATIONS...</source>
        <translation>&amp;Oppdater lagerplasseringer...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_UPDATE_LOCATIONS</source>
        <translation>Leser inn lagerbevegelser fra en fil fra strekkodeleseren og oppdaterer antall og plassering for varene. Filen sikkerhetskopieres med dato og klokkeslett, og databasen lagres etterpå.</translation>
    </message>
    <message>
        <source>FILE_SAVE</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE</source>
        <translation>Lagrer databasen i den åpne filen. Har databasen ennå ikke et filnavn, blir du bedt om å velge et.</translation>
    </message>
    <message>
        <source>FILE_SAVE_AS</source>
        <translation>Lagre &amp;som...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVE_AS</source>
        <translation>Lagrer databasen under et nytt filnavn. Listene over grupper, lokaler, leverandører og feltnavn lagres i mapper ved siden av den nye filen.</translation>
    </message>
    <message>
        <source>BACKUP...</source>
        <translation>Sikkerhets&amp;kopi...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_BACKUP</source>
        <translation>Lagrer en kopi av databasen og listene i en fil du velger. Den åpne databasen beholder filnavnet sitt, og endringene regnes fortsatt som ikke lagret.</translation>
    </message>
    <message>
        <source>SAVE_AS_HTML</source>
        <translation>Lagre som &amp;HTML</translation>
    </message>
    <message>
        <source>SAVE_AS_XML</source>
        <translation>Lagre som &amp;XML</translation>
    </message>
    <message>
        <source>SAVE_SETTINGS</source>
        <translation>Lagre &amp;innstillinger</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_SAVESETTINGS</source>
        <translation>Lagrer vindusstørrelse og plassering, kolonnebreddene og om alle grupper er foldet ut. Innstillingene brukes neste gang programmet startes.</translation>
    </message>
    <message>
        <source>PRINT_BARCODE...</source>
        <translation>Skriv ut strekkode&amp;etiketter...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT_BARCODE</source>
        <translation>Skriver ut strekkodeetiketter på etikettskriveren. Er en vare merket, skrives etiketten for den ut; er en gruppe merket, skrives det ut én etikett for hver vare i gruppen.</translation>
    </message>
    <message>
        <source>Udskriv...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>HELP_TEXT_FILE_PRINT</source>
        <translation>Skriver ut en liste over postene i databasen. Kolonner, sortering og filtre velges under Oppsett &gt; Utskrift.</translation>
    </message>
    <message>
        <source>QUIT</source>
        <translation>&amp;Avslutt</translation>
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
        <translation>&amp;Slett vare</translation>
    </message>
    <message>
        <source>BrevaneEditSearch</source>
        <translation>Sø&amp;k...</translation>
    </message>
    <message>
        <source>TOOLTIP_EDIT_FURNITURE</source>
        <translation>&amp;Rediger gjenstand...</translation>
    </message>
    <message>
        <source>OstrelEdit</source>
        <translation>&amp;Rediger mynt...</translation>
    </message>
    <message>
        <source>OstrelEditDelete</source>
        <translation>&amp;Slett mynt</translation>
    </message>
    <message>
        <source>OstrelEditSearc</source>
        <translation>Sø&amp;k...</translation>
    </message>
    <message>
        <source>PellinEdit</source>
        <translation>&amp;Rediger bilde...</translation>
    </message>
    <message>
        <source>PellinEditDelete</source>
        <translation>&amp;Slett bilde</translation>
    </message>
    <message>
        <source>PellinEditSearc</source>
        <translation>Sø&amp;k...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_ELEMENT</source>
        <translation>Åpner den merkede posten i redigeringsvinduet, der alle feltene kan endres. Er en gruppe eller ingenting merket, opprettes det i stedet en ny post.</translation>
    </message>
    <message>
        <source>TOOLTIP_SEARCH_BTN</source>
        <translation>Åpner søkevinduet. Fyll ut ett eller flere felt, og trykk på Søk for å finne den første posten som passer; Søk igjen finner den neste.</translation>
    </message>
    <message>
        <source>Precreate items in Brevane</source>
        <translation>&amp;Opprett varer på forhånd...</translation>
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
        <translation>Vis alle som HTML-&amp;tabell</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_HTML</source>
        <translation>Vis alle som &amp;HTML</translation>
    </message>
    <message>
        <source>VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML</source>
        <translation>Vis mynter uten &amp;verdivurdering som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_ALL_SPECIAL_OSTREL_CASES_AS_HTML</source>
        <translation>Viser myntene som ennå ikke har en verdivurdering, som en HTML-side i nettleseren. Da ser du lett hvilke mynter som mangler en vurdering.</translation>
    </message>
    <message>
        <source>VIEW_ALL_AS_XML</source>
        <translation>Vis alle som &amp;XML</translation>
    </message>
    <message>
        <source>VIEW_CURRENT_AS_HTML</source>
        <translation>Vis &amp;merket som HTML</translation>
    </message>
    <message>
        <source>WHATS_THIS_VIEW_CURRENT_AS_HTML</source>
        <translation>Viser den merkede posten som en HTML-side med alle feltene og bildene. Siden åpnes i programmet som er knyttet til HTML-filer.</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_FRONTSIDE_PICTURE_OSTREL</source>
        <translation>Vis bilde av &amp;forside</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Vis bilde av &amp;bakside</translation>
    </message>
    <message>
        <source>PELLIN_SHOW_PICTURE</source>
        <translation>Vis &amp;bilde</translation>
    </message>
    <message>
        <source>PELLIN_SHOW_PICTURE2</source>
        <translation>Vis bilde &amp;2</translation>
    </message>
    <message>
        <source>VIS_BILLEDE</source>
        <translation>Vis &amp;bilde</translation>
    </message>
    <message>
        <source>VIS_KVITTERING</source>
        <translation>Vis &amp;kvittering</translation>
    </message>
    <message>
        <source>TOOLTIP_SHOW_IMAGE_BTN</source>
        <translation>Viser bildet som er knyttet til den merkede posten. Bildefiler vises i vinduet for posten; andre filer åpnes med det valgte bildevisningsprogrammet.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_BACKSIDE_PICTURE_OSTREL</source>
        <translation>Viser bildet av baksiden til den merkede mynten. Bildefiler vises i vinduet for mynten; andre filer åpnes med programmet som er knyttet til dem.</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_RECEIPT</source>
        <translation>Viser kvitteringen eller det ekstra bildet som er knyttet til den merkede posten. Bildefiler vises i vinduet for posten; andre filer, f.eks. PDF, åpnes med programmet som er knyttet til dem.</translation>
    </message>
    <message>
        <source>VIS_WWW</source>
        <translation>Vis &amp;nettside</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_URL</source>
        <translation>Åpner nettadressen som er knyttet til den merkede posten. Adressen åpnes med den valgte nettleseren eller med standardnettleseren.</translation>
    </message>
    <message>
        <source>VIS_DOCUMENT</source>
        <translation>Vis &amp;dokument</translation>
    </message>
    <message>
        <source>HELP_TEXT_VIEW_DOCUMENTATION</source>
        <translation>Åpner dokumentet som er knyttet til den merkede posten, f.eks. en bruksanvisning eller et garantibevis. Dokumentet åpnes med programmet som er knyttet til filtypen.</translation>
    </message>
    <message>
        <source>&amp;Rapport...</source>
        <translation>&amp;Rapport...</translation>
    </message>
    <message>
        <source>HELP_TEXT_EDIT_REPORT</source>
        <translation>Viser en oversikt med antall, innkjøpspris og verdivurdering for hver gruppe og for hele databasen. Oversikten kan skrives ut.</translation>
    </message>
    <message>
        <source>&amp;Opsætning</source>
        <translation>&amp;Oppsett</translation>
    </message>
    <message>
        <source>&amp;Udskrivning...</source>
        <translation>&amp;Utskrift...</translation>
    </message>
    <message>
        <source>&amp;Lokaler/rum...</source>
        <translation>&amp;Lokaler/rom...</translation>
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
        <translation>&amp;Språk</translation>
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
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Hjælp...</source>
        <translation>&amp;Hjelp...</translation>
    </message>
    <message>
        <source>&amp;Tutorial...</source>
        <translation>&amp;Kom i gang...</translation>
    </message>
    <message>
        <source>&amp;Links...</source>
        <translation>&amp;Lenker...</translation>
    </message>
    <message>
        <source>&amp;ErrorHandling...</source>
        <translation>&amp;Feilhåndtering...</translation>
    </message>
    <message>
        <source>Fil</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Print afbrudt</source>
        <translation>Utskriften ble avbrutt</translation>
    </message>
    <message>
        <source>%1.%2 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1.%2 lagret, antall: %3, tid: %4 sek. </translation>
    </message>
    <message>
        <source>%1 gemt, antal: %3, tid: %4 sec </source>
        <translation>%1 lagret, antall: %3, tid: %4 sek. </translation>
    </message>
    <message>
        <source>Møntholder-etiketter...</source>
        <translation>Myntholder-etiketter...</translation>
    </message>
    <message>
        <source>Etiketter...</source>
        <translation>Etiketter...</translation>
    </message>
    <message>
        <source>Udskriver etiketter for de valgte rækker med den valgte etiketprofil</source>
        <translation>Skriver ut etiketter for de valgte radene med den valgte etikettprofilen</translation>
    </message>
    <message>
        <source>&amp;Etiketter...</source>
        <translation>&amp;Etiketter...</translation>
    </message>
    <message>
        <source>Programmet blev afsluttet med ændringer, der ikke var gemt. De blev skrevet i:
%1

Åbn dem nu (gem dem derefter for at beholde dem), slet dem, eller spørg igen ved næste start?</source>
        <translation>Programmet ble avsluttet med endringer som ikke var lagret. De ble skrevet til:
%1

Åpne dem nå (lagre dem deretter for å beholde dem), slette dem, eller spørre igjen ved neste start?</translation>
    </message>
    <message>
        <source>&amp;Åbn</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;Senere</source>
        <translation>&amp;Senere</translation>
    </message>
    <message>
        <source>Scannerfilen %1 indeholder ingen linjer.</source>
        <translation>Skannerfilen %1 inneholder ingen linjer.</translation>
    </message>
    <message>
        <source>Den samme scannerfil blev indlæst %1.
Vil du indlæse den igen?</source>
        <translation>Den samme skannerfilen ble lest inn %1.
Vil du lese den inn igjen?</translation>
    </message>
    <message>
        <source>&amp;Indlæs igen</source>
        <translation>&amp;Les inn igjen</translation>
    </message>
    <message>
        <source>Registret er ændret siden kontrollen; indlæs filen igen.</source>
        <translation>Registeret er endret siden kontrollen; les inn filen igjen.</translation>
    </message>
    <message>
        <source>Databasen blev ikke gemt, så scannerfilen %1 bliver liggende.</source>
        <translation>Databasen ble ikke lagret, så skannerfilen %1 blir liggende.</translation>
    </message>
    <message>
        <source>Indlæsningen kunne ikke noteres i %1:
%2</source>
        <translation>Innlesingen kunne ikke noteres i %1:
%2</translation>
    </message>
    <message>
        <source>%1 af %2 linjer fra %3 er anvendt</source>
        <translation>%1 av %2 linjer fra %3 er brukt</translation>
    </message>
    <message>
        <source>Oversigt over indlæsningen...</source>
        <translation>Oversikt over innlesingen...</translation>
    </message>
    <message>
        <source>Vælg billedfremviser</source>
        <translation>Velg bildeviser</translation>
    </message>
    <message>
        <source>Billedfremviser (*.exe)</source>
        <translation>Bildeviser (*.exe)</translation>
    </message>
    <message>
        <source>Vælg webbrowser</source>
        <translation>Velg nettleser</translation>
    </message>
    <message>
        <source>Webbrowser (*.exe)</source>
        <translation>Nettleser (*.exe)</translation>
    </message>
    <message>
        <source>TovikEditDelete</source>
        <translation>&amp;Slett gjenstand</translation>
    </message>
    <message>
        <source>TovikEditSearch</source>
        <translation>Sø&amp;k...</translation>
    </message>
    <message>
        <source>&amp;Grupper...</source>
        <translation>&amp;Grupper...</translation>
    </message>
    <message>
        <source>&amp;Billedfremviser...</source>
        <translation>&amp;Bildeviser...</translation>
    </message>
    <message>
        <source>&amp;Webbrowser...</source>
        <translation>&amp;Nettleser...</translation>
    </message>
    <message>
        <source>&amp;Versionsnoter...</source>
        <translation>&amp;Versjonsnotater...</translation>
    </message>
    <message>
        <source>Hvad er &amp;dette?</source>
        <translation>Hva er &amp;dette?</translation>
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
        <translation>Skriver ut...</translation>
    </message>
    <message>
        <source>Printing (page %1)...</source>
        <translation>Skriver ut (side %1)...</translation>
    </message>
    <message>
        <source>Print færdig</source>
        <translation>Utskrift ferdig</translation>
    </message>
    <message>
        <source>Gem register som</source>
        <translation>Lagre register som</translation>
    </message>
    <message>
        <source>Registeret, du brugte sidst, kan ikke åbnes:
%1

Hvis registeret ligger på et netværksdrev eller en USB-nøgle, så tilslut drevet og vælg »Prøv igen«. Programmet husker stien, indtil du åbner et andet register.</source>
        <translation>Registeret du brukte sist, kan ikke åpnes:
%1

Hvis registeret ligger på en nettverksstasjon eller en minnepinne, kobler du den til og velger «Prøv igjen». Programmet husker stien til du åpner et annet register.</translation>
    </message>
    <message>
        <source>&amp;Prøv igen</source>
        <translation>&amp;Prøv igjen</translation>
    </message>
    <message>
        <source>Åbn et &amp;andet…</source>
        <translation>Åpne et &amp;annet…</translation>
    </message>
    <message>
        <source>&amp;Nyt register</source>
        <translation>&amp;Nytt register</translation>
    </message>
    <message>
        <source>Åbn &amp;eksemplet</source>
        <translation>Åpne &amp;eksempelet</translation>
    </message>
    <message>
        <source>%1 findes allerede.
Vil du erstatte den?</source>
        <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
        <source>&amp;Erstat</source>
        <translation>&amp;Erstatt</translation>
    </message>
    <message>
        <source>%1 er slettet; %2 bringer den tilbage.</source>
        <translation>%1 er slettet; %2 henter den tilbake.</translation>
    </message>
    <message>
        <source>CSV-filer (*.csv);;Tekstfiler (*.txt);;Alle filer (*)</source>
        <translation>CSV-filer (*.csv);;Tekstfiler (*.txt);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Eksportér som CSV-fil</source>
        <translation>Eksporter som CSV-fil</translation>
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
        <translation>Importer CSV-fil</translation>
    </message>
    <message>
        <source>%1 kunne ikke læses:
%2</source>
        <translation>%1 kunne ikke leses:
%2</translation>
    </message>
    <message>
        <source>%1 er tom.</source>
        <translation>%1 er tom.</translation>
    </message>
    <message>
        <source>%1 har ingen rækker at indlæse, kun en overskrift.</source>
        <translation>%1 har ingen rader å importere, bare en overskrift.</translation>
    </message>
    <message>
        <source>indlæsning af %1</source>
        <translation>import av %1</translation>
    </message>
    <message>
        <source>%1 rækker fra %2 er indlæst, %3 med problemer er sprunget over</source>
        <translation>%1 rader fra %2 er importert, %3 med problemer er hoppet over</translation>
    </message>
    <message>
        <source>%1 rækker fra %2 er indlæst</source>
        <translation>%1 rader fra %2 er importert</translation>
    </message>
    <message>
        <source>Eks&amp;portér</source>
        <translation>Ekspo&amp;rter</translation>
    </message>
    <message>
        <source>&amp;CSV-fil...</source>
        <translation>&amp;CSV-fil...</translation>
    </message>
    <message>
        <source>In&amp;dlæs</source>
        <translation>I&amp;mporter</translation>
    </message>
    <message>
        <source>Filtrér</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Der er ingen genstande at tage med i opgørelsen.</source>
        <translation>Det er ingen gjenstander å ta med i oversikten.</translation>
    </message>
    <message>
        <source>Gem forsikringsopgørelsen som</source>
        <translation>Lagre forsikringsoversikten som</translation>
    </message>
    <message>
        <source>PDF-filer (*.pdf)</source>
        <translation>PDF-filer (*.pdf)</translation>
    </message>
    <message>
        <source>Nyt register</source>
        <translation>Nytt register</translation>
    </message>
    <message>
        <source>Forsikringsopgørelsen er gemt i %1 (%2 sider).</source>
        <translation>Forsikringsoversikten er lagret i %1 (%2 sider).</translation>
    </message>
    <message>
        <source>Forsikringsopgørelse (PDF)...</source>
        <translation>Forsikringsoversikt (PDF)...</translation>
    </message>
    <message>
        <source>Skriver en PDF til forsikringsselskabet: hver genstand med billede, kvittering og værdi, rum for rum, med totaler</source>
        <translation>Skriver en PDF til forsikringsselskapet: hver gjenstand med bilde, kvittering og verdi, rom for rom, med totaler</translation>
    </message>
    <message>
        <source>Åbn register på server...</source>
        <translation>Åpne register på server...</translation>
    </message>
    <message>
        <source>Åbner et register på en databaseserver, som flere arbejdspladser bruger på samme tid. Ændringer gemmes på serveren, mens du arbejder.</source>
        <translation>Åpner et register på en databaseserver som flere arbeidsplasser bruker samtidig. Endringer lagres på serveren mens du arbeider.</translation>
    </message>
    <message>
        <source>Kopiér registret til en server...</source>
        <translation>Kopier registeret til en server...</translation>
    </message>
    <message>
        <source>Opretter registret i en tom database på en server med alle poster og lister; derefter arbejder vinduet på serveren. Filen bliver, som den er.</source>
        <translation>Oppretter registeret i en tom database på en server med alle poster og lister; deretter arbeider vinduet på serveren. Filen forblir som den er.</translation>
    </message>
    <message>
        <source>Åbn register på server</source>
        <translation>Åpne register på server</translation>
    </message>
    <message>
        <source>Databasen rummer intet register. Brug »Kopiér registret til en server…« for at lægge et register der.</source>
        <translation>Databasen inneholder ikke noe register. Bruk «Kopier registeret til en server…» for å legge et register der.</translation>
    </message>
    <message>
        <source>Registret på serveren kan ikke åbnes:</source>
        <translation>Registeret på serveren kan ikke åpnes:</translation>
    </message>
    <message>
        <source>Kopiér registret til en server</source>
        <translation>Kopier registeret til en server</translation>
    </message>
    <message>
        <source>Databasen rummer allerede et register. Vælg en tom database, eller åbn registret med »Åbn register på server…«.</source>
        <translation>Databasen inneholder allerede et register. Velg en tom database, eller åpne registeret med «Åpne register på server…».</translation>
    </message>
    <message>
        <source>Registret blev ikke kopieret til %1. Der er intet oprettet på serveren.</source>
        <translation>Registeret ble ikke kopiert til %1. Ingenting er opprettet på serveren.</translation>
    </message>
    <message>
        <source>Registret er kopieret til %1, og vinduet arbejder nu på serveren. Filen %2 er ikke ændret.</source>
        <translation>Registeret er kopiert til %1, og vinduet arbeider nå på serveren. Filen %2 er ikke endret.</translation>
    </message>
    <message>
        <source>%1: forbundet</source>
        <translation>%1: tilkoblet</translation>
    </message>
    <message>
        <source>%1: forbindelsen er tabt, prøver igen …</source>
        <translation>%1: forbindelsen er brutt, prøver igjen …</translation>
    </message>
    <message>
        <source>%1: offline</source>
        <translation>%1: frakoblet</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt</source>
        <translation>Endringen er ikke lagret</translation>
    </message>
    <message>
        <source>Ændringerne står allerede på serveren %1: de gemmes, mens du arbejder.</source>
        <translation>Endringene står allerede på serveren %1: de lagres mens du arbeider.</translation>
    </message>
    <message>
        <source>Registret er gemt som %1. Vinduet arbejder fortsat på registret på serveren %2.</source>
        <translation>Registeret er lagret som %1. Vinduet arbeider fortsatt på registeret på serveren %2.</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren %1, så ændringen er ikke gemt. Det, du har skrevet, står stadig i vinduet: gem igen, når statuslinjen siger, at serveren er forbundet.</source>
        <translation>Det er ingen forbindelse til serveren %1, så endringen er ikke lagret. Det du har skrevet, står fortsatt i vinduet: lagre igjen når statuslinjen sier at serveren er tilkoblet.</translation>
    </message>
    <message>
        <source>Ændret på en anden arbejdsplads</source>
        <translation>Endret på en annen arbeidsplass</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads, mens du rettede den.</source>
        <translation>%1 er slettet på en annen arbeidsplass mens du redigerte den.</translation>
    </message>
    <message>
        <source>&amp;Gem min igen</source>
        <translation>&amp;Lagre min igjen</translation>
    </message>
    <message>
        <source>&amp;Lad den være slettet</source>
        <translation>La den &amp;være slettet</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads, efter at du slettede den her.</source>
        <translation>%1 er endret på en annen arbeidsplass etter at du slettet den her.</translation>
    </message>
    <message>
        <source>Behold &amp;deres</source>
        <translation>Behold &amp;deres</translation>
    </message>
    <message>
        <source>&amp;Slet den alligevel</source>
        <translation>&amp;Slett den likevel</translation>
    </message>
    <message>
        <source>%1 er slettet på en anden arbejdsplads, mens du ændrede den.</source>
        <translation>%1 er slettet på en annen arbeidsplass mens du endret den.</translation>
    </message>
    <message>
        <source>%1 er netop ændret på en anden arbejdsplads. Vinduet viser stadig det, du havde; gemmer du, viser programmet begge udgaver, så du kan vælge.</source>
        <translation>%1 er nettopp endret på en annen arbeidsplass. Vinduet viser fortsatt det du hadde; lagrer du, viser programmet begge versjonene så du kan velge.</translation>
    </message>
    <message>
        <source>&amp;Behold det, jeg har</source>
        <translation>&amp;Behold det jeg har</translation>
    </message>
    <message>
        <source>&amp;Vis deres udgave</source>
        <translation>&amp;Vis deres versjon</translation>
    </message>
    <message>
        <source>Listerne er gemt på denne computer, men ikke på serveren:</source>
        <translation>Listene er lagret på denne datamaskinen, men ikke på serveren:</translation>
    </message>
    <message>
        <source>Kan ikke fortrydes</source>
        <translation>Kan ikke angres</translation>
    </message>
    <message>
        <source>Kan ikke gentages</source>
        <translation>Kan ikke gjøres om</translation>
    </message>
</context>
<context>
    <name>ReportDialog</name>
    <message>
        <source>Rapport (Samlet oversigt)</source>
        <translation>Rapport (samlet oversikt)</translation>
    </message>
    <message>
        <source>Sum af alt inventar efter gruppe</source>
        <translation>Sum for alle poster etter gruppe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Udskriv</source>
        <translation>Skriv &amp;ut</translation>
    </message>
    <message>
        <source>Udskriv rapporten over inventargrupperne</source>
        <translation>Skriv ut rapporten over gruppene</translation>
    </message>
    <message>
        <source>REPORT_GROUP_LINE_TEXT</source>
        <translation>%1  %2 %3 %4</translation>
    </message>
    <message>
        <source>PELLIN_GROUP_LINE_TEXT</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>REPORT_TOTAL_TEXT</source>
        <translation>Totalt</translation>
    </message>
    <message>
        <source>REPORT_COUNT_TEXT</source>
        <translation>Antall poster: %1</translation>
    </message>
    <message>
        <source>TOVIK_REPORT_HEADER_TEXT</source>
        <translation>Gruppe                     Stk.   Innkjøp     Verdi</translation>
    </message>
    <message>
        <source>PELLIN_REPORT_HEADER_TEXT</source>
        <translation>Gruppe                      Anslått Salgspris</translation>
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
        <translation>tom: denne datamaskinen</translation>
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
        <translation>&amp;Bruker:</translation>
    </message>
    <message>
        <source>&amp;Adgangskode:</source>
        <translation>Passo&amp;rd:</translation>
    </message>
    <message>
        <source>Adgangskoden bruges kun til denne forbindelse og gemmes ingen steder.</source>
        <translation>Passordet brukes bare til denne forbindelsen og lagres ingen steder.</translation>
    </message>
    <message>
        <source>F&amp;orbind</source>
        <translation>&amp;Koble til</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
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
        <translation>PostgreSQL-driveren til Qt (QPSQL) er ikke installert.</translation>
    </message>
    <message>
        <source>Kan ikke forbinde til %1:
%2</source>
        <translation>Kan ikke koble til %1:
%2</translation>
    </message>
    <message>
        <source>Ingen server valgt.</source>
        <translation>Ingen server valgt.</translation>
    </message>
    <message>
        <source>Forbindelsen til serveren er afbrudt: %1</source>
        <translation>Forbindelsen til serveren er brutt: %1</translation>
    </message>
    <message>
        <source>serveren svarer ikke</source>
        <translation>serveren svarer ikke</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren.</source>
        <translation>Det er ingen forbindelse til serveren.</translation>
    </message>
    <message>
        <source>Databasen %1 har allerede et register.</source>
        <translation>Databasen %1 har allerede et register.</translation>
    </message>
    <message>
        <source>Registret kunne ikke kopieres til serveren:
%1</source>
        <translation>Registeret kunne ikke kopieres til serveren:
%1</translation>
    </message>
    <message>
        <source>Databasen %1 har intet register.</source>
        <translation>Databasen %1 har ikke noe register.</translation>
    </message>
    <message>
        <source>Registret på serveren er fra en nyere udgave af programmet.</source>
        <translation>Registeret på serveren er fra en nyere versjon av programmet.</translation>
    </message>
    <message>
        <source>Registret på serveren hører til en anden udgave af programmet.</source>
        <translation>Registeret på serveren hører til en annen utgave av programmet.</translation>
    </message>
    <message>
        <source>Registret kunne ikke læses fra serveren:
%1</source>
        <translation>Registeret kunne ikke leses fra serveren:
%1</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: der er ingen forbindelse til serveren. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>Endringen er ikke lagret: det er ingen forbindelse til serveren. Prøv igjen når forbindelsen er tilbake.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: forbindelsen til serveren er afbrudt. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>Endringen er ikke lagret: forbindelsen til serveren er brutt. Prøv igjen når forbindelsen er tilbake.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: et antal ville blive mindre end nul.</source>
        <translation>Endringen er ikke lagret: et antall ville blitt mindre enn null.</translation>
    </message>
    <message>
        <source>Ændringen er ikke gemt: %1</source>
        <translation>Endringen er ikke lagret: %1</translation>
    </message>
    <message>
        <source>Ændringerne er ikke gemt: en anden arbejdsplads har ændret &apos;%1&apos; imens. Alle ændringer er taget tilbage.</source>
        <translation>Endringene er ikke lagret: en annen arbeidsstasjon har endret &apos;%1&apos; i mellomtiden. Alle endringer er tatt tilbake.</translation>
    </message>
    <message>
        <source>Posten &apos;%1&apos; har et negativt antal (%2); ret det, før registret kopieres.</source>
        <translation>Posten &apos;%1&apos; har et negativt antall (%2); rett det før registeret kopieres.</translation>
    </message>
    <message>
        <source>Posten findes ikke på serveren.</source>
        <translation>Posten finnes ikke på serveren.</translation>
    </message>
    <message>
        <source>Der er ingen forbindelse til serveren, så intet er ændret. Prøv igen, når forbindelsen er tilbage.</source>
        <translation>Det er ingen forbindelse til serveren, så ingenting er endret. Prøv igjen når forbindelsen er tilbake.</translation>
    </message>
    <message>
        <source>Serveren kunne ikke spørges, så intet er ændret: %1</source>
        <translation>Serveren kunne ikke spørres, så ingenting er endret: %1</translation>
    </message>
    <message>
        <source>%1 er ændret på en anden arbejdsplads siden. For ikke at skrive hen over den ændring er intet ændret; posten viser nu den udgave, der står på serveren.</source>
        <translation>%1 er endret på en annen arbeidsplass siden. For ikke å skrive over den endringen er ingenting endret; posten viser nå utgaven som står på serveren.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Kan ikke kopiere eksempeldata til din mappe:
%1</source>
        <translation>Kan ikke kopiere eksempeldata til mappen din:
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
        <translation>Åpne skannerfil</translation>
    </message>
    <message>
        <source>location file (*.txt *.loc)</source>
        <translation>Skannerfil (*.txt *.loc)</translation>
    </message>
    <message>
        <source>File: does not exist</source>
        <translation>Filen finnes ikke:</translation>
    </message>
    <message>
        <source>Cannot open file %1 for reading</source>
        <translation>Filen %1 kan ikke åpnes for lesing</translation>
    </message>
    <message>
        <source>%1: %2 → %3 stk.</source>
        <translation>%1: %2 → %3 stk.</translation>
    </message>
    <message>
        <source>%1 → %2: %3 af %4</source>
        <translation>%1 → %2: %3 av %4</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>%1 → %2: %3 af %4, nyt lagernummer %5</source>
        <translation>%1 → %2: %3 av %4, nytt lagernummer %5</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en I-linje har 4)</source>
        <translation>Feil antall felt: %1 (en I-linje har 4)</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en F-linje har 5)</source>
        <translation>Feil antall felt: %1 (en F-linje har 5)</translation>
    </message>
    <message>
        <source>Forkert antal felter: %1 (en S-linje har 3 eller 4)</source>
        <translation>Feil antall felt: %1 (en S-linje har 3 eller 4)</translation>
    </message>
    <message>
        <source>Ukendt linjeart &quot;%1&quot; (I, F eller S)</source>
        <translation>Ukjent linjetype &quot;%1&quot; (I, F eller S)</translation>
    </message>
    <message>
        <source>Lagernummeret &quot;%1&quot; indeholder &quot;#&quot;</source>
        <translation>Lagernummeret &quot;%1&quot; inneholder &quot;#&quot;</translation>
    </message>
    <message>
        <source>Lagernummeret &quot;%1&quot; er ikke et tal</source>
        <translation>Lagernummeret &quot;%1&quot; er ikke et tall</translation>
    </message>
    <message>
        <source>Placeringen &quot;%1&quot; findes ikke (listen har %2)</source>
        <translation>Plasseringen &quot;%1&quot; finnes ikke (listen har %2)</translation>
    </message>
    <message>
        <source>Antallet &quot;%1&quot; er ikke et helt tal</source>
        <translation>Antallet &quot;%1&quot; er ikke et heltall</translation>
    </message>
    <message>
        <source>Antallet 0 ændrer intet</source>
        <translation>Antallet 0 endrer ingenting</translation>
    </message>
    <message>
        <source>Antallet skal være over 0, ikke %1</source>
        <translation>Antallet må være over 0, ikke %1</translation>
    </message>
    <message>
        <source>Lagernummer %1 findes ikke på %2</source>
        <translation>Lagernummer %1 finnes ikke på %2</translation>
    </message>
    <message>
        <source>Lagernummer %1 findes ikke</source>
        <translation>Lagernummer %1 finnes ikke</translation>
    </message>
    <message>
        <source>Lagernummer %1 står på %2 placeringer; brug en flytning (F)</source>
        <translation>Lagernummer %1 står på %2 plasseringer; bruk en flytting (F)</translation>
    </message>
    <message>
        <source>For få på lager: %1 stk., kan ikke trække %2 fra</source>
        <translation>For få på lager: %1 stk., kan ikke trekke fra %2</translation>
    </message>
    <message>
        <source>Antallet bliver for stort</source>
        <translation>Antallet blir for stort</translation>
    </message>
    <message>
        <source>Samme placering: %1</source>
        <translation>Samme plassering: %1</translation>
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
        <translation>For få på lager: %1 stk., kan ikke dele av %2</translation>
    </message>
    <message>
        <source>Copy of file: %1 to %2 failed</source>
        <translation>Filen %1 kunne ikke kopieres til %2</translation>
    </message>
    <message>
        <source>Filen %1 er ændret, siden den blev læst; den bliver liggende.</source>
        <translation>Filen %1 er endret siden den ble lest; den blir liggende.</translation>
    </message>
    <message>
        <source>Filen %1 kunne ikke slettes: %2</source>
        <translation>Filen %1 kunne ikke slettes: %2</translation>
    </message>
    <message>
        <source>Lagerændring</source>
        <translation>Lagerendring</translation>
    </message>
    <message>
        <source>Flytning</source>
        <translation>Flytting</translation>
    </message>
    <message>
        <source>Ny placering</source>
        <translation>Ny plassering</translation>
    </message>
    <message>
        <source>Opdeling</source>
        <translation>Deling</translation>
    </message>
    <message>
        <source>Ukendt</source>
        <translation>Ukjent</translation>
    </message>
    <message>
        <source>Scannerfil: %1</source>
        <translation>Skannerfil: %1</translation>
    </message>
    <message>
        <source>Kontrolleret: %1</source>
        <translation>Kontrollert: %1</translation>
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
    <message>
        <source>Unavngivet</source>
        <translation>Uten navn</translation>
    </message>
</context>
<context>
    <name>printSelectDataDialog</name>
    <message>
        <source>TOOLTIP_PRINT_TEXTFIELD_LENGTH</source>
        <translation>Antall tegn feltet tar opp i utskriften.</translation>
    </message>
    <message>
        <source>Vælg data til udskrivning</source>
        <translation>Velg data for utskrift</translation>
    </message>
    <message>
        <source>Mulige felter</source>
        <translation>Mulige felt</translation>
    </message>
    <message>
        <source>Felter som pt. ikke udskrives</source>
        <translation>Felt som ikke skrives ut nå</translation>
    </message>
    <message>
        <source>Valgte felter</source>
        <translation>Valgte felt</translation>
    </message>
    <message>
        <source>Disse felter vil blive udskrevet (rækkefølgen er pre-defineret)</source>
        <translation>Disse feltene skrives ut (rekkefølgen ligger fast)</translation>
    </message>
    <message>
        <source>&amp;Tilføj &gt;&gt;</source>
        <translation>&amp;Legg til &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Fje&amp;rn</source>
        <translation>&lt;&lt; Fje&amp;rn</translation>
    </message>
    <message>
        <source>Felt længde i udskrift</source>
        <translation>Feltlengde i utskrift</translation>
    </message>
    <message>
        <source>Sortering efter</source>
        <translation>Sortering etter</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Diverse</translation>
    </message>
    <message>
        <source>Udskriv kun gruppe</source>
        <translation>Skriv bare ut gruppe</translation>
    </message>
    <message>
        <source>Udskriv kun </source>
        <translation>Skriv bare ut </translation>
    </message>
    <message>
        <source>Felt separator i udskrift</source>
        <translation>Feltskilletegn i utskrift</translation>
    </message>
    <message>
        <source>Bestemmer den karakter som adskiller felterne i udskriften</source>
        <translation>Tegnet som skiller feltene i utskriften</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>ITEM_COUNT</source>
        <translation>Løpenummer</translation>
    </message>
    <message>
        <source>&apos;Adresse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>«Lengden på adressefeltet» må være et tall fra 1 til %2.</translation>
    </message>
    <message>
        <source>&apos;Beskrivelse felt længde&apos; skal være: 1 -&gt; %2</source>
        <translation>«Lengden på beskrivelsesfeltet» må være et tall fra 1 til %2.</translation>
    </message>
    <message>
        <source>Felt grænseværdi fejl</source>
        <translation>Ugyldig verdi</translation>
    </message>
    <message>
        <source>Ret det !</source>
        <translation>Rett det, og prøv igjen.</translation>
    </message>
</context>
<context>
    <name>setupdialog</name>
    <message>
        <source>SETUP_LIST_FILE</source>
        <translation>Listen lagres i filen: %1</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>WHATS_THIS_SETUP_DIALOG</source>
        <translation>Her vedlikeholdes en av databasens lister: grupper, lokaler eller leverandører. Tingene kjenner en gruppe eller et lokale på nummeret (plassen i listen), så et navn kan endres, men bare det siste ubrukte navnet kan slettes. Lagre eller OK skriver listen; Avbryt legger alt tilbake slik det var da vinduet ble åpnet.</translation>
    </message>
    <message>
        <source>TOOLTIP_LIST</source>
        <translation>Listens navn i nummerrekkefølge; velg et navn for å endre det</translation>
    </message>
    <message>
        <source>WHATS_THIS_LIST</source>
        <translation>Navnene i listen. Det første navnet har nummer 0, det neste nummer 1 osv. Tingene i databasen peker på navnene med disse numrene.</translation>
    </message>
    <message>
        <source>TOOLTIP_SELECTED</source>
        <translation>Det valgte navnet; endre det og trykk Lagre, eller skriv et nytt navn og trykk Legg til</translation>
    </message>
    <message>
        <source>WHATS_THIS_SELECTED</source>
        <translation>Skriv et nytt navn og trykk Legg til for å sette det sist i listen, eller endre det valgte navnet og trykk Lagre. Semikolon og tegn som listens fil ikke kan lagre, kan ikke brukes.</translation>
    </message>
    <message>
        <source>&amp;Gem</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>TOOLTIP_SAVE</source>
        <translation>Lagre det endrede navnet og skriv listen til filen</translation>
    </message>
    <message>
        <source>&amp;Slet</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>TOOLTIP_REMOVE</source>
        <translation>Slett det siste navnet i listen når ingen ting bruker det</translation>
    </message>
    <message>
        <source>&amp;Tilføj</source>
        <translation>Legg &amp;til</translation>
    </message>
    <message>
        <source>TOOLTIP_ADD</source>
        <translation>Sett navnet i feltet sist i listen</translation>
    </message>
    <message>
        <source>PRINT_BARCODE</source>
        <translation>Skriv ut strekkode&amp;etikett</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT_BARCODE</source>
        <translation>Skriv ut en strekkodeetikett med nummeret til det valgte lagerstedet</translation>
    </message>
    <message>
        <source>WHATSHIS_PRINT_LOCATION_BARCODE</source>
        <translation>Skriver ut en strekkodeetikett for det valgte lagerstedet på etikettskriveren. Etiketten bærer lagerstedets nummer, som strekkodeleseren bruker når varer flyttes.</translation>
    </message>
    <message>
        <source>SETUP_PRINT</source>
        <translation>Skriv ut &amp;etikett</translation>
    </message>
    <message>
        <source>TOOLTIP_PRINT</source>
        <translation>Skriv ut en strekkodeetikett med nummeret til det valgte navnet</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Hjælp</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Fortryd</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>Fejl indtastning</source>
        <translation>Ugyldig inntasting</translation>
    </message>
    <message>
        <source>SETUP_WARNING</source>
        <translation>Advarsel</translation>
    </message>
    <message>
        <source>SETUP_MAX_LIMIT_REACHED</source>
        <translation>Listen er full: den kan høyst inneholde %1 navn.</translation>
    </message>
    <message>
        <source>SETUP_NAME_EMPTY</source>
        <translation>Skriv et navn i feltet først: et navn i listen kan ikke være tomt.</translation>
    </message>
    <message>
        <source>Dette navn er allerede anvendt</source>
        <translation>Dette navnet er allerede brukt.</translation>
    </message>
    <message>
        <source>SETUP_NAME_NOT_STORABLE</source>
        <translation>Navnet inneholder tegnet %1, som listens fil ikke kan lagre.</translation>
    </message>
    <message>
        <source>Fejl</source>
        <translation>Feil</translation>
    </message>
    <message>
        <source>SETUP_DELETE_NOT_LAST</source>
        <translation>Bare det siste navnet i listen kan slettes: tingene kjenner navnene på nummeret, så alle ting under de etterfølgende navnene ville få det forrige navnet.

&quot;%1&quot; brukes av %2 ting. Gi det heller et nytt navn.</translation>
    </message>
    <message>
        <source>SETUP_DELETE_IN_USE</source>
        <translation>&quot;%1&quot; brukes av %2 ting og kan ikke slettes. Flytt dem først til et annet navn, eller gi det et nytt navn.</translation>
    </message>
    <message>
        <source>Fil fejl</source>
        <translation>Filfeil</translation>
    </message>
    <message>
        <source>SETUP_CANNOT_RESTORE</source>
        <translation>Listens fil kunne ikke legges tilbake slik den var da vinduet ble åpnet; den beholder de sist lagrede navnene.

%1</translation>
    </message>
    <message>
        <source>SETUP_ERROR</source>
        <translation>Oppsettfeil</translation>
    </message>
    <message>
        <source>NO_ITEM_SELECTED</source>
        <translation>Ingen navn er valgt i listen.</translation>
    </message>
</context>
</TS>
