<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
      <source>Scale %1 %2</source>
      <translation>Waage %1 %2</translation>
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
  </context>
</TS>
