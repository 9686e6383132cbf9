<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
  <context>
    <name>Central</name>
    <message>
      <source>the central column %1 is not of the type the journal's records are kept in</source>
      <translation>die zentrale Spalte %1 hat nicht den Typ, in dem die Wägungen des Journals geführt werden</translation>
    </message>
    <message>
      <source>the central column %1 holds a value of another size</source>
      <translation>die zentrale Spalte %1 enthält einen Wert anderer Größe</translation>
    </message>
    <message>
      <source>cannot read the central records</source>
      <translation>kann die zentralen Wägungen nicht lesen</translation>
    </message>
    <message>
      <source>a damaged one (%1)</source>
      <translation>ein beschädigter (%1)</translation>
    </message>
    <message>
      <source>%1 of station %2</source>
      <translation>%1 der Station %2</translation>
    </message>
    <message>
      <source>the verification key %1 (journal %2) is not registered for station %3: a person who compared it registers it with weighstation-records central-register --station %3 --fingerprint %4</source>
      <translation>der Prüfschlüssel %1 (Journal %2) ist nicht für die Station %3 registriert: eine Person, die ihn verglichen hat, registriert ihn mit weighstation-records central-register --station %3 --fingerprint %4</translation>
    </message>
    <message>
      <source>seq %1: not in the central copy (refused by it, or removed there)</source>
      <translation>Nr. %1: nicht in der zentralen Kopie (von ihr abgelehnt oder dort entfernt)</translation>
    </message>
    <message>
      <source>the journal %1 holds no record of station %2 (its records are of: %3)</source>
      <translation>das Journal %1 enthält keine Wägung der Station %2 (seine Wägungen sind von: %3)</translation>
    </message>
    <message>
      <source>seq %1: in the central copy, not in the journal</source>
      <translation>Nr. %1: in der zentralen Kopie, nicht im Journal</translation>
    </message>
    <message>
      <source>seq %1: differs from the central copy</source>
      <translation>Nr. %1: weicht von der zentralen Kopie ab</translation>
    </message>
    <message>
      <source>cannot read the central copy</source>
      <translation>kann die zentrale Kopie nicht lesen</translation>
    </message>
    <message>
      <source>the journal ends at seq %1, its central copy at seq %2 (records removed, or an older journal and head put back)</source>
      <translation>das Journal endet bei Nr. %1, seine zentrale Kopie bei Nr. %2 (Wägungen entfernt, oder ein älteres Journal samt Endvermerk zurückgelegt)</translation>
    </message>
    <message>
      <source>'%1' is not a postgresql:// connection URI</source>
      <translation>'%1' ist keine postgresql://-Verbindungs-URI</translation>
    </message>
    <message>
      <source>'%1' in the URI %2 cannot be passed to the server's connection (a name of letters and '_', a value without ';')</source>
      <translation>'%1' in der URI %2 kann nicht an die Verbindung zum Server übergeben werden (ein Name aus Buchstaben und '_', ein Wert ohne ';')</translation>
    </message>
    <message>
      <source>(not a URI)</source>
      <translation>(keine URI)</translation>
    </message>
    <message>
      <source>no PostgreSQL driver (QPSQL) is installed</source>
      <translation>kein PostgreSQL-Treiber (QPSQL) installiert</translation>
    </message>
    <message>
      <source>cannot %1</source>
      <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
      <source>cannot read the central tables</source>
      <translation>kann die zentralen Tabellen nicht lesen</translation>
    </message>
    <message>
      <source>the central database has no weigh_records table: its owner creates the tables with weighstation-records central-sql (a station never does)</source>
      <translation>die zentrale Datenbank hat keine Tabelle weigh_records: ihr Eigentümer legt die Tabellen mit weighstation-records central-sql an (eine Station nie)</translation>
    </message>
    <message>
      <source>the central table weigh_records has no weigh_schema_version beside it</source>
      <translation>neben der zentralen Tabelle weigh_records fehlt weigh_schema_version</translation>
    </message>
    <message>
      <source>the central tables have a newer version (%1) than this program's (%2)</source>
      <translation>die zentralen Tabellen haben eine neuere Version (%1) als dieses Programm (%2)</translation>
    </message>
    <message>
      <source>upgrade the central tables from version %1 (their owner can run weighstation-records central-sql --upgrade)</source>
      <translation>die zentralen Tabellen ab Version %1 aktualisieren (ihr Eigentümer kann weighstation-records central-sql --upgrade ausführen)</translation>
    </message>
    <message>
      <source>not a PostgreSQL connection (%1)</source>
      <translation>keine PostgreSQL-Verbindung (%1)</translation>
    </message>
    <message>
      <source>cannot read the central epoch keys</source>
      <translation>kann die zentralen Epochenschlüssel nicht lesen</translation>
    </message>
    <message>
      <source>cannot send the epoch keys</source>
      <translation>kann die Epochenschlüssel nicht senden</translation>
    </message>
    <message>
      <source>cannot claim journal %1</source>
      <translation>kann das Journal %1 nicht beanspruchen</translation>
    </message>
    <message>
      <source>cannot read the owner of journal %1</source>
      <translation>kann den Eigentümer des Journals %1 nicht lesen</translation>
    </message>
    <message>
      <source>journal %1 belongs to the role %2 in the central database, not to this station's</source>
      <translation>das Journal %1 gehört in der zentralen Datenbank der Rolle %2, nicht der dieser Station</translation>
    </message>
    <message>
      <source>cannot read the registered keys</source>
      <translation>kann die registrierten Schlüssel nicht lesen</translation>
    </message>
    <message>
      <source>cannot register the fingerprint</source>
      <translation>kann den Fingerabdruck nicht registrieren</translation>
    </message>
    <message>
      <source>cannot read the verification keys sent</source>
      <translation>kann die gesendeten Prüfschlüssel nicht lesen</translation>
    </message>
    <message>
      <source>seq %1 is held differently by the central database</source>
      <translation>Nr. %1 liegt in der zentralen Datenbank anders vor</translation>
    </message>
    <message>
      <source>records refused</source>
      <translation>Wägungen abgelehnt</translation>
    </message>
    <message>
      <source>central records: seq %1 refused: %2</source>
      <translation>zentrale Wägungen: Nr. %1 abgelehnt: %2</translation>
    </message>
    <message>
      <source>central records: journal %1 seq %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>zentrale Wägungen: Journal %1 Nr. %2 liegt in der zentralen Datenbank anders vor (ein Konflikt, so belassen)</translation>
    </message>
    <message>
      <source>the central chain is read on a connection of its own, not inside a transaction</source>
      <translation>die zentrale Kette wird auf einer eigenen Verbindung gelesen, nicht innerhalb einer Transaktion</translation>
    </message>
    <message>
      <source>cannot send the desk's transactions</source>
      <translation>kann die Vorgänge des Wiegeplatzes nicht senden</translation>
    </message>
    <message>
      <source>cannot read the central transactions</source>
      <translation>kann die zentralen Vorgänge nicht lesen</translation>
    </message>
    <message>
      <source>central records: journal %1 transaction %2 is held differently by the central database (a conflict, left as it is)</source>
      <translation>zentrale Wägungen: Journal %1 Vorgang %2 liegt in der zentralen Datenbank anders vor (ein Konflikt, so belassen)</translation>
    </message>
  </context>
  <context>
    <name>Desk</name>
    <message>
      <source>cannot make the folder of %1</source>
      <translation>kann den Ordner von %1 nicht anlegen</translation>
    </message>
    <message>
      <source>cannot open the desk's data %1</source>
      <translation>kann die Stammdaten des Wiegeplatzes %1 nicht öffnen</translation>
    </message>
    <message>
      <source>cannot make the desk's tables</source>
      <translation>kann die Tabellen des Wiegeplatzes nicht anlegen</translation>
    </message>
    <message>
      <source>cannot read the desk's data</source>
      <translation>kann die Stammdaten des Wiegeplatzes nicht lesen</translation>
    </message>
    <message>
      <source>a row of %1 takes %2 values, its key first</source>
      <translation>eine Zeile von %1 nimmt die Werte %2, den Schlüssel zuerst</translation>
    </message>
    <message>
      <source>cannot write the desk's data</source>
      <translation>kann die Stammdaten des Wiegeplatzes nicht schreiben</translation>
    </message>
    <message>
      <source>%1 holds no %2</source>
      <translation>%1 enthält kein %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>kann %1 nicht lesen: %2</translation>
    </message>
    <message>
      <source>%1, line %2: not a CSV field</source>
      <translation>%1, Zeile %2: kein CSV-Feld</translation>
    </message>
    <message>
      <source>%1 does not begin with the columns %2</source>
      <translation>%1 beginnt nicht mit den Spalten %2</translation>
    </message>
    <message>
      <source>%1, row %2: %3 values, not %4</source>
      <translation>%1, Zeile %2: %3 Werte, nicht %4</translation>
    </message>
    <message>
      <source>this weighing needs the vehicle's registration</source>
      <translation>diese Wägung braucht das Kennzeichen des Fahrzeugs</translation>
    </message>
    <message>
      <source>vehicle %1 is not registered: check the registration, or add the vehicle first</source>
      <translation>Fahrzeug %1 ist nicht erfasst: Kennzeichen prüfen oder das Fahrzeug zuerst anlegen</translation>
    </message>
    <message>
      <source>the journal holds no record %1</source>
      <translation>das Journal enthält keine Wägung %1</translation>
    </message>
    <message>
      <source>record %1 was taken at station %2, not at this station (%3)</source>
      <translation>Wägung %1 wurde an Station %2 genommen, nicht an dieser Station (%3)</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>Wägung %1 ist bereits an Vorgang %2 gebunden</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct, and the site names none (the setting desk_supervisors)</source>
      <translation>nur eine Aufsicht darf stornieren oder korrigieren, und der Standort nennt keine (die Einstellung desk_supervisors)</translation>
    </message>
    <message>
      <source>only a supervisor may void or correct (%1), not %2</source>
      <translation>nur eine Aufsicht darf stornieren oder korrigieren (%1), nicht %2</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare</source>
      <translation>Fahrzeug %1 hat keine gespeicherte Tara</translation>
    </message>
    <message>
      <source>vehicle %1 has no stored tare with container %2</source>
      <translation>Fahrzeug %1 hat keine gespeicherte Tara mit Behälter %2</translation>
    </message>
    <message>
      <source>the stored tare of vehicle %1 (transaction %2) expired on %3: weigh it empty and store its tare again</source>
      <translation>die gespeicherte Tara von Fahrzeug %1 (Vorgang %2) lief am %3 ab: leer wiegen und die Tara neu speichern</translation>
    </message>
    <message>
      <source>a first weighing is inbound (in) or outbound (out), not "%1"</source>
      <translation>eine Erstwägung ist eingehend (in) oder ausgehend (out), nicht „%1“</translation>
    </message>
    <message>
      <source>vehicle %1 is on site already (transaction %2): weigh it out first</source>
      <translation>Fahrzeug %1 ist bereits auf dem Gelände (Vorgang %2): zuerst auswiegen</translation>
    </message>
    <message>
      <source>no vehicle on site has the interim ticket %1</source>
      <translation>kein Fahrzeug auf dem Gelände hat den Zwischenbeleg %1</translation>
    </message>
    <message>
      <source>vehicle %1 is not on site: no first weighing is open for it</source>
      <translation>Fahrzeug %1 ist nicht auf dem Gelände: keine Erstwägung ist für es offen</translation>
    </message>
    <message>
      <source>vehicle %1 was weighed in %2 hours before this weighing: check that the interim ticket was its own</source>
      <translation>Fahrzeug %1 wurde %2 Stunden vor dieser Wägung eingewogen: prüfen, ob der Zwischenbeleg sein eigener war</translation>
    </message>
    <message>
      <source>transaction %1 is a void: it stands</source>
      <translation>Vorgang %1 ist ein Storno: er bleibt bestehen</translation>
    </message>
    <message>
      <source>transaction %1 was closed, voided or corrected by transaction %2 already</source>
      <translation>Vorgang %1 wurde bereits durch Vorgang %2 abgeschlossen, storniert oder korrigiert</translation>
    </message>
    <message>
      <source>the journal holds no transaction %1</source>
      <translation>das Journal enthält keinen Vorgang %1</translation>
    </message>
    <message>
      <source>a void needs its reason</source>
      <translation>ein Storno braucht seinen Grund</translation>
    </message>
    <message>
      <source>transaction %1 is no live weighing to correct</source>
      <translation>Vorgang %1 ist keine gültige Wägung, die korrigiert werden kann</translation>
    </message>
    <message>
      <source>a correction needs its reason</source>
      <translation>eine Korrektur braucht ihren Grund</translation>
    </message>
    <message>
      <source>Weighing Desk</source>
      <translation>Wiegeplatz</translation>
    </message>
    <message>
      <source>Single weighing</source>
      <translation>Einzelwägung</translation>
    </message>
    <message>
      <source>With the stored tare</source>
      <translation>Mit gespeicherter Tara</translation>
    </message>
    <message>
      <source>Store the vehicle's tare</source>
      <translation>Tara des Fahrzeugs speichern</translation>
    </message>
    <message>
      <source>First weighing, inbound</source>
      <translation>Erstwägung, eingehend</translation>
    </message>
    <message>
      <source>First weighing, outbound</source>
      <translation>Erstwägung, ausgehend</translation>
    </message>
    <message>
      <source>Second weighing</source>
      <translation>Zweitwägung</translation>
    </message>
    <message>
      <source>Kind</source>
      <translation>Art</translation>
    </message>
    <message>
      <source>Interim ticket or registration</source>
      <translation>Zwischenbeleg oder Kennzeichen</translation>
    </message>
    <message>
      <source>Vehicle</source>
      <translation>Fahrzeug</translation>
    </message>
    <message>
      <source>Container</source>
      <translation>Behälter</translation>
    </message>
    <message>
      <source>Customer</source>
      <translation>Kunde</translation>
    </message>
    <message>
      <source>Product</source>
      <translation>Produkt</translation>
    </message>
    <message>
      <source>Haulier</source>
      <translation>Spediteur</translation>
    </message>
    <message>
      <source>Reference</source>
      <translation>Referenz</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Bediener</translation>
    </message>
    <message>
      <source>Note</source>
      <translation>Vermerk</translation>
    </message>
    <message>
      <source>Prepare for the next record</source>
      <translation>Für die nächste Wägung vorbereiten</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Vehicles on site</source>
      <translation>Fahrzeuge auf dem Gelände</translation>
    </message>
    <message>
      <source>Latest records</source>
      <translation>Letzte Wägungen</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nr.</translation>
    </message>
    <message>
      <source>Taken</source>
      <translation>Genommen</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Summe</translation>
    </message>
    <message>
      <source>Transaction</source>
      <translation>Vorgang</translation>
    </message>
    <message>
      <source>Bind the selected record to the prepared transaction</source>
      <translation>Die gewählte Wägung an den vorbereiteten Vorgang binden</translation>
    </message>
    <message>
      <source>Transactions</source>
      <translation>Vorgänge</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Netto</translation>
    </message>
    <message>
      <source>State</source>
      <translation>Stand</translation>
    </message>
    <message>
      <source>Print again</source>
      <translation>Erneut drucken</translation>
    </message>
    <message>
      <source>Void...</source>
      <translation>Stornieren...</translation>
    </message>
    <message>
      <source>Correct with the form's data...</source>
      <translation>Mit den Daten des Formulars korrigieren...</translation>
    </message>
    <message>
      <source>Tickets waiting to print</source>
      <translation>Belege, die auf den Druck warten</translation>
    </message>
    <message>
      <source>&amp;Tickets</source>
      <translation>&amp;Belege</translation>
    </message>
    <message>
      <source>Choose the printer...</source>
      <translation>Drucker wählen...</translation>
    </message>
    <message>
      <source>Tickets go to the %1.</source>
      <translation>Belege gehen an: %1.</translation>
    </message>
    <message>
      <source>Print to a folder of PDF files...</source>
      <translation>In einen Ordner mit PDF-Dateien drucken...</translation>
    </message>
    <message>
      <source>Folder for the tickets</source>
      <translation>Ordner für die Belege</translation>
    </message>
    <message>
      <source>Page size</source>
      <translation>Seitengröße</translation>
    </message>
    <message>
      <source>Print the waiting tickets</source>
      <translation>Wartende Belege drucken</translation>
    </message>
    <message>
      <source>Check the journal again</source>
      <translation>Journal erneut prüfen</translation>
    </message>
    <message>
      <source>&amp;Data</source>
      <translation>&amp;Stammdaten</translation>
    </message>
    <message>
      <source>Edit the %1...</source>
      <translation>%1 bearbeiten...</translation>
    </message>
    <message>
      <source>Waiting for the journal %1: the monitor makes it with its first record.</source>
      <translation>Warten auf das Journal %1: der Monitor legt es mit seiner ersten Wägung an.</translation>
    </message>
    <message>
      <source>The desk cannot use the journal: %1</source>
      <translation>Der Wiegeplatz kann das Journal nicht nutzen: %1</translation>
    </message>
    <message>
      <source>Following the journal %1; tickets go to the %2.</source>
      <translation>Folgt dem Journal %1; Belege gehen an: %2.</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered, and this site weighs only registered vehicles.

