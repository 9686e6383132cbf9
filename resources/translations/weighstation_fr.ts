<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
  <context>
    <name>MainWindow</name>
    <message>
      <source>SCALE 1</source>
      <translation>BALANCE 1</translation>
    </message>
    <message>
      <source>Serial 1 Settings</source>
      <translation>Liaison série 1</translation>
    </message>
    <message>
      <source>SCALE 2</source>
      <translation>BALANCE 2</translation>
    </message>
    <message>
      <source>Serial 2 Settings</source>
      <translation>Liaison série 2</translation>
    </message>
    <message>
      <source>SCALE 3</source>
      <translation>BALANCE 3</translation>
    </message>
    <message>
      <source>Serial 3 Settings</source>
      <translation>Liaison série 3</translation>
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
      <translation>Surch.</translation>
    </message>
    <message>
      <source>Zero</source>
      <translation>Zéro</translation>
    </message>
    <message>
      <source>Tare
Net</source>
      <translation>Tare
Net</translation>
    </message>
    <message>
      <source>Gross</source>
      <translation>Brut</translation>
    </message>
    <message>
      <source>COM PORT:</source>
      <translation>PORT :</translation>
    </message>
    <message>
      <source>Connect</source>
      <translation>Connecter</translation>
    </message>
    <message>
      <source>STATUS:</source>
      <translation>ÉTAT :</translation>
    </message>
    <message>
      <source>Not Connected</source>
      <translation>Déconnecté</translation>
    </message>
    <message>
      <source>Korvel Weigh Station</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Exit</source>
      <translation>Quitter</translation>
    </message>
    <message>
      <source>Current Time &amp;&amp; Date</source>
      <translation>Heure &amp;&amp; date</translation>
    </message>
    <message>
      <source>TextLabel</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Data Log</source>
      <translation>Journal</translation>
    </message>
    <message>
      <source>Sensitivity</source>
      <translation>Sensibilité</translation>
    </message>
    <message>
      <source>Count:</source>
      <translation>Nbre :</translation>
    </message>
    <message>
      <source>0</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Select File</source>
      <translation>Choisir</translation>
    </message>
    <message>
      <source>Start Text File Log</source>
      <translation>Journal texte</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lim. basse</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lim. haute</translation>
    </message>
    <message>
      <source>10000</source>
      <translation type="unfinished" />
    </message>
    <message>
      <source>Start Excel File Log</source>
      <translation>Journal Excel</translation>
    </message>
    <message>
      <source> RECORD
NOW</source>
      <translation> SAISIR