Add it to the vehicles list?</source>
      <translation>Fahrzeug %1 ist nicht erfasst, und dieser Standort wiegt nur erfasste Fahrzeuge.

Zur Fahrzeugliste hinzufügen?</translation>
    </message>
    <message>
      <source>Vehicle %1 is not registered.

Add it to the vehicles list? (No weighs it as a temporary vehicle.)</source>
      <translation>Fahrzeug %1 ist nicht erfasst.

Zur Fahrzeugliste hinzufügen? (Nein wiegt es als vorübergehendes Fahrzeug.)</translation>
    </message>
    <message>
      <source>A second weighing needs its interim ticket (scan it) or the vehicle's registration.</source>
      <translation>Eine Zweitwägung braucht ihren Zwischenbeleg (scannen) oder das Kennzeichen des Fahrzeugs.</translation>
    </message>
    <message>
      <source>Waiting for the next record of station %1: press RECORD NOW on the monitor.</source>
      <translation>Warten auf die nächste Wägung von Station %1: am Monitor JETZT BUCHEN drücken.</translation>
    </message>
    <message>
      <source>Record %1 is not bound: %2</source>
      <translation>Wägung %1 ist nicht gebunden: %2</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket went to the %2.</source>
      <translation>Vorgang %1 versiegelt; sein Beleg ging an: %2.</translation>
    </message>
    <message>
      <source>Transaction %1 sealed; its ticket waits to print: %2</source>
      <translation>Vorgang %1 versiegelt; sein Beleg wartet auf den Druck: %2</translation>
    </message>
    <message>
      <source>Void transaction %1</source>
      <translation>Vorgang %1 stornieren</translation>
    </message>
    <message>
      <source>Why is transaction %1 void? (It stays in the journal, marked VOID.)</source>
      <translation>Warum wird Vorgang %1 storniert? (Er bleibt im Journal, als VOID markiert.)</translation>
    </message>
    <message>
      <source>Correct transaction %1</source>
      <translation>Vorgang %1 korrigieren</translation>
    </message>
    <message>
      <source>Transaction %1 is replaced by one with the form's data and its own records and weights. Why?</source>
      <translation>Vorgang %1 wird durch einen mit den Daten des Formulars und seinen eigenen Wägungen und Gewichten ersetzt. Warum?</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (Vorgang %1)</translation>
    </message>
    <message>
      <source>replaced by %1</source>
      <translation>ersetzt durch %1</translation>
    </message>
    <message>
      <source>closed by %1</source>
      <translation>abgeschlossen durch %1</translation>
    </message>
    <message>
      <source>%1, in since %2, interim ticket %3</source>
      <translation>%1, auf dem Gelände seit %2, Zwischenbeleg %3</translation>
    </message>
    <message>
      <source>Transaction %1</source>
      <translation>Vorgang %1</translation>
    </message>
    <message>
      <source>The journal fails its check: %1. Tickets print marked UNVERIFIED.</source>
      <translation>Das Journal besteht seine Prüfung nicht: %1. Belege werden als UNVERIFIED markiert gedruckt.</translation>
    </message>
    <message>
      <source>Weighing Desk: %1</source>
      <translation>Wiegeplatz: %1</translation>
    </message>
    <message>
      <source>Import CSV...</source>
      <translation>CSV einlesen...</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Als CSV exportieren...</translation>
    </message>
    <message>
      <source>Add a row</source>
      <translation>Zeile hinzufügen</translation>
    </message>
    <message>
      <source>Remove the row</source>
      <translation>Zeile entfernen</translation>
    </message>
    <message>
      <source>Import %1</source>
      <translation>%1 einlesen</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>Export %1</source>
      <translation>%1 ausgeben</translation>
    </message>
    <message>
      <source>printer %1</source>
      <translation>Drucker %1</translation>
    </message>
    <message>
      <source>folder %1</source>
      <translation>Ordner %1</translation>
    </message>
    <message>
      <source>nowhere chosen yet</source>
      <translation>noch nirgends gewählt</translation>
    </message>
    <message>
      <source>no printer or folder is chosen for the tickets (Tickets menu)</source>
      <translation>für die Belege ist kein Drucker und kein Ordner gewählt (Menü Belege)</translation>
    </message>
    <message>
      <source>the printer %1 is not there</source>
      <translation>der Drucker %1 ist nicht da</translation>
    </message>
    <message>
      <source>the printer %1 cannot print</source>
      <translation>der Drucker %1 kann nicht drucken</translation>
    </message>
    <message>
      <source>The weighing desk: transactions on the monitor's records, their tickets printed.</source>
      <translation>Der Wiegeplatz: Vorgänge auf den Wägungen des Monitors, ihre Belege gedruckt.</translation>
    </message>
    <message>
      <source>The journal (default: the setting).</source>
      <translation>Das Journal (Vorgabe: die Einstellung).</translation>
    </message>
    <message>
      <source>Its key (default: the setting).</source>
      <translation>Sein Schlüssel (Vorgabe: die Einstellung).</translation>
    </message>
    <message>
      <source>Print the tickets as PDF files into FOLDER.</source>
      <translation>Die Belege als PDF-Dateien in FOLDER drucken.</translation>
    </message>
    <message>
      <source>%1 transactions, net %2</source>
      <translation>%1 Vorgänge, netto %2</translation>
    </message>
    <message>
      <source>Group</source>
      <translation>Gruppe</translation>
    </message>
    <message>
      <source>Sealed</source>
      <translation>Versiegelt</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brutto</translation>
    </message>
    <message>
      <source>Tare</source>
      <translation>Tara</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Einheit</translation>
    </message>
    <message>
      <source>Transactions per shift</source>
      <translation>Vorgänge je Schicht</translation>
    </message>
    <message>
      <source>Transactions per day</source>
      <translation>Vorgänge je Tag</translation>
    </message>
    <message>
      <source>Transactions per customer</source>
      <translation>Vorgänge je Kunde</translation>
    </message>
    <message>
      <source>Transactions per product</source>
      <translation>Vorgänge je Produkt</translation>
    </message>
    <message>
      <source>Transactions per vehicle</source>
      <translation>Vorgänge je Fahrzeug</translation>
    </message>
    <message>
      <source>no journal at %1: the monitor makes it with its first record</source>
      <translation>kein Journal unter %1: der Monitor legt es mit seiner ersten Wägung an</translation>
    </message>
  </context>
  <context>
    <name>Journal</name>
    <message>
      <source>1 record</source>
      <translation>1 Datensatz</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 Datensätze</translation>
    </message>
    <message>
      <source>cannot open the journal %1</source>
      <translation>kann das Journal %1 nicht öffnen</translation>
    </message>
    <message>
      <source>the journal %1 cannot be put in WAL mode</source>
      <translation>das Journal %1 kann nicht in den WAL-Modus versetzt werden</translation>
    </message>
    <message>
      <source>no journal at %1</source>
      <translation>kein Journal unter %1</translation>
    </message>
    <message>
      <source>cannot read the journal %1: its write-ahead log %2 holds records, and without a shared-memory file (%3) it can only be read from a folder that can be written: copy the journal with its -wal file to one</source>
      <translation>kann das Journal %1 nicht lesen: sein Write-Ahead-Log %2 enthält Wägungen, und ohne Shared-Memory-Datei (%3) ist es nur aus einem beschreibbaren Ordner lesbar: das Journal mit seiner -wal-Datei in einen solchen kopieren</translation>
    </message>
    <message>
      <source>not a journal head</source>
      <translation>kein Endvermerk eines Journals</translation>
    </message>
    <message>
      <source>not sealed with this key</source>
      <translation>nicht mit diesem Schlüssel versiegelt</translation>
    </message>
    <message>
      <source>cannot make the key's folder %1</source>
      <translation>kann den Ordner des Schlüssels %1 nicht anlegen</translation>
    </message>
    <message>
      <source>cannot write the key %1: %2</source>
      <translation>kann den Schlüssel %1 nicht schreiben: %2</translation>
    </message>
    <message>
      <source>cannot read the key %1: %2</source>
      <translation>kann den Schlüssel %1 nicht lesen: %2</translation>
    </message>
    <message>
      <source>the key %1 is not a key: it is larger than %2 bytes</source>
      <translation>der Schlüssel %1 ist kein Schlüssel: er ist größer als %2 Bytes</translation>
    </message>
    <message>
      <source>the key %1 is not %2 bytes in hex</source>
      <translation>der Schlüssel %1 ist nicht %2 Bytes in Hex</translation>
    </message>
    <message>
      <source>no head at %1 (%2)</source>
      <translation>kein Endvermerk unter %1 (%2)</translation>
    </message>
    <message>
      <source>the head %1 is %2</source>
      <translation>der Endvermerk %1 ist %2</translation>
    </message>
    <message>
      <source>cannot make the head's folder %1</source>
      <translation>kann den Ordner des Endvermerks %1 nicht anlegen</translation>
    </message>
    <message>
      <source>cannot open the head %1: %2</source>
      <translation>kann den Endvermerk %1 nicht öffnen: %2</translation>
    </message>
    <message>
      <source>cannot write the journal's head: %1</source>
      <translation>kann den Endvermerk des Journals nicht schreiben: %1</translation>
    </message>
    <message>
      <source>cannot read the journal</source>
      <translation>kann das Journal nicht lesen</translation>
    </message>
    <message>
      <source>the journal gave no answer</source>
      <translation>das Journal gab keine Antwort</translation>
    </message>
    <message>
      <source>cannot read the journal %1</source>
      <translation>kann das Journal %1 nicht lesen</translation>
    </message>
    <message>
      <source>%1 is not a record journal of format 1 or %2</source>
      <translation>%1 ist kein Wägejournal des Formats 1 oder %2</translation>
    </message>
    <message>
      <source>cannot read the epoch keys of %1</source>
      <translation>kann die Epochenschlüssel von %1 nicht lesen</translation>
    </message>
    <message>
      <source>cannot read the journal %1 through SQLite</source>
      <translation>kann das Journal %1 nicht über SQLite lesen</translation>
    </message>
    <message>
      <source>no record %1</source>
      <translation>keine Wägung %1</translation>
    </message>
    <message>
      <source>no record of the journal went to the workbook %1</source>
      <translation>keine Wägung des Journals ging in die Arbeitsmappe %1</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' ist kein Datum (yyyy-MM-dd, wahlweise mit THH:mm[:ss])</translation>
    </message>
    <message>
      <source>no journal at %1 and no key at %2: nothing to retire (the monitor makes a new journal at its first record)</source>
      <translation>kein Journal unter %1 und kein Schlüssel unter %2: nichts stillzulegen (der Monitor legt bei seiner ersten Wägung ein neues Journal an)</translation>
    </message>
    <message>
      <source>the journal %1 is open in process %2: end the monitor (and every viewer) first</source>
      <translation>das Journal %1 ist im Prozess %2 geöffnet: zuerst den Monitor (und jeden Betrachter) beenden</translation>
    </message>
    <message>
      <source>cannot retire the journal: %1 exists already</source>
      <translation>kann das Journal nicht stilllegen: %1 existiert bereits</translation>
    </message>
    <message>
      <source>cannot erase the signing secrets of the journal retired: %1 (nothing renamed)</source>
      <translation>kann die Signiergeheimnisse des stillgelegten Journals nicht löschen: %1 (nichts umbenannt)</translation>
    </message>
    <message>
      <source>cannot rename %1 to %2: %3 (renamed before it: %4)</source>
      <translation>kann %1 nicht in %2 umbenennen: %3 (davor umbenannt: %4)</translation>
    </message>
    <message>
      <source>cannot write %1: no folder %2</source>
      <translation>kann %1 nicht schreiben: kein Ordner %2</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
      <source>%1: refused, it is the record journal's file %2 (nothing written)</source>
      <translation>%1: abgelehnt, es ist die Datei %2 des Wägejournals (nichts geschrieben)</translation>
    </message>
    <message>
      <source>%1: refused, it bears the name of the record journal's files (a key, a head, a retired journal; nothing written)</source>
      <translation>%1: abgelehnt, es trägt den Namen der Dateien des Wägejournals (ein Schlüssel, ein Endvermerk, ein stillgelegtes Journal; nichts geschrieben)</translation>
    </message>
    <message>
      <source>cannot read %1: %2</source>
      <translation>kann %1 nicht lesen: %2</translation>
    </message>
    <message>
      <source>%1 is not a key file: it is larger than %2 bytes</source>
      <translation>%1 ist keine Schlüsseldatei: sie ist größer als %2 Bytes</translation>
    </message>
    <message>
      <source>not a verification key of format 2</source>
      <translation>kein Prüfschlüssel des Formats 2</translation>
    </message>
    <message>
      <source>its root key is not %1 bytes in hex</source>
      <translation>sein Wurzelschlüssel ist nicht %1 Bytes in Hex</translation>
    </message>
    <message>
      <source>its fingerprint line does not match its key (changed)</source>
      <translation>seine Fingerabdruckzeile passt nicht zu seinem Schlüssel (geändert)</translation>
    </message>
    <message>
      <source>its format line is not signed by its root (changed)</source>
      <translation>seine Formatzeile ist nicht von seiner Wurzel signiert (geändert)</translation>
    </message>
    <message>
      <source>the verification key %1</source>
      <translation>der Prüfschlüssel %1</translation>
    </message>
    <message>
      <source>cannot make a signing key: no random source</source>
      <translation>kann keinen Signierschlüssel erzeugen: keine Zufallsquelle</translation>
    </message>
    <message>
      <source>cannot make the folder %1</source>
      <translation>kann den Ordner %1 nicht anlegen</translation>
    </message>
    <message>
      <source>cannot read the signing keys %1: %2</source>
      <translation>kann die Signierschlüssel %1 nicht lesen: %2</translation>
    </message>
    <message>
      <source>the signing keys %1 may be read by others (mode %2): they must be mode 0600</source>
      <translation>die Signierschlüssel %1 sind für andere lesbar (Modus %2): sie müssen Modus 0600 haben</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: </source>
      <translation>die Signierschlüssel %1 sind beschädigt: </translation>
    </message>
    <message>
      <source>not signing keys of format 2</source>
      <translation>keine Signierschlüssel des Formats 2</translation>
    </message>
    <message>
      <source>line %1 is not an epoch key</source>
      <translation>Zeile %1 ist kein Epochenschlüssel</translation>
    </message>
    <message>
      <source>no epoch keys</source>
      <translation>keine Epochenschlüssel</translation>
    </message>
    <message>
      <source>cannot erase past signing keys in %1: %2</source>
      <translation>kann vergangene Signierschlüssel in %1 nicht löschen: %2</translation>
    </message>
    <message>
      <source>the station's clock is %1 epochs ahead of the signing keys' last use (epoch %2, until %3): if the clock is right, a person confirms it with weighstation-records confirm-clock and starts the monitor again; if not, set the clock right</source>
      <translation>die Uhr der Station liegt %1 Epochen vor der letzten Nutzung der Signierschlüssel (Epoche %2, bis %3): stimmt die Uhr, bestätigt eine Person dies mit weighstation-records confirm-clock und startet den Monitor neu; sonst die Uhr richtig stellen</translation>
    </message>
    <message>
      <source>the signing keys end on %1: retire the journal with weighstation-records new-journal before then</source>
      <translation>die Signierschlüssel enden am %1: das Journal vorher mit weighstation-records new-journal stilllegen</translation>
    </message>
    <message>
      <source>not a weighstation ticket code of format 2</source>
      <translation>kein weighstation-Wiegescheincode des Formats 2</translation>
    </message>
    <message>
      <source>the code is cut or has extra parts (%1 of %2 fields)</source>
      <translation>der Code ist abgeschnitten oder hat zusätzliche Teile (%1 von %2 Feldern)</translation>
    </message>
    <message>
      <source>a part of the code is not what a ticket holds (cut, or a changed character?)</source>
      <translation>ein Teil des Codes ist nicht, was ein Wiegeschein enthält (abgeschnitten oder ein geändertes Zeichen?)</translation>
    </message>
    <message>
      <source>its epoch key is not certified by the verification key %1 (station %2): another station's ticket, or changed</source>
      <translation>sein Epochenschlüssel ist nicht vom Prüfschlüssel %1 (Station %2) beglaubigt: der Wiegeschein einer anderen Station, oder geändert</translation>
    </message>
    <message>
      <source>it is dated outside the epoch that sealed it</source>
      <translation>er ist außerhalb der Epoche datiert, die ihn versiegelte</translation>
    </message>
    <message>
      <source>its signature does not match what it says (a changed digit?)</source>
      <translation>seine Signatur passt nicht zu dem, was er angibt (eine geänderte Ziffer?)</translation>
    </message>
    <message>
      <source>cannot sync %1: %2</source>
      <translation>kann %1 nicht auf die Platte schreiben: %2</translation>
    </message>
    <message>
      <source>cannot read the head %1: %2</source>
      <translation>kann den Endvermerk %1 nicht lesen: %2</translation>
    </message>
    <message>
      <source>the head %1 is empty</source>
      <translation>der Endvermerk %1 ist leer</translation>
    </message>
    <message>
      <source>cannot copy %1 to %2</source>
      <translation>kann %1 nicht nach %2 kopieren</translation>
    </message>
    <message>
      <source>cannot name %1 %2: %3</source>
      <translation>kann %1 nicht %2 nennen: %3</translation>
    </message>
    <message>
      <source>cannot check %1</source>
      <translation>kann %1 nicht prüfen</translation>
    </message>
    <message>
      <source>%1 does not check intact (%2): %3</source>
      <translation>%1 besteht die Prüfung nicht (%2): %3</translation>
    </message>
    <message>
      <source>%1 is not a backup's manifest</source>
      <translation>%1 ist kein Manifest einer Sicherung</translation>
    </message>
    <message>
      <source>%1 is not a whole backup manifest</source>
      <translation>%1 ist kein vollständiges Sicherungsmanifest</translation>
    </message>
    <message>
      <source>cannot copy the journal %1 to %2: %3</source>
      <translation>kann das Journal %1 nicht nach %2 kopieren: %3</translation>
    </message>
    <message>
      <source>the backup folder %1 is missing (is its disk mounted?)</source>
      <translation>der Sicherungsordner %1 fehlt (ist sein Datenträger eingehängt?)</translation>
    </message>
    <message>
      <source>the backup folder %1 is the station's own folder %2</source>
      <translation>der Sicherungsordner %1 ist der eigene Ordner der Station %2</translation>
    </message>
    <message>
      <source>the last backup is kept; a person looks at it</source>
      <translation>die letzte Sicherung bleibt erhalten; eine Person sieht sie sich an</translation>
    </message>
    <message>
      <source>the copy</source>
      <translation>die Kopie</translation>
    </message>
    <message>
      <source>no backup made; verify the journal</source>
      <translation>keine Sicherung angelegt; das Journal prüfen</translation>
    </message>
    <message>
      <source>the journal holds %1 records, its last backup %2: the last backup is kept; verify the journal</source>
      <translation>das Journal enthält %1 Wägungen, seine letzte Sicherung %2: die letzte Sicherung bleibt erhalten; das Journal prüfen</translation>
    </message>
    <message>
      <source>the last good backup of journal %1 in %2 was made %3</source>
      <translation>die letzte gute Sicherung des Journals %1 in %2 wurde %3 angelegt</translation>
    </message>
    <message>
      <source>journal %1 has no good backup in %2</source>
      <translation>das Journal %1 hat keine gute Sicherung in %2</translation>
    </message>
    <message>
      <source>a journal is at %1: a journal is never replaced; move it away first, or retire it with weighstation-records new-journal</source>
      <translation>unter %1 liegt ein Journal: ein Journal wird nie ersetzt; zuerst wegräumen oder mit weighstation-records new-journal stilllegen</translation>
    </message>
    <message>
      <source>%1 is not a finished backup</source>
      <translation>%1 ist keine fertige Sicherung</translation>
    </message>
    <message>
      <source>the backup was sealed under another verification key (fingerprint %1; the station's is %2)</source>
      <translation>die Sicherung wurde unter einem anderen Prüfschlüssel versiegelt (Fingerabdruck %1; der der Station ist %2)</translation>
    </message>
    <message>
      <source>the backup</source>
      <translation>die Sicherung</translation>
    </message>
    <message>
      <source>nothing restored</source>
      <translation>nichts wiederhergestellt</translation>
    </message>
    <message>
      <source>cannot write %1</source>
      <translation>kann %1 nicht schreiben</translation>
    </message>
    <message>
      <source>cannot write %1: cannot add a sheet</source>
      <translation>kann %1 nicht schreiben: kann kein Blatt hinzufügen</translation>
    </message>
    <message>
      <source>cannot make the journal's folder %1</source>
      <translation>kann den Ordner des Journals %1 nicht anlegen</translation>
    </message>
    <message>
      <source>is missing</source>
      <translation>fehlt</translation>
    </message>
    <message>
      <source>is empty</source>
      <translation>ist leer</translation>
    </message>
    <message>
      <source>is another journal (%1)</source>
      <translation>ist ein anderes Journal (%1)</translation>
    </message>
    <message>
      <source>the journal %1 %2; its key sealed %3 records of journal %4</source>
      <translation>das Journal %1 %2; sein Schlüssel versiegelte %3 Wägungen des Journals %4</translation>
    </message>
    <message>
      <source>cannot lock the journal</source>
      <translation>kann das Journal nicht sperren</translation>
    </message>
    <message>
      <source>cannot set the journal up</source>
      <translation>kann das Journal nicht einrichten</translation>
    </message>
    <message>
      <source>cannot read the journal's identity</source>
      <translation>kann die Kennung des Journals nicht lesen</translation>
    </message>
    <message>
      <source>the journal %1 has format '%2', not 1 or %3</source>
      <translation>das Journal %1 hat das Format '%2', nicht 1 oder %3</translation>
    </message>
    <message>
      <source>cannot read the journal's end</source>
      <translation>kann das Ende des Journals nicht lesen</translation>
    </message>
    <message>
      <source>the journal %1 ends at seq %2, but its verification key was made for format 2 after seq %3 (another monitor wrote on): start the monitor again</source>
      <translation>das Journal %1 endet bei Nr. %2, aber sein Prüfschlüssel wurde für Format 2 nach Nr. %3 erzeugt (ein anderer Monitor schrieb weiter): den Monitor neu starten</translation>
    </message>
    <message>
      <source>cannot continue the journal in format 2</source>
      <translation>kann das Journal nicht im Format 2 fortsetzen</translation>
    </message>
    <message>
      <source>the signing keys %1 are damaged: epoch %2 is not certified by its root</source>
      <translation>die Signierschlüssel %1 sind beschädigt: die Epoche %2 ist nicht von ihrer Wurzel beglaubigt</translation>
    </message>
    <message>
      <source>the signing secret of epoch %1 is not in %2</source>
      <translation>das Signiergeheimnis der Epoche %1 ist nicht in %2</translation>
    </message>
    <message>
      <source>the journal %1 fails its check: </source>
      <translation>das Journal %1 besteht seine Prüfung nicht: </translation>
    </message>
    <message>
      <source>the head %1 is not signed by its epoch's key</source>
      <translation>der Endvermerk %1 ist nicht mit dem Schlüssel seiner Epoche signiert</translation>
    </message>
    <message>
      <source>no head witnesses its end (%1)</source>
      <translation>kein Endvermerk bezeugt sein Ende (%1)</translation>
    </message>
    <message>
      <source>cannot read the journal's epoch keys</source>
      <translation>kann die Epochenschlüssel des Journals nicht lesen</translation>
    </message>
    <message>
      <source>cannot prepare the journal's insert</source>
      <translation>kann das Einfügen ins Journal nicht vorbereiten</translation>
    </message>
    <message>
      <source>cannot prepare the journal's reads</source>
      <translation>kann das Lesen des Journals nicht vorbereiten</translation>
    </message>
    <message>
      <source>the station's signing keys ended on %1: the journal needs new keys (weighstation-records new-journal)</source>
      <translation>die Signierschlüssel der Station endeten am %1: das Journal braucht neue Schlüssel (weighstation-records new-journal)</translation>
    </message>
    <message>
      <source>cannot write the epoch's key</source>
      <translation>kann den Schlüssel der Epoche nicht schreiben</translation>
    </message>
    <message>
      <source>it is dated %1, before its sealing epoch %2 began (the station's clock went back): the journal's check reports it</source>
      <translation>sie ist auf %1 datiert, vor Beginn ihrer Siegelepoche %2 (die Uhr der Station ging zurück): die Prüfung des Journals meldet es</translation>
    </message>
    <message>
      <source>its head was not advanced to seq %1: %2</source>
      <translation>sein Endvermerk wurde nicht auf Nr. %1 vorgerückt: %2</translation>
    </message>
    <message>
      <source>cannot write the record</source>
      <translation>kann die Wägung nicht schreiben</translation>
    </message>
    <message>
      <source>cannot commit the record</source>
      <translation>kann die Wägung nicht festschreiben</translation>
    </message>
    <message>
      <source>cannot read seq %1 back</source>
      <translation>kann Nr. %1 nicht zurücklesen</translation>
    </message>
    <message>
      <source>seq %1 read back differs from what was written</source>
      <translation>Nr. %1 weicht zurückgelesen von dem Geschriebenen ab</translation>
    </message>
    <message>
      <source>the journal is not open</source>
      <translation>das Journal ist nicht geöffnet</translation>
    </message>
    <message>
      <source>cannot note the text log</source>
      <translation>kann das Textprotokoll nicht vermerken</translation>
    </message>
    <message>
      <source>no journal yet at %1</source>
      <translation>noch kein Journal unter %1</translation>
    </message>
    <message>
      <source>the journal %1 has no id</source>
      <translation>das Journal %1 hat keine Kennung</translation>
    </message>
    <message>
      <source>cannot use the journal %1</source>
      <translation>kann das Journal %1 nicht verwenden</translation>
    </message>
    <message>
      <source>cannot read the shipping cursor</source>
      <translation>kann den Versandstand nicht lesen</translation>
    </message>
    <message>
      <source>cannot read the journal's verification key</source>
      <translation>kann den Prüfschlüssel des Journals nicht lesen</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>keine Wägung %1 im Journal</translation>
    </message>
    <message>
      <source>cannot note what was shipped</source>
      <translation>kann nicht vermerken, was versandt wurde</translation>
    </message>
    <message>
      <source>cannot note a shipping problem</source>
      <translation>kann ein Versandproblem nicht vermerken</translation>
    </message>
    <message>
      <source>cannot note the last try</source>
      <translation>kann den letzten Versuch nicht vermerken</translation>
    </message>
    <message>
      <source>cannot note a record set aside</source>
      <translation>kann eine zurückgestellte Wägung nicht vermerken</translation>
    </message>
    <message>
      <source>cannot read the records set aside</source>
      <translation>kann die zurückgestellten Wägungen nicht lesen</translation>
    </message>
    <message>
      <source>cannot note a record set aside as shipped</source>
      <translation>kann eine zurückgestellte Wägung nicht als versandt vermerken</translation>
    </message>
    <message>
      <source>cannot read the shipping cursors</source>
      <translation>kann die Versandstände nicht lesen</translation>
    </message>
    <message>
      <source>cannot read the shipping problems</source>
      <translation>kann die Versandprobleme nicht lesen</translation>
    </message>
    <message>
      <source>ticket NOT genuine: %1</source>
      <translation>Wiegeschein NICHT echt: %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, seq %2, %3, %4</source>
      <translation>Wiegeschein echt: Station %1, Nr. %2, %3, %4</translation>
    </message>
    <message>
      <source>its records of format 1 need its key</source>
      <translation>seine Wägungen im Format 1 brauchen seinen Schlüssel</translation>
    </message>
    <message>
      <source>line %1 is not a run's links</source>
      <translation>Zeile %1 ist keine Verkettung einer Schlüsselfolge</translation>
    </message>
    <message>
      <source>the signing keys %1 cannot certify a next run: the secret of their last epoch %2 is gone</source>
      <translation>die Signierschlüssel %1 können keine nächste Folge beglaubigen: das Geheimnis ihrer letzten Epoche %2 ist fort</translation>
    </message>
    <message>
      <source>cannot make the journal's transactions</source>
      <translation>kann die Vorgangstabelle des Journals nicht anlegen</translation>
    </message>
    <message>
      <source>the journal holds no record to bind</source>
      <translation>das Journal enthält keine Wägung, die gebunden werden kann</translation>
    </message>
    <message>
      <source>the journal's last record is of format 1: a transaction needs one of format 2</source>
      <translation>die letzte Wägung des Journals ist im Format 1: ein Vorgang braucht eine im Format 2</translation>
    </message>
    <message>
      <source>cannot write the transaction</source>
      <translation>kann den Vorgang nicht schreiben</translation>
    </message>
    <message>
      <source>record %1 shows no unit</source>
      <translation>Wägung %1 zeigt keine Einheit</translation>
    </message>
    <message>
      <source>a tare of %1 %2 is not above zero</source>
      <translation>eine Tara von %1 %2 ist nicht über null</translation>
    </message>
    <message>
      <source>the second weighing is in %1, the first in %2</source>
      <translation>die Zweitwägung ist in %1, die Erstwägung in %2</translation>
    </message>
    <message>
      <source>the stored tare is in %1, the weighing in %2</source>
      <translation>die gespeicherte Tara ist in %1, die Wägung in %2</translation>
    </message>
    <message>
      <source>the stored tare %1 %3 is heavier than the gross %2 %3</source>
      <translation>die gespeicherte Tara %1 %3 ist schwerer als das Brutto %2 %3</translation>
    </message>
    <message>
      <source>not a kind of transaction: %1</source>
      <translation>keine Vorgangsart: %1</translation>
    </message>
    <message>
      <source>a net of %1 %2 is not above zero</source>
      <translation>ein Netto von %1 %2 ist nicht über null</translation>
    </message>
    <message>
      <source>it closes transaction %1, which is no open first weighing of its vehicle and record</source>
      <translation>er schließt Vorgang %1 ab, der keine offene Erstwägung seines Fahrzeugs und seiner Wägung ist</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which is not live</source>
      <translation>er bezieht sich auf Vorgang %1, der nicht mehr gilt</translation>
    </message>
    <message>
      <source>it does not keep the records and weights of transaction %1</source>
      <translation>er behält die Wägungen und Gewichte von Vorgang %1 nicht bei</translation>
    </message>
    <message>
      <source>it gives no reason</source>
      <translation>er nennt keinen Grund</translation>
    </message>
    <message>
      <source>it refers to transaction %1, which its kind never does</source>
      <translation>er bezieht sich auf Vorgang %1, was seine Art nie tut</translation>
    </message>
    <message>
      <source>a void binds no record</source>
      <translation>ein Storno bindet keine Wägung</translation>
    </message>
    <message>
      <source>record %1 is not in the journal as the transaction copied it</source>
      <translation>Wägung %1 steht nicht so im Journal, wie der Vorgang sie übernahm</translation>
    </message>
    <message>
      <source>record %1 is bound to transaction %2 already</source>
      <translation>Wägung %1 ist bereits an Vorgang %2 gebunden</translation>
    </message>
    <message>
      <source>it binds other records than its kind does</source>
      <translation>er bindet andere Wägungen, als seine Art es tut</translation>
    </message>
    <message>
      <source>its stored tare %1 is not a valid tare of its vehicle at the weighing</source>
      <translation>seine gespeicherte Tara %1 ist bei der Wägung keine gültige Tara seines Fahrzeugs</translation>
    </message>
    <message>
      <source>its weights %1/%2/%3 %4 do not follow from its records (%5/%6/%7 %8)</source>
      <translation>seine Gewichte %1/%2/%3 %4 folgen nicht aus seinen Wägungen (%5/%6/%7 %8)</translation>
    </message>
    <message>
      <source>out of its place, after transaction %1</source>
      <translation>nicht an seinem Platz, nach Vorgang %1</translation>
    </message>
    <message>
      <source>it names no station or time</source>
      <translation>er nennt keine Station oder Zeit</translation>
    </message>
    <message>
      <source>its seal does not match its contents and the transaction before</source>
      <translation>sein Siegel passt nicht zu seinem Inhalt und dem Vorgang davor</translation>
    </message>
    <message>
      <source>its seal is not signed by its epoch's key</source>
      <translation>sein Siegel ist nicht mit dem Signierschlüssel seiner Epoche signiert</translation>
    </message>
    <message>
      <source>it is dated %1, outside its sealing epoch %2</source>
      <translation>er ist auf %1 datiert, außerhalb seiner Siegelepoche %2</translation>
    </message>
    <message>
      <source>the journal's transactions fail their check: %1</source>
      <translation>die Vorgänge des Journals bestehen ihre Prüfung nicht: %1</translation>
    </message>
    <message>
      <source>ticket genuine: station %1, transaction %2 (%3), %4, vehicle %5, records %6, gross %7 tare %8 net %9</source>
      <translation>Beleg echt: Station %1, Vorgang %2 (%3), %4, Fahrzeug %5, Wägungen %6, Brutto %7 Tara %8 Netto %9</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>SCALE 1</source>
      <translation>WAAGE 1</translation>
    </message>
    <message>
      <source>Serial 1 Settings</source>
      <translation>Schnittstelle 1</translation>
    </message>
    <message>
      <source>SCALE 2</source>
      <translation>WAAGE 2</translation>
    </message>
    <message>
      <source>Serial 2 Settings</source>
      <translation>Schnittstelle 2</translation>
    </message>
    <message>
      <source>SCALE 3</source>
      <translation>WAAGE 3</translation>
    </message>
    <message>
      <source>Serial 3 Settings</source>
      <translation>Schnittstelle 3</translation>
    </message>
    <message>
      <source>+</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>.</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>GROSS</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>KG</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Overload</source>
      <translation>Überlast</translation>
    </message>
    <message>
      <source>Zero</source>
      <translation>Null</translation>
    </message>
    <message>
      <source>Tare
Net</source>
      <translation>Tara
Netto</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brutto</translation>
    </message>
    <message>
      <source>COM PORT:</source>
      <translation>PORT:</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Verbinden</translation>
    </message>
    <message>
      <source>STATUS:</source>
      <translation>STATUS:</translation>
    </message>
    <message>
      <source>Not Connected</source>
      <translation>Getrennt</translation>
    </message>
    <message>
      <source>Korvel Weigh Station</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Exit</source>
      <translation>Beenden</translation>
    </message>
    <message>
      <source>Current Time &amp;&amp; Date</source>
      <translation>Uhrzeit &amp;&amp; Datum</translation>
    </message>
    <message>
      <source>TextLabel</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Data Log</source>
      <translation>Protokoll</translation>
    </message>
    <message>
      <source>Sensitivity</source>
      <translation>Empfindl.</translation>
    </message>
    <message>
      <source>Count:</source>
      <translation>Anzahl:</translation>
    </message>
    <message>
      <source>0</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select File</source>
      <translation>Datei wählen</translation>
    </message>
    <message>
      <source>Start Text File Log</source>
      <translation>Textprotokoll</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Untergrenze</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Obergrenze</translation>
    </message>
    <message>
      <source>10000</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start Excel File Log</source>
      <translation>Excel-Protokoll</translation>
    </message>
    <message>
      <source> RECORD
NOW</source>
      <translation> JETZT
BUCHEN</translation>
    </message>
    <message>
      <source>TOTAL =</source>
      <translation>TOTAL =</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Datei</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Verbunden</translation>
    </message>
  </context>
  <context>
    <name>Printouts</name>
    <message>
      <source>These are the weigh station monitor's own records, not an instrument's verified printout.</source>
      <translation>Dies sind die eigenen Aufzeichnungen des Wägestationsmonitors, kein geeichter Ausdruck eines Messgeräts.</translation>
    </message>
    <message>
      <source>Journal checked: intact, seq %1..%2</source>
      <translation>Journal geprüft: unversehrt, Nr. %1..%2</translation>
    </message>
    <message>
      <source>Journal checked: intact, no records</source>
      <translation>Journal geprüft: unversehrt, keine Datensätze</translation>
    </message>
    <message>
      <source>Journal checked: records intact, seq %1..%2; its end not witnessed</source>
      <translation>Journal geprüft: Datensätze unversehrt, Nr. %1..%2; sein Ende nicht bezeugt</translation>
    </message>
    <message>
      <source>UNVERIFIED: the journal fails its check at seq %1</source>
      <translation>UNGEPRÜFT: das Journal besteht seine Prüfung bei Nr. %1 nicht</translation>
    </message>
    <message>
      <source>UNVERIFIED: check not finished</source>
      <translation>UNGEPRÜFT: Prüfung nicht beendet</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nr.</translation>
    </message>
    <message>
      <source>Date</source>
      <translation>Datum</translation>
    </message>
    <message>
      <source>Time</source>
      <translation>Uhrzeit</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Station</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Summe</translation>
    </message>
    <message>
      <source>Unit</source>
      <translation>Einheit</translation>
    </message>
    <message>
      <source>Net/Gross</source>
      <translation>Netto/Brutto</translation>
    </message>
    <message>
      <source>Scale 1</source>
      <translation>Waage 1</translation>
    </message>
    <message>
      <source>Scale 2</source>
      <translation>Waage 2</translation>
    </message>
    <message>
      <source>Scale 3</source>
      <translation>Waage 3</translation>
    </message>
    <message>
      <source>Verification</source>
      <translation>Prüfung</translation>
    </message>
    <message>
      <source>day: %1</source>
      <translation>Tag: %1</translation>
    </message>
    <message>
      <source>total: %1</source>
      <translation>gesamt: %1</translation>
    </message>
    <message>
      <source>Printed %1</source>
      <translation>Gedruckt %1</translation>
    </message>
    <message>
      <source>Scale</source>
      <translation>Waage</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brutto</translation>
    </message>
    <message>
      <source>Tare</source>
      <translation>Tara</translation>
    </message>
    <message>
      <source>Net</source>
      <translation>Netto</translation>
    </message>
    <message>
      <source>Scale %1</source>
      <translation>Waage %1</translation>
    </message>
    <message>
      <source>not connected</source>
      <translation>nicht verbunden</translation>
    </message>
    <message>
      <source>Limits: over %1 %3, under %2 %3</source>
      <translation>Grenzen: über %1 %3, unter %2 %3</translation>
    </message>
    <message>
      <source>Verification code: %1</source>
      <translation>Prüfcode: %1</translation>
    </message>
    <message>
      <source>Operator</source>
      <translation>Bediener</translation>
    </message>
    <message>
      <source>Signature</source>
      <translation>Unterschrift</translation>
    </message>
    <message>
      <source>Weighing ticket</source>
      <translation>Wiegeschein</translation>
    </message>
    <message>
      <source>Station: %1</source>
      <translation>Station: %1</translation>
    </message>
    <message>
      <source>Seq: %1</source>
      <translation>Nr.: %1</translation>
    </message>
    <message>
      <source>Date and time: %1</source>
      <translation>Datum und Uhrzeit: %1</translation>
    </message>
    <message>
      <source>Weighing report</source>
      <translation>Wiegebericht</translation>
    </message>
    <message>
      <source>Period: %1</source>
      <translation>Zeitraum: %1</translation>
    </message>
    <message>
      <source>page %1 of %2</source>
      <translation>Seite %1 von %2</translation>
    </message>
    <message>
      <source>No records match</source>
      <translation>Keine passenden Wägungen</translation>
    </message>
    <message>
      <source>all records</source>
      <translation>alle Datensätze</translation>
    </message>
    <message>
      <source>up to %1</source>
      <translation>bis %1</translation>
    </message>
    <message>
      <source>from %1</source>
      <translation>ab %1</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 bis %2</translation>
    </message>
    <message>
      <source>Interim weighing ticket</source>
      <translation>Zwischenwiegebeleg</translation>
    </message>
    <message>
      <source>Tare ticket</source>
      <translation>Tarabeleg</translation>
    </message>
    <message>
      <source>Void notice</source>
      <translation>Stornobeleg</translation>
    </message>
    <message>
      <source>Vehicle: %1</source>
      <translation>Fahrzeug: %1</translation>
    </message>
    <message>
      <source>Container: %1</source>
      <translation>Behälter: %1</translation>
    </message>
    <message>
      <source>Customer: %1</source>
      <translation>Kunde: %1</translation>
    </message>
    <message>
      <source>Product: %1</source>
      <translation>Produkt: %1</translation>
    </message>
    <message>
      <source>Haulier: %1</source>
      <translation>Spediteur: %1</translation>
    </message>
    <message>
      <source>Reference: %1</source>
      <translation>Referenz: %1</translation>
    </message>
    <message>
      <source>Direction: %1</source>
      <translation>Richtung: %1</translation>
    </message>
    <message>
      <source>inbound</source>
      <translation>eingehend</translation>
    </message>
    <message>
      <source>outbound</source>
      <translation>ausgehend</translation>
    </message>
    <message>
      <source>Operator: %1</source>
      <translation>Bediener: %1</translation>
    </message>
    <message>
      <source>Note: %1</source>
      <translation>Vermerk: %1</translation>
    </message>
    <message>
      <source>Reason: %1</source>
      <translation>Grund: %1</translation>
    </message>
    <message>
      <source>Transaction: %1</source>
      <translation>Vorgang: %1</translation>
    </message>
    <message>
      <source>Weighing: seq %1, %2, %3</source>
      <translation>Wägung: Nr. %1, %2, %3</translation>
    </message>
    <message>
      <source>First weighing: seq %1, %2, %3</source>
      <translation>Erstwägung: Nr. %1, %2, %3</translation>
    </message>
    <message>
      <source>Second weighing: seq %1, %2, %3</source>
      <translation>Zweitwägung: Nr. %1, %2, %3</translation>
    </message>
    <message>
      <source>Tare stored on transaction %1, valid until %2</source>
      <translation>Tara gespeichert mit Vorgang %1, gültig bis %2</translation>
    </message>
    <message>
      <source>Voids transaction %1</source>
      <translation>Storniert Vorgang %1</translation>
    </message>
    <message>
      <source>Replaces the ticket of transaction %1</source>
      <translation>Ersetzt den Beleg von Vorgang %1</translation>
    </message>
    <message>
      <source>Tare: %1</source>
      <translation>Tara: %1</translation>
    </message>
    <message>
      <source>Valid until %1</source>
      <translation>Gültig bis %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (Vorgang %1)</translation>
    </message>
    <message>
      <source>REPLACED by transaction %1</source>
      <translation>ERSETZT durch Vorgang %1</translation>
    </message>
    <message>
      <source>Interim ticket: %1</source>
      <translation>Zwischenbeleg: %1</translation>
    </message>
    <message>
      <source>Sealed %1</source>
      <translation>Versiegelt %1</translation>
    </message>
    <message>
      <source>Total: %1</source>
      <translation>Gesamt: %1</translation>
    </message>
    <message>
      <source>Voided and replaced, not summed</source>
      <translation>Storniert und ersetzt, nicht summiert</translation>
    </message>
  </context>
  <context>
    <name>Publishing</name>
    <message>
      <source>%1: the connection was lost (%2)</source>
      <translation>%1: die Verbindung ging verloren (%2)</translation>
    </message>
    <message>
      <source>%1 did not take record seq %2 (%3); the records from it on wait and are sent again every minute</source>
      <translation>%1 hat die Wägung Nr. %2 nicht angenommen (%3); die Wägungen ab ihr warten und werden jede Minute erneut gesendet</translation>
    </message>
    <message>
      <source>%1 is set, but '%2' is not mqtts:// (TLS)</source>
      <translation>%1 ist gesetzt, aber '%2' ist nicht mqtts:// (TLS)</translation>
    </message>
    <message>
      <source>%1: cannot read %2</source>
      <translation>%1: kann %2 nicht lesen</translation>
    </message>
    <message>
      <source>the topic prefix in '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>das Topic-Präfix in '%1' taugt nicht zum Veröffentlichen (kein '#', '+', NUL oder leere Ebene)</translation>
    </message>
    <message>
      <source>'%1' is not mqtt://[user@]host[:port][/prefix]</source>
      <translation>'%1' ist nicht mqtt://[Benutzer@]Host[:Port][/Präfix]</translation>
    </message>
    <message>
      <source>'%1' is neither mqtt:// nor mqtts://</source>
      <translation>'%1' ist weder mqtt:// noch mqtts://</translation>
    </message>
    <message>
      <source>a password in the URI is refused; give it in WEIGHSTATION_MQTT_PASSWORD_FILE</source>
      <translation>ein Passwort in der URI wird abgelehnt; es in WEIGHSTATION_MQTT_PASSWORD_FILE angeben</translation>
    </message>
    <message>
      <source>'%1' has a query or fragment, which it does not take</source>
      <translation>'%1' hat eine Abfrage oder ein Fragment, die es nicht annimmt</translation>
    </message>
    <message>
      <source>the topic prefix '%1' is not one to publish to (no '#', '+', NUL or empty level)</source>
      <translation>das Topic-Präfix '%1' taugt nicht zum Veröffentlichen (kein '#', '+', NUL oder leere Ebene)</translation>
    </message>
    <message>
      <source>%1 did not take transaction %2 (%3); it is sent again</source>
      <translation>%1 hat Vorgang %2 nicht angenommen (%3); er wird erneut gesendet</translation>
    </message>
  </context>
  <context>
    <name>Records</name>
    <message>
      <source>The journal (default: $WEIGHSTATION_JOURNAL or ~/.local/share/weighstation/journal.sqlite).</source>
      <translation>Das Journal (Vorgabe: $WEIGHSTATION_JOURNAL oder ~/.local/share/weighstation/journal.sqlite).</translation>
    </message>
    <message>
      <source>Its key (default: $WEIGHSTATION_JOURNAL_KEY or ~/.config/weighstation/journal.key).</source>
      <translation>Sein Schlüssel (Vorgabe: $WEIGHSTATION_JOURNAL_KEY oder ~/.config/weighstation/journal.key).</translation>
    </message>
    <message>
      <source>The head that witnesses its end (default: beside the key).</source>
      <translation>Der Endvermerk (head), der sein Ende bezeugt (Vorgabe: neben dem Schlüssel).</translation>
    </message>
    <message>
      <source>takes %1, not %2 (try --help)</source>
      <translation>nimmt %1, nicht %2 (siehe --help)</translation>
    </message>
    <message>
      <source>no arguments</source>
      <translation>keine Argumente</translation>
    </message>
    <message>
      <source>one argument</source>
      <translation>ein Argument</translation>
    </message>
    <message>
      <source>%1 arguments</source>
      <translation>%1 Argumente</translation>
    </message>
    <message>
      <source>Records taken from this local date (yyyy-MM-dd, optionally THH:mm[:ss]) on.</source>
      <translation>Wägungen ab diesem örtlichen Datum (yyyy-MM-dd, wahlweise THH:mm[:ss]).</translation>
    </message>
    <message>
      <source>Records taken up to the end of this local date.</source>
      <translation>Wägungen bis zum Ende dieses örtlichen Datums.</translation>
    </message>
    <message>
      <source>--from %1 is not before --to %2</source>
      <translation>--from %1 liegt nicht vor --to %2</translation>
    </message>
    <message>
      <source>'%1' is not a range of seq numbers A-B</source>
      <translation>'%1' ist kein Bereich von Nummern A-B</translation>
    </message>
    <message>
      <source>Read the site's central database (postgresql:// URI) instead of the journal.</source>
      <translation>Die zentrale Datenbank des Standorts (postgresql://-URI) statt des Journals lesen.</translation>
    </message>
    <message>
      <source>Only the journals of this station.</source>
      <translation>Nur die Journale dieser Station.</translation>
    </message>
    <message>
      <source>Only this journal.</source>
      <translation>Nur dieses Journal.</translation>
    </message>
    <message>
      <source>cannot check the journal</source>
      <translation>das Journal kann nicht geprüft werden</translation>
    </message>
    <message>
      <source>cannot write %1: its folder is missing or not writable</source>
      <translation>%1 kann nicht geschrieben werden: der Ordner fehlt oder ist schreibgeschützt</translation>
    </message>
    <message>
      <source>cannot reach %1</source>
      <translation>%1 ist nicht erreichbar</translation>
    </message>
    <message>
      <source>the records viewer, "Weigh Station Records"</source>
      <translation>die Ansicht der Wägungen, "Weigh Station Records"</translation>
    </message>
    <message>
      <source>check every record, the chain and the end</source>
      <translation>jede Wägung, die Kette und das Ende prüfen</translation>
    </message>
    <message>
      <source>the records as CSV or .xlsx</source>
      <translation>die Wägungen als CSV oder .xlsx</translation>
    </message>
    <message>
      <source>rebuild the last workbook that went to FILE</source>
      <translation>die letzte Arbeitsmappe nach FILE neu erstellen</translation>
    </message>
    <message>
      <source>a record's weighing ticket, as a PDF</source>
      <translation>der Wiegeschein einer Wägung, als PDF</translation>
    </message>
    <message>
      <source>a report of the records, as a PDF</source>
      <translation>ein Bericht der Wägungen, als PDF</translation>
    </message>
    <message>
      <source>a station's journals in the central database</source>
      <translation>die Journale einer Station in der zentralen Datenbank</translation>
    </message>
    <message>
      <source>the central records, of one station or all</source>
      <translation>die zentralen Wägungen, einer Station oder aller</translation>
    </message>
    <message>
      <source>the SQL of the central tables, for a DBA</source>
      <translation>das SQL der zentralen Tabellen, für einen DBA</translation>
    </message>
    <message>
      <source>every setting in force and where it came from</source>
      <translation>jede geltende Einstellung und ihre Herkunft</translation>
    </message>
    <message>
      <source>retire the journal, its key and heads (renamed, kept); the monitor then starts a new journal</source>
      <translation>Journal, Schlüssel und Endvermerke stilllegen (umbenannt, behalten); der Monitor beginnt dann ein neues Journal</translation>
    </message>
    <message>
      <source>Views, verifies, lists, exports and recovers the monitor's record journal.</source>
      <translation>Zeigt, prüft, listet, exportiert und rettet das Wägejournal des Monitors.</translation>
    </message>
    <message>
      <source>Commands:</source>
      <translation>Befehle:</translation>
    </message>
    <message>
      <source>The commands that read the journal take --journal PATH, --key PATH and --head PATH
(those they use); each command's --help lists its own options.
Exit codes: 0 done, 1 the journal does not verify, 2 cannot be done.</source>
      <translation>Die Befehle, die das Journal lesen, nehmen --journal PATH, --key PATH und --head PATH
(soweit sie sie brauchen); --help jedes Befehls nennt seine Optionen.
Rückgabewerte: 0 erledigt, 1 das Journal besteht die Prüfung nicht, 2 nicht ausführbar.</translation>
    </message>
    <message>
      <source>Opens the records viewer over the journal, read-only.</source>
      <translation>Öffnet die Ansicht der Wägungen über dem Journal, nur lesend.</translation>
    </message>
    <message>
      <source>Prints every setting in force: key, value, and where it came from (default, system file, user file, environment).</source>
      <translation>Gibt jede geltende Einstellung aus: Schlüssel, Wert und Herkunft (default, system file, user file, environment).</translation>
    </message>
    <message>
      <source>Prints the SQL that creates the central tables, for a database administrator who creates them by hand.</source>
      <translation>Gibt das SQL aus, das die zentralen Tabellen anlegt, für einen Datenbankverwalter, der sie von Hand anlegt.</translation>
    </message>
    <message>
      <source>Retires the journal, its key and its heads (renamed with the journal's id, nothing deleted), so that the monitor starts a new journal with a new key at its next record.</source>
      <translation>Legt das Journal, seinen Schlüssel und seine Endvermerke still (mit der Kennung des Journals umbenannt, nichts gelöscht), damit der Monitor bei der nächsten Wägung ein neues Journal mit neuem Schlüssel beginnt.</translation>
    </message>
    <message>
      <source>Only the newest N.</source>
      <translation>Nur die neuesten N.</translation>
    </message>
    <message>
      <source>--last takes a number above 0</source>
      <translation>--last nimmt eine Zahl über 0</translation>
    </message>
    <message>
      <source>Exports records to CSV or .xlsx; a journal that does not verify is refused unless --unverified is given.</source>
      <translation>Exportiert Wägungen als CSV oder .xlsx; ein Journal, das die Prüfung nicht besteht, wird ohne --unverified abgelehnt.</translation>
    </message>
    <message>
      <source>Only seq A to B.</source>
      <translation>Nur die Nummern A bis B.</translation>
    </message>
    <message>
      <source>Write CSV to FILE.</source>
      <translation>CSV nach FILE schreiben.</translation>
    </message>
    <message>
      <source>Write .xlsx to FILE.</source>
      <translation>.xlsx nach FILE schreiben.</translation>
    </message>
    <message>
      <source>Export a journal that does not verify, marked as such.</source>
      <translation>Ein Journal, das die Prüfung nicht besteht, exportieren, als solches markiert.</translation>
    </message>
    <message>
      <source>export takes one of --csv FILE and --xlsx FILE</source>
      <translation>export nimmt eines von --csv FILE und --xlsx FILE</translation>
    </message>
    <message>
      <source>Rebuilds, from the journal, the workbook of the last spreadsheet-log session that went to FILE, as its stop would have saved it.</source>
      <translation>Erstellt aus dem Journal die Arbeitsmappe der letzten Tabellenprotokoll-Sitzung nach FILE neu, wie ihr Ende sie gespeichert hätte.</translation>
    </message>
    <message>
      <source>The workbook's file name.</source>
      <translation>Der Dateiname der Arbeitsmappe.</translation>
    </message>
    <message>
      <source>Write the workbook here (default: FILE, if it does not exist).</source>
      <translation>Die Arbeitsmappe hierhin schreiben (Vorgabe: FILE, wenn es nicht existiert).</translation>
    </message>
    <message>
      <source>Rebuild from a journal that does not verify.</source>
      <translation>Aus einem Journal neu erstellen, das die Prüfung nicht besteht.</translation>
    </message>
    <message>
      <source>%1 exists: give --output OUT for the rebuilt workbook</source>
      <translation>%1 existiert: --output OUT für die neu erstellte Arbeitsmappe angeben</translation>
    </message>
    <message>
      <source>Write the PDF to FILE.</source>
      <translation>Das PDF nach FILE schreiben.</translation>
    </message>
    <message>
      <source>takes --pdf FILE</source>
      <translation>nimmt --pdf FILE</translation>
    </message>
    <message>
      <source>Prints the weighing ticket of one record to a PDF file, with the journal's check result; a record the check does not vouch for is refused unless --unverified is given, and then marked.</source>
      <translation>Druckt den Wiegeschein einer Wägung in eine PDF-Datei, mit dem Prüfergebnis des Journals; eine Wägung, für die die Prüfung nicht bürgt, wird ohne --unverified abgelehnt und mit ihm markiert.</translation>
    </message>
    <message>
      <source>The record.</source>
      <translation>Die Wägung.</translation>
    </message>
    <message>
      <source>Print a record the journal's check does not vouch for, marked UNVERIFIED.</source>
      <translation>Eine Wägung drucken, für die die Prüfung nicht bürgt, als UNVERIFIED markiert.</translation>
    </message>
    <message>
      <source>ticket takes --seq N, a record's seq</source>
      <translation>ticket nimmt --seq N, die Nummer einer Wägung</translation>
    </message>
    <message>
      <source>no record %1 in the journal</source>
      <translation>keine Wägung %1 im Journal</translation>
    </message>
    <message>
      <source>Prints a report of the records to a PDF file: a line a record, day subtotals and totals, the journal's check result on every page. A journal that fails its check gives a report marked UNVERIFIED, and exit code 1.</source>
      <translation>Druckt einen Bericht der Wägungen in eine PDF-Datei: eine Zeile je Wägung, Tageszwischensummen und Summen, das Prüfergebnis des Journals auf jeder Seite. Ein Journal, das die Prüfung nicht besteht, ergibt einen als UNVERIFIED markierten Bericht und den Rückgabewert 1.</translation>
    </message>
    <message>
      <source>Only this station's records.</source>
      <translation>Nur die Wägungen dieser Station.</translation>
    </message>
    <message>
      <source>Settings</source>
      <translation>Einstellungen</translation>
    </message>
    <message>
      <source>The station's verification key, for records of format 2 (default: beside the key, journal.verification-key).</source>
      <translation>Der Prüfschlüssel der Station, für Wägungen im Format 2 (Standard: neben dem Schlüssel, journal.verification-key).</translation>
    </message>
    <message>
      <source>Writes the station's verification key (public: it checks records of format 2 and tickets, and seals nothing) and prints the station, the journal and the key's fingerprint, for a person to register and compare.</source>
      <translation>Schreibt den Prüfschlüssel der Station (öffentlich: er prüft Wägungen im Format 2 und Wiegescheine und versiegelt nichts) und gibt Station, Journal und den Fingerabdruck des Schlüssels aus, zum Registrieren und Vergleichen.</translation>
    </message>
    <message>
      <source>Write the key to FILE (default: only print).</source>
      <translation>Den Schlüssel in FILE schreiben (Standard: nur ausgeben).</translation>
    </message>
    <message>
      <source>the station's public key that checks its seals</source>
      <translation>der öffentliche Schlüssel der Station, der ihre Siegel prüft</translation>
    </message>
    <message>
      <source>check a ticket's QR code with the verification key</source>
      <translation>den QR-Code eines Wiegescheins mit dem Prüfschlüssel prüfen</translation>
    </message>
    <message>
      <source>the journal, and its central copy against it</source>
      <translation>das Journal, und seine zentrale Kopie damit verglichen</translation>
    </message>
    <message>
      <source>trust a station's verification key centrally</source>
      <translation>dem Prüfschlüssel einer Station zentral vertrauen</translation>
    </message>
    <message>
      <source>The SQL that upgrades central tables of an earlier version (--from, default 1: keyed by station and seq) to this version, for their owner.</source>
      <translation>Das SQL, das zentrale Tabellen einer früheren Version (--from, Standard 1: nach Station und Seq geschlüsselt) auf diese Version hebt, für ihren Eigentümer.</translation>
    </message>
    <message>
      <source>Registers a station's verification key by its fingerprint in the central database, once a person has compared it with the station's: central checks trust only the verification keys registered.</source>
      <translation>Registriert den Prüfschlüssel einer Station mit seinem Fingerabdruck in der zentralen Datenbank, nachdem ein Mensch ihn mit dem der Station verglichen hat: zentrale Prüfungen vertrauen nur registrierten Prüfschlüsseln.</translation>
    </message>
    <message>
      <source>The central database (postgresql:// URI).</source>
      <translation>Die zentrale Datenbank (postgresql://-URI).</translation>
    </message>
    <message>
      <source>The station.</source>
      <translation>Die Station.</translation>
    </message>
    <message>
      <source>Its verification key's fingerprint.</source>
      <translation>Der Fingerabdruck ihres Prüfschlüssels.</translation>
    </message>
    <message>
      <source>Also compare the journal with its copy in the central database (postgresql:// URI): every central record equal to the local one, the journal not shorter.</source>
      <translation>Das Journal außerdem mit seiner Kopie in der zentralen Datenbank vergleichen (postgresql://-URI): jede zentrale Wägung gleich der lokalen, das Journal nicht kürzer.</translation>
    </message>
    <message>
      <source>Checks a ticket's QR code offline, with the station's verification key alone: the code's text as an argument, or --image with a photo or scan of the ticket.</source>
      <translation>Prüft den QR-Code eines Wiegescheins offline, allein mit dem Prüfschlüssel der Station: der Text des Codes als Argument, oder --image mit einem Foto oder Scan des Wiegescheins.</translation>
    </message>
    <message>
      <source>A photo or scan of the ticket (PNG, JPEG).</source>
      <translation>Ein Foto oder Scan des Wiegescheins (PNG, JPEG).</translation>
    </message>
    <message>
      <source>--page-size takes A4, A5, A6, Letter or Roll80, not '%1'</source>
      <translation>--page-size nimmt A4, A5, A6, Letter oder Roll80, nicht '%1'</translation>
    </message>
    <message>
      <source>none</source>
      <translation>keins</translation>
    </message>
    <message>
      <source>one line per record, checked</source>
      <translation>eine Zeile je Wägung, geprüft</translation>
    </message>
    <message>
      <source>UNVERIFIED: not checked (--unchecked); every record is marked</source>
      <translation>UNVERIFIED: nicht geprüft (--unchecked); jede Wägung ist markiert</translation>
    </message>
    <message>
      <source>UNVERIFIED: cannot check the journal (%1); every record is marked</source>
      <translation>UNVERIFIED: das Journal kann nicht geprüft werden (%1); jede Wägung ist markiert</translation>
    </message>
    <message>
      <source>Lists the journal's records, after checking the journal: a record the check does not trust is marked UNVERIFIED.</source>
      <translation>Listet die Wägungen des Journals nach seiner Prüfung: eine Wägung, der die Prüfung nicht traut, ist mit UNVERIFIED markiert.</translation>
    </message>
    <message>
      <source>Lists without checking: every record is marked.</source>
      <translation>Listet ohne Prüfung: jede Wägung ist markiert.</translation>
    </message>
    <message>
      <source>the station's clock is right after it moved far ahead: the monitor seals again</source>
      <translation>die Uhr der Station stimmt, nachdem sie weit vorgesprungen ist: der Monitor versiegelt wieder</translation>
    </message>
    <message>
      <source>Confirms that the station's clock is right after it moved far ahead of the signing keys' last use: erases the secrets of every epoch before now, so that the monitor seals again once started again. Run it only once the clock was checked.</source>
      <translation>Bestätigt, dass die Uhr der Station stimmt, nachdem sie weit über die letzte Nutzung der Signierschlüssel hinaus vorgesprungen ist: löscht die Geheimnisse jeder Epoche vor jetzt, damit der Monitor nach einem Neustart wieder versiegelt. Nur ausführen, wenn die Uhr geprüft wurde.</translation>
    </message>
    <message>
      <source>Copies the journal (SQLite's online backup, while the monitor records), its head and its verification key into DIR/&lt;journal id&gt;, checks the copy, and only then replaces the last backup there. The signing keys are never copied.</source>
      <translation>Kopiert das Journal (mit SQLites Online-Sicherung, während der Monitor aufzeichnet), seinen Kopf und seinen Prüfschlüssel nach DIR/&lt;Journal-ID&gt;, prüft die Kopie und ersetzt erst dann die letzte Sicherung dort. Die Signierschlüssel werden nie kopiert.</translation>
    </message>
    <message>
      <source>The backup folder DIR (default: the setting backup_folder); it must exist: a missing folder is a disk not mounted.</source>
      <translation>Der Sicherungsordner DIR (Standard: die Einstellung backup_folder); er muss existieren: ein fehlender Ordner ist ein nicht eingehängtes Laufwerk.</translation>
    </message>
    <message>
      <source>no backup folder: give --to DIR or set backup_folder</source>
      <translation>kein Sicherungsordner: --to DIR angeben oder backup_folder setzen</translation>
    </message>
    <message>
      <source>backed up journal %1 (%2 records, checked intact) to %3</source>
      <translation>Journal %1 gesichert (%2 Datensätze, als unversehrt geprüft) nach %3</translation>
    </message>
    <message>
      <source>Puts the backup in DIR/&lt;journal id&gt; back as the journal, once it checks intact with its own head and verification key; never over a journal.</source>
      <translation>Stellt die Sicherung in DIR/&lt;Journal-ID&gt; als Journal wieder her, sobald sie mit ihrem eigenen Kopf und Prüfschlüssel als unversehrt geprüft ist; nie über ein Journal.</translation>
    </message>
    <message>
      <source>The backup's folder, DIR/&lt;journal id&gt;.</source>
      <translation>Der Ordner der Sicherung, DIR/&lt;Journal-ID&gt;.</translation>
    </message>
    <message>
      <source>give the backup with --from DIR/ID</source>
      <translation>die Sicherung mit --from DIR/ID angeben</translation>
    </message>
    <message>
      <source>restored journal %1 (%2 records, backed up %3) to %4</source>
      <translation>Journal %1 wiederhergestellt (%2 Datensätze, gesichert %3) nach %4</translation>
    </message>
    <message>
      <source>the station's key sealed %1 records after the backup: they are not in it; the monitor refuses to record until a person retires this journal with weighstation-records new-journal</source>
      <translation>der Schlüssel der Station hat nach der Sicherung %1 Datensätze versiegelt: sie sind nicht darin; der Monitor zeichnet nicht auf, bis eine Person dieses Journal mit weighstation-records new-journal stilllegt</translation>
    </message>
    <message>
      <source>a checked copy of the journal, its head and verification key in DIR/&lt;journal id&gt;</source>
      <translation>eine geprüfte Kopie des Journals, seines Kopfs und Prüfschlüssels in DIR/&lt;Journal-ID&gt;</translation>
    </message>
    <message>
      <source>put a checked backup back where no journal is</source>
      <translation>eine geprüfte Sicherung zurückspielen, wo kein Journal ist</translation>
    </message>
    <message>
      <source>registered the verification key %1 for station %2</source>
      <translation>Prüfschlüssel %1 für die Station %2 registriert</translation>
    </message>
    <message>
      <source>it is the verification key sent with journal %1</source>
      <translation>es ist der mit dem Journal %1 gesendete Prüfschlüssel</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of journal %2</source>
      <translation>zentrale Kopie stimmt überein: %1 des Journals %2</translation>
    </message>
    <message>
      <source>central copy agrees: %1 of station %2 in journal %3</source>
      <translation>zentrale Kopie stimmt überein: %1 der Station %2 im Journal %3</translation>
    </message>
    <message>
      <source>1 record</source>
      <translation>1 Datensatz</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 Datensätze</translation>
    </message>
    <message>
      <source>exported %1 to %2 on %3 sheets</source>
      <translation>%1 nach %2 exportiert, auf %3 Blättern</translation>
    </message>
    <message>
      <source>exported %1 to %2</source>
      <translation>%1 nach %2 exportiert</translation>
    </message>
    <message>
      <source>rebuilt %1 rows of %2 into %3</source>
      <translation>%1 Zeilen von %2 in %3 wiederhergestellt</translation>
    </message>
    <message>
      <source>retired journal %1:</source>
      <translation>Journal %1 stillgelegt:</translation>
    </message>
    <message>
      <source>the monitor starts a new journal with a new key at its next record</source>
      <translation>der Monitor beginnt bei seinem nächsten Datensatz ein neues Journal mit einem neuen Schlüssel</translation>
    </message>
    <message>
      <source>seq %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>Nr. %1 wird nicht gedruckt: %2 (--unverified druckt ihn als UNGEPRÜFT markiert)</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2</source>
      <translation>Wiegeschein von Nr. %1 gedruckt nach %2</translation>
    </message>
    <message>
      <source>printed the ticket of seq %1 to %2 (marked UNVERIFIED)</source>
      <translation>Wiegeschein von Nr. %1 gedruckt nach %2 (als UNGEPRÜFT markiert)</translation>
    </message>
    <message>
      <source>station %1</source>
      <translation>Station %1</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3</source>
      <translation>Bericht (%1: %2) gedruckt nach %3</translation>
    </message>
    <message>
      <source>printed the report (%1: %2) to %3 (marked UNVERIFIED)</source>
      <translation>Bericht (%1: %2) gedruckt nach %3 (als UNGEPRÜFT markiert)</translation>
    </message>
    <message>
      <source>'%1' is not a date (yyyy-MM-dd, optionally with THH:mm[:ss])</source>
      <translation>'%1' ist kein Datum (yyyy-MM-dd, wahlweise mit THH:mm[:ss])</translation>
    </message>
    <message>
      <source>Checks every record's mac, the chain, the sequence and the journal's end; with --central, a station's chain in the central database (without --station or --journal-id: every journal there, each by the key registered for its station).</source>
      <translation>Prüft die MAC jeder Wägung, die Kette, die Folge und das Ende des Journals; mit --central die Kette einer Station in der zentralen Datenbank (ohne --station oder --journal-id: jedes Journal dort, jedes mit dem für seine Station registrierten Schlüssel).</translation>
    </message>
    <message>
      <source>%1: %2 of %3 pages</source>
      <translation>%1: %2 von %3 Seiten</translation>
    </message>
    <message>
      <source>copying</source>
      <translation>kopiere</translation>
    </message>
    <message>
      <source>restoring</source>
      <translation>stelle wieder her</translation>
    </message>
    <message>
      <source>the central database holds no records of journal %1</source>
      <translation>die zentrale Datenbank enthält keine Wägungen des Journals %1</translation>
    </message>
    <message>
      <source>the central database holds no records of station %1</source>
      <translation>die zentrale Datenbank enthält keine Wägungen der Station %1</translation>
    </message>
    <message>
      <source>the central database holds no records</source>
      <translation>die zentrale Datenbank enthält keine Wägungen</translation>
    </message>
    <message>
      <source>exported</source>
      <translation>exportiert</translation>
    </message>
    <message>
      <source>--from takes a version from 1 to %1</source>
      <translation>--from verlangt eine Version von 1 bis %1</translation>
    </message>
    <message>
      <source>central-register takes --station NAME and --fingerprint XXXX-XXXX-XXXX-XXXX (16 hex digits)</source>
      <translation>central-register verlangt --station NAME und --fingerprint XXXX-XXXX-XXXX-XXXX (16 Hexadezimalziffern)</translation>
    </message>
    <message>
      <source>no verification key sent for station %1 matches it yet (%2); central checks trust it once the station ships records sealed with it</source>
      <translation>noch passt kein für die Station %1 gesendeter Prüfschlüssel dazu (%2); zentrale Prüfungen vertrauen ihm, sobald die Station damit versiegelte Wägungen sendet</translation>
    </message>
    <message>
      <source>none was sent</source>
      <translation>keiner wurde gesendet</translation>
    </message>
    <message>
      <source>sent: %1</source>
      <translation>gesendet: %1</translation>
    </message>
    <message>
      <source>verify --central checks every journal by the verification key registered for its station; with a key or a journal of your own it takes --station NAME or --journal-id ID: a chain is a journal's</source>
      <translation>verify --central prüft jedes Journal mit dem für seine Station registrierten Prüfschlüssel; mit eigenem Schlüssel oder Journal verlangt es --station NAME oder --journal-id ID: eine Kette gehört zu einem Journal</translation>
    </message>
    <message>
      <source>checking: %1 of %2 records</source>
      <translation>prüfe: %1 von %2 Wägungen</translation>
    </message>
    <message>
      <source>... and %1 more problems</source>
      <translation>... und %1 weitere Probleme</translation>
    </message>
    <message>
      <source>the journal does not verify (%1); nothing %2 (--unverified writes it marked as unverified)</source>
      <translation>das Journal besteht die Prüfung nicht (%1); nichts %2 (--unverified schreibt es als ungeprüft markiert)</translation>
    </message>
    <message>
      <source>exporting: %1 of %2 records (%3%)</source>
      <translation>exportiere: %1 von %2 Wägungen (%3 %)</translation>
    </message>
    <message>
      <source>rebuilt</source>
      <translation>neu erstellt</translation>
    </message>
    <message>
      <source>cannot write %1: %2</source>
      <translation>kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
      <source>the clock (%1) is outside the signing keys' run; nothing erased</source>
      <translation>die Uhr (%1) liegt außerhalb der Laufzeit der Signierschlüssel; nichts gelöscht</translation>
    </message>
    <message>
      <source>unknown command '%1' (try --help)</source>
      <translation>unbekannter Befehl '%1' (siehe --help)</translation>
    </message>
    <message>
      <source>the weighing desk's transactions: single, tare, stored-tare, open, close, void, correct, list</source>
      <translation>die Vorgänge des Wiegeplatzes: single, tare, stored-tare, open, close, void, correct, list</translation>
    </message>
    <message>
      <source>the desk's vehicles, customers and products; CSV in and out</source>
      <translation>Fahrzeuge, Kunden und Produkte des Wiegeplatzes; CSV hinein und heraus</translation>
    </message>
    <message>
      <source>The vehicle's registration.</source>
      <translation>Das Kennzeichen des Fahrzeugs.</translation>
    </message>
    <message>
      <source>The vehicle's container (its stored tare's).</source>
      <translation>Der Behälter des Fahrzeugs (der seiner gespeicherten Tara).</translation>
    </message>
    <message>
      <source>The customer.</source>
      <translation>Der Kunde.</translation>
    </message>
    <message>
      <source>The product.</source>
      <translation>Das Produkt.</translation>
    </message>
    <message>
      <source>The haulier.</source>
      <translation>Der Spediteur.</translation>
    </message>
    <message>
      <source>The order or reference number.</source>
      <translation>Die Auftrags- oder Referenznummer.</translation>
    </message>
    <message>
      <source>A first weighing's direction: in or out.</source>
      <translation>Die Richtung einer Erstwägung: in (Eingang) oder out (Ausgang).</translation>
    </message>
    <message>
      <source>The operator (a supervisor to void or correct).</source>
      <translation>Der Bediener (zum Stornieren oder Korrigieren eine Aufsicht).</translation>
    </message>
    <message>
      <source>A note on the transaction.</source>
      <translation>Ein Vermerk zum Vorgang.</translation>
    </message>
    <message>
      <source>The second weighing's interim ticket code, or its registration.</source>
      <translation>Der Code des Zwischenbelegs der Zweitwägung oder ihr Kennzeichen.</translation>
    </message>
    <message>
      <source>Why a transaction is voided or corrected.</source>
      <translation>Warum ein Vorgang storniert oder korrigiert wird.</translation>
    </message>
    <message>
      <source>gross %1 tare %2 net %3 %4</source>
      <translation>Brutto %1 Tara %2 Netto %3 %4</translation>
    </message>
    <message>
      <source>tare %1 %2 until %3</source>
      <translation>Tara %1 %2 bis %3</translation>
    </message>
    <message>
      <source>on transaction %1</source>
      <translation>zu Vorgang %1</translation>
    </message>
    <message>
      <source>VOID (transaction %1)</source>
      <translation>VOID (Vorgang %1)</translation>
    </message>
    <message>
      <source>replaced by transaction %1</source>
      <translation>ersetzt durch Vorgang %1</translation>
    </message>
    <message>
      <source>closed by transaction %1</source>
      <translation>abgeschlossen durch Vorgang %1</translation>
    </message>
    <message>
      <source>on site, interim ticket %1</source>
      <translation>auf dem Gelände, Zwischenbeleg %1</translation>
    </message>
    <message>
      <source>Seals a weighing desk's transaction on the journal's records, or lists them. ACTION: single, tare (store a vehicle's tare), stored-tare, open (a first weighing), close (its second), void, correct, list. Weights are never typed: they follow from the records.</source>
      <translation>Versiegelt einen Vorgang des Wiegeplatzes auf den Wägungen des Journals oder listet sie. ACTION: single, tare (die Tara eines Fahrzeugs speichern), stored-tare, open (eine Erstwägung), close (ihre Zweitwägung), void, correct, list. Gewichte werden nie eingetippt: sie folgen aus den Wägungen.</translation>
    </message>
    <message>
      <source>What to do.</source>
      <translation>Was zu tun ist.</translation>
    </message>
    <message>
      <source>The record (its seq) weighed.</source>
      <translation>Die gewogene Wägung (ihre Nr.).</translation>
    </message>
    <message>
      <source>The transaction to void or correct.</source>
      <translation>Der zu stornierende oder zu korrigierende Vorgang.</translation>
    </message>
    <message>
      <source>List only the vehicles on site.</source>
      <translation>Nur die Fahrzeuge auf dem Gelände listen.</translation>
    </message>
    <message>
      <source>%1 needs --transaction SEQ</source>
      <translation>%1 braucht --transaction SEQ</translation>
    </message>
    <message>
      <source>%1 needs --record SEQ</source>
      <translation>%1 braucht --record SEQ</translation>
    </message>
    <message>
      <source>no action %1 (try --help)</source>
      <translation>keine Aktion %1 (siehe --help)</translation>
    </message>
    <message>
      <source>The weighing desk's vehicles, customers and products. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, a header line of the columns first).</source>
      <translation>Fahrzeuge, Kunden und Produkte des Wiegeplatzes. TABLE: vehicles, customers, products. ACTION: list, add VALUES..., remove KEY, import FILE, export FILE (CSV, zuerst eine Kopfzeile mit den Spalten).</translation>
    </message>
    <message>
      <source>The table.</source>
      <translation>Die Tabelle.</translation>
    </message>
    <message>
      <source>no table %1: vehicles, customers or products</source>
      <translation>keine Tabelle %1: vehicles, customers oder products</translation>
    </message>
    <message>
      <source>%1 rows of %2 imported</source>
      <translation>%1 Zeilen von %2 eingelesen</translation>
    </message>
    <message>
      <source>a transaction's ticket, as a PDF</source>
      <translation>der Beleg eines Vorgangs als PDF</translation>
    </message>
    <message>
      <source>Prints the ticket of a weighing desk's transaction to a PDF file, with the journal's check result; refused when the journal fails its check unless --unverified is given, and then marked.</source>
      <translation>Druckt den Beleg eines Vorgangs des Wiegeplatzes in eine PDF-Datei, mit dem Prüfergebnis des Journals; verweigert, wenn das Journal seine Prüfung nicht besteht, außer mit --unverified, dann markiert.</translation>
    </message>
    <message>
      <source>The transaction.</source>
      <translation>Der Vorgang.</translation>
    </message>
    <message>
      <source>Print it though the journal fails its check, marked UNVERIFIED.</source>
      <translation>Trotzdem drucken, wenn das Journal seine Prüfung nicht besteht, als UNVERIFIED markiert.</translation>
    </message>
    <message>
      <source>transaction-ticket takes --transaction N</source>
      <translation>transaction-ticket nimmt --transaction N</translation>
    </message>
    <message>
      <source>transaction %1 is not printed: %2 (--unverified prints it marked UNVERIFIED)</source>
      <translation>Vorgang %1 wird nicht gedruckt: %2 (--unverified druckt ihn als UNVERIFIED markiert)</translation>
    </message>
    <message>
      <source>no transaction %1 in the journal</source>
      <translation>kein Vorgang %1 im Journal</translation>
    </message>
    <message>
      <source>printed the ticket of transaction %1 to %2</source>
      <translation>Beleg von Vorgang %1 nach %2 gedruckt</translation>
    </message>
    <message>
      <source>the transactions per shift, day, customer, product or vehicle</source>
      <translation>die Vorgänge je Schicht, Tag, Kunde, Produkt oder Fahrzeug</translation>
    </message>
    <message>
      <source>A report of the weighing desk's transactions: per shift, day, customer, product or vehicle, each group's count and net sums per unit, the voided and replaced ones apart; as a PDF (with the journal's check result) or a CSV or .xlsx table.</source>
      <translation>Ein Bericht der Vorgänge des Wiegeplatzes: je Schicht, Tag, Kunde, Produkt oder Fahrzeug, mit Anzahl und Nettosummen je Einheit jeder Gruppe, die stornierten und ersetzten gesondert; als PDF (mit dem Prüfergebnis des Journals) oder als CSV- oder .xlsx-Tabelle.</translation>
    </message>
    <message>
      <source>shift, day (the default), customer, product or vehicle.</source>
      <translation>shift, day (Vorgabe), customer, product oder vehicle.</translation>
    </message>
    <message>
      <source>Write a CSV table to FILE.</source>
      <translation>Eine CSV-Tabelle nach FILE schreiben.</translation>
    </message>
    <message>
      <source>Write an .xlsx table to FILE.</source>
      <translation>Eine .xlsx-Tabelle nach FILE schreiben.</translation>
    </message>
    <message>
      <source>--by takes shift, day, customer, product or vehicle, not '%1'</source>
      <translation>--by nimmt shift, day, customer, product oder vehicle, nicht „%1“</translation>
    </message>
    <message>
      <source>desk_shifts is not a list of times HH:mm: '%1'</source>
      <translation>desk_shifts ist keine Liste von Zeiten HH:mm: „%1“</translation>
    </message>
    <message>
      <source>wrote %1 to %2</source>
      <translation>%1 nach %2 geschrieben</translation>
    </message>
    <message>
      <source>The version of the tables to upgrade (1 to 4).</source>
      <translation>Die Version der zu hebenden Tabellen (1 bis 4).</translation>
    </message>
  </context>
  <context>
    <name>Settings</name>
    <message>
      <source>not a whole number</source>
      <translation>keine ganze Zahl</translation>
    </message>
    <message>
      <source>not from %1 to %2</source>
      <translation>nicht von %1 bis %2</translation>
    </message>
    <message>
      <source>not a file name</source>
      <translation>kein Dateiname</translation>
    </message>
    <message>
      <source>not an absolute path (start it with / or ~/)</source>
      <translation>kein absoluter Pfad (mit / oder ~/ beginnen)</translation>
    </message>
    <message>
      <source>not a setting (key = value)</source>
      <translation>keine Einstellung (Schlüssel = Wert)</translation>
    </message>
    <message>
      <source>holds a NUL byte; it is not used</source>
      <translation>enthält ein NUL-Byte; wird nicht verwendet</translation>
    </message>
    <message>
      <source>a quote is left open; it is not used</source>
      <translation>ein Anführungszeichen bleibt offen; wird nicht verwendet</translation>
    </message>
    <message>
      <source>%1: %2; its settings are not used</source>
      <translation>%1: %2; seine Einstellungen werden nicht verwendet</translation>
    </message>
    <message>
      <source>a link to nothing (or a loop of links)</source>
      <translation>ein Verweis ins Leere (oder eine Schleife von Verweisen)</translation>
    </message>
    <message>
      <source>cannot be read</source>
      <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
      <source>not a plain file</source>
      <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
      <source>larger than a settings file (1 MiB)</source>
      <translation>größer als eine Einstellungsdatei (1 MiB)</translation>
    </message>
    <message>
      <source>; the %1 is used</source>
      <translation>; %1 wird verwendet</translation>
    </message>
    <message>
      <source>default</source>
      <translation>die Vorgabe</translation>
    </message>
    <message>
      <source>default (%1)</source>
      <translation>die Vorgabe (%1)</translation>
    </message>
    <message>
      <source>%1: cannot be read; its settings are not used</source>
      <translation>%1: kann nicht gelesen werden; seine Einstellungen werden nicht verwendet</translation>
    </message>
    <message>
      <source>%1: not a settings file (lines of key = value); its settings are not used</source>
      <translation>%1: keine Einstellungsdatei (Zeilen aus Schlüssel = Wert); seine Einstellungen werden nicht verwendet</translation>
    </message>
    <message>
      <source>%1: %2 = "%3": no such setting; it is not used</source>
      <translation>%1: %2 = "%3": keine solche Einstellung; wird nicht verwendet</translation>
    </message>
    <message>
      <source>%1 = "%2": no such setting; it is not used</source>
      <translation>%1 = "%2": keine solche Einstellung; wird nicht verwendet</translation>
    </message>
  </context>
  <context>
    <name>Verifier</name>
    <message>
      <source>seq %1: missing</source>
      <translation>Nr. %1: fehlt</translation>
    </message>
    <message>
      <source>seq %1: missing, and the %2 after it</source>
      <translation>Nr. %1: fehlt, und die %2 danach</translation>
    </message>
    <message>
      <source>seq %1: its mac does not match its contents and the record before (changed, moved, inserted or sealed with another key)</source>
      <translation>Nr. %1: ihre MAC passt nicht zu ihrem Inhalt und der Wägung davor (geändert, verschoben, eingefügt oder mit einem anderen Schlüssel versiegelt)</translation>
    </message>
    <message>
      <source>seq %1: its seal is not a seal of format 2 (%2)</source>
      <translation>Nr. %1: ihr Siegel ist kein Siegel des Formats 2 (%2)</translation>
    </message>
    <message>
      <source>seq %1: its seal does not match its contents and the record before (changed, moved or inserted)</source>
      <translation>Nr. %1: ihr Siegel passt nicht zu ihrem Inhalt und der Wägung davor (geändert, verschoben oder eingefügt)</translation>
    </message>
    <message>
      <source>seq %1: sealed in epoch %2 after a record of epoch %3 (an epoch never goes back)</source>
      <translation>Nr. %1: in Epoche %2 versiegelt nach einer Wägung der Epoche %3 (eine Epoche geht nie zurück)</translation>
    </message>
    <message>
      <source>seq %1: its epoch %2 has no key certified by the verification key</source>
      <translation>Nr. %1: ihre Epoche %2 hat keinen vom Prüfschlüssel beglaubigten Schlüssel</translation>
    </message>
    <message>
      <source>seq %1: dated %2, outside its sealing epoch %3 (%4 to %5): sealed later than its time, or the station's clock went back</source>
      <translation>Nr. %1: datiert %2, außerhalb ihrer Siegelepoche %3 (%4 bis %5): später als ihre Zeit versiegelt, oder die Uhr der Station ging zurück</translation>
    </message>
    <message>
      <source>seq %1: its signature does not match (forged, changed, or sealed with another station's keys)</source>
      <translation>Nr. %1: ihre Signatur passt nicht (gefälscht, geändert oder mit den Schlüsseln einer anderen Station versiegelt)</translation>
    </message>
    <message>
      <source>the head %1 is not signed by a key of the journal's epochs</source>
      <translation>der Endvermerk %1 ist nicht mit einem Schlüssel der Epochen des Journals signiert</translation>
    </message>
    <message>
      <source>the head %1 witnesses another journal</source>
      <translation>der Endvermerk %1 bezeugt ein anderes Journal</translation>
    </message>
    <message>
      <source>seq %1: missing at the end: the journal ends at seq %2, its head witnessed seq %3 (records removed, or an older copy put back)</source>
      <translation>Nr. %1: fehlt am Ende: das Journal endet bei Nr. %2, sein Endvermerk bezeugte Nr. %3 (Wägungen entfernt oder eine ältere Kopie zurückgelegt)</translation>
    </message>
    <message>
      <source>seq %1: not the record its head witnessed</source>
      <translation>Nr. %1: nicht die Wägung, die sein Endvermerk bezeugte</translation>
    </message>
    <message>
      <source>the %1 cannot be read: %2</source>
      <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
      <source>%4 %1: %2 in %3, a value of the wrong kind</source>
      <translation>%4 %1: %2 in %3, ein Wert der falschen Art</translation>
    </message>
    <message>
      <source>the text log notes cannot be read: %1</source>
      <translation>die Textprotokoll-Vermerke können nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>seq %1: its text log note's signature does not match</source>
      <translation>Nr. %1: die Signatur ihres Textprotokoll-Vermerks passt nicht</translation>
    </message>
    <message>
      <source>seq %1: its text log note does not match</source>
      <translation>Nr. %1: ihr Textprotokoll-Vermerk passt nicht</translation>
    </message>
    <message>
      <source>the journal's schema cannot be read: %1</source>
      <translation>das Schema des Journals kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>the journal's schema defines the %1 %2 otherwise than a journal's: %3</source>
      <translation>das Schema des Journals definiert %1 %2 anders als ein Journal: %3</translation>
    </message>
    <message>
      <source>the journal's schema holds a %1 %2 that is not a journal's</source>
      <translation>das Schema des Journals enthält %1 %2, das nicht zu einem Journal gehört</translation>
    </message>
    <message>
      <source>the journal's records cannot be read: %1</source>
      <translation>die Wägungen des Journals können nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>a row of %1 outside the journal's sequence, at seq %2</source>
      <translation>eine Zeile von %1 außerhalb der Folge des Journals, bei Nr. %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note is missing</source>
      <translation>Nr. %1: ihr Textprotokoll-Vermerk fehlt</translation>
    </message>
    <message>
      <source>the epoch keys cannot be read: %1</source>
      <translation>die Epochenschlüssel können nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>epoch key %1 is not certified by the verification key %2 (station %3)</source>
      <translation>der Epochenschlüssel %1 ist nicht vom Prüfschlüssel %2 (Station %3) beglaubigt</translation>
    </message>
    <message>
      <source>the journal's identity cannot be read: %1</source>
      <translation>die Kennung des Journals kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>the journal names another verification key than the one given (%1)</source>
      <translation>das Journal nennt einen anderen Prüfschlüssel als den angegebenen (%1)</translation>
    </message>
    <message>
      <source>the transition from format 1 cannot be read: %1</source>
      <translation>der Übergang vom Format 1 kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>the transition to format 2 after seq %1 is not sealed with format 1's key</source>
      <translation>der Übergang zum Format 2 nach Nr. %1 ist nicht mit dem Schlüssel des Formats 1 versiegelt</translation>
    </message>
    <message>
      <source>the transition to format 2 names the verification key %1, not the one given (%2)</source>
      <translation>der Übergang zum Format 2 nennt den Prüfschlüssel %1, nicht den angegebenen (%2)</translation>
    </message>
    <message>
      <source>the journal has more than one transition from format 1</source>
      <translation>das Journal hat mehr als einen Übergang vom Format 1</translation>
    </message>
    <message>
      <source>seq %1: the journal says it is of format %2, but its verification key seals every record after seq %3 in format 2</source>
      <translation>Nr. %1: das Journal gibt Format %2 an, aber sein Prüfschlüssel versiegelt jede Wägung nach Nr. %3 im Format 2</translation>
    </message>
    <message>
      <source>the journal's transition from format 1 is after seq %1, but its verification key binds it after seq %2</source>
      <translation>der Übergang des Journals vom Format 1 liegt nach Nr. %1, aber sein Prüfschlüssel legt ihn nach Nr. %2 fest</translation>
    </message>
    <message>
      <source>the key also sealed %1 of journal %2 (head %3): a journal of this key is missing or was replaced</source>
      <translation>der Schlüssel versiegelte auch %1 des Journals %2 (Endvermerk %3): ein Journal dieses Schlüssels fehlt oder wurde ersetzt</translation>
    </message>
    <message>
      <source>the check did not finish</source>
      <translation>die Prüfung wurde nicht beendet</translation>
    </message>
    <message>
      <source>it fails its check</source>
      <translation>es besteht seine Prüfung nicht</translation>
    </message>
    <message>
      <source>no key at %1</source>
      <translation>kein Schlüssel unter %1</translation>
    </message>
    <message>
      <source>seq %1</source>
      <translation>Nr. %1</translation>
    </message>
    <message>
      <source>seq %1..%2</source>
      <translation>Nr. %1..%2</translation>
    </message>
    <message>
      <source>the journal cannot be read: %1</source>
      <translation>das Journal kann nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>the journal's file is damaged: %1</source>
      <translation>die Datei des Journals ist beschädigt: %1</translation>
    </message>
    <message>
      <source>%1: format 1, with the key %2</source>
      <translation>%1: Format 1, mit dem Schlüssel %2</translation>
    </message>
    <message>
      <source>%1: format 2, with the verification key %2 (station %3)</source>
      <translation>%1: Format 2, mit dem Prüfschlüssel %2 (Station %3)</translation>
    </message>
    <message>
      <source>records of format 1 are checked with its key: %1</source>
      <translation>Wägungen des Formats 1 werden mit seinem Schlüssel geprüft: %1</translation>
    </message>
    <message>
      <source>cancelled</source>
      <translation>abgebrochen</translation>
    </message>
    <message>
      <source>seq %1: out of its place, after seq %2</source>
      <translation>Nr. %1: nicht an ihrem Platz, nach Nr. %2</translation>
    </message>
    <message>
      <source>seq %1: its text log note, which the head witnessed, is missing or changed</source>
      <translation>Nr. %1: ihr Textprotokoll-Vermerk, den der Endvermerk bezeugte, fehlt oder ist geändert</translation>
    </message>
    <message>
      <source>transaction %1, which the head witnessed, is missing or changed</source>
      <translation>Vorgang %1, den der Endvermerk bezeugte, fehlt oder ist verändert</translation>
    </message>
    <message>
      <source>the journal's transactions cannot be read: %1</source>
      <translation>die Vorgänge des Journals können nicht gelesen werden: %1</translation>
    </message>
    <message>
      <source>transaction %1: a value of the wrong kind</source>
      <translation>Vorgang %1: ein Wert der falschen Art</translation>
    </message>
    <message>
      <source>transaction %1: %2</source>
      <translation>Vorgang %1: %2</translation>
    </message>
  </context>
  <context>
    <name>Viewer</name>
    <message>
      <source>No records match</source>
      <translation>Keine passenden Wägungen</translation>
    </message>
    <message>
      <source>Totals of the newest %1 of %2 records</source>
      <translation>Summen der neuesten %1 von %2 Wägungen</translation>
    </message>
    <message>
      <source>Totals of %1 records</source>
      <translation>Summen von %1 Wägungen</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Obergrenze</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Untergrenze</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Summe</translation>
    </message>
    <message>
      <source>Total (%1)</source>
      <translation>Summe (%1)</translation>
    </message>
    <message>
      <source>%1 (%2): %3, last shipped %4%5</source>
      <translation>%1 (%2): %3, zuletzt übertragen %4%5</translation>
    </message>
    <message>
      <source>all shipped</source>
      <translation>alles übertragen</translation>
    </message>
    <message>
      <source>%1 records waiting</source>
      <translation>%1 Wägungen warten</translation>
    </message>
    <message>
      <source>, %1 problems (see the monitor's output)</source>
      <translation>, %1 Probleme (siehe Ausgabe des Monitors)</translation>
    </message>
    <message>
      <source>Central records</source>
      <translation>Zentrale Wägungen</translation>
    </message>
    <message>
      <source>Checking the journal...</source>
      <translation>Journal wird geprüft...</translation>
    </message>
    <message>
      <source>Journal intact: %1 records</source>
      <translation>Journal unversehrt: %1 Wägungen</translation>
    </message>
    <message>
      <source>Journal broken at seq %1: %2</source>
      <translation>Journal verletzt bei Nr. %1: %2</translation>
    </message>
    <message>
      <source>Journal broken: %1</source>
      <translation>Journal verletzt: %1</translation>
    </message>
    <message>
      <source>Journal not checked: %1</source>
      <translation>Journal nicht geprüft: %1</translation>
    </message>
    <message>
      <source>Weigh Station Records</source>
      <translation>Wägestation – Wägungen</translation>
    </message>
    <message>
      <source>Records</source>
      <translation>Wägungen</translation>
    </message>
    <message>
      <source>The selected record's text log block</source>
      <translation>Der Textprotokoll-Block der gewählten Wägung</translation>
    </message>
    <message>
      <source>From</source>
      <translation>Von</translation>
    </message>
    <message>
      <source>To</source>
      <translation>Bis</translation>
    </message>
    <message>
      <source>Text in the total line or the record</source>
      <translation>Text in der Summenzeile oder der Wägung</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Datei</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Als CSV exportieren...</translation>
    </message>
    <message>
      <source>Export xlsx...</source>
      <translation>Als xlsx exportieren...</translation>
    </message>
    <message>
      <source>Print Ticket...</source>
      <translation>Wiegeschein drucken...</translation>
    </message>
    <message>
      <source>Save Ticket as PDF...</source>
      <translation>Wiegeschein als PDF speichern...</translation>
    </message>
    <message>
      <source>Print Report...</source>
      <translation>Bericht drucken...</translation>
    </message>
    <message>
      <source>Save Report as PDF...</source>
      <translation>Bericht als PDF speichern...</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Beenden</translation>
    </message>
    <message>
      <source>counting...</source>
      <translation>wird gezählt...</translation>
    </message>
    <message>
      <source>cannot count the records</source>
      <translation>Wägungen können nicht gezählt werden</translation>
    </message>
    <message>
      <source>%1 cancelled: nothing written</source>
      <translation>%1 abgebrochen: nichts geschrieben</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Export</translation>
    </message>
    <message>
      <source>%1

Export the records marked as UNVERIFIED?</source>
      <translation>%1

Die Wägungen als UNVERIFIED markiert exportieren?</translation>
    </message>
    <message>
      <source>Export records</source>
      <translation>Wägungen exportieren</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
      <source>Excel files (*.xlsx)</source>
      <translation>Excel-Dateien (*.xlsx)</translation>
    </message>
    <message>
      <source>Exporting records to %1...</source>
      <translation>Wägungen werden nach %1 exportiert...</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Abbrechen</translation>
    </message>
    <message>
      <source>Exported %1 records to %2</source>
      <translation>%1 Wägungen nach %2 exportiert</translation>
    </message>
    <message>
      <source>Ticket</source>
      <translation>Wiegeschein</translation>
    </message>
    <message>
      <source>%1.

Print the ticket of seq %2 marked as UNVERIFIED?</source>
      <translation>%1.

Den Wiegeschein von Nr. %2 als UNVERIFIED markiert drucken?</translation>
    </message>
    <message>
      <source>Select a record first.</source>
      <translation>Bitte zuerst eine Wägung wählen.</translation>
    </message>
    <message>
      <source>Save ticket</source>
      <translation>Wiegeschein speichern</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
      <source>Save report</source>
      <translation>Bericht speichern</translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Bericht</translation>
    </message>
    <message>
      <source>, refused: seq %1 (tried again at each start)</source>
      <translation>, abgelehnt: Nr. %1 (bei jedem Start erneut versucht)</translation>
    </message>
    <message>
      <source>Journal records intact: %1 records; its end not witnessed (%2)</source>
      <translation>Journal-Wägungen unversehrt: %1 Wägungen; sein Ende nicht bezeugt (%2)</translation>
    </message>
    <message>
      <source>%1 (%2): not yet shipped: %3 records, last try: %4</source>
      <translation>%1 (%2): noch nicht übertragen: %3 Datensätze, letzter Versuch: %4</translation>
    </message>
    <message>
      <source>Seq</source>
      <translation>Nr.</translation>
    </message>
    <message>
      <source>Date and time</source>
      <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
      <source>Station</source>
      <translation>Station</translation>
    </message>
    <message>
      <source>Scale %1 gross</source>
      <translation>Waage %1 brutto</translation>
    </message>
    <message>
      <source>Scale %1 net</source>
      <translation>Waage %1 netto</translation>
    </message>
    <message>
      <source>Scale %1 tare</source>
      <translation>Waage %1 tara</translation>
    </message>
    <message>
      <source>1 record</source>
      <translation>1 Datensatz</translation>
    </message>
    <message>
      <source>%1 records</source>
      <translation>%1 Datensätze</translation>
    </message>
    <message>
      <source>%1, summed %2</source>
      <translation>%1, Summe %2</translation>
    </message>
  </context>
</TS>