MESURE</translation>
    </message>
    <message>
      <source>TOTAL =</source>
      <translation>TOTAL =</translation>
    </message>
    <message>
      <source>File</source>
      <translation>Fichier</translation>
    </message>
    <message>
      <source>Connected</source>
      <translation>Connecté</translation>
    </message>
  </context>
  <context>
    <name>Viewer</name>
    <message>
      <source>No records match</source>
      <translation>Aucun enregistrement ne correspond</translation>
    </message>
    <message>
      <source>Totals of the newest %1 of %2 records</source>
      <translation>Totaux des %1 plus récents sur %2 enregistrements</translation>
    </message>
    <message>
      <source>Totals of %1 records</source>
      <translation>Totaux de %1 enregistrements</translation>
    </message>
    <message>
      <source>Over Limit</source>
      <translation>Lim. haute</translation>
    </message>
    <message>
      <source>Under Limit</source>
      <translation>Lim. basse</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Total (%1)</source>
      <translation>Total (%1)</translation>
    </message>
    <message>
      <source>Scale %1 %2</source>
      <translation>Balance %1 %2</translation>
    </message>
    <message>
      <source>%1 (%2): %3, last shipped %4%5</source>
      <translation>%1 (%2) : %3, dernier envoyé %4%5</translation>
    </message>
    <message>
      <source>all shipped</source>
      <translation>tout envoyé</translation>
    </message>
    <message>
      <source>%1 records waiting</source>
      <translation>%1 enregistrements en attente</translation>
    </message>
    <message>
      <source>, %1 problems (see the monitor's output)</source>
      <translation>, %1 problèmes (voir la sortie du moniteur)</translation>
    </message>
    <message>
      <source>Central records</source>
      <translation>Enregistrements centraux</translation>
    </message>
    <message>
      <source>Checking the journal...</source>
      <translation>Vérification du journal...</translation>
    </message>
    <message>
      <source>Journal intact: %1 records</source>
      <translation>Journal intact : %1 enregistrements</translation>
    </message>
    <message>
      <source>Journal broken at seq %1: %2</source>
      <translation>Journal altéré au n° %1 : %2</translation>
    </message>
    <message>
      <source>Journal broken: %1</source>
      <translation>Journal altéré : %1</translation>
    </message>
    <message>
      <source>Journal not checked: %1</source>
      <translation>Journal non vérifié : %1</translation>
    </message>
    <message>
      <source>Weigh Station Records</source>
      <translation>Station de pesage – enregistrements</translation>
    </message>
    <message>
      <source>Records</source>
      <translation>Enregistrements</translation>
    </message>
    <message>
      <source>The selected record's text log block</source>
      <translation>Le bloc du journal texte de l'enregistrement choisi</translation>
    </message>
    <message>
      <source>From</source>
      <translation>Du</translation>
    </message>
    <message>
      <source>To</source>
      <translation>Au</translation>
    </message>
    <message>
      <source>Text in the total line or the record</source>
      <translation>Texte de la ligne du total ou de l'enregistrement</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Fichier</translation>
    </message>
    <message>
      <source>Export CSV...</source>
      <translation>Exporter en CSV...</translation>
    </message>
    <message>
      <source>Export xlsx...</source>
      <translation>Exporter en xlsx...</translation>
    </message>
    <message>
      <source>Print Ticket...</source>
      <translation>Imprimer le ticket...</translation>
    </message>
    <message>
      <source>Save Ticket as PDF...</source>
      <translation>Enregistrer le ticket en PDF...</translation>
    </message>
    <message>
      <source>Print Report...</source>
      <translation>Imprimer le rapport...</translation>
    </message>
    <message>
      <source>Save Report as PDF...</source>
      <translation>Enregistrer le rapport en PDF...</translation>
    </message>
    <message>
      <source>Quit</source>
      <translation>Quitter</translation>
    </message>
    <message>
      <source>counting...</source>
      <translation>comptage...</translation>
    </message>
    <message>
      <source>cannot count the records</source>
      <translation>impossible de compter les enregistrements</translation>
    </message>
    <message>
      <source>%1 cancelled: nothing written</source>
      <translation>%1 annulé : rien d'écrit</translation>
    </message>
    <message>
      <source>Export</source>
      <translation>Export</translation>
    </message>
    <message>
      <source>%1

Export the records marked as UNVERIFIED?</source>
      <translation>%1

Exporter les enregistrements marqués UNVERIFIED ?</translation>
    </message>
    <message>
      <source>Export records</source>
      <translation>Exporter les enregistrements</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
      <source>Excel files (*.xlsx)</source>
      <translation>Fichiers Excel (*.xlsx)</translation>
    </message>
    <message>
      <source>Exporting records to %1...</source>
      <translation>Export des enregistrements vers %1...</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Annuler</translation>
    </message>
    <message>
      <source>Exported %1 records to %2</source>
      <translation>%1 enregistrements exportés vers %2</translation>
    </message>
    <message>
      <source>Ticket</source>
      <translation>Ticket</translation>
    </message>
    <message>
      <source>%1.

Print the ticket of seq %2 marked as UNVERIFIED?</source>
      <translation>%1.

Imprimer le ticket du n° %2 marqué UNVERIFIED ?</translation>
    </message>
    <message>
      <source>Select a record first.</source>
      <translation>Choisissez d'abord un enregistrement.</translation>
    </message>
    <message>
      <source>Save ticket</source>
      <translation>Enregistrer le ticket</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Save report</source>
      <translation>Enregistrer le rapport</translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Rapport</translation>
    </message>
  </context>
</TS>
